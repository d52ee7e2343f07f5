#include "ledger/accounts/window/KsiegaWgKontWindow.h"
#include "ledger/accounts/EntryListColumns.h"
#include "platform/runtime/Picture.h"
#include "entries/view/PreviewSheet.h"
#include "platform/ui/controls/PopupMenu.h"
#include "platform/ui/controls/WindowControls.h"
#include "platform/ui/dialogs/Guarded.h"
#include "platform/ui/icons/IconSet.h"
#include "platform/ui/list/ListViewBinding.h"
#include "platform/ui/tree/AccountTreeWidget.h"
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace ksiega::ledger {

using ui::checkBox;
using ui::setCell;
using ui::toolButton;

KsiegaWgKontWindow::KsiegaWgKontWindow(KsiegaWgKontController& controller, QWidget* parent)
    : QDialog(parent), m_c(controller) {
    setObjectName(QStringLiteral("KSIEGA_WG_KONT"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    build();
    bindKeys();
    resize(1200, 760);
    restoreSplitters();
    sync();
    m_tree->collapseAll();   // the company root open
}

void KsiegaWgKontWindow::restoreSplitters() {
    // GGG:VSPLITPOS and GGG:HSPLITPOS are the sizes of the first panes; 0 = never stored.
    auto restore = [](QSplitter* split, int64_t first, int total) {
        if (first <= 0 || first >= total) return;
        split->setSizes({int(first), total - int(first)});
    };
    restore(m_vsplit, m_c.vsplitPos(), width());
    restore(m_hsplit, m_c.hsplitPos(), height() - 120);
}

KsiegaWgKontWindow::~KsiegaWgKontWindow() = default;

void KsiegaWgKontWindow::build() {
    // Left: the account tree with its search text, expand/collapse, names and account filter.
    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    m_tree = new ui::AccountTreeWidget(m_c.tree().model(), left);
    m_tree->tree()->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* leftTools = new QHBoxLayout;
    m_showNames = checkBox(left, "POKAZ_NAZWE_KONTA", QStringLiteral("Ukryj/pokaż nazwy kont (Ctrl+N)"));
    m_showNames->setText(QStringLiteral("Nazwy kont"));
    m_accountFilter = toolButton(left, "B_FILTR_2", QStringLiteral("Filtr kont (Shift+F8)"), m_c.accountFilterIcon());
    leftTools->addWidget(m_showNames);
    leftTools->addStretch(1);
    leftTools->addWidget(m_accountFilter);
    leftLayout->addLayout(leftTools);
    leftLayout->addWidget(m_tree, 1);

    // Right: tools, the lists, the previews.
    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto* head = new QHBoxLayout;
    m_accountName = new QLineEdit(right);
    m_accountName->setObjectName(QStringLiteral("NAZWA_KONTA"));
    m_accountName->setMaxLength(150);
    m_accountName->setReadOnly(true);
    m_currency = new QComboBox(right);
    m_currency->setObjectName(QStringLiteral("WAL:SYM_WALUTY"));
    m_currency->setToolTip(QStringLiteral("Wybór waluty /F9/"));
    head->addWidget(m_accountName, 1);
    head->addWidget(new QLabel(QStringLiteral("Waluta:"), right));
    head->addWidget(m_currency);
    rightLayout->addLayout(head);

    auto* tools = new QHBoxLayout;
    m_sort = new QComboBox(right);
    m_sort->setObjectName(QStringLiteral("LIST3"));
    m_sort->setToolTip(QStringLiteral("Sortuj wg...(F6)"));
    m_sort->addItems(entrySortNames());
    m_direction = toolButton(right, "B_ROS_MAL", QStringLiteral("Sortuj rosnąco/malejąco (Ctrl+F6)"), QStringLiteral("~up.ico"));
    m_locator = new QLineEdit(right);
    m_locator->setObjectName(QStringLiteral("SZUKAJ"));
    m_dateLocator = new QLineEdit(right);
    m_dateLocator->setObjectName(QStringLiteral("SZUKAJ_DATY"));
    m_dateLocator->setInputMask(QStringLiteral("99-99-9999;_"));
    m_intuitive = checkBox(right, "INTU", QStringLiteral("Wyszukiwanie intuicyjne (Shift+F6)"));
    m_intuitive->setText(QStringLiteral("Intuicyjne"));
    m_quick = toolButton(right, "SZYBKI_FILTR", QStringLiteral("Filtr (F8)"), m_c.quickFilterIcon());
    m_savedList = toolButton(right, "B_FILTR", QStringLiteral("Lista filtrów (Ctrl+F7)"));
    m_savedName = new QLineEdit(right);
    m_savedName->setObjectName(QStringLiteral("FL:NAZWA"));
    m_savedName->setToolTip(QStringLiteral("Aktywny filtr (F7)"));
    m_savedName->setReadOnly(true);
    m_saveFilter = toolButton(right, "B_FILTR_ZAPISZ", QStringLiteral("Zapisz filtr (Alt+F8)"));
    m_showMarked = checkBox(right, "POKAZ_ZAZNACZONE", QStringLiteral("Pokaż zaznaczone (Shift + F5)"));
    m_showMarked->setText(QStringLiteral("Zaznaczone"));
    m_refresh = toolButton(right, "B_ODSWIEZ", QStringLiteral("Odśwież (F5)"));
    m_previews = checkBox(right, "CZY_POKAZ_ZAKLADKE_K", QStringLiteral("Ukryj/pokaż podglądy (Ctrl+P)"));
    m_previews->setText(QStringLiteral("Podglądy"));
    m_periodsMode = checkBox(right, "CZY_POZYCJE_NAGLOWKI_K", QStringLiteral("Obroty w okresach"));
    m_periodsMode->setText(QStringLiteral("Obroty w okresach"));
    for (QWidget* w : std::initializer_list<QWidget*>{m_sort, m_direction, m_locator, m_dateLocator, m_intuitive, m_quick,
                                                      m_savedList, m_savedName, m_saveFilter, m_showMarked, m_refresh,
                                                      m_previews, m_periodsMode})
        tools->addWidget(w);
    rightLayout->addLayout(tools);

    m_lists = new QStackedWidget(right);
    auto* headers = new QWidget(m_lists);
    headers->setObjectName(QStringLiteral("TAB_NAGLOWKI"));
    auto* hl = new QVBoxLayout(headers);
    hl->setContentsMargins(0, 0, 0, 0);
    m_entries = new QTableView(headers);
    m_entries->setObjectName(QStringLiteral("LIST1"));
    m_entries->setModel(&m_c.entries().entries());
    m_entries->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_entries->setSelectionMode(QAbstractItemView::SingleSelection);
    m_entries->verticalHeader()->hide();
    hl->addWidget(m_entries);
    m_binding = new ui::ListViewBinding(*m_entries, m_c.entries().entries());
    m_binding->setParent(this);
    auto* positions = new QWidget(m_lists);
    positions->setObjectName(QStringLiteral("TAB_POZYCJE"));
    auto* pl = new QVBoxLayout(positions);
    pl->setContentsMargins(0, 0, 0, 0);
    m_periods = new QTableWidget(0, 7, positions);
    m_periods->setObjectName(QStringLiteral("LIST6"));
    m_periods->setHorizontalHeaderLabels({QStringLiteral("Okres"), QStringLiteral("Obroty okresu Dt"),
                                          QStringLiteral("Obroty okresu Ct"), QStringLiteral("Obroty narastająco Dt"),
                                          QStringLiteral("Obroty narastająco Ct"), QStringLiteral("Saldo Dt"),
                                          QStringLiteral("Saldo Ct")});
    m_periods->verticalHeader()->hide();
    m_periods->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pl->addWidget(m_periods);
    m_lists->addWidget(headers);
    m_lists->addWidget(positions);

    m_sheet = new entries::PreviewSheet(right);

    m_hsplit = new QSplitter(Qt::Vertical, right);
    m_hsplit->setObjectName(QStringLiteral("HSPLIT"));
    m_hsplit->addWidget(m_lists);
    m_hsplit->addWidget(m_sheet);
    m_hsplit->setStretchFactor(0, 3);
    m_hsplit->setStretchFactor(1, 1);
    rightLayout->addWidget(m_hsplit, 1);

    m_vsplit = new QSplitter(Qt::Horizontal, this);
    m_vsplit->setObjectName(QStringLiteral("VSPLIT"));
    m_vsplit->addWidget(left);
    m_vsplit->addWidget(right);
    m_vsplit->setStretchFactor(1, 3);
    left->setMinimumWidth(280);

    auto* buttons = new QHBoxLayout;
    m_document = new QPushButton(QStringLiteral("Dokument"), this);
    m_document->setObjectName(QStringLiteral("B_POKAZ"));
    m_document->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    m_print = new QPushButton(QStringLiteral("Drukuj"), this);
    m_print->setObjectName(QStringLiteral("B_DRUKUJ"));
    auto* close = new QPushButton(QStringLiteral("Zamknij"), this);
    close->setObjectName(QStringLiteral("CLOSE"));
    close->setAutoDefault(false);
    m_document->setAutoDefault(false);
    m_print->setAutoDefault(false);
    buttons->addStretch(1);
    buttons->addWidget(m_document);
    buttons->addWidget(m_print);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_vsplit, 1);
    layout->addLayout(buttons);

    // The tree: the current node is the chosen account (click, arrows, the search text);
    // Enter or a double click on a register account offers its cards.
    connect(m_tree->tree()->selectionModel(), &QItemSelectionModel::currentChanged, this, ui::guarded(this, [this](const QModelIndex& i) {
        const ui::AccountNode* n = m_c.tree().model().nodeAt(i);
        if (n && !n->account.isEmpty() && n->account != m_c.currentAccount()) chooseAccount(n->account);
    }));
    connect(m_tree, &ui::AccountTreeWidget::accountChosen, this, ui::guarded(this, [this](const QString& account) {
        if (!m_c.tree().isRegisterAccount(account)) return;
        m_c.showRegisterAccounts(account);
        if (!m_c.currentAccount().isEmpty()) m_tree->search(m_c.currentAccount());
        afterEntriesChange();
    }));
    connect(m_tree->tree(), &QWidget::customContextMenuRequested, this, ui::guarded(this, [this](const QPoint& at) { accountPopup(at); }));
    connect(m_showNames, &QCheckBox::toggled, this, ui::guarded(this, [this](bool) { if (!m_syncing) { m_c.toggleNames(); sync(); } }));
    connect(m_accountFilter, &QToolButton::clicked, this, ui::guarded(this, [this] { m_c.runAccountFilter(); sync(); }));

    connect(m_currency, &QComboBox::textActivated, this, ui::guarded(this, [this](const QString& c) { m_c.setCurrency(c); afterEntriesChange(); }));
    connect(m_sort, &QComboBox::activated, this, ui::guarded(this, [this](int i) { m_c.chooseSort(i); afterEntriesChange(); }));
    connect(m_direction, &QToolButton::clicked, this, ui::guarded(this, [this] { m_c.toggleSortDirection(); afterEntriesChange(); }));
    connect(m_locator, &QLineEdit::textEdited, this, ui::guarded(this, [this](const QString& t) {
        const int row = m_c.entries().entries().locate(t);
        if (row >= 0) m_entries->selectRow(row);
    }));
    connect(m_dateLocator, &QLineEdit::textEdited, this, ui::guarded(this, [this](const QString& t) {
        const int row = m_c.locateDate(t);
        if (row >= 0) m_entries->selectRow(row);
    }));
    connect(m_intuitive, &QCheckBox::toggled, this, ui::guarded(this, [this](bool on) { if (!m_syncing) m_c.setIntuitiveSearch(on); }));
    connect(m_quick, &QToolButton::clicked, this, ui::guarded(this, [this] { m_c.runQuickFilter(); afterEntriesChange(); }));
    connect(m_savedList, &QToolButton::clicked, this, ui::guarded(this, [this] { m_c.chooseSavedFilterFromList(); afterEntriesChange(); }));
    connect(m_saveFilter, &QToolButton::clicked, this, ui::guarded(this, [this] { m_c.saveCurrentFilter(); }));
    connect(m_showMarked, &QCheckBox::toggled, this, ui::guarded(this, [this](bool on) { if (!m_syncing) { m_c.setShowMarked(on); afterEntriesChange(); } }));
    connect(m_refresh, &QToolButton::clicked, this, ui::guarded(this, [this] { m_c.refresh(); afterEntriesChange(); }));
    connect(m_previews, &QCheckBox::toggled, this, ui::guarded(this, [this](bool on) { if (!m_syncing) { m_c.setPreviewsShown(on); sync(); } }));
    connect(m_periodsMode, &QCheckBox::toggled, this, ui::guarded(this, [this](bool on) { if (!m_syncing) { m_c.setViewMode(on ? 1 : 0); afterEntriesChange(); } }));
    connect(m_sheet, &QTabWidget::currentChanged, this, ui::guarded(this, [this](int tab) { if (!m_syncing) { m_c.setPreviewTab(tab); sync(); } }));
    connect(m_entries->selectionModel(), &QItemSelectionModel::currentRowChanged, this, ui::guarded(this, [this](const QModelIndex& i) {
        m_c.setCurrentRow(i.isValid() ? i.row() : -1);
        fillPreview();
    }));
    connect(m_entries, &QTableView::clicked, this, ui::guarded(this, [this](const QModelIndex& i) {
        if (i.column() == 0 && m_c.entries().entries().hasMarkColumn()) {
            m_c.entries().toggleMark(i.row());
            fillSummary();
        }
    }));
    ui::installPopupMenu(m_entries, KsiegaWgKontController::entriesMenu(), [this](const QString& item) {
        if (m_c.viewMode() != 0) return;
        m_c.entriesMenuAction(item);
        m_c.entries().entries().marksChanged();
        fillSummary();
    });
    connect(m_document, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.showDocument(); fillPreview(); }));
    connect(m_print, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.printList(); }));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_vsplit, &QSplitter::splitterMoved, this, ui::guarded(this, [this] {
        m_c.setSplitPositions(m_vsplit->sizes().value(0), m_hsplit->sizes().value(0));
    }));
    connect(m_hsplit, &QSplitter::splitterMoved, this, ui::guarded(this, [this] {
        m_c.setSplitPositions(m_vsplit->sizes().value(0), m_hsplit->sizes().value(0));
    }));
}

