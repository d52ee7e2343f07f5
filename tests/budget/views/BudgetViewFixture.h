#pragma once
// Budget lines of 2026 on both sides: a line split over two symbols, lines under other
// symbols with different flags, a revenue line, an opening-balance budget line, and
// another company's lines under the same symbols that no window may show; the figures
// read back with plain SQL over BT_DANE.
#include "budget/views/BudgetViewServices.h"
#include "support/ScriptedWindowServices.h"
#include "support/WindowFixture.h"

namespace ksiega::test {

// The budget libraries' calls, scripted and written down.
struct ScriptedBudgetServices : budget::BudgetViewServices {
    QStringList calls;
    QString quickAnswer;
    std::optional<QString> classificationAnswer;
    int editAnswer = 0;
    int printAnswer = 1;
    uint8_t printRange = 0;
    SessionContext* session = nullptr;
    QString printParameters_, printFilter, printHeading;

    QString quickFilter(const QString& side) override {
        calls << "BT_SZYBKI_FILTR " + side;
        return quickAnswer;
    }
    std::optional<QString> chooseClassification(const QString& side) override {
        calls << "BT_KLASYFIKACJIA_WYBOR " + side;
        return classificationAnswer;
    }
    void describeClassification(const QString& side, const QString& symbol) override {
        calls << "KLASYFIKACJA_INFO " + side + " " + symbol;
    }
    void planSummary(const QString& side, const QString& symbol) override { calls << "BT_SUMA_PLAN " + side + " " + symbol; }
    int editBudgetLine(int64_t id) override {
        calls << QStringLiteral("UP_BUDZET_DANE 2 %1").arg(id);
        return editAnswer;
    }
    int printParameters(int first, int second, int third, int64_t report) override {
        calls << QStringLiteral("PARAM_PRN_BT %1 %2 %3 %4").arg(first).arg(second).arg(third).arg(report);
        if (session) session->DANE_ZAKRES_PRN = printRange;
        return printAnswer;
    }
    void startBudgetPrint(const QString& parameters, const QString& filter, const QString& heading) override {
        calls << "WYDRUK_BUDZET " + parameters;
        printParameters_ = parameters;
        printFilter = filter;
        printHeading = heading;
    }
    std::optional<budget::BranchRequest> branch;
    std::optional<budget::BranchRequest> askBranch() override {
        calls << "TREE_DODAJ_GALAZ";
        return branch;
    }
    QString askConfigurationName() override {
        calls << "TREE_DODAJ_KONFIG";
        return {};
    }
    int64_t chooseConfiguration(const std::vector<filtertree::TreeConfiguration>&) override {
        calls << "TREE_WYBIERZ_KONFIG";
        return 0;
    }
};

class BudgetViewTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        if (IsSkipped()) return;
        session().DANE_ID_UZYTKOWNIKA_NR = *db().scalarInt("select id_uzytkownika from UZYTKOWNICY where login=?", {f().login});
        const int64_t march = f().addDocument({f().year2026, f().month2026(3), 2, 0, "PK/3/1", ""});
        splitLine = f().post(march, "401-01", "201-01-001", zl("300.00"));
        split = f().addBudgetLines(splitLine, {{"801-80101-4010", zl("100.00")}, {"801-80101-4210", zl("200.00")}}, 'W',
                                   Expenditure | Cash | Commitment);
        const int64_t may = f().addDocument({f().year2026, f().month2026(5), 2, 0, "PK/5/1", ""});
        costLine = f().post(may, "402", "130-01", zl("45.67"));
        cost = f().addBudgetLine(costLine, "851-85154-4300", 'W', Cost);
        const int64_t june = f().addDocument({f().year2026, f().month2026(6), 2, 0, "PK/6/1", ""});
        analyticLine = f().post(june, "401-01", "130-01", zl("12.34"));
        analytic = f().addBudgetLine(analyticLine, "801-80101-4210-01", 'W', Expenditure | Cost | Commitment | Cash);
        revenueLine = f().post(june, "130-01", "700-01", zl("500.00"));
        revenue = f().addBudgetLines(revenueLine, {{"756-75615-0310", zl("450.00")}, {"756-75615-0500", zl("50.00")}}, 'D',
                                     Revenue | Receipt);
        openingLine = f().openingBalanceLine(f().year2026, "130-01", "800", zl("1000.00"));
        opening = f().addBudgetLine(openingLine, "801-80101-4010", 'W', Cash);
        // Another company's lines under the same symbols: never listed, never summed.
        for (const char* symbol : {"801-80101-4010", "756-75615-0310"})
            db().execute("insert into BT_DANE (id_poz_dok, lp, id_firmy, id_lata_obrot, bt_klasyfikacja, typ, rodzaj_wy, rodzaj_x, "
                         "rodzaj_d, kwota) values (?, ?, ?, ?, ?, ?, 1, 1, 1, 77700)",
                         {costLine, symbol[0] == '8' ? 5 : 6, f().company + 1000, f().year2026, QString::fromLatin1(symbol),
                          QString::fromLatin1(symbol[0] == '8' ? "W" : "D")});
        budgetServices.session = &session();
    }

    // count, total and the flag sums of the company's side under a plain SQL condition.
    struct Sums {
        int64_t count = 0;
        Money total;
        std::vector<Money> flags;
    };
    Sums sqlSums(const QString& typ, const QString& where = "1=1") {
        const QStringList flags = typ == "W" ? QStringList{"rodzaj_wy", "rodzaj_k", "rodzaj_z", "rodzaj_x"}
                                             : QStringList{"rodzaj_d", "rodzaj_wp"};
        Sums s;
        s.count = *db().scalarInt("select count(*) from BT_DANE b where b.id_firmy=? and b.typ=? and " + where, {f().company, typ});
        s.total = Money::fromMinor(*db().scalarInt("select coalesce(sum(b.kwota),0) from BT_DANE b where b.id_firmy=? and b.typ=? and " + where,
                                                   {f().company, typ}));
        for (const QString& flag : flags)
            s.flags.push_back(Money::fromMinor(*db().scalarInt("select coalesce(sum(b.kwota),0) from BT_DANE b where b.id_firmy=? and "
                                                               "b.typ=? and b." + flag + "=1 and " + where,
                                                               {f().company, typ})));
        return s;
    }

    ScriptedWindowServices services;
    ScriptedBudgetServices budgetServices;
    int64_t splitLine = 0, costLine = 0, analyticLine = 0, revenueLine = 0, openingLine = 0;
    std::vector<int64_t> split, revenue;
    int64_t cost = 0, analytic = 0, opening = 0;
};

} // namespace ksiega::test
