#pragma once
// Polish registration numbers with their check digits: NIP (tax id, 10 digits) and
// REGON (statistical number, 9 digits). The demo companies and contractors carry valid ones.
#include <QString>

namespace ksiega::db::demo {

// The nine leading digits completed with the check digit; empty when the nine digits
// give check value 10, which no NIP may have.
QString nipWithCheckDigit(const QString& nineDigits);
// The eight leading digits completed with the check digit (check value 10 counts as 0).
QString regonWithCheckDigit(const QString& eightDigits);
bool isValidNip(const QString& nip);       // digits only, or with dashes
bool isValidRegon(const QString& regon);   // 9 digits

} // namespace ksiega::db::demo
