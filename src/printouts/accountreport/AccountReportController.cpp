#include "printouts/accountreport/AccountReportController.h"
#include "ledger/accounts/EntriesFilter.h"
#include "ledger/shared/EntryPreview.h"
#include "ledger/shared/ListServices.h"
#include "platform/db/EntryRowId.h"
#include "platform/db/passthrough/PassThrough.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/FilterExpression.h"
#include "platform/siblings/documents/DocumentsLibrary.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <QDate>
#include <algorithm>

namespace ksiega::printouts {

AccountReportHooks& accountReportHooks() {
    static AccountReportHooks hooks;
    return hooks;
}

namespace {
// Without a range the list lists nothing.
const QString kNothing = QStringLiteral("1=0");

QString budgetAware(const char* plain, const char* budget) {
    return QString::fromLatin1(session().DANE_CZY_WERSJA_BUDZET != 0 ? budget : plain);
}
} // namespace

AccountReportController::AccountReportController(db::Database& db)
    : m_db(db), m_firm(session().DANE_ID_FIRMY), m_year(session().DANE_LATA_OBROTOWE) {
    ui::ListQuery q;
    q.source = ledger::entryViewName(session().DANE_CZY_WERSJA_BUDZET != 0);
    q.idColumn = QStringLiteral("id_dokument_pozycja");
    q.columns = accountReportColumns();
    q.sort = accountReportSortOrder(m_sort, m_descending);
    q.ranges = {{QStringLiteral("id_firmy"), m_firm}};
    q.filter = {kNothing, {}};
    m_entries = std::make_unique<ui::PagedListModel>(db, std::move(q));
    openDocument = [this](const ledger::DrillDownEntry& entry) {
        return ledger::DocumentDrillDown(m_db, session(), ui::dialogs(), documents::documentsLibrary()).open(entry);
    };
}

AccountReportController::~AccountReportController() = default;

void AccountReportController::open(const WindowSwitches& switches) {
    if (switches.sortOrder >= 1 && switches.sortOrder <= kEntrySortChoices) {
        m_sort = EntrySort(int(switches.sortOrder) - 1);
        m_sortFollowsDateKind = false;
    } else {
        m_sort = defaultEntrySort(m_dateKind);
    }
    m_descending = switches.sortDirection != 0;
    m_previewShown = switches.viewSwitch == 0;
    m_entries->setSort(accountReportSortOrder(m_sort, m_descending));
    reloadEntries();
}

void AccountReportController::storeSwitches(WindowSwitches& switches) const {
    // The choice is kept as its printout number (1-4); 0 would mean "none stored".
    switches.sortOrder = m_sortFollowsDateKind ? 0 : int(m_sort) + 1;
    switches.sortDirection = m_descending ? 1 : 0;
    switches.viewSwitch = m_previewShown ? 0 : 1;
}

void AccountReportController::addRange(const AccountRange& range) {
    m_ranges.push_back(range);
    m_current = int(m_ranges.size()) - 1;
    reloadEntries();
}

void AccountReportController::replaceRange(int index, const AccountRange& range) {
    if (index < 0 || index >= int(m_ranges.size())) return;
    m_ranges[size_t(index)] = range;
    m_current = index;
    reloadEntries();
}

void AccountReportController::removeRange(int index) {
    if (index < 0 || index >= int(m_ranges.size())) return;
    m_ranges.erase(m_ranges.begin() + index);
    if (m_ranges.empty())
        m_current = -1;
    else if (m_current >= int(m_ranges.size()) || m_current > index)
        m_current = std::max(0, m_current - 1);
    reloadEntries();
}

void AccountReportController::setCurrent(int index) {
    if (index < 0 || index >= int(m_ranges.size()) || index == m_current) return;
    m_current = index;
    reloadEntries();
}

void AccountReportController::setDateKind(DateKind kind) {
    if (kind == m_dateKind) return;
    m_dateKind = kind;
    if (m_sortFollowsDateKind && isDateSort(m_sort)) {
        m_sort = defaultEntrySort(kind);
        m_entries->setSort(accountReportSortOrder(m_sort, m_descending));
    }
    reloadEntries();
}

const AccountRange* AccountReportController::current() const {
    return m_current >= 0 && m_current < int(m_ranges.size()) ? &m_ranges[size_t(m_current)] : nullptr;
}

void AccountReportController::setCurrency(const QString& currency) {
    const QString c = currency.trimmed().left(3);
    const QString chosen = c.isEmpty() ? QStringLiteral("PLN") : c;
    if (chosen == m_currency) return;
    m_currency = chosen;
    reloadEntries();
}

bool AccountReportController::homeCurrency() const { return ledger::isHomeCurrency(m_currency); }

QString AccountReportController::entryFilter() const {
    const AccountRange* r = current();
    return r ? rangeEntryFilter(*r, m_dateKind, m_currency, m_year) : QString();
}

void AccountReportController::reloadEntries() {
    m_row = -1;
    const QString filter = entryFilter();
    const FilterTranslation t = translateFilter(filter);
    m_entries->setFilter({filter.isEmpty() || !t.ok() ? kNothing : t.where, {}});
}

int64_t AccountReportController::currentEntryId() const {
    return m_row >= 0 && m_row < m_entries->heldRows() ? m_entries->idAt(m_row) : 0;
}

void AccountReportController::chooseSort(int choice) {
    if (choice < 0 || choice >= kEntrySortChoices) return;
    m_sortFollowsDateKind = false;
    if (EntrySort(choice) == m_sort) return;
    m_sort = EntrySort(choice);
    m_row = -1;
    m_entries->setSort(accountReportSortOrder(m_sort, m_descending));
}

void AccountReportController::toggleSortDirection() {
    m_descending = !m_descending;
    m_row = -1;
    m_entries->setSort(accountReportSortOrder(m_sort, m_descending));
}

QString AccountReportController::sortDirectionIcon() const {
    return m_descending ? QStringLiteral("~down.ico") : QStringLiteral("~up.ico");
}

int AccountReportController::locate(const QString& text) {
    if (dateSortOrder()) return -1;
    const int row = m_entries->locate(text);
    if (row >= 0) m_row = row;
    return row;
}

int AccountReportController::locateDate(const QString& text) {
    if (!dateSortOrder()) return -1;
    const QDate d = QDate::fromString(text.trimmed(), QStringLiteral("dd-MM-yyyy"));
    if (!d.isValid()) return -1;
    const int row = m_entries->locateDate(date::fromQDate(d));
    if (row >= 0) m_row = row;
    return row;
}

std::vector<ledger::PreviewRow> AccountReportController::entryPreview() {
    const int64_t id = currentEntryId();
    if (id == 0) return {};
    return ledger::entryPreview(m_db, {budgetAware("POZ_DOK_VIEW_UNION_EXT", "POZ_DOK_VIEW_UNION_BT_EXT"), m_firm, id, true});
}

std::vector<SummaryLine> AccountReportController::summaryLines() {
    const CashSummary s = summary();
    std::vector<SummaryLine> lines;
    for (const SummaryRow* r : {&s.carriedIn, &s.total, &s.carriedOut}) {
        SummaryLine line{r->label, {}};
        for (const Money& m : {r->obrotyDt, r->saldoDt, r->obrotyCt, r->saldoCt, r->obrotyDtW, r->saldoDtW, r->obrotyCtW, r->saldoCtW})
            line.values << m.toDisplay();
        lines.push_back(std::move(line));
    }
    return lines;
}

void AccountReportController::showDocument() {
    const int64_t id = currentEntryId();
    if (id == 0 || !openDocument) return;
    db::Rows r = m_db.select(QStringLiteral("select id_nag_dok, id_poz_dok, data_okresu from %1 "
                                            "where id_firmy=? AND id_poz_dok=? AND id_dokument_pozycja=?")
                                 .arg(m_entries->query().source),
                             {m_firm, db::EntryRowId{id}.line(), id});
    if (!r.next()) return;
    const ledger::DrillDownEntry entry{r.int64(0), r.int64(1), r.integer(2)};
    if (openDocument(entry)) m_row = m_entries->refresh(m_row);
}

QStringList AccountReportController::entriesMenu() {
    return {QStringLiteral("Podgląd"), QStringLiteral("-"), QStringLiteral("Konfiguracja kolumn"), QStringLiteral("-"),
            QStringLiteral("Eksport do Excela")};
}

QStringList AccountReportController::rangesMenu() { return {QStringLiteral("Dodaj"), QStringLiteral("Usuń")}; }

void AccountReportController::entriesMenuAction(const QString& item) {
    if (entriesMenu().contains(item) && item != QLatin1String("-") && listService) listService(item);
}

std::vector<std::pair<QString, QString>> AccountReportController::fieldPreview() {
    std::vector<std::pair<QString, QString>> out = ledger::rowFields(*m_entries, m_row);
    if (out.empty()) return out;
    const int64_t id = currentEntryId();
    out.emplace_back(QStringLiteral("id_poz_dok"), QString::number(db::EntryRowId{id}.line()));
    out.emplace_back(QStringLiteral("id_dokument_pozycja"), QString::number(id));
    return out;
}

QString AccountReportController::accountName() {
    const AccountRange* r = current();
    if (!r) return {};
    db::PassThrough pt(m_db);
    db::PassResult res = pt.EXECVAX(QStringLiteral("CALL USTAL_NAZWE_KONTA(?,?,?)"), {m_firm, m_year, r->account});
    return res.next() ? res.text(1).trimmed().left(150) : QString();
}

Money AccountReportController::amountAt(int date, int kind) {
    const AccountRange* r = current();
    if (!r) return {};
    const QString kindText = QString::number(kind) + (m_dateKind == DateKind::Posting ? QStringLiteral("1") : QStringLiteral(" "));
    db::PassThrough pt(m_db);
    db::PassResult res = pt.EXECVAX(QStringLiteral("CALL OBLICZ_KWOTY_DLA_RK(?,?,?,?,?,?)"),
                                    {m_firm, m_year, date, r->account, kindText, m_currency.toUpper()});
    if (res.failed()) throw db::DbError(res.error());
    return res.next() ? res.amount(1) : Money();
}

CashSummary AccountReportController::summary() {
    const AccountRange* r = current();
    if (!r) return makeCashSummary({}, {});
    // The amounts are "up to and including" a day: what the range carries in is what
    // stands on the day before it, so that the entries of its first day count in "Razem".
    const int before = r->from - 1;
    const int last = r->singleDay ? r->from : r->to;
    const int kinds = homeCurrency() ? 2 : 4;
    CashAmounts a{}, b{};
    for (int kind = 1; kind <= kinds; ++kind) {
        a[size_t(kind - 1)] = amountAt(before, kind);
        b[size_t(kind - 1)] = amountAt(last, kind);
    }
    return makeCashSummary(a, b);
}

QStringList AccountReportController::descriptionLines() {
    const AccountRange* r = current();
    if (!r) return {};
    const QString suffix = m_dateKind == DateKind::Posting ? QStringLiteral(" wg daty księgowania")
                                                           : QStringLiteral(" wg daty dokumentu");
    QStringList lines;
    lines << QStringLiteral("Konto: ") + r->account + QStringLiteral(" ") + accountName();
    if (r->singleDay)
        lines << QStringLiteral("Na dzień: ") + date::toDisplay(r->from) + suffix;
    else
        lines << QStringLiteral("Zakres: od ") + date::toDisplay(r->from) + QStringLiteral(" do ") + date::toDisplay(r->to) + suffix;
    lines << QStringLiteral("Waluta: ") + (homeCurrency() ? QStringLiteral("PLN") : m_currency.toUpper());
    return lines;
}

std::optional<PrintRequest> AccountReportController::printList() {
    return print(currentEntryId(), int(m_sort) + 1, m_descending);
}

QString AccountReportController::reportTitle(int code) {
    switch (code) {
    case kAccountReport: return QStringLiteral("Raport z konta");
    case kCashReport: return QStringLiteral("Raport kasowy - RK Nr");
    case kBankReport: return QStringLiteral("Raport bankowy");
    default: return {};
    }
}

std::optional<PrintRequest> AccountReportController::print(int64_t currentEntry, int sortChoice, bool descending) {
    if (!current()) return std::nullopt;
    SessionContext& s = session();
    s.CRST_FILTR_INFO = QStringLiteral("KSIEGA_R");
    s.CRST_FILTR_TABELA = QStringLiteral("KSIEGA_R");
    s.CRST_FILTR_ZAPYTANIE = entryFilter();
    s.GGG_DANE_ID_OBIEKTU = currentEntry;
    AccountReportHooks& hooks = accountReportHooks();
    const int code = hooks.chooseStatement(QStringLiteral("KSIEGA_R"));
    const QString title = reportTitle(code);
    if (title.isEmpty()) return std::nullopt;
    s.DANE_NAGLOWEK_WYDRUKU = title;
    if (hooks.choosePrintRange() != 1) return std::nullopt;

    // The figures of the head of the printout, as they stand now.
    const CashSummary figures = summary();
    s.DANE_OPIS_PRN = descriptionLines();

    PrintRequest request;
    request.code = code;
    const char* lead = code == kAccountReport ? "81,0," : code == kCashReport ? "66,0," : "67,0,";
    request.parameters = QString::fromLatin1(lead) + QString::number(sortChoice) + QStringLiteral(",") +
                         QString::number(descending ? 1 : 0) + (homeCurrency() ? QStringLiteral(",0") : QStringLiteral(",1"));
    request.filter = entryFilter();
    request.heading = title;
    const bool pln = homeCurrency();
    request.carriedInDt = pln ? figures.carriedIn.obrotyDt : figures.carriedIn.obrotyDtW;
    request.carriedInCt = pln ? figures.carriedIn.obrotyCt : figures.carriedIn.obrotyCtW;
    hooks.startPrint(request);
    return request;
}

} // namespace ksiega::printouts
