// "Bilans otwarcia" on the test ledger: the tree and its figures against sums taken
// straight from the opening-balance lines, currencies and aggregation, the filter, the
// lock rules with the service function, and "Popraw".
#include "OpeningBalanceFixture.h"
#include "platform/siblings/vat/VatLibrary.h"

using namespace ksiega;
using namespace ksiega::test;
using openingbalance::OpeningBalanceController;

namespace {

class OpeningBalanceTree : public OpeningBalanceTest {};

TEST_P(OpeningBalanceTree, rowsSumTheirOwnSegmentsOnlyAsTheLinesSay) {
    addAccount(f().year2026, "130-1", 130);
    addAccount(f().year2026, "130-1-5", 130);
    addAccount(f().year2026, "130-10", 130);
    f().openingBalanceLine(f().year2026, "130-1-5", "800", zl("100.00"));
    f().openingBalanceLine(f().year2026, "130-10", "800", zl("7.00"));
    f().openingBalanceLine(f().year2026, "800", "130-1-5", zl("1.25"));
    auto c = opened();
    const int64_t doc = f().openingPln;
    ASSERT_EQ(c->documentId(), doc);
    for (const char* account : {"130", "130-01", "130-1", "130-1-5", "130-10", "201", "201-01", "234", "234-01", "800"}) {
        const auto& r = row(*c, account);
        EXPECT_EQ(r.kwotaDt, lineSum(doc, account, "wn").first) << account;
        EXPECT_EQ(r.kwotaCt, lineSum(doc, account, "ma").first) << account;
    }
    EXPECT_EQ(row(*c, "130-1").kwotaDt, zl("100.00"));   // 130-10 stays out
    // Card accounts are no rows; the register account carries them and the card kind.
    EXPECT_FALSE(accounts(*c).contains("201-01-001"));
    EXPECT_EQ(row(*c, "201-01").cardSymbol, "K");
    EXPECT_EQ(row(*c, "201-01").kwotaDt, zl("2000.00"));
    EXPECT_TRUE(row(*c, "201").cardSymbol.isEmpty());
    // Parents before children, 130-1 before 130-10.
    const QStringList order = accounts(*c);
    EXPECT_LT(order.indexOf("130-1-5"), order.indexOf("130-10"));
    EXPECT_LT(order.indexOf("130"), order.indexOf("130-01"));
}

TEST_P(OpeningBalanceTree, balancesAndTotalsAgreeWithTheLines) {
    f().openingBalanceLine(f().year2026, "401", "", zl("50.00"));
    f().openingBalanceLine(f().year2026, "", "401", zl("50.00"));
    f().openingBalanceLine(f().year2026, "990", "", zl("15.00"));
    auto c = opened();
    const int64_t doc = f().openingPln;
    // Dt > Ct, Dt < Ct, Dt = Ct.
    EXPECT_EQ(row(*c, "234-01").saldoDt, lineSum(doc, "234-01", "wn").first - lineSum(doc, "234-01", "ma").first);
    EXPECT_TRUE(row(*c, "234-01").saldoCt.isZero());
    EXPECT_EQ(row(*c, "234-02").saldoCt, lineSum(doc, "234-02", "ma").first - lineSum(doc, "234-02", "wn").first);
    EXPECT_TRUE(row(*c, "234-02").saldoDt.isZero());
    EXPECT_FALSE(row(*c, "401").kwotaDt.isZero());
    EXPECT_TRUE(row(*c, "401").saldoDt.isZero());
    EXPECT_TRUE(row(*c, "401").saldoCt.isZero());

    // Totals over the synthetic accounts, each balanced on its own.
    Money dt, ct, saldoDt, saldoCt, offDt, offCt, offSaldoDt, offSaldoCt;
    auto synth = db().select("select nr_konta from WARTOSCI_KONT where id_firmy=? and id_lata_obrot=? and poziom=0",
                             {f().company, f().year2026});
    while (synth.next()) {
        const QString account = synth.text(0);
        const Money d = lineSum(doc, account, "wn").first, k = lineSum(doc, account, "ma").first;
        const Money sd = d > k ? d - k : Money(), sk = d > k ? Money() : k - d;
        dt += d, ct += k, saldoDt += sd, saldoCt += sk;
        if (account == "990") offDt += d, offCt += k, offSaldoDt += sd, offSaldoCt += sk;
    }
    ASSERT_FALSE(offDt.isZero());
    const auto& t = c->totals();
    EXPECT_EQ(t[0].label, QStringLiteral("Razem z uwzględnieniem kont pozabilansowych"));
    EXPECT_EQ(t[0].kwotaDt, dt);
    EXPECT_EQ(t[0].kwotaCt, ct);
    EXPECT_EQ(t[0].saldoDt, saldoDt);
    EXPECT_EQ(t[0].saldoCt, saldoCt);
    EXPECT_EQ(t[1].label, QStringLiteral("Razem bez uwzględnienia kont pozabilansowych"));
    EXPECT_EQ(t[1].kwotaDt, dt - offDt);
    EXPECT_EQ(t[1].kwotaCt, ct - offCt);
    EXPECT_EQ(t[1].saldoDt, saldoDt - offSaldoDt);
    EXPECT_EQ(t[1].saldoCt, saldoCt - offSaldoCt);
}

TEST_P(OpeningBalanceTree, aggregationSumsEveryCurrencyInPlnAndACurrencyListsItsAccountsOnly) {
    auto c = opened();
    EXPECT_TRUE(row(*c, "131-01").kwotaDt.isZero());   // the PLN document has no line on it
    c->setAggregate(true);
    for (const char* account : {"131", "131-01", "130", "800"}) {
        EXPECT_EQ(row(*c, account).kwotaDt, allDocumentsSum(account, "wn")) << account;
        EXPECT_EQ(row(*c, account).kwotaCt, allDocumentsSum(account, "ma")) << account;
    }
    for (const auto& r : c->rows())
        EXPECT_TRUE(r.kwotaDtW.isZero() && r.kwotaCtW.isZero() && r.saldoDtW.isZero() && r.saldoCtW.isZero())
            << r.account.toStdString();
    EXPECT_FALSE(c->correctEnabled());

    c->setAggregate(false);
    c->setCurrency("EUR");
    EXPECT_EQ(c->documentId(), f().openingEur);
    EXPECT_EQ(synthetics(*c), QStringList({"131", "201"}));   // the currency accounts of the chart
    EXPECT_EQ(row(*c, "131-01").kwotaDtW, lineSum(f().openingEur, "131-01", "wn").second);
    EXPECT_EQ(row(*c, "131-01").kwotaDt, lineSum(f().openingEur, "131-01", "wn").first);
    EXPECT_FALSE(c->vatEnabled());
    EXPECT_EQ(c->filterIcon(), "~filtr_konto_on.ico");
    // The module-wide filter is not changed by the currency.
    EXPECT_EQ(entries::accountFilter().WALUTOWE, 0);
    c->setCurrency("PLN");
    EXPECT_TRUE(c->vatEnabled());
    EXPECT_EQ(c->filterIcon(), "~Filtr_konto.ico");
}

TEST_P(OpeningBalanceTree, theFilterNarrowsTheSyntheticAccounts) {
    addSynthetic(f().year2026, 100);
    addSynthetic(f().year2026, 199);
    addSynthetic(f().year2026, 200);
    auto c = opened();
    EXPECT_EQ(synthetics(*c), QStringList({"010", "100", "130", "131", "199", "200", "201", "202", "234", "401", "700",
                                           "800", "990"}));

    c->filterWindow = [this] {
        applyFilter([](auto& s) { s.POZABILANSOWE = 1; });
        return uint8_t(1);
    };
    c->runFilter();
    EXPECT_EQ(synthetics(*c), QStringList({"990"}));
    EXPECT_EQ(c->filterIcon(), "~filtr_konto_on.ico");

    c->filterWindow = [this] {
        applyFilter([](auto& s) { s.ZAKRES_D = 100; s.ZAKRES_G = 199; });
        return uint8_t(1);
    };
    c->runFilter();
    EXPECT_EQ(synthetics(*c), QStringList({"100", "130", "131", "199"}));

    // A cancelled filter window leaves the list as it was.
    c->filterWindow = [this] {
        applyFilter([](auto&) {});
        return uint8_t(0);
    };
    c->runFilter();
    EXPECT_EQ(synthetics(*c), QStringList({"100", "130", "131", "199"}));
}

TEST_P(OpeningBalanceTree, aFailingOpeningDocumentIsShownAndLeavesTheTreeEmpty) {
    session().DANE_LATA_OBROTOWE = f().year2026 + 1000;   // no such year in the company
    auto c = opened();
    EXPECT_TRUE(c->rows().empty());
    EXPECT_EQ(dialogs.texts(ui::ScriptedDialogs::Kind::Warning),
              QStringList({QStringLiteral("Wystąpił błąd przy odczycie bilansu otwarcia.")}));
    EXPECT_FALSE(c->correctEnabled());
}

TEST_P(OpeningBalanceTree, foldingSortingAndSearchKeepEveryRowBelowItsParent) {
    auto c = opened();
    c->collapseAll();
    for (int i : c->visibleRows()) EXPECT_EQ(c->rows()[size_t(i)].level, 1);
    int bank = -1;
    for (int i = 0; i < int(c->rows().size()); ++i)
        if (c->rows()[size_t(i)].account == "130") bank = i;
    EXPECT_EQ(c->displayLevel(bank), -1);
    ASSERT_TRUE(c->search("234-0"));
    EXPECT_EQ(c->currentAccount(), "234-01");
    c->expandAll();
    EXPECT_EQ(c->visibleRows().size(), c->rows().size());

    c->sortBy(openingbalance::SortKey::KwotaDt);
    c->toggleDirection();
    EXPECT_EQ(c->sortOrder(), "-kw_wn,-num");
    const QStringList order = accounts(*c);
    EXPECT_EQ(order.front(), "010");   // the largest Dt among the synthetic accounts
    for (const QString& a : order)
        if (a.contains('-')) {
            EXPECT_LT(order.indexOf(a.left(a.lastIndexOf('-'))), order.indexOf(a)) << a.toStdString();
        }
}

class OpeningBalanceLocks : public OpeningBalanceTest {};

TEST_P(OpeningBalanceLocks, theFirstYearIsEditableAndPoprawOpensTheRightWindowKeepingTheRow) {
    auto c = opened();
    EXPECT_FALSE(c->entryBlocked());
    EXPECT_TRUE(c->vatEnabled());
    ASSERT_TRUE(c->selectAccount("130"));
    EXPECT_FALSE(c->correctEnabled());   // amounts stand on the leaves
    ASSERT_TRUE(c->selectAccount("130-01"));
    ASSERT_TRUE(c->correctEnabled());
    editors.answer = 1;
    f().openingBalanceLine(f().year2026, "130-01", "800", zl("1.00"));   // what the window "saved"
    c->correct();
    ASSERT_EQ(editors.amounts.size(), 1u);
    EXPECT_EQ(editors.amounts[0].account, "130-01");
    EXPECT_EQ(editors.amounts[0].currency, "PLN");
    EXPECT_EQ(editors.amounts[0].idNagDok, f().openingPln);
    EXPECT_FALSE(editors.amounts[0].settlementsOnly);
    EXPECT_EQ(c->currentAccount(), "130-01");
    EXPECT_EQ(row(*c, "130-01").kwotaDt, lineSum(f().openingPln, "130-01", "wn").first);

    ASSERT_TRUE(c->selectAccount("201-01"));
    c->correct();
    ASSERT_EQ(editors.cards.size(), 1u);
    EXPECT_EQ(editors.cards[0].cardSymbol, "K");
    EXPECT_EQ(editors.cards[0].account, "201-01");

    // Another window holds the settlements: the card window only, for its settlements.
    session().DANE_FLAGA_OKNO_Z_BLOKADA_ROZRACHUNKOW = 1;
    EXPECT_TRUE(c->correctEnabled());
    c->correct();
    EXPECT_TRUE(editors.cards.back().settlementsOnly);
    ASSERT_TRUE(c->selectAccount("130-01"));
    EXPECT_FALSE(c->correctEnabled());
}

TEST_P(OpeningBalanceLocks, aLaterYearIsBlockedUntilTheServiceFunctionUnblocksIt) {
    session().DANE_LATA_OBROTOWE = f().year18;
    session().DANE_POCZATEK_ROKU = f().bo18();
    auto c = opened();
    EXPECT_TRUE(c->entryBlocked());
    EXPECT_FALSE(c->approved());
    EXPECT_FALSE(c->vatEnabled());
    ASSERT_TRUE(c->selectAccount("130-01"));
    EXPECT_FALSE(c->correctEnabled());
    ASSERT_TRUE(c->selectAccount("201-01"));
    EXPECT_TRUE(c->correctEnabled());   // settlements only

    dialogs.answer(2);   // "Nie"
    c->serviceFunction();
    EXPECT_TRUE(c->entryBlocked());
    dialogs.answer(1);   // "Tak"
    c->serviceFunction();
    const auto asked = dialogs.shown();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1].text, QStringLiteral("Czy chcesz umożliwić wprowadzanie zapisów w BO w bieżącym roku obrotowym ?"));
    EXPECT_EQ(asked[1].title, QStringLiteral("Bilantor: Funkcja serwisowa"));
    EXPECT_EQ(asked[1].buttons, QStringList({"&Tak", "&Nie"}));
    EXPECT_EQ(asked[1].defaultButton, 2);
    EXPECT_FALSE(c->entryBlocked());
    EXPECT_TRUE(c->vatEnabled());
    ASSERT_TRUE(c->selectAccount("130-01"));
    EXPECT_TRUE(c->correctEnabled());
}

