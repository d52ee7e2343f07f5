#include "ledger/periods/KsiegaWgOkresowWindow.h"
#include "entries/view/PreviewSheet.h"
#include "platform/ui/controls/PopupMenu.h"
#include "platform/ui/controls/WindowControls.h"
#include "platform/ui/dialogs/Guarded.h"
#include "platform/ui/icons/IconSet.h"
#include "platform/ui/list/ListViewBinding.h"
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace ksiega::ledger {

using ui::checkBox;
using ui::listView;
using ui::toolButton;

KsiegaWgOkresowWindow::KsiegaWgOkresowWindow(KsiegaWgOkresowController& controller, QWidget* parent)
    : QDialog(parent), m_c(controller) {
    setObjectName(QStringLiteral("KSIEGA_WG_OKRESOW"));
    setWindowTitle(KsiegaWgOkresowController::CAPTION);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    build();
    bindKeys();
    resize(1200, 760);
    sync();
}

KsiegaWgOkresowWindow::~KsiegaWgOkresowWindow() = default;

void KsiegaWgOkresowWindow::build() {
    m_periods = new QListWidget(this);
    m_periods->setObjectName(QStringLiteral("LIST2"));
    for (const PeriodListRow& p : m_c.periods()) m_periods->addItem(p.name);
    m_periods->setMaximumWidth(180);

    auto* right = new QWidget(this);
    auto* layout = new QVBoxLayout(right);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* tools = new QHBoxLayout;
    m_currency = new QComboBox(right);
    m_currency->setObjectName(QStringLiteral("WAL:SYM_WALUTY"));
    m_currency->setToolTip(QStringLiteral("Wybór waluty (F9)"));
    m_currency->addItems(m_c.currencies());
    m_sort = new QComboBox(right);
    m_sort->setObjectName(QStringLiteral("LIST3"));
    m_sort->setToolTip(QStringLiteral("Sortuj wg... (F6)"));
    m_direction = toolButton(right, "B_ROS_MAL", QStringLiteral("Sortuj rosnąco/malejąco (Ctrl+F6)"), QStringLiteral("~up.ico"));
    m_quick = toolButton(right, "SZYBKI_FILTR", QStringLiteral("Filtr (F8)"), QStringLiteral("~filtr.ico"));
    m_savedList = toolButton(right, "B_FILTR", QStringLiteral("Lista filtrów (Ctrl+F7)"));
    m_savedName = new QLineEdit(right);
    m_savedName->setObjectName(QStringLiteral("FL:NAZWA"));
    m_savedName->setToolTip(QStringLiteral("Aktywny filtr (F7)"));
    m_savedName->setReadOnly(true);
    m_saveFilter = toolButton(right, "B_FILTR_ZAPISZ", QStringLiteral("Zapisz filtr (Alt+F8)"));
    auto* refresh = toolButton(right, "B_ODSWIEZ", QStringLiteral("Odśwież (F5)"));
    m_showMarked = checkBox(right, "POKAZ_ZAZNACZONE", QStringLiteral("Pokaż zaznaczone (Shift + F5)"), QStringLiteral("Zaznaczone"));
    m_showNames = checkBox(right, "POKAZ_NAZWE_KONTA", QStringLiteral("Ukryj/pokaż nazwy kont (Ctrl+N)"), QStringLiteral("Nazwy kont"));
    m_viewMode = checkBox(right, "CZY_POZYCJE_NAGLOWKI_O", QStringLiteral("Zmień widok (Ctrl+W)"), QStringLiteral("Obroty"));
    m_previews = checkBox(right, "CZY_POKAZ_ZAKLADKE_O", QStringLiteral("Ukryj/pokaż podglądy (Ctrl+P)"), QStringLiteral("Podglądy"));
    for (QWidget* w : std::initializer_list<QWidget*>{m_currency, m_sort, m_direction, m_quick, m_savedList, m_savedName,
                                                      m_saveFilter, refresh, m_showMarked, m_showNames, m_viewMode, m_previews})
        tools->addWidget(w);
    layout->addLayout(tools);

    m_lists = new QTabWidget(right);
    m_entries = listView(m_lists, "LIST1", m_c.entries());
    m_turnovers = listView(m_lists, "LIST6", m_c.turnovers());
    m_lists->addTab(m_entries, QStringLiteral("Zapisy"));
    m_lists->widget(0)->setProperty("tab", QStringLiteral("TAB_NAGLOWKI"));
    m_lists->addTab(m_turnovers, QStringLiteral("Obroty"));
    m_lists->tabBar()->hide();

    m_sheet = new entries::PreviewSheet(right);

    m_vsplit = new QSplitter(Qt::Vertical, right);
    m_vsplit->setObjectName(QStringLiteral("VSPLIT"));
    m_vsplit->addWidget(m_lists);
    m_vsplit->addWidget(m_sheet);
    layout->addWidget(m_vsplit, 1);

    auto* buttons = new QHBoxLayout;
    m_document = new QPushButton(QStringLiteral("Dokument"), right);
    m_document->setObjectName(QStringLiteral("B_POKAZ"));
    m_print = new QPushButton(QStringLiteral("Drukuj"), right);
    m_print->setObjectName(QStringLiteral("B_DRUKUJ"));
    auto* choose = new QPushButton(QStringLiteral("Wybierz"), right);
    choose->setObjectName(QStringLiteral("B_WYBIERZ"));
    auto* close = new QPushButton(QStringLiteral("Zamknij"), right);
    close->setObjectName(QStringLiteral("CLOSE"));
    buttons->addStretch(1);
    for (QPushButton* b : {m_document, m_print, choose, close}) buttons->addWidget(b);
    layout->addLayout(buttons);

    auto* main = new QHBoxLayout(this);
    main->addWidget(m_periods);
    main->addWidget(right, 1);

    connect(m_periods, &QListWidget::currentRowChanged, this, ui::guarded(this, [this](int row) { if (!m_syncing) { m_c.choosePeriod(row); after(); } }));
    connect(m_currency, &QComboBox::currentTextChanged, this, ui::guarded(this, [this](const QString& s) { if (!m_syncing) { m_c.setCurrency(s); after(); } }));
    connect(m_sort, &QComboBox::currentIndexChanged, this, ui::guarded(this, [this](int i) { if (!m_syncing) { m_c.chooseSort(i); after(); } }));
    connect(m_direction, &QToolButton::clicked, this, ui::guarded(this, [this] { m_c.toggleSortDirection(); after(); }));
    connect(m_quick, &QToolButton::clicked, this, ui::guarded(this, [this] { m_c.runQuickFilter(); after(); }));
    connect(m_savedList, &QToolButton::clicked, this, ui::guarded(this, [this] { m_c.chooseSavedFilterFromList(); after(); }));
    connect(m_saveFilter, &QToolButton::clicked, this, ui::guarded(this, [this] { m_c.saveCurrentFilter(); }));
    connect(refresh, &QToolButton::clicked, this, ui::guarded(this, [this] { m_c.refresh(); after(); }));
    connect(m_showMarked, &QCheckBox::toggled, this, ui::guarded(this, [this](bool on) { if (!m_syncing) { m_c.setShowMarked(on); after(); } }));
    connect(m_showNames, &QCheckBox::toggled, this, ui::guarded(this, [this](bool) { if (!m_syncing) { m_c.toggleAccountNames(); after(); } }));
    connect(m_viewMode, &QCheckBox::toggled, this, ui::guarded(this, [this](bool on) { if (!m_syncing) { m_c.setViewMode(on ? 1 : 0); after(); } }));
    connect(m_previews, &QCheckBox::toggled, this, ui::guarded(this, [this](bool on) { if (!m_syncing) { m_c.setPreviewsShown(on); after(); } }));
    connect(m_sheet, &QTabWidget::currentChanged, this, ui::guarded(this, [this](int tab) { if (!m_syncing) { m_c.setPreviewTab(tab); fillSummary(); } }));
    connect(m_entries->selectionModel(), &QItemSelectionModel::currentRowChanged, this, ui::guarded(this, [this](const QModelIndex& i) {
        if (m_syncing) return;
        m_c.setCurrentRow(i.row());
        fillPreview();
    }));
    connect(m_entries, &QTableView::clicked, this, ui::guarded(this, [this](const QModelIndex& i) {
        if (i.column() == 0) { m_c.toggleMark(i.row()); fillSummary(); }
    }));
    connect(m_entries, &QTableView::doubleClicked, this, ui::guarded(this, [this] { m_c.showDocument(); after(); }));
    for (QTableView* list : {m_entries, m_turnovers})
        ui::installPopupMenu(list, KsiegaWgOkresowController::listMenu(), [this](const QString& item) {
            m_c.menuAction(item);
            m_c.entries().marksChanged();
            fillSummary();
        });
    connect(m_document, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.showDocument(); after(); }));
    connect(choose, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.showDocument(); after(); }));
    connect(m_print, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.printList(); }));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_vsplit, &QSplitter::splitterMoved, this, ui::guarded(this, [this](int pos) { m_c.setSplitPosition(pos); }));
}

