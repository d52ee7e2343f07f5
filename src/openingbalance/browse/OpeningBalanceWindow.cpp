#include "openingbalance/browse/OpeningBalanceWindow.h"
#include "platform/ui/controls/WindowControls.h"
#include "platform/ui/dialogs/Guarded.h"
#include "platform/ui/icons/IconSet.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace ksiega::openingbalance {

namespace {

const QStringList LIST1_COLUMNS = {QStringLiteral("Numer konta"),     QStringLiteral("Nazwa konta"),
                                   QStringLiteral("Saldo Dt"),        QStringLiteral("Saldo Ct"),
                                   QStringLiteral("Kwota Dt"),        QStringLiteral("Kwota Ct"),
                                   QStringLiteral("Saldo Dt /wal./"), QStringLiteral("Saldo Ct /wal./"),
                                   QStringLiteral("Kwota Dt /wal./"), QStringLiteral("Kwota Ct /wal./")};

QLineEdit* amountField(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignRight);
    return e;
}

} // namespace

OpeningBalanceWindow::OpeningBalanceWindow(OpeningBalanceController& controller, QWidget* parent)
    : QDialog(parent), m_c(controller) {
    setObjectName(QStringLiteral("BO"));
    setWindowTitle(BO_CAPTION);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    m_c.parentWindow = this;
    build();
    bindKeys();
    resize(1200, 720);
    sync();
}

OpeningBalanceWindow::~OpeningBalanceWindow() = default;

