#include "platform/db/passthrough/PortableSql.h"
#include "platform/runtime/FilterExpression.h"
#include <gtest/gtest.h>

using namespace ksiega;

static QString where(const QString& filter) {
    const FilterTranslation t = translateFilter(filter);
    EXPECT_TRUE(t.ok()) << t.error.toStdString();
    return t.where;
}

TEST(FilterExpression, ledgerFilterLosesItsPrefixesAndKeepsItsMeaning) {
    EXPECT_EQ(where("PDU:konto='201-01' AND PDU:status=2 AND PDU:czy_rk<>10 AND SQL(konto like '201%') AND PDU:id_lata_obrot=7"),
              "konto='201-01' AND status=2 AND czy_rk<>10 AND ((konto like '201%' and konto >= '201' and konto < '202')) "
              "AND id_lata_obrot=7");
    EXPECT_EQ(where("(PDU:ID_PACZKA=3 OR PDU:ID_PACZKA=5) and pdu:strona=0"), "(ID_PACZKA=3 OR ID_PACZKA=5) AND strona=0");
    EXPECT_EQ(where("PDU:ID_PACZKA=-1"), "ID_PACZKA=-1");
    EXPECT_EQ(where("OBR:ID_LATA_OBROT=7 AND OBR:SYM_WALUTY='PLN' AND OBR:DATA_OKRESU>=82000"),
              "ID_LATA_OBROT=7 AND SYM_WALUTY='PLN' AND DATA_OKRESU>=82000");
    EXPECT_EQ(where("NOT (sygnatura='RK') AND PDU:waluta=''"), "NOT (sygnatura='RK') AND waluta=''");
    EXPECT_EQ(where("   "), "");
}

TEST(FilterExpression, sqlPiecesPassWholeWithNestedParenthesesAndQuotesAndKeepTheirOwnPrecedence) {
    EXPECT_EQ(where("SQL(id_dokument_pozycja in (select id_elementu from ZAZNACZENIE where id_uzytkownika=3 AND id_browsera=40)) AND PDU:id_lata_obrot=7"),
              "(id_dokument_pozycja in (select id_elementu from ZAZNACZENIE where id_uzytkownika=3 AND id_browsera=40)) AND id_lata_obrot=7");
    // A ")" inside a quoted text does not close the piece; prefixes are cut inside it too.
    EXPECT_EQ(where("SQL(PDU:opis = 'a) OR (PDU:x=1' ) AND PDU:status=2"), "(opis = 'a) OR (PDU:x=1') AND status=2");
    // An OR inside a piece cannot escape the AND around it.
    EXPECT_EQ(where("SQL(konto='1' OR konto='2') AND PDU:status=2"), "(konto='1' OR konto='2') AND status=2");
    // The server dialect's few forms are written portably.
    EXPECT_EQ(where("SQL(isnull(opis,'')<>'' AND Substring(konto,1,3)='201')"), "(coalesce(opis,'')<>'' AND substr(konto,1,3)='201')");
}

TEST(FilterExpression, textsAreRequotedSoAQuoteInsideCannotEndThem) {
    EXPECT_EQ(where("PDU:opis='O''Brien'"), "opis='O''Brien'");
    EXPECT_EQ(where("PDU:opis='x'' OR ''1''=''1'"), "opis='x'' OR ''1''=''1'");
    EXPECT_EQ(where(fieldEquals("PDU:opis", "it's ') OR 1=1 --")), "opis='it''s '') OR 1=1 --'");
}

TEST(FilterExpression, brokenFiltersAreRefusedWithAReason) {
    for (const char* bad : {"PDU:opis='abc", "(PDU:status=2", "PDU:status=2)", "SQL(konto like '201%'", "SQL(opis='a)",
                            "PDU:status", "PDU:status=", "= 2", "PDU:status=2 AND", "PDU:status=2 OR OR PDU:x=1",
                            "SQL(1=1; delete from ZAZNACZENIE)", "SQL(1=1 -- )", "PDU:=1", "PDU:status=2x", "SQL()",
                            "PDU:status==2", "PDU:status=2 PDU:x=1"}) {
        const FilterTranslation t = translateFilter(QString::fromLatin1(bad));
        EXPECT_FALSE(t.ok()) << bad << " -> " << t.where.toStdString();
        EXPECT_TRUE(t.where.isEmpty()) << bad;
    }
}

TEST(FilterExpression, cuttingPrefixesLeavesQuotedTextsAlone) {
    EXPECT_EQ(WYTNIJ_PREFIX("PDU:konto='PDU:x' AND SQL(konto like 'A:B%') AND MPK:kod=1"),
              "konto='PDU:x' AND SQL(konto like 'A:B%') AND kod=1");
    EXPECT_EQ(WYTNIJ_PREFIX("PDU:opis='it''s PDU:a' OR BT:x=1"), "opis='it''s PDU:a' OR x=1");
}

TEST(PortableSql, serverFormsAreRewrittenOutsideTextsOnly) {
    using db::portableSql;
    EXPECT_EQ(portableSql("select id_dokument_pozycja from POZ_DOK_VIEW_UNION (NOLOCK) where konto='x'"),
              "select id_dokument_pozycja from POZ_DOK_VIEW_UNION where konto='x'");
    EXPECT_EQ(portableSql("delete from ZAZNACZENIE with (ROWLOCK) where id_uzytkownika=1"),
              "delete from ZAZNACZENIE where id_uzytkownika=1");
    EXPECT_EQ(portableSql("select isnull(a,0), ISNULL (b,0) from T"), "select coalesce(a,0), coalesce(b,0) from T");
    EXPECT_EQ(portableSql("select 1,nr_konta from OBROTY_I_SALDA where Substring(nr_konta,1,3)='201'"),
              "select 1,nr_konta from OBROTY_I_SALDA where substr(nr_konta,1,3)='201'");
    EXPECT_EQ(portableSql("select top 1 konto from T order by konto"), "select konto from T order by konto limit 1");
    EXPECT_EQ(portableSql("select opis from T where opis='isnull( (NOLOCK) top 1'"), "select opis from T where opis='isnull( (NOLOCK) top 1'");
}
