#include "ledger/accounts/window/KsiegaWgKontServices.h"
#include "ksiega/ksiega.h"
#include "ledger/accounts/DocumentDrillDown.h"
#include "ledger/accounts/window/FieldPreviewDialog.h"
#include "ledger/shared/ListServices.h"
#include "platform/siblings/contractors/ContractorsLibrary.h"
#include "platform/siblings/documents/DocumentsLibrary.h"
#include "platform/ui/dialogs/Dialogs.h"
#include "printouts/listing/LedgerListingStart.h"
#include <QFileDialog>
#include <QTableView>

namespace ksiega::ledger {

namespace {
constexpr int BROWSER = KsiegaWgKontController::BROWSER_ID;
} // namespace

KsiegaWgKontServices::KsiegaWgKontServices(KsiegaWgKontController& c, db::Database& db, SessionContext& session)
    : m_c(c), m_db(db), m_session(session) {
    chooseExportFile = [this] {
        return QFileDialog::getSaveFileName(m_window, QStringLiteral("Eksport do Excela"), QString(),
                                            QStringLiteral("Excel (*.xlsx)"));
    };
    showFields = [this](const std::vector<std::pair<QString, QString>>& fields) {
        FieldPreviewDialog dialog(fields, m_window);
        dialog.exec();
    };

    c.quickFilter = [](const QString& mode) { return KSIEGA_O_SZYBKI_FILTR(mode); };
    c.openDocument = [this](const CurrentEntry& e) {
        DocumentDrillDown drill(m_db, m_session, ui::dialogs(), documents::documentsLibrary());
        return drill.open({e.idNagDok, e.idPozDok, e.dataOkresu}, m_window);
    };
    c.chooseSavedFilter = [this] { return chooseSaved(); };
    c.saveFilter = [this](const QString& expression) { saveQuickFilter(expression); };
    c.contractorContacts = [this](const CurrentEntry& e) { contacts(e); };
    c.listService = [this](const QString& item) { service(item); };
    c.chooseStatement = [this](const QString& set) { return printouts::chooseStatement(set, m_window); };
    c.askPrintRange = [this] { return printouts::askPrintRange(m_session, m_window); };
    c.startPrint = [this](const LedgerPrintJob& j) {
        ledgerprint::ListingJob job = printouts::sessionListingJob(m_session, j.parameters, j.filter, j.header);
        job.currency = m_c.currency();
        printouts::startLedgerListing(std::move(job));
    };
    c.startAccountLedger = [] { printouts::startAccountLedgerPrintout(QStringLiteral("0")); };
}

void KsiegaWgKontServices::attach(QWidget* window) {
    m_window = window;
    if (QTableView* view = entriesView())
        applyStoredColumns({*view, m_c.entries().entries(), BROWSER, m_session.DANE_ID_UZYTKOWNIKA_NR});
}

std::optional<SavedFilterChoice> KsiegaWgKontServices::chooseSaved() {
    contractors::ContractorsLibrary& library = contractors::contractorsLibrary();
    const contractors::ContractorCaller caller{m_db, m_session.DANE_ID_FIRMY, m_session.DANE_ID_UZYTKOWNIKA_NR, m_window};
    const QString name = library.FILTR_LISTA(caller, BROWSER).trimmed();
    if (name.isEmpty()) return std::nullopt;
    // A filter removed meanwhile has no expression: the list stays as it is.
    const QString expression = library.GET_FILTR_LISTA(caller, BROWSER, name).trimmed();
    if (expression.isEmpty()) return std::nullopt;
    return SavedFilterChoice{name, expression.left(3000)};
}

void KsiegaWgKontServices::saveQuickFilter(const QString& expression) {
    if (expression.trimmed().isEmpty()) return;
    const contractors::ContractorCaller caller{m_db, m_session.DANE_ID_FIRMY, m_session.DANE_ID_UZYTKOWNIKA_NR, m_window};
    contractors::contractorsLibrary().UP_FILTR_LISTA_STR(caller, BROWSER, expression);
}

void KsiegaWgKontServices::contacts(const CurrentEntry& entry) {
    const int64_t contractor =
        m_db.scalarInt(QStringLiteral("select id_kontrahenta from NAG_DOK where id_nag_dok=?"), {entry.idNagDok}).value_or(0);
    const contractors::ContractorCaller caller{m_db, m_session.DANE_ID_FIRMY, m_session.DANE_ID_UZYTKOWNIKA_NR, m_window};
    contractors::contractorsLibrary().KONTAKTY_KONTRAHENTA(caller, contractor);
}

void KsiegaWgKontServices::service(const QString& item) {
    if (item == QStringLiteral("Podgląd pól")) {
        const auto fields = m_c.fieldPreview();
        if (!fields.empty() && showFields) showFields(fields);
    } else if (item == QLatin1String("Konfiguracja kolumn")) {
        configureColumns();
    } else if (item == QLatin1String("Eksport do Excela")) {
        exportList();
    }
}

QTableView* KsiegaWgKontServices::entriesView() const {
    return m_window ? m_window->findChild<QTableView*>(QStringLiteral("LIST1")) : nullptr;
}

void KsiegaWgKontServices::configureColumns() {
    if (QTableView* view = entriesView())
        ledger::configureColumns({*view, m_c.entries().entries(), BROWSER, m_session.DANE_ID_UZYTKOWNIKA_NR});
}

void KsiegaWgKontServices::exportList() {
    if (!chooseExportFile) return;
    const QString path = chooseExportFile();
    if (path.isEmpty()) return;
    m_lastExport = ledger::exportList(m_c.entries().entries(), path);
}

} // namespace ksiega::ledger