void KsiegaWgOkresowWindow::bindKeys() {
    auto key = [this](const QKeySequence& k, std::function<void()> fn) {
        connect(new QShortcut(k, this), &QShortcut::activated, this, ui::guarded(this, std::move(fn)));
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_D), [this] { m_c.showDocument(); after(); });
    key(QKeySequence(Qt::Key_F3), [this] { m_c.printList(); });
    key(QKeySequence(Qt::Key_F5), [this] { m_c.refresh(); after(); });
    key(QKeySequence(Qt::SHIFT | Qt::Key_F5), [this] { m_showMarked->toggle(); });
    key(QKeySequence(Qt::Key_F8), [this] { m_quick->click(); });
    key(QKeySequence(Qt::ALT | Qt::Key_F8), [this] { m_saveFilter->click(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_F7), [this] { m_savedList->click(); });
    key(QKeySequence(Qt::Key_F9), [this] { m_currency->setFocus(); m_currency->showPopup(); });
    key(QKeySequence(Qt::Key_F6), [this] { m_sort->setFocus(); m_sort->showPopup(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_F6), [this] { m_direction->click(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_N), [this] { m_showNames->toggle(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_W), [this] { m_viewMode->toggle(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_P), [this] { m_previews->toggle(); });
}

void KsiegaWgOkresowWindow::sync() {
    m_syncing = true;
    m_periods->setCurrentRow(m_c.periodRow());
    m_currency->setCurrentText(m_c.currency());
    const QStringList names = m_c.sortNames();
    if (m_sort->count() != names.size() || m_sort->itemText(0) != names.first()) {
        m_sort->clear();
        m_sort->addItems(names);
    }
    m_sort->setCurrentIndex(m_c.sortChoice());
    m_direction->setIcon(icons::byName(m_c.sortDirectionIcon()));
    m_quick->setIcon(icons::byName(m_c.quickFilterIcon()));
    m_savedName->setText(m_c.savedFilterName());
    m_showMarked->setChecked(m_c.showMarked());
    m_showNames->setChecked(m_c.accountNamesShown());
    m_viewMode->setChecked(m_c.viewMode() == 1);
    m_previews->setChecked(m_c.previewsShown());
    m_lists->setCurrentIndex(m_c.viewMode());
    m_sheet->setVisible(m_c.previewsShown());
    m_sheet->setCurrentIndex(m_c.previewTab());
    // "Nazwa konta": the 14th data column, after the mark column.
    const int nameColumn = m_c.entries().firstColumn() + 13;
    m_entries->setColumnHidden(nameColumn, !m_c.accountNamesShown());
    m_document->setEnabled(m_c.documentEnabled() && m_c.viewMode() == 0);
    m_print->setEnabled(m_c.printEnabled());
    (m_c.viewMode() == 1 ? static_cast<QWidget*>(m_turnovers) : m_entries)->setFocus();
    m_syncing = false;
    fillPreview();
    fillSummary();
}

void KsiegaWgOkresowWindow::after() { sync(); }

void KsiegaWgOkresowWindow::fillPreview() { m_sheet->showPreview(m_c.entryPreview()); }

void KsiegaWgOkresowWindow::fillSummary() {
    if (m_c.viewMode() != 0 || m_c.previewTab() != 1) return;
    m_sheet->showSummary(m_c.summaryRows());
}

void KsiegaWgOkresowWindow::done(int result) { QDialog::done(result); }

} // namespace ksiega::ledger
