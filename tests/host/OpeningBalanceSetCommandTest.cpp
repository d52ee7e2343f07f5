// ksiega opening-balance-set run as the executable: a save, a refused check that writes
// nothing, a line held by a second run, and its usage errors, with their exit codes and
// the system's texts on standard error.
#include "platform/server/Turnovers.h"
#include "support/LedgerFixture.h"
#include "support/TestDatabase.h"
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include "KsiegaProcess.h"
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

using namespace ksiega;

namespace {

using test::finish;
using test::Outcome;
QString program() { return test::ksiegaProgram(); }

class OpeningBalanceSet : public test::DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped()) return;
        if (!QFileInfo::exists(program())) GTEST_SKIP() << "the ksiega executable is not built";
        ledger = std::make_unique<test::LedgerFixture>(db());
        db().execute("insert into UZYTKOWNICY (login, imie_nazwisko) values ('anowak', 'Anna Nowak')");
    }
    void start(QProcess& p, const QStringList& more, const QString& user = QStringLiteral("jkowal")) {
        p.start(program(), QStringList{"opening-balance-set", "--db", url(), "--company", QString::number(ledger->company),
                                       "--year", "2026", "--user", user, "--account", "202-01-001"} + more);
    }
    Outcome run(const QStringList& more, const QString& user = QStringLiteral("jkowal")) {
        QProcess p;
        start(p, more, user);
        return finish(p);
    }
    int64_t lineAmount() {
        return db().scalarInt("select coalesce(sum(kwota_wn), 0) from POZ_DOK where id_nag_dok=? and konto_wn='202-01-001'",
                              {ledger->openingPln}).value_or(-1);
    }
    int64_t claims() { return db().scalarInt("select count(*) from BLOKADY_POZYCJI").value_or(-1); }

    std::unique_ptr<test::LedgerFixture> ledger;
};
KSIEGA_ON_BOTH_ENGINES(OpeningBalanceSet);

} // namespace

TEST_P(OpeningBalanceSet, savesTheAmountsWithTheFilesSettlementsAndRefusesAMismatchWritingNothing) {
    QTemporaryDir dir;
    const QString file = dir.filePath("s.json");
    auto writeFile = [&](const QByteArray& json) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(json);
    };
    writeFile(R"([{"symbol": "FV/1/2025", "rodzaj": "N", "strona": "Dt", "kwota": "1500.00", "opis": "Faktura 'A'"},
                  {"symbol": "KOR/1", "strona": "Dt", "kwota": "300.00", "korekta": true}])");
    const Outcome saved = run({"--dt", "1 200,00", "--ct", "0", "--settlements", file});
    EXPECT_EQ(saved.exitCode, 0) << saved.err.toStdString();
    EXPECT_TRUE(saved.err.isEmpty()) << saved.err.toStdString();
    EXPECT_EQ(lineAmount(), 120000);
    EXPECT_EQ(db().scalarInt("select count(*) from ROZRACHUNEK where nr_konta='202-01-001' and czy_bo=1"), 2);
    EXPECT_EQ(db().scalarText("select opis from ROZRACHUNEK where symbol='FV/1/2025'"), QStringLiteral("Faktura 'A'"));
    EXPECT_EQ(claims(), 0);

    // The plain sum of the settlements (1 800) is refused: the correction counts against Dt.
    const auto settlements = db().scalarInt("select count(*) from ROZRACHUNEK");
    const Outcome refused = run({"--dt", "1800", "--ct", "0"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err.trimmed(), QStringLiteral("Kwota Dt nie zgadza się z zapisem w rozrachunkach."));
    EXPECT_EQ(lineAmount(), 120000);
    writeFile(R"([{"symbol": "FV/2", "strona": "Dt", "kwota": "100.00"}])");
    const Outcome mismatch = run({"--dt", "50", "--ct", "0", "--settlements", file});
    EXPECT_EQ(mismatch.exitCode, 1);
    EXPECT_EQ(mismatch.err.trimmed(), QStringLiteral("Kwota Dt nie zgadza się z zapisem w rozrachunkach."));
    EXPECT_EQ(db().scalarInt("select count(*) from ROZRACHUNEK"), settlements);
    EXPECT_EQ(claims(), 0);
}

