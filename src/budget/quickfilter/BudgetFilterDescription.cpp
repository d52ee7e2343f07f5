#include "budget/quickfilter/BudgetFilterDescription.h"
#include <algorithm>

namespace ksiega::budget {

QStringList describeBudgetFilter(const QString& filter, const BudgetFilterSwitches& s, bool budgetEdition, const QString& separator) {
    QStringList lines;
    if (!budgetEdition) return lines;
    const QString upper = filter.trimmed().toUpper();
    static const char* const texts[BudgetFilterSwitches::KindCount] = {"Wydatki, ", "Koszty, ", "Zaangażowanie, ",
                                                                       "Środki pieniężne, ", "Dochody, ", "Wpływy, "};
    if (upper.contains(QStringLiteral("RODZAJ_"))) {
        bool someOff = false;
        QString line;
        for (int k = 0; k < BudgetFilterSwitches::KindCount; ++k) {
            if (!s.offered[size_t(k)]) continue;
            if (s.kinds[size_t(k)]) line += QString::fromUtf8(texts[k]);
            else someOff = true;
        }
        if (someOff) lines << line.left(kDescriptionLineLength);
    }
    if (upper.contains(QStringLiteral("BT_KLASYFIKACJA"))) {
        if (s.classificationMode == 0) {
            if (std::any_of(s.unrestricted.begin(), s.unrestricted.end(), [](bool u) { return !u; })) {
                QStringList parts;
                for (int i = 0; i < 4; ++i) parts << (s.unrestricted[size_t(i)] ? QStringLiteral("*") : s.maskParts[size_t(i)]);
                lines << (QStringLiteral("Maska klasyfikacji budżetowej: ") + parts.join(separator)).left(kDescriptionLineLength);
            }
        } else if (!s.chosenUnrestricted && !s.chosenSymbols.isEmpty()) {
            lines << (QStringLiteral("Klasyfikacja budżetowa: ") + s.chosenSymbols.join(QStringLiteral(", "))).left(kDescriptionLineLength);
        }
    }
    return lines;
}

BudgetFilterSwitches switchesOf(const BudgetFilterSettings& settings, const QString& side, const QStringList& chosenSymbols) {
    using S = BudgetFilterSwitches;
    S s;
    const bool revenue = side == QStringLiteral("D");
    s.offered = {!revenue, !revenue, !revenue, true, revenue, revenue};
    s.kinds = {settings.expenditure[Wydatki], settings.expenditure[Koszty], settings.expenditure[Zaangazowanie],
               revenue ? settings.revenue[SrodkiD] : settings.expenditure[SrodkiW], settings.revenue[Dochody], settings.revenue[Wplywy]};
    const MaskPart* parts[] = {&settings.dzial, &settings.rozdzial, &settings.paragraf, &settings.pozycja};
    for (int i = 0; i < 4; ++i) {
        s.unrestricted[size_t(i)] = parts[i]->unrestricted();
        s.maskParts[size_t(i)] = parts[i]->unrestricted() ? QStringLiteral("*") : parts[i]->text.trimmed();
    }
    s.classificationMode = settings.classification == ClassificationChoice::Wybrana ? 1 : 0;
    s.chosenSymbols = chosenSymbols;
    s.chosenUnrestricted = chosenSymbols.isEmpty();
    return s;
}

} // namespace ksiega::budget
