// The filter translator against generated filters: real filters, mutated with the texts
// that desynchronise quote scanners (quotes, comment markers, backslashes, dollar quotes,
// semicolons, invalid UTF-8, NUL). Whatever comes out is either refused, or one condition of
// the checked grammar that, run inside the company's bound scope, lists none of the other
// company's lines, on both engines (on PostgreSQL as the application role, whose connection
// reads a backslash inside '...' as itself). KSIEGA_FUZZ_RUNS sets the number of filters
// (scripts/fuzz-filters).
#include "platform/db/Database.h"
#include "platform/db/DbError.h"
#include "platform/runtime/FilterExpression.h"
#include "support/LedgerFixture.h"
#include "support/TestDatabase.h"
#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <random>

using namespace ksiega;

namespace {

const char* const kSeeds[] = {
    "PDU:konto='201-01' AND PDU:status=2 AND PDU:czy_rk<>10 AND SQL(konto like '201%') AND PDU:id_lata_obrot=7",
    "(PDU:ID_PACZKA=3 OR PDU:ID_PACZKA=5) AND PDU:strona=0",
    "SQL(id_dokument_pozycja in (select id_elementu from ZAZNACZENIE where id_uzytkownika=3 AND id_browsera=40))",
    "SQL(Left(KONTO,3)>='100' AND Left(KONTO,3)<='400') AND PDU:DATA_BIEZACA>=82000",
    "SQL(KONTO like '2__-0%') AND NOT (PDU:opis='O''Brien')",
    "SQL(isnull(opis,'')<>'' AND Substring(konto,1,3)='201')",
    "SQL(konto in ('130-01','131-01') AND kwota_wn BETWEEN 100 AND 20000)",
    "SQL('-' || drzewo_zbior_id like '%!-12!-%' escape '!')",
    "SQL(id_poz_dok in (select e.id_poz_dok from POZ_DOK_VIEW_UNION e where e.id_lata_obrot=7 AND (e.strona=0)))",
    "SQL(opis is not null AND lower(opis) like '%dok%')",
    "SQL(\"'\"))) OR 1=1 ; \"'\")",
    "SQL(opis = E'\\'')) OR 1=1 OR (opis=')",
};

const char* const kInserts[] = {"'", "''", "\"", "--", "/*", "*/", "\\", "$$", "$a$", "E'", ";", ")", "(", ")) OR 1=1 OR ((",
                                "SQL(", ":", "::", "`", "[", "\xFF", "\xC3", " OR ", " AND ", "%", "\\'", "\n", "0x",
                                "1", "(", "x", " NOT ", "-", "!", ",'a'"};

// Texts that keep a filter well formed more often, so that accepted filters are run too.
const char* const kMild[] = {" OR konto='130-01'", " AND status=2", " OR 1=1", " OR id_firmy<>0", " OR id_lata_obrot>0",
                             " AND NOT strona=1", " OR opis='x'' OR 1=1'", " ", "  "};

// Mild mutations only (a third of the runs), so that many filters are accepted and run.
QByteArray mutate(std::mt19937& rng, QByteArray s, bool mild) {
    auto pick = [&](int n) { return int(rng() % unsigned(std::max(n, 1))); };
    const int steps = 1 + pick(4);
    for (int k = 0; k < steps; ++k) {
        const int at = pick(int(s.size()) + 1);
        switch (mild ? 2 : pick(8)) {
        case 0: case 1:
            s.insert(at, kInserts[pick(int(std::size(kInserts)))]);
            break;
        case 2: case 6: case 7: {
            // At a blank, where a whole condition or operand may begin.
            const int blank = s.indexOf(' ', at);
            s.insert(blank < 0 ? at : blank, kMild[pick(int(std::size(kMild)))]);
            break;
        }
        case 3:
            s.remove(at, 1 + pick(6));
            break;
        case 4:
            s.insert(at, s.mid(pick(int(s.size())), 1 + pick(12)));
            break;
        case 5:
            s.insert(at, char(pick(2) ? 0 : pick(128)));
            break;
        }
    }
    return s;
}

struct FuzzFigures {
    int runs = 0, accepted = 0, executed = 0;
};

} // namespace

class FilterFuzz : public ::testing::TestWithParam<db::Engine> {
protected:
    void SetUp() override {
        if (GetParam() == db::Engine::Postgres && !test::ScratchDatabase::postgresAvailable())
            GTEST_SKIP() << "KSIEGA_TEST_PG is not set";
        m_scratch = std::make_unique<test::ScratchDatabase>(GetParam());
        db::Database& d = m_scratch->db();
        test::LedgerFixture a(d);
        m_company = a.company;
        a.postIn2026(3, "130-01", "201-01-001", Money::fromMinor(12300));
        // The other company: its own year and a few lines that no filter of the first may list.
        m_other = d.insertReturningId("insert into FIRMA (nazwa, skrot, nip) values ('Inna', 'INNA', '1') returning id_firmy");
        const int64_t year = d.insertReturningId(
            "insert into LATA_OBROTOWE (id_firmy, rok_obrotowy, poczatek_roku, koniec_roku) values (?, '2026', ?, ?) "
            "returning id_lata_obrot",
            {m_other, a.bo2026(), a.month2026(12)});
        a.company = m_other;
        for (int i = 0; i < 3; ++i) {
            const int64_t doc = a.addDocument({year, a.month2026(2), i == 2 ? 1 : 2, 0, QStringLiteral("X%1").arg(i), ""});
            a.addLine(doc, {"130-01", "201-01-001", Money::fromMinor(100 + i), Money::fromMinor(100 + i), {}, {}, ""});
        }
        ASSERT_GT(*d.scalarInt("select count(*) from POZ_DOK_VIEW_UNION where id_firmy=?", {m_other}), 0);
    }

