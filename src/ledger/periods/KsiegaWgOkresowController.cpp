#include "ledger/periods/KsiegaWgOkresowController.h"
#include "frame/rights/AccessRights.h"
#include "ledger/accounts/EntriesFilter.h"
#include "ledger/accounts/EntryMarks.h"
#include "ledger/accounts/LedgerEntriesController.h"
#include "ledger/periods/PeriodsColumns.h"
#include "ledger/shared/EntryPreview.h"
#include "platform/db/passthrough/PassThrough.h"
#include "platform/runtime/FilterExpression.h"
#include "platform/runtime/Picture.h"
#include "platform/siblings/documents/DocumentsLibrary.h"
#include "platform/ui/dialogs/Dialogs.h"

namespace ksiega::ledger {

namespace {

// A filter that could not be read lists nothing rather than everything.
const QString kNothing = QStringLiteral("1=0");

QString normalisedCurrency(const QString& symbol) {
    return isHomeCurrency(symbol) ? QStringLiteral("PLN") : symbol.trimmed().toUpper().left(3);
}

} // namespace

KsiegaWgOkresowController::KsiegaWgOkresowController(db::Database& db, SessionContext& session)
    : m_db(db), m_session(session), m_listView(periodEntryListView(session.DANE_CZY_WERSJA_BUDZET != 0)),
      m_sumView(ledger::entryViewName(session.DANE_CZY_WERSJA_BUDZET != 0)), m_summary(db) {
    m_markColumn = std::make_unique<ControllerMarks<KsiegaWgOkresowController>>(*this);
    ui::ListQuery e;
    e.source = m_listView;
    e.columns = periodEntryColumns();
    e.idColumn = QStringLiteral("id_dokument_pozycja");
    e.sort = periodsSortOrder(0, 0, false);
    e.ranges = {{QStringLiteral("id_firmy"), session.DANE_ID_FIRMY}};
    e.filter = {kNothing, {}};
    m_entries = std::make_unique<ui::PagedListModel>(db, std::move(e));
    m_entries->setMarks(m_markColumn.get());

    ui::ListQuery t;
    t.source = QStringLiteral("OBROTY_I_SALDA");
    t.columns = turnoverColumns(QStringLiteral("PLN"), session.customerVariant);
    t.idColumn = QString::fromLatin1(kTurnoverIdColumn);
    t.sort = periodsSortOrder(1, 0, false);
    t.ranges = {{QStringLiteral("id_firmy"), session.DANE_ID_FIRMY}};
    t.filter = {kNothing, {}};
    m_turnovers = std::make_unique<ui::PagedListModel>(db, std::move(t));

    openDocument = [this](const DrillDownEntry& entry) {
        DocumentDrillDown(m_db, m_session, ui::dialogs(), documents::documentsLibrary()).open(entry);
    };
}

KsiegaWgOkresowController::~KsiegaWgOkresowController() = default;

void KsiegaWgOkresowController::open(const WindowSwitches& switches) {
    PeriodsState& state = periodsState();
    state.periods = buildPeriodList(m_session.DANE_POCZATEK_ROKU, m_session.DANE_KONIEC_ROKU);
    m_periodRow = periodRowFor(state.periods, m_session.DANE_DATA_OKRESU);
    state.currency = normalisedCurrency(m_session.activeCurrency());
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
    if (m_session.DANE_ADMINISTRATOR == 1) return;
    db::PassThrough pt(m_db);
    rights::AccessRights rights(pt, m_session);
    m_rightPrint = rights.granted(RIGHT_PRINT);
    m_rightDocument = rights.granted(RIGHT_DOCUMENT);
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
    const QString c = normalisedCurrency(symbol);
    if (c == currency()) return;
    periodsState().currency = c;
    rebuild();
}

QStringList KsiegaWgOkresowController::currencies() const {
    QStringList out;
    db::Rows r = m_db.select(QStringLiteral("select sym_waluty from WALUTY order by sym_waluty limit 1000"));
    while (r.next()) out << r.text(0).trimmed();
    if (!out.contains(currency())) out.prepend(currency());
    return out;
}

// ---- views and filter ----

void KsiegaWgOkresowController::setViewMode(int mode) {
    mode = mode == 1 ? 1 : 0;
    if (mode == viewMode()) return;
    periodsState().viewMode = mode;
    m_row = -1;
    rebuild(true);
}

QString KsiegaWgOkresowController::activeFilter() const {
    if (m_savedActive) return m_savedExpression;
    return m_quickOn ? m_quickText : QString();
}

void KsiegaWgOkresowController::rebuild(bool keepMarks) {
    if (!keepMarks) m_marks.unmarkAll();
    m_summary.invalidate(keepMarks);
    m_filterError.clear();

    PeriodsFilterInput in;
    in.viewMode = viewMode();
    in.periodDate = period().date;
    in.currency = currency();
    in.activeFilter = activeFilter();
    in.customerVariant = m_session.customerVariant;
    in.showMarked = m_showMarked;
    in.userNumber = m_session.DANE_ID_UZYTKOWNIKA_NR;
    in.fiscalYear = m_session.DANE_LATA_OBROTOWE;
    m_filter = buildPeriodsFilter(in);
    if (m_filter.tooLong) ui::dialogs().warning(QString::fromUtf8(kFilterTooLongText));

    const FilterTranslation t = translateFilter(m_filter.filter);
    if (!t.ok()) m_filterError = t.error;
    const ui::SqlFilter sql{t.ok() ? t.where : kNothing, {}};
    m_row = -1;
    if (viewMode() == 1) {
        ui::ListQuery q = m_turnovers->query();
        q.columns = turnoverColumns(currency(), m_session.customerVariant);
        q.filter = sql;
        try {
            m_turnovers->setQuery(std::move(q));
        } catch (const db::DbError& e) {
            // An entry filter (quick or saved) that names fields the turnovers lack.
            m_filterError = e.message();
            ui::ListQuery empty = m_turnovers->query();
            empty.filter = {kNothing, {}};
            m_turnovers->setQuery(std::move(empty));
        }
        return;
    }
    m_entries->setFilter(sql);
    m_entries->marksChanged();
    if (previewsShown() && m_previewTab == 1) computeTotals();
}

void KsiegaWgOkresowController::refresh() { rebuild(true); }

void KsiegaWgOkresowController::forEachTurnoverRow(const std::function<void(const TurnoverRow&)>& row) const {
    const FilterTranslation t = translateFilter(m_filter.filter);
    if (viewMode() != 1 || !t.ok()) return;
    const ui::ListColumns cols = turnoverColumns(currency(), m_session.customerVariant);
    QStringList order;
    for (const ui::SortKey& k : periodsSortOrder(1, m_turnoverSort, m_turnoverDesc).keys)
        order << k.column + (k.descending ? QStringLiteral(" desc") : QString());
    order << QString::fromLatin1(kTurnoverIdColumn) + (m_turnoverDesc ? QStringLiteral(" desc") : QString());
    db::Rows r = m_db.select(QStringLiteral("select nr_konta, %1, %2, %3, %4 from OBROTY_I_SALDA where id_firmy=? AND %5 order by %6")
                                 .arg(cols[1].name, cols[2].name, cols[3].name, cols[4].name, t.where, order.join(',')),
                             {m_session.DANE_ID_FIRMY});
    while (r.next()) row({r.text(0), r.money(1), r.money(2), r.money(3), r.money(4)});
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
    m_row = -1;
    m_entries->setSort(periodsSortOrder(0, m_entrySort, m_entryDesc));
    m_turnovers->setSort(periodsSortOrder(1, m_turnoverSort, m_turnoverDesc));
}

// ---- filters ----

void KsiegaWgOkresowController::runQuickFilter() {
    if (!quickFilter) return;
    m_quickText = quickFilter(QStringLiteral("1")).left(3000);
    m_quickOn = !m_quickText.trimmed().isEmpty();
    if (m_quickOn) m_savedActive = false;
    rebuild();
}

QString KsiegaWgOkresowController::quickFilterIcon() const {
    return m_quickOn && !m_savedActive ? QStringLiteral("~filtr_on.ico") : QStringLiteral("~filtr.ico");
}

void KsiegaWgOkresowController::chooseSavedFilterFromList() {
    if (!chooseSavedFilter) return;
    m_session.DANE_ID_BOWSERA_FILTR = BROWSER_ID;
    const std::optional<PeriodsSavedFilter> chosen = chooseSavedFilter();
    if (!chosen) return;
    m_savedName = chosen->name;
    m_savedExpression = chosen->expression;
    m_savedActive = !m_savedExpression.trimmed().isEmpty();
    rebuild();
}

void KsiegaWgOkresowController::saveCurrentFilter() {
    if (!saveFilter) return;
    m_session.DANE_ID_BOWSERA_FILTR = BROWSER_ID;
    saveFilter(activeFilter());
}

void KsiegaWgOkresowController::setShowMarked(bool on) {
    if (on == m_showMarked) return;
    if (on) {
        // The list reads the marks from the selection store: store them first.
        const marks::StoreOutcome stored = storeMarks();
        if (!stored.ok) {
            if (!stored.cancelled && !stored.error.isEmpty()) ui::dialogs().warning(stored.error);
            return;
        }
    }
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

bool KsiegaWgOkresowController::computeTotals() {
    if (!m_filterError.isEmpty()) {
        m_summary.setTotals({});
        return false;
    }
    // The counts and sums read the plain entry view: the same rows as the list.
    return m_summary.computeTotals({m_session.DANE_LATA_OBROTOWE, m_sumView, m_filter.rawFilter});
}

std::vector<PreviewRow> KsiegaWgOkresowController::entryPreview() {
    if (viewMode() != 0 || m_row < 0 || m_row >= m_entries->heldRows()) return {};
    return ledger::entryPreview(m_db, {m_listView, m_session.DANE_ID_FIRMY, m_entries->idAt(m_row), false});
}

// ---- current entry and marks ----

std::optional<CurrentEntry> KsiegaWgOkresowController::entryAt(int row) const {
    if (viewMode() != 0 || row < 0 || row >= m_entries->heldRows()) return std::nullopt;
    const int64_t id = m_entries->idAt(row);
    db::Rows r = m_db.select(QStringLiteral("select id_poz_dok, id_nag_dok, strona, data_okresu from %1 "
                                            "where id_firmy=? AND id_poz_dok=? AND id_dokument_pozycja=?")
                                 .arg(m_sumView),
                             {m_session.DANE_ID_FIRMY, id / 2, id});
    if (!r.next()) return std::nullopt;
    return CurrentEntry{r.int64(0), r.int64(1), r.integer(2), r.integer(3), id};
}

EntryFigures KsiegaWgOkresowController::figuresOf(int64_t id) const {
    db::Rows r = m_db.select(QStringLiteral("select kwota_wn, kwota_ma, kwota_wn_w, kwota_ma_w from %1 "
                                            "where id_firmy=? AND id_poz_dok=? AND id_dokument_pozycja=?")
                                 .arg(m_sumView),
                             {m_session.DANE_ID_FIRMY, id / 2, id});
    if (!r.next()) return {};
    return {1, r.money(0), r.money(1), r.money(2), r.money(3)};
}

void KsiegaWgOkresowController::toggleMark(int row) {
    if (viewMode() != 0 || row < 0 || row >= m_entries->heldRows()) return;
    m_entries->toggleMark(row);   // through the mark column: toggleMarkById
}

void KsiegaWgOkresowController::toggleMarkById(int64_t id) {
    const EntryFigures row = figuresOf(id);
    if (row.count == 0) return;
    if (m_marks.toggle(id)) m_summary.addMarked(row);
    else m_summary.removeMarked(row);
}

void KsiegaWgOkresowController::markAll() {
    if (!m_summary.totalsComputed()) computeTotals();
    m_marks.markAll();
    m_summary.markAll();
    m_entries->marksChanged();
}

void KsiegaWgOkresowController::unmarkAll() {
    m_marks.unmarkAll();
    m_summary.unmarkAll();
    m_entries->marksChanged();
}

void KsiegaWgOkresowController::invertMarks() {
    if (!m_summary.totalsComputed()) computeTotals();
    m_marks.invert();
    m_summary.invert();
    m_entries->marksChanged();
}

marks::StoreOutcome KsiegaWgOkresowController::storeMarks(const marks::StoreProgress& progress) {
    marks::StoreRequest request;
    request.browser = marks::BrowserLedgerByPeriods;
    request.user = m_session.DANE_ID_UZYTKOWNIKA_NR;
    request.view = m_sumView;
    // The rows listed in the entries view; without the marked-only condition, which reads
    // the very rows being replaced.
    PeriodsFilterInput in;
    in.periodDate = period().date;
    in.currency = currency();
    in.activeFilter = activeFilter();
    in.customerVariant = m_session.customerVariant;
    in.fiscalYear = m_session.DANE_LATA_OBROTOWE;
    request.filter = buildPeriodsFilter(in).filter;
    return marks::storeMarks(m_db, m_marks, request, progress);
}

// ---- document and print ----

void KsiegaWgOkresowController::showDocument() {
    if (!m_rightDocument || viewMode() != 0) return;
    const std::optional<CurrentEntry> e = entryAt(m_row);
    if (!e) return;
    if (openDocument) openDocument({e->idNagDok, e->idPozDok, e->dataOkresu});
    m_row = m_entries->refresh(m_row);
}

void KsiegaWgOkresowController::printList() {
    if (!m_rightPrint) return;
    const QString name = viewMode() == 1 ? QStringLiteral("KSIEGA_O_2") : QStringLiteral("KSIEGA_O_1");
    const std::optional<CurrentEntry> e = entryAt(m_row);
    m_session.CRST_FILTR_INFO = name;
    m_session.CRST_FILTR_TABELA = name;
    m_session.GGG_DANE_ID_OBIEKTU = e ? e->idPozDok : 0;
    m_session.CRST_FILTR_ZAPYTANIE = m_filter.rawFilter;
    const int code = chooseStatement ? chooseStatement(name) : 0;
    const std::optional<QString> title = periodsPrintTitle(code);
    if (!title) return;
    m_session.DANE_NAGLOWEK_WYDRUKU = *title;
    if (!askPrintRange || !askPrintRange()) return;

    PeriodsPrintInput in;
    in.code = code;
    in.range = m_session.DANE_ZAKRES_PRN;
    in.sortChoice = sortChoice() + 1;
    in.descending = descending();
    in.titleLine = QStringLiteral("Okres obrotowy: ") + (m_savedActive ? m_savedName : period().name);
    in.listFilter = m_filter.rawFilter;
    if (e) {
        in.idPozDok = e->idPozDok;
        in.strona = e->strona;
    }
    if (in.range == 2 && !e) return;   // no current row to print
    if (in.range == 1) {
        // The library reads the marks from the selection store.
        const marks::StoreOutcome stored = storeMarks();
        if (!stored.ok) {
            if (!stored.cancelled && !stored.error.isEmpty()) ui::dialogs().warning(stored.error);
            return;
        }
    }
    if (startPrint) startPrint(periodsPrintJob(in, m_session.DANE_NAGLOWEK_WYDRUKU));
}

QStringList KsiegaWgOkresowController::listMenu() {
    return {QStringLiteral("Podgląd"),           QStringLiteral("-"),
            QStringLiteral("Zaznacz wszystko"),  QStringLiteral("Odznacz wszystko"),
            QStringLiteral("Odwróć zaznaczone"), QStringLiteral("-"),
            QStringLiteral("Kontakty kontrahenta"), QStringLiteral("-"),
            QStringLiteral("Konfiguracja kolumn"), QStringLiteral("-"),
            QStringLiteral("Eksport do Excela")};
}

void KsiegaWgOkresowController::menuAction(const QString& item) {
    if (viewMode() != 0) return;
    if (item == QLatin1String("Zaznacz wszystko")) markAll();
    else if (item == QLatin1String("Odznacz wszystko")) unmarkAll();
    else if (item == QLatin1String("Odwróć zaznaczone")) invertMarks();
}

} // namespace ksiega::ledger
