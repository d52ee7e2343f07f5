#include "budget/reports/ParamPrnBtDialog.h"
#include "platform/runtime/Date.h"
#include "platform/ui/dialogs/Dialogs.h"
#include "platform/ui/dialogs/Guarded.h"
#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ksiega::budget {

namespace {
QDateEdit* dateEdit(const QString& name, int day, QWidget* parent) {
    auto* e = new QDateEdit(date::toQDate(day), parent);
    e->setObjectName(name);
    e->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    e->setCalendarPopup(true);
    return e;
}
} // namespace

QButtonGroup* ParamPrnBtDialog::options(QGroupBox* box, const QStringList& texts, int checked) {
    auto* group = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    for (int i = 0; i < texts.size(); ++i) {
        auto* b = new QRadioButton(texts[i], box);
        b->setObjectName(box->objectName() + '_' + QString::number(i + 1));
        b->setChecked(i == checked);
        group->addButton(b, i);
        layout->addWidget(b);
    }
    return group;
}

ParamPrnBtDialog::ParamPrnBtDialog(ParamPrnBtController& c, QWidget* parent) : QDialog(parent), m_controller(c) {
    setObjectName(QStringLiteral("PARAM_PRN_BT"));
    setWindowTitle(QStringLiteral("Parametry drukowania"));
    auto* layout = new QVBoxLayout(this);
    auto* tabs = new QTabWidget(this);
    layout->addWidget(tabs);

    auto* basic = new QWidget(tabs);
    auto* b = new QVBoxLayout(basic);
    auto* rangeBox = new QGroupBox(QStringLiteral("Zakres wydruku"), basic);
    rangeBox->setObjectName(QStringLiteral("DANE_ZAKRES_PRN"));
    m_range = options(rangeBox, {QStringLiteral("Wszystkie"), QStringLiteral("Zaznaczone"), QStringLiteral("Pojedynczy")}, c.range);
    b->addWidget(rangeBox);

    auto* variant = new QGroupBox(QStringLiteral("Wariant"), basic);
    auto* v = new QVBoxLayout(variant);
    auto* basisBox = new QGroupBox(variant);
    basisBox->setObjectName(QStringLiteral("BT_PRN_KONTEKST_DATY"));
    m_basis = options(basisBox, {QStringLiteral("wg daty księgowania dokumentu"), QStringLiteral("wg daty dokumentu")},
                      c.settings().BT_PRN_KONTEKST_DATY ? 1 : 0);
    v->addWidget(basisBox);
    auto* dates = new QHBoxLayout;
    m_from = dateEdit(QStringLiteral("BT_PRN_DATA_OD"), c.settings().BT_PRN_DATA_OD, variant);
    m_to = dateEdit(QStringLiteral("BT_PRN_DATA_DO"), c.settings().BT_PRN_DATA_DO, variant);
    dates->addWidget(m_from);
    dates->addWidget(new QLabel(QStringLiteral(".."), variant));
    dates->addWidget(m_to);
    v->addLayout(dates);
    m_subtotals = new QCheckBox(QStringLiteral("Drukuj podsumowania analityk"), variant);
    m_subtotals->setObjectName(QStringLiteral("BT_PRN_CZY_SYNTETYKI"));
    m_subtotals->setChecked(c.settings().BT_PRN_CZY_SYNTETYKI);
    v->addWidget(m_subtotals);
    m_plan = new QCheckBox(QStringLiteral("Drukuj klasyfikację budżetową z planu budżetu"), variant);
    m_plan->setObjectName(QStringLiteral("BT_PRN_CZY_PLAN"));
    m_plan->setChecked(c.settings().BT_PRN_CZY_PLAN);
    v->addWidget(m_plan);
    m_accountsBox = new QGroupBox(QStringLiteral("Drukuj dodatkowo klasyfikację budżetową z planu budżetu,\n"
                                                 "jeżeli nie występują dla niej dekrety"),
                                  variant);
    m_accountsBox->setObjectName(QStringLiteral("BT_PRN_CZY_KONTA_KSIEGOWE"));
    m_accounts = options(m_accountsBox, {QStringLiteral("właściwości budżetowe"), QStringLiteral("konta księgowe")},
                         c.settings().BT_PRN_CZY_KONTA_KSIEGOWE ? 1 : 0);
    v->addWidget(m_accountsBox);
    m_levelBox = new QGroupBox(variant);
    m_levelBox->setObjectName(QStringLiteral("BT_PRN_POZIOM"));
    m_level = options(m_levelBox,
                      {QStringLiteral("Dział"), QStringLiteral("Dział+rozdział"), QStringLiteral("Dział+rozdział+paragraf"),
                       QStringLiteral("Dział+rozdział+paragraf+subanalityka")},
                      c.settings().BT_PRN_POZIOM - 1);
    v->addWidget(m_levelBox);
    b->addWidget(variant);

    auto* extra = new QGroupBox(QStringLiteral("Dodatkowe"), basic);
    auto* form = new QFormLayout(extra);
    m_heading = new QLineEdit(c.heading, extra);
    m_heading->setObjectName(QStringLiteral("DANE_NAGLOWEK_WYDRUKU"));
    m_heading->setMaxLength(ParamPrnBtController::kHeadingLength);
    form->addRow(QStringLiteral("Nagłówek"), m_heading);
    m_description = new QPlainTextEdit(c.description, extra);
    m_description->setObjectName(QStringLiteral("OPIS"));
    form->addRow(QStringLiteral("Opis"), m_description);
    m_printDate = dateEdit(QStringLiteral("DANE_DATA_WYDRUKU"), c.printDate, extra);
    form->addRow(QStringLiteral("Data wydruku"), m_printDate);
    m_wrap = new QCheckBox(QStringLiteral("Zawijaj wiersze"), extra);
    m_wrap->setObjectName(QStringLiteral("BT_PRN_ZAWIJAJ_WIERSZE"));
    m_wrap->setChecked(c.wrap);
    form->addRow(m_wrap);
    b->addWidget(extra);
    tabs->addTab(basic, QStringLiteral("&Podstawowe"));

    auto* printer = new QWidget(tabs);
    auto* p = new QFormLayout(printer);
    p->addRow(new QLabel(QStringLiteral("Ustawienia drukarki"), printer));
    m_printer = new QLineEdit(c.printerName, printer);
    m_printer->setObjectName(QStringLiteral("NAZWA_DRUKARKI"));
    auto* choose = new QPushButton(QStringLiteral("..."), printer);
    choose->setObjectName(QStringLiteral("B_DRUKARKA"));
    choose->setToolTip(QStringLiteral("Wybierz drukarkę"));
    auto* printerRow = new QHBoxLayout;
    printerRow->addWidget(m_printer);
    printerRow->addWidget(choose);
    p->addRow(QStringLiteral("Drukarka"), printerRow);
    connect(choose, &QPushButton::clicked, this, [this] {
        QPrinter device;
        device.setPrinterName(m_printer->text());
        QPrintDialog chooser(&device, this);
        chooser.setWindowTitle(QStringLiteral("Wybierz drukarkę"));
        if (chooser.exec() == QDialog::Accepted) m_printer->setText(device.printerName());
    });
    m_copies = new QSpinBox(printer);
    m_copies->setObjectName(QStringLiteral("ILOSC_KOPII"));
    m_copies->setRange(1, 255);
    m_copies->setValue(c.copies);
    p->addRow(QStringLiteral("Ilość kopii"), m_copies);
    tabs->addTab(printer, QStringLiteral("&Drukarka"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* print = new QPushButton(QStringLiteral("Drukuj"), this);
    print->setObjectName(QStringLiteral("DRUKUJ"));
    print->setShortcut(QKeySequence(Qt::Key_F10));
    auto* preview = new QPushButton(QStringLiteral("Podgląd"), this);
    preview->setObjectName(QStringLiteral("PODGLAD"));
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel->setObjectName(QStringLiteral("CLOSE"));
    // What a saved report table would hold is not settled; the button is offered but idle.
    auto* toTable = new QPushButton(QStringLiteral("Zapisz raport do tabeli"), this);
    toTable->setObjectName(QStringLiteral("ZAPISZ_DO_TABELI"));
    toTable->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    toTable->setEnabled(false);
    for (auto* button : {print, preview, toTable, cancel}) buttons->addWidget(button);
    layout->addLayout(buttons);

    connect(m_subtotals, &QCheckBox::toggled, this, [this](bool on) {
        m_controller.setSubtotals(on);
        refresh();
    });
    connect(print, &QPushButton::clicked, this, ui::guarded(this, [this] { finish(true); }));
    connect(preview, &QPushButton::clicked, this, ui::guarded(this, [this] { finish(false); }));
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_result = m_controller.cancel();
        reject();
    });
    refresh();
}

