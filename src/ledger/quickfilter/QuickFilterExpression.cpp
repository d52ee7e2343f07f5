#include "ledger/quickfilter/QuickFilterExpression.h"
#include "platform/db/SqlText.h"
#include "platform/runtime/FilterExpression.h"
#include "platform/runtime/TextFunctions.h"
#include <algorithm>

namespace ksiega::ledger {

namespace {

const QString AND = QStringLiteral(" AND ");

// " AND (F=a OR F=b)" when at least one row is unchecked; " AND F=-1" when none is checked.
template <class Row, class Value>
QString orList(const std::vector<Row>& rows, const QString& field, Value value) {
    if (std::all_of(rows.begin(), rows.end(), [](const Row& r) { return r.checked; })) return QString();
    QStringList terms;
    for (const Row& r : rows)
        if (r.checked) terms << field + QChar('=') + QString::number(value(r));
    if (terms.isEmpty()) return AND + field + QStringLiteral("=-1");
    return AND + QChar('(') + terms.join(QStringLiteral(" OR ")) + QChar(')');
}

QString markedIn(const QString& column, const QString& element, int64_t user, int64_t browser) {
    return AND + sqlPiece(column + QStringLiteral(" in (select ") + element +
                          QStringLiteral(" from ZAZNACZENIE where id_uzytkownika=") + QString::number(user) +
                          QStringLiteral(" AND id_browsera=") + QString::number(browser) + QChar(')'));
}

QString dateRange(const DateRange& range, const QString& field) {
    if (range.choice != DateChoice::Okreslony) return QString();
    return AND + field + QStringLiteral(">=") + QString::number(range.first) + AND + field + QStringLiteral("<=") +
           QString::number(range.second);
}

QString accounts(const QuickFilterInput& in) {
    const QuickFilterSettings& s = in.settings;
    switch (s.account) {
    case AccountScope::Wszystkie:
        return QString();
    case AccountScope::Zakres:
        return AND + sqlPiece(QStringLiteral("Left(KONTO,3)>=") + db::quoted(paddedRangeEnd(s.rangeFirst)) +
                              QStringLiteral(" AND Left(KONTO,3)<=") + db::quoted(paddedRangeEnd(s.rangeSecond)));
    case AccountScope::Maska:
        return AND + sqlPiece(QStringLiteral("KONTO like ") + db::quoted(ZAMIEN_ZNAKI(s.accountMask)));
    case AccountScope::Wybrane:
        if (s.severalAccounts) return markedIn(QStringLiteral("KONTO"), QStringLiteral("opis_elementu"), in.user, 11);
        return AND + fieldEquals(QStringLiteral("PDU:KONTO"), s.chosenAccount);
    case AccountScope::Kartoteka:
        return AND + sqlPiece(QStringLiteral("KONTO in(") +
                              (in.partyAccounts.isEmpty() ? QStringLiteral("''") : in.partyAccounts) + QChar(')'));
    }
    return QString();
}

QString budgetKinds(const QuickFilterSettings& s) {
    static const char* const fields[BudgetKindCount] = {"PDU:RODZAJ_D", "PDU:RODZAJ_WP", "PDU:RODZAJ_WY",
                                                        "PDU:RODZAJ_K", "PDU:RODZAJ_Z", "PDU:RODZAJ_X"};
    if (std::all_of(s.budgetKinds.begin(), s.budgetKinds.end(), [](bool on) { return on; })) return QString();
    QStringList terms;
    for (int k = 0; k < BudgetKindCount; ++k)
        if (s.budgetKinds[size_t(k)]) terms << QString::fromLatin1(fields[k]) + QStringLiteral("=1");
    if (terms.isEmpty()) return QString();
    return AND + QChar('(') + terms.join(QStringLiteral(" OR ")) + QChar(')');
}

QString classification(const QuickFilterInput& in) {
    const QuickFilterSettings& s = in.settings;
    if (s.classification == ClassificationChoice::Wybrana) {
        if (s.severalSymbols)
            return markedIn(QStringLiteral("BT_KLASYFIKACJA"), QStringLiteral("opis_elementu"), in.user, 36);
        return AND + fieldEquals(QStringLiteral("PDU:BT_KLASYFIKACJA"), s.chosenClassification);
    }
    if (s.dzial.any && s.rozdzial.any && s.paragraf.any && s.pozycja.any) return QString();
    auto part = [](const MaskPart& p) { return p.any ? QStringLiteral("*") : p.text; };
    const QString mask = part(s.dzial) + in.btSeparator + part(s.rozdzial) + in.btSeparator + part(s.paragraf) +
                         in.btSeparator + part(s.pozycja);
    return AND + sqlPiece(QStringLiteral("BT_KLASYFIKACJA like ") + db::quoted(ZAMIEN_ZNAKI(mask)));
}

} // namespace

QString paddedRangeEnd(const QString& end) {
    return end.trimmed().rightJustified(3, QChar('0'));
}

QString buildQuickFilterExpression(const QuickFilterInput& in) {
    const QuickFilterSettings& s = in.settings;
    QString e;
    e += orList(in.journals, QStringLiteral("PDU:ID_PACZKA"), [](const ListRow& r) { return r.id; });
    e += orList(in.periods, QStringLiteral("PDU:DATA_OKRESU"), [](const PeriodRow& r) { return int64_t(r.date); });
    e += orList(in.documentTypes, QStringLiteral("PDU:ID_TYP_DOK"), [](const ListRow& r) { return r.id; });

    if (s.document == DocumentChoice::Wybrany) {
        if (s.severalDocuments)
            e += markedIn(QStringLiteral("ID_NAG_DOK"), QStringLiteral("id_elementu"), in.user, 1);
        else if (const int64_t id = s.documentId.trimmed().toLongLong(); id != 0)
            e += AND + QStringLiteral("PDU:ID_NAG_DOK=") + QString::number(id);
    }

    if (in.accountsUsed) e += accounts(in);

    if (s.sideDt && !s.sideCt) e += AND + QStringLiteral("PDU:STRONA=0");
    if (s.sideCt && !s.sideDt) e += AND + QStringLiteral("PDU:STRONA=1");

    e += dateRange(s.bookingDates, QStringLiteral("PDU:DATA_BIEZACA"));
    e += dateRange(s.documentDates, QStringLiteral("PDU:DATA_DOK_ORG"));

    if (in.budgetEdition) {
        e += budgetKinds(s);
        e += classification(in);
    }

    if (e.startsWith(AND)) e.remove(0, AND.size());
    return e;
}

} // namespace ksiega::ledger
