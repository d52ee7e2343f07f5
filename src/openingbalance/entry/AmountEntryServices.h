#pragma once
// The windows the amount entry window opens over its in-memory line: the settlements of
// the line ("Rozrachunki"), its partial entries ("Szczegóły") and the cost-centre split of
// one side ("Miejsca powstawania kosztów"). The controller takes them as one interface, so
// a test or a command answers them; productionAmountEntryServices() opens the windows.
#include "openingbalance/settlements/LineSettlements.h"
#include "platform/server/OpeningBalanceLines.h"
#include "platform/siblings/costcentres/CostCentreSplits.h"
#include <vector>

class QWidget;

namespace ksiega::openingbalance {

// What the partial-entries window shows of the line.
struct PartialEntriesContext {
    QString account;
    QString currency;
    bool currencyAmounts = false;   // the account keeps currency amounts
    bool readOnly = false;
    int openingDate = 0;            // the date a new partial entry starts with
};

class AmountEntryServices {
public:
    virtual ~AmountEntryServices() = default;
    // "Rozrachunki": the list window edits `rows` in place.
    virtual void editSettlements(db::Database& db, const SessionContext& session, const LineSettlementsContext& context,
                                 std::vector<SettlementRow>& rows, QWidget* parent) = 0;
    // "Szczegóły": the partial-entries window "Dekrety dla konta:" edits `entries` in place.
    virtual void editPartialEntries(const PartialEntriesContext& context, std::vector<server::PartialEntry>& entries,
                                    QWidget* parent) = 0;
    // MPK_DANE of one side ("WN" or "MA"): true when the user confirmed a split.
    virtual bool editCostCentres(db::Database& db, const QString& strona, const costcentres::CostCentreLine& line,
                                 costcentres::CostCentreSplit& split, QWidget* parent) = 0;
};

// The windows themselves: the settlement list, the partial-entries window and the
// cost-centre library's split window.
AmountEntryServices& productionAmountEntryServices();

} // namespace ksiega::openingbalance
