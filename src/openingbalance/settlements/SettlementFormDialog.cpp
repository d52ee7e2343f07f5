#include "openingbalance/settlements/SettlementFormDialog.h"
#include "platform/runtime/EnteredAmount.h"
#include "openingbalance/settlements/SettlementTexts.h"
#include "platform/runtime/Date.h"
#include "platform/ui/dialogs/Guarded.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <functional>
#include <memory>

namespace ksiega::openingbalance {

namespace {

int parseDay(const QString& text) {
    const QDate d = QDate::fromString(text.trimmed(), QStringLiteral("dd-MM-yyyy"));
    return d.isValid() ? date::fromQDate(d) : 0;
}

// The amount typed, or `previous` when the text is not an amount.
Money parseAmount(const QString& text, Money previous) {
    if (text.trimmed().isEmpty()) return Money();
    return parseEnteredAmount(text).value_or(previous);
}

} // namespace

SettlementFormDialog::SettlementFormDialog(SettlementFormController& controller, QWidget* parent)
    : QDialog(parent), m_c(controller) {
    setObjectName(QStringLiteral("ROZRACHUNKI"));
    setWindowTitle(m_c.caption());
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);

    m_symbol = addLine("K:SYMBOL", SettlementFormController::SYMBOL_LENGTH);
    form->addRow(QStringLiteral("Symbol"), m_symbol);
    auto* opisRow = new QHBoxLayout;
    m_opis = addLine("K:OPIS", SettlementFormController::DESCRIPTION_LENGTH);
    opisRow->addWidget(m_opis, 1);
    opisRow->addWidget(addButton("B_OPIS", QStringLiteral("...")));
    form->addRow(QStringLiteral("Opis"), opisRow);

    auto* dataRow = new QHBoxLayout;
    m_data = addLine("K:DATA", 10);
    dataRow->addWidget(m_data, 1);
    QPushButton* dataButton = addButton("B_KALENDARZ_DATA", QStringLiteral("..."));
    dataRow->addWidget(dataButton);
    form->addRow(QStringLiteral("Data dokumentu"), dataRow);

    m_rodzaj = new QComboBox(this);
    m_rodzaj->setObjectName(QStringLiteral("ROD:NAZWA"));
    m_rodzaj->addItems(settlementKindTexts());
    form->addRow(QStringLiteral("Rodzaj"), m_rodzaj);

    auto* terminRow = new QHBoxLayout;
    m_days = new QSpinBox(this);
    m_days->setObjectName(QStringLiteral("TERMIN"));
    m_days->setRange(-SettlementFormController::MAX_DAYS, SettlementFormController::MAX_DAYS);
    m_days->setButtonSymbols(QAbstractSpinBox::NoButtons);
    terminRow->addWidget(m_days);
    m_termin = addLine("K:TERMIN", 10);
    terminRow->addWidget(m_termin, 1);
    m_terminButton = addButton("B_KALENDARZ_TERMIN", QStringLiteral("..."));
    terminRow->addWidget(m_terminButton);
    form->addRow(QStringLiteral("Termin płatności"), terminRow);

    m_strona = new QComboBox(this);
    m_strona->setObjectName(QStringLiteral("K:STRONA"));
    m_strona->addItems({QStringLiteral("Dt"), QStringLiteral("Ct")});
    form->addRow(QStringLiteral("Strona dekretu"), m_strona);
    m_kwota = addLine("K:KWOTA", 20);
    m_kwota->setAlignment(Qt::AlignRight);
    form->addRow(QStringLiteral("Kwota"), m_kwota);
    m_kwotaW = addLine("K:KWOTA_W", 20);
    m_kwotaW->setAlignment(Qt::AlignRight);
    form->addRow(QStringLiteral("Kwota w walucie"), m_kwotaW);
    m_korekta = new QCheckBox(QStringLiteral("Korekta"), this);
    m_korekta->setObjectName(QStringLiteral("K:KOREKTA"));
    form->addRow(QString(), m_korekta);

    auto* markRow = new QHBoxLayout;
    m_markLabel = new QLabel(m_c.transactionLabel(), this);
    m_markLabel->setObjectName(QStringLiteral("STR_TRANSAKCJA"));
    m_mark = addLine("K:ZNACZNIK_TRANSAKCJI", SettlementFormController::MARK_LENGTH);
    markRow->addWidget(m_mark, 1);
    m_classification = addButton("B_KLASYFIKACJA_BT", QStringLiteral("..."));
    markRow->addWidget(m_classification);
    m_classificationSymbol = new QLabel(this);
    m_classificationSymbol->setObjectName(QStringLiteral("KLASYFIKACJA_SYMBOL"));
    markRow->addWidget(m_classificationSymbol);
    form->addRow(m_markLabel, markRow);
    m_hidden = new QCheckBox(QStringLiteral("Ukryj rozrachunek w systemie magazynowym"), this);
    m_hidden->setObjectName(QStringLiteral("K:APLIKACJA_STATUS"));
    form->addRow(QString(), m_hidden);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* save = addButton("B_ZAPISZ", QStringLiteral("Zapisz"));
    save->setShortcut(QKeySequence(Qt::Key_F10));
    save->setDefault(true);
    QPushButton* cancel = addButton("B_ANULUJ", QStringLiteral("Anuluj"));
    cancel->setShortcut(QKeySequence(Qt::Key_Escape));
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    const bool marks = m_c.transactionMarkEnabled();
    m_markLabel->setEnabled(marks);
    m_mark->setEnabled(marks);
    m_classification->setEnabled(marks);
    m_classification->setVisible(m_c.classificationVisible());
    m_classificationSymbol->setVisible(m_c.classificationVisible());