void ParamPrnBtDialog::refresh() {
    m_levelBox->setEnabled(m_controller.levelEnabled());
    if (auto* button = m_level->button(m_controller.settings().BT_PRN_POZIOM - 1)) button->setChecked(true);
    m_accountsBox->setVisible(m_controller.accountsOptionVisible());
}

void ParamPrnBtDialog::finish(bool toPrinter) {
    ParamPrnBtController& c = m_controller;
    BudgetPrintSettings& s = c.settings();
    c.range = uint8_t(std::max(0, m_range->checkedId()));
    s.BT_PRN_KONTEKST_DATY = m_basis->checkedId() == 1 ? 1 : 0;
    s.BT_PRN_DATA_OD = date::fromQDate(m_from->date());
    s.BT_PRN_DATA_DO = date::fromQDate(m_to->date());
    s.BT_PRN_CZY_PLAN = m_plan->isChecked();
    s.BT_PRN_CZY_KONTA_KSIEGOWE = m_accounts->checkedId() == 1 ? 1 : 0;
    c.setSubtotals(m_subtotals->isChecked());
    if (c.levelEnabled()) s.BT_PRN_POZIOM = std::max(0, m_level->checkedId()) + 1;
    c.heading = m_heading->text();
    c.description = m_description->toPlainText();
    c.printDate = date::fromQDate(m_printDate->date());
    c.wrap = m_wrap->isChecked();
    c.printerName = m_printer->text();
    c.copies = m_copies->value();
    m_result = c.print(toPrinter);
    if (m_result == 1) accept();
    else ui::dialogs().information(c.error());
}

} // namespace ksiega::budget
