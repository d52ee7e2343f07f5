// The year-end closing on randomly generated ledgers, checked by the independent checker:
// balances per target and currency, carried settlements with what was left of them at the
// year's end, cost-centre splits, the turnovers of the next year; then a second run and a
// removal followed by a new closing. Each seed runs in a transaction that is rolled back,
// so the seeds share one fresh database. KSIEGA_CLOSING_SEED=N runs that seed alone.
#include "ClosingChecker.h"
#include "RandomLedger.h"
#include "platform/server/Turnovers.h"
#include "platform/server/YearClosing.h"
#include "support/LedgerTest.h"

using namespace ksiega;
using namespace ksiega::server;

namespace {

class RandomClosingTest : public test::LedgerTest {
protected:
    static constexpr int64_t kUser = 7;

    std::vector<uint32_t> seeds(std::vector<uint32_t> fixed) {
        bool ok = false;
        const uint32_t one = qEnvironmentVariable("KSIEGA_CLOSING_SEED").toUInt(&ok);
        return ok ? std::vector<uint32_t>{one} : fixed;
    }

    // Runs `check` on a fresh random ledger of each seed; everything is rolled back after.
    template <typename Check>
    void forEachSeed(const std::vector<uint32_t>& list, Check check) {
        for (uint32_t seed : seeds(list)) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << " (rerun with KSIEGA_CLOSING_SEED=" << seed << ")");
            db::Transaction tx(db());
            test::RandomLedger ledger(f(), seed, kUser);
            check(ledger);
            if (HasFatalFailure()) return;
        }
    }

    ClosingRequest request(const test::RandomLedger& ledger) {
        ClosingRequest r;
        r.idFirmy = f().company;
        r.idLataObrot = f().year2026;
        r.login = "jkowal";
        r.userNumber = kUser;
        r.skip980And998 = ledger.skip980And998();
        return r;
    }

    // What the next year's opening lines must hold: every account's closing balance on its
    // target, and with attached settlements their remainder moved from 201-01-001 to 205-01.
    test::Nets expectedLines(const test::RandomLedger& ledger) {
        test::Nets expected = test::mapped(test::closingBalances(db(), f().year2026), [&](const QString& a) { return ledger.target(a); });
        const auto open = test::openAtEnd(db(), f().year2026, yearEnd());
        for (int64_t id : ledger.attached()) {
            const test::SettlementState& s = open.at(id);
            const int sign = (s.strona == "WN" ? 1 : -1) * (s.korekta ? -1 : 1);
            expected[{s.account, s.currency}].first -= sign * s.kwota;
            expected[{s.account, s.currency}].second -= sign * s.kwotaW;
            expected[{"205-01", s.currency}].first += sign * s.kwota;
            expected[{"205-01", s.currency}].second += sign * s.kwotaW;
        }
        return expected;
    }

    std::map<int64_t, test::SettlementState> expectedCarried(const test::RandomLedger& ledger) {
        std::map<int64_t, test::SettlementState> out;
        for (auto [id, s] : test::openAtEnd(db(), f().year2026, yearEnd())) {
            s.account = ledger.targetOfSettlement(id, s.account);
            out[id] = s;
        }
        return out;
    }

    int yearEnd() { return int(*db().scalarInt("select koniec_roku from LATA_OBROTOWE where id_lata_obrot=?", {f().year2026})); }

    void expectExact(const test::RandomLedger& ledger, const ClosingOutcome& o) {
        EXPECT_EQ(test::differences(expectedLines(ledger), test::openingLines(db(), f().year18)), QString());
        const auto carried = test::carriedSettlements(db(), f().year18);
        const auto expected = expectedCarried(ledger);
        EXPECT_EQ(carried.size(), expected.size());
        for (const auto& [id, s] : expected) {
            ASSERT_TRUE(carried.count(id)) << "settlement " << id << " of " << s.account.toStdString() << " not carried";
            EXPECT_EQ(carried.at(id), s) << "settlement " << id << " carried as " << carried.at(id).account.toStdString() << " "
                                         << carried.at(id).kwota << "/" << carried.at(id).kwotaW << ", expected "
                                         << s.account.toStdString() << " " << s.kwota << "/" << s.kwotaW;
        }
        EXPECT_TRUE(test::settlementMismatches(db(), f().year18).empty());
        EXPECT_EQ(test::costCentreNets(db(), f().year18, true), test::costCentreNets(db(), f().year2026, false));
        const auto unmoved = [](const QString& a) { return !test::RandomLedger::movedSynthetics().count(a.section('-', 0, 0)); };
        const auto turnovers = test::turnoverMismatches(db(), f().company, f().year2026, f().bz2026(), f().year18, f().bo18(), unmoved);
        EXPECT_TRUE(turnovers.empty()) << QStringList(turnovers.begin(), turnovers.end()).join(", ").toStdString();
        // The ledger explains every settlement account's balance, so no difference is reported;
        // one report row per plan-change row.
        for (const ClosingProblem& p : o.problems) EXPECT_FALSE(p.description.contains(QStringLiteral("różni się"))) << p.description.toStdString();
        // The closing refreshes only the next year's accounts that its opening balance touches:
        // a full recompute afterwards finds nothing to change.
        const QString state = test::yearState(db(), f().year18);
        UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f().company, f().year18, 0);
        EXPECT_EQ(test::yearState(db(), f().year18).toStdString(), state.toStdString());
        const int64_t changes = *db().scalarInt("select count(*) from ZMIANA_PLANU_KONT where id_lata_obrot=?", {f().year2026});
        EXPECT_EQ(int64_t(o.report.size()), changes);
    }
};
KSIEGA_ON_BOTH_ENGINES(RandomClosingTest);

