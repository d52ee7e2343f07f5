#pragma once
// The opening-balance VAT register window: the list of its rows (LIST1), the totals and
// "Zamknij". Nothing in it changes the register.
#include "platform/siblings/vat/VatRegisterController.h"
#include <QDialog>

namespace ksiega::vat {

class VatRegisterWindow : public QDialog {
public:
    VatRegisterWindow(VatRegisterController& controller, QWidget* parent = nullptr);
};

} // namespace ksiega::vat
