#include "openingbalance/settlements/SettlementTexts.h"

namespace ksiega::openingbalance {

namespace {
struct Kind {
    QChar code;
    const char* text;
};
constexpr Kind kKinds[] = {{QChar('P'), "płatność"}, {QChar('Z'), "zobowiązanie"}, {QChar('N'), "należność"}};
} // namespace

QStringList settlementKindTexts() {
    QStringList out;
    for (const Kind& k : kKinds) out << QString::fromUtf8(k.text);
    return out;
}

QString settlementKindText(QChar rodzaj) {
    for (const Kind& k : kKinds)
        if (k.code == rodzaj.toUpper()) return QString::fromUtf8(k.text);
    return {};
}

QChar settlementKindCode(const QString& text) {
    for (const Kind& k : kKinds)
        if (text == QString::fromUtf8(k.text)) return k.code;
    return QChar('N');
}

QString sideText(const QString& strona) {
    return strona.trimmed().toUpper() == QLatin1String("MA") ? QStringLiteral("Ct") : QStringLiteral("Dt");
}

QString sideCode(const QString& text) {
    return text == QLatin1String("Ct") ? QStringLiteral("MA") : QStringLiteral("WN");
}

} // namespace ksiega::openingbalance
