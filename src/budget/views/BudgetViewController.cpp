#include "budget/views/BudgetViewController.h"
#include "budget/views/BudgetTexts.h"
#include "platform/db/DbError.h"
#include "platform/filtertree/TreeCondition.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/FilterExpression.h"
#include "platform/ui/dialogs/Dialogs.h"

namespace ksiega::budget {

using ui::ColumnKind;

namespace {

struct SortChoice {
    const char* column;
    const char* name;
};

// The eight orders of the list in the order the choice offers them; each is also
// descending, and every one runs inside the company's range.
constexpr SortChoice kSorts[] = {
    {"nr_ewid_dok", "Nr ewidencyjny"}, {"data_biezaca", "Data księgowania"}, {"nr_dok_org", "Nr dokumentu"},
    {"data_dok_org", "Data dokumentu"}, {"konto_wn", "Konto Dt"},            {"konto_ma", "Konto Ct"},
    {"kwota", "Kwota"},                 {"bt_klasyfikacja", "Klasyfikacja"},
};

ui::SortOrder sortOrder(int index, bool descending) {
    const SortChoice& s = kSorts[index];
    ui::SortOrder order = ui::SortOrder::ascending(QString::fromUtf8(s.name), {QString::fromUtf8(s.column)});
    return descending ? order.reversed() : order;
}

ui::ListColumns columnsOf(const BudgetSide& side) {
    ui::ListColumns c = {{QStringLiteral("bt_klasyfikacja"), QStringLiteral("Klasyfikacja"), ColumnKind::Text, 20}};
    for (const BudgetFlag& f : side.listFlags) c.push_back({f.displayColumn, f.title, ColumnKind::Text, f.width});
    c += ui::ListColumns{
        {QStringLiteral("kwota"), QStringLiteral("Kwota"), ColumnKind::Money, 14},
        {QStringLiteral("konto_wn"), QStringLiteral("Konto Dt"), ColumnKind::Text, 15},
        {QStringLiteral("konto_ma"), QStringLiteral("Konto Ct"), ColumnKind::Text, 15},
        {QStringLiteral("nr_ewid_dok"), QStringLiteral("Nr ewidencyjny"), ColumnKind::Text, 18},
        {QStringLiteral("data_biezaca"), QStringLiteral("Data księg."), ColumnKind::Date, 10},
        {QStringLiteral("nr_dok_org"), QStringLiteral("Nr dokumentu"), ColumnKind::Text, 18},
        {QStringLiteral("data_dok_org"), QStringLiteral("Data dok."), ColumnKind::Date, 10},
        {QStringLiteral("nr_poz_dok"), QStringLiteral("Nr poz."), ColumnKind::Integer, 6},
        {QStringLiteral("tresc_poz_dok"), QStringLiteral("Opis pozycji"), ColumnKind::Text, 30},
    };
    return c;
}

QString headingOf(int report) {
    switch (report) {
    case 1: return texts::PRINT_PLAN;
    case 2:
    case 4: return texts::PRINT_CLASSIFICATION;
    case 3: return texts::PRINT_ENTRIES;
    default: return {};
    }
}

QString marked(const QString& label) { return label + texts::MARKED_SUFFIX; }

entries::SummaryValue countValue(const QString& label, int64_t n) {
    entries::SummaryValue v;
    v.label = label;
    v.isCount = true;
    v.count = n;
    return v;
}

} // namespace

const std::vector<filtertree::TreeField>& budgetTreeFields() {
    using filtertree::FieldKind;
    static const std::vector<filtertree::TreeField> fields = {
        {QStringLiteral("bt_klasyfikacja"), FieldKind::Text}, {QStringLiteral("konto_wn"), FieldKind::Text},
        {QStringLiteral("konto_ma"), FieldKind::Text},        {QStringLiteral("kwota"), FieldKind::Money},
        {QStringLiteral("id_lata_obrot"), FieldKind::Integer}, {QStringLiteral("id_paczka"), FieldKind::Integer},
        {QStringLiteral("id_typ_dok"), FieldKind::Integer},   {QStringLiteral("data_okresu"), FieldKind::Date},
        {QStringLiteral("data_biezaca"), FieldKind::Date},    {QStringLiteral("data_dok_org"), FieldKind::Date},
        {QStringLiteral("nr_ewid_dok"), FieldKind::Text},     {QStringLiteral("nr_dok_org"), FieldKind::Text},
        {QStringLiteral("tresc_poz_dok"), FieldKind::Text},   {QStringLiteral("rodzaj_wy"), FieldKind::Integer},
        {QStringLiteral("rodzaj_k"), FieldKind::Integer},     {QStringLiteral("rodzaj_z"), FieldKind::Integer},
        {QStringLiteral("rodzaj_x"), FieldKind::Integer},     {QStringLiteral("rodzaj_d"), FieldKind::Integer},
        {QStringLiteral("rodzaj_wp"), FieldKind::Integer},
    };
    return fields;
}

BudgetViewController::BudgetViewController(db::Database& db, SessionContext& session, entries::WindowServices& services,
                                           BudgetViewServices& budget, const BudgetSide& side)
    : m_db(db), m_session(session), m_services(services), m_budget(budget), m_side(side) {
    entries::EntryBrowserConfig config;
    config.listView = LIST_VIEW;
    config.sumView = LIST_VIEW;
    config.columns = columnsOf(side);
    config.sort = sortOrder(kDefaultSort, false);
    config.browser = side.browser;
    config.idColumn = QStringLiteral("id_bt_dane");
    config.sharedBrowser = side.sharedBrowser;
    m_browser = std::make_unique<entries::EntryBrowser>(db, session, std::move(config));
    m_tree = std::make_unique<filtertree::FilterTreeStore>(
        db, filtertree::TreeScope{session.DANE_ID_FIRMY, side.browser, session.DANE_ID_UZYTKOWNIKA_NR}, budgetTreeFields());
}

QString BudgetViewController::caption() const { return texts::WINDOW_CAPTION + m_side.captionSuffix; }

void BudgetViewController::open() {
    readBudgetModel();
    readDictionaryChoices();
    readTree();
    rebuild();
}

void BudgetViewController::readBudgetModel() {
    db::Rows r = m_db.select(QStringLiteral("select nazwa_wartosci from OPCJE_SYSTEMOWE where id_firmy=? AND id_lata_obrot=? "
                                            "AND id_opcje=305"),
                             {m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE});
    const QString model = r.next() ? r.text(0).trimmed() : QString();
    if (model == texts::MODEL_TASK) {
        m_session.GGG_BT_BUDZET_TRADYCYJNY = 0;
        m_session.GGG_BT_BUDZET_ZADANIOWY = 1;
    } else if (model == texts::MODEL_TRADITIONAL) {
        m_session.GGG_BT_BUDZET_TRADYCYJNY = 1;
        m_session.GGG_BT_BUDZET_ZADANIOWY = 0;
    }
}

void BudgetViewController::readDictionaryChoices() {
    m_dictionary.clear();
    db::Rows r = m_db.select(QStringLiteral("select id_kartoteki_poz, operator from FILTR_SLOWNIK_NAG where id_firmy=? AND "
                                            "id_browsera=? AND id_uzytkownika=? order by id_filtr_slownik_nag"),
                             {m_session.DANE_ID_FIRMY, m_side.browser, m_session.DANE_ID_UZYTKOWNIKA_NR});
    while (r.next()) m_dictionary.push_back({r.int64(0), r.text(1)});
}

void BudgetViewController::readTree() {
    m_branches = m_tree->branches();
    bool found = false;
    for (const auto& b : m_branches) found = found || b.id == m_branch;
    if (!found) m_branch = 0;
}

// ---- the filter tree ----

void BudgetViewController::chooseTreeBranch(int64_t id) {
    m_branch = id;
    readTree();
    rebuild();
}

void BudgetViewController::treeAction(const QString& item) {
    try {
        if (item == texts::TREE_ADD || item == texts::TREE_POPUP_ADD) {
            const std::optional<BranchRequest> b = m_budget.askBranch();
            if (!b) return;
            m_branch = m_tree->addBranch(m_branch, b->field, b->op, b->value, b->label);
        } else if (item == texts::TREE_REMOVE || item == texts::TREE_POPUP_REMOVE) {
            if (m_branch == 0 || !m_tree->removeBranch(m_branch)) return;
            m_branch = 0;
        } else if (item == texts::TREE_MAINTAIN || item == QStringLiteral("Wybierz konfigurację filtra")) {
            const int64_t chosen = m_budget.chooseConfiguration(m_tree->configurations());
            if (chosen == 0 || !m_tree->chooseConfiguration(chosen)) return;
            m_branch = 0;
        } else if (item == QStringLiteral("Zapisz konfigurację filtra")) {
            const QString name = m_budget.askConfigurationName().trimmed();
            if (name.isEmpty()) return;
            m_tree->saveConfiguration(name);
            return;
        } else if (item == QStringLiteral("Usuń wybraną konfiguracje filtra")) {
            if (ui::dialogs().question(texts::REMOVE_CONFIGURATION, ui::BUTTONS_TAK_NIE, 1, ui::TITLE_PYTANIE) != 1) return;
            if (m_tree->removeCurrentConfiguration() == 0) return;
            m_branch = 0;
        } else if (item == QStringLiteral("Wszystko")) {
            m_branch = 0;
        } else {
            return;
        }
    } catch (const filtertree::InvalidBranch& e) {
        ui::dialogs().warning(e.why());
        return;
    }
    readTree();
    rebuild();
}

// ---- the list filter ----

void BudgetViewController::runQuickFilter() {
    const QString expression = m_budget.quickFilter(m_side.code);
    if (!expression.isEmpty()) setQuickFilter(expression);
}

void BudgetViewController::setQuickFilter(const QString& expression) {
    m_filters.setQuick(expression);
    rebuild();
}

void BudgetViewController::chooseSavedFilterFromList() {
    const std::optional<entries::SavedFilter> f = m_services.chooseSavedFilter(m_side.browser);
    if (!f) return;
    m_filters.setSaved(f->name, f->expression);
    rebuild();
}

void BudgetViewController::saveCurrentFilter() { m_services.saveFilter(m_side.browser, m_filters.toSave()); }

void BudgetViewController::setDictionaryChoices(std::vector<DictionaryChoice> choices) {
    m_dictionary = std::move(choices);
    rebuild();
}

void BudgetViewController::chooseClassificationFilter() {
    const std::optional<QString> chosen = m_budget.chooseClassification(m_side.code);
    if (chosen) setClassificationMask(*chosen);
}

void BudgetViewController::setClassificationSymbol(const QString& symbol) {
    m_symbol = symbol.trimmed();
    m_classification = symbolCondition(m_symbol);
    rebuild();
}

void BudgetViewController::setClassificationMask(const QString& chosen) {
    const QString mask = classificationMask(chosen, m_session.GGG_BT_SEPARATOR);
    const bool wild = mask.contains(QLatin1Char('*')) || mask.contains(QLatin1Char('?'));
    m_symbol = wild ? QString() : mask;
    m_classification = maskCondition(mask);
    rebuild();
}

void BudgetViewController::clearClassification() {
    m_symbol.clear();
    m_classification.clear();
    rebuild();
}

QString BudgetViewController::filterIcon() const {
    return classificationActive() ? QStringLiteral("~filtr_on.ico") : QStringLiteral("~filtr.ico");
}

QString BudgetViewController::userPart() const {
    FilterBuilder f;
    if (m_branch != 0) {
        try {
            f.add(filtertree::branchFilter(m_branches, m_branch, budgetTreeFields(), m_session.GGG_BT_SEPARATOR,
                                           QStringLiteral("BTV")));
        } catch (const filtertree::InvalidBranch&) {
            f.add(QStringLiteral("SQL(1=0)"));   // a branch that cannot be read lists nothing
        }
    }
    f.add(m_filters.active());
    return f.text();
}

ComposedFilter BudgetViewController::compose(bool withClassification, bool markedOnly) const {
    BudgetFilterParts p;
    p.company = m_session.DANE_ID_FIRMY;
    p.side = m_side.code;
    p.quickOrSaved = userPart();
    p.dictionary = dictionaryCondition(m_dictionary);
    if (withClassification) p.classification = m_classification;
    if (markedOnly && !marksStandForEverything()) p.markedOnly = markedOnlyCondition(m_session.DANE_ID_UZYTKOWNIKA_NR, m_side.browser);
    return composeBudgetFilter(p);
}

// Every listed row marked and none taken off again: "marked only" is the list itself.
bool BudgetViewController::marksStandForEverything() const {
    const marks::MarksList& m = m_browser->marks();
    return m.allMarked() && m.unmarkedIds().empty();
}

void BudgetViewController::setShowMarked(bool on) {
    // The condition reads the stored marks: they are stored first, in one transaction.
    if (on && !m_browser->storeMarksOrWarn(compose(true, false).filter)) return;
    m_showMarked = on;
    rebuild(true);
}

void BudgetViewController::rebuild(bool keepMarks) {
    const ComposedFilter f = compose(true, m_showMarked);
    if (f.anythingDropped()) ui::dialogs().information(texts::FILTER_TOO_LONG, ui::TITLE_INFORMACJA);
    m_filter = f.filter;
    m_userNeedsView = !f.userDropped && !userPart().isEmpty();
    m_browser->applyFilter({m_filter, WYTNIJ_PREFIX(m_filter)}, keepMarks);
    // The browser's own Dt/Ct figures are not shown here: the window keeps its own.
    m_browser->summary().setTotals({});
    m_totalsKnown = false;
    if (!keepMarks) m_marked = {};
    m_markedKnown = false;
    if (!m_browser->filterError().isEmpty()) ui::dialogs().warning(m_browser->filterError());
}

bool BudgetViewController::step(bool up) {
    // The rest of the filter without the current symbol's own condition: with it the
    // step would only ever find the symbol it stands on.
    const FilterTranslation t = translateFilter(compose(false, m_showMarked).filter);
    if (!t.ok()) {
        ui::dialogs().warning(t.error);
        return false;
    }
    try {
        const std::optional<QString> next =
            adjacentSymbol(m_db, {m_session.DANE_ID_FIRMY, &m_side, t.where, m_userNeedsView}, m_symbol, up);
        if (!next) return false;
        setClassificationSymbol(*next);
        return true;
    } catch (const db::DbError& e) {
        ui::dialogs().warning(e.message());
        return false;
    }
}

// ---- sort ----

QStringList BudgetViewController::sortNames() {
    QStringList out;
    for (const SortChoice& s : kSorts) out << QString::fromUtf8(s.name);
    return out;
}

void BudgetViewController::chooseSort(int choice) {
    if (choice < 0 || choice >= int(std::size(kSorts))) return;
    m_sort = choice;
    m_browser->setSort(sortOrder(m_sort, m_descending));
}

void BudgetViewController::toggleSortDirection() {
    m_descending = !m_descending;
    m_browser->setSort(sortOrder(m_sort, m_descending));
}

QString BudgetViewController::sortIcon() const { return m_descending ? QStringLiteral("~up.ico") : QStringLiteral("~down.ico"); }

// ---- figures ----

bool BudgetViewController::computeTotals() {
    const FilterTranslation t = translateFilter(m_filter);
    if (!t.ok()) {
        ui::dialogs().warning(t.error);
        return false;
    }
    try {
        ui::dialogs().beginBusy();
        m_totals = budgetFigures(m_db, {m_session.DANE_ID_FIRMY, &m_side, t.where, m_userNeedsView});
        ui::dialogs().endBusy();
        m_totalsKnown = true;
        return true;
    } catch (const db::DbError& e) {
        ui::dialogs().endBusy();
        ui::dialogs().warning(e.message());
        return false;
    }
}

const BudgetFigures& BudgetViewController::totals() {
    if (!m_totalsKnown) computeTotals();
    return m_totals;
}

BudgetFigures BudgetViewController::markedFigures() {
    if (m_markedKnown) return m_marked;
    const marks::MarksList& m = m_browser->marks();
    try {
        if (m.allMarked()) {
            m_marked = totals();
            m_marked -= budgetFiguresOf(m_db, m_session.DANE_ID_FIRMY, m_side, m.unmarkedIds());
        } else {
            m_marked = budgetFiguresOf(m_db, m_session.DANE_ID_FIRMY, m_side, m.markedIds());
        }
        m_markedKnown = true;
    } catch (const db::DbError& e) {
        ui::dialogs().warning(e.message());
    }
    return m_marked;
}

std::vector<entries::SummaryRow> BudgetViewController::summaryRows() {
    const BudgetFigures all = totals();
    BudgetFigures mine = markedFigures();
    mine.flags.resize(m_side.summaryFlags.size());
    std::vector<entries::SummaryRow> rows;
    rows.push_back({countValue(texts::SUM_COUNT, all.count), countValue(marked(texts::SUM_COUNT), mine.count)});
    rows.push_back({entries::SummaryValue::ofAmount(texts::SUM_TOTAL, all.total),
                    entries::SummaryValue::ofAmount(marked(texts::SUM_TOTAL), mine.total)});
    for (size_t i = 0; i < m_side.summaryFlags.size(); ++i) {
        const QString& label = m_side.summaryFlags[i].summaryLabel;
        rows.push_back({entries::SummaryValue::ofAmount(label, i < all.flags.size() ? all.flags[i] : Money()),
                        entries::SummaryValue::ofAmount(marked(label), mine.flags[i])});
    }
    return rows;
}

std::vector<std::pair<QString, QString>> BudgetViewController::rowProperties() {
    const int64_t id = currentId();
    if (id == 0) return {};
    db::Rows r = m_db.select(QStringLiteral("select kwota, konto_wn, konto_ma, nr_ewid_dok, nr_dok_org, data_biezaca, data_dok_org, "
                                            "data_okresu from BT_VIEW where id_firmy=? AND id_bt_dane=?"),
                             {m_session.DANE_ID_FIRMY, id});
    if (!r.next()) return {};
    auto day = [](int d) { return d == 0 ? QString() : date::toDisplay(d); };
    const int period = r.integer(7);
    return {
        {texts::PROP_AMOUNT, r.money(0).toString()},
        {texts::PROP_DT, r.text(1)},
        {texts::PROP_CT, r.text(2)},
        {texts::PROP_REGISTER, r.text(3)},
        {texts::PROP_NUMBER, r.text(4)},
        {texts::PROP_BOOKED, day(r.integer(5))},
        {texts::PROP_DATED, day(r.integer(6))},
        {texts::PROP_PERIOD, period == 0 ? texts::UNDEFINED_PERIOD
                                         : QStringLiteral("%1-%2").arg(date::month(period), 2, 10, QLatin1Char('0')).arg(date::year(period))},
    };
}

std::vector<std::vector<QString>> BudgetViewController::dictionaryRows() {
    std::vector<std::vector<QString>> out;
    const int64_t id = currentId();
    if (id == 0 || !taskBudget()) return out;
    db::Rows r = m_db.select(QStringLiteral("select k.kod_kartoteki, k.kod, k.wartosc from KARTOTEKA_UZYTKOWNIKA_DANE_VIEW k "
                                            "join BT_DANE b on b.id_poz_dok=k.id_poz_dok where b.id_firmy=? AND "
                                            "b.id_bt_dane=? AND k.id_firmy=? order by k.lp, k.id_slow_dane"),
                             {m_session.DANE_ID_FIRMY, id, m_session.DANE_ID_FIRMY});
    while (r.next()) out.push_back({r.text(0), r.text(1), r.text(2)});
    return out;
}

// ---- rows, marks ----

int64_t BudgetViewController::currentId() const {
    const int row = m_browser->currentRow();
    if (row < 0 || row >= m_browser->list().heldRows()) return 0;
    return m_browser->list().idAt(row);
}

QString BudgetViewController::currentSymbol() const {
    const int64_t id = currentId();
    if (id == 0) return {};
    return m_db.scalarText(QStringLiteral("select bt_klasyfikacja from BT_DANE where id_firmy=? AND id_bt_dane=?"),
                           {m_session.DANE_ID_FIRMY, id})
        .value_or(QString());
}

void BudgetViewController::toggleMark(int row) {
    m_browser->toggleMark(row);
    marksChanged();
}

void BudgetViewController::markAll() {
    totals();
    m_browser->markAll();
    m_marked = m_totals;
    m_markedKnown = m_totalsKnown;
}

void BudgetViewController::unmarkAll() {
    m_browser->unmarkAll();
    m_marked = {};
    m_markedKnown = true;
}

void BudgetViewController::invertMarks() {
    const BudgetFigures before = markedFigures();
    m_browser->invertMarks();
    if (m_markedKnown && m_totalsKnown) {
        BudgetFigures now = m_totals;
        now -= before;
        m_marked = now;
    } else {
        marksChanged();
    }
}

QStringList BudgetViewController::popupMenu() {
    const QString sep = QStringLiteral("-");
    return {texts::POPUP_FIELDS, sep, texts::POPUP_MARK_ALL, texts::POPUP_UNMARK_ALL, texts::POPUP_INVERT, sep,
            texts::POPUP_COLUMNS, sep, texts::POPUP_EXPORT, sep, texts::POPUP_DESCRIBE, texts::POPUP_PLAN, sep,
            texts::POPUP_FILTER_BY};
}

void BudgetViewController::popupAction(const QString& item) {
    if (item == texts::POPUP_MARK_ALL) markAll();
    else if (item == texts::POPUP_UNMARK_ALL) unmarkAll();
    else if (item == texts::POPUP_INVERT) invertMarks();
    else if (item == texts::POPUP_DESCRIBE || item == texts::POPUP_PLAN || item == texts::POPUP_FILTER_BY) {
        const QString symbol = currentSymbol();
        if (symbol.isEmpty()) return;
        if (item == texts::POPUP_DESCRIBE) m_budget.describeClassification(m_side.code, symbol);
        else if (item == texts::POPUP_PLAN) m_budget.planSummary(m_side.code, symbol);
        else setClassificationSymbol(symbol);
    } else if (m_browser->popupAction(item, m_services)) {
        marksChanged();
    }
}

// ---- document, properties, print ----

void BudgetViewController::showDocument() {
    const int64_t id = currentId();
    if (id == 0) return;
    db::Rows r = m_db.select(QStringLiteral("select id_nag_dok, id_poz_dok, data_okresu from BT_VIEW where id_firmy=? AND id_bt_dane=?"),
                             {m_session.DANE_ID_FIRMY, id});
    if (!r.next()) return;
    // An opening-balance line (period day 1) is refused by the drill-down with its message.
    if (m_services.openDocument({r.int64(0), r.int64(1), r.integer(2)})) {
        m_browser->refreshAroundCurrent();
        m_totalsKnown = false;
        marksChanged();
    }
}

void BudgetViewController::correctLine() {
    const int64_t id = currentId();
    if (id == 0) return;
    if (m_budget.editBudgetLine(id) != 1) return;
    m_browser->refreshAroundCurrent();
    m_totalsKnown = false;
    marksChanged();
}

void BudgetViewController::printList() {
    m_session.CRST_FILTR_INFO.clear();
    m_session.CRST_FILTR_TABELA.clear();
    const int report = m_services.chooseStatement(m_side.statement);
    m_session.CRST_FILTR_ZAPYTANIE = WYTNIJ_PREFIX(m_filter);
    if (report == 0) return;
    m_session.DANE_NAGLOWEK_WYDRUKU = headingOf(report);
    const int second = report == 2 || report == 4 ? 2 : report == 3 ? 1 : 0;
    const int third = report >= 1 && report <= 4 ? 0 : 1;
    if (m_budget.printParameters(0, second, third, report) != 1) return;
    const int range = m_session.DANE_ZAKRES_PRN;
    QString filter;
    if (range == 2) {
        const int64_t id = currentId();
        if (id == 0) return;
        filter = QStringLiteral("BTV:ID_BT_DANE=%1").arg(id);
    } else if (range == 1) {
        // The printout reads the marks from the selection store.
        if (!m_browser->storeMarksOrWarn(compose(true, false).filter)) return;
        filter = WYTNIJ_PREFIX(compose(true, true).filter);
    } else {
        filter = WYTNIJ_PREFIX(m_filter);
    }
    const QString parameters =
        QStringLiteral("%1,%2,%3,%4,%5").arg(report).arg(range).arg(m_sort + 1).arg(m_descending ? 1 : 0).arg(m_side.code);
    m_budget.startBudgetPrint(parameters, filter, m_session.DANE_NAGLOWEK_WYDRUKU);
}

} // namespace ksiega::budget
