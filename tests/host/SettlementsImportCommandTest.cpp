// ksiega settlements-import run as the executable on the demo database: what it brings into
// the opening lines equals what the settlements were worth on the balance date, summed here;
// the opening balance, the trial balance of BO and the settlement list agree with the lines;
// an undo restores everything; two runs at once import a settlement once; refusals change
// nothing; a run killed at any moment leaves the year whole.
#include "SettlementsTestSupport.h"
#include <QProcess>
#include <QThread>
#include <random>

using namespace ksiega;

namespace {

using test::Outcome;

class SettlementsImport : public test::SettlementsCommandTest {
protected:
    // The warehouse settlements of the accounts beginning with `prefix` that no line carries.
    QString warehouse(const QString& prefix) {
        return ids(QStringLiteral("r.id_nag_dok_m <> 0 and r.id_poz_dok_f = 0 and r.nr_konta like '%1%'").arg(prefix));
    }
    // What the settlements bring to the opening lines, per account|side|currency, summed here:
    // each at what was left of it on `day` (0: its signed amount, for the ledger's own).
    void bring(SideSums& sums, const QString& list, int day, bool atAmount = false) {
        for (const QString& id : list.split(',')) {
            db::Rows r = db().select("select nr_konta, strona, sym_waluty, czy_korekta, kwota, kwota_w from ROZRACHUNEK where id_rozrachunku=?",
                                     {id.toLongLong()});
            ASSERT_TRUE(r.next());
            const QString key = r.text(0) + "|" + r.text(1) + "|" + r.text(2);
            const int sign = r.integer(3) == 1 ? -1 : 1;
            sums[key] += atAmount ? sign * r.int64(4) : leftOn(id.toLongLong(), day);
            if (r.text(2) != "PLN") sums[key + "|w"] += atAmount ? sign * r.int64(5) : leftOn(id.toLongLong(), day, true);
        }
    }
    static SideSums difference(SideSums after, const SideSums& before) {
        for (const auto& [k, v] : before) after[k] -= v;
        for (auto it = after.begin(); it != after.end();) it = it->second == 0 ? after.erase(it) : std::next(it);
        return after;
    }
    Outcome import(const QString& account, const QString& list, const QStringList& more = {}) {
        return run("settlements-import", QStringList{"--account", account, "--ids", list} + more);
    }
    // The imports of the demo: a customer's invoice and its correction at the end of 2025, the
    // EUR export invoice at the same date, the deposits of the cards the register's filter
    // ("O'*") lets through, and the ledger's own note at its amount.
    struct Imports {
        QString customer, exportInvoice, deposits, note;
    };
    Imports demoImports() {
        return {warehouse("201-00003"), warehouse("203-00016"), ids("r.nr_konta like '249-%'"), ids("r.symbol = 'NK/17/2025'")};
    }
    void runDemoImports(const Imports& i) {
        for (const auto& [account, list, more, count] :
             {std::tuple{QString("201-00003"), i.customer, QStringList{"--balance-date", "2025-12-31"}, 2},
              std::tuple{QString("203-00016"), i.exportInvoice, QStringList{"--balance-date", "2025-12-31"}, 1},
              std::tuple{QString("249"), i.deposits, QStringList{}, 2}, std::tuple{QString("240-03"), i.note, QStringList{}, 1}}) {
            const Outcome o = import(account, list, more);
            ASSERT_EQ(o.exitCode, 0) << account.toStdString() << ": " << o.err.toStdString();
            EXPECT_EQ(o.out.trimmed().toInt(), count) << account.toStdString();
        }
    }
};
KSIEGA_ON_BOTH_ENGINES(SettlementsImport);

} // namespace

