#include "platform/siblings/statements/StatementChooserDialog.h"
#include "platform/ui/dialogs/Guarded.h"
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ksiega::statements {

StatementChooserDialog::StatementChooserDialog(StatementChooserController& controller, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Zestawienia"));
    auto* list = new QListWidget(this);
    list->setObjectName(QStringLiteral("LIST1"));
    for (const Statement& s : controller.statements()) list->addItem(s.name);
    list->setCurrentRow(controller.current());
    auto* print = new QPushButton(QStringLiteral("&Drukuj"), this);
    print->setObjectName(QStringLiteral("OK"));
    print->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Anuluj"), this);
    cancel->setObjectName(QStringLiteral("CANCEL"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addLayout(buttons);

    connect(list, &QListWidget::currentRowChanged, this, ui::guarded(this, [&controller](int row) { controller.setCurrent(row); }));
    connect(list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(print, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace ksiega::statements
