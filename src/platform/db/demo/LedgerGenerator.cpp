#include "platform/db/demo/LedgerGenerator.h"
#include "platform/db/demo/BudgetLedger.h"
#include "platform/db/demo/BulkJournal.h"
#include "platform/db/demo/CostCentreDemo.h"
#include "platform/db/demo/DemoModel.h"
#include "platform/db/demo/DemoRandom.h"
#include "platform/db/demo/ForeignKeys.h"
#include "platform/db/demo/IdentitySync.h"
#include "platform/db/demo/SecondaryIndexes.h"
#include "platform/db/LineCopies.h"
#include "platform/runtime/Date.h"
#include "platform/server/Turnovers.h"
#include <QElapsedTimer>

namespace ksiega::db::demo {
namespace {

// The shape of one document, a pure function of the seed and the document's number, so
// that the header pass and the line pass agree without keeping millions of rows in memory.
struct DocumentPlan {
    int lines = 0;
    int periodDate = 0;
    int postingDate = 0;
    int status = 2;
    int kind = 0;
    int currency = 0;        // 0 PLN, 1 EUR, 2 USD
    int type = 0;            // index into the document types
};

const char* const kCurrencies[] = {"PLN", "EUR", "USD"};
const char* const kTypes[] = {"FS", "FZ", "WB", "RK", "PK", "BO"};

class Planner {
public:
    Planner(const LedgerOptions& o, int yearStart, int yearEnd) : m_o(o), m_start(yearStart), m_end(yearEnd) {
        // Opening balances: one document per currency, together half a per cent of the lines.
        // Their lines come in pairs of one Dt and one Ct line of the same amount.
        m_opening[0] = o.lines / 400 * 2;
        m_opening[1] = o.lines / 2000 * 2;
        m_opening[2] = o.lines / 4000 * 2;
    }