void OpeningBalanceWindow::build() {
    auto* layout = new QVBoxLayout(this);
    auto* tools = new QHBoxLayout;
    tools->addWidget(new QLabel(QStringLiteral("BO dla waluty /F7/"), this));
    m_currency = new QComboBox(this);
    m_currency->setObjectName(QStringLiteral("WAL:SYM_WALUTY"));
    for (const auto& [symbol, name] : m_c.currencies()) m_currency->addItem(symbol + QStringLiteral("  ") + name, symbol);
    tools->addWidget(m_currency);
    m_direction = ui::toolButton(this, "B_ROS_MAL", QStringLiteral("Sortuj rosnąco/malejąco"), QStringLiteral("~down.ico"));
    auto* collapse = ui::toolButton(this, "B_ZWIN", QStringLiteral("Zwiń listę"));
    collapse->setText(QStringLiteral("Zwiń listę"));
    auto* expand = ui::toolButton(this, "B_ROZWIN", QStringLiteral("Rozwiń listę"));
    expand->setText(QStringLiteral("Rozwiń listę"));
    m_filter = ui::toolButton(this, "B_FILTR_2", QStringLiteral("Filtruj konta (F8)"), QStringLiteral("~Filtr_konto.ico"));
    auto* refreshButton = ui::toolButton(this, "B_ODSWIEZ", QStringLiteral("Odśwież (F5)"));
    refreshButton->setText(QStringLiteral("Odśwież"));
    m_aggregate = ui::checkBox(this, "CZY_AGREGUJ_PLN", QString(), QStringLiteral("Agreguj kwotę PLN (wszystkie waluty) (Ctrl+W)"));
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("STRSZUKAJ"));
    m_search->setPlaceholderText(QStringLiteral("Numer konta"));
    m_wait = new QLabel(QStringLiteral("Proszę czekać..."), this);
    m_wait->setObjectName(QStringLiteral("PROSZE_CZEKAC"));
    m_wait->hide();
    for (QWidget* w : {static_cast<QWidget*>(m_direction), static_cast<QWidget*>(collapse), static_cast<QWidget*>(expand),
                       static_cast<QWidget*>(m_filter), static_cast<QWidget*>(refreshButton),
                       static_cast<QWidget*>(m_aggregate), static_cast<QWidget*>(m_search), static_cast<QWidget*>(m_wait)})
        tools->addWidget(w);
    tools->addStretch();
    layout->addLayout(tools);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("SHEET1"));
    auto* entriesPage = new QWidget(m_pages);
    auto* entriesLayout = new QVBoxLayout(entriesPage);
    m_list = ui::rowTable(entriesPage, "LIST1", LIST1_COLUMNS);
    m_list->setColumnWidth(0, 180);
    m_list->setColumnWidth(1, 220);
    entriesLayout->addWidget(m_list, 1);
    m_totals = ui::rowTable(entriesPage, "LIST4",
                     {QString(), QStringLiteral("Saldo Dt"), QStringLiteral("Saldo Ct"), QStringLiteral("Kwota Dt"),
                      QStringLiteral("Kwota Ct")});
    m_totals->setColumnWidth(0, 380);
    m_totals->setMaximumHeight(140);
    entriesLayout->addWidget(m_totals);
    m_pages->addTab(entriesPage, QStringLiteral("&Zapisy"));

    auto* summaryPage = new QWidget(m_pages);
    auto* summaryLayout = new QVBoxLayout(summaryPage);
    m_summary = ui::rowTable(summaryPage, "LIST3",
                      {QStringLiteral("Symbol"), QStringLiteral("Nazwa"), QStringLiteral("Kwota Dt"),
                       QStringLiteral("Kwota Dt/wal./"), QStringLiteral("Kwota Ct"), QStringLiteral("Kwota Ct/wal./")});
    summaryLayout->addWidget(m_summary, 1);
    auto* totalsBox = new QGroupBox(summaryPage);
    auto* grid = new QGridLayout(totalsBox);
    grid->addWidget(new QLabel(QStringLiteral("Kwota Dt"), totalsBox), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Kwota Ct"), totalsBox), 0, 2);
    // Each total beside its own label: with the off-balance accounts, then without them.
    m_withDt = amountField(totalsBox, "KW_WN_P1");
    m_withCt = amountField(totalsBox, "KW_MA_P1");
    m_withoutDt = amountField(totalsBox, "KW_WN_P2");
    m_withoutCt = amountField(totalsBox, "KW_MA_P2");
    auto* withLabel = new QLabel(RAZEM_Z_POZABILANSOWYMI, totalsBox);
    withLabel->setObjectName(QStringLiteral("RAZEM_Z_POZABILANSOWYMI"));
    auto* withoutLabel = new QLabel(RAZEM_BEZ_POZABILANSOWYCH, totalsBox);
    withoutLabel->setObjectName(QStringLiteral("RAZEM_BEZ_POZABILANSOWYCH"));
    grid->addWidget(withLabel, 1, 0);
    grid->addWidget(m_withDt, 1, 1);
    grid->addWidget(m_withCt, 1, 2);
    grid->addWidget(withoutLabel, 2, 0);
    grid->addWidget(m_withoutDt, 2, 1);
    grid->addWidget(m_withoutCt, 2, 2);
    summaryLayout->addWidget(totalsBox);
    m_pages->addTab(summaryPage, QStringLiteral("&Podsumowanie"));
    layout->addWidget(m_pages, 1);

    auto* buttons = new QHBoxLayout;
    m_print = new QPushButton(QStringLiteral("Drukuj"), this);
    m_print->setObjectName(QStringLiteral("B_DRUKUJ"));
    m_correct = new QPushButton(QStringLiteral("Popraw"), this);
    m_correct->setObjectName(QStringLiteral("B_POPRAW"));
    m_vat = new QPushButton(QStringLiteral("VAT"), this);
    m_vat->setObjectName(QStringLiteral("B_VAT"));
    auto* close = new QPushButton(QStringLiteral("Zamknij"), this);
    close->setObjectName(QStringLiteral("B_ZAMKNIJ"));
    for (QPushButton* b : {m_print, m_correct, m_vat, close}) b->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(m_print);
    buttons->addWidget(m_correct);
    buttons->addWidget(m_vat);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(m_currency, &QComboBox::currentIndexChanged, this, ui::guarded(this, [this](int index) {
        if (m_syncing || index < 0) return;
        m_c.setCurrency(m_currency->itemData(index).toString());
        sync();
    }));
    connect(m_aggregate, &QCheckBox::toggled, this, ui::guarded(this, [this](bool on) {
        if (m_syncing) return;
        m_c.setAggregate(on);
        sync();
    }));
    connect(m_direction, &QToolButton::clicked, this, ui::guarded(this, [this] { m_c.toggleDirection(); sync(); }));
    connect(collapse, &QToolButton::clicked, this, ui::guarded(this, [this] { m_c.collapseAll(); sync(); }));
    connect(expand, &QToolButton::clicked, this, ui::guarded(this, [this] { m_c.expandAll(); sync(); }));
    connect(m_filter, &QToolButton::clicked, this, ui::guarded(this, [this] { m_c.runFilter(); sync(); }));
    connect(refreshButton, &QToolButton::clicked, this, ui::guarded(this, [this] { refresh(); }));
    connect(m_search, &QLineEdit::textEdited, this, ui::guarded(this, [this](const QString& text) {
        if (m_c.search(text)) sync();
    }));
    connect(m_list, &QTableWidget::currentCellChanged, this, ui::guarded(this, [this](int row, int, int, int) {
        if (m_syncing || row < 0 || row >= int(m_shown.size())) return;
        m_c.setCurrent(m_shown[size_t(row)]);
        sync();
    }));
    connect(m_list, &QTableWidget::cellDoubleClicked, this, ui::guarded(this, [this](int row, int column) {
        if (row < 0 || row >= int(m_shown.size())) return;
        const int at = m_shown[size_t(row)];
        if (column == 0 && m_c.rows()[size_t(at)].hasChildren) m_c.toggleNode(at);
        else m_c.correct();
        sync();
    }));
    connect(m_list->horizontalHeader(), &QHeaderView::sectionClicked, this,
            ui::guarded(this, [this](int column) { sortByColumn(column); }));
    connect(m_pages, &QTabWidget::currentChanged, this, ui::guarded(this, [this](int page) {
        if (m_syncing || page != 1) return;
        m_c.refreshSummary();
        fillSummary();
    }));
    connect(m_print, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.print(); }));
    connect(m_correct, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.correct(); sync(); }));
    connect(m_vat, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.openVat(); }));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void OpeningBalanceWindow::bindKeys() {
    auto key = [this](const QKeySequence& k, std::function<void()> fn) {
        connect(new QShortcut(k, this), &QShortcut::activated, this, ui::guarded(this, std::move(fn)));
    };
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { m_c.serviceFunction(); sync(); });
    key(QKeySequence(Qt::Key_F5), [this] { refresh(); });
    key(QKeySequence(Qt::Key_F7), [this] { m_currency->setFocus(); m_currency->showPopup(); });
    key(QKeySequence(Qt::Key_F8), [this] { m_filter->click(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_W), [this] { m_aggregate->toggle(); });
}

