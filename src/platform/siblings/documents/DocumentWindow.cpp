#include "platform/siblings/documents/DocumentWindow.h"
#include "platform/ui/dialogs/Guarded.h"
#include "platform/ui/dialogs/Dialogs.h"
#include "platform/ui/list/ListViewBinding.h"
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace ksiega::documents {

namespace {

// Shows the lines with the user's unsaved changes in place of the stored values.
class ChangedLinesProxy : public QIdentityProxyModel {
public:
    ChangedLinesProxy(DocumentWindowController& c, QObject* parent) : QIdentityProxyModel(parent), m_c(c) {}
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DisplayRole && index.isValid()) {
            auto& lines = m_c.lines();
            if (auto changed = m_c.changedLine(lines.idAt(index.row()))) {
                const QString column = lines.query().columns.value(index.column() - lines.firstColumn()).name;
                if (column == QLatin1String("opis")) return changed->opis;
                if (column == QLatin1String("kwota_wn")) return changed->kwotaWn.toDisplay();
                if (column == QLatin1String("kwota_ma")) return changed->kwotaMa.toDisplay();
            }
        }
        return QIdentityProxyModel::data(index, role);
    }

private:
    DocumentWindowController& m_c;
};

} // namespace

DocumentWindow::DocumentWindow(DocumentWindowController& controller, QWidget* parent)
    : QDialog(parent), m_controller(controller) {
    setObjectName(QStringLiteral("UP_DOKUMENTY"));
    setWindowTitle(controller.caption());
    auto* layout = new QVBoxLayout(this);

    auto* header = new QWidget(this);
    header->setObjectName(QStringLiteral("NAGLOWEK"));
    auto* grid = new QGridLayout(header);
    const auto fields = controller.headerFields();
    for (int i = 0; i < fields.size(); ++i) {
        auto* value = new QLabel(fields[i].second, header);
        value->setObjectName(QStringLiteral("POLE_%1").arg(i + 1));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(new QLabel(fields[i].first + QLatin1Char(':'), header), i / 3, (i % 3) * 2);
        grid->addWidget(value, i / 3, (i % 3) * 2 + 1);
    }
    layout->addWidget(header);

    m_proxy = new ChangedLinesProxy(controller, this);
    m_proxy->setSourceModel(&controller.lines());
    m_list = new QTableView(this);
    m_list->setObjectName(QStringLiteral("LIST1"));
    m_list->setModel(m_proxy);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->verticalHeader()->hide();
    layout->addWidget(m_list, 1);

    auto* edit = new QWidget(this);
    auto* form = new QFormLayout(edit);
    m_opis = new QLineEdit(edit);
    m_opis->setObjectName(QStringLiteral("OPIS_POZ"));
    m_opis->setMaxLength(DocumentWindowController::OPIS_MAX);
    m_kwotaWn = new QLineEdit(edit);
    m_kwotaWn->setObjectName(QStringLiteral("KWOTA_WN"));
    m_kwotaWn->setAlignment(Qt::AlignRight);
    m_kwotaMa = new QLineEdit(edit);
    m_kwotaMa->setObjectName(QStringLiteral("KWOTA_MA"));
    m_kwotaMa->setAlignment(Qt::AlignRight);
    form->addRow(QStringLiteral("Opis pozycji:"), m_opis);
    form->addRow(QStringLiteral("Kwota Dt:"), m_kwotaWn);
    form->addRow(QStringLiteral("Kwota Ct:"), m_kwotaMa);
    m_apply = new QPushButton(QStringLiteral("&Popraw pozycję"), edit);
    m_apply->setObjectName(QStringLiteral("B_POPRAW_POZ"));
    m_apply->setAutoDefault(false);
    form->addRow(QString(), m_apply);
    edit->setVisible(controller.editable());
    layout->addWidget(edit);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_save = new QPushButton(QStringLiteral("&Zapisz"), this);
    m_save->setObjectName(QStringLiteral("B_ZAPISZ"));
    m_save->setAutoDefault(false);
    m_save->setVisible(controller.editable());
    auto* close = new QPushButton(controller.editable() ? QStringLiteral("&Anuluj") : QStringLiteral("&Zamknij"), this);
    close->setObjectName(QStringLiteral("CLOSE"));
    close->setAutoDefault(false);
    buttons->addWidget(m_save);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(m_apply, &QPushButton::clicked, this, &DocumentWindow::applyLine);
    connect(m_save, &QPushButton::clicked, this, &DocumentWindow::saveAndClose);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this, ui::guarded(this, [this] { showCurrentLine(); }));

    if (controller.lines().rowCount() > 0) m_list->selectRow(controller.initialRow());
    showCurrentLine();
    resize(900, 520);
}

DocumentWindow::~DocumentWindow() = default;

void DocumentWindow::showCurrentLine() {
    const int row = m_list->currentIndex().isValid() ? m_list->currentIndex().row() : -1;
    const bool has = row >= 0 && row < m_controller.lines().heldRows();
    m_apply->setEnabled(has);
    if (!has) {
        m_opis->clear();
        m_kwotaWn->clear();
        m_kwotaMa->clear();
        return;
    }
    const DocumentLine l = m_controller.line(row);
    m_opis->setText(l.opis);
    m_kwotaWn->setText(l.kwotaWn.toDisplay());
    m_kwotaMa->setText(l.kwotaMa.toDisplay());
    m_kwotaWn->setEnabled(!l.kontoWn.isEmpty());
    m_kwotaMa->setEnabled(!l.kontoMa.isEmpty());
}

void DocumentWindow::applyLine() {
    const int row = m_list->currentIndex().row();
    const QString error = m_controller.changeLine(row, m_opis->text(), m_kwotaWn->text(), m_kwotaMa->text());
    if (!error.isEmpty()) {
        ui::dialogs().warning(error);
        showCurrentLine();
        return;
    }
    const QModelIndex first = m_proxy->index(row, 0), last = m_proxy->index(row, m_proxy->columnCount() - 1);
    emit m_proxy->dataChanged(first, last);
}

void DocumentWindow::saveAndClose() {
    const QString error = m_controller.save();
    if (!error.isEmpty()) {
        ui::dialogs().warning(error);
        return;
    }
    accept();
}

void DocumentWindow::done(int result) {
    // "Anuluj", Esc and the close box leave unsaved changes behind.
    m_controller.close();
    QDialog::done(result);
}

} // namespace ksiega::documents
