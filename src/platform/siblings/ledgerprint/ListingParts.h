#pragma once
// Inside the ledger print library: the definitions and row sources of each listing.
#include "platform/siblings/ledgerprint/LedgerListing.h"

namespace ksiega::ledgerprint::detail {

// The report heading and description shared by every listing.
report::ReportDefinition baseDefinition(const ListingJob& job, const ListingParameters& p, const QString& name);

// 61/68, 64, 81, 66, 67: lines of the entry view. where = the translated filter.
PreparedListing entryListing(const ListingJob& job, const ListingParameters& p, const QString& where,
                             ConnectionProvider connection);
// 63: rows of OBROTY_I_SALDA.
PreparedListing turnoverListing(const ListingJob& job, const ListingParameters& p, const QString& where,
                                ConnectionProvider connection);

// 63 with rows handed over by the window: those rows, in their order.
PreparedListing handedRowsListing(const ListingJob& job, const ListingParameters& p);

} // namespace ksiega::ledgerprint::detail
