#include "settlements/openingimport/OpeningImportWindow.h"
#include "platform/ui/controls/PopupMenu.h"
#include "platform/ui/controls/WindowControls.h"
#include "platform/ui/dialogs/Guarded.h"
#include "platform/ui/icons/IconSet.h"
#include "platform/ui/list/ListViewBinding.h"
#include "platform/ui/tree/AccountTreeWidget.h"
#include "settlements/openingimport/OpeningImportTexts.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace ksiega::settlements {

using ui::checkBox;
using ui::toolButton;

OpeningImportWindow::OpeningImportWindow(OpeningImportController& controller, QWidget* parent)
    : QDialog(parent), m_c(controller) {
    setObjectName(QStringLiteral("BO_IMPORT_ROZRACHUNKOW"));
    setWindowTitle(texts::CAPTION);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    build();
    bindKeys();
    resize(1200, 760);
    sync();
    m_tree->collapseAll();
}

OpeningImportWindow::~OpeningImportWindow() = default;

void OpeningImportWindow::build() {
    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    m_accountName = new QLineEdit(left);
    m_accountName->setObjectName(QStringLiteral("NAZWA_KONTA"));
    m_accountName->setReadOnly(true);
    m_tree = new ui::AccountTreeWidget(m_c.tree().model(), left);
    m_accountFilter = toolButton(left, "B_FILTR_2", QStringLiteral("Filtr kont (Shift+F8)"), QStringLiteral("~filtr.ico"));
    leftLayout->addWidget(m_accountName);
    leftLayout->addWidget(m_tree, 1);
    leftLayout->addWidget(m_accountFilter);

    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto* tools = new QHBoxLayout;
    m_sort = new QComboBox(right);
    m_sort->setObjectName(QStringLiteral("S:NAZWA"));
    m_sort->setToolTip(QStringLiteral("Sortuj wg...(F6)"));
    m_sort->addItems(OpeningImportController::sortNames());
    m_direction = toolButton(right, "B_ROS_MAL", QStringLiteral("Sortuj rosnąco/malejąco (Ctrl+F6)"), QStringLiteral("~up.ico"));
    m_locator = new QLineEdit(right);
    m_locator->setObjectName(QStringLiteral("SZUKAJ"));
    m_locator->setMaxLength(39);
    m_dateLocator = new QLineEdit(right);
    m_dateLocator->setObjectName(QStringLiteral("SZUKAJ_DATY"));
    m_dateLocator->setInputMask(QStringLiteral("99-99-9999;_"));
    m_intuitive = checkBox(right, "INTU", QStringLiteral("Wyszukiwanie intuicyjne (Shift+F6)"), QStringLiteral("Intuicyjne"));
    m_refresh = toolButton(right, "B_ODSWIEZ", QStringLiteral("Odśwież (F5)"));
    m_previews = checkBox(right, "CZY_POKAZ_ZAKLADKE_K", QStringLiteral("Ukryj/pokaż podglądy (Ctrl+P)"), QStringLiteral("Podglądy"));
    m_quick = toolButton(right, "SZYBKI_FILTR", QStringLiteral("Filtr (F8)"), m_c.quickFilterIcon());
    for (QWidget* w : std::initializer_list<QWidget*>{m_sort, m_direction, m_locator, m_dateLocator, m_intuitive, m_refresh,
                                                      m_previews, m_quick})
        tools->addWidget(w);
    rightLayout->addLayout(tools);

    m_list = new QTableView(right);
    m_list->setObjectName(QStringLiteral("LIST1"));
    m_list->setModel(&m_c.browser().list());
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->verticalHeader()->hide();
    m_binding = new ui::ListViewBinding(*m_list, m_c.browser().list());
    m_binding->setParent(this);
    m_sheet = new QTabWidget(right);
    m_sheet->setObjectName(QStringLiteral("SHEET1"));
    m_summary = ui::pairTable(m_sheet, "LIST8");
    m_sheet->addTab(m_summary, QStringLiteral("&Podsumowanie"));
    auto* hsplit = new QSplitter(Qt::Vertical, right);
    hsplit->setObjectName(QStringLiteral("HSPLIT"));
    hsplit->addWidget(m_list);
    hsplit->addWidget(m_sheet);
    hsplit->setStretchFactor(0, 3);
    hsplit->setStretchFactor(1, 1);
    rightLayout->addWidget(hsplit, 1);

    auto* vsplit = new QSplitter(Qt::Horizontal, this);
    vsplit->setObjectName(QStringLiteral("VSPLIT"));
    vsplit->addWidget(left);
    vsplit->addWidget(right);
    vsplit->setStretchFactor(1, 3);
    left->setMinimumWidth(260);

    auto* buttons = new QHBoxLayout;
    auto* add = new QPushButton(QStringLiteral("Dodaj"), this);
    add->setObjectName(QStringLiteral("B_DODAJ"));
    add->setShortcut(QKeySequence(Qt::Key_Insert));
    auto* remove = new QPushButton(QStringLiteral("Usuń"), this);
    remove->setObjectName(QStringLiteral("B_USUN"));
    remove->setShortcut(QKeySequence(Qt::Key_Delete));
    auto* close = new QPushButton(QStringLiteral("Zamknij"), this);
    close->setObjectName(QStringLiteral("CLOSE"));
    for (QPushButton* b : {add, remove, close}) b->setAutoDefault(false);
    buttons->addStretch(1);
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(vsplit, 1);
    layout->addLayout(buttons);

    connect(m_tree->tree()->selectionModel(), &QItemSelectionModel::currentChanged, this,
            ui::guarded(this, [this](const QModelIndex& i) {
                const ui::AccountNode* n = m_c.tree().model().nodeAt(i);
                if (n && !n->account.isEmpty() && n->account != m_c.currentAccount()) chooseAccount(n->account);
            }));
    connect(m_accountFilter, &QToolButton::clicked, this, ui::guarded(this, [this] { m_c.runAccountFilter(); afterListChange(); }));
    connect(m_sort, &QComboBox::activated, this, ui::guarded(this, [this](int i) { m_c.chooseSort(i); afterListChange(); }));
    connect(m_direction, &QToolButton::clicked, this, ui::guarded(this, [this] { m_c.toggleSortDirection(); afterListChange(); }));
    connect(m_locator, &QLineEdit::textEdited, this, ui::guarded(this, [this](const QString& t) {
        const int row = m_c.locate(t);
        if (row >= 0) m_list->selectRow(row);
    }));
    connect(m_dateLocator, &QLineEdit::textEdited, this, ui::guarded(this, [this](const QString& t) {
        const int row = m_c.locateDate(t);
        if (row >= 0) m_list->selectRow(row);
    }));
    connect(m_intuitive, &QCheckBox::toggled, this,
            ui::guarded(this, [this](bool on) { if (!m_syncing) m_c.browser().list().setIntuitiveSearch(on); }));
    connect(m_refresh, &QToolButton::clicked, this, ui::guarded(this, [this] { m_c.refresh(); afterListChange(); }));
    connect(m_previews, &QCheckBox::toggled, this, ui::guarded(this, [this](bool on) { m_sheet->setVisible(on); fillSummary(); }));
    connect(m_quick, &QToolButton::clicked, this, ui::guarded(this, [this] { m_c.runQuickFilter(); afterListChange(); }));
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            ui::guarded(this, [this](const QModelIndex& i) { m_c.setCurrentRow(i.isValid() ? i.row() : -1); }));
    connect(m_list, &QTableView::clicked, this, ui::guarded(this, [this](const QModelIndex& i) {
        if (i.column() == 0 && m_c.browser().list().hasMarkColumn()) {
            m_c.browser().toggleMark(i.row());
            fillSummary();
        }
    }));
    ui::installPopupMenu(m_list, OpeningImportController::popupMenu(), [this](const QString& item) {
        m_c.popupAction(item);
        m_c.browser().list().marksChanged();
        fillSummary();
    });
    connect(add, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.add(); afterListChange(); }));
    connect(remove, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.remove(); afterListChange(); }));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void OpeningImportWindow::bindKeys() {
    auto key = [this](QKeySequence seq, std::function<void()> f) {
        connect(new QShortcut(seq, this), &QShortcut::activated, this, ui::guarded(this, std::move(f)));
    };
    key(Qt::Key_F6, [this] { m_sort->setFocus(); m_sort->showPopup(); });
    key(Qt::CTRL | Qt::Key_F6, [this] { m_direction->click(); });
    key(Qt::SHIFT | Qt::Key_F6, [this] { m_intuitive->toggle(); });
    key(Qt::Key_F8, [this] { m_quick->click(); });
    key(Qt::SHIFT | Qt::Key_F8, [this] { m_accountFilter->click(); });
    key(Qt::Key_F5, [this] { m_refresh->click(); });
    key(Qt::CTRL | Qt::Key_P, [this] { m_previews->toggle(); });
}