TEST_P(RandomClosingTest, randomLedgersCloseToTheGroszOnEveryTargetSettlementAndCostCentre) {
    forEachSeed({11, 23, 37, 41, 59}, [&](const test::RandomLedger& ledger) {
        const ClosingOutcome o = createNextYearOpeningBalance(db(), request(ledger));
        expectExact(ledger, o);
    });
}

TEST_P(RandomClosingTest, aSecondRunChangesNothingAndRemovalThenClosingAgainGivesTheSameBalance) {
    forEachSeed({5, 71}, [&](const test::RandomLedger& ledger) {
        createNextYearOpeningBalance(db(), request(ledger));
        const QString first = test::yearState(db(), f().year18);
        const ClosingOutcome again = createNextYearOpeningBalance(db(), request(ledger));
        EXPECT_EQ(test::yearState(db(), f().year18).toStdString(), first.toStdString());
        expectExact(ledger, again);

        // The carried settlements that the next year clears keep their ids through a removal.
        std::map<int64_t, int64_t> cleared;   // source -> carried id
        db::Rows r = db().select("select r.id_rozrachunku_zrodla, r.id_rozrachunku from ROZRACHUNEK r where r.id_lata_obrot=? "
                                 "and r.id_rozrachunku_zrodla<>0 and exists (select 1 from ROZLICZENIE z where z.id_rozrachunku=r.id_rozrachunku)",
                                 {f().year18});
        while (r.next()) cleared[r.int64(0)] = r.int64(1);
        const int64_t others = *db().scalarInt("select count(*) from POZ_DOK where id_lata_obrot=? and czy_rk<>10", {f().year18});

        removeNextYearOpeningBalance(db(), f().company, f().year2026);
        EXPECT_EQ(*db().scalarInt("select count(*) from POZ_DOK where id_lata_obrot=? and czy_rk=10", {f().year18}), 0);
        EXPECT_EQ(*db().scalarInt("select count(*) from POZ_DOK where id_lata_obrot=? and czy_rk<>10", {f().year18}), others);
        EXPECT_EQ(*db().scalarInt("select count(*) from ROZRACHUNEK where id_lata_obrot=? and id_poz_dok_f<>0 and id_rozrachunku_zrodla<>0",
                                  {f().year18}),
                  0);
        const QString removed = test::yearState(db(), f().year18);
        UZUPELNIJ_OBROTY_Z_DOKUMENTOW(db(), f().company, f().year18, 0);
        EXPECT_EQ(test::yearState(db(), f().year18).toStdString(), removed.toStdString());

        const ClosingOutcome o = createNextYearOpeningBalance(db(), request(ledger));
        expectExact(ledger, o);
        for (const auto& [source, id] : cleared)
            EXPECT_EQ(db().scalarInt("select id_rozrachunku from ROZRACHUNEK where id_lata_obrot=? and id_rozrachunku_zrodla=? "
                                     "and id_poz_dok_f<>0",
                                     {f().year18, source})
                          .value_or(0),
                      id)
                << "source " << source;
    });
}

} // namespace