void OpeningBalanceWindow::refresh() {
    if (m_pages->currentIndex() == 1) {
        m_c.refreshSummary();
        fillSummary();
        return;
    }
    m_c.load();
    sync();
}

void OpeningBalanceWindow::sortByColumn(int column) {
    static const std::map<int, SortKey> keys{{0, SortKey::Number},  {1, SortKey::Name},     {4, SortKey::KwotaDt},
                                             {5, SortKey::KwotaCt}, {8, SortKey::KwotaDtW}, {9, SortKey::KwotaCtW}};
    const auto key = keys.find(column);
    if (key == keys.end()) return;
    m_c.sortBy(key->second);
    sync();
}

void OpeningBalanceWindow::sync() {
    m_syncing = true;
    const int currencyAt = m_currency->findData(m_c.currency());
    if (currencyAt >= 0) m_currency->setCurrentIndex(currencyAt);
    m_aggregate->setChecked(m_c.aggregate());
    m_direction->setIcon(icons::byName(m_c.descending() ? QStringLiteral("~up.ico") : QStringLiteral("~down.ico")));
    m_filter->setIcon(icons::byName(m_c.filterIcon()));
    fillList();
    fillTotals();
    m_correct->setEnabled(m_c.correctEnabled());
    m_vat->setEnabled(m_c.vatEnabled());
    m_syncing = false;
}

void OpeningBalanceWindow::fillList() {
    m_shown = m_c.visibleRows();
    m_list->setRowCount(int(m_shown.size()));
    int currentLine = -1;
    for (int line = 0; line < int(m_shown.size()); ++line) {
        const int at = m_shown[size_t(line)];
        const AccountRow& r = m_c.rows()[size_t(at)];
        const QString marker = r.hasChildren ? (m_c.folded(at) ? QStringLiteral("+ ") : QStringLiteral("- "))
                                             : QStringLiteral("  ");
        ui::setCell(m_list, line, 0, QString(2 * (r.level - 1), QChar(' ')) + marker + r.account);
        ui::setCell(m_list, line, 1, r.name);
        const Money amounts[] = {r.saldoDt, r.saldoCt, r.kwotaDt, r.kwotaCt, r.saldoDtW, r.saldoCtW, r.kwotaDtW, r.kwotaCtW};
        for (int c = 0; c < 8; ++c) ui::setCell(m_list, line, 2 + c, amounts[c].toDisplay(), true);
        if (at == m_c.current()) currentLine = line;
    }
    if (currentLine >= 0) m_list->setCurrentCell(currentLine, 0);
}

void OpeningBalanceWindow::fillTotals() {
    const std::vector<TotalLine>& totals = m_c.totals();
    m_totals->setRowCount(int(totals.size()));
    for (int line = 0; line < int(totals.size()); ++line) {
        const TotalLine& t = totals[size_t(line)];
        ui::setCell(m_totals, line, 0, t.label);
        const Money amounts[] = {t.saldoDt, t.saldoCt, t.kwotaDt, t.kwotaCt};
        for (int c = 0; c < 4; ++c) ui::setCell(m_totals, line, 1 + c, amounts[c].toDisplay(), true);
    }
}

void OpeningBalanceWindow::fillSummary() {
    const std::vector<CurrencySum>& rows = m_c.summary();
    m_summary->setRowCount(int(rows.size()));
    for (int line = 0; line < int(rows.size()); ++line) {
        const CurrencySum& s = rows[size_t(line)];
        ui::setCell(m_summary, line, 0, s.symbol);
        ui::setCell(m_summary, line, 1, s.name);
        const Money amounts[] = {s.dt, s.dtW, s.ct, s.ctW};
        for (int c = 0; c < 4; ++c) ui::setCell(m_summary, line, 2 + c, amounts[c].toDisplay(), true);
    }
    const SummaryTotals& t = m_c.summaryTotals();
    m_withDt->setText(t.withOffBalanceDt.toDisplay());
    m_withCt->setText(t.withOffBalanceCt.toDisplay());
    m_withoutDt->setText(t.withoutOffBalanceDt.toDisplay());
    m_withoutCt->setText(t.withoutOffBalanceCt.toDisplay());
}

} // namespace ksiega::openingbalance
