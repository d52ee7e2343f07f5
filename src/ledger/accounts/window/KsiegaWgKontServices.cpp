#include "ledger/accounts/window/KsiegaWgKontServices.h"
#include "ksiega/ksiega.h"
#include "ledger/accounts/DocumentDrillDown.h"
#include "ledger/accounts/window/FieldPreviewDialog.h"
#include "platform/siblings/contractors/ContractorsLibrary.h"
#include "platform/siblings/documents/DocumentsLibrary.h"
#include "platform/ui/columns/ColumnLayout.h"
#include "platform/ui/columns/WindowConfiguration.h"
#include "platform/ui/dialogs/Dialogs.h"
#include "printouts/listing/LedgerListingStart.h"
#include <QFileDialog>
#include <QHeaderView>
#include <QTableView>

namespace ksiega::ledger {

namespace {
constexpr int BROWSER = KsiegaWgKontController::BROWSER_ID;
// The name of the mark column in a stored layout.
const QString MARK_COLUMN = QStringLiteral("flaga");
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
    QTableView* view = entriesView();
    if (!view) return;
    ui::WindowConfiguration config(m_db, m_session.DANE_ID_UZYTKOWNIKA_NR);
    if (const auto layout = ui::ColumnLayout::fromText(config.KONFIGURACJA_OKNA(2, BROWSER, QString())))
        ui::applyLayout(*view->horizontalHeader(), columnNames(), *layout);
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

QStringList KsiegaWgKontServices::columnNames() const {
    ui::PagedListModel& list = m_c.entries().entries();
    QStringList names;
    if (list.hasMarkColumn()) names << MARK_COLUMN;
    for (const ui::ListColumn& column : list.query().columns) names << column.name;
    return names;
}

QTableView* KsiegaWgKontServices::entriesView() const {
    return m_window ? m_window->findChild<QTableView*>(QStringLiteral("LIST1")) : nullptr;
}

void KsiegaWgKontServices::configureColumns() {
    QTableView* view = entriesView();
    if (!view) return;
    ui::PagedListModel& list = m_c.entries().entries();
    ui::WindowConfiguration config(m_db, m_session.DANE_ID_UZYTKOWNIKA_NR);
    QHash<QString, QString> titles;
    for (const ui::ListColumn& column : list.query().columns) titles.insert(column.name, column.title);
    config.setTitles(BROWSER, titles);
    config.KONFIGURACJA_OKNA_PUNKTY(list.hasMarkColumn() ? 1 : 0, BROWSER);
    const QStringList names = columnNames();
    const QString before = ui::captureLayout(*view->horizontalHeader(), names).toText();
    const QString after = config.KONFIGURACJA_OKNA(3, BROWSER, before);
    if (after == before) return;
    if (const auto layout = ui::ColumnLayout::fromText(after)) ui::applyLayout(*view->horizontalHeader(), names, *layout);
}

void KsiegaWgKontServices::exportList() {
    if (!chooseExportFile) return;
    QString path = chooseExportFile();
    if (path.isEmpty()) return;
    if (!path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive)) path += QLatin1String(".xlsx");
    std::unique_ptr<ui::Progress> progress = ui::dialogs().progress(QStringLiteral("Eksport do Excela"));
    m_lastExport = ui::EXPORT2EXCEL(m_c.entries().entries(), path, [&](int percent) {
        progress->setValue(percent);
        return !progress->cancelled();
    });
    progress.reset();
    if (!m_lastExport.error.isEmpty()) ui::dialogs().warning(m_lastExport.error);
}

} // namespace ksiega::ledger