// The lines grow by what the settlements were worth; the opening balance, the trial balance
// of BO and the list's sums read the same as plain sums over the lines and settlements.
TEST_P(SettlementsImport, importedSettlementsAddUpToTheirLinesAndEveryReportAgrees) {
    const SideSums before = openingSides();
    const Imports i = demoImports();
    ASSERT_EQ(i.customer.split(',').size(), 2);
    runDemoImports(i);

    SideSums expected;
    bring(expected, i.customer, date::fromYmd(2025, 12, 31));
    bring(expected, i.exportInvoice, date::fromYmd(2025, 12, 31));
    // Only the cards whose symbol fits the filter with its apostrophe.
    bring(expected, ids("r.nr_konta in ('249-01', '249-02')"), 0);
    bring(expected, i.note, 0, true);
    EXPECT_EQ(difference(openingSides(), before), expected);
    // The balance on the date left the January clearings out: 10 000 - 4 000 - 500.
    EXPECT_EQ(expected["201-00003|WN|PLN"], 550000);
    EXPECT_EQ(expected["203-00016|WN|EUR|w"], 300000);
    EXPECT_EQ(db().scalarInt("select id_poz_dok_f from ROZRACHUNEK where nr_konta='249-03'"), 0);
    expectTurnoversExact("after the imports");

    // ksiega opening-balance --summary: per currency, the sums of the opening lines.
    const Outcome summary = run("opening-balance", {"--summary"});
    ASSERT_EQ(summary.exitCode, 0) << summary.err.toStdString();
    int currencies = 0;
    for (const QString& line : summary.out.split('\n').mid(1)) {
        if (line.isEmpty()) break;
        const QStringList f = test::csvFields(line);
        db::Rows r = db().select("select coalesce(sum(p.kwota_wn), 0), coalesce(sum(p.kwota_wn_w), 0), coalesce(sum(p.kwota_ma), 0), "
                                 "coalesce(sum(p.kwota_ma_w), 0) from POZ_DOK p join NAG_DOK n on n.id_nag_dok=p.id_nag_dok "
                                 "where p.id_lata_obrot=? and p.czy_rk=10 and (case when n.waluta='' then 'PLN' else n.waluta end)=?",
                                 {year, f[0]});
        ASSERT_TRUE(r.next());
        for (int c = 0; c < 4; ++c) EXPECT_EQ(test::grosze(f[c + 1]), r.int64(c)) << line.toStdString();
        ++currencies;
    }
    EXPECT_GE(currencies, 2);

    // ksiega trial-balance --period BO: the turnovers of the touched accounts are their lines.
    const Outcome trial = run("trial-balance", {"--period", "BO"});
    ASSERT_EQ(trial.exitCode, 0) << trial.err.toStdString();
    std::map<QString, QStringList> rows;
    for (const QString& line : trial.out.split('\n')) rows[test::csvFields(line)[0]] = test::csvFields(line);
    for (const QString account : {"201-00003", "249-01", "249-02", "249", "240-03"}) {
        ASSERT_TRUE(rows.count(account)) << account.toStdString();
        const int64_t dt = db().scalarInt("select coalesce(sum(kwota_wn), 0) from POZ_DOK where id_lata_obrot=? and czy_rk=10 and "
                                          "(konto_wn=? or konto_wn like ?)", {year, account, account + "-%"}).value_or(-1);
        const int64_t ct = db().scalarInt("select coalesce(sum(kwota_ma), 0) from POZ_DOK where id_lata_obrot=? and czy_rk=10 and "
                                          "(konto_ma=? or konto_ma like ?)", {year, account, account + "-%"}).value_or(-1);
        EXPECT_EQ(test::grosze(rows[account][1]), dt) << account.toStdString();
        EXPECT_EQ(test::grosze(rows[account][2]), ct) << account.toStdString();
    }

    // ksiega settlements --opening --summary: the sums of the opening-balance settlements.
    const Outcome list = run("settlements", {"--opening", "--summary"});
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    std::map<QString, int64_t> printed;
    for (const QString& line : list.out.split('\n').mid(1))
        if (!line.isEmpty()) printed[test::csvFields(line)[0]] = test::grosze(test::csvFields(line)[1]);
    const auto sum = [&](const char* side, bool left) {
        int64_t total = 0;
        db::Rows r = db().select("select id_rozrachunku, czy_korekta, kwota from ROZRACHUNEK where id_lata_obrot=? and czy_bo=1 and strona=?",
                                 {year, QString(side)});
        while (r.next()) total += left ? leftOn(r.int64(0), 0) : (r.integer(1) ? -1 : 1) * r.int64(2);
        return total;
    };
    EXPECT_EQ(printed["Kwota Dt"], sum("WN", false));
    EXPECT_EQ(printed["Kwota Ct"], sum("MA", false));
    EXPECT_EQ(printed["Saldo Dt"], sum("WN", true));
    EXPECT_EQ(printed["Saldo Ct"], sum("MA", true));
    EXPECT_NE(printed["Kwota Dt"], 0);
}

