#pragma once
// The codes of an export file: the territorial codes and identifiers of the form checked
// against their ranges, the period codes (in the file name and in the KWARTAL field) and
// the file's name.
#include "budget/export/BudgetExport.h"
#include <stdexcept>

namespace ksiega::budget {

// An export refused before anything was written; text() is the system's message.
class ExportRefused : public std::runtime_error {
public:
    explicit ExportRefused(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// Throws ExportRefused with the first message that applies: the codes, REGON, the unit's
// identifier (JB), the report date, the folder, the side, format and period.
void checkExportForm(const BudgetExportForm& form, int from, int to);

// The quarter of the period's end month, 1..4.
int quarterOf(int to);
// The period code of the file name: with quarters "1".."4" (JB) or "A".."D"; with months "A".."L".
QString filePeriodCode(const BudgetExportForm& form, int to);
// The character of the voivodeship code in the file name: code 02 gives "0", 14 "6", 32 "F".
QChar voivodeshipCharacter(const QString& kodWojewodztwa);
// The unit's identifier as the file name carries it: five digits ("00123").
QString unitNumber(int64_t identyfikatorJb);
// Side letter, year digit, period code, voivodeship character, powiat and gmina codes,
// (JB) the unit's number, ".dbf". The form must have passed checkExportForm.
QString exportFileName(const BudgetExportForm& form, int to);

} // namespace ksiega::budget
