#pragma once
// A tiny report for the engine's tests: period, description, turnovers Dt/Ct summed,
// balance Dt/Ct as of the last row, "Persaldo" after "Razem".
#include "platform/report/Report.h"
#include "platform/runtime/Picture.h"
#include <QString>

namespace ksiega::test {

inline report::ReportDefinition exampleReport() {
    using namespace report;
    ReportDefinition def;
    def.name = QStringLiteral("Prn_Test_Raport");
    def.title = QStringLiteral("Zestawienie obrotów próbne");
    def.heading = {QStringLiteral("Hurtownia Łódź Sp. z o.o."), QStringLiteral("ul. Żółkiewskiego 5")};
    def.description = {QStringLiteral("Waluta: PLN"), QStringLiteral("Konto: 201-01")};
    def.columns = {
        Column::text(QStringLiteral("Lp."), 1, Align::Right),
        Column::text(QStringLiteral("Opis"), 4),
        Column::money(QStringLiteral("Obroty\nDt"), 2),
        Column::money(QStringLiteral("Obroty\nCt"), 2),
        Column::money(QStringLiteral("Saldo\nDt"), 2, Carried | FinalTotal, TotalMode::LastValue),
        Column::money(QStringLiteral("Saldo\nCt"), 2, Carried | FinalTotal, TotalMode::LastValue),
    };
    def.closingLines = [](const std::vector<Money>& totals) { return std::vector{persaldo(totals, 4, 5)}; };
    return def;
}

// Row n (1-based): Dt n zł n gr, Ct n gr, running balance on the Dt side.
inline report::Row exampleRow(int n) {
    const Money dt = Money::fromMinor(n * 101), ct = Money::fromMinor(n);
    Money balance;
    for (int i = 1; i <= n; ++i) balance += Money::fromMinor(i * 100);
    return {QString::number(n), QStringLiteral("Pozycja %1 zażółć gęślą jaźń").arg(n, 3, 10, QLatin1Char('0')), dt, ct,
            balance, Money()};
}

inline QString amount(Money m) { return Picture("@N-14_`2").format(m).trimmed(); }

// The texts on the line of the page that starts with label, left to right (label first).
inline QStringList bandTexts(const report::Page& page, const QString& label) {
    double top = -1;
    for (const auto& item : page.items)
        if (item.kind == report::Item::Kind::Text && item.text == label) top = item.rect.top();
    if (top < 0) return {};
    std::vector<const report::Item*> found;
    for (const auto& item : page.items)
        if (item.kind == report::Item::Kind::Text && qAbs(item.rect.top() - top) < 0.01) found.push_back(&item);
    std::sort(found.begin(), found.end(), [](auto* a, auto* b) { return a->rect.left() < b->rect.left(); });
    QStringList out;
    for (auto* item : found) out << item->text;
    return out;
}

// The detail rows (their "Lp." numbers) standing on a page.
inline std::vector<int> rowsOn(const report::Page& page) {
    std::vector<int> rows;
    for (const auto& item : page.items)
        if (item.kind == report::Item::Kind::Text && item.text.startsWith(QStringLiteral("Pozycja ")))
            rows.push_back(item.text.mid(8, 3).toInt());
    return rows;
}

} // namespace ksiega::test