// The undo takes every imported settlement out again: lines, settlements and turnovers are
// as before; one entered into the opening balance by hand that has clearings makes the
// whole undo refuse.
TEST_P(SettlementsImport, undoRestoresEverythingAndRefusesAsAWholeOnAClearedHandEntry) {
    const QStringList before = openingState();
    const QStringList turnoversBefore = turnovers();
    const Imports i = demoImports();
    runDemoImports(i);
    const QStringList imported = openingState();
    ASSERT_NE(imported, before);
    const QString all = QStringList{i.customer, i.exportInvoice, i.deposits, i.note}.join(',');

    // A settlement entered into the opening balance by hand, cleared in January.
    const int64_t line = db().scalarInt("select min(id_poz_dok) from POZ_DOK where id_lata_obrot=? and czy_rk=10 and konto_wn='201-00003'",
                                        {year}).value_or(0);
    ASSERT_NE(line, 0);
    const int64_t hand = db().insertReturningId(
        "insert into ROZRACHUNEK (id_firmy, id_lata_obrot, nr_konta, symbol, strona, kwota, czy_bo, id_poz_dok_f) "
        "values (1, ?, '201-00003', 'BO', 'WN', 1000, 1, ?) returning id_rozrachunku", {year, line});
    db().execute("insert into ROZLICZENIE (id_rozrachunku, id_firmy, data_rozliczenia, kwota) values (?, 1, ?, 500)",
                 {hand, date::fromYmd(2026, 1, 5)});
    const QStringList withHand = openingState();
    const Outcome refused = run("settlements-import", {"--undo", "--ids", all + "," + QString::number(hand)});
    EXPECT_EQ(refused.exitCode, 1) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(QStringLiteral("został rozliczony"))) << refused.err.toStdString();
    EXPECT_EQ(openingState(), withHand);
    db().execute("delete from ROZRACHUNEK where id_rozrachunku=?", {hand});

    const Outcome undone = run("settlements-import", {"--undo", "--ids", all});
    ASSERT_EQ(undone.exitCode, 0) << undone.err.toStdString();
    EXPECT_EQ(undone.out.trimmed().toInt(), 6);
    EXPECT_EQ(openingState(), before);
    EXPECT_EQ(turnovers(), turnoversBefore);
    EXPECT_EQ(db().scalarInt("select count(*) from ROZRACHUNEK_IMPORT_BO"), 0);
    // The chosen ids stay in the selection store of the batch user.
    EXPECT_EQ(db().scalarInt("select count(*) from ZAZNACZENIE where id_browsera=34"), 7);
    // Imported again, the lines are what they were after the first import.
    runDemoImports(i);
    EXPECT_EQ(openingState(), imported);
}

// Two processes import the same settlements at the same moment: each lands once, on one
// line, and the line grows by it once.
TEST_P(SettlementsImport, theSameSettlementsImportedByTwoProcessesAtOnceLandOnce) {
    const QString list = warehouse("202-00008") + "," + warehouse("201-00005");
    const int open = 2;   // the paid invoice of 201-00005 is not open
    const SideSums before = openingSides();
    QProcess a, b;
    const QStringList arguments = args("settlements-import", {"--account", "202-00008", "--ids", list});
    const QStringList other = args("settlements-import", {"--account", "201-00005", "--ids", list});
    QProcess c, d;
    a.start(test::ksiegaProgram(), arguments);
    b.start(test::ksiegaProgram(), arguments);
    c.start(test::ksiegaProgram(), other);
    d.start(test::ksiegaProgram(), other);
    int imported = 0, refused = 0;
    for (QProcess* p : {&a, &b, &c, &d}) {
        const Outcome o = test::finish(*p);
        if (o.exitCode == 0) imported += o.out.trimmed().toInt();
        else {
            EXPECT_EQ(o.exitCode, 1) << o.err.toStdString();
            EXPECT_EQ(o.out.trimmed(), "0");
            EXPECT_TRUE(o.err.contains(QStringLiteral("Brak odpowiednich rozrachunków do importu."))) << o.err.toStdString();
            ++refused;
        }
    }
    EXPECT_EQ(imported, open);
    EXPECT_EQ(refused, 2);
    SideSums expected;
    bring(expected, ids("r.symbol in ('FZ/M/0197/2025', 'FS/M/0430/2025')"), 0);
    EXPECT_EQ(difference(openingSides(), before), expected);
    EXPECT_EQ(db().scalarInt("select count(*) from ROZRACHUNEK_IMPORT_BO"), open);
    expectTurnoversExact("after the concurrent imports");
}

