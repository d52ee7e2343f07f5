#include "ledger/accounts/LedgerEntriesController.h"
#include "platform/db/LineCopies.h"
#include "entries/views/EntryViews.h"
#include "ledger/accounts/EntriesListModel.h"
#include "ledger/accounts/EntryListColumns.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/FilterExpression.h"

namespace ksiega::ledger {

namespace {

bool spansTwoCalendarYears(const SessionContext& s) {
    return s.DANE_POCZATEK_ROKU && s.DANE_KONIEC_ROKU && date::year(s.DANE_POCZATEK_ROKU) != date::year(s.DANE_KONIEC_ROKU);
}

entries::EntryBrowserConfig browserConfig(const SessionContext& session) {
    entries::EntryBrowserConfig config;
    config.listView = config.sumView = entries::entryViewName(session.DANE_CZY_WERSJA_BUDZET != 0);
    config.columns = entryListColumns();
    config.sort = entrySortOrder(1);
    config.browser = LedgerEntriesController::BROWSER_ID;
    config.oneYear = true;
    const bool twoYears = spansTwoCalendarYears(session);
    config.makeModel = [twoYears](db::Database& db, ui::ListQuery q) {
        return std::make_unique<EntriesListModel>(db, std::move(q), twoYears);
    };
    return config;
}

} // namespace

LedgerEntriesController::LedgerEntriesController(db::Database& db, const SessionContext& session)
    : m_db(db), m_session(session), m_browser(db, session, browserConfig(session)),
      m_currency(CurrencyCode::of(session.activeCurrency())), m_periods(db) {}

LedgerEntriesController::~LedgerEntriesController() = default;

bool LedgerEntriesController::twoCalendarYears() const { return spansTwoCalendarYears(m_session); }

const EntriesListModel& LedgerEntriesController::model() const {
    return static_cast<const EntriesListModel&>(m_browser.list());
}

// ---- state ----

void LedgerEntriesController::setAccount(const QString& account, bool whole) {
    m_account = account.trimmed();
    m_whole = whole;
}

void LedgerEntriesController::setCurrency(const QString& currency) { m_currency = CurrencyCode::of(currency); }

marks::StoreOutcome LedgerEntriesController::setShowMarked(bool on, const marks::StoreProgress& progress) {
    if (!on || m_showMarked) {
        m_showMarked = on;
        return {};
    }
    const marks::StoreOutcome out = storeMarks(progress);
    if (out.ok) m_showMarked = true;
    return out;
}

void LedgerEntriesController::setViewMode(int mode) { m_viewMode = mode == 1 ? 1 : 0; }

// ---- the filter ----

QString LedgerEntriesController::rebuild(bool keepMarks) {
    m_warning.clear();
    if (m_viewMode == 1) {
        m_browser.clear(keepMarks);
        m_periods.rebuild({m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE, m_session.DANE_POCZATEK_ROKU,
                           m_session.DANE_KONIEC_ROKU, m_currency.symbol(), m_account, m_whole, m_session.customerVariant});
        return m_warning;
    }

    EntriesFilterInput in;
    in.account = m_account;
    in.wholeAccount = m_whole;
    in.oneSynthetic = !m_whole && !m_account.isEmpty() && db::prefixIsOneSynthetic(m_db, m_session.DANE_LATA_OBROTOWE, m_account);
    in.currency = m_currency.symbol();
    in.customerVariant = m_session.customerVariant;
    in.savedFilter = m_filters.savedInForce();
    in.showMarked = m_showMarked;
    in.userNumber = m_session.DANE_ID_UZYTKOWNIKA_NR;
    in.fiscalYear = m_session.DANE_LATA_OBROTOWE;
    in.quickFilterOn = m_filters.quickOn();
    in.quickFilter = m_filters.quickInForce();
    in.viewName = viewName();
    // The texts a person wrote are read alone first, so that a refusal points into them.
    m_ownFilterError.clear();
    for (const QString& own : {in.quickFilterOn ? in.quickFilter : QString(), in.savedFilter}) {
        const FilterTranslation t = translateFilter(own);
        if (!t.ok() && m_ownFilterError.isEmpty()) m_ownFilterError = t.error;
    }
    const EntriesFilter filter = buildEntriesFilter(in);
    if (filter.tooLong) m_warning = QString::fromUtf8(kFilterTooLongText);
    m_browser.applyFilter({filter.filter, filter.rawFilter}, keepMarks);
    if (m_summaryShown) computeTotals();
    return m_warning;
}

// ---- rows ----

EntryRowValues LedgerEntriesController::rowValues(int row) const {
    const ui::PagedListModel& list = m_browser.list();
    auto money = [&](const char* column) { return Money::fromMinor(list.valueAt(row, QString::fromLatin1(column)).toInt64()); };
    return {money("kwota_wn"), money("kwota_ma"), money("kwota_wn_w"), money("kwota_ma_w"), model().periodLabel(row)};
}

// ---- sort ----

void LedgerEntriesController::setSortOrder(int number) {
    m_sortNumber = (number >= 1 && number <= kEntrySortOrders) ? number : 1;
    applySort();
}

void LedgerEntriesController::toggleDirection() {
    m_sortNumber = entrySortToggled(m_sortNumber);
    applySort();
}

bool LedgerEntriesController::descending() const { return entrySortDescending(m_sortNumber); }

void LedgerEntriesController::applySort() { m_browser.setSort(entrySortOrder(m_sortNumber)); }

// ---- marks ----

marks::StoreOutcome LedgerEntriesController::storeMarks(const marks::StoreProgress& progress) {
    QString rows = m_browser.filter();
    if (m_browser.listsNothing())
        rows = QStringLiteral("PDU:id_lata_obrot=%1 AND PDU:konto='%2'").arg(m_session.DANE_LATA_OBROTOWE).arg(QLatin1String(kNoAccount));
    return m_browser.storeMarks(rows, progress);
}

} // namespace ksiega::ledger
