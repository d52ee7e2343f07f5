#pragma once
// The settlements of one opening-balance line while its amount entry window is open: the
// list "Rozrachunki dla konta: " + account and the form "Rozrachunki". They edit the rows
// in memory; the amount entry window writes them when it saves and checks its amounts
// against their sums.
#include "frame/SessionContext.h"
#include "platform/db/Database.h"
#include "platform/server/OpeningBalanceLines.h"
#include <QString>
#include <vector>

class QWidget;

namespace ksiega::openingbalance {

// Edit state of a row: as read, edited in place (symbol, dates, description, mark: the
// clearings stay), changed in amount or side (the clearings go), new.
enum class SettlementState { AsRead = 0, EditedInPlace = 1, Changed = 2, New = 3 };

struct SettlementRow {
    server::OpeningSettlement settlement;
    SettlementState state = SettlementState::AsRead;
    bool fromWarehouse() const { return settlement.idNagDokM != 0; }
};

// What the settlement windows need of the line and the session.
struct LineSettlementsContext {
    QString account;
    QString currency;
    int openingDate = 0;          // day 1 of the month in which the fiscal year begins
    bool hiddenByDefault = false; // KONTA_SYNT.czy_ukryty_rozrachunek of the account
    bool transactionMarks = true; // system option 224
};

// Opens the list window on `rows` and edits them in place; returns when it closes.
void editLineSettlements(db::Database& db, const SessionContext& session, const LineSettlementsContext& context,
                         std::vector<SettlementRow>& rows, QWidget* parent);

} // namespace ksiega::openingbalance
