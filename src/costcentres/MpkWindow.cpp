#include "costcentres/MpkWindow.h"
#include "costcentres/MpkTexts.h"
#include "platform/ui/controls/PopupMenu.h"
#include "platform/ui/dialogs/Guarded.h"
#include "platform/ui/list/ListViewBinding.h"
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ksiega::costcentres {

namespace {

QPushButton* button(QWidget* parent, QHBoxLayout* row, const char* name, const QString& text, const QKeySequence& key = {}) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty()) b->setShortcut(key);
    row->addWidget(b);
    return b;
}

} // namespace

MpkWindow::MpkWindow(MpkViewController& controller, QWidget* parent) : QDialog(parent), m_c(controller) {
    setObjectName(QStringLiteral("MPK_VIEW"));
    setWindowTitle(texts::WINDOW_CAPTION);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    auto* layout = new QVBoxLayout(this);

    auto* tools = new QHBoxLayout;
    m_sort = new QComboBox(this);
    m_sort->setObjectName(QStringLiteral("LIST3"));
    m_sort->setToolTip(QStringLiteral("Sortuj wg...(F6)"));
    m_sort->addItems(MpkViewController::sortNames());
    tools->addWidget(m_sort);
    auto* direction = button(this, tools, "B_ROS_MAL", QStringLiteral("Sortuj rosnąco/malejąco (Ctrl+F6)"),
                             QKeySequence(Qt::CTRL | Qt::Key_F6));
    auto* locator = new QLineEdit(this);
    locator->setObjectName(QStringLiteral("SZUKAJ"));
    locator->setPlaceholderText(QStringLiteral("Szukaj"));
    locator->setMinimumWidth(120);
    tools->addWidget(locator);
    auto* intuitive = new QCheckBox(QStringLiteral("Intuicyjne"), this);
    intuitive->setObjectName(QStringLiteral("INTU"));
    intuitive->setToolTip(QStringLiteral("Wyszukiwanie intuicyjne (Shift+F6)"));
    intuitive->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));
    tools->addWidget(intuitive);
    auto* quick = button(this, tools, "SZYBKI_FILTR", QStringLiteral("Filtr (F8)"), QKeySequence(Qt::Key_F8));
    auto* save = button(this, tools, "B_FILTR_ZAPISZ", QStringLiteral("Zapisz filtr (Alt+F8)"), QKeySequence(Qt::ALT | Qt::Key_F8));
    auto* saved = button(this, tools, "B_FILTR", QStringLiteral("Lista filtrów (Ctrl+F7)"), QKeySequence(Qt::CTRL | Qt::Key_F7));
    auto* active = new QLabel(this);
    active->setObjectName(QStringLiteral("FL:NAZWA"));
    active->setToolTip(QStringLiteral("Aktywny filtr (F7)"));
    tools->addWidget(active);
    m_marked = new QCheckBox(QStringLiteral("Pokaż zaznaczone (Shift+F5)"), this);
    m_marked->setObjectName(QStringLiteral("POKAZ_ZAZNACZONE"));
    tools->addWidget(m_marked);
    auto* refresh = button(this, tools, "B_ODSWIEZ", QStringLiteral("Odśwież (F5)"), QKeySequence(Qt::Key_F5));
    auto* tabsShown = new QCheckBox(QStringLiteral("Podgląd"), this);
    tabsShown->setObjectName(QStringLiteral("CZY_POKAZ_ZAKLADKE_MPK"));
    tabsShown->setToolTip(QStringLiteral("Ukryj/pokaż podgląd (Ctrl+P)"));
    tabsShown->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    tabsShown->setChecked(m_c.tabsShown());
    tools->addWidget(tabsShown);
    auto* document = button(this, tools, "B_POKAZ", QStringLiteral("Dokument"), QKeySequence(Qt::CTRL | Qt::Key_D));
    auto* print = button(this, tools, "B_DRUKUJ", QStringLiteral("Drukuj"), QKeySequence(Qt::Key_F3));
    auto* choose = button(this, tools, "B_WYBIERZ", QStringLiteral("Wybierz"));
    auto* close = button(this, tools, "CLOSE", QStringLiteral("Zamknij"));
    layout->addLayout(tools);

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("VSPLIT"));
    auto* treeBox = new QWidget(split);
    auto* treeLayout = new QVBoxLayout(treeBox);
    m_tree = new QListWidget(treeBox);
    m_tree->setObjectName(QStringLiteral("LIST2"));
    treeLayout->addWidget(m_tree, 1);
    auto* treeButtons = new QHBoxLayout;
    auto* maintain = button(treeBox, treeButtons, "BUTTON9", QStringLiteral("Obsługa drzewa filtrów (Ctrl+F2)"),
                            QKeySequence(Qt::CTRL | Qt::Key_F2));
    auto* add = button(treeBox, treeButtons, "BUTTON10", QStringLiteral("Dodaj gałąź (Ctrl+Ins)"), QKeySequence(Qt::CTRL | Qt::Key_Insert));
    auto* remove = button(treeBox, treeButtons, "BUTTON11", QStringLiteral("Usuń gałąź (Ctrl+Del)"), QKeySequence(Qt::CTRL | Qt::Key_Delete));
    treeLayout->addLayout(treeButtons);

    auto* right = new QSplitter(Qt::Vertical, split);
    m_list = new QTableView(right);
    m_list->setObjectName(QStringLiteral("LIST1"));
    m_list->setModel(&m_c.browser().list());
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->verticalHeader()->hide();
    (new ui::ListViewBinding(*m_list, m_c.browser().list()))->setParent(this);
    m_sheet = new QTabWidget(right);
    m_summary = new QTableWidget(0, 4, m_sheet);
    m_summary->setObjectName(QStringLiteral("LIST6"));
    m_properties = new QTableWidget(0, 2, m_sheet);
    m_properties->setObjectName(QStringLiteral("LIST5"));
    m_sheet->addTab(m_summary, QStringLiteral("&Podsumowanie"));
    m_sheet->addTab(m_properties, QStringLiteral("&Właściwości zapisu"));
    layout->addWidget(split, 1);
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    split->setSizes({260, 1000});
    right->setSizes({520, 200});
    for (QTableWidget* t : {m_summary, m_properties}) {
        t->horizontalHeader()->hide();
        t->verticalHeader()->hide();
        t->horizontalHeader()->setStretchLastSection(true);
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    }
    m_summary->setColumnWidth(0, 160);
    m_summary->setColumnWidth(1, 140);
    m_summary->setColumnWidth(2, 220);

    print->setEnabled(m_c.allowed(MpkRight::Print));
    document->setEnabled(m_c.allowed(MpkRight::Document));
    m_marked->setEnabled(m_c.allowed(MpkRight::Marks));
    save->setEnabled(m_c.allowed(MpkRight::SaveFilter));
    for (QPushButton* b : {maintain, add, remove}) b->setEnabled(m_c.allowed(MpkRight::Tree));

    connect(m_sort, &QComboBox::activated, this, ui::guarded(this, [this](int i) { m_c.chooseSort(i); showTabs(); }));
    connect(direction, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.toggleSortDirection(); }));
    connect(quick, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.runQuickFilter(); showTabs(); }));
    connect(save, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.saveCurrentFilter(); }));
    connect(saved, &QPushButton::clicked, this, ui::guarded(this, [this, active] {
        m_c.chooseSavedFilterFromList();
        active->setText(m_c.savedFilterName());
        showTabs();
    }));
    connect(m_marked, &QCheckBox::toggled, this, ui::guarded(this, [this](bool on) {
        m_c.setShowMarked(on);
        m_marked->setChecked(m_c.showMarked());
        showTabs();
    }));
    connect(refresh, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.refresh(); showTabs(); }));
    connect(document, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.showDocument(); }));
    connect(choose, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.showDocument(); }));
    connect(locator, &QLineEdit::textEdited, this, ui::guarded(this, [this](const QString& t) {
        const int row = m_c.locate(t);
        if (row >= 0) m_list->selectRow(row);
    }));
    connect(intuitive, &QCheckBox::toggled, this, ui::guarded(this, [this](bool on) { m_c.setIntuitiveSearch(on); }));
    connect(tabsShown, &QCheckBox::toggled, this, ui::guarded(this, [this](bool on) {
        m_c.setTabsShown(on);
        m_sheet->setVisible(on);
    }));
    connect(print, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.printList(); }));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(maintain, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.treeAction(QStringLiteral("Obsługa drzewa filtrów (Ctrl+F2)")); fillTree(); }));
    connect(add, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.treeAction(QStringLiteral("Dodaj gałąź (Ctrl+Ins)")); fillTree(); }));
    connect(remove, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.treeAction(QStringLiteral("Usuń gałąź (Ctrl+Del)")); fillTree(); }));
    ui::installPopupMenu(m_tree, MpkViewController::treeMenu(), [this](const QString& item) {
        m_c.treeAction(item);
        fillTree();
        showTabs();
    });
    connect(m_tree, &QListWidget::currentRowChanged, this, ui::guarded(this, [this](int row) {
        m_c.chooseTreeNode(row - 1);   // row 0 is "<Bez filtra>"
        showTabs();
    }));
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this, ui::guarded(this, [this](const QModelIndex& i) {
        m_c.setCurrentRow(i.row());
        showTabs();
    }));
    connect(m_list, &QTableView::doubleClicked, this, ui::guarded(this, [this] { m_c.showDocument(); }));
    ui::installPopupMenu(m_list, MpkViewController::popupMenu(), [this](const QString& item) {
        m_c.popupAction(item);
        showTabs();
    });
    connect(m_sheet, &QTabWidget::currentChanged, this, ui::guarded(this, [this] { showTabs(); }));
    fillTree();
    showTabs();
    resize(1200, 760);
}

