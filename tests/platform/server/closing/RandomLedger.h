#pragma once
// A randomly generated closing year on top of the shared test ledger, reproducible from its
// seed: a few hundred lines over balance-sheet, off-balance and result accounts, a
// two-balance synthetic, settlement accounts whose settlements explain their balances
// (partly cleared, some by clearings dated in the next year, corrections, one in EUR), a
// cost-centre account with PLN, EUR and USD lines split over indicators, a currency
// account with a PLN-only line, and the plan-change rows of the year (a rename, a merge,
// a swap, a prefix change, a row on a result account, optionally one with attached
// settlements). The generator remembers what it wrote, so that the expectations are
// computed from its own record and plain SQL, never from the closing.
#include "support/LedgerFixture.h"
#include <QString>
#include <map>
#include <random>
#include <set>

namespace ksiega::test {

class RandomLedger {
public:
    // Writes the ledger into the fixture's company (its year 2026 closes into 2027/2028)
    // and recomputes the closing year's turnovers. `userNumber` owns the attachments.
    RandomLedger(LedgerFixture& f, uint32_t seed, int64_t userNumber, int lines = 300);

    uint32_t seed() const { return m_seed; }
    bool skip980And998() const { return m_skip980; }
    // 0: no change row on 201-01-001; 1: the row moves the whole account to 205-01;
    // 2: the row moves only its attached settlements.
    int attachMode() const { return m_attachMode; }
    const std::set<int64_t>& attached() const { return m_attached; }

    // Where the rules send an account's balance ("" when it is not carried); with
    // attachMode 2 the account 201-01-001 keeps its own number and only the attached
    // settlements move (see targetOfSettlement).
    QString target(const QString& account) const;
    QString targetOfSettlement(int64_t id, const QString& account) const;
    // The synthetic accounts whose next-year opening does not simply repeat the closing
    // year's closing (moved, merged, result, skipped).
    static const std::set<QString>& movedSynthetics();

private:
    void addCharts();
    void addChanges();
    void consistentFixtureSettlements();
    int64_t document(int64_t year, int period, const QString& waluta, int status = 2);
    Money amount(int64_t minGrosze, int64_t maxGrosze);
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool chance(int percent) { return pick(100) < percent; }
    void settlementLine();
    void costCentreLine();
    void plainLine();
    void attach();
    int64_t changeRow(const QString& from, const QString& to);

    struct Open {
        int64_t id;
        QString account;
        QString strona;
        QString waluta;             // "PLN" or "EUR"
        bool korekta;
        int64_t rem, remW;          // left at the closing year's end
        int64_t left, leftW;        // left after every clearing, the next year's too
    };

    LedgerFixture& f;
    uint32_t m_seed;
    int64_t m_user;
    std::mt19937 m_rng;
    bool m_skip980 = false;
    int m_attachMode = 0;
    int64_t m_attachRow = 0;
    std::set<int64_t> m_attached;
    std::vector<Open> m_open;       // settlements of the closing year still open
    int m_docs = 0;
};

} // namespace ksiega::test
