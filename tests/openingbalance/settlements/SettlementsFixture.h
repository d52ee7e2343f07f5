#pragma once
// The settlements of an opening-balance line of 201-01-001 as the entry window reads
// them, with the libraries the form calls scripted.
#include "openingbalance/settlements/SettlementListController.h"
#include "platform/runtime/Date.h"
#include "platform/siblings/documents/DocumentDescriptions.h"
#include "platform/siblings/functions/FunctionsLibrary.h"
#include "support/WindowFixture.h"
#include <functional>

namespace ksiega::test {

// ZAMIEN_SKOBKI turns brackets into parentheses here; OPISY_DOKUMENTOW answers a fixed
// description and notes what it was given.
struct ScriptedFormLibraries : functions::FunctionsLibrary, documents::DocumentDescriptions {
    QStringList descriptionCalls;
    QString ZAMIEN_SKOBKI(const QString& text) override {
        QString out = text;
        return out.replace('[', '(').replace(']', ')');
    }
    QString OPISY_DOKUMENTOW(db::Database&, int64_t, const QString& kind, const QString& current, QWidget*) override {
        descriptionCalls << kind + "|" + current;
        return QStringLiteral("Saldo otwarcia z faktury");
    }
};

// The form as a person fills it: `fill` changes the form, then "Zapisz" is pressed until
// it is accepted or `attempts` presses were refused ("Anuluj" then).
struct ScriptedForms : openingbalance::FormRunner {
    std::function<void(openingbalance::SettlementFormController&)> fill;
    int runs = 0;
    bool run(openingbalance::SettlementFormController& form) override {
        ++runs;
        if (fill) fill(form);
        return form.save();
    }
};

class SettlementsTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        if (IsSkipped()) return;
        functions::replaceFunctionsLibrary(&libraries);
        documents::replaceDocumentDescriptions(&libraries);
        context.account = QStringLiteral("201-01-001");
        context.currency = QStringLiteral("PLN");
        context.openingDate = date::openingPeriod(session().DANE_POCZATEK_ROKU);
        line = f().openingBalanceLine(f().year2026, "201-01-001", "", zl("900.00"));
    }
    void TearDown() override {
        functions::replaceFunctionsLibrary(nullptr);
        documents::replaceDocumentDescriptions(nullptr);
        WindowTest::TearDown();
    }

    // The line's settlements as the entry window holds them after reading.
    std::vector<openingbalance::SettlementRow> readRows() {
        std::vector<openingbalance::SettlementRow> rows;
        for (const server::OpeningSettlement& s : server::readLineSettlements(db(), line)) rows.push_back({s});
        return rows;
    }
    openingbalance::SettlementFormController formOn(const openingbalance::SettlementRow& row) {
        return openingbalance::SettlementFormController(db(), session(), context, row);
    }
    openingbalance::SettlementFormController newForm() {
        return openingbalance::SettlementFormController(db(), session(), context, std::nullopt);
    }
    // A settlement of the line, cleared in part by a payment in March.
    int64_t clearedSettlement() {
        const int64_t s = f().openSettlement(line, "WN", "FV/2025/77");
        const int64_t payment = f().post(f().addDocument({f().year2026, f().month2026(3), 2, 0, "WB/03/7", ""}), "130-01",
                                         "201-01-001", zl("400.00"));
        f().settle(s, payment, zl("400.00"));
        return s;
    }

    ScriptedFormLibraries libraries;
    openingbalance::LineSettlementsContext context;
    int64_t line = 0;
};

} // namespace ksiega::test
