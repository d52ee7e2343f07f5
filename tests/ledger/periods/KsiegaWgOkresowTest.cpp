#include "PeriodsFixture.h"
#include "entries/services/ProductionWindowServices.h"
#include <set>

using namespace ksiega;
using namespace ksiega::ledger;
using namespace ksiega::entries;

class KsiegaWgOkresowTest : public test::PeriodsTest {
protected:
    static constexpr int kBo = 1, kMarch = 4;

    void deny(const char* code) {
        db().execute("insert into PRAWA_DOSTEPU (id_firmy, login, kod_funkcji, prawo) values (?, ?, ?, 0)",
                     {f().company, f().login, code});
    }
    QStringList titles(ui::PagedListModel& m) {
        QStringList out;
        for (int c = m.firstColumn(); c < m.columnCount(); ++c) out << m.headerData(c, Qt::Horizontal).toString();
        return out;
    }
    // Turnover and cumulative figures of an account and its sub-accounts straight from the
    // document lines: posted lines and the opening balance (counted in BO).
    struct Expected {
        Money dt, ct, cumDt, cumCt;
    };
    Expected fromLines(const QString& konto, int period, const QString& currency) {
        const bool home = currency == "PLN";
        const QString wn = home ? "kwota_wn" : "kwota_wn_w", ma = home ? "kwota_ma" : "kwota_ma_w";
        const QString eff = QStringLiteral("(case when czy_rk=10 then %1 else data_okresu end)").arg(f().bo2026());
        auto rows = db().select(QStringLiteral("select coalesce(sum(case when %1=? then %2 else 0 end),0), "
                                               "coalesce(sum(case when %1=? then %3 else 0 end),0), "
                                               "coalesce(sum(case when %1<=? then %2 else 0 end),0), "
                                               "coalesce(sum(case when %1<=? then %3 else 0 end),0) "
                                               "from POZ_DOK_VIEW_UNION where id_firmy=? AND id_lata_obrot=? "
                                               "AND (status=2 OR czy_rk=10) AND (konto=? OR konto like ?)%4")
                                    .arg(eff, wn, ma, home ? QString() : QStringLiteral(" AND waluta=?")),
                                home ? db::Params{period, period, period, period, f().company, f().year2026, konto, konto + "-%"}
                                     : db::Params{period, period, period, period, f().company, f().year2026, konto,
                                                  konto + "-%", currency});
        rows.next();
        return {rows.money(0), rows.money(1), rows.money(2), rows.money(3)};
    }
};
KSIEGA_ON_BOTH_ENGINES(KsiegaWgOkresowTest);

TEST_P(KsiegaWgOkresowTest, openingBalanceListsOnlyItsLinesAndRefusesTheDocument) {
    const int64_t correction = f().addDocument({f().year2026, f().bo2026(), 2, 0, "BO/K/1", ""});
    f().post(correction, "130-01", "800", test::zl("12.00"));
    // The document drill-down of the running application.
    ProductionWindowServices production(db(), session(), [](const QString&) { return QString(); });
    auto c = openedWith(production);
    c->choosePeriod(kBo);
    EXPECT_EQ(c->period().name, "BO");
    for (const QString& d : column(c->entries(), "data_okresu")) EXPECT_EQ(d.toInt(), f().bo2026());
    EXPECT_EQ(ids(c->entries()).size(), 2u);   // the documents marked czy_rk 10 stay out

    c->setCurrentRow(0);
    c->showDocument();
    EXPECT_EQ(dialogs.texts(), QStringList({"Zapis pochodzi z bilansu otwarcia."}));
    // No lock was asked for: the document stays unlocked.
    EXPECT_EQ(db().scalarInt("select count(*) from BLOKADY_DOKUMENTOW"), 0);

    // The customer variant lists every line, the opening-balance documents' too.
    session().customerVariant = 1;
    auto all = opened();
    all->choosePeriod(kBo);
    EXPECT_EQ(int64_t(ids(all->entries()).size()),
              db().scalarInt("select count(*) from POZ_DOK_VIEW_UNION where id_lata_obrot=? AND data_okresu=?",
                             {f().year2026, f().bo2026()}));
}

