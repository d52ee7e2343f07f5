#pragma once
// How a settlement of an opening-balance line reads on screen: its kind ("płatność",
// "zobowiązanie", "należność"), its side ("Dt", "Ct") and its correction sign.
#include <QChar>
#include <QString>
#include <QStringList>

namespace ksiega::openingbalance {

// The kinds in the order of the "Rodzaj" list, and their stored codes.
QStringList settlementKindTexts();
QString settlementKindText(QChar rodzaj);       // 'P' -> "płatność"; "" for an unknown code
QChar settlementKindCode(const QString& text);  // "płatność" -> 'P'; 'N' for an unknown text
inline constexpr QChar KIND_PAYMENT = QChar('P');

// "WN" -> "Dt", "MA" -> "Ct" and back.
QString sideText(const QString& strona);
QString sideCode(const QString& text);

// "-" for a correction, "+" otherwise.
inline QString correctionSign(bool korekta) { return korekta ? QStringLiteral("-") : QStringLiteral("+"); }

} // namespace ksiega::openingbalance
