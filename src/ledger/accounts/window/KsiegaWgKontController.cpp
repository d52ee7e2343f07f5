#include "ledger/accounts/window/KsiegaWgKontController.h"
#include "ledger/shared/ListServices.h"
#include "frame/rights/AccessRights.h"
#include "ledger/accountfilter/AccountFilterSettings.h"
#include "ksiega/ksiega.h"
#include "ledger/accounts/AccountsPrint.h"
#include "ledger/accounts/EntryListColumns.h"
#include "ledger/turnovers/AccountPeriodQueue.h"
#include "platform/runtime/Date.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <QDate>

namespace ksiega::ledger {

namespace {
const QString CAPTION = QStringLiteral("Księga główna/Przeglądanie wg kont dla waluty: ");

QString normalisedCurrency(const QString& symbol) {
    const QString s = symbol.trimmed().toUpper().left(3);
    return s.isEmpty() ? QStringLiteral("PLN") : s;
}
} // namespace

KsiegaWgKontController::KsiegaWgKontController(db::Database& db, SessionContext& session)
    : m_db(db), m_pt(db), m_session(session),
      m_tree(std::make_unique<AccountTreeController>(db, session)),
      m_entries(std::make_unique<LedgerEntriesController>(db, session)) {
    accountFilterWindow = [] { return FILTR(); };
}

KsiegaWgKontController::~KsiegaWgKontController() = default;

void KsiegaWgKontController::open(const WindowSwitches& switches) {
    m_viewName = m_session.DANE_CZY_WERSJA_BUDZET ? QStringLiteral("POZ_DOK_VIEW_UNION_BT")
                                                  : QStringLiteral("POZ_DOK_VIEW_UNION");
    m_currency = normalisedCurrency(m_session.activeCurrency());
    askRights();
    m_tree->rebuild();

    m_vsplit = switches.vsplitPos;
    m_hsplit = switches.hsplitPos;
    m_intuitive = switches.intuitive != 0;
    m_viewMode = switches.viewSwitch == 1 ? 1 : 0;
    const int order = int(switches.sortOrder);
    m_entries->setSortOrder(order >= 1 && order <= kEntrySortOrders ? order : 1);
    if (m_entries->descending() != (switches.sortDirection != 0)) m_entries->toggleDirection();
    m_entries->entries().setIntuitiveSearch(m_intuitive);

    m_entries->setCurrency(m_currency);
    m_entries->setViewMode(m_viewMode);
    m_entries->setAccount(QString(), false);
    rebuildEntries();
}

void KsiegaWgKontController::storeSwitches(WindowSwitches& s) const {
    s.vsplitPos = m_vsplit;
    s.hsplitPos = m_hsplit;
    s.sortOrder = m_entries->sortOrder();
    s.sortDirection = m_entries->descending() ? 1 : 0;
    s.intuitive = m_intuitive ? 1 : 0;
    s.viewSwitch = m_viewMode;
}

void KsiegaWgKontController::askRights() {
    if (m_session.DANE_ADMINISTRATOR == 1) {
        m_rightPrint = 1;
        m_rightDocument = 1;
        return;
    }
    rights::AccessRights rights(m_pt, m_session);
    m_rightPrint = rights.right(RIGHT_PRINT);
    m_rightDocument = uint8_t(rights.right(RIGHT_DOCUMENT) != 0 ? 1 : 0);
}

QString KsiegaWgKontController::caption() const { return CAPTION + m_currency; }

QStringList KsiegaWgKontController::currencies() const {
    QStringList out;
    db::Rows r = m_db.select(QStringLiteral("select sym_waluty from WALUTY order by sym_waluty limit 1000"));
    while (r.next()) out << r.text(0).trimmed();
    if (!out.contains(m_currency)) out.prepend(m_currency);
    return out;
}

void KsiegaWgKontController::setCurrency(const QString& symbol) {
    const QString c = normalisedCurrency(symbol);
    if (c == m_currency) return;
    m_currency = c;
    m_entries->setCurrency(c);
    rebuildEntries();
}

void KsiegaWgKontController::applyChoice(const ChosenAccount& choice) {
    m_account = choice.account;
    m_whole = choice.wholeAccount;
    m_entries->setAccount(m_account, m_whole);
    rebuildEntries();
}

void KsiegaWgKontController::chooseAccount(const QString& account) {
    if (account.isEmpty() || !m_tree->contains(account)) return;
    applyChoice(m_tree->choiceFor(account));
}

void KsiegaWgKontController::showRegisterAccounts(const QString& account) {
    if (std::optional<ChosenAccount> card = m_tree->showRegisterAccounts(account)) applyChoice(*card);
}

QString KsiegaWgKontController::accountDisplayText() {
    return m_account.isEmpty() ? QString() : m_tree->displayText(m_account);
}

QString KsiegaWgKontController::accountName() {
    return m_account.isEmpty() ? QString() : m_tree->nameOf(m_account).left(150);
}

void KsiegaWgKontController::toggleNames() { m_tree->toggleNames(); }

void KsiegaWgKontController::setViewMode(int mode) {
    mode = mode == 1 ? 1 : 0;
    if (mode == m_viewMode) return;
    m_viewMode = mode;
    m_entries->setViewMode(mode);
    rebuildEntries();
}

void KsiegaWgKontController::setPreviewsShown(bool on) {
    m_previews = on;
    summaryVisibilityChanged();
}

void KsiegaWgKontController::setPreviewTab(int tab) {
    m_previewTab = tab == 1 ? 1 : 0;
    summaryVisibilityChanged();
}

void KsiegaWgKontController::summaryVisibilityChanged() {
    const bool shown = m_previews && m_previewTab == 1;
    m_entries->setSummaryShown(shown);
    if (shown && m_viewMode == 0) m_entries->computeTotals();
}

void KsiegaWgKontController::rebuildEntries(bool keepMarks) {
    const QString warning = m_entries->rebuild(keepMarks);
    if (!warning.isEmpty()) ui::dialogs().warning(warning);
    m_row = -1;
}

void KsiegaWgKontController::runQuickFilter() {
    if (!quickFilter) return;
    const QString text = quickFilter(QStringLiteral("2")).left(3000);
    m_quickText = text;
    m_quickOn = !text.trimmed().isEmpty();
    m_entries->setQuickFilter(m_quickOn, m_quickText);
    rebuildEntries();
}

QString KsiegaWgKontController::quickFilterIcon() const {
    return m_quickOn && !m_quickText.trimmed().isEmpty() ? QStringLiteral("~filtr_on.ico") : QStringLiteral("~filtr.ico");
}

void KsiegaWgKontController::chooseSavedFilterFromList() {
    if (!chooseSavedFilter) return;
    m_session.DANE_ID_BOWSERA_FILTR = BROWSER_ID;
    const std::optional<SavedFilterChoice> chosen = chooseSavedFilter();
    if (!chosen) return;
    m_savedFilterName = chosen->name;
    m_savedFilterExpression = chosen->expression;
    m_entries->setSavedFilter(m_savedFilterName, m_savedFilterExpression);
    rebuildEntries();
}

void KsiegaWgKontController::saveCurrentFilter() {
    if (!saveFilter) return;
    m_session.DANE_ID_BOWSERA_FILTR = BROWSER_ID;
    saveFilter(m_quickOn ? m_quickText : QString());
}

void KsiegaWgKontController::runAccountFilter() {
    if (!accountFilterWindow) return;
    if (accountFilterWindow() == 1) m_tree->rebuild();
}

QString KsiegaWgKontController::accountFilterIcon() const { return filterIndicatorIcon(accountFilter()); }

void KsiegaWgKontController::setShowMarked(bool on) {
    if (on == m_showMarked) return;
    // Turning it on stores the marks first: the list reads them from the selection store.
    const marks::StoreOutcome stored = m_entries->setShowMarked(on);
    if (!stored.ok && !stored.cancelled && !stored.error.isEmpty()) ui::dialogs().warning(stored.error);
    m_showMarked = m_entries->showMarked();
    rebuildEntries(true);
}

void KsiegaWgKontController::refresh() { rebuildEntries(true); }

void KsiegaWgKontController::showDocument() {
    if (!documentEnabled() || m_viewMode != 0 || m_row < 0) return;
    const std::optional<CurrentEntry> entry = m_entries->entryAt(m_row);
    if (!entry) return;
    if (openDocument && openDocument(*entry)) m_row = m_entries->entries().refresh(m_row);
}

void KsiegaWgKontController::printList() {
    if (!printEnabled()) return;
    const std::optional<CurrentEntry> entry = m_viewMode == 0 ? m_entries->entryAt(m_row) : std::nullopt;
    m_session.CRST_FILTR_INFO.clear();
    m_session.CRST_FILTR_TABELA.clear();
    m_session.GGG_DANE_ID_OBIEKTU = entry ? entry->idPozDok : 0;
    const QString set = accountsStatementSet(m_viewMode);
    if (m_viewMode == 0) m_session.CRST_FILTR_ZAPYTANIE = m_entries->rawFilter();
    const int code = chooseStatement ? chooseStatement(set) : 0;
    const std::optional<QString> title = accountsPrintTitle(code);
    if (!title) return;
    m_session.DANE_NAGLOWEK_WYDRUKU = *title;
    if (!askPrintRange || !askPrintRange()) return;

    if (code == kAccountTurnoverStatementCode) {
        // The period-turnover list as the window shows it (the chooser offers this code
        // in the period view) goes to the queue the account ledger printout reads.
        setAccountPeriodQueue({m_account, m_currency, m_entries->periodTurnovers().rows()});
        if (startAccountLedger) startAccountLedger();
        return;
    }
    const int range = m_session.DANE_ZAKRES_PRN;
    if (range == 2 && !entry) return;   // no current line to print
    if (range == 1) {
        // The library reads the marks from the selection store.
        const marks::StoreOutcome stored = m_entries->storeMarks();
        if (!stored.ok) {
            if (!stored.cancelled && !stored.error.isEmpty()) ui::dialogs().warning(stored.error);
            return;
        }
    }
    AccountsPrintInput in;
    in.code = code;
    in.range = range;
    in.listRow = m_row >= 0 ? m_row + 1 : 0;
    in.sortOrder = m_entries->sortOrder();
    in.accountDisplay = accountDisplayText();
    in.listFilter = m_entries->filter();
    if (entry) {
        in.idPozDok = entry->idPozDok;
        in.strona = entry->strona;
    }
    if (startPrint) startPrint(accountsPrintJob(in, *title));
}

void KsiegaWgKontController::setIntuitiveSearch(bool on) {
    m_intuitive = on;
    m_entries->entries().setIntuitiveSearch(on);
}

void KsiegaWgKontController::setCurrentRow(int row) {
    m_row = row;
    m_entries->setCurrentRow(row);
}

void KsiegaWgKontController::chooseSort(int choiceIndex) {
    const int number = entrySortNumber(choiceIndex, m_entries->descending());
    if (number == m_entries->sortOrder()) return;
    m_entries->setSortOrder(number);
    m_row = -1;
}

void KsiegaWgKontController::toggleSortDirection() {
    m_entries->toggleDirection();
    m_row = -1;
}

bool KsiegaWgKontController::dateSortOrder() const {
    const ui::SortOrder order = entrySortOrder(m_entries->sortOrder());
    const ui::ListQuery& query = m_entries->entries().query();
    if (order.keys.isEmpty()) return false;
    // The period date is a day number too, shown as its period ("Okres").
    const QString& column = order.keys.first().column;
    return column == QLatin1String("data_okresu") || query.kindOf(column) == ui::ColumnKind::Date;
}

int KsiegaWgKontController::locateDate(const QString& text) {
    if (m_viewMode != 0 || !dateSortOrder()) return -1;
    const QDate d = QDate::fromString(text.trimmed(), QStringLiteral("dd-MM-yyyy"));
    if (!d.isValid()) return -1;
    const int row = m_entries->entries().locateDate(date::fromQDate(d));
    if (row >= 0) setCurrentRow(row);
    return row;
}

QString KsiegaWgKontController::sortDirectionIcon() const {
    return m_entries->descending() ? QStringLiteral("~down.ico") : QStringLiteral("~up.ico");
}

std::vector<PreviewRow> KsiegaWgKontController::documentPreview() {
    if (m_viewMode != 0 || m_row < 0) return {};
    const std::optional<CurrentEntry> entry = m_entries->entryAt(m_row);
    if (!entry) return {};
    return ledger::documentPreview(m_db, m_session.DANE_ID_FIRMY, entry->idNagDok);
}

std::vector<std::pair<QString, QString>> KsiegaWgKontController::fieldPreview() {
    std::vector<std::pair<QString, QString>> out;
    if (m_viewMode != 0 || m_row < 0) return out;
    const std::optional<CurrentEntry> entry = m_entries->entryAt(m_row);
    if (!entry) return out;
    out = rowFields(m_entries->entries(), m_row);
    out.emplace_back(QStringLiteral("id_nag_dok"), QString::number(entry->idNagDok));
    out.emplace_back(QStringLiteral("id_poz_dok"), QString::number(entry->idPozDok));
    out.emplace_back(QStringLiteral("id_dokument_pozycja"), QString::number(entry->idDokumentPozycja));
    out.emplace_back(QStringLiteral("strona"), entry->strona == 0 ? QStringLiteral("Dt") : QStringLiteral("Ct"));
    const EntryRowValues v = m_entries->rowValues(m_row);
    out.emplace_back(QStringLiteral("okresu_obrot"), v.okresu_obrot);
    out.emplace_back(QStringLiteral("kwota_bro_WN"), v.kwota_bro_WN.toDisplay());
    out.emplace_back(QStringLiteral("kwota_bro_MA"), v.kwota_bro_MA.toDisplay());
    out.emplace_back(QStringLiteral("kwota_bro_WN_w"), v.kwota_bro_WN_w.toDisplay());
    out.emplace_back(QStringLiteral("kwota_bro_MA_w"), v.kwota_bro_MA_w.toDisplay());
    return out;
}

QStringList KsiegaWgKontController::entriesMenu() {
    return {QStringLiteral("Podgląd pól"),       QStringLiteral("-"),
            QStringLiteral("Zaznacz wszystko"),  QStringLiteral("Odznacz wszystko"),
            QStringLiteral("Odwróć zaznaczone"), QStringLiteral("-"),
            QStringLiteral("Kontakty kontrahenta"), QStringLiteral("-"),
            QStringLiteral("Konfiguracja kolumn"), QStringLiteral("-"),
            QStringLiteral("Eksport do Excela")};
}

void KsiegaWgKontController::entriesMenuAction(const QString& item) {
    if (m_viewMode != 0) return;
    if (item == QLatin1String("Zaznacz wszystko")) m_entries->markAll();
    else if (item == QLatin1String("Odznacz wszystko")) m_entries->unmarkAll();
    else if (item == QLatin1String("Odwróć zaznaczone")) m_entries->invertMarks();
    else if (item == QLatin1String("Kontakty kontrahenta")) {
        if (const std::optional<CurrentEntry> entry = m_entries->entryAt(m_row); entry && contractorContacts)
            contractorContacts(*entry);
    } else if (listService) listService(item);
}

QStringList KsiegaWgKontController::accountMenu() { return {QStringLiteral("Pokaż konta kartotekowe")}; }

} // namespace ksiega::ledger