TEST_P(KsiegaWgOkresowTest, currencyDecidesWhichEntriesAndWhichTurnoverColumnsAreShown) {
    auto c = opened();
    ASSERT_EQ(c->period().name, "Wszystkie");
    const auto plnAll = column(c->entries(), "waluta");
    EXPECT_FALSE(plnAll.empty());
    for (const QString& w : plnAll) EXPECT_EQ(w, "");

    c->choosePeriod(kMarch);
    const auto march = column(c->entries(), "waluta");
    EXPECT_EQ(march.size(), 6u);   // every line of March, the EUR one included
    EXPECT_EQ(std::count(march.begin(), march.end(), "EUR"), 2);

    c->setCurrency("eur");
    EXPECT_EQ(c->currency(), "EUR");
    for (const QString& w : column(c->entries(), "waluta")) EXPECT_EQ(w, "EUR");
    EXPECT_EQ(ids(c->entries()).size(), 2u);

    c->setViewMode(1);
    EXPECT_EQ(titles(c->turnovers()),
              QStringList({"Nr konta", "Obroty Dt /wal./", "Obroty Ct /wal./", "Saldo Dt /wal./", "Saldo Ct /wal./"}));
    c->setCurrency("PLN");
    EXPECT_EQ(titles(c->turnovers()), QStringList({"Nr konta", "Obroty Dt", "Obroty Ct", "Saldo Dt", "Saldo Ct"}));
}

TEST_P(KsiegaWgOkresowTest, turnoverViewOfEveryPeriodAgreesWithTheDocumentLines) {
    auto c = opened();
    c->setViewMode(1);
    for (const QString currency : {"PLN", "EUR"}) {
        c->setCurrency(currency);
        for (int row = 1; row < int(c->periods().size()); ++row) {
            c->choosePeriod(row);
            const int period = c->period().date;
            std::vector<QString> accounts;
            c->forEachTurnoverRow([&](const TurnoverRow& r) {
                accounts.push_back(r.konto);
                const Expected e = fromLines(r.konto, period, currency);
                SCOPED_TRACE((currency + " " + c->period().name + " " + r.konto).toStdString());
                EXPECT_EQ(r.obrotyDt, e.dt);
                EXPECT_EQ(r.obrotyCt, e.ct);
                if (r.konto == "234") return;   // two-balance synthetic: balances per sub-account
                const Money net = e.cumDt - e.cumCt;
                EXPECT_EQ(r.saldoDt, net > Money() ? net : Money());
                EXPECT_EQ(r.saldoCt, net < Money() ? -net : Money());
            });
            // The list shows the same accounts in the same order as the listing.
            EXPECT_EQ(column(c->turnovers(), "nr_konta"), accounts);
        }
    }
    c->setCurrency("PLN");
    c->choosePeriod(kMarch);
    std::set<QString> march;
    c->forEachTurnoverRow([&](const TurnoverRow& r) { march.insert(r.konto); });
    EXPECT_TRUE(march.count("131-01") && march.count("201-01-002") && march.count("234-02"));
}

TEST_P(KsiegaWgOkresowTest, equalDebitsAndCreditsGiveZeroBalancesAndMarksFollowTheirOwnFigures) {
    auto c = opened();
    c->choosePeriod(kMarch);
    c->setPreviewTab(1);
    auto rows = c->summaryRows();
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].left.count, 6);
    EXPECT_EQ(rows[1].left.amount, test::zl("2450.00"));
    EXPECT_EQ(rows[1].right.amount, test::zl("2450.00"));
    EXPECT_EQ(rows[2].left.amount, Money());
    EXPECT_EQ(rows[2].right.amount, Money());

    c->toggleMark(0);
    rows = c->summaryRows();
    EXPECT_EQ(rows[0].right.count, 1);
    EXPECT_NE(rows[4].left.amount + rows[4].right.amount, Money());
    c->markAll();
    rows = c->summaryRows();
    EXPECT_EQ(rows[0].right.count, 6);
    EXPECT_EQ(rows[4].left.amount, Money());
    EXPECT_EQ(rows[4].right.amount, Money());

    c->setCurrency("EUR");
    rows = c->summaryRows();
    ASSERT_EQ(rows.size(), 9u);
    EXPECT_EQ(rows[5].left.label, "Obroty Dt EUR");
    EXPECT_EQ(rows[5].left.amount, test::zl("500.00"));
    EXPECT_EQ(rows[6].right.amount, Money());
    EXPECT_EQ(rows[8].right.label, "Saldo Ct EUR /zaznaczone/");
}

