// ksiega report PRN_BT_*: the budget printouts as PDF and text, their totals against
// plain-SQL sums, the level rule, the entries report's sort orders, the Rb forms and a
// refused filter that prints nothing.
#include "KsiegaProcess.h"
#include "frame/SessionContext.h"
#include "frame/lifecycle/ModuleState.h"
#include "support/BudgetSample.h"
#include "support/PdfText.h"
#include "support/TestDatabase.h"
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <tuple>

using namespace ksiega;

namespace {

class BudgetReportCommand : public test::DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped()) return;
        if (!QFileInfo::exists(test::ksiegaProgram())) GTEST_SKIP() << "the ksiega executable is not built";
    }
    void TearDown() override {
        resetSession();
        resetModuleState();
        DbTest::TearDown();
    }
    // Lays a report out into a file of the given kind ("pdf" or "text") and returns its text.
    QString report(int64_t company, const QString& name, const QStringList& options, const char* kind = "text") {
        const QString file = m_dir.filePath(name + (QLatin1String(kind) == "pdf" ? ".pdf" : ".txt"));
        QFile::remove(file);
        const test::Outcome r = test::runKsiega(QStringList{"report", name, "--db", url(), "--company", QString::number(company),
                                                            "--year", "2026", "--date", "2026-07-15"} +
                                                options + QStringList{QStringLiteral("--") + kind, file});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        // The PDF reader gives the "fi" ligature as one character.
        if (QLatin1String(kind) == "pdf") return test::pdfText(file).replace(QStringLiteral("ﬁ"), QStringLiteral("fi"));
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? QString::fromUtf8(in.readAll()) : QString();
    }
    Money sql(const QString& query, const db::Params& params) {
        return Money::fromMinor(db().scalarInt(query, params).value_or(0));
    }
    QTemporaryDir m_dir;
};
KSIEGA_ON_BOTH_ENGINES(BudgetReportCommand);

const QStringList kSecondQuarter{"--side", "W", "--from", "2026-04-01", "--to", "2026-06-30"};

// The amounts of the first line of text that starts with label (after blanks).
QStringList amountsOn(const QString& text, const QString& label) {
    static const QRegularExpression amount(QStringLiteral("-?\\d{1,3}(?:[  ]\\d{3})*,\\d{2}"));
    for (const QString& line : text.split('\n')) {
        if (!line.trimmed().startsWith(label + ' ')) continue;
        QStringList out;
        for (auto it = amount.globalMatch(line); it.hasNext();) out << it.next().captured(0).remove(QChar(0x00a0)).remove(' ');
        return out;
    }
    return {};
}

QString plain(Money m) { return m.toString().replace('.', ','); }

} // namespace

