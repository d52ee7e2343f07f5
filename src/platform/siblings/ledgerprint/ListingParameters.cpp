#include "platform/siblings/ledgerprint/ListingParameters.h"
#include <QStringList>

namespace ksiega::ledgerprint {

namespace {

std::optional<ListingKind> kindOf(int code) {
    switch (code) {
    case 61:
    case 68: return ListingKind::Entries;
    case 64: return ListingKind::CurrencyEntries;
    case 63: return ListingKind::Turnovers;
    case 65:
    case 81: return ListingKind::AccountReport;
    case 66: return ListingKind::CashReport;
    case 67: return ListingKind::BankReport;
    default: return std::nullopt;
    }
}

std::optional<int> number(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().isEmpty() ? 0 : text.trimmed().toInt(&ok);
    if (!ok && !text.trimmed().isEmpty()) return std::nullopt;
    return value;
}

} // namespace

ParsedParameters parseListingParameters(const QString& text) {
    // The title is everything after the fifth comma: it may hold commas of its own.
    QStringList fields;
    int from = 0;
    for (int i = 0; i < 5; ++i) {
        const int comma = text.indexOf(QChar(','), from);
        if (comma < 0) {
            fields << text.mid(from);
            from = int(text.size()) + 1;
            break;
        }
        fields << text.mid(from, comma - from);
        from = comma + 1;
    }
    ListingParameters p;
    if (from <= text.size()) p.titleLine = text.mid(from);

    std::vector<int> values;
    for (const QString& f : fields) {
        const auto n = number(f);
        if (!n) return {std::nullopt, QStringLiteral("Nieprawidłowe parametry wydruku: %1").arg(text)};
        values.push_back(*n);
    }
    values.resize(5, 0);
    p.code = values[0];
    const auto kind = kindOf(p.code);
    if (!kind) return {std::nullopt, QStringLiteral("Nieznany rodzaj zestawienia: %1").arg(p.code)};
    p.kind = *kind;
    p.range = values[1];
    if (p.range < 0 || p.range > 2) return {std::nullopt, QStringLiteral("Nieprawidłowy zakres wydruku: %1").arg(p.range)};
    p.first = values[2];
    p.second = values[3];
    p.flag = values[4];
    return {p, {}};
}

} // namespace ksiega::ledgerprint