    // The plan of document `index` given the lines still to be written; lines 0 ends.
    DocumentPlan plan(int64_t index, int64_t remaining) const {
        DocumentPlan p;
        if (index < 3) {
            p.lines = int(std::min<int64_t>(m_opening[index], remaining));
            p.kind = kOpeningBalanceKind;
            p.currency = int(index);
            p.type = 5;
            p.periodDate = date::openingPeriod(m_start);
            p.postingDate = m_start;
            return p;
        }
        DemoRandom r(DemoRandom::at(m_o.seed, uint64_t(index)));
        p.lines = int(std::min<int64_t>(r.between(2, 8), remaining));
        const int64_t u = r.between(0, 999);
        p.currency = u < 100 ? 1 : u < 140 ? 2 : 0;
        p.type = int(r.between(0, 4));
        p.status = r.chance(20) ? 1 : 2;
        if (r.chance(10)) {
            p.periodDate = date::closingPeriod(m_end);
            p.postingDate = m_end;
        } else {
            const int month = int(r.between(1, 12));
            const int year = date::year(m_start) + (date::month(m_start) - 1 + month - 1) / 12;
            const int calendarMonth = (date::month(m_start) - 1 + month - 1) % 12 + 1;
            p.periodDate = date::monthPeriod(year, calendarMonth);
            p.postingDate = date::fromYmd(year, calendarMonth, int(r.between(1, 28)));
        }
        return p;
    }

private:
    const LedgerOptions& m_o;
    int m_start, m_end;
    int64_t m_opening[3];
};

struct Chart {
    std::vector<QString> leaves;     // without the hot account
    QString hot;
    std::vector<QString> currencyAccounts[3];
};

Chart readChart(Database& db, int64_t company, int64_t year) {
    Chart c;
    c.hot = hotAccount();
    Rows rows = db.select(QStringLiteral("select w.nr_konta, k.czy_walutowe, k.typ_konta from WARTOSCI_KONT w "
                                         "join KONTA_SYNT k on k.id_firmy=w.id_firmy and k.id_lata_obrot=w.id_lata_obrot "
                                         "and k.nr_konta_syn=w.nr_konta_syn "
                                         "where w.id_firmy=? and w.id_lata_obrot=? and w.czy_analityka=1 order by w.nr_konta"),
                          {company, year});
    while (rows.next()) {
        const QString account = rows.text(0);
        if (rows.text(2) == QLatin1String("P")) continue;
        if (account != c.hot) c.leaves.push_back(account);
        if (rows.int64(1)) {
            const int cur = account.startsWith(QLatin1String("131-02")) ? 2 : account.startsWith(QLatin1String("131-01")) ? 1 : 0;
            if (cur) c.currencyAccounts[cur].push_back(account);
            else { c.currencyAccounts[1].push_back(account); c.currencyAccounts[2].push_back(account); }
        }
    }
    if (c.leaves.size() < 2) throw DbError(QStringLiteral("Firma %1 nie ma planu kont w roku %2").arg(company).arg(year));
    for (int cur = 1; cur <= 2; ++cur)
        if (c.currencyAccounts[cur].empty()) c.currencyAccounts[cur] = c.leaves;
    return c;
}

} // namespace

QString hotAccount() { return QStringLiteral("130-01"); }

LedgerResult generateLedger(Database& db, const LedgerOptions& o, const std::function<void(const QString&)>& progress) {
    QElapsedTimer total, phase;
    total.start();
    auto say = [&](const QString& text) { if (progress) progress(text); };
    if (o.lines <= 0) throw DbError(QStringLiteral("Liczba pozycji musi być dodatnia"));

    const auto yearRow = [&] {
        Rows r = db.select(QStringLiteral("select id_lata_obrot, poczatek_roku, koniec_roku from LATA_OBROTOWE "
                                          "where id_firmy=? and rok_obrotowy=?"), {o.company, o.year});
        if (!r.next()) throw DbError(QStringLiteral("Firma %1 nie ma roku obrotowego %2").arg(o.company).arg(o.year));
        return std::tuple<int64_t, int, int>(r.int64(0), r.integer(1), r.integer(2));
    }();
    const auto [yearId, yearStart, yearEnd] = yearRow;
    const Chart chart = readChart(db, o.company, yearId);
    std::map<QString, std::pair<int64_t, int64_t>> types;   // symbol -> journal, type
    {
        Rows r = db.select(QStringLiteral("select t.sym_typ_dok_uz, p.id_paczka, t.id_typ_dok from PACZKA p "
                                          "join PACZKA_TYPDOK pt on pt.id_paczka=p.id_paczka join TYP_DOK t on t.id_typ_dok=pt.id_typ_dok "
                                          "where p.id_firmy=? and p.id_lata_obrot=?"), {o.company, yearId});
        while (r.next()) types[r.text(0)] = {r.int64(1), r.int64(2)};
    }
    for (const char* t : kTypes)
        if (!types.count(QString::fromLatin1(t))) types[QString::fromLatin1(t)] = {0, 0};

    const Planner planner(o, yearStart, yearEnd);
    const std::vector<IndexDefinition> indexes =
        secondaryIndexes(db.dialect(), {QStringLiteral("NAG_DOK"), QStringLiteral("POZ_DOK"), QStringLiteral("MPK_DANE"), QStringLiteral("BT_DANE")});
    LedgerResult result;

    BulkJournal journal(db);
    SuspendedForeignKeys foreignKeys(db, {QStringLiteral("NAG_DOK"), QStringLiteral("POZ_DOK")});
    Transaction tx(db);
    // Generated data: a crash before the end means running the generator again, so the
    // commit need not wait for the disk.
    db.dialect().relaxCommitDurability(db);
    foreignKeys.dropInsideTransaction();
    const int64_t firstHeader = nextFreeId(db, QStringLiteral("NAG_DOK"), QStringLiteral("id_nag_dok"));
    const int64_t firstLine = nextFreeId(db, QStringLiteral("POZ_DOK"), QStringLiteral("id_poz_dok"));
    const int64_t firstJournalNumber = db.scalarInt(QStringLiteral("select coalesce(max(nr_dziennik), 0) from NAG_DOK where id_firmy=? and id_lata_obrot=?"),
                                                    {o.company, yearId}).value_or(0);
    dropIndexes(db, indexes);
    phase.start();

    say(QStringLiteral("nagłówki dokumentów"));
    {
        auto headers = db.bulkInsert(QStringLiteral("NAG_DOK"),
            {"id_nag_dok", "id_firmy", "id_lata_obrot", "id_paczka", "id_typ_dok", "nr_ewid_dok", "nr_dok_org", "nr_sys_dok",
             "nr_dziennik", "data_biezaca", "data_dok_org", "data_okresu", "data_wplywu", "data_oper_gosp", "data_zatwierdzenia",
             "status", "czy_rk", "waluta", "opis", "id_uzyt_p"});
        int64_t remaining = o.lines, journalNumber = firstJournalNumber;
        const QString user = QStringLiteral("ksiegowa"), text = QStringLiteral("Dokument wygenerowany");
        for (int64_t i = 0; remaining > 0; ++i) {
            const DocumentPlan p = planner.plan(i, remaining);
            if (p.lines == 0) continue;
            remaining -= p.lines;
            const auto& [journal, type] = types[QString::fromLatin1(kTypes[p.type])];
            const QString number = QStringLiteral("%1/%2").arg(QString::fromLatin1(kTypes[p.type])).arg(i + 1);
            headers->add({firstHeader + i, o.company, yearId, journal ? SqlValue(journal) : SqlValue(), type ? SqlValue(type) : SqlValue(),
                          number, number, QString::number(i + 1), p.status == 2 ? ++journalNumber : 0, p.postingDate,
                          p.postingDate, p.periodDate, p.postingDate, p.postingDate, p.status == 2 ? p.postingDate : 0,
                          p.status, p.kind, QString::fromLatin1(kCurrencies[p.currency]), text, user});
            ++result.documents;
        }
        headers->finish();
    }

    say(QStringLiteral("pozycje dokumentów"));
    {
        auto lines = db.bulkInsert(QStringLiteral("POZ_DOK"),
            {"id_poz_dok", "id_nag_dok", "id_firmy", "id_lata_obrot", "lp", "konto_wn", "konto_ma", "kwota_wn", "kwota_ma",
             "kwota_wn_w", "kwota_ma_w", "waluta", "kurs_waluty", "opis", "nr_ewid_dok", "data_okresu", "status", "czy_rk",
             "data_biezaca", "nr_dok_org", "data_dok_org", "data_oper_gosp", "data_zatwierdzenia", "nr_sys_dok",
             "syntetyka_wn", "syntetyka_ma"});
        const QString texts[] = {QStringLiteral("Sprzedaż towarów"), QStringLiteral("Zakup towarów"), QStringLiteral("Zapłata"),
                                 QStringLiteral("Wpłata"), QStringLiteral("Przeksięgowanie"), QStringLiteral("Bilans otwarcia")};
        const QString currencies[] = {QString(), QStringLiteral("EUR"), QStringLiteral("USD")};
        const int64_t meanRate[] = {0, 42810, 39650};
        int64_t remaining = o.lines, lineId = firstLine;
        for (int64_t i = 0; remaining > 0; ++i) {
            const DocumentPlan p = planner.plan(i, remaining);
            if (p.lines == 0) continue;
            remaining -= p.lines;
            DemoRandom r(DemoRandom::at(o.seed ^ 0xD0C5ULL, uint64_t(i)));
            const QString number = QStringLiteral("%1/%2").arg(QString::fromLatin1(kTypes[p.type])).arg(i + 1);
            // The header's copies on the line, as refreshLineCopies sets them.
            const SqlValue header[] = {p.postingDate, number, p.postingDate, p.postingDate, p.status == 2 ? p.postingDate : 0,
                                       QString::number(i + 1)};
            int64_t pairAmount = 0, pairAmountW = 0, pairRate = 0;
            for (int lp = 1; lp <= p.lines; ++lp) {
                QString dt = r.pick(chart.leaves), ct = r.pick(chart.leaves);
                if (p.currency) (r.chance(500) ? dt : ct) = r.pick(chart.currencyAccounts[p.currency]);
                if (r.chance(100)) (r.chance(500) ? dt : ct) = chart.hot;
                if (dt == ct) ct = chart.leaves[(size_t(r.next() % chart.leaves.size()))];
                int64_t amountW = 0, rate = 0, amount = r.between(100, 2000000);
                if (p.currency) {
                    amountW = amount / 4;
                    rate = meanRate[p.currency] + r.between(-500, 500);
                    amount = plnValue(amountW, rate);
                }
                if (p.kind == kOpeningBalanceKind) {
                    // An opening balance: one side per line, a Dt line and a Ct line of the same amount.
                    const bool debit = lp % 2 == 1;
                    if (debit) { pairAmount = amount; pairAmountW = amountW; pairRate = rate; }
                    else { amount = pairAmount; amountW = pairAmountW; rate = pairRate; }
                    const QString wn = debit ? dt : QString(), ma = debit ? QString() : ct;
                    lines->add({lineId++, firstHeader + i, o.company, yearId, lp, wn, ma,
                                debit ? amount : 0, debit ? 0 : amount, debit ? amountW : 0, debit ? 0 : amountW,
                                currencies[p.currency], rate, texts[p.type], number, p.periodDate, p.status, p.kind,
                                header[0], header[1], header[2], header[3], header[4], header[5],
                                accountFirstSegment(wn), accountFirstSegment(ma)});
                } else {
                    lines->add({lineId++, firstHeader + i, o.company, yearId, lp, dt, ct, amount, amount, amountW, amountW,
                                currencies[p.currency], rate, texts[p.type], number, p.periodDate, p.status, p.kind,
                                header[0], header[1], header[2], header[3], header[4], header[5],
                                accountFirstSegment(dt), accountFirstSegment(ct)});
                }
                ++result.lines;
            }
        }
        lines->finish();
    }
    if (o.budget) {
        say(QStringLiteral("klasyfikacja budżetowa"));
        result.budgetLines = writeBudgetLines(db, o.company, yearId, firstLine, firstLine + result.lines - 1);
    } else {
        say(QStringLiteral("podział na MPK"));
        result.costCentreSplits = writeLedgerSplits(db, o.company, yearId, firstLine, firstLine + result.lines - 1);
    }
    result.loadSeconds = phase.restart() / 1000.0;

    say(QStringLiteral("indeksy"));
    createIndexes(db, indexes);
    foreignKeys.addInsideTransaction();
    syncIdentity(db, QStringLiteral("NAG_DOK"), QStringLiteral("id_nag_dok"));
    syncIdentity(db, QStringLiteral("POZ_DOK"), QStringLiteral("id_poz_dok"));
    tx.commit();
    foreignKeys.restore();
    result.indexSeconds = phase.restart() / 1000.0;

    say(QStringLiteral("statystyki"));
    db.analyze();
    result.analyzeSeconds = phase.restart() / 1000.0;

    say(QStringLiteral("obroty"));
    server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db, o.company, yearId, 0);
    result.turnoverSeconds = phase.restart() / 1000.0;
    // The turnovers were empty when the statistics were taken (without its own, the server
    // reads a period's rows by a whole pass and a sort instead of its key), and the lines
    // just loaded are not yet known as visible to every reader (sums over the account
    // indexes would visit the table for every row until a background pass comes by).
    for (const char* table : {"OBROTY_I_SALDA", "POZ_DOK", "NAG_DOK"}) db.dialect().analyzeTable(db, QLatin1String(table));
    result.analyzeSeconds += phase.restart() / 1000.0;
    result.totalSeconds = total.elapsed() / 1000.0;
    return result;
}

} // namespace ksiega::db::demo