TEST_P(BudgetReportCommand, classificationPdfTotalsAreThePlainSqlSumsAndPercentIsRecomputed) {
    test::LedgerFixture f(db());
    test::BudgetSample sample(f);
    const int from = date::fromYmd(2026, 4, 1), to = date::fromYmd(2026, 6, 30);
    const QString text = report(f.company, "PRN_BT_KLASYFIKACJA", kSecondQuarter + QStringList{"--with-plan", "--subtotals"}, "pdf");
    ASSERT_FALSE(text.isEmpty());
    for (const char* t : {"Zestawienie klasyfikacji budżetowej", "Plan", "Wydatki nar.", "Koszty nar", "Zaangaż. nar.",
                          "% realiz.", "Do realizacji", "Razem na stronie", "Koniec wydruku"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(t))) << t;

    const QString lines = "select coalesce(sum(b.kwota),0) from BT_DANE b join POZ_DOK p on p.id_poz_dok=b.id_poz_dok join "
                          "NAG_DOK n on n.id_nag_dok=p.id_nag_dok where b.id_firmy=? and b.id_lata_obrot=? and b.typ='W' "
                          "and n.data_biezaca<=? and n.data_biezaca>=? and b.";
    auto sum = [&](const char* flag, int since) {
        return sql(lines + flag + "=1", {f.company, f.year2026, to, since});
    };
    const Money plan = sql("select sum(kwota) from BT_PLAN where id_firmy=? and id_lata_obrot=? and typ='W' and data_planu<=?",
                           {f.company, f.year2026, to});
    const Money done = sum("rodzaj_wy", 0);
    const QStringList expected{plain(plan), plain(done), plain(sum("rodzaj_k", 0)), plain(sum("rodzaj_wy", from)),
                               plain(sum("rodzaj_k", from)), plain(sum("rodzaj_z", from)), plain(sum("rodzaj_z", 0)),
                               "46,24", plain(plan - done)};
    EXPECT_EQ(amountsOn(text, "Razem"), expected) << text.toStdString();
    EXPECT_EQ(amountsOn(text, "Razem na stronie"), expected);
    EXPECT_EQ(done, test::zl("430.00"));

    // "Dział" prints dział rows only; the totals still count every detail once.
    const QString level1 = report(f.company, "PRN_BT_KLASYFIKACJA", kSecondQuarter + QStringList{"--with-plan", "--subtotals", "--level", "1"});
    EXPECT_TRUE(level1.contains(QRegularExpression("\\b801\\b(?!-)")));
    EXPECT_TRUE(level1.contains(QRegularExpression("\\b852\\b(?!-)")));
    EXPECT_FALSE(level1.contains("801-80101"));
    EXPECT_FALSE(level1.contains("852-85202"));
    EXPECT_EQ(amountsOn(level1, "Razem"), expected);

    // The plan report: plan after changes and the period's execution; a plan-only symbol prints with zeros.
    const QString planText = report(f.company, "PRN_BT_PLAN", kSecondQuarter, "pdf");
    EXPECT_TRUE(planText.contains("Zestawienie planu klasyfikacji budżetowej"));
    EXPECT_TRUE(planText.contains("852-85202-4300"));
    EXPECT_EQ(amountsOn(planText, "Razem"),
              (QStringList{plain(plan), plain(sum("rodzaj_wy", from)), plain(sum("rodzaj_k", from)), plain(sum("rodzaj_z", from))}));
}

