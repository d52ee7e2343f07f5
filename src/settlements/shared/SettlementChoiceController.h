#pragma once
// What the import wizard and the document-from-settlements window share: the pages with
// "Wstecz" and "Dalej"/"Zakończ", the balance-date option kept for the session, the two
// check boxes that make the settlements window's mode, "Wybierz rozrachunki" with the list
// of the chosen settlements, the wait text and the result page. QtCore only.
#include "frame/SessionContext.h"
#include "platform/siblings/pickers/PickerContext.h"
#include "platform/siblings/settlements/SettlementsWindow.h"
#include "settlements/shared/BalanceDateOption.h"
#include "settlements/shared/ChosenSettlements.h"
#include "settlements/shared/ResultPage.h"
#include "settlements/shared/SettlementServices.h"
#include <functional>

namespace ksiega::settlements {

enum WizardPage { FirstPage = 0, ChoicePage = 1, ResultsPage = 2 };

class SettlementChoiceController {
public:
    SettlementChoiceController(db::Database& db, SessionContext& session, SettlementServices& services);
    virtual ~SettlementChoiceController() = default;

    // GGG:ISTOVARIX as the window opened.
    bool ledgerSettlements() const { return m_ledger; }

    // SALDO_NA_DZIEN / DATA_SALDA_NA_DZIEN (kept for the session).
    bool saldoNaDzien() const { return balanceDateOption().saldoNaDzien; }
    void setSaldoNaDzien(bool on);
    int dataSalda() const { return balanceDateOption().dataSalda; }
    void setDataSalda(int day);
    bool balanceControlsVisible() const { return m_balanceVisible; }
    bool dateEnabled() const { return saldoNaDzien(); }
    // B_DATA_SALDA_NA_DZIEN: the calendar of the function library.
    void pickBalanceDate();

    // WYBIERZ_SKOJARZONE and OGRANICZ_WIDOK.
    bool wybierzSkojarzone() const { return m_skojarzone; }
    void setWybierzSkojarzone(bool on);
    bool ograniczWidok() const { return m_ogranicz; }
    void setOgraniczWidok(bool on);
    bool ograniczEnabled() const { return m_ledger; }

    // The three characters the settlements window is given.
    virtual QString modeText() const;
    // B_WYBIERZ: the settlements window, then the list of what it left in browser 30.
    void chooseSettlements();
    // The list of what browser 30 holds now, without opening the settlements window.
    void showMarked();
    ChosenSettlements& chosen() { return m_chosen; }
    const ChosenSettlements& chosen() const { return m_chosen; }
    virtual bool finishEnabled() const { return !m_chosen.isEmpty(); }

    // The pages: "Dalej" on the first page goes on and becomes "Zakończ"; "Zakończ" runs
    // finish(); "Wstecz" goes back.
    WizardPage page() const { return m_page; }
    void setPage(WizardPage page);
    void next();
    void back();
    QString okLabel() const;
    bool okEnabled() const { return m_page == FirstPage || finishEnabled(); }
    bool backEnabled() const { return m_page != FirstPage; }

    QString waitText() const { return m_wait; }    // STR_CZEKAJ; "" = hidden
    const ResultPage& resultPage() const { return m_result; }
    // "Drukuj" of the result page.
    void printResult();

    std::function<void()> changed;

protected:
    virtual void finish() = 0;
    virtual QString resultTitle() const = 0;
    // What the window hands the settlements window besides the mode.
    virtual SettlementChoice choice() const;
    // The list's source: where the chosen settlements are read and how.
    virtual ChosenSource listSource() const;
    void notify();
    void setWait(const QString& text);
    pickers::PickerContext pickerContext() const;
    // Re-reads the chosen list; an error is shown under "Bilantor: Ostrzeżenie".
    bool reloadChosen();

    db::Database& m_db;
    SessionContext& m_session;
    SettlementServices& m_services;
    ChosenSettlements m_chosen;
    ResultPage m_result;
    bool m_ledger = true;
    bool m_balanceVisible = false;
    bool m_skojarzone = false;
    bool m_ogranicz = false;
    WizardPage m_page = FirstPage;
    QString m_wait;
};

} // namespace ksiega::settlements
