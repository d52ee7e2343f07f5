#include "ledger/accounts/window/KsiegaWgKontController.h"
#include "ksiega/ksiega.h"
#include "entries/accountfilter/AccountFilterSettings.h"
#include "ledger/accounts/AccountsPrint.h"
#include "ledger/accounts/EntryListColumns.h"
#include "entries/turnovers/AccountPeriodQueue.h"
#include "platform/runtime/Date.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <QDate>

namespace ksiega::ledger {

namespace {
const QString CAPTION = QStringLiteral("Księga główna/Przeglądanie wg kont dla waluty: ");
} // namespace

KsiegaWgKontController::KsiegaWgKontController(db::Database& db, SessionContext& session, entries::WindowServices& services)
    : m_db(db), m_session(session), m_services(services),
      m_tree(std::make_unique<AccountTreeController>(db, session)),
      m_entries(std::make_unique<LedgerEntriesController>(db, session)) {
    accountFilterWindow = [] { return FILTR(); };
}

KsiegaWgKontController::~KsiegaWgKontController() = default;

void KsiegaWgKontController::open(const WindowSwitches& switches) {
    m_viewName = m_entries->viewName();
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

    m_entries->setCurrency(m_session.activeCurrency());
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
    m_rightPrint = m_entries->browser().granted(RIGHT_PRINT);
    m_rightDocument = m_entries->browser().granted(RIGHT_DOCUMENT);
}

QString KsiegaWgKontController::caption() const { return CAPTION + currency(); }

QStringList KsiegaWgKontController::currencies() const { return m_entries->browser().currencies(m_entries->currencyCode()); }

void KsiegaWgKontController::setCurrency(const QString& symbol) {
    const CurrencyCode c = CurrencyCode::of(symbol);
    if (c == m_entries->currencyCode()) return;
    m_entries->setCurrency(c.symbol());
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
}

void KsiegaWgKontController::runQuickFilter() {
    m_entries->filters().setQuick(m_services.quickFilter(QStringLiteral("2")));
    rebuildEntries();
}

QString KsiegaWgKontController::quickFilterIcon() const { return m_entries->filters().quickIcon(); }

void KsiegaWgKontController::chooseSavedFilterFromList() {
    m_session.DANE_ID_BOWSERA_FILTR = BROWSER_ID;
    const std::optional<entries::SavedFilter> chosen = m_services.chooseSavedFilter(BROWSER_ID);
    if (!chosen) return;
    m_entries->filters().setSaved(chosen->name, chosen->expression);
    rebuildEntries();
}

void KsiegaWgKontController::saveCurrentFilter() {
    m_session.DANE_ID_BOWSERA_FILTR = BROWSER_ID;
    m_services.saveFilter(BROWSER_ID, m_entries->filters().toSave());
}

void KsiegaWgKontController::runAccountFilter() {
    if (!accountFilterWindow) return;
    if (accountFilterWindow() == 1) m_tree->rebuild();
}

QString KsiegaWgKontController::accountFilterIcon() const { return entries::filterIndicatorIcon(entries::accountFilter()); }

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
    if (!documentEnabled() || m_viewMode != 0) return;
    const std::optional<CurrentEntry> entry = m_entries->currentEntry();
    if (!entry) return;
    if (m_services.openDocument(entry->drillDown())) m_entries->browser().refreshAroundCurrent();
}

