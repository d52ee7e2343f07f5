#include "settlements/shared/ChoiceWidgets.h"
#include "platform/runtime/Date.h"
#include "platform/ui/dialogs/Guarded.h"
#include "settlements/shared/SettlementTexts.h"
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace ksiega::settlements {

namespace {

// "dd-mm-yyyy" (or ISO) to a day number; 0 for anything else.
int parseDay(const QString& text) {
    const QString t = text.trimmed();
    const QDate d = QDate::fromString(t, QStringLiteral("dd-MM-yyyy"));
    if (d.isValid()) return date::fromQDate(d);
    return date::parseIso(t).value_or(0);
}

} // namespace

ChoiceWidgets::ChoiceWidgets(SettlementChoiceController& controller, QDialog* window)
    : QObject(window), m_c(controller), m_window(window) {}

QWidget* ChoiceWidgets::optionsBox(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* grid = new QGridLayout(box);
    m_saldo = new QCheckBox(texts::SALDO_NA_DZIEN, box);
    m_saldo->setObjectName(QStringLiteral("SALDO_NA_DZIEN"));
    m_date = new QLineEdit(box);
    m_date->setObjectName(QStringLiteral("DATA_SALDA_NA_DZIEN"));
    m_date->setMaxLength(10);
    m_date->setFixedWidth(90);
    m_calendar = new QToolButton(box);
    m_calendar->setObjectName(QStringLiteral("B_DATA_SALDA_NA_DZIEN"));
    m_calendar->setText(QStringLiteral("..."));
    grid->addWidget(m_saldo, 0, 0);
    grid->addWidget(m_date, 0, 1);
    grid->addWidget(m_calendar, 0, 2);
    m_skojarzone = new QCheckBox(texts::WYBIERZ_SKOJARZONE, box);
    m_skojarzone->setObjectName(QStringLiteral("WYBIERZ_SKOJARZONE"));
    m_ogranicz = new QCheckBox(texts::OGRANICZ_WIDOK, box);
    m_ogranicz->setObjectName(QStringLiteral("OGRANICZ_WIDOK"));
    grid->addWidget(m_skojarzone, 1, 0, 1, 3);
    grid->addWidget(m_ogranicz, 2, 0, 1, 3);
    grid->setColumnStretch(3, 1);

    connect(m_saldo, &QCheckBox::toggled, this, ui::guarded(m_window, [this](bool on) {
        if (!m_syncing) m_c.setSaldoNaDzien(on);
    }));
    connect(m_date, &QLineEdit::editingFinished, this, ui::guarded(m_window, [this] {
        if (!m_syncing) m_c.setDataSalda(parseDay(m_date->text()));
    }));
    connect(m_calendar, &QToolButton::clicked, this, ui::guarded(m_window, [this] { m_c.pickBalanceDate(); }));
    connect(m_skojarzone, &QCheckBox::toggled, this, ui::guarded(m_window, [this](bool on) {
        if (!m_syncing) m_c.setWybierzSkojarzone(on);
    }));
    connect(m_ogranicz, &QCheckBox::toggled, this, ui::guarded(m_window, [this](bool on) {
        if (!m_syncing) m_c.setOgraniczWidok(on);
    }));
    return box;
}

QWidget* ChoiceWidgets::listBox(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    auto* choose = new QPushButton(texts::WYBIERZ, box);
    choose->setObjectName(QStringLiteral("B_WYBIERZ"));
    choose->setAutoDefault(false);
    auto* top = new QHBoxLayout;
    top->addWidget(choose);
    top->addStretch();
    layout->addLayout(top);
    m_model = new ChosenListModel(m_c.chosen(), this);
    m_list = new QTableView(box);
    m_list->setObjectName(QStringLiteral("LIST2"));
    m_list->setModel(m_model);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->verticalHeader()->hide();
    const QList<int> widths{20, 80, 60, 41, 55, 55, 55, 55, 27, 200};
    for (int i = 0; i < widths.size(); ++i) m_list->setColumnWidth(i, widths[i] * 2);
    m_list->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_list, 1);
    m_totals = new QLabel(box);
    m_totals->setObjectName(QStringLiteral("SUMA"));
    layout->addWidget(m_totals);
    connect(choose, &QPushButton::clicked, this, ui::guarded(m_window, [this] { m_c.chooseSettlements(); }));
    return box;
}

