#include "platform/db/import/FieldParsers.h"
#include "platform/runtime/Date.h"
#include <QDate>

namespace ksiega::db::import {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int> digits(std::string_view text) {
    int v = 0;
    for (char c : text) {
        if (!isDigit(c)) return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

} // namespace

std::optional<int64_t> parseAmount(std::string_view t) {
    bool negative = false;
    if (!t.empty() && t.front() == '-') { negative = true; t.remove_prefix(1); }
    const size_t dot = t.find('.');
    const std::string_view whole = t.substr(0, dot);
    const std::string_view fraction = dot == std::string_view::npos ? std::string_view() : t.substr(dot + 1);
    // At most 13 digits of zloty: every amount fits the N(15,2) fields of the exports, and the
    // totals of a fiscal year stay far from the 64-bit limit.
    if (whole.empty() || whole.size() > size_t(kMaxAmountDigits)) return std::nullopt;
    if (dot != std::string_view::npos && (fraction.empty() || fraction.size() > 2)) return std::nullopt;
    int64_t v = 0;
    for (char c : whole) {
        if (!isDigit(c)) return std::nullopt;
        v = v * 10 + (c - '0');
    }
    int64_t cents = 0;
    for (size_t i = 0; i < 2; ++i) {
        const char c = i < fraction.size() ? fraction[i] : '0';
        if (!isDigit(c)) return std::nullopt;
        cents = cents * 10 + (c - '0');
    }
    const int64_t minor = v * 100 + cents;
    return negative ? -minor : minor;
}

std::optional<int> parseDate(std::string_view t) {
    if (t.size() != 10 || t[4] != '-' || t[7] != '-') return std::nullopt;
    const auto y = digits(t.substr(0, 4)), m = digits(t.substr(5, 2)), d = digits(t.substr(8, 2));
    if (!y || !m || !d || !QDate::isValid(*y, *m, *d)) return std::nullopt;
    const int day = date::fromYmd(*y, *m, *d);
    if (day <= 0) return std::nullopt; // before the calendar's first day
    return day;
}

PeriodResult parsePeriod(std::string_view t, int yearStart, int yearEnd) {
    if (t == "BO" || t == "bo") return {PeriodResult::Ok, date::openingPeriod(yearStart)};
    if (t == "BZ" || t == "bz") return {PeriodResult::Ok, date::closingPeriod(yearEnd)};
    if (t.size() != 7 || t[4] != '-') return {};
    const auto y = digits(t.substr(0, 4)), m = digits(t.substr(5, 2));
    if (!y || !m || *m < 1 || *m > 12) return {};
    const int ym = *y * 12 + *m - 1;
    const int first = date::year(yearStart) * 12 + date::month(yearStart) - 1;
    const int last = date::year(yearEnd) * 12 + date::month(yearEnd) - 1;
    if (ym < first || ym > last) return {PeriodResult::OutsideYear, 0};
    return {PeriodResult::Ok, date::monthPeriod(*y, *m)};
}

bool isValidUtf8(std::string_view t) {
    size_t i = 0;
    while (i < t.size()) {
        const unsigned char c = static_cast<unsigned char>(t[i]);
        if (c < 0x80) { ++i; continue; }
        int extra;
        uint32_t cp;
        if ((c & 0xE0) == 0xC0) { extra = 1; cp = c & 0x1F; }
        else if ((c & 0xF0) == 0xE0) { extra = 2; cp = c & 0x0F; }
        else if ((c & 0xF8) == 0xF0) { extra = 3; cp = c & 0x07; }
        else return false;
        if (i + size_t(extra) >= t.size()) return false;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char cc = static_cast<unsigned char>(t[i + size_t(k)]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        static constexpr uint32_t kMin[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += size_t(extra) + 1;
    }
    return true;
}

int utf8Length(std::string_view t) {
    int n = 0;
    for (char c : t) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

} // namespace ksiega::db::import
