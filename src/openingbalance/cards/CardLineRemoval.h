#pragma once
// "Usuń" of the card window: a sub-account's line in the opening-balance document loses
// its amounts, settlements, partial entries and cost-centre split, and stays in the
// document with zeros. The line is claimed first and released on every way out; a line
// with settlements of the warehouse system is refused; the approval and the claim are
// checked again inside the transaction that zeroes the line.
#include "frame/SessionContext.h"
#include "platform/db/Database.h"
#include <QString>

namespace ksiega::openingbalance {

struct CardLineTarget {
    int64_t idNagDok = 0;
    QString account;     // the sub-account
    QString currency;    // the document's currency
};

// Shows every refusal and error itself (through Dialogs); true when the line was zeroed.
bool removeCardLine(db::Database& db, const SessionContext& session, const CardLineTarget& target);

} // namespace ksiega::openingbalance
