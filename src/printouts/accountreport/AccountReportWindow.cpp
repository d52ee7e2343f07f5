#include "printouts/accountreport/AccountReportWindow.h"
#include "frame/SessionContext.h"
#include "ledger/accounts/EntriesFilter.h"
#include "platform/runtime/FilterExpression.h"
#include "platform/ui/dialogs/Dialogs.h"
#include "platform/ui/list/ListViewBinding.h"
#include "platform/ui/list/PagedListModel.h"
#include "printouts/accountreport/RangeDialog.h"
#include <QComboBox>
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
#include <QVBoxLayout>

namespace ksiega::printouts {

namespace {

ui::ListQuery entriesQuery(DateKind kind) {
    using ui::ColumnKind;
    ui::ListQuery q;
    q.source = ledger::entryViewName(session().DANE_CZY_WERSJA_BUDZET != 0);
    q.idColumn = QStringLiteral("id_dokument_pozycja");
    q.columns = {
        {QStringLiteral("nr_ewid_dok"), QStringLiteral("Nr ewidencyjny"), ColumnKind::Text, 25},
        {QStringLiteral("data_biezaca"), QStringLiteral("Data księg."), ColumnKind::Date, 10},
        {QStringLiteral("data_dok_org"), QStringLiteral("Data dok."), ColumnKind::Date, 10},
        {QStringLiteral("kwota_wn"), QStringLiteral("Kwota Dt"), ColumnKind::Money, 14},
        {QStringLiteral("kwota_wn_w"), QStringLiteral("Kwota Dt /wal./"), ColumnKind::Money, 14},
        {QStringLiteral("kwota_ma"), QStringLiteral("Kwota Ct"), ColumnKind::Money, 14},
        {QStringLiteral("kwota_ma_w"), QStringLiteral("Kwota Ct /wal./"), ColumnKind::Money, 14},
        {QStringLiteral("nr_dziennik"), QStringLiteral("Nr w dzienniku"), ColumnKind::Integer, 12},
        {QStringLiteral("nr_dok_org"), QStringLiteral("Nr dokumentu"), ColumnKind::Text, 20},
        {QStringLiteral("data_oper_gosp"), QStringLiteral("Data oper. gosp."), ColumnKind::Date, 10},
        {QStringLiteral("nr_poz_dok"), QStringLiteral("Nr poz."), ColumnKind::Integer, 4},
        {QStringLiteral("opis"), QStringLiteral("Opis pozycji"), ColumnKind::Text, 50},
        {QStringLiteral("id_uzyt_p"), QStringLiteral("Użytkownik"), ColumnKind::Text, 8},
    };
    const QString date = kind == DateKind::Posting ? QStringLiteral("data_biezaca") : QStringLiteral("data_dok_org");
    q.sort = ui::SortOrder::ascending(QStringLiteral("Data"), {date});
    q.filter.where = QStringLiteral("1=0");
    return q;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, const QString& tip = {}) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    if (!tip.isEmpty()) b->setToolTip(tip);
    return b;
}

} // namespace