    // Runs n generated filters; a failure names the filter.
    FuzzFigures run(unsigned seed, int n) {
        db::Database& d = m_scratch->db();
        std::mt19937 rng(seed);
        FuzzFigures f;
        for (; f.runs < n; ++f.runs) {
            QByteArray bytes = kSeeds[rng() % std::size(kSeeds)];
            if (rng() % 4 == 0) bytes += " AND " + QByteArray(kSeeds[rng() % std::size(kSeeds)]);
            const bool mild = rng() % 3 == 0;
            const QString filter = QString::fromUtf8(mutate(rng, bytes, mild));
            const FilterTranslation t = translateFilter(filter);
            if (!t.ok()) {
                EXPECT_TRUE(t.where.isEmpty());
                EXPECT_GE(t.errorPosition, 0);
                EXPECT_LE(t.errorPosition, filter.size());
                continue;
            }
            if (t.where.isEmpty()) continue;
            ++f.accepted;
            const auto refused = checkSqlCondition(QLatin1Char('(') + t.where + QLatin1Char(')'));
            EXPECT_FALSE(refused) << filter.toStdString() << "\n -> " << t.where.toStdString();
            try {
                db::Rows rows = d.select(QStringLiteral("select id_firmy from POZ_DOK_VIEW_UNION where id_firmy = ? and (") +
                                             t.where + QLatin1Char(')'),
                                         {m_company});
                while (rows.next())
                    EXPECT_EQ(rows.int64(0), m_company) << filter.toStdString() << "\n -> " << t.where.toStdString();
                ++f.executed;
            } catch (const db::DbError&) {
                // A condition of the grammar the engine cannot evaluate (a type the view does
                // not have): refused by the server, which is no escape.
            }
            if (HasFailure()) break;
        }
        return f;
    }

    std::unique_ptr<test::ScratchDatabase> m_scratch;
    int64_t m_company = 0;
    int64_t m_other = 0;
};

KSIEGA_ON_BOTH_ENGINES(FilterFuzz);

TEST_P(FilterFuzz, generatedFiltersAreRefusedOrStayOneConditionInsideTheScope) {
    const int n = qEnvironmentVariableIsSet("KSIEGA_FUZZ_RUNS") ? qEnvironmentVariableIntValue("KSIEGA_FUZZ_RUNS") : 3000;
    const unsigned seed = qEnvironmentVariableIsSet("KSIEGA_FUZZ_SEED") ? unsigned(qEnvironmentVariableIntValue("KSIEGA_FUZZ_SEED")) : 19u;
    // What no filter may change: the lines, the marks, the documents and companies (on the
    // server: the sequences' numbers and the large objects).
    db::Database& d = m_scratch->db();
    const bool postgres = GetParam() == db::Engine::Postgres;
    auto state = [&] {
        return d.scalarText(QStringLiteral("select (select count(*) || ':' || coalesce(sum(kwota_wn), 0) from POZ_DOK) || '/' || "
                                           "(select count(*) from ZAZNACZENIE) || '/' || ") +
                            (postgres ? QStringLiteral("(select count(*) from pg_largeobject_metadata) || '/' || "
                                                       "(select string_agg(coalesce(last_value, 0)::text, ',') from pg_sequences "
                                                       "where schemaname = current_schema())")
                                      : QStringLiteral("(select count(*) from NAG_DOK) || '/' || (select count(*) from FIRMA)")))
            .value_or(QString());
    };
    const QString before = state();
    QElapsedTimer timer;
    timer.start();
    const FuzzFigures f = run(seed, n);
    std::printf("fuzz-filters: %s, seed %u, %d filters, %d accepted, %d executed, %lld ms\n", postgres ? "PostgreSQL" : "SQLite",
                seed, f.runs, f.accepted, f.executed, static_cast<long long>(timer.elapsed()));
    // The corpus is not all refused: the property is checked on real conditions too.
    EXPECT_GT(f.accepted, n / 50);
    EXPECT_EQ(state(), before);
}

TEST_P(FilterFuzz, theIssuesEscapesWouldListTheOtherCompanyWithoutTheChecker) {
    // What the old scanner let through, run as it was handed to the server: the scope goes.
    // (A double-quoted "'" is a text only to SQLite.)
    if (GetParam() != db::Engine::Sqlite) GTEST_SKIP();
    db::Database& d = m_scratch->db();
    const QString escaped = QStringLiteral("(\"'\"))) OR 1=1 ; \"'\")");
    db::Rows rows = d.select(QStringLiteral("select count(*) from POZ_DOK_VIEW_UNION where id_firmy = ? and ((") + escaped +
                                 QStringLiteral("))"),
                             {m_company});
    ASSERT_TRUE(rows.next());
    EXPECT_GT(rows.int64(0), *d.scalarInt("select count(*) from POZ_DOK_VIEW_UNION where id_firmy=?", {m_company}));
    EXPECT_FALSE(translateFilter(QStringLiteral("SQL(\"'\"))) OR 1=1 ; \"'\")")).ok());
}