TEST_P(SettlementsImport, refusalsExitOneAndUsageErrorsTwoChangingNothing) {
    const QStringList before = openingState();
    const QString customer = warehouse("201-00003");
    db().execute("update LATA_OBROTOWE set zamkniete_bo=1 where id_lata_obrot=?", {year});
    for (const QStringList& more : {QStringList{"--account", "201-00003"}, QStringList{"--undo"}}) {
        const Outcome approved = run("settlements-import", more + QStringList{"--ids", customer});
        EXPECT_EQ(approved.exitCode, 1) << approved.err.toStdString();
        EXPECT_TRUE(approved.err.contains(QStringLiteral("BO w bieżącym roku obrotowym jest zatwierdzone."))) << approved.err.toStdString();
    }
    db().execute("update LATA_OBROTOWE set zamkniete_bo=0 where id_lata_obrot=?", {year});
    // Booked settlements only, or settlements of another account: nothing to import.
    for (const auto& [account, list] : {std::pair{QString("201-00003"), ids("r.id_poz_dok_f <> 0 and r.nr_konta='201-00003'")},
                                        std::pair{QString("201-00005"), customer}}) {
        const Outcome nothing = import(account, list);
        EXPECT_EQ(nothing.exitCode, 1);
        EXPECT_EQ(nothing.out.trimmed(), "0");
        EXPECT_EQ(nothing.err.trimmed(), QStringLiteral("Brak odpowiednich rozrachunków do importu."));
    }
    // An intermediate account not kept on cards.
    const Outcome level = import("240", ids("r.symbol = 'NK/17/2025'"));
    EXPECT_EQ(level.exitCode, 1);
    EXPECT_EQ(level.err.trimmed(), QStringLiteral("Proszę wybrać właściwe konto księgowe (ostatni poziom analityki)."));
    for (const QStringList& more : {QStringList{"--account", "999-99", "--ids", customer}, QStringList{"--account", "100-01", "--ids", customer},
                                    QStringList{"--account", "201-00003", "--ids", "1,x"}, QStringList{"--account", "201-00003", "--ids", ","},
                                    QStringList{"--undo", "--ids", customer, "--balance-date", "2025-12-31"},
                                    QStringList{"--account", "201-00003", "--ids", customer, "--balance-date", "31.12.2025"},
                                    QStringList{"--ids", customer}}) {
        const Outcome usage = run("settlements-import", more);
        EXPECT_EQ(usage.exitCode, 2) << more.join(' ').toStdString();
        EXPECT_FALSE(usage.err.isEmpty());
    }
    EXPECT_EQ(openingState(), before);
}

// SIGKILL at random moments of an import of many settlements and of its undo: the year is
// wholly as before or wholly imported, and its turnovers equal a full recompute.
TEST_P(SettlementsImport, aRunKilledAtAnyMomentLeavesTheYearWhole) {
    // Fifteen hundred more warehouse settlements on the customers' accounts.
    db().execute("insert into ROZRACHUNEK (id_firmy, id_lata_obrot, nr_konta, symbol, nr_dok, data_dok, strona, kwota, sym_waluty, "
                 "id_nag_dok_m, id_kartoteki, rodzaj_kartoteki) "
                 "select 1, w.id_lata_obrot, w.nr_konta, 'WZ/' || n.i, 'WZ/' || n.i, ?, 'WN', 1000 + n.i, 'PLN', 800000 + n.i, "
                 "w.id_kartoteki, w.rodzaj_kartoteki "
                 "from WARTOSCI_KONT w, (select a.i * 100 + b.i as i from (select 0 as i union all select 1 union all select 2 union all "
                 "select 3 union all select 4 union all select 5 union all select 6 union all select 7 union all select 8 union all "
                 "select 9) a, (select 0 as i union all select 1 union all select 2 union all select 3 union all select 4 union all "
                 "select 5 union all select 6 union all select 7 union all select 8 union all select 9) b) n "
                 "where w.id_firmy=1 and w.id_lata_obrot=? and w.nr_konta_syn=201 and w.czy_analityka=1",
                 {date::fromYmd(2025, 12, 1), year});
    const QString list = warehouse("201-");
    ASSERT_GT(list.count(','), 1000);
    const QStringList importing = args("settlements-import", {"--account", "201", "--ids", list});
    const QStringList undoing = args("settlements-import", {"--undo", "--ids", list});
    const QStringList before = openingState();
    ASSERT_EQ(test::runKsiega(importing).exitCode, 0);
    const QStringList imported = openingState();
    ASSERT_EQ(test::runKsiega(undoing).exitCode, 0);
    ASSERT_EQ(openingState(), before);

    std::mt19937 random(20260101);
    int seenBefore = 0, seenImported = 0;
    for (int i = 0; i < 8; ++i) {
        const int delay = int(random() % 900);
        const bool undo = openingState() == imported;
        QProcess p;
        p.start(test::ksiegaProgram(), undo ? undoing : importing);
        ASSERT_TRUE(p.waitForStarted());
        QThread::msleep(delay);
        p.kill();
        p.waitForFinished(30000);
        {
            // A killed client's transaction ends once the server notices; every run takes the
            // year's row first, so taking it waits for that end.
            db::Transaction settled(db());
            db().execute("update LATA_OBROTOWE set zamkniete_bo=zamkniete_bo where id_lata_obrot=?", {year});
            settled.commit();
        }
        const QStringList now = openingState();
        EXPECT_TRUE(now == before || now == imported) << "delay " << delay << " ms";
        seenBefore += now == before;
        seenImported += now == imported;
        expectTurnoversExact("delay " + std::to_string(delay));
    }
    EXPECT_GT(seenBefore + seenImported, 0);
}
