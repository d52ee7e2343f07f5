#pragma once
// The print-range window: range ("Wszystkie", "Zaznaczone", "Pojedynczy"), screen or
// printer, copies; "Drukuj" and "Anuluj". The controller keeps the choice.
#include "platform/siblings/print/PrintRangeController.h"
#include <QDialog>

namespace ksiega::print {

class PrintRangeDialog : public QDialog {
public:
    PrintRangeDialog(PrintRangeController& controller, QWidget* parent = nullptr);
};

} // namespace ksiega::print
