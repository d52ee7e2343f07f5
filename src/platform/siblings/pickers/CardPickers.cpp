#include "platform/siblings/pickers/CardPickers.h"
#include "platform/siblings/pickers/CardLists.h"
#include "platform/siblings/pickers/PickerDialog.h"
#include <atomic>

namespace ksiega::pickers {
namespace {

// Every kind through one picker window over the kind's list; the mode texts choose
// nothing here.
class CardPickersStandIn : public CardPickers {
public:
    CardChoice pickCard(const PickerContext& context, QChar kind, const QString& registerSymbol, const QString& filter,
                        const QString&, const QString&) override {
        auto list = cardList(context, kind, registerSymbol, filter);
        if (!list || !runPicker(*list)) return {};
        return finishCardPick(*list, kind);
    }
};

std::atomic<CardPickers*> g_replacement{nullptr};

} // namespace

CardPickers& cardPickers() {
    if (CardPickers* r = g_replacement.load()) return *r;
    static CardPickersStandIn standIn;
    return standIn;
}

void replaceCardPickers(CardPickers* pickers) { g_replacement.store(pickers); }

} // namespace ksiega::pickers
