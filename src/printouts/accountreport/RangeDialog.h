#pragma once
// The dialog UP_RAPORT_DLA_KONTA over its controller.
#include "printouts/accountreport/RangeDialogController.h"
#include <QDialog>
#include <memory>

class QLineEdit;
class QDateEdit;

namespace ksiega::printouts {

class RangeDialog : public QDialog {
    Q_OBJECT
public:
    explicit RangeDialog(std::unique_ptr<RangeDialogController> controller, QWidget* parent = nullptr);
    RangeDialogController& controller() { return *m_controller; }

private:
    void showDates();
    void readDates();

    std::unique_ptr<RangeDialogController> m_controller;
    QLineEdit* m_account = nullptr;
    QLineEdit* m_name = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
};

} // namespace ksiega::printouts
