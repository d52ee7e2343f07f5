// ksiega settlements and settlements-document run as the executable on the demo database:
// the list is every open settlement, read across pages in its order, with what is left of
// each summed here from its clearings (on a date: only those up to it); the document made of
// settlements in two currencies and on both sides carries each once at its amount; its
// refusals write nothing.
#include "SettlementsTestSupport.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace ksiega;

namespace {

using test::Outcome;

struct Row {
    int64_t id = 0;
    QString account, symbol, side, currency;
    int64_t amount = 0, left = 0, leftW = 0;
    bool operator==(const Row&) const = default;
};

std::vector<Row> parseRows(const QString& out) {
    std::vector<Row> rows;
    const QStringList lines = out.split('\n');
    EXPECT_EQ(lines.value(0), "id,nr_konta,symbol,data_dok,termin,strona,waluta,kwota,kwota_w,pozostalo,pozostalo_w");
    for (const QString& line : lines.mid(1)) {
        if (line.isEmpty()) continue;
        const QStringList f = test::csvFields(line);
        rows.push_back({f[0].toLongLong(), f[1], f[2], f[5], f[6], test::grosze(f[7]), test::grosze(f[9]), test::grosze(f[10])});
    }
    return rows;
}

class Settlements : public test::SettlementsCommandTest {
protected:
    // What the list should hold, read here: the year's settlements (of accounts beginning with
    // `prefix`) with something left on `day` and dated up to it (0: left now, any date).
    std::vector<Row> expectedOpen(const QString& prefix, int day) {
        std::vector<Row> rows;
        db::Rows r = db().select("select id_rozrachunku, nr_konta, symbol, strona, sym_waluty, czy_korekta, kwota from ROZRACHUNEK "
                                 "where id_firmy=1 and id_lata_obrot=? and substr(nr_konta, 1, ?)=? and (? = 0 or data_dok <= ?) "
                                 "order by nr_konta, id_rozrachunku",
                                 {year, int(prefix.size()), prefix, day, day});
        while (r.next()) {
            const int64_t left = leftOn(r.int64(0), day);
            if (left == 0) continue;
            rows.push_back({r.int64(0), r.text(1), r.text(2), r.text(3), r.text(4), (r.integer(5) ? -1 : 1) * r.int64(6), left,
                            leftOn(r.int64(0), day, true)});
        }
        return rows;
    }
    std::map<QString, int64_t> summary(const QStringList& more) {
        const Outcome o = run("settlements", QStringList{"--summary"} + more);
        EXPECT_EQ(o.exitCode, 0) << o.err.toStdString();
        std::map<QString, int64_t> sums;
        for (const QString& line : o.out.split('\n').mid(1))
            if (!line.isEmpty()) sums[test::csvFields(line)[0]] = test::grosze(test::csvFields(line)[1]);
        return sums;
    }
};
KSIEGA_ON_BOTH_ENGINES(Settlements);

} // namespace

// Over more rows than a page holds: every open settlement once, in the list's order, with
// what is left of it; the first rows alone with --limit; JSON the same rows.
TEST_P(Settlements, theOpenListHoldsEveryOpenSettlementAcrossPages) {
    db().execute("insert into ROZRACHUNEK (id_firmy, id_lata_obrot, nr_konta, symbol, data_dok, strona, kwota, sym_waluty) "
                 "select 1, ?, w.nr_konta, 'FZ ' || w.nr_konta, ?, 'MA', 100 + a.i * 100 + b.i, 'PLN' from WARTOSCI_KONT w, "
                 "(select 0 as i union all select 1 union all select 2 union all select 3 union all select 4 union all select 5 "
                 "union all select 6 union all select 7 union all select 8 union all select 9) a, "
                 "(select 0 as i union all select 1 union all select 2 union all select 3 union all select 4 union all select 5 "
                 "union all select 6 union all select 7 union all select 8 union all select 9) b "
                 "where w.id_firmy=1 and w.id_lata_obrot=? and w.nr_konta_syn=202 and w.czy_analityka=1",
                 {year, date::fromYmd(2026, 2, 1), year});
    const Outcome o = run("settlements", {});
    ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();
    const std::vector<Row> rows = parseRows(o.out), want = expectedOpen("", 0);
    ASSERT_GT(want.size(), 1500u);
    EXPECT_TRUE(rows == want) << rows.size() << " rows printed, " << want.size() << " expected";

    const std::vector<Row> first = parseRows(run("settlements", {"--limit", "7"}).out);
    EXPECT_TRUE(first == std::vector<Row>(want.begin(), want.begin() + 7));

    const Outcome json = run("settlements", {"--format", "json", "--account", "203"});
    QJsonParseError error;
    const QJsonArray array = QJsonDocument::fromJson(json.out.toUtf8(), &error).array();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out.toStdString();
    const std::vector<Row> foreign = expectedOpen("203", 0);
    ASSERT_EQ(array.size(), qsizetype(foreign.size()));
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QJsonObject r = array.at(i).toObject();
        EXPECT_EQ(r.value("id").toInteger(), foreign[size_t(i)].id);
        EXPECT_EQ(test::grosze(QString::number(r.value("pozostalo_w").toDouble(), 'f', 2)), foreign[size_t(i)].leftW);
    }
}