QWidget* ChoiceWidgets::resultBox(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    auto* heading = new QLabel(texts::RAPORT, box);
    QFont f = heading->font();
    f.setBold(true);
    heading->setFont(f);
    layout->addWidget(heading);
    m_result = new QPlainTextEdit(box);
    m_result->setObjectName(QStringLiteral("RAPORT"));
    m_result->setReadOnly(true);
    layout->addWidget(m_result, 1);
    auto* print = new QPushButton(texts::DRUKUJ, box);
    print->setObjectName(QStringLiteral("B_DRUKUJ"));
    print->setAutoDefault(false);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(print);
    layout->addLayout(row);
    connect(print, &QPushButton::clicked, this, ui::guarded(m_window, [this] { m_c.printResult(); }));
    return box;
}

QWidget* ChoiceWidgets::buttonRow(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    m_wait = new QLabel(box);
    m_wait->setObjectName(QStringLiteral("STR_CZEKAJ"));
    row->addWidget(m_wait, 1);
    m_back = new QPushButton(texts::WSTECZ, box);
    m_back->setObjectName(QStringLiteral("B_WSTECZ"));
    m_back->setAutoDefault(false);
    auto* close = new QPushButton(texts::ZAMKNIJ, box);
    close->setObjectName(QStringLiteral("CLOSE"));
    close->setAutoDefault(false);
    m_ok = new QPushButton(texts::DALEJ, box);
    m_ok->setObjectName(QStringLiteral("B_OK"));
    m_ok->setDefault(true);
    row->addWidget(m_back);
    row->addWidget(close);
    row->addWidget(m_ok);
    auto* backKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Left), m_window);
    connect(backKey, &QShortcut::activated, m_back, [this] {
        if (m_back->isEnabled()) m_back->click();
    });
    auto* okKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Right), m_window);
    connect(okKey, &QShortcut::activated, m_ok, [this] {
        if (m_ok->isEnabled()) m_ok->click();
    });
    connect(m_back, &QPushButton::clicked, this, ui::guarded(m_window, [this] { m_c.back(); }));
    connect(m_ok, &QPushButton::clicked, this, ui::guarded(m_window, [this] { m_c.next(); }));
    connect(close, &QPushButton::clicked, m_window, &QDialog::reject);
    return box;
}

void ChoiceWidgets::sync() {
    m_syncing = true;
    if (m_saldo) {
        m_saldo->setVisible(m_c.balanceControlsVisible());
        m_date->setVisible(m_c.balanceControlsVisible());
        m_calendar->setVisible(m_c.balanceControlsVisible());
        m_saldo->setChecked(m_c.saldoNaDzien());
        m_date->setEnabled(m_c.dateEnabled());
        m_calendar->setEnabled(m_c.dateEnabled());
        if (!m_date->hasFocus()) m_date->setText(date::toDisplay(m_c.dataSalda()));
        m_skojarzone->setChecked(m_c.wybierzSkojarzone());
        m_ogranicz->setChecked(m_c.ograniczWidok());
        m_ogranicz->setEnabled(m_c.ograniczEnabled());
    }
    if (m_model) {
        m_model->refresh();
        const ChosenTotals& t = m_c.chosen().totals();
        m_totals->setText(QStringLiteral("%1: %2    %3: %4    %5: %6    %7: %8    %9: %10")
                              .arg(QStringLiteral("Razem"), QString::number(t.count), texts::COL_KWOTA_DT, t.kwotaWn.toDisplay(),
                                   texts::COL_SALDO_DT, t.saldoWn.toDisplay(), texts::COL_KWOTA_CT, t.kwotaMa.toDisplay())
                              .arg(texts::COL_SALDO_CT, t.saldoMa.toDisplay()));
    }
    if (m_result) m_result->setPlainText(m_c.resultPage().text());
    if (m_ok) {
        m_wait->setText(m_c.waitText());
        m_wait->setVisible(!m_c.waitText().isEmpty());
        m_back->setEnabled(m_c.backEnabled());
        m_ok->setText(m_c.okLabel());
        m_ok->setEnabled(m_c.okEnabled());
    }
    m_syncing = false;
}

} // namespace ksiega::settlements