TEST_P(BudgetReportCommand, entriesReportFollowsEachSortOrderBothWaysWithTiesBroken) {
    test::LedgerFixture f(db());
    test::BudgetSample sample(f);
    // Ties on every key but the register number: two more lines of the same amount and symbol.
    sample.line(5, "801-80101-4010", "100.00", 'W', test::Expenditure);
    sample.line(5, "801-80101-4010", "100.00", 'W', test::Expenditure);
    struct Line {
        QString nrEwid, nrDok, kontoWn, kontoMa, symbol;
        int booked, dated, lp;
        int64_t kwota, id;
    };
    std::vector<Line> all;
    db::Rows r = db().select("select n.nr_ewid_dok, n.nr_dok_org, p.konto_wn, p.konto_ma, b.bt_klasyfikacja, n.data_biezaca, "
                             "n.data_dok_org, p.lp, b.kwota, b.id_bt_dane from BT_DANE b join POZ_DOK p on p.id_poz_dok=b.id_poz_dok "
                             "join NAG_DOK n on n.id_nag_dok=p.id_nag_dok where b.id_firmy=? and b.typ='W'",
                             {f.company});
    while (r.next())
        all.push_back({r.text(0), r.text(1), r.text(2), r.text(3), r.text(4), r.integer(5), r.integer(6), r.integer(7), r.int64(8), r.int64(9)});
    ASSERT_EQ(all.size(), 6u);
    auto key = [](const Line& l, int order) {
        using K = std::tuple<QString, int64_t, QString, int64_t, int64_t>;
        switch (order) {
        case 1: return K{l.nrEwid, 0, {}, l.lp, l.id};
        case 2: return K{{}, l.booked, l.nrEwid, l.lp, l.id};
        case 3: return K{l.nrDok, 0, {}, l.lp, l.id};
        case 4: return K{{}, l.dated, l.nrEwid, l.lp, l.id};
        case 5: return K{l.kontoWn, 0, l.nrEwid, l.lp, l.id};
        case 6: return K{l.kontoMa, 0, l.nrEwid, l.lp, l.id};
        case 7: return K{{}, l.kwota, l.nrEwid, l.lp, l.id};
        default: return K{l.symbol, 0, l.nrEwid, l.lp, l.id};
        }
    };
    static const QRegularExpression number(QStringLiteral("PK/\\d+/\\d+"));
    for (int order = 1; order <= 8; ++order)
        for (bool desc : {false, true}) {
            std::vector<Line> sorted = all;
            std::sort(sorted.begin(), sorted.end(), [&](const Line& a, const Line& b) {
                return desc ? key(b, order) < key(a, order) : key(a, order) < key(b, order);
            });
            QStringList expected;
            for (const Line& l : sorted) expected << l.nrEwid;
            QStringList opts = QStringList{"--side", "W", "--from", "2026-01-01", "--to", "2026-12-31", "--sort", QString::number(order)};
            if (desc) opts << "--desc";
            const QString text = report(f.company, "PRN_BT_DOWODY", opts);
            QStringList printed;
            for (auto it = number.globalMatch(text); it.hasNext();) {
                const QString n = it.next().captured(0);
                if (printed.isEmpty() || printed.back() != n) printed << n;   // number and register number are the same
            }
            EXPECT_EQ(printed, expected) << "order " << order << (desc ? " desc" : " asc");
        }

    // "Pojedynczy": the view's filter names one budget line; the total is its amount.
    const int64_t one = all.front().id;
    const QString single = report(f.company, "PRN_BT_DOWODY",
                                  {"--side", "W", "--from", "2026-01-01", "--to", "2026-12-31", "--filter",
                                   QStringLiteral("BTV:ID_BT_DANE=%1").arg(one)});
    EXPECT_EQ(number.globalMatch(single).hasNext(), true);
    EXPECT_EQ(amountsOn(single, "Razem"), QStringList{plain(Money::fromMinor(all.front().kwota))});
}

