#include "costcentres/MpkViewController.h"
#include "costcentres/MpkTexts.h"
#include "ksiega/ksiega.h"
#include "platform/db/DbError.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/FilterExpression.h"
#include "platform/ui/dialogs/Dialogs.h"

namespace ksiega::costcentres {

using ui::ColumnKind;

namespace {

struct SortChoice {
    const char* column;
    const char* name;
};

// The keys of the list, by company, each also descending.
constexpr SortChoice kSorts[] = {
    {"data_biezaca", "Data księg."}, {"data_dok_org", "Data dok."},      {"konto", "Konto"},
    {"kwota", "Kwota"},              {"nr_dok_org", "Nr dokumentu"},     {"nr_ewid_dok", "Nr ewidencyjny"},
};

// The list shows each split's amount and account in the columns of its side only.
const QString kListSource = QStringLiteral(
    "(select v.*, case when v.strona='WN' then v.kwota end as bro_kwota_wn, case when v.strona='MA' then v.kwota end "
    "as bro_kwota_ma, case when v.strona='WN' then v.konto else '' end as bro_konto_wn, case when v.strona='MA' then "
    "v.konto else '' end as bro_konto_ma from MPK_VIEW v) mpk");
// The figures of one row for the marks, and the rows "all marked" stands for.
const QString kSumSource = QStringLiteral("MPK_VIEW_KWOTY");

ui::ListColumns mpkColumns() {
    return {
        {QStringLiteral("bro_kwota_wn"), QStringLiteral("Kwota Dt"), ColumnKind::Money, 14},
        {QStringLiteral("bro_kwota_ma"), QStringLiteral("Kwota Ct"), ColumnKind::Money, 14},
        {QStringLiteral("bro_konto_wn"), QStringLiteral("Konto Dt"), ColumnKind::Text, 15},
        {QStringLiteral("bro_konto_ma"), QStringLiteral("Konto Ct"), ColumnKind::Text, 15},
        {QStringLiteral("nr_ewid_dok"), QStringLiteral("Nr ewidencyjny"), ColumnKind::Text, 20},
        {QStringLiteral("data_biezaca"), QStringLiteral("Data księg."), ColumnKind::Date, 10},
        {QStringLiteral("nr_dok_org"), QStringLiteral("Nr dokumentu"), ColumnKind::Text, 20},
        {QStringLiteral("data_dok_org"), QStringLiteral("Data dok."), ColumnKind::Date, 10},
        {QStringLiteral("nr_poz_dok"), QStringLiteral("Nr poz."), ColumnKind::Integer, 6},
        {QStringLiteral("tresc_poz_dok"), QStringLiteral("Opis pozycji"), ColumnKind::Text, 30},
        {QStringLiteral("wskaznik_1"), QStringLiteral("Wskaźnik 1"), ColumnKind::Text, 15},
        {QStringLiteral("wskaznik_2"), QStringLiteral("Wskaźnik 2"), ColumnKind::Text, 15},
        {QStringLiteral("wskaznik_3"), QStringLiteral("Wskaźnik 3"), ColumnKind::Text, 15},
        {QStringLiteral("wskaznik_4"), QStringLiteral("Wskaźnik 4"), ColumnKind::Text, 15},
        {QStringLiteral("wskaznik_5"), QStringLiteral("Wskaźnik 5"), ColumnKind::Text, 15},
    };
}

ui::SortOrder sortOrder(int index, bool descending) {
    const SortChoice& s = kSorts[index];
    ui::SortOrder order = ui::SortOrder::ascending(QString::fromUtf8(s.name), {QString::fromUtf8(s.column)});
    return descending ? order.reversed() : order;
}

} // namespace

const QStringList& MpkViewController::rightCodes() {
    static const QStringList codes = {QStringLiteral("5_1_1_1"), QStringLiteral("5_1_1_2"), QStringLiteral("5_1_1_3"),
                                      QStringLiteral("5_1_1_4"), QStringLiteral("5_1_1_5"), QStringLiteral("5_1_1_6")};
    return codes;
}

MpkViewController::MpkViewController(db::Database& db, SessionContext& session, entries::WindowServices& services,
                                     FilterTreeSource* tree)
    : quickFilterWindow(&MPK_SZYBKI_FILTR), m_db(db), m_session(session), m_services(services),
      m_tree(tree ? tree : &m_emptyTree) {
    entries::EntryBrowserConfig config;
    config.listView = kListSource;
    config.sumView = kSumSource;
    config.columns = mpkColumns();
    config.sort = sortOrder(0, false);
    config.browser = BROWSER_ID;
    config.idColumn = QStringLiteral("id_mpk_dane");
    m_browser = std::make_unique<entries::EntryBrowser>(db, session, std::move(config));
}

void MpkViewController::open() {
    askRights();
    m_nodes = m_tree->nodes();
    rebuild();
}

void MpkViewController::askRights() {
    for (int i = 0; i < 6; ++i) m_rights[i] = m_browser->granted(rightCodes()[i]);
}

// ---- the filter tree ----

void MpkViewController::chooseTreeNode(int index) {
    m_treeNode = index >= 0 && index < int(m_nodes.size()) ? index : -1;
    rebuild();
}

void MpkViewController::treeAction(const QString& item) {
    if (!allowed(MpkRight::Tree)) return;
    const int64_t node = m_treeNode >= 0 ? m_nodes[size_t(m_treeNode)].id : 0;
    bool changed = false;
    if (item == QStringLiteral("Obsługa drzewa filtrów (Ctrl+F2)")) changed = m_tree->maintain();
    else if (item == QStringLiteral("Dodaj gałąź (Ctrl+Ins)")) changed = m_tree->addBranch(node);
    else if (item == QStringLiteral("Usuń gałąź (Ctrl+Del)")) changed = node != 0 && m_tree->removeBranch(node);
    else if (item == QStringLiteral("Zapisz konfigurację filtra")) m_tree->saveConfiguration();
    else if (item == QStringLiteral("Wybierz konfigurację filtra")) changed = m_tree->chooseConfiguration();
    else if (item == QStringLiteral("Usuń wybraną konfiguracje filtra")) {
        if (ui::dialogs().question(texts::REMOVE_CONFIGURATION, ui::BUTTONS_TAK_NIE, 1, ui::TITLE_PYTANIE) == 1)
            changed = m_tree->removeCurrentConfiguration();
    } else if (item == QStringLiteral("Wszystko")) {
        m_treeNode = -1;
        changed = true;
    }
    if (!changed) return;
    m_nodes = m_tree->nodes();
    if (m_treeNode >= int(m_nodes.size())) m_treeNode = -1;
    rebuild();
}

// ---- the list filter ----

void MpkViewController::runQuickFilter() {
    if (quickFilterWindow) setQuickFilter(quickFilterWindow());
}

void MpkViewController::setQuickFilter(const QString& expression) {
    m_quick = expression;
    rebuild();
}

void MpkViewController::chooseSavedFilterFromList() {
    const std::optional<entries::SavedFilter> f = m_services.chooseSavedFilter(BROWSER_ID);
    if (!f) return;
    m_savedName = f->name;
    m_saved = f->expression;
    rebuild();
}

void MpkViewController::saveCurrentFilter() {
    if (allowed(MpkRight::SaveFilter)) m_services.saveFilter(BROWSER_ID, m_quick);
}

void MpkViewController::setShowMarked(bool on) {
    if (on && !allowed(MpkRight::Marks)) return;
    // The condition reads the stored marks: they are stored first, in one transaction.
    if (on && !m_browser->storeMarksOrWarn(filterWith(false))) return;
    m_showMarked = on;
    rebuild(true);
}

QString MpkViewController::markedOnlyCondition() const {
    return sqlPiece(QStringLiteral("ID_MPK_DANE in (select id_elementu from ZAZNACZENIE where id_uzytkownika=%1 AND "
                                   "id_browsera=%2)")
                        .arg(m_session.DANE_ID_UZYTKOWNIKA_NR)
                        .arg(BROWSER_ID));
}

QString MpkViewController::userFilter() const {
    FilterBuilder f;
    if (m_treeNode >= 0) f.add(pathCondition(pathTo(m_nodes, m_treeNode), m_session.DANE_SEPARATOR_MPK));
    f.add(m_quick);
    f.add(m_saved);
    return f.text();
}

QString MpkViewController::listFilter() const { return filterWith(m_showMarked); }

QString MpkViewController::filterWith(bool markedOnly) const {
    QString user = userFilter();
    if (user.size() >= kMaxFilter) user.clear();   // the message comes with rebuild()
    FilterBuilder f;
    // The company scope stands whatever the user's parts do.
    f.add(QStringLiteral("MPK:ID_FIRMY=%1").arg(m_session.DANE_ID_FIRMY));
    f.add(user.isEmpty() ? QString() : QStringLiteral("(") + user + QStringLiteral(")"));
    if (markedOnly) f.add(markedOnlyCondition());
    return f.text();
}

void MpkViewController::rebuild(bool keepMarks) {
    if (userFilter().size() >= kMaxFilter) ui::dialogs().warning(texts::FILTER_TOO_LONG);
    const QString filter = listFilter();
    m_browser->applyFilter({filter, WYTNIJ_PREFIX(filter)}, keepMarks);
    m_totalsComputed = false;
    if (!m_browser->filterError().isEmpty()) ui::dialogs().warning(m_browser->filterError());
}

// ---- sort ----

QStringList MpkViewController::sortNames() {
    QStringList out;
    for (const SortChoice& s : kSorts) out << QString::fromUtf8(s.name);
    return out;
}

void MpkViewController::chooseSort(int choice) {
    if (choice < 0 || choice >= int(std::size(kSorts))) return;
    m_sort = choice;
    m_browser->setSort(sortOrder(m_sort, m_descending));
}

int MpkViewController::locate(const QString& text) {
    ui::PagedListModel& list = m_browser->list();
    const bool dateOrder = QString::fromUtf8(kSorts[m_sort].column).startsWith(QLatin1String("data_"));
    int row = -1;
    if (dateOrder && !m_intuitive) {
        const QDate d = QDate::fromString(text.trimmed(), QStringLiteral("dd-MM-yyyy"));
        if (!d.isValid()) return -1;
        row = list.locateDate(date::fromQDate(d));
    } else {
        row = list.locate(text);
    }
    if (row >= 0) setCurrentRow(row);
    return row;
}

void MpkViewController::setIntuitiveSearch(bool on) {
    m_intuitive = on;
    m_browser->list().setIntuitiveSearch(on);
}

void MpkViewController::toggleSortDirection() {
    m_descending = !m_descending;
    m_browser->setSort(sortOrder(m_sort, m_descending));
}

// ---- figures ----

bool MpkViewController::computeTotals() {
    // A filter the list could not take lists nothing: nothing to add up, and the reason
    // was shown already.
    if (!m_browser->filterError().isEmpty()) {
        m_totals = {};
        m_totalsComputed = true;
        m_browser->summary().setTotals({});
        return false;
    }
    const FilterTranslation t = translateFilter(m_browser->filter());
    if (!t.ok()) {
        ui::dialogs().warning(t.error);
        return false;
    }
    try {
        const CostCentreTotals totals = splitFigures(m_db, {m_session.DANE_ID_FIRMY, 0, t.where});
        m_totals = totals;
        m_totalsComputed = true;
        entries::EntryFigures f;
        f.count = totals.count;
        f.dt = totals.dt;
        f.ct = totals.ct;
        m_browser->summary().setTotals(f);
        return true;
    } catch (const db::DbError& e) {
        ui::dialogs().warning(e.message());
        return false;
    }
}

void MpkViewController::ensureTotals() {
    if (!m_totalsComputed || !m_browser->summary().totalsComputed()) computeTotals();
}

CostCentreTotals MpkViewController::markedTotals() const {
    const entries::EntryFigures& m = m_browser->summary().marked();
    return {m.dt, m.ct, m.count};
}

std::vector<entries::SummaryRow> MpkViewController::summaryRows() {
    ensureTotals();
    const CostCentreTotals marked = markedTotals();
    return {
        {entries::SummaryValue::ofAmount(texts::SUM_DT, m_totals.dt), entries::SummaryValue::ofAmount(texts::SUM_DT_MARKED, marked.dt)},
        {entries::SummaryValue::ofAmount(texts::SUM_CT, m_totals.ct), entries::SummaryValue::ofAmount(texts::SUM_CT_MARKED, marked.ct)},
        {entries::SummaryValue::ofAmount(texts::SUM_BOTH, m_totals.dt + m_totals.ct), entries::SummaryValue::ofAmount(texts::SUM_BOTH_MARKED, marked.dt + marked.ct)},
    };
}

std::vector<std::pair<QString, QString>> MpkViewController::rowProperties() {
    const int row = m_browser->currentRow();
    std::vector<std::pair<QString, QString>> out = m_browser->fieldPreview(row);
    if (row < 0 || out.empty()) return out;
    db::Rows r = m_db.select(QStringLiteral("select data_okresu from MPK_VIEW where id_firmy=? AND id_mpk_dane=?"),
                             {m_session.DANE_ID_FIRMY, currentId()});
    if (r.next()) {
        const int period = r.integer(0);
        out.insert(out.begin(), {QStringLiteral("Okres"), period == 0 ? texts::UNDEFINED_PERIOD : date::toDisplay(period)});
    }
    return out;
}

// ---- rows, marks ----

int64_t MpkViewController::currentId() const {
    const int row = m_browser->currentRow();
    if (row < 0 || row >= m_browser->list().heldRows()) return 0;
    return m_browser->list().idAt(row);
}

void MpkViewController::toggleMark(int row) {
    if (allowed(MpkRight::Marks)) m_browser->toggleMark(row);
}

void MpkViewController::markAll() {
    if (!allowed(MpkRight::Marks)) return;
    ensureTotals();
    m_browser->markAll();
}

void MpkViewController::unmarkAll() {
    if (allowed(MpkRight::Marks)) m_browser->unmarkAll();
}

void MpkViewController::invertMarks() {
    if (!allowed(MpkRight::Marks)) return;
    ensureTotals();
    m_browser->invertMarks();
}

QStringList MpkViewController::popupMenu() {
    return {QStringLiteral("Podgląd"),           QStringLiteral("-"),
            QStringLiteral("Zaznacz wszystko"),  QStringLiteral("Odznacz wszystko"),
            QStringLiteral("Odwróć zaznaczone"), QStringLiteral("-"),
            QStringLiteral("Konfiguracja kolumn"), QStringLiteral("-"),
            QStringLiteral("Eksport do Excela")};
}

QStringList MpkViewController::treeMenu() {
    return {QStringLiteral("Wszystko"), QStringLiteral("Zapisz konfigurację filtra"), QStringLiteral("Usuń wybraną konfiguracje filtra"),
            QStringLiteral("Wybierz konfigurację filtra")};
}

void MpkViewController::popupAction(const QString& item) {
    if (item == QLatin1String("Zaznacz wszystko")) markAll();
    else if (item == QLatin1String("Odznacz wszystko")) unmarkAll();
    else if (item == QStringLiteral("Odwróć zaznaczone")) invertMarks();
    else if (item == QLatin1String("Eksport do Excela")) {
        if (allowed(MpkRight::Export)) m_services.exportList(m_browser->windowList());
    } else m_browser->popupAction(item, m_services);
}

// ---- document, print ----

void MpkViewController::showDocument() {
    if (!allowed(MpkRight::Document)) return;
    const int64_t id = currentId();
    if (id == 0) return;
    db::Rows r = m_db.select(QStringLiteral("select p.id_nag_dok, p.id_poz_dok, p.data_okresu from POZ_DOK p join MPK_DANE m "
                                            "on m.id_poz_dok=p.id_poz_dok where m.id_firmy=? AND m.id_mpk_dane=?"),
                             {m_session.DANE_ID_FIRMY, id});
    if (!r.next()) return;
    if (m_services.openDocument({r.int64(0), r.int64(1), r.integer(2)})) m_browser->refreshAroundCurrent();
}

void MpkViewController::printList() {
    if (!allowed(MpkRight::Print)) return;
    const QString name = QStringLiteral("MPK");
    const QString raw = m_browser->rawFilter();
    m_session.CRST_FILTR_INFO = name;
    m_session.CRST_FILTR_TABELA = name;
    m_session.CRST_FILTR_ZAPYTANIE = raw;
    const int code = m_services.chooseStatement(name);
    if (code != 1 && code != 2) return;
    m_session.DANE_NAGLOWEK_WYDRUKU = texts::PRINT_TITLE;
    if (!m_services.askPrintRange()) return;
    const int range = m_session.DANE_ZAKRES_PRN;
    const int64_t id = currentId();
    if (range == 2 && id == 0) return;
    // The library reads the marks from the selection store.
    if (range == 1 && !m_browser->storeMarksOrWarn(filterWith(false))) return;
    entries::LedgerPrintJob job;
    job.parameters =
        QStringLiteral("%1,%2,%3,%4,0,").arg(code).arg(range).arg(m_sort + 1).arg(m_descending ? 1 : 0);
    job.filter = range == 2 ? QStringLiteral("MPK:ID_MPK_DANE=%1").arg(id) : raw;
    job.header = texts::PRINT_TITLE;
    m_services.startListing(job, CurrencyCode::of(QStringLiteral("PLN")));
}

} // namespace ksiega::costcentres