void KsiegaWgKontController::printList() {
    if (!printEnabled()) return;
    const std::optional<CurrentEntry> entry = m_viewMode == 0 ? m_entries->currentEntry() : std::nullopt;
    m_session.CRST_FILTR_INFO.clear();
    m_session.CRST_FILTR_TABELA.clear();
    m_session.GGG_DANE_ID_OBIEKTU = entry ? entry->idPozDok : 0;
    const QString set = accountsStatementSet(m_viewMode);
    if (m_viewMode == 0) m_session.CRST_FILTR_ZAPYTANIE = m_entries->rawFilter();
    const int code = m_services.chooseStatement(set);
    const std::optional<QString> title = accountsPrintTitle(code);
    if (!title) return;
    m_session.DANE_NAGLOWEK_WYDRUKU = *title;
    if (!m_services.askPrintRange()) return;

    if (code == kAccountTurnoverStatementCode) {
        // The period-turnover list as the window shows it (the chooser offers this code
        // in the period view) goes to the queue the account ledger printout reads.
        entries::setAccountPeriodQueue({m_account, currency(), m_entries->periodTurnovers().rows()});
        m_services.startAccountLedger();
        return;
    }
    const int range = m_session.DANE_ZAKRES_PRN;
    if (range == 2 && !entry) return;   // no current line to print
    // The library reads the marks from the selection store.
    if (range == 1) {
        const marks::StoreOutcome stored = m_entries->storeMarks();
        if (!stored.ok) {
            if (!stored.cancelled && !stored.error.isEmpty()) ui::dialogs().warning(stored.error);
            return;
        }
    }
    AccountsPrintInput in;
    in.code = code;
    in.range = range;
    in.listRow = currentRow() >= 0 ? currentRow() + 1 : 0;
    in.sortOrder = m_entries->sortOrder();
    in.accountDisplay = accountDisplayText();
    in.listFilter = m_entries->filter();
    if (entry) {
        in.idPozDok = entry->idPozDok;
        in.strona = entry->strona;
    }
    m_services.startListing(accountsPrintJob(in, *title), m_entries->currencyCode());
}

void KsiegaWgKontController::setIntuitiveSearch(bool on) {
    m_intuitive = on;
    m_entries->entries().setIntuitiveSearch(on);
}

void KsiegaWgKontController::setCurrentRow(int row) { m_entries->setCurrentRow(row); }

void KsiegaWgKontController::chooseSort(int choiceIndex) {
    const int number = entrySortNumber(choiceIndex, m_entries->descending());
    if (number == m_entries->sortOrder()) return;
    m_entries->setSortOrder(number);
}

void KsiegaWgKontController::toggleSortDirection() { m_entries->toggleDirection(); }

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

std::vector<entries::PreviewRow> KsiegaWgKontController::documentPreview() {
    if (m_viewMode != 0) return {};
    return m_entries->browser().documentPreview();
}

std::vector<std::pair<QString, QString>> KsiegaWgKontController::fieldPreview() {
    if (m_viewMode != 0) return {};
    const int row = currentRow();
    entries::FieldList out = m_entries->browser().fieldPreview(row);
    if (out.empty()) return out;
    const EntryRowValues v = m_entries->rowValues(row);
    out.emplace_back(QStringLiteral("okresu_obrot"), v.okresu_obrot);
    out.emplace_back(QStringLiteral("kwota_bro_WN"), v.kwota_bro_WN.toDisplay());
    out.emplace_back(QStringLiteral("kwota_bro_MA"), v.kwota_bro_MA.toDisplay());
    out.emplace_back(QStringLiteral("kwota_bro_WN_w"), v.kwota_bro_WN_w.toDisplay());
    out.emplace_back(QStringLiteral("kwota_bro_MA_w"), v.kwota_bro_MA_w.toDisplay());
    return out;
}

QStringList KsiegaWgKontController::entriesMenu() { return entries::EntryBrowser::popupMenu(QStringLiteral("Podgląd pól")); }

void KsiegaWgKontController::entriesMenuAction(const QString& item) {
    if (m_viewMode != 0) return;
    if (item == QStringLiteral("Podgląd pól")) {
        // The ledger's own row values are shown with the list's columns.
        const entries::FieldList fields = fieldPreview();
        if (!fields.empty()) m_services.showFields(fields);
        return;
    }
    m_entries->browser().popupAction(item, m_services);
}

QStringList KsiegaWgKontController::accountMenu() { return {QStringLiteral("Pokaż konta kartotekowe")}; }

} // namespace ksiega::ledger
