#pragma once
// The split window of one side: a table of parts (LIST1: five indicator choices and an
// amount per row), the sum and what is left, "Dodaj", "Usuń", "OK" and "Anuluj". The
// controller keeps the parts and decides whether "OK" closes the window.
#include "platform/siblings/costcentres/CostCentreSplitController.h"
#include <QDialog>

class QLabel;
class QTableWidget;

namespace ksiega::costcentres {

class CostCentreSplitDialog : public QDialog {
public:
    CostCentreSplitDialog(CostCentreSplitController& controller, QWidget* parent = nullptr);

private:
    void fillRow(int row);
    void showSums();
    int rowOf(const QWidget* cell, int column) const;
    CostCentreSplitController& m_c;
    QTableWidget* m_table = nullptr;
    QLabel* m_sum = nullptr;
    QLabel* m_left = nullptr;
};

} // namespace ksiega::costcentres
