#pragma once
// The partial-entries window "Dekrety dla konta:" over its controller, the form of one
// partial entry and its currency-amounts dialog "Zapisy walutowe".
#include "openingbalance/partials/PartialEntriesController.h"
#include <QDialog>

class QTableWidget;
class QPushButton;

namespace ksiega::openingbalance {

class PartialEntriesDialog : public QDialog {
    Q_OBJECT
public:
    PartialEntriesDialog(PartialEntriesController& controller, QWidget* parent = nullptr);

private:
    void reload(int row);
    void edit(int row);   // -1: a new entry

    PartialEntriesController& m_controller;
    QTableWidget* m_list = nullptr;
    QTableWidget* m_sums = nullptr;
};

// The form of one partial entry ("Dekret"); true when the user confirmed it.
bool editPartialEntry(const PartialEntriesContext& context, server::PartialEntry& entry, QWidget* parent);
// "Zapisy walutowe": the currency amounts with their rates and multipliers; true when confirmed.
bool editCurrencyAmounts(server::PartialEntry& entry, QWidget* parent);

} // namespace ksiega::openingbalance
