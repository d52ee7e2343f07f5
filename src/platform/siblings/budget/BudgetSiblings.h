#pragma once
// The budget procedures of the sibling libraries the budget windows call:
// - KLASYFIKACJA_INFO (chart-of-accounts library): the names of a symbol's levels on a day;
// - BT_SUMA_PLAN (chart-of-accounts library): the plan of a symbol (and all below it) with
//   its changes and what was executed, per budget sense;
// - BT_KLASYFIKACJIA_WYBOR (contractor library): the classification chooser of a side;
//   returns the chosen mask ("801-80101-4210"), "" when cancelled;
// - UP_BUDZET_DANE (documents library): the editor of one budget line's symbol and senses;
//   returns 1 when saved.
// Stand-ins until the libraries are there; tests replace them.
#include "platform/siblings/pickers/PickerContext.h"
#include <QString>

namespace ksiega::siblings {

class BudgetSiblings {
public:
    virtual ~BudgetSiblings() = default;
    virtual void KLASYFIKACJA_INFO(const pickers::PickerContext& context, const QString& side, const QString& symbol, int date,
                                   const QString& separator) = 0;
    virtual void BT_SUMA_PLAN(const pickers::PickerContext& context, const QString& side, const QString& symbol, int date,
                              const QString& separator) = 0;
    virtual QString BT_KLASYFIKACJIA_WYBOR(const pickers::PickerContext& context, const QString& side, const QString& current) = 0;
    virtual int UP_BUDZET_DANE(const pickers::PickerContext& context, int mode, int64_t idBtDane) = 0;
};

BudgetSiblings& budgetSiblings();
void replaceBudgetSiblings(BudgetSiblings* siblings);

} // namespace ksiega::siblings
