#include "platform/siblings/pickers/CardPickers.h"
#include <atomic>

namespace ksiega::pickers {
namespace {

class PlaceholderCardPickers : public CardPickers {
public:
    CardChoice pickCard(const PickerContext&, QChar, const QString&, const QString&, const QString&, const QString&) override {
        return {};
    }
};

std::atomic<CardPickers*> g_replacement{nullptr};

} // namespace

CardPickers& cardPickers() {
    if (CardPickers* r = g_replacement.load()) return *r;
    static PlaceholderCardPickers standIn;
    return standIn;
}

void replaceCardPickers(CardPickers* pickers) { g_replacement.store(pickers); }

} // namespace ksiega::pickers
