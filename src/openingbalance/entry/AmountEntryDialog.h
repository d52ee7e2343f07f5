#pragma once
// The window "Wprowadzanie kwot bilansu otwarcia" over its controller.
#include "openingbalance/entry/AmountEntryController.h"
#include <QDialog>
#include <map>

class QLabel;
class QPushButton;

namespace ksiega::openingbalance {

class MoneyEdit;

class AmountEntryDialog : public QDialog {
    Q_OBJECT
public:
    AmountEntryDialog(AmountEntryController& controller, QWidget* parent = nullptr);

    void reject() override;   // "Anuluj", Esc, closing: the claim is released

private:
    // The typed amounts into the controller; false (and the reason shown) when one is not an amount.
    bool takeAmounts();
    void showAmounts();

    AmountEntryController& m_controller;
    std::map<AmountField, MoneyEdit*> m_fields;
};

} // namespace ksiega::openingbalance