TEST_P(OpeningBalanceSet, aLineHeldByAnotherRunIsRefusedWithTheLockText) {
    QProcess first;
    start(first, {"--dt", "10", "--ct", "0", "--hold", "5"});
    for (int i = 0; i < 200 && claims() == 0; ++i) QThread::msleep(50);
    ASSERT_EQ(claims(), 1);
    const Outcome second = run({"--dt", "20", "--ct", "0"}, QStringLiteral("anowak"));
    EXPECT_EQ(second.exitCode, 1);
    EXPECT_EQ(second.err.trimmed(), QStringLiteral("Wybrana pozycja jest zablokowana przez innego użytkownika."));
    const Outcome held = finish(first);
    EXPECT_EQ(held.exitCode, 0) << held.err.toStdString();
    EXPECT_EQ(lineAmount(), 1000);
    EXPECT_EQ(claims(), 0);
}

TEST_P(OpeningBalanceSet, usageErrorsExitTwoBeforeAnythingIsClaimed) {
    EXPECT_EQ(run({"--dt", "abc", "--ct", "0"}).exitCode, 2);
    // Fourteen digits of zloty no longer fit the exports' N(15,2) fields.
    for (const QStringList& amounts : {QStringList{"--dt", "10000000000000", "--ct", "0"}, QStringList{"--dt", "0", "--ct", "-10 000 000 000 000,00"}}) {
        const Outcome tooLarge = run(amounts);
        EXPECT_EQ(tooLarge.exitCode, 2) << amounts.join(' ').toStdString();
        EXPECT_TRUE(tooLarge.err.contains("at most 13 digits")) << tooLarge.err.toStdString();
    }
    EXPECT_EQ(run({"--dt", "1", "--ct", "0", "--dt-w", "1"}).exitCode, 2);   // 202 keeps no currency amounts
    const Outcome noFile = run({"--dt", "1", "--ct", "0", "--settlements", "/nonexistent.json"});
    EXPECT_EQ(noFile.exitCode, 2);
    EXPECT_EQ(claims(), 0);
    EXPECT_EQ(lineAmount(), 0);
}

// After a save the tree of "Bilans otwarcia" (all currencies in PLN), the BO period of the
// trial balance and the plain sums of the document lines tell the same figures.
TEST_P(OpeningBalanceSet, afterASaveTheTreeTheTrialBalanceAndTheLinesAgree) {
    server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), ledger->company, ledger->year2026, 0);
    ASSERT_EQ(run({"--dt", "1 234,56", "--ct", "0"}).exitCode, 0);
    auto table = [&](const QStringList& args) {
        QProcess p;
        p.start(program(), args + QStringList{"--db", url(), "--company", QString::number(ledger->company), "--year", "2026"});
        std::map<QString, std::pair<QString, QString>> rows;   // account -> Dt, Ct
        const Outcome o = finish(p);
        EXPECT_EQ(o.exitCode, 0) << o.err.toStdString();
        for (const QString& line : o.out.split('\n', Qt::SkipEmptyParts).mid(1)) {
            const QStringList f = line.split(',');
            if (f.size() >= 4) rows[f[0]] = args.first() == "trial-balance" ? std::pair{f[1], f[2]} : std::pair{f[2], f[3]};
        }
        return rows;
    };
    const auto tree = table({"opening-balance", "--aggregate"});
    const auto trial = table({"trial-balance", "--period", "BO"});
    ASSERT_TRUE(trial.count("202-01-001"));
    EXPECT_EQ(trial.at("202-01-001").first, "1234.56");
    int compared = 0;
    for (const auto& [account, amounts] : trial) {
        if (!tree.count(account)) continue;
        EXPECT_EQ(tree.at(account), amounts) << account.toStdString();
        const auto sum = [&](const char* side) {
            return Money::fromMinor(db().scalarInt(QStringLiteral("select coalesce(sum(kwota_%1), 0) from POZ_DOK where czy_rk=10 and "
                                                                  "id_lata_obrot=? and (konto_%1=? or konto_%1 like ?)").arg(side),
                                                   {ledger->year2026, account, account + "-%"}).value_or(0))
                .toString();
        };
        EXPECT_EQ(amounts, std::pair(sum("wn"), sum("ma"))) << account.toStdString();
        ++compared;
    }
    EXPECT_GT(compared, 3);
}