void MpkWindow::fillTree() {
    const QSignalBlocker block(m_tree);
    m_tree->clear();
    m_tree->addItem(texts::NO_TREE_FILTER);
    for (const FilterTreeNode& n : m_c.treeNodes()) m_tree->addItem(QString(2 * (n.level - 1), QLatin1Char(' ')) + n.text);
    m_tree->setCurrentRow(m_c.treeNode() + 1);
}

void MpkWindow::fillPairs(QTableWidget* table, const std::vector<std::pair<QString, QString>>& pairs) {
    table->setRowCount(int(pairs.size()));
    for (int r = 0; r < int(pairs.size()); ++r) {
        table->setItem(r, 0, new QTableWidgetItem(pairs[size_t(r)].first));
        table->setItem(r, 1, new QTableWidgetItem(pairs[size_t(r)].second));
    }
}

void MpkWindow::showTabs() {
    if (m_sheet->currentIndex() == 0) {
        const auto rows = m_c.summaryRows();
        m_summary->setRowCount(int(rows.size()));
        for (int r = 0; r < int(rows.size()); ++r) {
            m_summary->setItem(r, 0, new QTableWidgetItem(rows[size_t(r)].left.label));
            m_summary->setItem(r, 1, new QTableWidgetItem(rows[size_t(r)].left.display()));
            m_summary->setItem(r, 2, new QTableWidgetItem(rows[size_t(r)].right.label));
            m_summary->setItem(r, 3, new QTableWidgetItem(rows[size_t(r)].right.display()));
        }
    } else {
        fillPairs(m_properties, m_c.rowProperties());
    }
}

} // namespace ksiega::costcentres
