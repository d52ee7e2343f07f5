#include "budget/views/BudgetViewWindow.h"
#include "budget/views/BudgetTexts.h"
#include "platform/runtime/Date.h"
#include "platform/ui/controls/PopupMenu.h"
#include "platform/ui/dialogs/Guarded.h"
#include "platform/ui/list/ListViewBinding.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ksiega::budget {

namespace {

QPushButton* button(QWidget* parent, QBoxLayout* row, const char* name, const QString& text, const QKeySequence& key = {}) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(text);
    if (!key.isEmpty()) b->setShortcut(key);
    row->addWidget(b);
    return b;
}

} // namespace

BudgetViewWindow::BudgetViewWindow(BudgetViewController& controller, QWidget* parent) : QDialog(parent), m_c(controller) {
    setObjectName(m_c.side().procedure);
    setWindowTitle(m_c.caption());
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    auto* layout = new QVBoxLayout(this);

    // --- the top toolbar ---
    auto* tools = new QHBoxLayout;
    auto* prompt = new QLabel(m_c.side().prompt, this);
    prompt->setObjectName(QStringLiteral("PROMPT_STRONA"));
    tools->addWidget(prompt);
    auto* tabs = new QCheckBox(texts::SHOW_TABS, this);
    tabs->setObjectName(QStringLiteral("CZY_POKAZ_ZAKLADKE_BT"));
    tabs->setChecked(true);
    tabs->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    tools->addWidget(tabs);
    auto* refresh = button(this, tools, "B_ODSWIEZ", QStringLiteral("Odśwież (F5)"), QKeySequence(Qt::Key_F5));
    m_marked = new QCheckBox(texts::SHOW_MARKED, this);
    m_marked->setObjectName(QStringLiteral("POKAZ_ZAZNACZONE"));
    m_marked->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F5));
    tools->addWidget(m_marked);
    auto* find = new QLineEdit(this);
    find->setObjectName(QStringLiteral("SZUKAJ"));
    find->setPlaceholderText(QStringLiteral("Szukaj"));
    tools->addWidget(find);
    auto* findDate = new QLineEdit(this);
    findDate->setObjectName(QStringLiteral("SZUKAJ_DATY"));
    findDate->setPlaceholderText(QStringLiteral("dd-mm-rrrr"));
    tools->addWidget(findDate);
    m_direction = button(this, tools, "B_ROS_MAL", texts::SORT_DIRECTION, QKeySequence(Qt::CTRL | Qt::Key_F6));
    m_sort = new QComboBox(this);
    m_sort->setObjectName(QStringLiteral("LIST3"));
    m_sort->setToolTip(texts::SORT_BY);
    m_sort->addItems(BudgetViewController::sortNames());
    tools->addWidget(m_sort);
    auto* quick = button(this, tools, "SZYBKI_FILTR", texts::QUICK_FILTER, QKeySequence(Qt::Key_F8));
    auto* save = button(this, tools, "B_FILTR_ZAPISZ", texts::SAVE_FILTER, QKeySequence(Qt::ALT | Qt::Key_F8));
    m_active = new QLabel(texts::NO_FILTER, this);
    m_active->setObjectName(QStringLiteral("FL:NAZWA"));
    m_active->setToolTip(texts::ACTIVE_FILTER);
    tools->addWidget(m_active);
    auto* intuitive = new QCheckBox(texts::INTUITIVE, this);
    intuitive->setObjectName(QStringLiteral("INTU"));
    tools->addWidget(intuitive);
    auto* saved = button(this, tools, "B_FILTR", texts::FILTER_LIST, QKeySequence(Qt::CTRL | Qt::Key_F7));
    m_classification = button(this, tools, "B_FILTR_KLASYFIKACJI", texts::CLASSIFICATION_FILTER, QKeySequence(Qt::CTRL | Qt::Key_F8));
    layout->addLayout(tools);

    // --- the tree, the list and the tabs ---
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("VSPLIT"));
    auto* treeBox = new QWidget(split);
    auto* treeLayout = new QVBoxLayout(treeBox);
    m_tree = new QListWidget(treeBox);
    m_tree->setObjectName(QStringLiteral("LIST2"));
    treeLayout->addWidget(m_tree, 1);
    auto* treeButtons = new QHBoxLayout;
    auto* maintain = button(treeBox, treeButtons, "B_DRZEWO", texts::TREE_MAINTAIN, QKeySequence(Qt::CTRL | Qt::Key_F2));
    auto* add = button(treeBox, treeButtons, "B_DODAJ_GALAZ", texts::TREE_ADD, QKeySequence(Qt::CTRL | Qt::Key_Insert));
    auto* remove = button(treeBox, treeButtons, "B_USUN_GALAZ", texts::TREE_REMOVE, QKeySequence(Qt::CTRL | Qt::Key_Delete));
    treeLayout->addLayout(treeButtons);

    auto* right = new QSplitter(Qt::Vertical, split);
    right->setObjectName(QStringLiteral("HSPLIT"));
    m_list = new QTableView(right);
    m_list->setObjectName(QStringLiteral("LIST1"));
    m_list->setModel(&m_c.browser().list());
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->verticalHeader()->hide();
    (new ui::ListViewBinding(*m_list, m_c.browser().list()))->setParent(this);
    m_sheet = new QTabWidget(right);
    m_sheet->setObjectName(QStringLiteral("SHEET1"));
    m_properties = new QTableWidget(0, 2, m_sheet);
    m_properties->setObjectName(QStringLiteral("LIST5"));
    m_summary = new QTableWidget(0, 4, m_sheet);
    m_summary->setObjectName(QStringLiteral("LIST6"));
    m_taskTab = new QWidget(m_sheet);
    m_taskTab->setObjectName(QStringLiteral("TAB_ZADANIOWY"));
    auto* taskLayout = new QVBoxLayout(m_taskTab);
    m_dictionaries = new QTableWidget(0, 3, m_taskTab);
    m_dictionaries->setObjectName(QStringLiteral("LIST4"));
    m_dictionaries->setHorizontalHeaderLabels({QStringLiteral("Słownik"), QStringLiteral("Id"), QString()});
    taskLayout->addWidget(m_dictionaries);
    m_sheet->addTab(m_properties, texts::TAB_PROPERTIES);
    m_sheet->addTab(m_summary, texts::TAB_SUMMARY);
    if (m_c.taskBudget()) m_sheet->addTab(m_taskTab, texts::TAB_DICTIONARIES);
    else m_taskTab->hide();
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    split->setSizes({220, 980});
    right->setStretchFactor(0, 3);
    right->setStretchFactor(1, 1);
    layout->addWidget(split, 1);

    // --- the bottom bar ---
    auto* bottom = new QHBoxLayout;
    auto* minus = button(this, bottom, "B_MINUS", texts::STEP_DOWN, QKeySequence(Qt::Key_Minus));
    auto* plus = button(this, bottom, "B_PLUS", texts::STEP_UP, QKeySequence(Qt::Key_Plus));
    minus->setText(QStringLiteral("-"));
    plus->setText(QStringLiteral("+"));
    bottom->addStretch(1);
    auto* document = button(this, bottom, "B_DOKUMENT", texts::DOCUMENT, QKeySequence(Qt::CTRL | Qt::Key_D));
    auto* correct = button(this, bottom, "B_POPRAW", texts::CORRECT);
    auto* print = button(this, bottom, "B_DRUKUJ", texts::PRINT);
    auto* choose = button(this, bottom, "B_WYBIERZ", texts::CHOOSE);
    auto* close = button(this, bottom, "CLOSE", texts::CLOSE);
    layout->addLayout(bottom);

    connect(tabs, &QCheckBox::toggled, this, [this](bool on) { m_sheet->setVisible(on); });
    connect(refresh, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.refresh(); after(); }));
    connect(m_marked, &QCheckBox::toggled, this, ui::guarded(this, [this](bool on) {
        if (m_syncing) return;
        m_c.setShowMarked(on);
        after();
    }));
    connect(find, &QLineEdit::textEdited, this, ui::guarded(this, [this](const QString& text) {
        const int row = m_c.browser().list().locate(text);
        if (row >= 0) m_list->selectRow(row);
    }));
    connect(findDate, &QLineEdit::returnPressed, this, ui::guarded(this, [this, findDate] {
        const QString text = findDate->text().trimmed();
        std::optional<int> day = date::parseIso(text);
        const QDate typed = QDate::fromString(text, QStringLiteral("dd-MM-yyyy"));
        if (!day && typed.isValid()) day = date::fromYmd(typed.year(), typed.month(), typed.day());
        if (!day) return;
        const int row = m_c.browser().list().locateDate(*day);
        if (row >= 0) m_list->selectRow(row);
    }));
    connect(intuitive, &QCheckBox::toggled, this, [this](bool on) { m_c.browser().list().setIntuitiveSearch(on); });
    connect(m_direction, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.toggleSortDirection(); after(); }));
    connect(m_sort, &QComboBox::activated, this, ui::guarded(this, [this](int i) { m_c.chooseSort(i); after(); }));
    connect(quick, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.runQuickFilter(); after(); }));
    connect(save, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.saveCurrentFilter(); }));
    connect(saved, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.chooseSavedFilterFromList(); after(); }));
    connect(m_classification, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.chooseClassificationFilter(); after(); }));
    connect(maintain, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.treeAction(texts::TREE_MAINTAIN); after(); }));
    connect(add, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.treeAction(texts::TREE_ADD); after(); }));
    connect(remove, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.treeAction(texts::TREE_REMOVE); after(); }));
    ui::installPopupMenu(m_tree, {texts::TREE_POPUP_ADD, texts::TREE_POPUP_REMOVE}, [this](const QString& item) {
        m_c.treeAction(item);
        after();
    });
    connect(m_tree, &QListWidget::currentRowChanged, this, ui::guarded(this, [this](int row) {
        if (m_syncing) return;
        const auto& branches = m_c.treeBranches();
        m_c.chooseTreeBranch(row >= 1 && row <= int(branches.size()) ? branches[size_t(row - 1)].id : 0);
        after();
    }));
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this, ui::guarded(this, [this](const QModelIndex& i) {
        m_c.setCurrentRow(i.row());
        showTabs();
    }));
    connect(m_list, &QTableView::clicked, this, ui::guarded(this, [this](const QModelIndex& i) {
        if (i.column() != 0) return;
        m_c.marksChanged();   // the mark column toggles through the browser
        showTabs();
    }));
    connect(m_list, &QTableView::doubleClicked, this, ui::guarded(this, [this] { m_c.showDocument(); after(); }));
    ui::installPopupMenu(m_list, BudgetViewController::popupMenu(), [this](const QString& item) {
        m_c.popupAction(item);
        after();
    });
    connect(minus, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.stepDown(); after(); }));
    connect(plus, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.stepUp(); after(); }));
    connect(document, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.showDocument(); after(); }));
    connect(choose, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.showDocument(); after(); }));
    connect(correct, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.correctLine(); after(); }));
    connect(print, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.printList(); }));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_sheet, &QTabWidget::currentChanged, this, ui::guarded(this, [this] { showTabs(); }));
    sync();
    resize(1200, 760);
}

