#include "budget/views/BudgetSide.h"
#include "platform/ui/help/HelpTopics.h"

namespace ksiega::budget {

namespace {

BudgetFlag flag(const char* column, const char* display, const char* title, int width, const char* label) {
    return {QString::fromLatin1(column), QString::fromLatin1(display), QString::fromUtf8(title), width, QString::fromUtf8(label)};
}

BudgetSide makeExpenditure() {
    BudgetSide s;
    s.code = QStringLiteral("W");
    s.procedure = QStringLiteral("BT_VIEW_W");
    s.captionSuffix = QStringLiteral(" - Wydatki");
    s.prompt = QStringLiteral("Wydatki");
    s.listFlags = {flag("rodzaj_wy", "bro_wydatek", "Wydatek", 4, "Wydatek"), flag("rodzaj_k", "bro_koszt", "Koszt", 4, "Koszt"),
                   flag("rodzaj_z", "bro_zaangazowanie", "Zaangaż", 4, "Zaangażowanie"),
                   flag("rodzaj_x", "bro_srodki", "Środki pien.", 5, "Środki pieniężne")};
    s.summaryFlags = s.listFlags;
    s.browser = 38;
    s.statement = QStringLiteral("BTW");
    s.section = QStringLiteral("BT_view_W");
    s.help = help::BT_VIEW_W;
    return s;
}

BudgetSide makeRevenue() {
    BudgetSide s;
    s.code = QStringLiteral("D");
    s.procedure = QStringLiteral("BT_VIEW_D");
    s.captionSuffix = QStringLiteral(" - Dochody");
    s.prompt = QStringLiteral("Dochody");
    s.listFlags = {flag("rodzaj_d", "bro_dochod", "Dochód", 4, "Dochód"), flag("rodzaj_wp", "bro_wplyw", "Wpływ", 4, "Wpływ"),
                   flag("rodzaj_x", "bro_srodki", "Środki pien.", 5, "Środki pieniężne")};
    s.summaryFlags = {s.listFlags[0], s.listFlags[1]};
    s.browser = 36;
    s.statement = QStringLiteral("BTD");
    s.section = QStringLiteral("BT_view_D");
    s.help = help::BT_VIEW_D;
    s.sharedBrowser = true;
    return s;
}

} // namespace

const BudgetSide& BudgetSide::expenditure() {
    static const BudgetSide s = makeExpenditure();
    return s;
}

const BudgetSide& BudgetSide::revenue() {
    static const BudgetSide s = makeRevenue();
    return s;
}

const BudgetSide& BudgetSide::of(const QString& code) {
    return code.trimmed().compare(QLatin1String("D"), Qt::CaseInsensitive) == 0 ? revenue() : expenditure();
}

} // namespace ksiega::budget
