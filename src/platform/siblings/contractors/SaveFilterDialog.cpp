#include "platform/siblings/contractors/SaveFilterDialog.h"
#include "platform/ui/dialogs/Guarded.h"
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ksiega::contractors {

SaveFilterDialog::SaveFilterDialog(SaveFilterController& controller, QWidget* parent)
    : QDialog(parent), m_controller(controller) {
    setObjectName(QStringLiteral("ZAPISZ_FILTR"));
    setWindowTitle(QStringLiteral("Zapisz filtr"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("NAZWA"));
    m_name->setMaxLength(SavedFilters::NAME_LIMIT);
    form->addRow(QStringLiteral("Nazwa filtru:"), m_name);
    auto* expression = new QLabel(controller.expression(), this);
    expression->setObjectName(QStringLiteral("WYRAZENIE"));
    expression->setWordWrap(true);
    expression->setTextFormat(Qt::PlainText);
    form->addRow(QStringLiteral("Wyrażenie:"), expression);
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* save = new QPushButton(QStringLiteral("&Zapisz"), this);
    save->setObjectName(QStringLiteral("B_ZAPISZ"));
    save->setDefault(true);
    auto* close = new QPushButton(QStringLiteral("&Anuluj"), this);
    close->setObjectName(QStringLiteral("CLOSE"));
    buttons->addWidget(save);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, ui::guarded(this, [this] {
        if (m_controller.save(m_name->text(), ui::dialogs())) accept();
    }));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace ksiega::contractors
