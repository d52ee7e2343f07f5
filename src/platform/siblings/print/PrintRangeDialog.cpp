#include "platform/siblings/print/PrintRangeDialog.h"
#include "platform/ui/dialogs/Guarded.h"
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ksiega::print {

PrintRangeDialog::PrintRangeDialog(PrintRangeController& controller, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Parametry wydruku"));
    auto* layout = new QVBoxLayout(this);

    auto* rangeBox = new QGroupBox(QStringLiteral("Zakres"), this);
    auto* rangeLayout = new QVBoxLayout(rangeBox);
    auto* ranges = new QButtonGroup(this);
    const QStringList names = PrintRangeController::rangeNames();
    for (int i = 0; i < names.size(); ++i) {
        auto* b = new QRadioButton(names[i], rangeBox);
        b->setObjectName(QStringLiteral("ZAKRES_%1").arg(i));
        b->setChecked(i == controller.range());
        ranges->addButton(b, i);
        rangeLayout->addWidget(b);
    }
    layout->addWidget(rangeBox);

    auto* deviceBox = new QGroupBox(QStringLiteral("Wydruk na"), this);
    auto* deviceLayout = new QHBoxLayout(deviceBox);
    auto* screen = new QRadioButton(QStringLiteral("Ekran"), deviceBox);
    screen->setObjectName(QStringLiteral("EKRAN"));
    auto* printer = new QRadioButton(QStringLiteral("Drukarka"), deviceBox);
    printer->setObjectName(QStringLiteral("DRUKARKA"));
    (controller.toPrinter() ? printer : screen)->setChecked(true);
    deviceLayout->addWidget(screen);
    deviceLayout->addWidget(printer);
    layout->addWidget(deviceBox);

    auto* copiesRow = new QHBoxLayout;
    copiesRow->addWidget(new QLabel(QStringLiteral("Ilość kopii"), this));
    auto* copies = new QSpinBox(this);
    copies->setObjectName(QStringLiteral("NUMCOPY"));
    copies->setRange(1, MAX_COPIES);
    copies->setValue(controller.copies());
    copiesRow->addWidget(copies);
    layout->addLayout(copiesRow);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("&Drukuj"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Anuluj"), this);
    cancel->setObjectName(QStringLiteral("CANCEL"));
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(ranges, &QButtonGroup::idClicked, this, ui::guarded(this, [&controller](int id) { controller.setRange(id); }));
    connect(printer, &QRadioButton::toggled, this, ui::guarded(this, [&controller](bool on) { controller.setToPrinter(on); }));
    connect(copies, &QSpinBox::valueChanged, this, ui::guarded(this, [&controller](int n) { controller.setCopies(n); }));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace ksiega::print