// A later year's opening balance comes from the closing: the command refuses it as the
// browse does, until --unblock stands for the service function.
TEST_P(OpeningBalanceSet, aLaterYearIsRefusedUntilUnblocked) {
    auto inLaterYear = [&](const QStringList& more) {
        QProcess p;
        p.start(program(), QStringList{"opening-balance-set", "--db", url(), "--company", QString::number(ledger->company),
                                       "--year", "2027/2028", "--user", "jkowal", "--account", "130-01", "--dt", "5", "--ct", "0"} +
                               more);
        return finish(p);
    };
    const Outcome refused = inLaterYear({});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.startsWith(QStringLiteral("Wprowadzanie zapisów w BO w bieżącym roku obrotowym jest zablokowane")))
        << refused.err.toStdString();
    EXPECT_EQ(db().scalarInt("select count(*) from POZ_DOK where id_lata_obrot=? and czy_rk=10", {ledger->year18}), 0);
    const Outcome unblocked = inLaterYear({"--unblock"});
    EXPECT_EQ(unblocked.exitCode, 0) << unblocked.err.toStdString();
    EXPECT_EQ(db().scalarInt("select sum(kwota_wn) from POZ_DOK where id_lata_obrot=? and czy_rk=10 and konto_wn='130-01'",
                             {ledger->year18}), 500);
    db().execute("update LATA_OBROTOWE set zamkniete_bo=1 where id_lata_obrot=?", {ledger->year18});
    const Outcome approved = inLaterYear({"--unblock"});
    EXPECT_EQ(approved.exitCode, 1);
    EXPECT_EQ(approved.err.trimmed(), QStringLiteral("BO w bieżącym roku obrotowym jest zatwierdzone."));
}

// A run killed (SIGKILL) at any moment leaves the line with its old or its new amount,
// never a mix, and OBROTY_I_SALDA equal to a full recompute; a claim it leaves behind is
// taken again by the same user's next run, which then frees it.
TEST_P(OpeningBalanceSet, aRunKilledAtAnyMomentLeavesTheLineWholeAndTheTurnoversExact) {
    server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), ledger->company, ledger->year2026, 0);
    auto turnovers = [&] {
        QStringList rows;
        db::Rows r = db().select("select sym_waluty, data_okresu, nr_konta, obr_wn, obr_ma, saldo_wn, saldo_ma, obr_wn_2, obr_ma_2, "
                                 "obr_wn_w, obr_ma_w from OBROTY_I_SALDA where id_lata_obrot=? "
                                 "order by sym_waluty, data_okresu, nr_konta", {ledger->year2026});
        while (r.next()) {
            QStringList f;
            for (int c = 0; c < 11; ++c) f << r.text(c);
            rows << f.join('|');
        }
        return rows;
    };
    int64_t before = lineAmount();
    const int delays[] = {0, 40, 90, 150, 250, 400};
    for (int i = 0; i < int(std::size(delays)); ++i) {
        const int64_t wanted = 10000 * (i + 1);
        QProcess p;
        start(p, {"--dt", QString::number(wanted / 100), "--ct", "0"});
        ASSERT_TRUE(p.waitForStarted());
        QThread::msleep(delays[i]);
        p.kill();
        p.waitForFinished(30000);
        {
            // The server ends a killed client's transaction (rolled back, or committed when
            // the commit had been sent) once it notices; every save holds the year row, so
            // taking it waits for that end.
            db::Transaction settled(db());
            db().execute("update LATA_OBROTOWE set zamkniete_bo=zamkniete_bo where id_lata_obrot=?", {ledger->year2026});
            settled.commit();
        }
        const int64_t after = lineAmount();
        EXPECT_TRUE(after == before || after == wanted) << "delay " << delays[i] << ": " << after;
        const QStringList kept = turnovers();
        server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), ledger->company, ledger->year2026, 0);
        const QStringList full = turnovers();
        QStringList diff;
        for (const QString& r : kept) if (!full.contains(r)) diff << "-" + r;
        for (const QString& r : full) if (!kept.contains(r)) diff << "+" + r;
        EXPECT_EQ(kept, full) << "delay " << delays[i] << " amount " << after << "\n" << diff.join('\n').toStdString();
        before = after;
    }
    const Outcome last = run({"--dt", "7", "--ct", "0"});
    EXPECT_EQ(last.exitCode, 0) << last.err.toStdString();
    EXPECT_EQ(lineAmount(), 700);
    EXPECT_EQ(claims(), 0);
}
