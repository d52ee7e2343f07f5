#pragma once
// Strict readers of the values in an import file. Each refuses anything it cannot read
// exactly (nullopt) rather than guessing.
#include "platform/runtime/EnteredAmount.h"
#include <cstdint>
#include <optional>
#include <string_view>

namespace ksiega::db::import {

// "1234.56", "-0.5", "12": an optional minus, at most kMaxAmountDigits digits, optionally a
// dot and one or two digits. Whole grosze. No grouping, no comma, no exponent.
inline constexpr int kMaxAmountDigits = kMaxEnteredDigits;
std::optional<int64_t> parseAmount(std::string_view text);

// ISO "2026-03-15" as a day number.
std::optional<int> parseDate(std::string_view text);

// The period of a document: "BO", "BZ" or "YYYY-MM" within the fiscal year given by its
// first and last day. Gives the period date (day 1, 2 or 28).
struct PeriodResult {
    enum Status { Ok, Malformed, OutsideYear } status = Malformed;
    int date = 0;
};
PeriodResult parsePeriod(std::string_view text, int yearStart, int yearEnd);

// Well-formed UTF-8, and its length in characters.
bool isValidUtf8(std::string_view text);
int utf8Length(std::string_view text);

} // namespace ksiega::db::import
