// The quick filter's expression: which conditions appear, in which order, and that typed
// texts are quoted.
#include "ledger/quickfilter/QuickFilterExpression.h"
#include "platform/db/passthrough/PortableSql.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/FilterExpression.h"
#include "platform/siblings/pickers/DatePickers.h"
#include <gtest/gtest.h>

using namespace ksiega;
using namespace ksiega::ledger;

namespace {

struct Lists {
    std::vector<ListRow> journals{{1, "DZ x", "DZ"}, {2, "KA x", "KA"}, {3, "BA x", "BA"}};
    std::vector<ListRow> types{{7, "PK x", "PK"}, {8, "FV x", "FV"}};
    std::vector<PeriodRow> periods{{"BO", 46020}, {"Styczeń", 46021}, {"BZ", 46355}};
};

QString build(const QuickFilterSettings& s, Lists& l, bool accounts = true, bool budget = false) {
    QuickFilterInput in{s, l.journals, l.types, l.periods, accounts, budget, 5, QStringLiteral("-"),
                        QStringLiteral("'201-01-001'")};
    return buildQuickFilterExpression(in);
}

TEST(QuickFilterExpression, listsAddAnOrGroupOfTheCheckedRowsOnlyWhenOneIsUnchecked) {
    QuickFilterSettings s;
    Lists l;
    EXPECT_EQ(build(s, l), QString());

    l.journals[1].checked = false;
    EXPECT_EQ(build(s, l), QStringLiteral("(PDU:ID_PACZKA=1 OR PDU:ID_PACZKA=3)"));

    // Journals, then periods, then document types.
    l.periods[0].checked = false;
    l.types[0].checked = l.types[1].checked = false;
    EXPECT_EQ(build(s, l), QStringLiteral("(PDU:ID_PACZKA=1 OR PDU:ID_PACZKA=3) AND (PDU:DATA_OKRESU=46021 OR "
                                          "PDU:DATA_OKRESU=46355) AND PDU:ID_TYP_DOK=-1"));
}

TEST(QuickFilterExpression, sidesAddAConditionOnlyWhenOneIsLeftOut) {
    QuickFilterSettings s;
    Lists l;
    EXPECT_EQ(build(s, l), QString());
    s.sideCt = false;
    EXPECT_EQ(build(s, l), QStringLiteral("PDU:STRONA=0"));
    s.sideCt = true;
    s.sideDt = false;
    EXPECT_EQ(build(s, l), QStringLiteral("PDU:STRONA=1"));
}

TEST(QuickFilterExpression, accountChoicesAreWrittenWithTheirTextsQuoted) {
    QuickFilterSettings s;
    Lists l;
    s.account = AccountScope::Zakres;
    s.rangeFirst = QStringLiteral("2");
    s.rangeSecond = QStringLiteral("49");
    EXPECT_EQ(build(s, l), QStringLiteral("SQL(Left(KONTO,3)>='002' AND Left(KONTO,3)<='049')"));
    s.rangeFirst.clear();
    EXPECT_TRUE(build(s, l).contains(QStringLiteral(">='000'")));

    s.account = AccountScope::Maska;
    s.accountMask = QStringLiteral("20'1-?*");
    EXPECT_EQ(build(s, l), QStringLiteral("SQL(KONTO like '20''1-_%')"));

    s.account = AccountScope::Wybrane;
    s.chosenAccount = QStringLiteral("201' OR 1=1 OR '");
    const QString one = build(s, l);
    EXPECT_EQ(one, QStringLiteral("PDU:KONTO='201'' OR 1=1 OR '''"));
    const FilterTranslation t = translateFilter(one);
    ASSERT_TRUE(t.ok()) << t.error.toStdString();
    EXPECT_TRUE(t.where.contains(QStringLiteral("'201'' OR 1=1 OR '''"))) << "one text, not SQL: " << t.where.toStdString();

    s.severalAccounts = true;
    EXPECT_EQ(build(s, l), QStringLiteral("SQL(KONTO in (select opis_elementu from ZAZNACZENIE where id_uzytkownika=5 "
                                          "AND id_browsera=11))"));

    s.account = AccountScope::Kartoteka;
    EXPECT_EQ(build(s, l), QStringLiteral("SQL(KONTO in('201-01-001'))"));

    // Without accounts (mode "2") no account condition at all.
    EXPECT_EQ(build(s, l, false), QString());
}

TEST(QuickFilterExpression, documentAndDatesFollowInTheirOrder) {
    QuickFilterSettings s;
    Lists l;
    s.document = DocumentChoice::Wybrany;
    s.documentId = QStringLiteral("0");
    s.sideDt = false;
    EXPECT_EQ(build(s, l), QStringLiteral("PDU:STRONA=1")) << "document id 0 adds nothing";
    s.documentId = QStringLiteral("42");
    s.bookingDates = {DateChoice::Okreslony, 46100, 46130};
    s.documentDates = {DateChoice::Okreslony, 46090, 46091};
    EXPECT_EQ(build(s, l), QStringLiteral("PDU:ID_NAG_DOK=42 AND PDU:STRONA=1 AND PDU:DATA_BIEZACA>=46100 AND "
                                          "PDU:DATA_BIEZACA<=46130 AND PDU:DATA_DOK_ORG>=46090 AND PDU:DATA_DOK_ORG<=46091"));
    s.severalDocuments = true;
    EXPECT_TRUE(build(s, l).startsWith(QStringLiteral(
        "SQL(ID_NAG_DOK in (select id_elementu from ZAZNACZENIE where id_uzytkownika=5 AND id_browsera=1))")));
}

TEST(QuickFilterExpression, budgetConditionsOnlyInTheBudgetEdition) {
    QuickFilterSettings s;
    Lists l;
    s.budgetKinds[Wydatki] = false;
    s.dzial = {QStringLiteral("801"), false};
    EXPECT_EQ(build(s, l), QString());
    EXPECT_EQ(build(s, l, true, true),
              QStringLiteral("(PDU:RODZAJ_D=1 OR PDU:RODZAJ_WP=1 OR PDU:RODZAJ_K=1 OR PDU:RODZAJ_Z=1 OR PDU:RODZAJ_X=1) "
                             "AND SQL(BT_KLASYFIKACJA like '801-%-%-%')"));
    s.budgetKinds.fill(false);
    s.classification = ClassificationChoice::Wybrana;
    s.chosenClassification = QStringLiteral("801-80101-4210");
    EXPECT_EQ(build(s, l, true, true), QStringLiteral("PDU:BT_KLASYFIKACJA='801-80101-4210'"));
    s.severalSymbols = true;
    EXPECT_EQ(build(s, l, true, true), QStringLiteral("SQL(BT_KLASYFIKACJA in (select opis_elementu from ZAZNACZENIE "
                                                      "where id_uzytkownika=5 AND id_browsera=36))"));
}

TEST(QuickFilterPeriods, aYearAcrossTwoCalendarYearsNamesItsMonthsWithTheYear) {
    const std::vector<PeriodRow> p = fiscalYearPeriods(date::fromYmd(2027, 7, 1), date::fromYmd(2028, 12, 31));
    ASSERT_EQ(p.size(), 20u);
    EXPECT_EQ(p.front().name, QStringLiteral("BO"));
    EXPECT_EQ(p[1].name, QStringLiteral("2027  Lipiec"));
    EXPECT_EQ(p[18].name, QStringLiteral("2028  Grudzień"));
    EXPECT_EQ(p.back().name, QStringLiteral("BZ"));

    std::vector<PeriodRow> q = fiscalYearPeriods(date::fromYmd(2026, 1, 1), date::fromYmd(2029, 12, 31));  // 24 months at most
    EXPECT_EQ(q.size(), 26u);
    EXPECT_EQ(periodDescription(q), QString());
    q[0].checked = false;
    EXPECT_EQ(periodDescription(q).size(), 120);
}

} // namespace

namespace {

TEST(DateRangePicker, anEmptyEndTakesTheOtherAndReversedEndsAreSwapped) {
    int from = 0, to = 46100;
    pickers::normaliseDateRange(from, to);
    EXPECT_EQ(from, 46100);
    from = 46200;
    pickers::normaliseDateRange(from, to);
    EXPECT_EQ(from, 46100);
    EXPECT_EQ(to, 46200);
}

} // namespace

namespace {

TEST(PortableLeft, leftIsWrittenAsSubstrOutsideQuotedTexts) {
    EXPECT_EQ(db::portableSql(QStringLiteral("select 1 from T where Left(KONTO,3)>='002' AND left ( a || 'x,)', 2 )='Left(b,1)'")),
              QStringLiteral("select 1 from T where substr(KONTO,1,3)>='002' AND substr( a || 'x,)',1, 2 )='Left(b,1)'"));
    EXPECT_EQ(db::portableSql(QStringLiteral("select a from T LEFT JOIN U on cleft(x,1)=1")),
              QStringLiteral("select a from T LEFT JOIN U on cleft(x,1)=1"));
}

} // namespace
