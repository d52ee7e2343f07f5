#include "entries/accountfilter/AccountFilterPredicate.h"

namespace ksiega::entries {

int accountGroupElement(int32_t number) {
    if (number < 100) return 10;
    while (number >= 10) number /= 10;
    return int(number);
}

static bool typeSelected(const AccountFilterSettings& s, QChar type) {
    switch (type.unicode()) {
    case u'B': return s.BILANSOWE != 0;
    case u'W': return s.WYNIKOWE != 0;
    case u'P': return s.POZABILANSOWE != 0;
    default: return true;  // an unknown type code is not filtered by type
    }
}

bool passesAccountFilter(const AccountFilterSettings& s, const SyntheticAccount& a, bool costCentreVersion) {
    if (s.groupsSet && s.ZSPOLY_KONT[accountGroupElement(a.number)] == 0) return false;
    if (s.typesSet && !typeSelected(s, a.type)) return false;
    if (s.ROZRACHUNKOWE && !a.settlement) return false;
    if (s.DWUSALDOWE && !a.twoBalance) return false;
    if (s.WALUTOWE && !a.currency) return false;
    if (costCentreVersion && s.MPK && !a.costCentre) return false;
    if (s.rangeSet && (a.number < s.ZAKRES_D || a.number > s.ZAKRES_G)) return false;
    return true;
}

} // namespace ksiega::entries
