#include "ledger/periods/KsiegaWgOkresowController.h"
#include "entries/views/EntryViews.h"
#include "ledger/accounts/EntriesFilter.h"
#include "ledger/periods/PeriodsColumns.h"
#include "platform/runtime/FilterExpression.h"
#include "platform/server/TrialBalance.h"
#include "platform/ui/dialogs/Dialogs.h"

namespace ksiega::ledger {

namespace {

// A filter that could not be read lists nothing rather than everything.
const QString kNothing = QStringLiteral("1=0");

entries::EntryBrowserConfig browserConfig(const SessionContext& session) {
    const bool budget = session.DANE_CZY_WERSJA_BUDZET != 0;
    entries::EntryBrowserConfig config;
    config.listView = entries::extendedEntryViewName(budget);
    // The counts, sums and marks read the plain entry view: the same rows as the list.
    config.sumView = entries::entryViewName(budget);
    config.columns = periodEntryColumns();
    config.sort = periodsSortOrder(0, 0, false);
    config.browser = KsiegaWgOkresowController::BROWSER_ID;
    config.oneYear = true;
    return config;
}

} // namespace

KsiegaWgOkresowController::KsiegaWgOkresowController(db::Database& db, SessionContext& session,
                                                     entries::WindowServices& services)
    : m_db(db), m_session(session), m_services(services), m_browser(db, session, browserConfig(session)) {
    ui::ListQuery t;
    t.source = QStringLiteral("OBROTY_I_SALDA");
    t.columns = turnoverColumns(CurrencyCode::homeSymbol(), session.customerVariant);
    t.idColumn = QString::fromLatin1(kTurnoverIdColumn);
    t.sort = periodsSortOrder(1, 0, false);
    t.ranges = {{QStringLiteral("id_firmy"), session.DANE_ID_FIRMY}};
    t.filter = {kNothing, {}};
    m_turnovers = std::make_unique<ui::PagedListModel>(db, std::move(t));
}

KsiegaWgOkresowController::~KsiegaWgOkresowController() = default;

std::vector<entries::WindowList> KsiegaWgOkresowController::lists() {
    return {m_browser.windowList(), {QStringLiteral("LIST6"), m_turnovers.get(), BROWSER_ID}};
}

void KsiegaWgOkresowController::open(const WindowSwitches& switches) {
    PeriodsState& state = periodsState();
    state.periods = buildPeriodList(m_session.DANE_POCZATEK_ROKU, m_session.DANE_KONIEC_ROKU);
    m_periodRow = periodRowFor(state.periods, m_session.DANE_DATA_OKRESU);
    state.currency = CurrencyCode::of(m_session.activeCurrency()).symbol();
    state.viewMode = 0;
    askRights();
    m_vsplit = switches.vsplitPos;
    const int sort = int(switches.sortOrder);
    m_entrySort = sort >= 0 && sort < periodsSortChoices(0) ? sort : 0;
    m_entryDesc = switches.sortDirection != 0;
    applySort();
    rebuild();
}

void KsiegaWgOkresowController::storeSwitches(WindowSwitches& s) const {
    s.vsplitPos = m_vsplit;
    s.sortOrder = m_entrySort;
    s.sortDirection = m_entryDesc ? 1 : 0;
    s.viewSwitch = viewMode();
}

void KsiegaWgOkresowController::askRights() {
    m_rightPrint = m_browser.granted(RIGHT_PRINT);
    m_rightDocument = m_browser.granted(RIGHT_DOCUMENT);
}

// ---- periods and currency ----

const PeriodListRow& KsiegaWgOkresowController::period() const {
    static const PeriodListRow none{QStringLiteral("Wszystkie"), 0, false};
    const auto& rows = periods();
    return m_periodRow >= 0 && m_periodRow < int(rows.size()) ? rows[size_t(m_periodRow)] : none;
}

void KsiegaWgOkresowController::choosePeriod(int row) {
    if (row < 0 || row >= int(periods().size()) || row == m_periodRow) return;
    m_periodRow = row;
    rebuild();
}

void KsiegaWgOkresowController::setCurrency(const QString& symbol) {
    const CurrencyCode c = CurrencyCode::of(symbol);
    if (c.symbol() == currency()) return;
    periodsState().currency = c.symbol();
    rebuild();
}

QStringList KsiegaWgOkresowController::currencies() const { return m_browser.currencies(currencyCode()); }

// ---- views and filter ----

void KsiegaWgOkresowController::setViewMode(int mode) {
    mode = mode == 1 ? 1 : 0;
    if (mode == viewMode()) return;
    periodsState().viewMode = mode;
    rebuild(true);
}

void KsiegaWgOkresowController::rebuild(bool keepMarks) {
    PeriodsFilterInput in;
    in.viewMode = viewMode();
    in.periodDate = period().date;
    in.currency = currency();
    in.activeFilter = m_filters.active();
    in.customerVariant = m_session.customerVariant;
    in.showMarked = m_showMarked;
    in.userNumber = m_session.DANE_ID_UZYTKOWNIKA_NR;
    in.fiscalYear = m_session.DANE_LATA_OBROTOWE;
    m_filter = buildPeriodsFilter(in);
    if (m_filter.tooLong) ui::dialogs().warning(QString::fromUtf8(kFilterTooLongText));

    m_turnoverError.clear();
    if (viewMode() == 1) {
        m_browser.clear(keepMarks);
        const FilterTranslation t = translateFilter(m_filter.filter);
        if (!t.ok()) m_turnoverError = t.error;
        ui::ListQuery q = m_turnovers->query();
        q.columns = turnoverColumns(currency(), m_session.customerVariant);
        q.filter = {t.ok() ? t.where : kNothing, {}};
        try {
            m_turnovers->setQuery(std::move(q));
        } catch (const db::DbError& e) {
            // An entry filter (quick or saved) that names fields the turnovers lack.
            m_turnoverError = e.message();
            ui::ListQuery empty = m_turnovers->query();
            empty.filter = {kNothing, {}};
            m_turnovers->setQuery(std::move(empty));
        }
        return;
    }
    m_browser.applyFilter({m_filter.filter, m_filter.rawFilter}, keepMarks);
    if (previewsShown() && m_previewTab == 1) computeTotals();
}

void KsiegaWgOkresowController::refresh() { rebuild(true); }

void KsiegaWgOkresowController::forEachTurnoverRow(const std::function<void(const TurnoverRow&)>& row) const {
    const FilterTranslation t = translateFilter(m_filter.filter);
    if (viewMode() != 1 || !t.ok()) return;
    server::TrialBalanceQuery q;
    q.company = m_session.DANE_ID_FIRMY;
    q.year = m_session.DANE_LATA_OBROTOWE;
    q.periodDate = period().date;
    q.currency = currency();
    q.withUnposted = m_session.customerVariant >= 1;
    q.where = t.where;
    q.sort = server::TrialBalanceSort(m_turnoverSort);   // the order of the list's choices
    q.descending = m_turnoverDesc;
    server::forEachTrialBalanceRow(m_db, q, [&](const server::TrialBalanceRow& r) {
        row({r.konto, r.obrotyDt, r.obrotyCt, r.saldoDt, r.saldoCt});
        return true;
    });
}

// ---- sort ----

QStringList KsiegaWgOkresowController::sortNames() const {
    return viewMode() == 1 ? turnoverSortNames() : periodEntrySortNames();
}

void KsiegaWgOkresowController::chooseSort(int choice) {
    if (choice < 0 || choice >= periodsSortChoices(viewMode())) return;
    (viewMode() == 1 ? m_turnoverSort : m_entrySort) = choice;
    applySort();
}

void KsiegaWgOkresowController::toggleSortDirection() {
    bool& d = viewMode() == 1 ? m_turnoverDesc : m_entryDesc;
    d = !d;
    applySort();
}

QString KsiegaWgOkresowController::sortDirectionIcon() const {
    return descending() ? QStringLiteral("~down.ico") : QStringLiteral("~up.ico");
}

void KsiegaWgOkresowController::applySort() {
    m_browser.setSort(periodsSortOrder(0, m_entrySort, m_entryDesc));
    m_turnovers->setSort(periodsSortOrder(1, m_turnoverSort, m_turnoverDesc));
}

// ---- filters ----

void KsiegaWgOkresowController::runQuickFilter() {
    m_filters.setQuick(m_services.quickFilter(QStringLiteral("1")));
    rebuild();
}

QString KsiegaWgOkresowController::quickFilterIcon() const { return m_filters.quickIcon(); }

void KsiegaWgOkresowController::chooseSavedFilterFromList() {
    m_session.DANE_ID_BOWSERA_FILTR = BROWSER_ID;
    const std::optional<entries::SavedFilter> chosen = m_services.chooseSavedFilter(BROWSER_ID);
    if (!chosen) return;
    m_filters.setSaved(chosen->name, chosen->expression);
    rebuild();
}

void KsiegaWgOkresowController::saveCurrentFilter() {
    m_session.DANE_ID_BOWSERA_FILTR = BROWSER_ID;
    m_services.saveFilter(BROWSER_ID, m_filters.toSave());
}

void KsiegaWgOkresowController::setShowMarked(bool on) {
    if (on == m_showMarked) return;
    // The list reads the marks from the selection store: store them first.
    if (on && !m_browser.storeMarksOrWarn(markedRowsFilter())) return;
    m_showMarked = on;
    rebuild(true);
}

// ---- previews ----

void KsiegaWgOkresowController::setPreviewsShown(bool on) {
    periodsState().previewsShown = on;
    if (on && m_previewTab == 1 && viewMode() == 0) computeTotals();
}

void KsiegaWgOkresowController::setPreviewTab(int tab) {
    m_previewTab = tab == 1 ? 1 : 0;
    if (previewsShown() && m_previewTab == 1 && viewMode() == 0) computeTotals();
}

bool KsiegaWgOkresowController::computeTotals() { return m_browser.computeTotals(); }

std::vector<entries::PreviewRow> KsiegaWgOkresowController::entryPreview() {
    if (viewMode() != 0) return {};
    return m_browser.entryPreview();
}

// ---- current entry and marks ----

std::optional<entries::CurrentEntry> KsiegaWgOkresowController::entryAt(int row) const {
    if (viewMode() != 0) return std::nullopt;
    return m_browser.entryAt(row);
}

void KsiegaWgOkresowController::toggleMark(int row) {
    if (viewMode() == 0) m_browser.toggleMark(row);
}

QString KsiegaWgOkresowController::markedRowsFilter() const {
    PeriodsFilterInput in;
    in.periodDate = period().date;
    in.currency = currency();
    in.activeFilter = m_filters.active();
    in.customerVariant = m_session.customerVariant;
    in.fiscalYear = m_session.DANE_LATA_OBROTOWE;
    return buildPeriodsFilter(in).filter;
}

marks::StoreOutcome KsiegaWgOkresowController::storeMarks(const marks::StoreProgress& progress) {
    return m_browser.storeMarks(markedRowsFilter(), progress);
}

// ---- document and print ----

void KsiegaWgOkresowController::showDocument() {
    if (!m_rightDocument || viewMode() != 0) return;
    const std::optional<entries::CurrentEntry> e = m_browser.currentEntry();
    if (!e) return;
    m_services.openDocument(e->drillDown());
    m_browser.refreshAroundCurrent();
}

void KsiegaWgOkresowController::printList() {
    if (!m_rightPrint) return;
    const QString name = viewMode() == 1 ? QStringLiteral("KSIEGA_O_2") : QStringLiteral("KSIEGA_O_1");
    const std::optional<entries::CurrentEntry> e = entryAt(currentRow());
    m_session.CRST_FILTR_INFO = name;
    m_session.CRST_FILTR_TABELA = name;
    m_session.GGG_DANE_ID_OBIEKTU = e ? e->idPozDok : 0;
    m_session.CRST_FILTR_ZAPYTANIE = m_filter.rawFilter;
    const int code = m_services.chooseStatement(name);
    const std::optional<QString> title = periodsPrintTitle(code);
    if (!title) return;
    m_session.DANE_NAGLOWEK_WYDRUKU = *title;
    if (!m_services.askPrintRange()) return;

    PeriodsPrintInput in;
    in.code = code;
    in.range = m_session.DANE_ZAKRES_PRN;
    in.sortChoice = sortChoice() + 1;
    in.descending = descending();
    in.titleLine = QStringLiteral("Okres obrotowy: ") + (m_filters.savedActive() ? m_filters.savedName() : period().name);
    in.listFilter = m_filter.rawFilter;
    if (e) {
        in.idPozDok = e->idPozDok;
        in.strona = e->strona;
    }
    if (in.range == 2 && !e) return;   // no current row to print
    // The library reads the marks from the selection store.
    if (in.range == 1 && !m_browser.storeMarksOrWarn(markedRowsFilter())) return;
    m_services.startListing(periodsPrintJob(in, m_session.DANE_NAGLOWEK_WYDRUKU), currencyCode());
}

QStringList KsiegaWgOkresowController::listMenu() { return entries::EntryBrowser::popupMenu(QStringLiteral("Podgląd")); }

void KsiegaWgOkresowController::menuAction(const QString& item) {
    if (viewMode() == 0) {
        m_browser.popupAction(item, m_services);
        return;
    }
    // The turnover list has no marks or entries: its layout and its export only.
    const entries::WindowList turnovers{QStringLiteral("LIST6"), m_turnovers.get(), BROWSER_ID};
    if (item == QLatin1String("Konfiguracja kolumn")) m_services.configureColumns(turnovers);
    else if (item == QLatin1String("Eksport do Excela")) m_services.exportList(turnovers);
}

} // namespace ksiega::ledger