void KsiegaWgKontWindow::bindKeys() {
    auto key = [this](QKeySequence seq, std::function<void()> f) {
        connect(new QShortcut(seq, this), &QShortcut::activated, this, ui::guarded(this, std::move(f)));
    };
    key(Qt::Key_F6, [this] { m_sort->setFocus(); m_sort->showPopup(); });
    key(Qt::CTRL | Qt::Key_F6, [this] { m_direction->click(); });
    key(Qt::SHIFT | Qt::Key_F6, [this] { m_intuitive->toggle(); });
    key(Qt::Key_F9, [this] { m_currency->setFocus(); m_currency->showPopup(); });
    key(Qt::Key_F8, [this] { m_quick->click(); });
    key(Qt::CTRL | Qt::Key_F7, [this] { m_savedList->click(); });
    key(Qt::Key_F7, [this] { m_savedName->setFocus(); });
    key(Qt::ALT | Qt::Key_F8, [this] { m_saveFilter->click(); });
    key(Qt::SHIFT | Qt::Key_F8, [this] { m_accountFilter->click(); });
    key(Qt::SHIFT | Qt::Key_F5, [this] { m_showMarked->toggle(); });
    key(Qt::CTRL | Qt::Key_N, [this] { m_showNames->toggle(); });
    key(Qt::Key_F5, [this] { m_refresh->click(); });
    key(Qt::CTRL | Qt::Key_P, [this] { m_previews->toggle(); });
}