// On a date the clearings after it do not count and later settlements are not listed; the
// sums of "Podsumowanie" are the rows' sums.
TEST_P(Settlements, openAtCountsOnlyTheClearingsUpToTheDay) {
    const int endOf2025 = date::fromYmd(2025, 12, 31);
    const std::vector<Row> rows = parseRows(run("settlements", {"--account", "20", "--open-at", "2025-12-31"}).out);
    EXPECT_TRUE(rows == expectedOpen("20", endOf2025)) << rows.size();
    std::map<QString, Row> bySymbol;
    for (const Row& r : rows) bySymbol[r.symbol] = r;
    EXPECT_EQ(bySymbol["FS/M/0412/2025"].left, 600000);    // 10 000 less December's 4 000; January's 2 500 later
    EXPECT_EQ(bySymbol["FSE/M/0044/2025"].leftW, 300000);  // paid in part on 20 January
    EXPECT_EQ(bySymbol["FZ/M/0197/2025"].left, 861000);
    EXPECT_FALSE(bySymbol.count("FS/M/0390/2025"));        // paid whole in December
    const std::vector<Row> now = parseRows(run("settlements", {"--account", "201-00003"}).out);
    for (const Row& r : now)
        if (r.symbol == "FS/M/0412/2025") EXPECT_EQ(r.left, 350000);

    std::map<QString, int64_t> sums = summary({"--account", "20", "--open-at", "2025-12-31"});
    int64_t dt = 0, ct = 0, leftDt = 0, leftCt = 0;
    for (const Row& r : rows) (r.side == "WN" ? dt : ct) += r.amount, (r.side == "WN" ? leftDt : leftCt) += r.left;
    EXPECT_EQ(sums["Kwota Dt"], dt);
    EXPECT_EQ(sums["Kwota Ct"], ct);
    EXPECT_EQ(sums["Saldo Dt"], leftDt);
    EXPECT_EQ(sums["Saldo Ct"], leftCt);
    EXPECT_EQ(sums.size(), 6u);
}

// The opening-balance list keeps its condition without an account; an account text is taken
// literally, its "_" and "%" included; marked rows are summed apart.
TEST_P(Settlements, theOpeningListHoldsOnlyOpeningSettlements) {
    EXPECT_TRUE(parseRows(run("settlements", {"--opening"}).out).empty());
    const int64_t line = db().scalarInt("select min(id_poz_dok) from POZ_DOK where id_lata_obrot=? and czy_rk=10", {year}).value_or(0);
    const int64_t bo = db().insertReturningId("insert into ROZRACHUNEK (id_firmy, id_lata_obrot, nr_konta, symbol, strona, kwota, czy_bo, "
                                              "id_poz_dok_f) values (1, ?, '201-00002', 'BO', 'WN', 12345, 1, ?) returning id_rozrachunku",
                                              {year, line});
    const std::vector<Row> rows = parseRows(run("settlements", {"--opening"}).out);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].id, bo);
    EXPECT_TRUE(parseRows(run("settlements", {"--opening", "--account", "201_"}).out).empty());
    EXPECT_TRUE(parseRows(run("settlements", {"--account", "%"}).out).empty());
    db().execute("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, id_elementu) select 34, id_uzytkownika, ? from UZYTKOWNICY "
                 "where login='admin'", {bo});
    EXPECT_EQ(summary({"--opening"})["Kwota Dt/zaznaczone/"], 12345);
    EXPECT_EQ(run("settlements", {"--summary", "--limit", "3"}).exitCode, 2);
    EXPECT_EQ(run("settlements", {"--open-at", "2026-13-01"}).exitCode, 2);
}

