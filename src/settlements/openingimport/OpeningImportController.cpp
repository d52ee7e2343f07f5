#include "settlements/openingimport/OpeningImportController.h"
#include "ksiega/ksiega.h"
#include "platform/db/DbError.h"
#include "platform/db/SqlText.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/FilterExpression.h"
#include "platform/server/Accounts.h"
#include "platform/server/Turnovers.h"
#include "platform/server/settlements/OpeningBalanceImport.h"
#include "platform/ui/dialogs/Dialogs.h"
#include "settlements/openingimport/OpeningImportTexts.h"
#include "settlements/openingimport/SettlementQuickFilter.h"
#include <QDate>

namespace ksiega::settlements {

using ui::ColumnKind;

namespace {

struct SortChoice {
    const char* column;
    const char* name;
};

// The keys of the list, each also descending.
constexpr SortChoice kSorts[] = {
    {"nazwa_konta", "Nazwa konta"},   {"nr_konta", "Nr konta"},         {"symbol", "Symbol"},
    {"termin_platnosci", "Termin płatności"}, {"data_dok_org", "Data dok."}, {"nr_dok_org", "Nr dok."},
    {"opis", "Opis"},
};

ui::ListColumns settlementColumns() {
    return {
        {QStringLiteral("nazwa_konta"), QStringLiteral("Nazwa"), ColumnKind::Text, 30},
        {QStringLiteral("symbol"), QStringLiteral("Symbol"), ColumnKind::Text, 15},
        {QStringLiteral("typ"), QStringLiteral("Typ"), ColumnKind::Text, 3},
        {QStringLiteral("kwota_wn"), QStringLiteral("Kwota Dt"), ColumnKind::Money, 14},
        {QStringLiteral("pozostalo_wn"), QStringLiteral("Saldo Dt"), ColumnKind::Money, 14},
        {QStringLiteral("kwota_ma"), QStringLiteral("Kwota Ct"), ColumnKind::Money, 14},
        {QStringLiteral("pozostalo_ma"), QStringLiteral("Saldo Ct"), ColumnKind::Money, 14},
        {QStringLiteral("sym_waluty"), QStringLiteral("Waluta"), ColumnKind::Text, 5},
        {QStringLiteral("kwota_wn_w"), QStringLiteral("Kwota Dt /wal./"), ColumnKind::Money, 14},
        {QStringLiteral("pozostalo_wn_w"), QStringLiteral("Saldo Dt /wal./"), ColumnKind::Money, 14},
        {QStringLiteral("kwota_ma_w"), QStringLiteral("Kwota Ct /wal./"), ColumnKind::Money, 14},
        {QStringLiteral("pozostalo_ma_w"), QStringLiteral("Saldo Ct /wal./"), ColumnKind::Money, 14},
        {QStringLiteral("nr_dok_org"), QStringLiteral("Nr dok."), ColumnKind::Text, 15},
        {QStringLiteral("data_dok_org"), QStringLiteral("Data dok."), ColumnKind::Date, 10},
        {QStringLiteral("opis"), QStringLiteral("Opis"), ColumnKind::Text, 25},
    };
}

ui::SortOrder sortOrder(int index, bool descending) {
    const SortChoice& s = kSorts[index];
    ui::SortOrder order = ui::SortOrder::ascending(QString::fromUtf8(s.name), {QString::fromUtf8(s.column)});
    return descending ? order.reversed() : order;
}

} // namespace

OpeningImportController::OpeningImportController(db::Database& db, SessionContext& session, entries::WindowServices& services)
    : importWizard(&IMPORT_ROZRACHUNKOW), accountFilterWindow(&FILTR), m_db(db), m_session(session), m_services(services),
      m_tree(db, session) {
    entries::EntryBrowserConfig config;
    config.listView = LIST_VIEW;
    config.sumView = SUM_VIEW;
    config.columns = settlementColumns();
    config.sort = sortOrder(0, false);
    config.browser = BROWSER_ID;
    config.idColumn = QStringLiteral("id_rozrachunku");
    m_browser = std::make_unique<entries::EntryBrowser>(db, session, std::move(config));
}

OpeningImportController::~OpeningImportController() {
    try {
        close();
    } catch (...) {
        // A failure on the way out has been shown; the flag is released regardless.
        if (m_holder) m_session.DANE_FLAGA_OKNO_Z_BLOKADA_ROZRACHUNKOW = 0;
    }
}

void OpeningImportController::open() {
    m_tree.rebuild();
    rebuildList();
}

void OpeningImportController::close() {
    if (m_closed) return;
    m_closed = true;
    if (m_postponed) {
        ui::dialogs().information(texts::UPDATE_ON_CLOSE);
        m_postponed = false;
        runUpdate();
    }
    if (m_holder) {
        m_holder = false;
        m_session.DANE_FLAGA_OKNO_Z_BLOKADA_ROZRACHUNKOW = 0;
    }
}

// ---- the account ----

void OpeningImportController::chooseAccount(const QString& account) {
    const std::optional<SettlementAccount> node = m_tree.node(account);
    m_account = node.value_or(SettlementAccount{});
    m_accountName.clear();
    if (node) {
        try {
            m_accountName = server::USTAL_NAZWE_KONTA(m_db, m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE, account)
                                .value_or(QString())
                                .trimmed();
        } catch (const db::DbError& e) {
            ui::dialogs().warning(e.message());
        }
    }
    rebuildList();
    if (node && node->onCards &&
        ui::dialogs().question(texts::CARDS_QUESTION, ui::BUTTONS_TAK_NIE, 1, ui::TITLE_PYTANIE) == 1) {
        if (m_tree.showCards(account).isEmpty()) ui::dialogs().information(texts::NO_CARD_ENTRIES);
    }
}

void OpeningImportController::runAccountFilter() {
    if (accountFilterWindow && accountFilterWindow() == 1) {
        m_tree.rebuild();
        if (!m_tree.contains(m_account.account)) {
            m_account = {};
            m_accountName.clear();
            rebuildList();
        }
    }
}

// ---- the list ----

QString OpeningImportController::listFilter() const {
    FilterBuilder f;
    f.add(QStringLiteral("RNVA:ID_LATA_OBROT=%1").arg(m_session.DANE_LATA_OBROTOWE));
    // Only the opening balance's settlements, with an account chosen or not: what "Usuń"
    // may take out is what the list shows.
    f.add(QStringLiteral("RNVA:CZY_BO=1"));
    if (!m_account.account.isEmpty()) {
        // The account and every account below it ("201-01" does not take in "201-010").
        f.add(sqlPiece(QStringLiteral("nr_konta=%1 OR nr_konta like %2")
                           .arg(db::quoted(m_account.account), db::quoted(m_account.account + QStringLiteral("-%")))));
    }
    f.add(m_quickTranslated);
    f.add(QStringLiteral("RNVA:ID_FIRMY=%1").arg(m_session.DANE_ID_FIRMY));
    return f.text();
}

void OpeningImportController::rebuildList(bool keepMarks) {
    const QString filter = listFilter();
    m_browser->applyFilter({filter, WYTNIJ_PREFIX(filter)}, keepMarks);
}

int64_t OpeningImportController::currentId() const {
    const int row = m_browser->currentRow();
    if (row < 0 || row >= m_browser->list().heldRows()) return 0;
    return m_browser->list().idAt(row);
}

void OpeningImportController::runQuickFilter() {
    m_quick = m_services.quickFilter(QStringLiteral("2"));
    const SettlementQuickFilter t = translateQuickFilter(m_db, m_session, m_quick, SUM_VIEW);
    m_quickTranslated = t.expression;
    m_quickDropped = t.dropped;
    rebuildList();
}

QString OpeningImportController::quickFilterIcon() const {
    return m_quick.isEmpty() ? QStringLiteral("~filtr.ico") : QStringLiteral("~filtr_on.ico");
}

QStringList OpeningImportController::sortNames() {
    QStringList out;
    for (const SortChoice& s : kSorts) out << QString::fromUtf8(s.name);
    return out;
}

void OpeningImportController::chooseSort(int index) {
    if (index < 0 || index >= int(std::size(kSorts))) return;
    m_sort = index;
    m_browser->setSort(sortOrder(m_sort, m_descending));
}

void OpeningImportController::toggleSortDirection() {
    m_descending = !m_descending;
    m_browser->setSort(sortOrder(m_sort, m_descending));
}

bool OpeningImportController::dateSortOrder() const {
    const QString column = QString::fromUtf8(kSorts[m_sort].column);
    return column == QLatin1String("termin_platnosci") || column == QLatin1String("data_dok_org");
}

int OpeningImportController::locate(const QString& text) {
    const int row = m_browser->list().locate(text);
    if (row >= 0) m_browser->setCurrentRow(row);
    return row;
}

int OpeningImportController::locateDate(const QString& text) {
    if (!dateSortOrder()) return -1;
    const QDate d = QDate::fromString(text.trimmed(), QStringLiteral("dd-MM-yyyy"));
    if (!d.isValid()) return -1;
    const int row = m_browser->list().locateDate(date::fromQDate(d));
    if (row >= 0) m_browser->setCurrentRow(row);
    return row;
}

// ---- "Podsumowanie" ----

std::vector<entries::SummaryRow> OpeningImportController::summaryRows() {
    Money dt, ct, saldoDt, saldoCt;
    const FilterTranslation t = translateFilter(m_browser->rawFilter());
    if (t.ok() && !m_browser->listsNothing()) {
        try {
            db::Rows r = m_db.select(QStringLiteral("select coalesce(sum(kwota_wn),0), coalesce(sum(kwota_ma),0), "
                                                    "coalesce(sum(pozostalo_wn),0), coalesce(sum(pozostalo_ma),0) from %1 where %2")
                                         .arg(SUM_VIEW, t.where));
            if (r.next()) {
                dt = r.money(0);
                ct = r.money(1);
                saldoDt = r.money(2);
                saldoCt = r.money(3);
            }
        } catch (const db::DbError& e) {
            ui::dialogs().warning(e.message());
        }
    }
    const entries::EntryFigures& marked = m_browser->summary().marked();
    return {
        {entries::SummaryValue::ofAmount(texts::SUM_KWOTA_DT, dt), entries::SummaryValue::ofAmount(texts::SUM_KWOTA_CT, ct)},
        {entries::SummaryValue::ofAmount(texts::SUM_SALDO_DT, saldoDt), entries::SummaryValue::ofAmount(texts::SUM_SALDO_CT, saldoCt)},
        {entries::SummaryValue::ofAmount(texts::SUM_MARKED_DT, marked.dt), entries::SummaryValue::ofAmount(texts::SUM_MARKED_CT, marked.ct)},
    };
}

// ---- popup ----

QStringList OpeningImportController::popupMenu() {
    return {texts::POPUP_FIELDS, QStringLiteral("-"), texts::POPUP_MARK_ALL, texts::POPUP_UNMARK_ALL, texts::POPUP_INVERT,
            QStringLiteral("-"), texts::POPUP_COLUMNS, texts::POPUP_EXPORT};
}

bool OpeningImportController::markingEnabled() const { return m_browser->list().rowCount() > 0; }

void OpeningImportController::popupAction(const QString& item) {
    const bool marking = item == texts::POPUP_MARK_ALL || item == texts::POPUP_UNMARK_ALL || item == texts::POPUP_INVERT;
    if (marking && !markingEnabled()) return;
    m_browser->popupAction(item, m_services);
}

// ---- the settlement flag and the turnover update ----

bool OpeningImportController::takeLock() {
    if (m_session.DANE_FLAGA_OKNO_Z_BLOKADA_ROZRACHUNKOW == 1 && !m_holder) {
        ui::dialogs().information(texts::LOCK_HELD);
        return false;
    }
    m_session.DANE_FLAGA_OKNO_Z_BLOKADA_ROZRACHUNKOW = 1;
    m_holder = true;
    return true;
}

void OpeningImportController::afterChange() {
    if (m_postponed) return;
    if (ui::dialogs().question(texts::UPDATE_NOW, ui::BUTTONS_TAK_NIE, 1, ui::TITLE_PYTANIE) == 1) runUpdate();
    else m_postponed = true;
}

void OpeningImportController::runUpdate() {
    const int start = m_session.DANE_POCZATEK_ROKU;
    const int openingDate = date::fromYmd(date::year(start), date::month(start), 1);
    ui::dialogs().beginBusy();
    try {
        server::UZUPELNIJ_OBROTY_Z_DOKUMENTOW(m_db, m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE, openingDate);
        ui::dialogs().endBusy();
    } catch (const db::DbError& e) {
        ui::dialogs().endBusy();
        ui::dialogs().information(e.message(), ui::TITLE_INFORMACJA);
    }
}

// ---- "Dodaj" ----

void OpeningImportController::add() {
    if (!takeLock()) return;
    if (m_account.account.isEmpty()) {
        ui::dialogs().warning(texts::CHOOSE_ACCOUNT);
        return;
    }
    if (!m_account.lastLevel && !m_account.onCards) {
        ui::dialogs().warning(texts::CHOOSE_LAST_LEVEL);
        return;
    }
    if (m_accountName.isEmpty()) {
        try {
            m_accountName = server::USTAL_NAZWE_KONTA(m_db, m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE,
                                                      m_account.account)
                                .value_or(QString())
                                .trimmed();
        } catch (const db::DbError& e) {
            ui::dialogs().warning(e.message());
        }
    }
    const QString title = m_account.account + QChar(' ') + m_accountName;
    const uint8_t done = importWizard(title, m_account.cardSymbol, m_account.onCards ? QStringLiteral("1") : QStringLiteral("0"),
                                      m_account.account, uint8_t(m_account.importOption));
    if (done == 0) return;
    rebuildList();
    afterChange();
}

// ---- "Usuń" ----

bool OpeningImportController::storeCurrentForRemoval() {
    const int64_t id = currentId();
    if (id == 0) return false;
    try {
        db::Transaction tx(m_db);
        m_db.execute(QStringLiteral("delete from ZAZNACZENIE where id_uzytkownika=? AND id_browsera=?"),
                     {m_session.DANE_ID_UZYTKOWNIKA_NR, BROWSER_ID});
        m_db.execute(QStringLiteral("insert into ZAZNACZENIE (id_browsera, id_uzytkownika, id_elementu) values(?,?,?)"),
                     {BROWSER_ID, m_session.DANE_ID_UZYTKOWNIKA_NR, id});
        tx.commit();
    } catch (const db::DbError& e) {
        ui::dialogs().warning(e.message());
        return false;
    }
    return true;
}

void OpeningImportController::remove() {
    if (!takeLock()) return;
    const marks::MarksList& marks = m_browser->marks();
    const bool anyMarked = marks.allMarked() || !marks.markedIds().empty();
    if (!anyMarked && currentId() == 0) return;   // nothing chosen
    if (ui::dialogs().question(anyMarked ? texts::REMOVE_MARKED : texts::REMOVE_CURRENT, ui::BUTTONS_TAK_NIE, 1,
                               ui::TITLE_PYTANIE) != 1)
        return;
    if (anyMarked ? !m_browser->storeMarksOrWarn(m_browser->filter()) : !storeCurrentForRemoval()) return;

    try {
        const auto own = m_db.scalarInt(QStringLiteral("select czy_tovarix from FIRMA where id_firmy=?"), {m_session.DANE_ID_FIRMY});
        if (own.value_or(0) == 1) {
            const bool ownOnes =
                m_db.scalarInt(QStringLiteral("select count(*) from ZAZNACZENIE z inner join ROZRACHUNEK_BILANTOR_V r on "
                                              "r.id_rozrachunku=z.id_elementu where z.id_uzytkownika=? AND z.id_browsera=? "
                                              "AND coalesce(r.id_nag_dok_m,0)=0"),
                               {m_session.DANE_ID_UZYTKOWNIKA_NR, BROWSER_ID})
                    .value_or(0) > 0;
            if (ownOnes && ui::dialogs().question(texts::REMOVE_OWN_TOO, ui::BUTTONS_TAK_NIE, 1, ui::TITLE_PYTANIE) != 1) return;
        }
    } catch (const db::DbError& e) {
        ui::dialogs().warning(e.message());
        return;
    }

    int removed = 0;
    try {
        removed = server::TG_BO_IMPORT_UNDO(m_db, m_session.DANE_ID_FIRMY, m_session.DANE_ID_UZYTKOWNIKA_NR);
    } catch (const db::DbError& e) {
        ui::dialogs().warning(e.message());
    }
    rebuildList();
    if (removed > 0) afterChange();
}

} // namespace ksiega::settlements
