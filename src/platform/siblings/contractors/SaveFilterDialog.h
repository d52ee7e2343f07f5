#pragma once
// "Zapisz filtr": the name entry (NAZWA), B_ZAPISZ and CLOSE over a SaveFilterController.
#include "platform/siblings/contractors/SaveFilterController.h"
#include <QDialog>

class QLineEdit;

namespace ksiega::contractors {

class SaveFilterDialog : public QDialog {
    Q_OBJECT
public:
    SaveFilterDialog(SaveFilterController& controller, QWidget* parent = nullptr);

private:
    SaveFilterController& m_controller;
    QLineEdit* m_name = nullptr;
};

} // namespace ksiega::contractors
