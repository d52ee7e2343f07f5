#pragma once
// What the stand-ins of KLASYFIKACJA_INFO and BT_SUMA_PLAN show, computed without a screen.
#include "platform/db/Database.h"
#include "platform/runtime/Money.h"
#include <QStringList>
#include <array>

namespace ksiega::siblings {

// "Dział 801: Oświata i wychowanie", "Rozdział 80101: ...", "Paragraf 4210: ...", and
// "Pozycja 01: ..." for an analytic symbol; names valid on `date` for the side.
QStringList classificationDescription(db::Database& db, int64_t company, const QString& side, const QString& symbol, int date,
                                      const QString& separator);

// The plan of a symbol and every symbol below it in the company's year up to `date`, and
// what its budget lines of the year carry per sense (W: wy, k, z, x; D: d, wp, x).
struct PlanSummary {
    Money adopted;        // rodzaj_zmiany 0
    Money changes;        // rodzaj_zmiany 1
    Money afterChanges;   // TG_BT_Plan_Sub
    std::array<Money, 4> executed{};
    QStringList lines(const QString& side) const;
};
PlanSummary planSummary(db::Database& db, int64_t company, int64_t year, const QString& side, const QString& symbol, int date,
                        const QString& separator);

} // namespace ksiega::siblings