void BudgetViewWindow::sync() {
    m_syncing = true;
    fillTree();
    m_marked->setChecked(m_c.showMarked());
    m_sort->setCurrentIndex(m_c.sortChoice());
    m_direction->setProperty("icon", m_c.sortIcon());
    m_classification->setProperty("icon", m_c.filterIcon());
    m_active->setText(m_c.activeFilterName().isEmpty() ? texts::NO_FILTER : m_c.activeFilterName());
    m_syncing = false;
    showTabs();
}

void BudgetViewWindow::after() { sync(); }

void BudgetViewWindow::fillTree() {
    const QSignalBlocker block(m_tree);
    m_tree->clear();
    m_tree->addItem(texts::NO_FILTER);
    int current = 0;
    const auto& branches = m_c.treeBranches();
    for (size_t i = 0; i < branches.size(); ++i) {
        const auto& b = branches[i];
        const QString text = b.label.isEmpty() ? b.field + QLatin1Char(' ') + b.op + QLatin1Char(' ') + b.value : b.label;
        m_tree->addItem(QString(2 * (b.level - 1), QLatin1Char(' ')) + text);
        if (b.id == m_c.treeBranch()) current = int(i) + 1;
    }
    m_tree->setCurrentRow(current);
}

void BudgetViewWindow::fillPairs(QTableWidget* table, const std::vector<std::pair<QString, QString>>& pairs) {
    table->setRowCount(int(pairs.size()));
    for (int r = 0; r < int(pairs.size()); ++r) {
        table->setItem(r, 0, new QTableWidgetItem(pairs[size_t(r)].first));
        table->setItem(r, 1, new QTableWidgetItem(pairs[size_t(r)].second));
    }
}

