#pragma once
// A database test on the shared test ledger: a fresh database per test, on both engines
// (KSIEGA_ON_BOTH_ENGINES), with the LedgerFixture written into it.
#include "support/LedgerFixture.h"
#include "support/TestDatabase.h"
#include <memory>

namespace ksiega::test {

class LedgerTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped()) return;
        m_ledger = std::make_unique<LedgerFixture>(db());
    }
    void TearDown() override {
        m_ledger.reset();
        DbTest::TearDown();
    }
    LedgerFixture& f() { return *m_ledger; }

private:
    std::unique_ptr<LedgerFixture> m_ledger;
};

} // namespace ksiega::test
