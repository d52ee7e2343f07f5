#include "entries/accountfilter/AccountFilterSettings.h"
#include "frame/lifecycle/ModuleState.h"
#include <algorithm>

namespace ksiega::entries {

bool AccountFilterSettings::anyGroup() const {
    return std::any_of(ZSPOLY_KONT.begin() + 1, ZSPOLY_KONT.end(), [](uint16_t f) { return f != 0; });
}

void AccountFilterSettings::computeDerived() {
    groupsSet = anyGroup() ? 1 : 0;
    typesSet = anyType() ? 1 : 0;
    rangeSet = rangeNarrowed() ? 1 : 0;
}

bool AccountFilterSettings::anythingSet() const {
    return anyGroup() || anyType() || rangeNarrowed() || WALUTOWE || ROZRACHUNKOWE || DWUSALDOWE || MPK;
}

bool AccountFilterSettings::indicatorOn() const {
    return groupsSet || typesSet || rangeSet || WALUTOWE || ROZRACHUNKOWE || DWUSALDOWE;
}

QString filterIndicatorIcon(const AccountFilterSettings& settings) {
    return settings.indicatorOn() ? QStringLiteral("~filtr_konto_on.ico") : QStringLiteral("~Filtr_konto.ico");
}

AccountFilterSettings& accountFilter() {
    return moduleState().state<AccountFilterSettings>();
}

} // namespace ksiega::entries
