#include "costcentres/MpkQuickFilterExpression.h"
#include "costcentres/MpkTexts.h"
#include "platform/db/SqlText.h"
#include "platform/runtime/TextFunctions.h"

namespace ksiega::costcentres {

namespace {

bool anyMarked(const std::vector<MarkRow>& rows) {
    for (const MarkRow& r : rows)
        if (r.marked) return true;
    return false;
}

// "<wszystkie>" marked: no condition. Otherwise the marked rows or'ed, or a condition
// that holds for no row when none is marked.
QString listCondition(const std::vector<MarkRow>& rows, const QString& field) {
    if (!rows.empty() && rows.front().marked) return {};
    QString out;
    for (size_t i = 1; i < rows.size(); ++i) {
        if (!rows[i].marked) continue;
        out += (out.isEmpty() ? QStringLiteral(" AND (") : QStringLiteral(" OR ")) + field + QLatin1Char('=') +
               QString::number(rows[i].id);
    }
    if (out.isEmpty()) return QStringLiteral(" AND ") + field + QStringLiteral("=-1");
    return out + QLatin1Char(')');
}

} // namespace

QString validate(const MpkQuickFilterChoice& c) {
    if (!anyMarked(c.journals)) return texts::NO_JOURNAL;
    if (!anyMarked(c.types)) return texts::NO_TYPE;
    if (!anyMarked(c.periods)) return texts::NO_PERIOD;
    if (!c.sideDt && !c.sideCt) return texts::NO_SIDE;
    if (c.account == AccountChoice::Range && (c.rangeFrom.trimmed().isEmpty() || c.rangeTo.trimmed().isEmpty()))
        return texts::NO_RANGE;
    if (c.account == AccountChoice::Mask && c.mask.trimmed().isEmpty()) return texts::NO_MASK;
    if (c.account == AccountChoice::Single && c.single.trimmed().isEmpty()) return texts::NO_ACCOUNT;
    return {};
}

QString rangeBound(const QString& bound) {
    return bound.trimmed().leftJustified(3, QLatin1Char('0'), true);
}

QString expression(const MpkQuickFilterChoice& c) {
    QString e = c.year != 0 ? QStringLiteral("MPK:ID_LATA_OBROT=%1").arg(c.year)
                            : QStringLiteral("MPK:ID_FIRMY=%1").arg(c.firm);
    e += listCondition(c.journals, QStringLiteral("MPK:ID_PACZKA"));
    e += listCondition(c.periods, QStringLiteral("MPK:DATA_OKRESU"));
    e += listCondition(c.types, QStringLiteral("MPK:ID_TYP_DOK"));
    switch (c.account) {
    case AccountChoice::Range:
        e += QStringLiteral(" AND SQL(Left(KONTO,3)>=%1 AND Left(KONTO,3)<=%2)")
                 .arg(db::quoted(rangeBound(c.rangeFrom)), db::quoted(rangeBound(c.rangeTo)));
        break;
    case AccountChoice::Mask:
        e += QStringLiteral(" AND SQL(KONTO like %1)").arg(db::quoted(ZAMIEN_ZNAKI(c.mask.trimmed())));
        break;
    case AccountChoice::Single:
        e += QStringLiteral(" AND MPK:KONTO=%1").arg(db::quoted(c.single.trimmed()));
        break;
    case AccountChoice::All:
        break;
    }
    if (c.postingDates)
        e += QStringLiteral(" AND MPK:DATA_BIEZACA>=%1 AND MPK:DATA_BIEZACA<=%2").arg(c.postingFrom).arg(c.postingTo);
    if (c.documentDates)
        e += QStringLiteral(" AND MPK:DATA_DOK_ORG>=%1 AND MPK:DATA_DOK_ORG<=%2").arg(c.documentFrom).arg(c.documentTo);
    if (c.sideDt && !c.sideCt) e += QStringLiteral(" AND MPK:STRONA='WN'");
    else if (c.sideCt && !c.sideDt) e += QStringLiteral(" AND MPK:STRONA='MA'");
    return e;
}

} // namespace ksiega::costcentres
