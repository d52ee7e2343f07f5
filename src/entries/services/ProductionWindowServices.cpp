#include "entries/services/ProductionWindowServices.h"
#include "entries/lists/ListServices.h"
#include "entries/print/LedgerListingStart.h"
#include "platform/siblings/contractors/ContractorsLibrary.h"
#include "platform/siblings/documents/DocumentsLibrary.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <QTableView>
#include <stdexcept>

namespace ksiega::entries {

ProductionWindowServices::ProductionWindowServices(db::Database& db, SessionContext& session,
                                                   QuickFilterProcedure quickFilter)
    : m_db(db), m_session(session), m_quickFilter(std::move(quickFilter)) {
    if (!m_quickFilter) throw std::logic_error("window services: no quick-filter procedure");
}

void ProductionWindowServices::attach(QWidget* window, const std::vector<WindowList>& lists) {
    m_window = window;
    for (const WindowList& list : lists) {
        QTableView* view = viewOf(list);
        if (!view) throw std::logic_error("window services: the window has no list " + list.objectName.toStdString());
        applyStoredColumns({*view, *list.model, list.browser, m_session.DANE_ID_UZYTKOWNIKA_NR});
    }
}

QTableView* ProductionWindowServices::viewOf(const WindowList& list) const {
    if (!m_window || !list.model) return nullptr;
    return m_window->findChild<QTableView*>(list.objectName);
}

QString ProductionWindowServices::quickFilter(const QString& mode) { return m_quickFilter(mode); }

std::optional<SavedFilter> ProductionWindowServices::chooseSavedFilter(int browser) {
    contractors::ContractorsLibrary& library = contractors::contractorsLibrary();
    const contractors::ContractorCaller caller{m_db, m_session.DANE_ID_FIRMY, m_session.DANE_ID_UZYTKOWNIKA_NR, m_window};
    const QString name = library.FILTR_LISTA(caller, browser).trimmed();
    if (name.isEmpty()) return std::nullopt;
    // A filter removed meanwhile has no expression: the list stays as it is.
    const QString expression = library.GET_FILTR_LISTA(caller, browser, name).trimmed();
    if (expression.isEmpty()) return std::nullopt;
    return SavedFilter{name, expression};
}

void ProductionWindowServices::saveFilter(int browser, const QString& expression) {
    if (expression.trimmed().isEmpty()) return;
    const contractors::ContractorCaller caller{m_db, m_session.DANE_ID_FIRMY, m_session.DANE_ID_UZYTKOWNIKA_NR, m_window};
    contractors::contractorsLibrary().UP_FILTR_LISTA_STR(caller, browser, expression);
}

void ProductionWindowServices::configureColumns(const WindowList& list) {
    if (QTableView* view = viewOf(list))
        entries::configureColumns({*view, *list.model, list.browser, m_session.DANE_ID_UZYTKOWNIKA_NR});
}

void ProductionWindowServices::exportList(const WindowList& list) {
    if (!list.model) return;
    const QString path = ui::dialogs().saveFileName(QStringLiteral("Eksport do Excela"), QStringLiteral("Excel (*.xlsx)"));
    if (path.isEmpty()) return;
    m_lastExport = entries::exportList(*list.model, path);
}

void ProductionWindowServices::showFields(const FieldList& fields) { ui::dialogs().fieldPreview(fields); }

void ProductionWindowServices::contractorContacts(int64_t idNagDok) {
    const int64_t contractor =
        m_db.scalarInt(QStringLiteral("select id_kontrahenta from NAG_DOK where id_firmy=? AND id_nag_dok=?"),
                       {m_session.DANE_ID_FIRMY, idNagDok})
            .value_or(0);
    const contractors::ContractorCaller caller{m_db, m_session.DANE_ID_FIRMY, m_session.DANE_ID_UZYTKOWNIKA_NR, m_window};
    contractors::contractorsLibrary().KONTAKTY_KONTRAHENTA(caller, contractor);
}

bool ProductionWindowServices::openDocument(const DrillDownEntry& entry) {
    DocumentDrillDown drill(m_db, m_session, ui::dialogs(), documents::documentsLibrary());
    return drill.open(entry, m_window);
}

int ProductionWindowServices::chooseStatement(const QString& set) { return entries::chooseStatement(set, m_window); }

bool ProductionWindowServices::askPrintRange() { return entries::askPrintRange(m_session, m_window); }

void ProductionWindowServices::startListing(const LedgerPrintJob& j, const CurrencyCode& currency) {
    ledgerprint::ListingJob job = sessionListingJob(m_session, j.parameters, j.filter, j.header);
    job.currency = currency.symbol();
    job.broughtForward = {j.broughtForwardDt, j.broughtForwardCt};
    startLedgerListing(std::move(job));
}

void ProductionWindowServices::startAccountLedger() { startAccountLedgerPrintout(QStringLiteral("0")); }

} // namespace ksiega::entries
