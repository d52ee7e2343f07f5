#include "entries/accountfilter/AccountFilterPredicate.h"

namespace ksiega::entries {

SyntheticAccount syntheticAccountAt(const db::Rows& row) {
    SyntheticAccount a;
    a.number = row.integer(0);
    const QString type = row.text(1).trimmed().toUpper();
    a.type = type.isEmpty() ? QChar() : type.at(0);
    a.currency = row.int64(2) != 0;
    a.settlement = row.int64(3) != 0;
    a.twoBalance = row.int64(4) != 0;
    a.costCentre = row.int64(5) != 0;
    return a;
}

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