void KsiegaWgKontWindow::chooseAccount(const QString& account) {
    m_c.chooseAccount(account);
    if (!m_c.currentAccount().isEmpty()) m_tree->search(m_c.currentAccount());
    afterEntriesChange();
}

void KsiegaWgKontWindow::afterEntriesChange() {
    sync();
    if (m_c.viewMode() == 0 && m_c.entries().entries().rowCount() > 0) {
        m_entries->selectRow(0);
        // The view keeps its current index through a reset: the controller is told anyway.
        if (m_c.currentRow() != 0) {
            m_c.setCurrentRow(0);
            fillPreview();
        }
    }
}

void KsiegaWgKontWindow::sync() {
    m_syncing = true;
    setWindowTitle(m_c.caption());
    m_accountName->setText(m_c.accountName());
    const QStringList currencies = m_c.currencies();
    if (m_currency->count() != currencies.size()) {
        m_currency->clear();
        m_currency->addItems(currencies);
    }
    m_currency->setCurrentText(m_c.currency());
    const int sortIndex = entrySortChoiceIndex(m_c.entries().sortOrder());
    if (sortIndex >= 0) m_sort->setCurrentIndex(sortIndex);
    m_direction->setIcon(icons::byName(m_c.sortDirectionIcon()));
    m_dateLocator->setVisible(m_c.dateSortOrder());
    m_locator->setVisible(!m_c.dateSortOrder());
    m_intuitive->setChecked(m_c.intuitiveSearch());
    m_quick->setIcon(icons::byName(m_c.quickFilterIcon()));
    m_accountFilter->setIcon(icons::byName(m_c.accountFilterIcon()));
    m_savedName->setText(m_c.savedFilterName());
    m_showMarked->setChecked(m_c.showMarked());
    m_showNames->setChecked(m_c.tree().namesShown());
    m_previews->setChecked(m_c.previewsShown());
    m_sheet->setVisible(m_c.previewsShown());
    m_sheet->setCurrentIndex(m_c.previewTab());
    m_periodsMode->setChecked(m_c.viewMode() == 1);
    m_lists->setCurrentIndex(m_c.viewMode());
    m_sort->setEnabled(m_c.viewMode() == 0);
    m_document->setEnabled(m_c.documentEnabled() && m_c.viewMode() == 0);
    m_print->setEnabled(m_c.printEnabled());
    if (m_c.viewMode() == 1) fillPeriods();
    fillPreview();
    fillSummary();
    m_syncing = false;
}