void OpeningImportWindow::chooseAccount(const QString& account) {
    m_c.chooseAccount(account);
    afterListChange();
}

void OpeningImportWindow::afterListChange() {
    sync();
    if (m_c.browser().list().rowCount() > 0) {
        m_list->selectRow(0);
        if (m_c.currentRow() != 0) m_c.setCurrentRow(0);
    }
}

void OpeningImportWindow::sync() {
    m_syncing = true;
    m_accountName->setText(m_c.accountName());
    m_sort->setCurrentIndex(m_c.sortIndex());
    m_direction->setIcon(icons::byName(m_c.descending() ? QStringLiteral("~down.ico") : QStringLiteral("~up.ico")));
    m_dateLocator->setVisible(m_c.dateSortOrder());
    m_locator->setVisible(!m_c.dateSortOrder());
    m_quick->setIcon(icons::byName(m_c.quickFilterIcon()));
    m_previews->setChecked(m_sheet->isVisibleTo(this));
    const bool rows = m_c.markingEnabled();
    for (const QString& item : {texts::POPUP_MARK_ALL, texts::POPUP_UNMARK_ALL, texts::POPUP_INVERT})
        if (QAction* a = ui::popupItem(m_list, item)) a->setEnabled(rows);
    fillSummary();
    m_syncing = false;
}

void OpeningImportWindow::fillSummary() {
    if (!m_sheet->isVisibleTo(this)) return;
    const std::vector<entries::SummaryRow> rows = m_c.summaryRows();
    m_summary->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const entries::SummaryRow& s = rows[size_t(r)];
        ui::setCell(m_summary, r, 0, s.left.label);
        ui::setCell(m_summary, r, 1, s.left.display(), true);
        ui::setCell(m_summary, r, 2, s.right.label);
        ui::setCell(m_summary, r, 3, s.right.display(), true);
    }
}

void OpeningImportWindow::done(int result) {
    // The way out by any button or key: the controller's postponed update and flag.
    m_c.close();
    QDialog::done(result);
}

} // namespace ksiega::settlements
