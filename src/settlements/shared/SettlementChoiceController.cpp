#include "settlements/shared/SettlementChoiceController.h"
#include "entries/print/LedgerListingStart.h"
#include "platform/siblings/pickers/DatePickers.h"
#include "platform/ui/dialogs/Dialogs.h"
#include "platform/ui/dialogs/Messages.h"
#include "settlements/shared/SettlementTexts.h"

namespace ksiega::settlements {

SettlementChoiceController::SettlementChoiceController(db::Database& db, SessionContext& session, SettlementServices& services)
    : m_db(db), m_session(session), m_services(services),
      m_chosen(db, session.DANE_ID_FIRMY, session.DANE_LATA_OBROTOWE, session.DANE_ID_UZYTKOWNIKA_NR),
      m_ledger(session.GGG_ISTOVARIX == 1) {}

void SettlementChoiceController::notify() {
    if (changed) changed();
}

void SettlementChoiceController::setWait(const QString& text) {
    m_wait = text;
    notify();
}

pickers::PickerContext SettlementChoiceController::pickerContext() const {
    return {m_db, m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE, m_session.DANE_ID_UZYTKOWNIKA_NR,
            m_session.DANE_DATA_BIEZACA};
}

void SettlementChoiceController::setSaldoNaDzien(bool on) {
    balanceDateOption().saldoNaDzien = on;
    notify();
}

void SettlementChoiceController::setDataSalda(int day) {
    balanceDateOption().dataSalda = day;
    notify();
}

void SettlementChoiceController::pickBalanceDate() {
    if (!dateEnabled()) return;
    setDataSalda(pickers::datePickers().KALENDARZ(dataSalda()));
}

void SettlementChoiceController::setWybierzSkojarzone(bool on) {
    m_skojarzone = on;
    notify();
}

void SettlementChoiceController::setOgraniczWidok(bool on) {
    m_ogranicz = on && ograniczEnabled();
    notify();
}

QString SettlementChoiceController::modeText() const {
    QString mode;
    mode += m_skojarzone ? QLatin1Char('2') : QLatin1Char('1');
    mode += m_ogranicz ? QLatin1Char('2') : QLatin1Char('1');
    mode += m_ledger ? QLatin1Char('1') : QLatin1Char('2');
    return mode;
}

SettlementChoice SettlementChoiceController::choice() const {
    SettlementChoice c;
    c.mode = modeText();
    return c;
}

ChosenSource SettlementChoiceController::listSource() const {
    ChosenSource source;
    source.ledgerView = m_ledger;
    source.balanceDate = m_ledger ? 0 : balanceDateOption().effectiveDate();
    return source;
}

bool SettlementChoiceController::reloadChosen() {
    try {
        m_chosen.reload(listSource());
        return true;
    } catch (const db::DbError& e) {
        ui::dialogs().warning(e.message(), ui::TITLE_OSTRZEZENIE);
        return false;
    }
}

void SettlementChoiceController::chooseSettlements() {
    if (settlementsWindow().ROZRACHUNKI(pickerContext(), choice()) == 0) return;
    const bool read = reloadChosen();
    notify();
    if (read && !m_chosen.isEmpty() && m_chosen.anyBooked()) MSG_INF(texts::BOOKED_SKIPPED);
}

void SettlementChoiceController::showMarked() {
    reloadChosen();
    notify();
}

void SettlementChoiceController::setPage(WizardPage page) {
    m_page = page;
    notify();
}

void SettlementChoiceController::next() {
    if (m_page == FirstPage) {
        setPage(ChoicePage);
        return;
    }
    if (!okEnabled()) return;
    finish();
    notify();
}

void SettlementChoiceController::back() {
    if (m_page == ChoicePage || m_page == ResultsPage) setPage(WizardPage(int(m_page) - 1));
}

QString SettlementChoiceController::okLabel() const { return m_page == FirstPage ? texts::DALEJ : texts::ZAKONCZ; }

void SettlementChoiceController::printResult() {
    m_session.DANE_NAGLOWEK_WYDRUKU = resultTitle();
    if (!entries::askPrintRange(m_session, nullptr)) return;
    m_session.DANE_OPIS_PRN.clear();
    m_services.print(resultTitle(), m_result.rows());
}

} // namespace ksiega::settlements
