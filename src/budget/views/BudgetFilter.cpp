#include "budget/views/BudgetFilter.h"
#include "platform/db/SqlText.h"
#include "platform/runtime/FilterExpression.h"
#include "platform/runtime/TextFunctions.h"
#include <vector>

namespace ksiega::budget {

namespace {

QString wrapped(const QString& part) { return part.isEmpty() ? QString() : QStringLiteral("(") + part + QStringLiteral(")"); }

QString build(const BudgetFilterParts& p, bool withUser, bool withDictionary) {
    FilterBuilder f;
    f.add(QStringLiteral("BTV:ID_FIRMY=%1").arg(p.company));
    if (withUser) {
        f.add(wrapped(p.quickOrSaved));
        if (withDictionary) f.add(wrapped(p.dictionary));
        f.add(wrapped(p.classification));
    }
    f.add(fieldEquals(QStringLiteral("BTV:TYP"), p.side));
    f.add(p.markedOnly);
    return f.text();
}

} // namespace

ComposedFilter composeBudgetFilter(const BudgetFilterParts& parts) {
    ComposedFilter out;
    const bool dictionary = parts.dictionary.size() < kMaxDictionaryPart;
    out.dictionaryDropped = !dictionary;
    out.filter = build(parts, true, dictionary);
    if (out.filter.size() >= kMaxWholeFilter) {
        out.userDropped = true;
        out.filter = build(parts, false, false);
    }
    return out;
}

QString symbolCondition(const QString& symbol) {
    return symbol.isEmpty() ? QString() : fieldEquals(QStringLiteral("BTV:BT_KLASYFIKACJA"), symbol);
}

QString classificationMask(const QString& chosen, const QString& separator) {
    const QString sep = separator.isEmpty() ? QStringLiteral("-") : separator;
    QStringList parts = chosen.trimmed().split(sep);
    // dział, rozdział, paragraf, analytic (anything further belongs to the analytic part)
    while (parts.size() > 4) parts[3] += sep + parts.takeAt(4);
    while (parts.size() < 4) parts << QString();
    for (QString& p : parts) p = p.trimmed();
    int last = -1;
    for (int i = 0; i < 4; ++i)
        if (!parts[i].isEmpty()) last = i;
    if (last < 0) return {};
    static const int widths[3] = {3, 5, 4};
    QStringList out;
    for (int i = 0; i <= last; ++i) out << (parts[i].isEmpty() ? QString(widths[i], QLatin1Char('?')) : parts[i]);
    QString mask = out.join(sep);
    // Parts left out after the last given one: any value of them, or none.
    if (last < 3) mask += QLatin1Char('*');
    return mask;
}

QString maskCondition(const QString& mask) {
    if (mask.isEmpty()) return {};
    if (mask.contains(QLatin1Char('*')) || mask.contains(QLatin1Char('?')))
        return sqlPiece(QStringLiteral("BT_KLASYFIKACJA like ") + db::quoted(ZAMIEN_ZNAKI(mask)));
    return symbolCondition(mask);
}

QString dictionaryCondition(const std::vector<DictionaryChoice>& choices) {
    FilterBuilder f;
    for (const DictionaryChoice& c : choices)
        f.add(sqlPiece(QStringLiteral("ID_POZ_DOK %1 (select distinct sd1.id_poz_dok from SLOW_DANE sd1 where sd1.id_kartoteki_poz=%2)")
                           .arg(c.op.trimmed() == QLatin1String("=") ? QStringLiteral("in") : QStringLiteral("not in"))
                           .arg(c.idKartotekiPoz)));
    return f.text();
}

QString markedOnlyCondition(int64_t user, int browser) {
    return sqlPiece(QStringLiteral("ID_BT_DANE in (select id_elementu from ZAZNACZENIE where id_uzytkownika=%1 AND "
                                   "id_browsera=%2 AND opis_elementu='')")
                        .arg(user)
                        .arg(browser));
}

} // namespace ksiega::budget
