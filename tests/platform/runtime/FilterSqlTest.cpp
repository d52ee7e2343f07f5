#include "platform/runtime/FilterExpression.h"
#include <gtest/gtest.h>

using namespace ksiega;

namespace {

FilterTranslation translated(const QString& filter, const FilterRules& rules = {}) { return translateFilter(filter, rules); }

} // namespace

// The texts the quote-only scanner read differently from one of the engines: every one ended
// the SQL(...) piece somewhere else than the server does.
TEST(FilterSql, piecesThatEitherEngineReadsDifferentlyAreRefusedAtThePersonsOwnPosition) {
    const QString sqlite = QStringLiteral("SQL(\"'\"))) OR 1=1 ; \"'\")");
    FilterTranslation t = translated(sqlite);
    EXPECT_FALSE(t.ok());
    EXPECT_EQ(t.errorPosition, 4) << t.error.toStdString();   // the double quote
    EXPECT_TRUE(t.error.contains(QStringLiteral("pozycja 5"))) << t.error.toStdString();

    const QString postgres = QStringLiteral("PDU:status=2 AND SQL(opis = E'\\'')) OR 1=1 OR (opis=')");
    t = translated(postgres);
    EXPECT_FALSE(t.ok());
    EXPECT_EQ(t.errorPosition, postgres.indexOf(QStringLiteral("E'")) + 1) << t.error.toStdString();

    struct Case {
        const char* filter;
        const char* where;   // what in the filter the refusal points at
    };
    for (const Case c : std::initializer_list<Case>{
             {"SQL(opis = $$a$$)", "$$"},
             {"SQL(opis = $x$') OR 1=1 OR (opis='$x$)", "$x$"},
             {"SQL(konto = 'a' -- ')", "--"},
             {"SQL(konto = 'a' /* ')", "/*"},
             {"SQL(1=1; select 1)", ";"},
             {"SQL(opis = 'a\\' OR 1=1 OR opis = ')", "')"},   // the backslash ends no text: the last quote opens one
             {"SQL(opis = N'a')", "'a"},
             {"SQL(konto = `x`)", "`"},
             {"SQL(konto = [x])", "["},
             {"SQL(konto::text = '1')", ":"},
             {"SQL(kwota = $1)", "$1"},
             {"SQL(konto = 'a)", "'a)"},
         }) {
        const QString f = QString::fromUtf8(c.filter);
        t = translated(f);
        EXPECT_FALSE(t.ok()) << c.filter << " -> " << t.where.toStdString();
        EXPECT_EQ(t.errorPosition, f.indexOf(QString::fromUtf8(c.where))) << c.filter << ": " << t.error.toStdString();
    }
}

// A piece that scans cleanly is still only a condition over the list's columns.
TEST(FilterSql, onlyTheWhitelistedGrammarIsAccepted) {
    for (const char* bad : {
             "SQL(length(pg_read_file('/etc/passwd')) > 0)",
             "SQL(pg_sleep(10) is null)",
             "SQL(lo_import('/etc/passwd') > 0)",
             "SQL(setval('poz_dok_id_poz_dok_seq', 1) > 0)",
             "SQL(konto in (select usename from pg_catalog.pg_user))",
             "SQL(konto in (select nazwa from FIRMA))",
             "SQL(id_poz_dok in (select id_poz_dok from POZ_DOK_VIEW_UNION where kwota_wn > 0))",
             "SQL(id_poz_dok in (select id_elementu from ZAZNACZENIE where id_uzytkownika=3 OR 1=1))",
             "SQL(id_poz_dok in (select id_elementu from ZAZNACZENIE))",
             "SQL(exists (select 1 from ZAZNACZENIE where id_uzytkownika=3))",
             "SQL(kwota_wn > (select max(kwota_wn) from POZ_DOK_VIEW_UNION where id_firmy=1))",
             "SQL(haslo = 'x')",
             "SQL(konto = current_user)",
             "SQL(sqlite_version() > '0')",
             "SQL(ctid is not null)",
             "SQL(konto like 'a' escape)",
             "PDU:nieznane=1",
             "SQL(opis like 'a\\%')",
             "SQL(" "((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((1=1"
             "))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))",
         }) {
        const FilterTranslation t = translated(QString::fromUtf8(bad));
        EXPECT_FALSE(t.ok()) << bad << " -> " << t.where.toStdString();
        EXPECT_GE(t.errorPosition, 0) << bad;
    }
    for (const char* good : {
             "SQL(konto like '201!_%' escape '!' AND NOT konto like '201-9%')",
             "SQL(konto in ('130-01','131-01') AND kwota_wn BETWEEN 100 AND 200.50)",
             "SQL(opis is not null AND coalesce(opis,'') <> '' AND lower(Left(konto,3)) >= '201')",
             "SQL((kwota_wn - kwota_ma) * 2 / 1 % 7 + -1 <> 0 OR upper(substring(konto,1,3)) || 'x' = '201x')",
             "SQL(id_dokument_pozycja in (select id_elementu from ZAZNACZENIE where id_uzytkownika=3 AND id_browsera=40))",
             "SQL(id_poz_dok in (select e.id_poz_dok from POZ_DOK_VIEW_UNION e where e.id_lata_obrot=7 AND (e.strona=0)))",
             "SQL(opis = 'a;b -- c /* d \" e $$ f ''g''')",
             "PDU:opis='a\\'",
             "SQL(opis = 'C:\\dane' OR opis like '%\\' escape '!' OR opis like '\\%' escape '\\')",
         }) {
        const FilterTranslation t = translated(QString::fromUtf8(good));
        EXPECT_TRUE(t.ok()) << good << ": " << t.error.toStdString();
    }
}

TEST(FilterSql, theCallersColumnsAndScopeNarrowWhatIsAccepted) {
    FilterRules rules;
    rules.columns = {QStringLiteral("konto"), QStringLiteral("id_dokument_pozycja"), QStringLiteral("id_elementu"),
                     QStringLiteral("id_uzytkownika"), QStringLiteral("id_browsera")};
    rules.scope.user = 3;
    EXPECT_TRUE(translated("PDU:konto='1' AND SQL(konto like '2%')", rules).ok());
    EXPECT_FALSE(translated("PDU:opis='1'", rules).ok());
    const QString marked = QStringLiteral(
        "SQL(id_dokument_pozycja in (select id_elementu from ZAZNACZENIE where id_uzytkownika=%1 AND id_browsera=40))");
    EXPECT_TRUE(translated(marked.arg(3), rules).ok());
    const FilterTranslation other = translated(marked.arg(4), rules);
    EXPECT_FALSE(other.ok());
    EXPECT_TRUE(other.error.contains(QStringLiteral("ZAZNACZENIE"))) << other.error.toStdString();
}

TEST(FilterSql, textsMayHoldAnyCharacterButNulAndBrokenUtf16) {
    EXPECT_TRUE(translated(QStringLiteral("PDU:opis='zażółć ''gęślą'' ; -- /* $$'")).ok());
    EXPECT_FALSE(translated(QStringLiteral("PDU:opis='a") + QChar(0) + QStringLiteral("b'")).ok());
    EXPECT_FALSE(translated(QStringLiteral("SQL(opis='a") + QChar(0xD800) + QStringLiteral("')")).ok());
    const QString invalidUtf8 = QString::fromUtf8("SQL(opis='\xC3\x28\xFF')");   // decoded with replacement characters
    EXPECT_TRUE(translated(invalidUtf8).ok());
    EXPECT_FALSE(translated(QStringLiteral("SQL(opis") + QChar(0x00A0) + QStringLiteral("= 'a')")).ok());
}
