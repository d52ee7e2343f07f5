#pragma once
// A whole number read back from the text an engine gives for a value: "123", "-5", " 42 ",
// and "123.00" (a numeric whose fraction is zero). Anything that is not exactly a whole
// number in 64 bits ("123.50", "1e3", "", "12abc", "99999999999999999999") gives nullopt:
// a value is never cut to its integer part.
#include <QByteArrayView>
#include <cstdint>
#include <optional>

namespace ksiega::db {

std::optional<int64_t> exactInteger(QByteArrayView text);
// A floating-point value that is a whole number within 64 bits; nullopt otherwise.
std::optional<int64_t> exactInteger(double value);

} // namespace ksiega::db
