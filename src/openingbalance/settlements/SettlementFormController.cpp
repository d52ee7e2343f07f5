#include "openingbalance/settlements/SettlementFormController.h"
#include "openingbalance/settlements/SettlementTexts.h"
#include "platform/siblings/documents/DocumentDescriptions.h"
#include "platform/siblings/functions/FunctionsLibrary.h"
#include "platform/siblings/pickers/ChartOfAccountsPicker.h"
#include "platform/siblings/pickers/DatePickers.h"
#include "platform/ui/dialogs/Dialogs.h"
#include "platform/ui/dialogs/Messages.h"
#include <algorithm>

namespace ksiega::openingbalance {

namespace {
constexpr int DEFAULT_TERM = 14;
} // namespace

int defaultSettlementTerm(db::Database& db, int64_t idFirmy, int64_t idLataObrot) {
    const std::optional<QString> value = db.scalarText(
        "select nazwa_wartosci from OPCJE_SYSTEMOWE where id_firmy=? and id_lata_obrot=? and id_opcje=180",
        {idFirmy, idLataObrot});
    bool ok = false;
    const int days = value ? value->trimmed().toInt(&ok) : 0;
    return ok ? std::clamp(days, -SettlementFormController::MAX_DAYS, SettlementFormController::MAX_DAYS) : DEFAULT_TERM;
}

SettlementFormController::SettlementFormController(db::Database& db, const SessionContext& session,
                                                   const LineSettlementsContext& context,
                                                   std::optional<SettlementRow> existing)
    : m_db(db), m_session(session), m_context(context), m_isNew(!existing) {
    if (existing) {
        m_row = *existing;
        const server::OpeningSettlement& s = m_row.settlement;
        m_days = (s.dataDok && s.terminPlatnosci) ? s.terminPlatnosci - s.dataDok : 0;
    } else {
        server::OpeningSettlement& s = m_row.settlement;
        s.id = 0;
        s.symbol = QStringLiteral("BO");
        s.dataDok = context.openingDate;
        s.terminPlatnosci = context.openingDate;
        s.strona.clear();
        s.kwota = Money();
        s.kwotaW = Money();
        s.znacznikTransakcji.clear();
        s.idKlasyfikacja = 0;
        s.aplikacjaStatus = context.hiddenByDefault ? 1 : 0;
        m_row.state = SettlementState::New;
        m_days = defaultSettlementTerm(db, session.DANE_ID_FIRMY, session.DANE_LATA_OBROTOWE);
    }
    m_before = m_row.settlement;
}

QString SettlementFormController::caption() const {
    return m_isNew ? QStringLiteral("Rozrachunki/Dodaj") : QStringLiteral("Rozrachunki/Popraw");
}

void SettlementFormController::setSymbol(const QString& symbol) { m_row.settlement.symbol = symbol.left(SYMBOL_LENGTH); }
void SettlementFormController::setDescription(const QString& opis) { m_row.settlement.opis = opis.left(DESCRIPTION_LENGTH); }

void SettlementFormController::followDays() {
    server::OpeningSettlement& s = m_row.settlement;
    if (s.rodzaj == KIND_PAYMENT) {
        m_days = 0;
        s.terminPlatnosci = s.dataDok;
    } else if (s.dataDok) {
        s.terminPlatnosci = s.dataDok + m_days;
    }
}

void SettlementFormController::setDocumentDate(int day) {
    m_row.settlement.dataDok = std::max(day, 0);
    followDays();
}

void SettlementFormController::setKind(QChar rodzaj) {
    m_row.settlement.rodzaj = rodzaj;
    if (rodzaj == KIND_PAYMENT) followDays();
}

void SettlementFormController::setDays(int days) {
    m_days = std::clamp(days, -MAX_DAYS, MAX_DAYS);
    followDays();
}

void SettlementFormController::setDueDate(int day) {
    server::OpeningSettlement& s = m_row.settlement;
    if (!dueDateEditable()) return;
    s.terminPlatnosci = std::max(day, 0);
    if (s.dataDok && s.terminPlatnosci)
        m_days = std::clamp(s.terminPlatnosci - s.dataDok, -MAX_DAYS, MAX_DAYS);
}

void SettlementFormController::setSide(const QString& strona) { m_row.settlement.strona = strona; }
void SettlementFormController::setAmount(Money kwota) { m_row.settlement.kwota = kwota; }
void SettlementFormController::setCurrencyAmount(Money kwotaW) { m_row.settlement.kwotaW = kwotaW; }
void SettlementFormController::setCorrection(bool korekta) { m_row.settlement.korekta = korekta; }
void SettlementFormController::setTransactionMark(const QString& znacznik) {
    if (transactionMarkEnabled()) m_row.settlement.znacznikTransakcji = znacznik.left(MARK_LENGTH);
}
void SettlementFormController::setHiddenInWarehouse(bool hidden) { m_row.settlement.aplikacjaStatus = hidden ? 1 : 0; }

bool SettlementFormController::dueDateEditable() const { return m_row.settlement.rodzaj != KIND_PAYMENT; }

QString SettlementFormController::transactionLabel() const {
    return m_session.DANE_CZY_WERSJA_BUDZET == 1 ? QStringLiteral("Klasyfikacja") : QStringLiteral("Transakcja");
}

bool SettlementFormController::classificationVisible() const { return m_session.DANE_CZY_WERSJA_BUDZET == 1; }

QString SettlementFormController::classificationSymbol() const {
    if (!m_row.settlement.idKlasyfikacja) return {};
    return m_db.scalarText("select symbol from KLASYFIKACJA_BUDZETOWA where id_klasyfikacji=?", {m_row.settlement.idKlasyfikacja})
        .value_or(QString());
}

void SettlementFormController::chooseDescription(QWidget* parent) {
    setDescription(documents::documentDescriptions().OPISY_DOKUMENTOW(m_db, m_session.DANE_ID_FIRMY, QStringLiteral("R"),
                                                                      m_row.settlement.opis, parent));
}

void SettlementFormController::chooseDocumentDate() { setDocumentDate(pickers::datePickers().KALENDARZ(m_row.settlement.dataDok)); }

void SettlementFormController::chooseDueDate() {
    if (dueDateEditable()) setDueDate(pickers::datePickers().KALENDARZ(m_row.settlement.terminPlatnosci));
}

void SettlementFormController::chooseClassification() {
    if (!classificationVisible() || !transactionMarkEnabled()) return;
    const pickers::PickerContext context{m_db, m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE,
                                         m_session.DANE_ID_UZYTKOWNIKA_NR, m_session.DANE_DATA_BIEZACA};
    const QString current = classificationSymbol();
    const QString chosen = pickers::chartOfAccountsPicker().BT_SLOWNIK_KLASYFIKACJI(context, QString(), current);
    if (chosen == current || chosen.isEmpty() || chosen == pickers::MULTIWYBOR) return;
    if (auto id = m_db.scalarInt("select id_klasyfikacji from KLASYFIKACJA_BUDZETOWA where id_firmy=? and symbol=? "
                                 "order by data_od desc limit 1",
                                 {m_session.DANE_ID_FIRMY, chosen}))
        m_row.settlement.idKlasyfikacja = *id;
}

bool SettlementFormController::amountOrSideChanged() const {
    const server::OpeningSettlement& s = m_row.settlement;
    return s.kwota != m_before.kwota || s.kwotaW != m_before.kwotaW || s.korekta != m_before.korekta ||
           s.strona != m_before.strona;
}

bool SettlementFormController::anythingChanged() const {
    const server::OpeningSettlement& s = m_row.settlement;
    return amountOrSideChanged() || s.symbol != m_before.symbol || s.dataDok != m_before.dataDok ||
           s.terminPlatnosci != m_before.terminPlatnosci || s.rodzaj != m_before.rodzaj || s.opis != m_before.opis ||
           s.znacznikTransakcji != m_before.znacznikTransakcji || s.aplikacjaStatus != m_before.aplikacjaStatus ||
           s.idKlasyfikacja != m_before.idKlasyfikacja;
}

bool SettlementFormController::hasClearingsInDatabase() const {
    return m_db.scalarInt("select 1 from ROZLICZENIE_BILANTOR_V where id_rozrachunku=? limit 1", {m_row.settlement.id})
        .has_value();
}

bool SettlementFormController::save() {
    server::OpeningSettlement& s = m_row.settlement;
    if (s.rodzaj == KIND_PAYMENT) followDays();   // a "płatność" falls due on its document date
    if (s.terminPlatnosci < s.dataDok) {
        MSG_INF(QStringLiteral("Termin płatności nie może być mniejszy od daty dokumentu."));
        return false;
    }
    if (s.strona != QLatin1String("MA")) s.strona = QStringLiteral("WN");
    const bool fromDatabase = !m_isNew && s.id != 0 && m_row.state != SettlementState::New;
    if (fromDatabase && amountOrSideChanged() && hasClearingsInDatabase()) {
        const int answer = ui::dialogs().question(
            QStringLiteral("Poprawienie kwoty lub strony dekretu spowoduje usunięcie rozliczeń rozrachunku."),
            ui::BUTTONS_ZAPISZ_ANULUJ, 2, ui::TITLE_INFORMACJA);
        if (answer != 1) return false;
    }
    functions::FunctionsLibrary& functions = functions::functionsLibrary();
    s.symbol = functions.ZAMIEN_SKOBKI(s.symbol).left(SYMBOL_LENGTH);
    s.opis = functions.ZAMIEN_SKOBKI(s.opis).left(DESCRIPTION_LENGTH);

    if (!fromDatabase) {
        s.id = 0;
        m_row.state = SettlementState::New;
    } else if (amountOrSideChanged()) {
        m_row.state = SettlementState::Changed;
    } else if (anythingChanged() && m_row.state == SettlementState::AsRead) {
        m_row.state = SettlementState::EditedInPlace;
    }
    return true;
}

} // namespace ksiega::openingbalance
