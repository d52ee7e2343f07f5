#include "platform/siblings/statements/StatementCatalogue.h"

namespace ksiega::statements {

std::vector<Statement> statementsFor(const QString& context) {
    const QString c = context.trimmed().toUpper();
    if (c == QLatin1String("KSIEGA_K_1"))
        return {{68, QStringLiteral("Zestawienie zapisów księgowych dla konta")},
                {64, QStringLiteral("Zestawienie zapisów księgowych dla konta w walucie")}};
    if (c == QLatin1String("KSIEGA_K_2")) return {{62, QStringLiteral("Zestawienie obrotów i sald dla konta")}};
    if (c == QLatin1String("KSIEGA_O_1"))
        return {{61, QStringLiteral("Zestawienie zapisów księgowych w okresie")},
                {64, QStringLiteral("Zestawienie zapisów księgowych w okresie w walucie")}};
    if (c == QLatin1String("KSIEGA_O_2")) return {{63, QStringLiteral("Zestawienie obrotów i sald w okresie")}};
    if (c == QLatin1String("KSIEGA_R"))
        return {{65, QStringLiteral("Raport z konta")},
                {66, QStringLiteral("Raport kasowy - RK Nr")},
                {67, QStringLiteral("Raport bankowy")}};
    return {};
}

} // namespace ksiega::statements
