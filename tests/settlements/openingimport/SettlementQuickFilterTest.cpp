// The ledger quick filter over the opening-balance settlement list: each of its conditions
// reaches the settlements, and one the views cannot read never breaks the list.
#include "OpeningImportFixture.h"
#include "settlements/openingimport/OpeningImportController.h"
#include "settlements/openingimport/SettlementQuickFilter.h"

using namespace ksiega;
using namespace ksiega::settlements;

namespace {

TEST(SettlementQuickFilterSplit, splitsAtTopLevelAndOnlyOutsideTextsAndParentheses) {
    EXPECT_EQ(topLevelConditions("(PDU:ID_PACZKA=1 OR PDU:ID_PACZKA=2) AND PDU:STRONA=0 and PDU:OPIS='A AND B'"),
              (QStringList{"(PDU:ID_PACZKA=1 OR PDU:ID_PACZKA=2)", "PDU:STRONA=0", "PDU:OPIS='A AND B'"}));
    EXPECT_EQ(topLevelConditions("PDU:OPIS='O''BRAND' AND PDU:KWOTA_WN>0"), (QStringList{"PDU:OPIS='O''BRAND'", "PDU:KWOTA_WN>0"}));
    EXPECT_EQ(topLevelConditions("PDU:BRANDT=1"), QStringList{"PDU:BRANDT=1"});
    EXPECT_TRUE(topLevelConditions("").isEmpty());
}

class SettlementQuickFilterTest : public test::OpeningImportTest {
protected:
    QStringList listed(const QString& quick, QStringList* dropped = nullptr) {
        services.onQuickFilter = [quick](const QString& mode) { return mode == "2" ? quick : QString(); };
        OpeningImportController c(db(), session(), services);
        c.accountFilterWindow = [] { return uint8_t(0); };
        c.open();
        c.runQuickFilter();
        if (dropped) *dropped = c.quickFilterDropped();
        EXPECT_TRUE(c.browser().filterError().isEmpty()) << c.browser().filterError().toStdString();
        EXPECT_TRUE(dialogs.texts(ui::ScriptedDialogs::Kind::Warning).isEmpty());
        c.summaryRows();   // the aggregate over the same filter must read too
        QStringList out;
        auto& list = c.browser().list();
        for (int r = 0; r < list.rowCount(); ++r) out << QString::number(list.idAt(r));
        out.sort();
        return out;
    }
    QStringList ids(std::initializer_list<int64_t> list) {
        QStringList out;
        for (int64_t id : list) out << QString::number(id);
        out.sort();
        return out;
    }
};
KSIEGA_ON_BOTH_ENGINES(SettlementQuickFilterTest);

TEST_P(SettlementQuickFilterTest, sideAndDocumentDateAreTheSettlementsOwn) {
    const QStringList all = listed("");
    for (const QString& id : ids({boAlfa, boBeta, boZaliczka})) ASSERT_TRUE(all.contains(id));
    const QStringList credit = listed("PDU:STRONA=1");
    EXPECT_TRUE(credit.contains(QString::number(boBeta)));
    EXPECT_FALSE(credit.contains(QString::number(boAlfa)));
    const QStringList debit = listed("PDU:STRONA=0");
    EXPECT_TRUE(debit.contains(QString::number(boAlfa)));
    EXPECT_FALSE(debit.contains(QString::number(boBeta)));
    // Document dates: a range holding none of the settlements' dates lists nothing.
    const int64_t first = scalar("select min(data_dok) from ROZRACHUNEK where czy_bo=1");
    EXPECT_TRUE(listed(QStringLiteral("PDU:DATA_DOK_ORG>=%1 AND PDU:DATA_DOK_ORG<=%1").arg(first - 400)).isEmpty());
    EXPECT_FALSE(listed(QStringLiteral("PDU:DATA_DOK_ORG>=%1 AND PDU:DATA_DOK_ORG<=%2").arg(first).arg(first + 400)).isEmpty());
}

TEST_P(SettlementQuickFilterTest, periodsAndDocumentsAreThoseOfTheCarryingLine) {
    const QStringList all = listed("");
    EXPECT_EQ(listed(QStringLiteral("(PDU:DATA_OKRESU=%1 OR PDU:DATA_OKRESU=%2)").arg(f().bo2026()).arg(f().month2026(3))), all);
    EXPECT_TRUE(listed(QStringLiteral("PDU:DATA_OKRESU=%1").arg(f().month2026(3))).isEmpty());
    const int64_t opening = scalar("select id_nag_dok from POZ_DOK where id_poz_dok=(select id_poz_dok_f from ROZRACHUNEK "
                                   "where id_rozrachunku=?)",
                                   {boZaliczka});
    EXPECT_TRUE(listed(QStringLiteral("PDU:ID_NAG_DOK=%1").arg(opening)).contains(QString::number(boZaliczka)));
    EXPECT_TRUE(listed("PDU:ID_NAG_DOK=-1").isEmpty());
}

TEST_P(SettlementQuickFilterTest, aConditionNoViewCanReadIsLeftOutAndTheListStillReads) {
    const QStringList all = listed("");
    QStringList dropped;
    EXPECT_EQ(listed("PDU:NIE_MA_TAKIEGO_POLA=1 AND PDU:STRONA=0", &dropped), listed("PDU:STRONA=0"));
    EXPECT_EQ(dropped, QStringList{"PDU:NIE_MA_TAKIEGO_POLA=1"});
    // A text with a quote stays a text.
    EXPECT_TRUE(listed("PDU:OPIS='O''Brien; drop table ROZRACHUNEK'", &dropped).isEmpty());
    EXPECT_TRUE(dropped.isEmpty());
    EXPECT_EQ(listed(""), all);
    // An unbalanced expression is left out as a whole condition, not half read.
    EXPECT_EQ(listed("PDU:OPIS='abc", &dropped), all);
    EXPECT_EQ(dropped.size(), 1);
}

} // namespace