TEST_P(OpeningBalanceLocks, anApprovedOpeningBalanceCannotBeUnblocked) {
    db().execute("update LATA_OBROTOWE set zamkniete_bo=1 where id_lata_obrot=?", {f().year2026});
    auto c = opened();
    EXPECT_TRUE(c->entryBlocked());   // the first year too, once approved
    EXPECT_TRUE(c->approved());
    c->serviceFunction();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.last().kind, ui::ScriptedDialogs::Kind::Information);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("BO w bieżącym roku obrotowym jest zatwierdzone."));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("Bilantor: Funkcja serwisowa"));
    EXPECT_TRUE(c->entryBlocked());
    EXPECT_FALSE(c->vatEnabled());
}

TEST_P(OpeningBalanceLocks, option224TurnsTheTransactionMarksOffOnlyForAValueOtherThanTak) {
    EXPECT_TRUE(opened()->transactionMarks());
    db().execute("insert into OPCJE_SYSTEMOWE (id_firmy, id_lata_obrot, id_opcje, nazwa_wartosci) values (?, ?, 224, ?)",
                 {f().company, f().year2026, " tak  "});
    EXPECT_TRUE(opened()->transactionMarks());
    db().execute("update OPCJE_SYSTEMOWE set nazwa_wartosci='NIE' where id_opcje=224");
    EXPECT_FALSE(opened()->transactionMarks());
}

KSIEGA_ON_BOTH_ENGINES(OpeningBalanceTree);
KSIEGA_ON_BOTH_ENGINES(OpeningBalanceLocks);

} // namespace