TEST_P(BudgetReportCommand, rbFormsPrintTheAddressInForceAndTheSameRowsAndARefusedFilterPrintsNothing) {
    test::LedgerFixture f(db());
    test::BudgetSample sample(f);
    db().execute("update FIRMA set nazwa_pelna='Szkoła Podstawowa nr 12', regon='012345678' where id_firmy=?", {f.company});
    // The address in force on the print date (today): the latest one not after it.
    const int today = date::fromQDate(QDate::currentDate());
    for (auto [street, day, rio] : {std::tuple{"Stara 1", today - 800, "Wrocławiu"},
                                    std::tuple{"Nowa 2", today - 400, "Zielonej Górze"},
                                    std::tuple{"Przyszła 3", today + 400, "Poznaniu"}})
        db().execute("insert into ADRESY_FIRMY (id_firmy, ulica, nr_domu, kod_pocztowy, miejscowosc, typ_adresu, data_od, fk_rio, "
                     "fk_kod_gus_1, fk_kod_gus_2) values (?, ?, '', '65-001', 'Zielona Góra', 'S', ?, ?, '08', '62')",
                     {f.company, QString::fromUtf8(street), day, QString::fromUtf8(rio)});
    const QStringList revenue{"--side", "D", "--from", "2026-01-01", "--to", "2026-06-30"};
    const QString rb27 = report(f.company, "PRN_BT_RB27", revenue, "pdf");
    EXPECT_TRUE(rb27.contains("Nowa 2"));
    EXPECT_FALSE(rb27.contains("Stara 1"));
    EXPECT_FALSE(rb27.contains("Przyszła 3"));
    EXPECT_TRUE(rb27.contains("w Zielonej Górze"));
    for (const char* t : {"Rb - 27 miesięczne / roczne", "sprawozdanie z wykonania planu dochodów budżetowych",
                          "za okres od początku roku do dnia 30-06-2026", "Wysłać bez pima przewodniego",
                          "Główny księgowy", "Kierownik jednostki", "012345678", "75615"})
        EXPECT_TRUE(rb27.contains(QString::fromUtf8(t))) << t;
    // Plan and the stand-in's execution of the period.
    EXPECT_EQ(amountsOn(rb27, "Razem").mid(0, 4), (QStringList{"151,00", "75,50", "75,50", "75,50"}));
    // The rows are the user's prepared rows in lp order.
    EXPECT_EQ(*db().scalarInt("select count(*) from ZESTAW_ZESTAW where wariant_zestaw=50"), 1);
    const QString rb30 = report(f.company, "PRN_BT_RB30", revenue, "pdf");
    EXPECT_EQ(rb30, rb27);
    const QString otherPeriod = report(f.company, "PRN_BT_RB27", {"--side", "D", "--from", "2026-02-01", "--to", "2026-06-30"}, "pdf");
    EXPECT_TRUE(otherPeriod.contains("za okres od dnia 01-02-2026 do dnia 30-06-2026"));

    const QString file = m_dir.filePath("zly.pdf");
    const test::Outcome bad = test::runKsiega({"report", "PRN_BT_KLASYFIKACJA", "--db", url(), "--company", QString::number(f.company),
                                               "--year", "2026", "--side", "W", "--from", "2026-01-01", "--to", "2026-06-30",
                                               "--filter", "BTV:kwota=1) or (1=1", "--pdf", file});
    EXPECT_NE(bad.exitCode, 0);
    EXPECT_FALSE(bad.err.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(file));
}

TEST_P(BudgetReportCommand, fullClassificationListsEachEntryOnceUnderItsOwnSymbolWithTheFiguresBlock) {
    test::LedgerFixture f(db());
    test::BudgetSample sample(f);
    const QString text = report(f.company, "PRN_BT_KLASYFIKACJA_PELNY",
                                {"--side", "W", "--from", "2026-01-01", "--to", "2026-12-31", "--subtotals", "--with-plan"});
    for (const char* t : {"Plan", "Do realizacji", "Zrealizowano", "Wydatki nar.", "Zaangażowanie nar.", "Numer dokumentu",
                          "Numer ewidencyjny", "Data księg.", "Data dokum.", "Wydatek", "Koszt"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(t))) << t;
    // Every budget line of the side once (its number stands in two columns of its line).
    db::Rows r = db().select("select n.nr_ewid_dok from BT_DANE b join POZ_DOK p on p.id_poz_dok=b.id_poz_dok join NAG_DOK n "
                             "on n.id_nag_dok=p.id_nag_dok where b.id_firmy=? and b.typ='W'",
                             {f.company});
    int lines = 0;
    while (r.next()) {
        ++lines;
        const QStringList onLines = text.split('\n').filter(QRegularExpression(QRegularExpression::escape(r.text(0)) + "(?!\\d)"));
        EXPECT_EQ(onLines.size(), 1) << r.text(0).toStdString();
    }
    EXPECT_EQ(lines, 4);
    // The revenue side's own labels, and the accounts variant's columns.
    const QString revenue = report(f.company, "PRN_BT_KLASYFIKACJA_PELNY",
                                   {"--side", "D", "--from", "2026-01-01", "--to", "2026-12-31", "--accounts"});
    for (const char* t : {"Dodchody nar.", "Wpływy nar.", "Konto Dt", "Kwota Dt", "Konto Ct", "Kwota Ct", "401-01", "130-01"})
        EXPECT_TRUE(revenue.contains(QString::fromUtf8(t))) << t;
}
