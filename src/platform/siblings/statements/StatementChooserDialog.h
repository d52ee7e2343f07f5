#pragma once
// The statement chooser: a list of the context's statements, "Drukuj" and "Anuluj".
// The controller keeps the choice.
#include "platform/siblings/statements/StatementChooserController.h"
#include <QDialog>

namespace ksiega::statements {

class StatementChooserDialog : public QDialog {
public:
    StatementChooserDialog(StatementChooserController& controller, QWidget* parent = nullptr);
};

} // namespace ksiega::statements
