#include "entries/browser/EntryBrowser.h"
#include "entries/lists/ListServices.h"
#include "entries/preview/EntryPreview.h"
#include "frame/rights/AccessRights.h"
#include "platform/db/EntryRowId.h"
#include "platform/db/passthrough/PassThrough.h"
#include "platform/runtime/FilterExpression.h"
#include "platform/ui/dialogs/Dialogs.h"

namespace ksiega::entries {

namespace {

// A filter that could not be read lists nothing rather than everything.
const QString kNothing = QStringLiteral("1=0");

// The list's mark column goes through the browser, so that a click on the icon changes
// the marked figures with the marks.
class BrowserMarkColumn : public ui::MarksList {
public:
    explicit BrowserMarkColumn(EntryBrowser& browser) : m_b(browser) {}
    bool isMarked(int64_t id) const override { return m_b.isMarked(id); }
    void toggle(int64_t id) override { m_b.toggleMarkById(id); }
    void markAll() override { m_b.markAll(); }
    void unmarkAll() override { m_b.unmarkAll(); }
    void invert() override { m_b.invertMarks(); }

private:
    EntryBrowser& m_b;
};

} // namespace

EntryBrowser::EntryBrowser(db::Database& db, const SessionContext& session, EntryBrowserConfig config)
    : m_db(db), m_session(session), m_config(std::move(config)), m_summary(db) {
    m_markColumn = std::make_unique<BrowserMarkColumn>(*this);
    ui::ListQuery q;
    q.source = m_config.listView;
    q.columns = m_config.columns;
    q.idColumn = m_config.idColumn;
    q.sort = m_config.sort;
    q.ranges = {{QStringLiteral("id_firmy"), session.DANE_ID_FIRMY}};
    // Nothing is listed until the window applies its first filter.
    q.filter = {kNothing, {}};
    m_model = m_config.makeModel ? m_config.makeModel(db, std::move(q)) : std::make_unique<ui::PagedListModel>(db, std::move(q));
    m_model->setMarks(m_markColumn.get());
}

EntryBrowser::~EntryBrowser() = default;

// ---- the filter ----

void EntryBrowser::applyFilter(const EntryFilterText& filter, bool keepMarks) {
    if (!keepMarks) m_marks.unmarkAll();
    m_summary.invalidate(keepMarks);
    m_filter = filter;
    m_filterError.clear();
    // A sub-query of the filter reads the session's own marks, company and year only.
    FilterRules rules;
    rules.scope = {m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE, m_session.DANE_ID_UZYTKOWNIKA_NR};
    const FilterTranslation t = translateFilter(m_filter.filter, rules);
    if (!t.ok()) m_filterError = t.error;
    m_row = -1;
    try {
        m_model->setFilter({t.ok() ? t.where : kNothing, {}});
    } catch (const db::DbError& e) {
        // A filter the list's view cannot take (a saved filter of another list's fields):
        // nothing is listed, and the reason is kept as for a filter that does not translate.
        m_filterError = e.message();
        m_model->setFilter({kNothing, {}});
    }
    m_model->marksChanged();
}

void EntryBrowser::clear(bool keepMarks) {
    if (!keepMarks) m_marks.unmarkAll();
    m_summary.invalidate(keepMarks);
    m_row = -1;
    m_model->marksChanged();
}

void EntryBrowser::setSort(const ui::SortOrder& order) {
    m_row = -1;
    m_model->setSort(order);
}

// ---- rows ----

std::optional<CurrentEntry> EntryBrowser::entryAt(int row) const {
    if (row < 0 || row >= m_model->heldRows() || !listsEntries()) return std::nullopt;
    const db::EntryRowId id{m_model->idAt(row)};
    db::Rows r = m_db.select(QStringLiteral("select id_poz_dok, id_nag_dok, strona, data_okresu from %1 "
                                            "where id_firmy=? AND id_poz_dok=? AND id_dokument_pozycja=?")
                                 .arg(m_config.sumView),
                             {m_session.DANE_ID_FIRMY, id.line(), id.value});
    if (!r.next()) return std::nullopt;
    return CurrentEntry{r.int64(0), r.int64(1), r.integer(2), r.integer(3), id.value};
}

void EntryBrowser::refreshAroundCurrent() { m_row = m_model->refresh(m_row); }

FieldList EntryBrowser::fieldPreview(int row) const {
    if (!listsEntries()) {
        if (row < 0 || row >= m_model->heldRows()) return {};
        FieldList out = rowFields(*m_model, row);
        out.emplace_back(m_config.idColumn, QString::number(m_model->idAt(row)));
        return out;
    }
    const std::optional<CurrentEntry> entry = entryAt(row);
    if (!entry) return {};
    FieldList out = rowFields(*m_model, row);
    out.emplace_back(QStringLiteral("id_nag_dok"), QString::number(entry->idNagDok));
    out.emplace_back(QStringLiteral("id_poz_dok"), QString::number(entry->idPozDok));
    out.emplace_back(QStringLiteral("id_dokument_pozycja"), QString::number(entry->idDokumentPozycja));
    out.emplace_back(QStringLiteral("strona"), entry->strona == 0 ? QStringLiteral("Dt") : QStringLiteral("Ct"));
    return out;
}

std::vector<PreviewRow> EntryBrowser::entryPreview(bool journalNumber) const {
    if (m_row < 0 || m_row >= m_model->heldRows()) return {};
    return entries::entryPreview(m_db, {m_config.listView, m_session.DANE_ID_FIRMY, m_model->idAt(m_row), journalNumber});
}

std::vector<PreviewRow> EntryBrowser::documentPreview() const {
    const std::optional<CurrentEntry> entry = currentEntry();
    if (!entry) return {};
    return entries::documentPreview(m_db, m_session.DANE_ID_FIRMY, entry->idNagDok);
}

// ---- marks ----

EntryFigures EntryBrowser::figuresOf(int64_t id) const {
    if (!listsEntries()) {
        db::Rows r = m_db.select(QStringLiteral("select kwota_wn, kwota_ma, kwota_wn_w, kwota_ma_w from %1 "
                                                "where id_firmy=? AND %2=?")
                                     .arg(m_config.sumView, m_config.idColumn),
                                 {m_session.DANE_ID_FIRMY, id});
        if (!r.next()) return {};
        return {1, r.money(0), r.money(1), r.money(2), r.money(3)};
    }
    const db::EntryRowId rowId{id};
    db::Rows r = m_db.select(QStringLiteral("select kwota_wn, kwota_ma, kwota_wn_w, kwota_ma_w from %1 "
                                            "where id_firmy=? AND id_poz_dok=? AND id_dokument_pozycja=?")
                                 .arg(m_config.sumView),
                             {m_session.DANE_ID_FIRMY, rowId.line(), rowId.value});
    if (!r.next()) return {};
    return {1, r.money(0), r.money(1), r.money(2), r.money(3)};
}

void EntryBrowser::toggleMark(int row) {
    if (row < 0 || row >= m_model->heldRows()) return;
    m_model->toggleMark(row);   // through the mark column: toggleMarkById
}

void EntryBrowser::toggleMarkById(int64_t id) {
    const EntryFigures row = figuresOf(id);
    if (row.count == 0) return;   // not an entry of this company
    // Whether the row counts as marked follows the marks list, so that a row left
    // marked by "Zaznacz wszystko" is taken off the figures, not added twice.
    if (m_marks.toggle(id)) m_summary.addMarked(row);
    else m_summary.removeMarked(row);
}

void EntryBrowser::markAll() {
    if (!m_summary.totalsComputed()) computeTotals();
    m_marks.markAll();
    m_summary.markAll();
    m_model->marksChanged();
}

void EntryBrowser::unmarkAll() {
    m_marks.unmarkAll();
    m_summary.unmarkAll();
    m_model->marksChanged();
}

void EntryBrowser::invertMarks() {
    // The marked figures become total minus marked: the totals must be current.
    if (!m_summary.totalsComputed()) computeTotals();
    m_marks.invert();
    m_summary.invert();
    m_model->marksChanged();
}

marks::StoreOutcome EntryBrowser::storeMarks(const QString& rowsFilter, const marks::StoreProgress& progress) {
    marks::StoreRequest request;
    request.browser = m_config.browser;
    request.user = m_session.DANE_ID_UZYTKOWNIKA_NR;
    request.view = m_config.sumView;
    request.idColumn = m_config.idColumn;
    request.filter = rowsFilter;
    request.keepDescribed = m_config.sharedBrowser;
    request.company = m_session.DANE_ID_FIRMY;
    if (m_config.oneYear) request.year = m_session.DANE_LATA_OBROTOWE;
    return marks::storeMarks(m_db, m_marks, request, progress);
}

bool EntryBrowser::storeMarksOrWarn(const QString& rowsFilter) {
    const marks::StoreOutcome stored = storeMarks(rowsFilter);
    if (!stored.ok && !stored.cancelled && !stored.error.isEmpty()) ui::dialogs().warning(stored.error);
    return stored.ok;
}

// ---- figures ----

bool EntryBrowser::computeTotals() {
    if (listsNothing()) {
        // Nothing listed (no filter yet, or an unreadable one): nothing to add up.
        m_summary.setTotals({});
        return m_filterError.isEmpty();
    }
    return m_summary.computeTotals({m_session.DANE_LATA_OBROTOWE, m_config.sumView, m_filter.rawFilter});
}

// ---- popup ----

QStringList EntryBrowser::popupMenu(const QString& previewItem) {
    return {previewItem,
            QStringLiteral("-"),
            QStringLiteral("Zaznacz wszystko"),
            QStringLiteral("Odznacz wszystko"),
            QStringLiteral("Odwróć zaznaczone"),
            QStringLiteral("-"),
            QStringLiteral("Kontakty kontrahenta"),
            QStringLiteral("-"),
            QStringLiteral("Konfiguracja kolumn"),
            QStringLiteral("-"),
            QStringLiteral("Eksport do Excela")};
}

bool EntryBrowser::popupAction(const QString& item, WindowServices& services) {
    if (item == QLatin1String("Zaznacz wszystko")) markAll();
    else if (item == QLatin1String("Odznacz wszystko")) unmarkAll();
    else if (item == QStringLiteral("Odwróć zaznaczone")) invertMarks();
    else if (item == QLatin1String("Kontakty kontrahenta")) {
        if (const std::optional<CurrentEntry> entry = currentEntry()) services.contractorContacts(entry->idNagDok);
    } else if (item == QLatin1String("Konfiguracja kolumn")) services.configureColumns(windowList());
    else if (item == QLatin1String("Eksport do Excela")) services.exportList(windowList());
    else if (item == QStringLiteral("Podgląd") || item == QStringLiteral("Podgląd pól")) {
        const FieldList fields = fieldPreview(m_row);
        if (!fields.empty()) services.showFields(fields);
    } else return false;
    return true;
}

// ---- rights, currencies ----

bool EntryBrowser::granted(const QString& functionCode) const {
    if (m_session.DANE_ADMINISTRATOR == 1) return true;
    db::PassThrough pt(m_db);
    return rights::AccessRights(pt, m_session).granted(functionCode);
}

QStringList EntryBrowser::currencies(const CurrencyCode& current) const {
    QStringList out;
    db::Rows r = m_db.select(QStringLiteral("select sym_waluty from WALUTY order by sym_waluty limit 1000"));
    while (r.next()) out << CurrencyCode::of(r.text(0)).symbol();
    if (!out.contains(current.symbol())) out.prepend(current.symbol());
    return out;
}

} // namespace ksiega::entries
