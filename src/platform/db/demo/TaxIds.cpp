#include "platform/db/demo/TaxIds.h"

namespace ksiega::db::demo {
namespace {

int checkSum(const QString& digits, const int* weights, int count) {
    int sum = 0;
    for (int i = 0; i < count; ++i) sum += digits[i].digitValue() * weights[i];
    return sum % 11;
}

bool allDigits(const QString& s, int length) {
    if (s.size() != length) return false;
    for (QChar c : s) if (!c.isDigit() || c.unicode() > '9') return false;
    return true;
}

const int kNipWeights[] = {6, 5, 7, 2, 3, 4, 5, 6, 7};
const int kRegonWeights[] = {8, 9, 2, 3, 4, 5, 6, 7};

} // namespace

QString nipWithCheckDigit(const QString& nineDigits) {
    if (!allDigits(nineDigits, 9)) return {};
    const int check = checkSum(nineDigits, kNipWeights, 9);
    if (check == 10) return {};
    return nineDigits + QString::number(check);
}

QString regonWithCheckDigit(const QString& eightDigits) {
    if (!allDigits(eightDigits, 8)) return {};
    const int check = checkSum(eightDigits, kRegonWeights, 8);
    return eightDigits + QString::number(check == 10 ? 0 : check);
}

bool isValidNip(const QString& nip) {
    QString digits = nip;
    digits.remove(QChar('-'));
    return allDigits(digits, 10) && nipWithCheckDigit(digits.left(9)) == digits;
}

bool isValidRegon(const QString& regon) {
    return allDigits(regon, 9) && regonWithCheckDigit(regon.left(8)) == regon;
}

} // namespace ksiega::db::demo
