#include "openingbalance/entry/AmountEntryController.h"
#include "openingbalance/LineClaims.h"
#include "frame/marks/SelectionStore.h"
#include "platform/db/DbError.h"
#include <algorithm>
#include "platform/runtime/Date.h"
#include "platform/server/Accounts.h"
#include "platform/siblings/documents/DocumentsLibrary.h"
#include "platform/ui/dialogs/Dialogs.h"
#include "platform/ui/dialogs/Messages.h"

namespace ksiega::openingbalance {

namespace {

bool isPln(const QString& currency) {
    const QString c = currency.trimmed();
    return c.isEmpty() || c.compare(QLatin1String("PLN"), Qt::CaseInsensitive) == 0;
}

// The synthetic number of an account: its first segment.
int syntheticNumber(const QString& account) { return account.trimmed().section(QLatin1Char('-'), 0, 0).left(3).toInt(); }

} // namespace

AmountEntryController::AmountEntryController(db::Database& db, const SessionContext& session, LineRequest request,
                                             AmountEntryServices& services)
    : m_db(db), m_session(session), m_request(std::move(request)), m_services(services) {
    m_request.account = m_request.account.trimmed();
    if (m_request.currency.trimmed().isEmpty()) m_request.currency = QStringLiteral("PLN");
}

AmountEntryController::~AmountEntryController() {
    try {
        release();
    } catch (...) {
    }
}

int AmountEntryController::openingDate() const { return date::openingPeriod(m_session.DANE_POCZATEK_ROKU); }

bool AmountEntryController::open() {
    const int64_t firm = m_session.DANE_ID_FIRMY;
    const int64_t year = m_session.DANE_LATA_OBROTOWE;
    const QString& account = m_request.account;

    const auto found = server::SZUKAJ_KONTA(m_db, firm, year, account, 1);
    if (!found) {
        MSG_INF(QStringLiteral("Konto: ") + account + QStringLiteral(" jest niepoprawne. Odśwież okno."));
        return false;
    }
    const int synthetic = syntheticNumber(account);
    if (!isPln(m_request.currency)) {
        const auto walutowe = m_db.scalarInt(
            QStringLiteral("select czy_walutowe from KONTA_SYNT where id_firmy=? and id_lata_obrot=? and nr_konta_syn=?"),
            {firm, year, synthetic});
        if (walutowe.value_or(0) != 1) {
            MSG_INF(QStringLiteral("Bieżący widok dotyczy waluty ") + m_request.currency + QStringLiteral(". Konto ") + account
                    + QStringLiteral(" nie jest kontem walutowym."));
            return false;
        }
    }

    m_idPozDok = claimLine(m_db, m_session, m_request.idNagDok, account);
    if (m_idPozDok == 0) return false;
    m_claimed = true;

    try {
        if (!readLine()) {
            MSG_OST(LINE_READ_ERROR_TEXT);
            release();
            return false;
        }
    } catch (const std::exception& e) {
        MSG_OST(errorText(e));
        release();
        return false;
    }
    m_header = account + QLatin1Char(' ')
        + server::USTAL_NAZWE_KONTA(m_db, firm, year, account).value_or(found->nazwaKonta);
    return true;
}

bool AmountEntryController::readLine() {
    const int64_t firm = m_session.DANE_ID_FIRMY;
    const int64_t year = m_session.DANE_LATA_OBROTOWE;
    db::Rows line = m_db.select(
        QStringLiteral("select kwota_wn, kwota_wn_w, kwota_ma, kwota_ma_w from POZ_DOK where id_poz_dok=? and id_nag_dok=?"),
        {m_idPozDok, m_request.idNagDok});
    if (!line.next()) return false;
    m_amounts = {line.money(0), line.money(1), line.money(2), line.money(3)};

    db::Rows props = m_db.select(QStringLiteral("select czy_walutowe, czy_rozrach, czy_mpk, czy_ukryty_rozrachunek from KONTA_SYNT "
                                                "where id_firmy=? and id_lata_obrot=? and nr_konta_syn=?"),
                                 {firm, year, syntheticNumber(m_request.account)});
    if (props.next()) {
        m_currencyAccount = props.int64(0) == 1;
        m_settlementAccount = props.int64(1) == 1;
        m_costCentreAccount = props.int64(2) == 1;
        m_hiddenSettlements = props.int64(3) == 1;
    }
    // System option 224: no row, or "TAK", turns the transaction marks on.
    const auto option = m_db.scalarText(
        QStringLiteral("select nazwa_wartosci from OPCJE_SYSTEMOWE where id_firmy=? and id_lata_obrot=? and id_opcje=224"),
        {firm, year});
    m_transactionMarks = !option || option->trimmed().toUpper() == QLatin1String("TAK");

    m_partials = server::readPartialEntries(m_db, m_idPozDok);
    m_settlements.clear();
    m_readIds.clear();
    for (server::OpeningSettlement& s : server::readLineSettlements(m_db, m_idPozDok)) {
        m_readIds.push_back(s.id);
        m_settlements.push_back({std::move(s), SettlementState::AsRead});
    }
    m_split = costcentres::costCentreSplits().MPK_ODTWORZ_ZAPISY(m_db, m_idPozDok, 1);
    return true;
}

bool AmountEntryController::fieldEditable(AmountField field) const {
    if (field == AmountField::WnW || field == AmountField::MaW) return currencyAmountsEditable();
    return amountsEditable();
}

void AmountEntryController::setAmount(AmountField field, Money value) {
    if (fieldEditable(field)) amountOf(m_amounts, field) = value;
}

LineSettlementsContext AmountEntryController::settlementsContext() const {
    LineSettlementsContext c;
    c.account = m_request.account;
    c.currency = m_request.currency;
    c.openingDate = openingDate();
    c.hiddenByDefault = m_hiddenSettlements;
    c.transactionMarks = m_transactionMarks;
    return c;
}

costcentres::CostCentreLine AmountEntryController::costCentreLine() const {
    costcentres::CostCentreLine l;
    l.idFirmy = m_session.DANE_ID_FIRMY;
    l.idLataObrot = m_session.DANE_LATA_OBROTOWE;
    l.idPozDok = m_idPozDok;
    l.kontoWn = m_request.account;
    l.kontoMa = m_request.account;
    l.kwotaWn = m_amounts.kwotaWn;
    l.kwotaMa = m_amounts.kwotaMa;
    return l;
}

void AmountEntryController::editSettlements(QWidget* parent) {
    if (!m_claimed || !settlementsEnabled()) return;
    m_services.editSettlements(m_db, m_session, settlementsContext(), m_settlements, parent);
}

void AmountEntryController::editPartialEntries(QWidget* parent) {
    if (!m_claimed) return;
    PartialEntriesContext c;
    c.account = m_request.account;
    c.currency = m_request.currency;
    c.currencyAmounts = m_currencyAccount;
    c.readOnly = !partialEntriesEnabled();
    c.openingDate = openingDate();
    std::vector<server::PartialEntry> edited = m_partials;
    m_services.editPartialEntries(c, edited, parent);
    if (!c.readOnly) m_partials = std::move(edited);
}

void AmountEntryController::editCostCentres(const QString& strona, QWidget* parent) {
    if (!m_claimed || !costCentresEnabled()) return;
    costcentres::CostCentreSplit edited = m_split;
    if (m_services.editCostCentres(m_db, strona, costCentreLine(), edited, parent)) m_split = std::move(edited);
}

bool AmountEntryController::checksPass() {
    if (const auto m = firstMismatch(m_amounts, m_partials, m_settlements, m_currencyAccount)) {
        const int answer = ui::dialogs().question(m->text, ui::BUTTONS_ZMIEN_KWOTE_ANULUJ, 2, ui::TITLE_INFORMACJA);
        if (answer == 1) setAmount(m->field, m->sum);
        return false;
    }
    const bool changed = std::any_of(m_settlements.begin(), m_settlements.end(),
                                     [](const SettlementRow& r) { return r.state == SettlementState::Changed; });
    if (changed && ui::dialogs().question(kChangedSettlementsQuestion, ui::BUTTONS_TAK_NIE, 2, ui::TITLE_OSTRZEZENIE) != 1)
        return false;
    return true;
}

bool AmountEntryController::save() {
    if (!m_claimed) return false;
    if (!checksPass()) return false;
    try {
        db::Transaction tx(m_db);
        if (!lineStillWritable(m_db, m_idPozDok, m_session.DANE_ID_UZYT)) return false;
        write();
        tx.commit();
    } catch (const std::exception& e) {
        MSG_OST(QStringLiteral("Pozycja nie została zapisana.|") + errorText(e));
        return false;
    }
    m_result = 1;
    release();
    documents::documentsLibrary().DOKUMENTY_RK_DEL({m_db, m_session.DANE_ID_UZYT, nullptr}, QStringLiteral("U"));
    return true;
}

void AmountEntryController::write() {
    const int64_t firm = m_session.DANE_ID_FIRMY;
    const int64_t year = m_session.DANE_LATA_OBROTOWE;
    const int64_t user = m_session.DANE_ID_UZYTKOWNIKA_NR;
    if (!m_request.settlementsOnly) server::writePartialEntries(m_db, m_idPozDok, m_partials);

    // The settlements kept as they are: those of the warehouse system and those not changed
    // in amount or side. The ones this window read and does not keep are removed.
    // The settlements this window keeps, through the selection store.
    marks::MarksList kept;
    for (const SettlementRow& r : m_settlements)
        if (r.settlement.id != 0 &&
            (r.fromWarehouse() || r.state == SettlementState::AsRead || r.state == SettlementState::EditedInPlace))
            kept.set(r.settlement.id, true);
    const marks::StoreOutcome stored =
        marks::storeMarks(m_db, kept, {marks::BrowserOpeningBalanceLineSettlements, user});
    if (!stored.ok) throw db::DbError(stored.error);
    server::TG_BO_USUN_ROZRACH(m_db, user, m_idPozDok, 1, m_readIds);
    for (const SettlementRow& r : m_settlements) {
        if (r.fromWarehouse() || r.state == SettlementState::AsRead) continue;
        server::OpeningSettlement s = r.settlement;
        if (r.state == SettlementState::Changed) s.id = 0;   // removed above: written anew, without clearings
        server::POZYCJE_BO_ROZRACH(m_db, m_request.idNagDok, m_idPozDok, firm, year, m_request.account, m_request.currency,
                                   user, s);
    }
    if (m_request.settlementsOnly) return;
    costcentres::costCentreSplits().MPK_ZAPISZ_DANE(m_db, costCentreLine(), m_split, m_session.DANE_CZY_WERSJA_MPK == 1);
    server::POZYCJE_BO_AKTUALIZUJ(m_db, m_request.idNagDok, openingDate(), firm, year, m_idPozDok, 0, m_request.currency,
                                  m_request.currency, m_amounts, user);
}

void AmountEntryController::close() { release(); }

void AmountEntryController::release() {
    if (!m_claimed) return;
    m_claimed = false;
    server::POZYCJE_BO_ZWOLNIJ(m_db, m_idPozDok, m_session.DANE_ID_UZYT);
}

} // namespace ksiega::openingbalance
