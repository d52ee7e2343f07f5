#pragma once
// What the opening-balance browse opens on a row: the amount entry window "Wprowadzanie
// kwot bilansu otwarcia" for an account not kept on cards, the card window "Kartoteka"
// for a register account. Each answers 1 when something was saved, so that the browse
// reloads. The browse gets them as one interface, so that a test can script them.
#include "frame/SessionContext.h"
#include "platform/db/Database.h"
#include <QString>
#include <cstdint>

class QWidget;

namespace ksiega::openingbalance {

struct LineRequest {
    int64_t idNagDok = 0;          // the opening-balance document of the currency
    QString account;               // the tree row's account number
    QString currency;              // "PLN", "EUR", ...
    QString cardSymbol;            // the register's symbol_kartoteki (card window only)
    bool settlementsOnly = false;  // entry blocked or the settlement flag held: settlements only
};

class LineEditors {
public:
    virtual ~LineEditors() = default;
    virtual uint8_t editAmounts(db::Database& db, const SessionContext& session, const LineRequest& request,
                                QWidget* parent) = 0;
    virtual uint8_t editCard(db::Database& db, const SessionContext& session, const LineRequest& request,
                             QWidget* parent) = 0;
};

// The windows themselves (the amount entry and the card window of this subsystem).
LineEditors& productionLineEditors();
// Editors that open nothing and save nothing: for pictures, commands and benchmarks of the
// browse, which never edit a line.
LineEditors& noLineEditors();

} // namespace ksiega::openingbalance