    auto on = [this](auto* sender, auto signal, std::function<void()> handler) {
        connect(sender, signal, this, ui::guarded(this, [this, handler] {
            handler();
            redisplay();
        }));
    };
    on(m_symbol, &QLineEdit::editingFinished, [this] { m_c.setSymbol(m_symbol->text()); });
    on(m_opis, &QLineEdit::editingFinished, [this] { m_c.setDescription(m_opis->text()); });
    on(m_data, &QLineEdit::editingFinished, [this] { m_c.setDocumentDate(parseDay(m_data->text())); });
    on(m_termin, &QLineEdit::editingFinished, [this] { m_c.setDueDate(parseDay(m_termin->text())); });
    on(m_days, &QSpinBox::editingFinished, [this] { m_c.setDays(m_days->value()); });
    on(m_rodzaj, &QComboBox::currentTextChanged, [this] { m_c.setKind(settlementKindCode(m_rodzaj->currentText())); });
    on(m_strona, &QComboBox::currentTextChanged, [this] { m_c.setSide(sideCode(m_strona->currentText())); });
    on(m_kwota, &QLineEdit::editingFinished, [this] { m_c.setAmount(parseAmount(m_kwota->text(), m_c.working().kwota)); });
    on(m_kwotaW, &QLineEdit::editingFinished,
       [this] { m_c.setCurrencyAmount(parseAmount(m_kwotaW->text(), m_c.working().kwotaW)); });
    on(m_korekta, &QCheckBox::toggled, [this] { m_c.setCorrection(m_korekta->isChecked()); });
    on(m_mark, &QLineEdit::editingFinished, [this] { m_c.setTransactionMark(m_mark->text()); });
    on(m_hidden, &QCheckBox::toggled, [this] { m_c.setHiddenInWarehouse(m_hidden->isChecked()); });
    on(findChild<QPushButton*>(QStringLiteral("B_OPIS")), &QPushButton::clicked, [this] { m_c.chooseDescription(this); });
    on(dataButton, &QPushButton::clicked, [this] { m_c.chooseDocumentDate(); });
    on(m_terminButton, &QPushButton::clicked, [this] { m_c.chooseDueDate(); });
    on(m_classification, &QPushButton::clicked, [this] { m_c.chooseClassification(); });
    connect(save, &QPushButton::clicked, this, ui::guarded(this, [this] {
        // What is being typed counts, as if the field had been left.
        if (QWidget* focus = focusWidget()) focus->clearFocus();
        if (m_c.save()) accept();
        else redisplay();
    }));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    redisplay();
}

QLineEdit* SettlementFormDialog::addLine(const char* name, int maxLength) {
    auto* line = new QLineEdit(this);
    line->setObjectName(QString::fromLatin1(name));
    line->setMaxLength(maxLength);
    return line;
}

QPushButton* SettlementFormDialog::addButton(const char* name, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

void SettlementFormDialog::redisplay() {
    const server::OpeningSettlement& s = m_c.working();
    const QList<QWidget*> all{m_symbol, m_opis, m_data, m_rodzaj, m_days, m_termin, m_strona,
                              m_kwota,  m_kwotaW, m_korekta, m_mark, m_hidden};
    std::vector<std::unique_ptr<QSignalBlocker>> blocks;
    for (QWidget* w : all) blocks.push_back(std::make_unique<QSignalBlocker>(w));
    m_symbol->setText(s.symbol);
    m_opis->setText(s.opis);
    m_data->setText(date::toDisplay(s.dataDok));
    m_rodzaj->setCurrentText(settlementKindText(s.rodzaj));
    m_days->setValue(m_c.days());
    m_termin->setText(date::toDisplay(s.terminPlatnosci));
    m_termin->setEnabled(m_c.dueDateEditable());
    m_terminButton->setEnabled(m_c.dueDateEditable());
    m_days->setEnabled(m_c.dueDateEditable());
    m_strona->setCurrentIndex(s.strona.isEmpty() ? -1 : (sideText(s.strona) == QLatin1String("Ct") ? 1 : 0));
    m_kwota->setText(s.kwota.toDisplay());
    m_kwotaW->setText(s.kwotaW.toDisplay());
    m_korekta->setChecked(s.korekta);
    m_mark->setText(s.znacznikTransakcji);
    m_hidden->setChecked(s.aplikacjaStatus != 0);
    m_classificationSymbol->setText(m_c.classificationSymbol());
}

} // namespace ksiega::openingbalance
