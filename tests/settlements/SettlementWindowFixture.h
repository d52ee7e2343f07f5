#pragma once
// The settlement windows on the test ledger: a session of user jkowal on 2026, settlements
// waiting in the ledger or in the warehouse system, the settlements window and the chart
// of accounts scripted (they mark what a test says), and what the books hold read back
// with plain SQL.
#include "platform/siblings/documents/DocumentDescriptions.h"
#include "platform/siblings/pickers/ChartOfAccountsPicker.h"
#include "platform/siblings/pickers/DatePickers.h"
#include "platform/siblings/pickers/PickedMarks.h"
#include "platform/siblings/settlements/SettlementsWindow.h"
#include "settlements/shared/BalanceDateOption.h"
#include "support/WiringFixture.h"

namespace ksiega::test {

struct ChoosingSettlementsWindow : settlements::SettlementsWindow {
    std::vector<int64_t> toMark;
    std::vector<settlements::SettlementChoice> choices;
    int ROZRACHUNKI(const pickers::PickerContext&, const settlements::SettlementFilter&) override { return 0; }
    int ROZRACHUNKI(const pickers::PickerContext& c, const settlements::SettlementChoice& choice) override {
        choices.push_back(choice);
        if (toMark.empty()) return 0;
        std::vector<pickers::PickedElement> picked;
        for (int64_t id : toMark) picked.push_back({id, QString()});
        pickers::replacePickedMarks(c.db, settlements::kSettlementBrowser, c.user, picked);
        return 1;
    }
};

struct ScriptedChart : pickers::ChartOfAccountsPicker {
    QString answer;
    QStringList presets;
    QString chooseAccounts(const pickers::PickerContext&) override {
        presets << session().DANE_NUMER_KONTA;
        return answer;
    }
    QString BT_SLOWNIK_KLASYFIKACJI(const pickers::PickerContext&, const QString&, const QString& current) override { return current; }
};

struct ScriptedCalendar : pickers::DatePickers {
    int answer = 0;
    int calls = 0;
    int KALENDARZ(int day) override {
        ++calls;
        return answer ? answer : day;
    }
    bool GET_ZAKRES_DAT(int&, int&) override { return false; }
};

struct ScriptedDescriptions : documents::DocumentDescriptions {
    QStringList kinds;
    QString OPISY_DOKUMENTOW(db::Database&, int64_t, const QString& kind, const QString&, QWidget*) override {
        kinds << kind;
        return QStringLiteral("Faktury z magazynu");
    }
};

// Over the window fixture (controllers) or the wiring fixture (the procedures as the host
// opens them).
template <class Base>
class SettlementWindowTestOf : public Base {
protected:
    using Base::db;
    using Base::dialogs;
    using Base::f;
    void SetUp() override {
        Base::SetUp();
        if (this->IsSkipped()) return;
        jkowal = *db().scalarInt("select id_uzytkownika from UZYTKOWNICY where login='jkowal'");
        session().DANE_ID_UZYTKOWNIKA_NR = jkowal;
        session().DANE_DATA_BIEZACA = f().month2026(4) + 10;
        session().DANE_DATA_OKRESU = f().month2026(4);
        session().GGG_ISTOVARIX = 1;
        settlements::resetBalanceDateOption();
        settlements::replaceSettlementsWindow(&window);
        pickers::replaceChartOfAccountsPicker(&chart);
        pickers::replaceDatePickers(&calendar);
        documents::replaceDocumentDescriptions(&descriptions);
    }
    void TearDown() override {
        settlements::replaceSettlementsWindow(nullptr);
        pickers::replaceChartOfAccountsPicker(nullptr);
        pickers::replaceDatePickers(nullptr);
        documents::replaceDocumentDescriptions(nullptr);
        settlements::resetBalanceDateOption();
        Base::TearDown();
    }

    // A settlement on no ledger line yet: the warehouse system's when warehouseDoc is not 0.
    int64_t settlement(const QString& account, const QString& strona, const char* kwota, int64_t warehouseDoc = 0,
                       const QString& waluta = "PLN", const char* kwotaW = "0") {
        return db().insertReturningId(
            "insert into ROZRACHUNEK (id_firmy, id_lata_obrot, nr_konta, symbol, nr_dok, data_dok, termin_platnosci, rodzaj, "
            "strona, kwota, kwota_w, sym_waluty, id_nag_dok_m, opis) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
            "returning id_rozrachunku",
            {f().company, f().year2026, account, "FV/" + account, "FV/" + account, f().bo2026() - 30, f().bo2026() - 16,
             strona == "WN" ? "N" : "Z", strona, zl(kwota), zl(kwotaW), waluta, warehouseDoc, "towar"});
    }
    void clear(int64_t id, int date, const char* kwota) {
        db().execute("insert into ROZLICZENIE (id_rozrachunku, id_firmy, data_rozliczenia, kwota, kwota_w) values (?, ?, ?, ?, 0)",
                     {id, f().company, date, zl(kwota)});
    }
    int64_t scalar(const QString& sql, const db::Params& params = {}) { return db().scalarInt(sql, params).value_or(-1); }
    // Sum of one side of the opening lines of an account, straight from POZ_DOK.
    int64_t openingSide(const QString& account, const QString& side) {
        return scalar(QStringLiteral("select coalesce(sum(kwota_%1), 0) from POZ_DOK where czy_rk=10 and id_lata_obrot=? and konto_%1=?")
                          .arg(side.toLower()),
                      {f().year2026, account});
    }
    int64_t openingDocuments() { return scalar("select count(*) from NAG_DOK where czy_rk=10"); }
    int64_t documents() { return scalar("select count(*) from NAG_DOK"); }
    bool said(const QString& text) { return dialogs.texts().contains(text); }
    QString allSaid() { return dialogs.texts().join(" / "); }

    int64_t jkowal = 0;
    ChoosingSettlementsWindow window;
    ScriptedChart chart;
    ScriptedCalendar calendar;
    ScriptedDescriptions descriptions;
};

using SettlementWindowTest = SettlementWindowTestOf<WindowTest>;
using SettlementWiringTest = SettlementWindowTestOf<WiringTest>;

} // namespace ksiega::test