AccountReportWindow::AccountReportWindow(db::Database& db, std::unique_ptr<AccountReportController> controller, QWidget* parent)
    : QDialog(parent), m_db(db), m_controller(std::move(controller)) {
    setObjectName(QStringLiteral("RAPORT_DLA_KONTA"));
    setWindowTitle(QStringLiteral("Raport z konta"));

    m_ranges = new QListWidget(this);
    m_ranges->setObjectName(QStringLiteral("LIST2"));
    auto* add = button(this, "B_DODAJ_G", QStringLiteral("+"), QStringLiteral("Dodaj nowy zakres dla konta... (Ctrl+Ins)"));
    auto* remove = button(this, "B_USUN_G", QStringLiteral("-"), QStringLiteral("Usuń podświetloną pozycję (Ctrl+Del)"));
    add->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Insert));
    remove->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("NAZWA_K"));
    m_name->setReadOnly(true);

    m_entries = new QTableView(this);
    m_entries->setObjectName(QStringLiteral("LIST1"));
    m_model = new ui::PagedListModel(db, entriesQuery(m_controller->dateKind()), this);
    m_entries->setModel(m_model);
    new ui::ListViewBinding(*m_entries, *m_model);

    auto* sheet = new QTabWidget(this);
    sheet->setObjectName(QStringLiteral("SHEET1"));
    m_summary = new QTableWidget(3, 9, this);
    m_summary->setObjectName(QStringLiteral("LIST6"));
    m_summary->setHorizontalHeaderLabels({QString(), QStringLiteral("Obroty Dt"), QStringLiteral("Saldo Dt"),
                                          QStringLiteral("Obroty Ct"), QStringLiteral("Saldo Ct"),
                                          QStringLiteral("Obroty Dt /wal./"), QStringLiteral("Saldo Dt /wal./"),
                                          QStringLiteral("Obroty Ct /wal./"), QStringLiteral("Saldo Ct /wal./")});
    m_summary->verticalHeader()->hide();
    m_summary->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* document = new QTableWidget(0, 4, this);
    document->setObjectName(QStringLiteral("LIST7"));
    sheet->addTab(m_summary, QStringLiteral("&Podsumowanie"));
    sheet->addTab(document, QStringLiteral("&Dokument księgowy"));

    m_byDocument = new QRadioButton(QStringLiteral("wg daty d&okumentu"), this);
    m_byDocument->setObjectName(QStringLiteral("RODZAJ_DATY"));
    m_byPosting = new QRadioButton(QStringLiteral("wg daty &księgowania"), this);
    (m_controller->dateKind() == DateKind::Posting ? m_byPosting : m_byDocument)->setChecked(true);

    m_currency = new QComboBox(this);
    m_currency->setObjectName(QStringLiteral("WAL:SYM_WALUTY"));
    {
        db::Rows r = db.select(QStringLiteral("select sym_waluty from WALUTY order by sym_waluty limit 200"));
        while (r.next()) m_currency->addItem(r.text(0));
    }
    m_currency->setCurrentText(m_controller->currency());

    auto* refreshButton = button(this, "B_REFRESZ", QStringLiteral("Odśwież"), QStringLiteral("Odśwież (F5)"));
    refreshButton->setShortcut(QKeySequence(Qt::Key_F5));
    auto* show = button(this, "B_POKAZ", QStringLiteral("Dokument"));
    show->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F2));
    show->setEnabled(false);   // the document window is opened from the ledger browse
    auto* print = button(this, "B_DRUKUJ", QStringLiteral("Drukuj"));
    auto* close = button(this, "CLOSE", QStringLiteral("Zamknij"));
    close->setShortcut(QKeySequence(Qt::Key_Escape));

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
    right->addWidget(m_entries, 3);
    right->addWidget(sheet, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(refreshButton);
    bottom->addStretch();
    bottom->addWidget(show);
    bottom->addWidget(print);
    bottom->addWidget(close);
    right->addLayout(bottom);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 4);

    connect(add, &QPushButton::clicked, this, &AccountReportWindow::addRange);
    connect(remove, &QPushButton::clicked, this, &AccountReportWindow::removeRange);
    connect(m_ranges, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0 || row == m_controller->currentIndex()) return;
        m_controller->setCurrent(row);
        refresh();
    });
    connect(m_ranges, &QListWidget::itemDoubleClicked, this, [this] { editRange(); });
    connect(m_byPosting, &QRadioButton::toggled, this, [this](bool on) {
        m_controller->setDateKind(on ? DateKind::Posting : DateKind::Document);
        refresh();
    });
    connect(m_currency, &QComboBox::currentTextChanged, this, [this](const QString& c) {
        m_controller->setCurrency(c);
        refresh();
    });
    connect(refreshButton, &QPushButton::clicked, this, &AccountReportWindow::refresh);
    connect(print, &QPushButton::clicked, this, &AccountReportWindow::printReport);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
}

AccountReportWindow::~AccountReportWindow() = default;

void AccountReportWindow::fillRanges() {
    QSignalBlocker block(m_ranges);
    m_ranges->clear();
    for (const AccountRange& r : m_controller->ranges()) m_ranges->addItem(r.text());
    m_ranges->setCurrentRow(m_controller->currentIndex());
}

void AccountReportWindow::fillSummary() {
    const CashSummary s = m_controller->summary();
    int row = 0;
    for (const SummaryRow* r : {&s.carriedIn, &s.total, &s.carriedOut}) {
        const Money values[] = {r->obrotyDt, r->saldoDt, r->obrotyCt, r->saldoCt, r->obrotyDtW, r->saldoDtW, r->obrotyCtW, r->saldoCtW};
        m_summary->setItem(row, 0, new QTableWidgetItem(r->label));
        for (int c = 0; c < 8; ++c) {
            auto* item = new QTableWidgetItem(values[c].toDisplay());
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_summary->setItem(row, c + 1, item);
        }
        ++row;
    }
}

void AccountReportWindow::refresh() {
    fillRanges();
    m_name->setText(m_controller->accountName());
    ui::ListQuery q = entriesQuery(m_controller->dateKind());
    const QString filter = m_controller->entryFilter();
    const FilterTranslation t = translateFilter(filter);
    q.filter.where = filter.isEmpty() || !t.ok() ? QStringLiteral("1=0") : t.where;
    m_model->setQuery(q);
    ui::BusyCursor busy;
    fillSummary();
}

void AccountReportWindow::addRange() {
    RangeDialog dialog(std::make_unique<RangeDialogController>(m_db, nullptr, m_controller->dateKind()), this);
    if (dialog.exec() != QDialog::Accepted) return;
    m_controller->addRange(dialog.controller().result());
    m_controller->setDateKind(dialog.controller().dateKind());
    QSignalBlocker block(m_byPosting);
    (m_controller->dateKind() == DateKind::Posting ? m_byPosting : m_byDocument)->setChecked(true);
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

void AccountReportWindow::printReport() {
    const int row = m_entries->currentIndex().isValid() ? m_entries->currentIndex().row() : -1;
    const int64_t entry = row >= 0 ? m_model->idAt(row) : 0;
    ui::BusyCursor busy;
    // The printout follows the list: ordered by the dates of the chosen kind.
    m_controller->print(entry, m_controller->dateKind() == DateKind::Posting ? 1 : 2, false);
}

} // namespace ksiega::printouts
