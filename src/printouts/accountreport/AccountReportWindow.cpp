#include "printouts/accountreport/AccountReportWindow.h"
#include "platform/ui/controls/PopupMenu.h"
#include "platform/ui/dialogs/Guarded.h"
#include "frame/SessionContext.h"
#include "platform/siblings/documents/DocumentsLibrary.h"
#include "platform/ui/controls/WindowControls.h"
#include "platform/ui/dialogs/Dialogs.h"
#include "platform/ui/icons/IconSet.h"
#include "platform/ui/list/ListViewBinding.h"
#include "printouts/accountreport/RangeDialog.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace ksiega::printouts {

namespace {

using ui::setCell;

QPushButton* button(QWidget* parent, const char* name, const QString& text, const QKeySequence& key = {}) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty()) b->setShortcut(key);
    return b;
}

} // namespace

AccountReportWindow::AccountReportWindow(db::Database& db, std::unique_ptr<AccountReportController> controller, QWidget* parent)
    : QDialog(parent), m_db(db), m_controller(std::move(controller)) {
    setObjectName(QStringLiteral("RAPORT_DLA_KONTA"));
    setWindowTitle(QStringLiteral("Raport z konta"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    build();
    bindKeys();
    resize(1200, 720);
    refresh();
}

AccountReportWindow::~AccountReportWindow() = default;

void AccountReportWindow::build() {
    AccountReportController& c = *m_controller;
    m_ranges = new QListWidget(this);
    m_ranges->setObjectName(QStringLiteral("LIST2"));
    m_ranges->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* add = ui::toolButton(this, "B_DODAJ_G", QStringLiteral("Dodaj nowy zakres dla konta... (Ctrl+Ins)"), QStringLiteral("Drzewo_plus.ico"));
    auto* remove = ui::toolButton(this, "B_USUN_G", QStringLiteral("Usuń podświetloną pozycję (Ctrl+Del)"), QStringLiteral("Drzewo_minus.ico"));
    add->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Insert));
    remove->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("NAZWA_K"));
    m_name->setReadOnly(true);

    m_entries = new QTableView(this);
    m_entries->setObjectName(QStringLiteral("LIST1"));
    m_entries->setModel(&c.entries());
    m_entries->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_entries->setSelectionMode(QAbstractItemView::SingleSelection);
    m_entries->setContextMenuPolicy(Qt::CustomContextMenu);
    m_entries->verticalHeader()->hide();
    new ui::ListViewBinding(*m_entries, c.entries());

    m_sheet = new QTabWidget(this);
    m_sheet->setObjectName(QStringLiteral("SHEET1"));
    m_summary = new QTableWidget(3, 9, m_sheet);
    m_summary->setObjectName(QStringLiteral("LIST6"));
    m_summary->setHorizontalHeaderLabels({QString(), QStringLiteral("Obroty Dt"), QStringLiteral("Saldo Dt"),
                                          QStringLiteral("Obroty Ct"), QStringLiteral("Saldo Ct"),
                                          QStringLiteral("Obroty Dt /wal./"), QStringLiteral("Saldo Dt /wal./"),
                                          QStringLiteral("Obroty Ct /wal./"), QStringLiteral("Saldo Ct /wal./")});
    m_summary->verticalHeader()->hide();
    m_summary->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview = ui::pairTable(m_sheet, "LIST7");
    auto* tab1 = new QWidget(m_sheet);
    tab1->setObjectName(QStringLiteral("TAB1"));
    (new QVBoxLayout(tab1))->addWidget(m_summary);
    auto* tab2 = new QWidget(m_sheet);
    tab2->setObjectName(QStringLiteral("TAB2"));
    (new QVBoxLayout(tab2))->addWidget(m_preview);
    m_sheet->addTab(tab1, QStringLiteral("&Podsumowanie"));
    m_sheet->addTab(tab2, QStringLiteral("&Dokument księgowy"));

    m_byDocument = new QRadioButton(QStringLiteral("wg daty d&okumentu"), this);
    m_byDocument->setObjectName(QStringLiteral("RODZAJ_DATY"));
    m_byPosting = new QRadioButton(QStringLiteral("wg daty &księgowania"), this);
    (c.dateKind() == DateKind::Posting ? m_byPosting : m_byDocument)->setChecked(true);

    m_currency = new QComboBox(this);
    m_currency->setObjectName(QStringLiteral("WAL:SYM_WALUTY"));
    {
        db::Rows r = m_db.select(QStringLiteral("select sym_waluty from WALUTY order by sym_waluty limit 200"));
        while (r.next()) m_currency->addItem(r.text(0).trimmed());
    }
    if (m_currency->findText(c.currency()) < 0) m_currency->insertItem(0, c.currency());
    m_currency->setCurrentText(c.currency());

    m_sort = new QComboBox(this);
    m_sort->setObjectName(QStringLiteral("S:NAZWA"));
    m_sort->setToolTip(QStringLiteral("Sortuj wg... (F6)"));
    m_sort->addItems(AccountReportController::sortNames());
    m_direction = ui::toolButton(this, "B_ROS_MAL", QStringLiteral("Sortuj rosnąco/malejąco (Ctrl+F6)"), c.sortDirectionIcon());
    m_locator = new QLineEdit(this);
    m_locator->setObjectName(QStringLiteral("SZUKAJ"));
    m_dateLocator = new QLineEdit(this);
    m_dateLocator->setObjectName(QStringLiteral("SZUKAJ_DATY"));
    m_dateLocator->setInputMask(QStringLiteral("99-99-9999;_"));
    m_previewSwitch = new QCheckBox(QStringLiteral("Podgląd"), this);
    m_previewSwitch->setObjectName(QStringLiteral("CZY_POKAZ_ZAKLADKE_R"));
    m_previewSwitch->setToolTip(QStringLiteral("Ukryj/pokaż podgląd (Ctrl+P)"));

    auto* refreshButton = ui::toolButton(this, "B_REFRESZ", QStringLiteral("Odśwież (F5)"));
    refreshButton->setShortcut(QKeySequence(Qt::Key_F5));
    auto* show = button(this, "B_POKAZ", QStringLiteral("Dokument"), QKeySequence(Qt::CTRL | Qt::Key_F2));
    auto* print = button(this, "B_DRUKUJ", QStringLiteral("Drukuj"));
    auto* close = button(this, "CLOSE", QStringLiteral("Zamknij"), QKeySequence(Qt::Key_Escape));

    auto* left = new QVBoxLayout;
    auto* rangeButtons = new QHBoxLayout;
    rangeButtons->addWidget(add);
    rangeButtons->addWidget(remove);
    rangeButtons->addStretch();
    left->addLayout(rangeButtons);
    left->addWidget(m_ranges);
    auto* right = new QVBoxLayout;
    auto* top = new QHBoxLayout;
    top->addWidget(m_name, 1);
    top->addWidget(m_byDocument);
    top->addWidget(m_byPosting);
    top->addWidget(m_currency);
    right->addLayout(top);
    auto* tools = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{m_sort, m_direction, m_locator, m_dateLocator, refreshButton, m_previewSwitch})
        tools->addWidget(w);
    tools->addStretch();
    right->addLayout(tools);
    right->addWidget(m_entries, 3);
    right->addWidget(m_sheet, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(show);
    bottom->addWidget(print);
    bottom->addWidget(close);
    right->addLayout(bottom);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 4);

    connect(add, &QToolButton::clicked, this, ui::guarded(this, [this] { addRange(); }));
    connect(remove, &QToolButton::clicked, this, ui::guarded(this, [this] { removeRange(); }));
    connect(m_ranges, &QListWidget::currentRowChanged, this, ui::guarded(this, [this](int row) {
        if (m_syncing || row < 0 || row == m_controller->currentIndex()) return;
        m_controller->setCurrent(row);
        refresh();
    }));
    connect(m_ranges, &QListWidget::itemDoubleClicked, this, ui::guarded(this, [this] { editRange(); }));
    ui::installPopupMenu(m_ranges, AccountReportController::rangesMenu(), [this](const QString& item) {
        if (item == QLatin1String("Dodaj")) addRange();
        else removeRange();
    });
    connect(m_byPosting, &QRadioButton::toggled, this, ui::guarded(this, [this](bool on) {
        if (m_syncing) return;
        m_controller->setDateKind(on ? DateKind::Posting : DateKind::Document);
        refresh();
    }));
    connect(m_currency, &QComboBox::currentTextChanged, this, ui::guarded(this, [this](const QString& text) {
        if (m_syncing) return;
        m_controller->setCurrency(text);
        refresh();
    }));
    connect(m_sort, &QComboBox::currentIndexChanged, this, ui::guarded(this, [this](int i) {
        if (m_syncing) return;
        m_controller->chooseSort(i);
        refresh();
    }));
    connect(m_direction, &QToolButton::clicked, this, ui::guarded(this, [this] {
        m_controller->toggleSortDirection();
        refresh();
    }));
    auto locateTo = [this](int row) {
        if (row >= 0) m_entries->selectRow(row);
    };
    connect(m_locator, &QLineEdit::textEdited, this, ui::guarded(this, [this, locateTo](const QString& t) { locateTo(m_controller->locate(t)); }));
    connect(m_dateLocator, &QLineEdit::textEdited, this, ui::guarded(this, [this, locateTo](const QString& t) { locateTo(m_controller->locateDate(t)); }));
    connect(m_previewSwitch, &QCheckBox::toggled, this, ui::guarded(this, [this](bool on) {
        if (m_syncing) return;
        m_controller->setPreviewShown(on);
        m_sheet->setVisible(on);
    }));
    connect(m_entries->selectionModel(), &QItemSelectionModel::currentRowChanged, this, ui::guarded(this, [this](const QModelIndex& i) {
        m_controller->setCurrentRow(i.row());
        fillPreview();
    }));
    connect(m_entries, &QTableView::doubleClicked, this, ui::guarded(this, [this] { showDocument(); }));
    ui::installPopupMenu(m_entries, AccountReportController::entriesMenu(),
                         [this](const QString& item) { m_controller->entriesMenuAction(item); });
    connect(refreshButton, &QToolButton::clicked, this, ui::guarded(this, [this] {
        m_controller->reloadEntries();
        refresh();
    }));
    connect(show, &QPushButton::clicked, this, ui::guarded(this, [this] { showDocument(); }));
    connect(print, &QPushButton::clicked, this, ui::guarded(this, [this] { printReport(); }));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void AccountReportWindow::bindKeys() {
    auto key = [this](const QKeySequence& k, std::function<void()> fn) {
        connect(new QShortcut(k, this), &QShortcut::activated, this, ui::guarded(this, std::move(fn)));
    };
    key(QKeySequence(Qt::Key_F6), [this] { m_sort->setFocus(); m_sort->showPopup(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_F6), [this] { m_direction->click(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_P), [this] { m_previewSwitch->toggle(); });
}

void AccountReportWindow::fillRanges() {
    m_ranges->clear();
    for (const AccountRange& r : m_controller->ranges()) m_ranges->addItem(r.text());
    m_ranges->setCurrentRow(m_controller->currentIndex());
}

void AccountReportWindow::fillSort() {
    const AccountReportController& c = *m_controller;
    m_sort->setCurrentIndex(int(c.sortChoice()));
    m_direction->setIcon(icons::byName(c.sortDirectionIcon()));
    m_dateLocator->setVisible(c.dateSortOrder());
    m_locator->setVisible(!c.dateSortOrder());
    m_previewSwitch->setChecked(c.previewShown());
    m_sheet->setVisible(c.previewShown());
    (c.dateKind() == DateKind::Posting ? m_byPosting : m_byDocument)->setChecked(true);
    m_currency->setCurrentText(c.currency());
}

void AccountReportWindow::fillSummary() {
    const std::vector<SummaryLine> lines = m_controller->summaryLines();
    m_summary->setRowCount(int(lines.size()));
    for (int row = 0; row < int(lines.size()); ++row) {
        setCell(m_summary, row, 0, lines[size_t(row)].label);
        for (int c = 0; c < lines[size_t(row)].values.size(); ++c) setCell(m_summary, row, c + 1, lines[size_t(row)].values[c], true);
    }
}

void AccountReportWindow::fillPreview() {
    const std::vector<entries::PreviewRow> rows = m_controller->entryPreview();
    m_preview->setRowCount(int(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i) {
        setCell(m_preview, i, 0, rows[size_t(i)].label1);
        setCell(m_preview, i, 1, rows[size_t(i)].value1);
        setCell(m_preview, i, 2, rows[size_t(i)].label2);
        setCell(m_preview, i, 3, rows[size_t(i)].value2);
    }
}

void AccountReportWindow::refresh() {
    m_syncing = true;
    fillRanges();
    fillSort();
    m_syncing = false;
    m_name->setText(m_controller->accountName());
    if (m_controller->currentRow() >= 0) m_entries->selectRow(m_controller->currentRow());
    ui::BusyCursor busy;
    fillSummary();
    fillPreview();
}

void AccountReportWindow::addRange() {
    RangeDialog dialog(std::make_unique<RangeDialogController>(m_db, nullptr, m_controller->dateKind()), this);
    if (dialog.exec() != QDialog::Accepted) return;
    m_controller->addRange(dialog.controller().result());
    m_controller->setDateKind(dialog.controller().dateKind());
    refresh();
}

void AccountReportWindow::editRange() {
    const AccountRange* current = m_controller->current();
    if (!current) return;
    RangeDialog dialog(std::make_unique<RangeDialogController>(m_db, current, m_controller->dateKind()), this);
    if (dialog.exec() != QDialog::Accepted) return;
    m_controller->replaceRange(m_controller->currentIndex(), dialog.controller().result());
    m_controller->setDateKind(dialog.controller().dateKind());
    refresh();
}

void AccountReportWindow::removeRange() {
    m_controller->removeRange(m_ranges->currentRow());
    refresh();
}

void AccountReportWindow::showDocument() {
    m_controller->showDocument();
    if (m_controller->currentRow() >= 0) m_entries->selectRow(m_controller->currentRow());
    fillSummary();
    fillPreview();
}

void AccountReportWindow::printReport() {
    ui::BusyCursor busy;
    m_controller->printList();
}

} // namespace ksiega::printouts
