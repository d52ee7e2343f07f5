#include "platform/siblings/ledgerprint/LedgerListing.h"
#include "platform/db/Database.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/FilterExpression.h"
#include "platform/siblings/ledgerprint/ListingParts.h"

namespace ksiega::ledgerprint {

namespace detail {

report::ReportDefinition baseDefinition(const ListingJob& job, const ListingParameters& p, const QString& name) {
    report::ReportDefinition def;
    def.name = name;
    def.title = job.heading;
    def.heading = job.companyLines;
    if (!job.fiscalYearName.isEmpty()) def.heading << QStringLiteral("Rok obrotowy: ") + job.fiscalYearName;
    if (job.printDate != 0) def.heading << QStringLiteral("Data wydruku: ") + date::toDisplay(job.printDate);
    if (!p.titleLine.trimmed().isEmpty()) def.description << p.titleLine.trimmed();
    def.description << job.description;
    def.shading = job.shading;
    return def;
}

} // namespace detail

PreparedListing prepareListing(const ListingJob& job, ConnectionProvider connection) {
    const ParsedParameters parsed = parseListingParameters(job.params);
    if (!parsed.parameters) return {{}, {}, parsed.error};
    const FilterTranslation where = translateFilter(job.filter);
    if (!where.ok()) return {{}, {}, QStringLiteral("Nieprawidłowy filtr wydruku: ") + where.error};
    const ListingParameters& p = *parsed.parameters;
    if (p.kind == ListingKind::Turnovers && job.handedRows) return detail::handedRowsListing(job, p);
    if (p.kind == ListingKind::Turnovers) return detail::turnoverListing(job, p, where.where, std::move(connection));
    return detail::entryListing(job, p, where.where, std::move(connection));
}

report::RunResult layoutListing(const ListingJob& job, db::Database& connection) {
    PreparedListing listing = prepareListing(job, [&connection]() -> db::Database& { return connection; });
    if (!listing.ok()) return {{}, listing.error};
    return report::layoutReport(listing.definition, listing.source);
}

} // namespace ksiega::ledgerprint
