#pragma once
// The lists our card pickers show, one per card kind, and the answer they give. The
// register's filter text narrows the cards by their symbol: an empty filter offers every
// card; a filter with "*" or "?" is a mask over the whole symbol ("201*", "?-01"); a filter
// without them offers the symbols that begin with it. Letters compare without regard to
// case; "%", "_" and "\" in a filter are plain characters. The filter is a bound value,
// never part of the statement.
#include "platform/siblings/pickers/CardPickers.h"
#include "platform/siblings/pickers/PickerList.h"
#include <memory>

namespace ksiega::pickers {

// The list of the kind's cards of the company (of the register named registerSymbol for
// 'X'), narrowed by the filter; nullptr for an unknown kind or a register the company
// does not have.
std::unique_ptr<PickerList> cardList(const PickerContext& context, QChar kind, const QString& registerSymbol,
                                     const QString& filter);
// The chosen card of a list made by cardList; an empty choice when nothing was chosen.
CardChoice finishCardPick(PickerList& list, QChar kind);

// The condition the filter puts on a symbol column (empty for an empty filter).
ui::SqlFilter cardFilter(const QString& symbolColumn, const QString& filter);

} // namespace ksiega::pickers