void KsiegaWgKontWindow::fillPeriods() {
    const auto& rows = m_c.entries().periodTurnovers().rows();
    const Picture amount("@N-19_`2");
    m_periods->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const entries::PeriodTurnoverRow& p = rows[size_t(r)];
        setCell(m_periods, r, 0, p.okres);
        const Money values[] = {p.obrotyDt, p.obrotyCt, p.narastajacoDt, p.narastajacoCt, p.saldoDt, p.saldoCt};
        for (int c = 0; c < 6; ++c) setCell(m_periods, r, c + 1, amount.format(values[c]).trimmed(), true);
    }
}

void KsiegaWgKontWindow::fillPreview() {
    if (!m_c.previewsShown()) return;
    m_sheet->showPreview(m_c.documentPreview());
}

void KsiegaWgKontWindow::fillSummary() {
    if (!m_c.previewsShown() || m_c.previewTab() != 1) return;
    m_sheet->showSummary(m_c.entries().summaryRows());
}

void KsiegaWgKontWindow::accountPopup(const QPoint& at) {
    const ui::AccountNode* node = m_c.tree().model().nodeAt(m_tree->tree()->indexAt(at));
    if (!node || node->account.isEmpty()) return;
    QMenu menu(this);
    QAction* cards = menu.addAction(KsiegaWgKontController::accountMenu().value(0));
    cards->setEnabled(m_c.tree().isRegisterAccount(node->account));
    if (menu.exec(m_tree->tree()->viewport()->mapToGlobal(at)) == cards) {
        const QString account = node->account;   // the tree is rebuilt below
        m_c.showRegisterAccounts(account);
        if (!m_c.currentAccount().isEmpty()) m_tree->search(m_c.currentAccount());
        afterEntriesChange();
    }
}

void KsiegaWgKontWindow::done(int result) {
    m_c.setSplitPositions(m_vsplit->sizes().value(0), m_hsplit->sizes().value(0));
    QDialog::done(result);
}

} // namespace ksiega::ledger
