#include "budget/export/ExportLayouts.h"
#include "budget/export/ExportCodes.h"
#include "platform/runtime/Date.h"

namespace ksiega::budget {

namespace {

using dbase::Field;
using dbase::FieldType;

constexpr int kAmountLength = 15;
constexpr int kUwagiLength = 50;

Field text(const char* name, int length) { return {QString::fromLatin1(name), FieldType::Character, length}; }
Field number(const char* name, int length) { return {QString::fromLatin1(name), FieldType::Numeric, length, 0}; }

bool isJb(const QString& format) { return format == QLatin1String("JB"); }
bool isBestia(const QString& format) { return format == QLatin1String("BESTIA"); }

// The amount fields of a layout in order.
QStringList amountNames(const QString& side, const QString& format) {
    if (side == QLatin1String("W")) {
        if (isBestia(format)) return {"R1", "R10", "R4", "R11", "R12", "R12U", "R12B", "R9"};
        return {"R1", "R10", "R4", "R11", "R12", "R9"};
    }
    if (isBestia(format)) return {"R1", "R2", "R3", "R4", "R9", "R5", "R6", "R7", "R8", "R11", "R11Z", "R11R", "R10"};
    return {"R1", "R2", "R3", "R4", "R9", "R5", "R6", "R7", "R8", "R11", "R10"};
}

// KWARTAL: BESTIA the quarter's number; JB that number, or with months the month's letter;
// JST the quarter's letter.
dbase::Value quarterValue(const BudgetExportForm& form, int to) {
    const int q = quarterOf(to);
    if (isBestia(form.format)) return int64_t(q);
    if (isJb(form.format)) return form.byQuarters ? QString::number(q) : QString(QChar('A' + date::month(to) - 1));
    return QString(QChar('A' + q - 1));
}

} // namespace

std::vector<Field> layoutFields(const QString& side, const QString& format) {
    std::vector<Field> fields;
    if (isJb(format)) fields.push_back(number("ID_JB", 15));
    fields.push_back(text("REGON", 14));
    if (isJb(format)) fields.push_back(text("REGON_2", 14));
    fields.insert(fields.end(), {text("WK", 2), text("PK", 2), text("GK", 2), text("GT", 1), text("PT", 1), number("ROK", 4)});
    fields.push_back(isBestia(format) ? number("KWARTAL", 1) : text("KWARTAL", 1));
    fields.push_back({QStringLiteral("DAT_SKW"), FieldType::Date});
    fields.insert(fields.end(), {text("UWAGI", kUwagiLength), text("DZIAL", 3), text("ROZDZIAL", 5), text("STATUS", 1), text("PAR", 4)});
    for (const QString& name : amountNames(side, format)) fields.push_back({name, FieldType::Numeric, kAmountLength, 2});
    return fields;
}

std::vector<dbase::Value> layoutRecord(const ExportHeading& h, const ExportSymbolFigures& f) {
    const BudgetExportForm& form = h.form;
    std::vector<dbase::Value> v;
    if (isJb(form.format)) v.push_back(int64_t(form.identyfikatorJb));
    v.push_back(form.regon);
    if (isJb(form.format)) v.push_back(form.regonRozszerzony);
    v.insert(v.end(), {form.kodWojewodztwa, form.kodPowiatu, form.kodGminy, form.typGminy, form.typPowiatu,
                       int64_t(date::year(h.to))});
    v.push_back(quarterValue(form, h.to));
    v.push_back(dbase::DayNumber{form.reportDate});
    // STATUS: the system keeps no status per symbol; the field stays blank.
    v.insert(v.end(), {QString(), f.dzial, f.rozdzial, QString(), f.paragraf});

    const Money plan = roundAmount(f.plan, form.rounding);
    const Money execution = roundAmount(f.execution, form.rounding);
    const Money second = roundAmount(f.second, form.rounding);
    for (const QString& name : amountNames(form.side, form.format)) {
        Money m;
        if (name == QLatin1String("R1")) m = plan;
        else if (form.side == QLatin1String("W") && name == QLatin1String("R10")) m = execution;
        else if (form.side == QLatin1String("W") && name == QLatin1String("R4")) m = second;
        else if (form.side == QLatin1String("D") && name == QLatin1String("R4")) m = execution;
        else if (form.side == QLatin1String("D") && name == QLatin1String("R9")) m = second;
        v.push_back(m);
    }
    return v;
}

} // namespace ksiega::budget
