#pragma once
// "Parametry drukowania": the controls of a ParamPrnBtController. Option groups are group
// boxes named after their field with radio buttons FIELD_1, FIELD_2, ...
#include "budget/reports/ParamPrnBtController.h"
#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace ksiega::budget {

class ParamPrnBtDialog : public QDialog {
    Q_OBJECT
public:
    ParamPrnBtDialog(ParamPrnBtController& controller, QWidget* parent = nullptr);
    uint8_t result8() const { return m_result; }

private:
    QButtonGroup* options(QGroupBox* box, const QStringList& texts, int checked);
    void refresh();
    void finish(bool toPrinter);

    ParamPrnBtController& m_controller;
    uint8_t m_result = 0;
    QButtonGroup* m_range = nullptr;
    QButtonGroup* m_basis = nullptr;
    QButtonGroup* m_level = nullptr;
    QButtonGroup* m_accounts = nullptr;
    QGroupBox* m_levelBox = nullptr;
    QGroupBox* m_accountsBox = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QDateEdit* m_printDate = nullptr;
    QCheckBox* m_subtotals = nullptr;
    QCheckBox* m_plan = nullptr;
    QCheckBox* m_wrap = nullptr;
    QLineEdit* m_heading = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QLineEdit* m_printer = nullptr;
    QSpinBox* m_copies = nullptr;
};

} // namespace ksiega::budget
