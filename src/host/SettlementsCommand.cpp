// ksiega settlements: the settlements of a fiscal year as the window "BO - Import rozrachunków
// z programu TOVARIX" lists them (--opening: those in the opening balance), or every open
// settlement of the year; --summary prints the sums of its "Podsumowanie" page instead. The
// rows are read a page at a time in the list's order (account, then id), so that a year of
// any size streams out without being held.
#include "host/BatchSession.h"
#include "host/MachineTable.h"
#include "host/Subcommands.h"
#include "platform/runtime/Date.h"
#include "platform/server/settlements/SettlementBalance.h"
#include "platform/server/settlements/SettlementWork.h"
#include <QTextStream>

namespace ksiega::host {

namespace {

constexpr int kPageRows = 1000;

const char* const kColumns[] = {"id",    "nr_konta", "symbol", "data_dok", "termin",     "strona",
                                "waluta", "kwota",   "kwota_w", "pozostalo", "pozostalo_w"};

// What the list shows: the condition on ROZRACHUNEK_VIEW v, its bound values, and what is
// left of each settlement on its side (now, or on the --open-at date).
struct ListQuery {
    QString where;
    db::Params params;
    server::BoundExpression left, leftW, leftWn, leftMa;
};

void append(db::Params& to, const db::Params& from) { to.insert(to.end(), from.begin(), from.end()); }

// "201-0" -> a LIKE pattern that takes the text literally.
QString prefixPattern(const QString& prefix) {
    QString p;
    for (QChar c : prefix) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_')) p += QLatin1Char('\\');
        p += c;
    }
    return p + QLatin1Char('%');
}

ListQuery listQuery(const Arguments& args, const SessionContext& s, int openAt) {
    ListQuery q;
    const bool opening = args.flag(QStringLiteral("opening"));
    if (openAt) {
        q.left = server::balanceOnDateOwnSideSql(QStringLiteral("v"), openAt);
        q.leftW = server::balanceOnDateOwnSideSql(QStringLiteral("v"), openAt, server::BalanceAmount::Currency);
        q.leftWn = server::balanceOnDateSql(QStringLiteral("v"), openAt, QStringLiteral("WN"));
        q.leftMa = server::balanceOnDateSql(QStringLiteral("v"), openAt, QStringLiteral("MA"));
    } else {
        q.left = {QStringLiteral("(v.pozostalo_wn + v.pozostalo_ma)"), {}};
        q.leftW = {QStringLiteral("(v.pozostalo_wn_w + v.pozostalo_ma_w)"), {}};
        q.leftWn = {QStringLiteral("v.pozostalo_wn"), {}};
        q.leftMa = {QStringLiteral("v.pozostalo_ma"), {}};
    }
    // The opening balance's list keeps its condition whether or not an account is chosen;
    // the other list holds what is still open (on the date, when one is given).
    q.where = QStringLiteral("v.id_firmy=? and v.id_lata_obrot=?");
    q.params = {s.DANE_ID_FIRMY, s.DANE_LATA_OBROTOWE};
    if (opening) q.where += QStringLiteral(" and v.czy_bo=1");
    const QString account = args.option(QStringLiteral("account"), QString()).trimmed();
    if (!account.isEmpty()) {
        q.where += QStringLiteral(" and v.nr_konta like ? escape '\\'");
        q.params.push_back(prefixPattern(account));
    }
    if (!opening) {
        if (openAt) {
            q.where += QStringLiteral(" and v.data_dok <= ?");
            q.params.push_back(openAt);
        }
        q.where += QStringLiteral(" and %1 <> 0").arg(q.left.sql);
        append(q.params, q.left.params);
    }
    return q;
}

int dateArgument(const Arguments& args, const QString& name) {
    if (!args.given(name)) return 0;
    const auto d = date::parseIso(args.option(name, QString()).trimmed());
    if (!d || *d == 0) throw UsageError(QStringLiteral("--%1 must be a date YYYY-MM-DD").arg(name));
    return *d;
}

class RowWriter {
public:
    RowWriter(QTextStream& out, MachineTable::Format format) : m_out(out), m_json(format == MachineTable::Format::Json) {
        if (m_json) m_out << '[';
        else {
            QStringList header;
            for (const char* c : kColumns) header << QString::fromLatin1(c);
            m_out << header.join(QLatin1Char(',')) << '\n';
        }
    }
    void add(const db::Rows& r) {
        const QString texts[] = {r.text(1), r.text(2), date::toIso(r.integer(3)), date::toIso(r.integer(4)), r.text(5), r.text(6)};
        if (m_json) {
            m_out << (m_rows ? ",\n" : "\n") << "  {\"id\":" << r.int64(0);
            for (int i = 0; i < 6; ++i) m_out << ",\"" << kColumns[i + 1] << "\":" << MachineTable::jsonString(texts[i]);
            for (int i = 7; i < 11; ++i) m_out << ",\"" << kColumns[i] << "\":" << r.money(i).toString();
            m_out << '}';
        } else {
            m_out << r.int64(0);
            for (const QString& t : texts) m_out << ',' << MachineTable::csvField(t);
            for (int i = 7; i < 11; ++i) m_out << ',' << r.money(i).toString();
            m_out << '\n';
        }
        ++m_rows;
    }
    void finish() {
        if (m_json) m_out << (m_rows ? "\n]\n" : "]\n");
    }

private:
    QTextStream& m_out;
    bool m_json;
    int64_t m_rows = 0;
};

// Every row in the list's order, one page per statement, continuing after the last row read.
void writeList(db::Database& db, QTextStream& out, MachineTable::Format format, const ListQuery& q, int64_t limit) {
    RowWriter writer(out, format);
    QString lastAccount;
    int64_t lastId = -1, written = 0;
    while (limit < 0 || written < limit) {
        const int64_t page = limit < 0 ? kPageRows : std::min<int64_t>(kPageRows, limit - written);
        db::Params params = q.left.params;
        append(params, q.leftW.params);
        append(params, q.params);
        QString after;
        if (lastId >= 0) {
            after = QStringLiteral(" and (v.nr_konta > ? or (v.nr_konta = ? and v.id_rozrachunku > ?))");
            params.insert(params.end(), {lastAccount, lastAccount, lastId});
        }
        params.push_back(page);
        db::Rows r = db.select(
            QStringLiteral("select v.id_rozrachunku, v.nr_konta, v.symbol, v.data_dok, v.termin_platnosci, v.strona, v.sym_waluty, "
                           "v.kwota_wn + v.kwota_ma, v.kwota_wn_w + v.kwota_ma_w, %1, %2 from ROZRACHUNEK_VIEW v where %3%4 "
                           "order by v.nr_konta, v.id_rozrachunku limit ?")
                .arg(q.left.sql, q.leftW.sql, q.where, after),
            params);
        int64_t n = 0;
        while (r.next()) {
            writer.add(r);
            lastAccount = r.text(1);
            lastId = r.int64(0);
            ++n;
        }
        written += n;
        if (n < page) break;
        out.flush();
    }
    writer.finish();
}

// The "Podsumowanie" page: the sums of the list, and those of its rows the user marked for
// removal from the opening balance (the selection store's browser of the window).
void writeSummary(db::Database& db, QTextStream& out, MachineTable::Format format, const ListQuery& q, int64_t userNumber) {
    db::Params params = q.leftWn.params;
    append(params, q.leftMa.params);
    append(params, q.params);
    const QString sums = QStringLiteral("select CAST(coalesce(sum(v.kwota_wn), 0) AS BIGINT), CAST(coalesce(sum(v.kwota_ma), 0) AS BIGINT), "
                                        "CAST(coalesce(sum(%1), 0) AS BIGINT), CAST(coalesce(sum(%2), 0) AS BIGINT) "
                                        "from ROZRACHUNEK_VIEW v where %3")
                             .arg(q.leftWn.sql, q.leftMa.sql, q.where);
    db::Rows all = db.select(sums, params);
    all.next();
    const Money kwotaDt = all.money(0), kwotaCt = all.money(1), saldoDt = all.money(2), saldoCt = all.money(3);
    params.insert(params.end(), {userNumber, server::settlements::kRemovedSettlementsBrowser});
    db::Rows marked = db.select(sums + QStringLiteral(" and v.id_rozrachunku in (select z.id_elementu from ZAZNACZENIE z "
                                                      "where z.id_uzytkownika=? and z.id_browsera=?)"),
                                params);
    marked.next();
    MachineTable t(out, format, {"etykieta", "wartosc"});
    t.addRow(QStringLiteral("Kwota Dt"), {kwotaDt});
    t.addRow(QStringLiteral("Kwota Ct"), {kwotaCt});
    t.addRow(QStringLiteral("Saldo Dt"), {saldoDt});
    t.addRow(QStringLiteral("Saldo Ct"), {saldoCt});
    t.addRow(QStringLiteral("Kwota Dt/zaznaczone/"), {marked.money(0)});
    t.addRow(QStringLiteral("Kwota Ct/zaznaczone/"), {marked.money(1)});
    t.finish();
}

int settlements(const Arguments& args) {
    const auto format = MachineTable::formatArgument(args);
    const int openAt = dateArgument(args, QStringLiteral("open-at"));
    int64_t limit = -1;
    if (args.given(QStringLiteral("limit"))) {
        bool ok = false;
        limit = args.option(QStringLiteral("limit"), QString()).toLongLong(&ok);
        if (!ok || limit < 0) throw UsageError(QStringLiteral("--limit must be a whole number, 0 or more"));
    }
    const bool summary = args.flag(QStringLiteral("summary"));
    if (summary && limit >= 0) throw UsageError(QStringLiteral("--summary sums the whole list: it takes no --limit"));

    BatchSession batch(args, BatchSession::Access::Read);
    const ListQuery q = listQuery(args, batch.session(), openAt);
    QTextStream out(stdout);
    if (summary) writeSummary(batch.db(), out, format, q, batch.session().DANE_ID_UZYTKOWNIKA_NR);
    else writeList(batch.db(), out, format, q, limit);
    return 0;
}

QString help() {
    return QStringLiteral(
        "Without --opening: every settlement of the year with something left on its side; with\n"
        "--opening: the settlements of the opening balance (czy_bo 1), cleared or not. --account\n"
        "narrows either to the accounts beginning with the text. One row per settlement, by\n"
        "account and id:\n"
        "  id,nr_konta,symbol,data_dok,termin,strona,waluta,kwota,kwota_w,pozostalo,pozostalo_w\n"
        "strona WN or MA; kwota the settlement's amount on its side (a correction negative);\n"
        "pozostalo what is left of it after its clearings, or with --open-at after those dated up\n"
        "to that day (the list then holds what was open on that day, dated up to it).\n"
        "--summary: label,value pairs of \"Podsumowanie\": Kwota Dt, Kwota Ct, Saldo Dt, Saldo Ct of\n"
        "the list, then Kwota Dt/zaznaczone/ and Kwota Ct/zaznaczone/ of its rows the user chose for\n"
        "removal from the opening balance (browser 34 of the selection store).\n"
        "--limit N: the first N rows only.\n");
}

} // namespace

KSIEGA_SUBCOMMAND(QStringLiteral("settlements"),
                  QStringLiteral("the open settlements of a year, or those of its opening balance, with their sums"),
                  QString(),
                  options::sessionOfCompanyAndYear() +
                      Options{Option::flag("opening", "the settlements of the opening balance"),
                              Option::value("account", "PREFIX", "accounts beginning with the text"),
                              Option::value("open-at", "YYYY-MM-DD", "what is left on that day"),
                              Option::flag("summary", "the sums of \"Podsumowanie\""),
                              Option::value("limit", "N", "the first N rows only"), options::format()},
                  settlements, {}, help);

} // namespace ksiega::host
