#include "budget/quickfilter/BudgetFilterExpression.h"
#include "platform/db/SqlText.h"
#include "platform/runtime/FilterExpression.h"
#include "platform/runtime/TextFunctions.h"
#include <algorithm>

namespace ksiega::budget {

namespace {

const QString AND = QStringLiteral(" AND ");

// " AND (F=a OR F=b)" when at least one row is unchecked; " AND F=-1" when none is checked.
QString orList(const std::vector<ListRow>& rows, const QString& field) {
    if (std::all_of(rows.begin(), rows.end(), [](const ListRow& r) { return r.checked; })) return QString();
    QStringList terms;
    for (const ListRow& r : rows)
        if (r.checked) terms << field + QChar('=') + QString::number(r.id);
    if (terms.isEmpty()) return AND + field + QStringLiteral("=-1");
    return AND + QChar('(') + terms.join(QStringLiteral(" OR ")) + QChar(')');
}

QString markedTexts(int64_t user, int browser) {
    return QStringLiteral("(select opis_elementu from ZAZNACZENIE where id_uzytkownika=") + QString::number(user) +
           QStringLiteral(" AND id_browsera=") + QString::number(browser) + QStringLiteral(" AND opis_elementu<>'')");
}

QString senses(const BudgetFilterInput& in) {
    static const char* const w[] = {"BTV:RODZAJ_WY", "BTV:RODZAJ_K", "BTV:RODZAJ_Z", "BTV:RODZAJ_X"};
    static const char* const d[] = {"BTV:RODZAJ_D", "BTV:RODZAJ_WP", "BTV:RODZAJ_X"};
    QStringList terms;
    if (in.side == QStringLiteral("D")) {
        for (int i = 0; i < RevenueFlagCount; ++i)
            if (in.settings.revenue[size_t(i)]) terms << QString::fromLatin1(d[i]) + QStringLiteral("=1");
    } else {
        for (int i = 0; i < ExpenditureFlagCount; ++i)
            if (in.settings.expenditure[size_t(i)]) terms << QString::fromLatin1(w[i]) + QStringLiteral("=1");
    }
    if (terms.isEmpty()) return QString();
    return AND + QChar('(') + terms.join(QStringLiteral(" OR ")) + QChar(')');
}

QString dateRange(const DateRange& range, const QString& field) {
    if (range.choice != DateChoice::Okreslony) return QString();
    return AND + field + QStringLiteral(">=") + QString::number(range.first) + AND + field + QStringLiteral("<=") +
           QString::number(range.second);
}

// " AND (wn OR ma)" for both sides, " AND (wn)" or " AND (ma)" for one.
QString bothSides(const BudgetFilterSettings& s, const QString& wn, const QString& ma) {
    QStringList terms;
    if (s.sideDt) terms << wn;
    if (s.sideCt) terms << ma;
    if (terms.isEmpty()) return QString();
    return AND + QChar('(') + terms.join(QStringLiteral(" OR ")) + QChar(')');
}

QString accounts(const BudgetFilterInput& in) {
    const BudgetFilterSettings& s = in.settings;
    switch (s.account) {
    case AccountScope::Wszystkie:
        if (s.sideDt && !s.sideCt) return AND + QStringLiteral("BTV:KONTO_WN<>''");
        if (s.sideCt && !s.sideDt) return AND + QStringLiteral("BTV:KONTO_MA<>''");
        return QString();
    case AccountScope::Zakres: {
        const QString a = db::quoted(paddedRangeEnd(s.rangeFirst)), b = db::quoted(paddedRangeEnd(s.rangeSecond));
        auto range = [&](const QString& column) {
            return sqlPiece(QStringLiteral("Left(%1,3)>=").arg(column) + a + QStringLiteral(" AND Left(%1,3)<=").arg(column) + b);
        };
        return bothSides(s, range(QStringLiteral("KONTO_WN")), range(QStringLiteral("KONTO_MA")));
    }
    case AccountScope::Maska: {
        const QString mask = db::quoted(ZAMIEN_ZNAKI(s.accountMask.trimmed()));
        return bothSides(s, sqlPiece(QStringLiteral("KONTO_WN like ") + mask), sqlPiece(QStringLiteral("KONTO_MA like ") + mask));
    }
    case AccountScope::Wybrane:
        if (s.severalAccounts) {
            const QString marked = markedTexts(in.user, 11);
            QStringList terms;
            if (s.sideDt) terms << QStringLiteral("KONTO_WN in ") + marked;
            if (s.sideCt) terms << QStringLiteral("KONTO_MA in ") + marked;
            if (terms.isEmpty()) return QString();
            return AND + QChar('(') + sqlPiece(terms.join(QStringLiteral(" OR "))) + QChar(')');
        }
        return bothSides(s, fieldEquals(QStringLiteral("BTV:KONTO_WN"), s.chosenAccount.trimmed()),
                         fieldEquals(QStringLiteral("BTV:KONTO_MA"), s.chosenAccount.trimmed()));
    }
    return QString();
}

QString classification(const BudgetFilterInput& in) {
    const BudgetFilterSettings& s = in.settings;
    if (s.classification == ClassificationChoice::Wybrana) {
        if (s.severalSymbols) return AND + sqlPiece(QStringLiteral("BT_KLASYFIKACJA in ") + markedTexts(in.user, 36));
        if (s.chosenClassification.trimmed().isEmpty()) return QString();
        return AND + fieldEquals(QStringLiteral("BTV:BT_KLASYFIKACJA"), s.chosenClassification.trimmed());
    }
    const QString mask = classificationMask(s.dzial, s.rozdzial, s.paragraf, s.pozycja, in.separator);
    if (mask.isEmpty()) return QString();
    if (mask.contains(QChar('*')) || mask.contains(QChar('?')))
        return AND + sqlPiece(QStringLiteral("BT_KLASYFIKACJA like ") + db::quoted(ZAMIEN_ZNAKI(mask)));
    return AND + fieldEquals(QStringLiteral("BTV:BT_KLASYFIKACJA"), mask);
}

} // namespace

QString paddedRangeEnd(const QString& end) {
    return end.trimmed().rightJustified(3, QChar('0'));
}

QString classificationMask(const MaskPart& dzial, const MaskPart& rozdzial, const MaskPart& paragraf, const MaskPart& pozycja,
                           const QString& separator) {
    const MaskPart* parts[] = {&dzial, &rozdzial, &paragraf, &pozycja};
    int last = -1;   // the last restricted part
    for (int i = 0; i < 4; ++i)
        if (!parts[i]->unrestricted()) last = i;
    if (last < 0) return QString();
    QStringList texts;
    for (int i = 0; i <= last; ++i) texts << (parts[i]->unrestricted() ? QStringLiteral("*") : parts[i]->text.trimmed());
    QString mask = texts.join(separator);
    // What follows the last restricted part: nothing more after an analytic part; after a
    // paragraf the analytic part may or may not be there; otherwise the remaining parts.
    if (last == 2) mask += QChar('*');
    else if (last < 2) mask += separator + QChar('*');
    return mask;
}

QString buildBudgetFilterExpression(const BudgetFilterInput& in) {
    const BudgetFilterSettings& s = in.settings;
    QString e;
    if (!in.forExport) {
        if (in.year > 0) e += AND + QStringLiteral("BTV:ID_LATA_OBROT=") + QString::number(in.year);
        e += senses(in);
        e += dateRange(s.bookingDates, QStringLiteral("BTV:DATA_BIEZACA"));
        e += dateRange(s.documentDates, QStringLiteral("BTV:DATA_DOK_ORG"));
    }
    e += accounts(in);
    e += classification(in);
    e += orList(in.journals, QStringLiteral("BTV:ID_PACZKA"));
    if (!in.forExport) e += orList(in.periods, QStringLiteral("BTV:DATA_OKRESU"));
    e += orList(in.documentTypes, QStringLiteral("BTV:ID_TYP_DOK"));
    if (e.startsWith(AND)) e.remove(0, AND.size());
    return e;
}

} // namespace ksiega::budget