// Settlements in two currencies and on both sides make one unposted document: a line each,
// at its amount, the settlement's account on its side; each settlement carried by its line.
TEST_P(Settlements, aDocumentCarriesEachChosenSettlementOnce) {
    const QString chosen = ids("r.symbol in ('FS/M/0430/2025', 'FZ/M/0197/2025', 'FZE/M/0012/2025')");
    const Outcome o = run("settlements-document", {"--journal", "PK", "--type", "PK", "--dt", "130-01", "--ct", "131-01", "--ids", chosen,
                                                   "--description", "Rozrachunki z systemu 'magazyn'"});
    ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();
    const int64_t document = db().scalarInt("select id_nag_dok from NAG_DOK where id_lata_obrot=? and nr_dok_org=?", {year, o.out.trimmed()})
                                 .value_or(0);
    ASSERT_NE(document, 0) << o.out.toStdString();
    EXPECT_EQ(db().scalarInt("select count(*) from POZ_DOK where id_nag_dok=?", {document}), 3);
    db::Rows r = db().select("select r.symbol, r.strona, r.nr_konta, r.kwota, r.kwota_w, r.sym_waluty, p.konto_wn, p.konto_ma, p.kwota_wn, "
                             "p.kwota_ma, p.kwota_wn_w, p.waluta, p.opis from ROZRACHUNEK r join POZ_DOK p on p.id_poz_dok=r.id_poz_dok_f "
                             "where r.id_rozrachunku in (" + chosen + ") and p.id_nag_dok=?", {document});
    int carried = 0;
    while (r.next()) {
        ++carried;
        const bool dt = r.text(1) == "WN";
        EXPECT_EQ(r.text(6), dt ? r.text(2) : QString("130-01")) << r.text(0).toStdString();
        EXPECT_EQ(r.text(7), dt ? QString("131-01") : r.text(2)) << r.text(0).toStdString();
        EXPECT_EQ(r.int64(8), r.int64(3));
        EXPECT_EQ(r.int64(9), r.int64(3));
        if (r.text(5) == "EUR") EXPECT_EQ(r.int64(10), r.int64(4));
        EXPECT_EQ(r.text(11).isEmpty() ? QString("PLN") : r.text(11), r.text(5));
        EXPECT_EQ(r.text(12), QStringLiteral("Rozrachunki z systemu 'magazyn'"));
    }
    EXPECT_EQ(carried, 3);
    expectTurnoversExact("after the document");
    // The same settlements again: none left to take.
    const Outcome again = run("settlements-document", {"--journal", "PK", "--type", "PK", "--dt", "130-01", "--ct", "131-01", "--ids", chosen});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_EQ(again.err.trimmed(), QStringLiteral("Dokument nie został utworzony. Proszę wybrać rozrachunki."));
}

TEST_P(Settlements, documentRefusalsWriteNothing) {
    const auto documents = [&] { return db().scalarInt("select count(*) from NAG_DOK"); };
    const auto before = documents();
    const QString receivable = ids("r.symbol = 'FS/M/0430/2025'");
    const QString payable = ids("r.symbol = 'FZ/M/0197/2025'");
    db().execute("insert into PACZKA (id_firmy, id_lata_obrot, kod_paczki, opis_paczki) values (1, ?, 'MAG', 'Magazyn')", {year});
    struct Case {
        QStringList args;
        int exit;
        QString text;
    };
    const Case cases[] = {
        {{"--journal", "PK", "--type", "PK", "--dt", "130-01", "--ct", "130-01", "--ids", ids("r.id_poz_dok_f <> 0 and r.nr_konta='201-00003'")},
         1, "Dokument nie został utworzony. Proszę wybrać rozrachunki."},
        {{"--journal", "PK", "--type", "PK", "--dt", "130-01", "--ids", receivable}, 1, {}},
        {{"--journal", "PK", "--type", "PK", "--dt", "999-99", "--ct", "130-01", "--ids", payable}, 1, {}},
        {{"--journal", "PK", "--type", "PK", "--dt", "130", "--ct", "130-01", "--ids", payable}, 1, {}},
        {{"--journal", "SPR", "--type", "PK", "--dt", "130-01", "--ct", "130-01", "--ids", payable}, 1, {}},
        {{"--journal", "MAG", "--type", "PK", "--dt", "130-01", "--ct", "130-01", "--ids", payable}, 1,
         "Zdefiniuj listę typów dokumentów dla wybranego dziennika lub nadaj prawa do ich użytkowania."},
        {{"--journal", "XYZ", "--type", "PK", "--ids", payable}, 2, {}},
        {{"--journal", "PK", "--type", "NIE", "--ids", payable}, 2, {}},
        {{"--journal", "PK", "--type", "PK", "--ids", ""}, 2, {}},
    };
    for (const Case& c : cases) {
        const Outcome o = run("settlements-document", c.args);
        EXPECT_EQ(o.exitCode, c.exit) << c.args.join(' ').toStdString() << ": " << o.err.toStdString();
        EXPECT_TRUE(o.out.isEmpty());
        if (!c.text.isEmpty()) EXPECT_EQ(o.err.trimmed(), c.text);
        else if (c.exit == 1) EXPECT_TRUE(o.err.startsWith(QStringLiteral("Dokument nie został utworzony. "))) << o.err.toStdString();
    }
    EXPECT_EQ(documents(), before);
    EXPECT_EQ(db().scalarInt("select count(*) from ROZRACHUNEK where id_rozrachunku in (" + receivable + "," + payable + ") and id_poz_dok_f=0"),
              2);
}
