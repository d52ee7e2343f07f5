#pragma once
// Asserts that the turnovers the writers keep equal a full recompute from the lines: call
// after a writer's test. The first differences are printed.
#include "platform/runtime/Date.h"
#include "platform/server/TurnoverCheck.h"
#include <gtest/gtest.h>
#include <sstream>

namespace ksiega::test {

inline ::testing::AssertionResult turnoversCurrent(db::Database& db, int64_t company, int64_t year) {
    const auto differences = server::compareTurnovers(db, company, year);
    if (differences.empty()) return ::testing::AssertionSuccess();
    std::ostringstream text;
    text << differences.size() << " differences from a full recompute:";
    for (size_t i = 0; i < differences.size() && i < 20; ++i) {
        const auto& d = differences[i];
        text << "\n  " << d.account.toStdString() << ' ' << d.currency.toStdString() << ' ' << date::toIso(d.period).toStdString()
             << ' ' << d.column.toStdString() << " stored " << (d.stored ? std::to_string(*d.stored) : "-") << " recomputed "
             << (d.recomputed ? std::to_string(*d.recomputed) : "-");
    }
    return ::testing::AssertionFailure() << text.str();
}

} // namespace ksiega::test

// EXPECT_TURNOVERS_CURRENT(db, company, year): the stored turnovers of the year equal a full
// recompute.
#define EXPECT_TURNOVERS_CURRENT(db, company, year) EXPECT_TRUE(::ksiega::test::turnoversCurrent((db), (company), (year)))