void BudgetViewWindow::showTabs() {
    if (!m_sheet->isVisible() && isVisible()) return;
    QWidget* tab = m_sheet->currentWidget();
    if (tab == m_summary) {
        const auto rows = m_c.summaryRows();
        m_summary->setRowCount(int(rows.size()));
        for (int r = 0; r < int(rows.size()); ++r) {
            m_summary->setItem(r, 0, new QTableWidgetItem(rows[size_t(r)].left.label));
            m_summary->setItem(r, 1, new QTableWidgetItem(rows[size_t(r)].left.display()));
            m_summary->setItem(r, 2, new QTableWidgetItem(rows[size_t(r)].right.label));
            m_summary->setItem(r, 3, new QTableWidgetItem(rows[size_t(r)].right.display()));
        }
    } else if (tab == m_properties) {
        fillPairs(m_properties, m_c.rowProperties());
    } else if (tab == m_taskTab) {
        const auto rows = m_c.dictionaryRows();
        m_dictionaries->setRowCount(int(rows.size()));
        for (int r = 0; r < int(rows.size()); ++r)
            for (int c = 0; c < 3; ++c) m_dictionaries->setItem(r, c, new QTableWidgetItem(rows[size_t(r)][size_t(c)]));
    }
}

} // namespace ksiega::budget