TEST_P(KsiegaWgOkresowTest, showMarkedListsTheRowsStoredUnderBrowser41) {
    auto c = opened();
    c->choosePeriod(kMarch);
    const auto all = ids(c->entries());
    c->toggleMark(1);
    c->toggleMark(3);
    c->setShowMarked(true);
    EXPECT_EQ(db().scalarInt("select count(*) from ZAZNACZENIE where id_uzytkownika=7 AND id_browsera=41"), 2);
    EXPECT_EQ(ids(c->entries()), (std::vector<int64_t>{all[1], all[3]}));
}

TEST_P(KsiegaWgOkresowTest, aTooLongFilterIsDroppedWithAWarning) {
    auto c = opened();
    services.onChooseSavedFilter = []() -> std::optional<SavedFilter> {
        return SavedFilter{"długi", "PDU:opis<>'" + QString(400, 'x') + "'"};
    };
    c->chooseSavedFilterFromList();
    ASSERT_EQ(dialogs.texts().size(), 1);
    EXPECT_TRUE(dialogs.texts().first().startsWith("Wyrażenie filtrujące jest za długie."));
    EXPECT_TRUE(dialogs.texts().first().endsWith("Filtr będzie zignorowany."));
    EXPECT_EQ(c->filter().filter,
              QStringLiteral("PDU:id_lata_obrot=%1 AND PDU:status=2 AND PDU:czy_rk<>10").arg(f().year2026));
    // A saved filter's quote stays inside its text.
    services.onChooseSavedFilter = []() -> std::optional<SavedFilter> { return SavedFilter{"cudzysłów", "PDU:opis='it''s'"}; };
    c->chooseSavedFilterFromList();
    EXPECT_TRUE(ids(c->entries()).empty());
}

TEST_P(KsiegaWgOkresowTest, rightsGateThePrintAndTheDocumentAndPrintHandsOverTheCurrentLine) {
    deny("4_1_2_1");
    deny("4_1_2_2");
    int asked = 0, opened_ = 0;
    {
        auto c = opened();
        services.onChooseStatement = [&](const QString&) { ++asked; return 68; };
        services.onOpenDocument = [&](const DrillDownEntry&) { ++opened_; return false; };
        c->choosePeriod(kMarch);
        c->setCurrentRow(0);
        c->printList();
        c->showDocument();
        EXPECT_EQ(asked + opened_, 0);
    }
    session().DANE_ADMINISTRATOR = 1;
    auto c = opened();
    QString statement;
    std::optional<LedgerPrintJob> job;
    services.onChooseStatement = [&](const QString& name) { statement = name; return 68; };
    services.onAskPrintRange = [&] { session().DANE_ZAKRES_PRN = 2; return true; };
    services.onStartListing = [&](const LedgerPrintJob& j, const CurrencyCode&) { job = j; };
    c->choosePeriod(kMarch);
    c->setCurrentRow(0);
    const std::optional<CurrentEntry> e = c->entryAt(0);
    ASSERT_TRUE(e);
    c->printList();
    EXPECT_EQ(statement, "KSIEGA_O_1");
    EXPECT_EQ(session().CRST_FILTR_INFO, "KSIEGA_O_1");
    ASSERT_TRUE(job);
    EXPECT_EQ(job->parameters, "68,2,1,0,0,Okres obrotowy: Marzec");
    EXPECT_EQ(job->filter, QStringLiteral("PDU:id_poz_dok=%1 AND PDU:strona=%2").arg(e->idPozDok).arg(e->strona));
    EXPECT_EQ(job->header, "Zestawienie zapisów księgowych w okresie");

    // The marked lines reach the selection store before the library reads them.
    session().DANE_ZAKRES_PRN = 0;
    services.onAskPrintRange = [&] { session().DANE_ZAKRES_PRN = 1; return true; };
    c->toggleMark(0);
    c->printList();
    EXPECT_TRUE(job->parameters.startsWith("68,1,"));
    EXPECT_EQ(job->filter, c->filter().rawFilter);
    EXPECT_EQ(db().scalarInt("select count(*) from ZAZNACZENIE where id_browsera=41 and id_uzytkownika=?",
                             {session().DANE_ID_UZYTKOWNIKA_NR}),
              1);
}
