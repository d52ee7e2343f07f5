#pragma once
// The ledger quick filter (mode "2") over the opening-balance settlement list. The quick
// filter speaks of ledger entries (PDU: fields); a settlement of the opening balance hangs
// on the opening line that carries it (id_poz_dok_f), so:
// - the entry side (PDU:STRONA=0/1) is the settlement's own side ('WN'/'MA');
// - the document date (PDU:DATA_DOK_ORG) is the settlement's own document date;
// - every other condition (journals, periods, document types, documents, booking dates,
//   budget kinds and classification) holds when the line that carries the settlement
//   passes it in the ledger-entry view.
// A condition that cannot be read, or that names a field neither view has, is left out
// (and named in `dropped`) so that a refresh of the list never fails on it.
#include "frame/SessionContext.h"
#include "platform/db/Database.h"
#include <QString>
#include <QStringList>

namespace ksiega::settlements {

// The expression split at its top-level ANDs (outside texts and parentheses).
QStringList topLevelConditions(const QString& expression);

struct SettlementQuickFilter {
    QString expression;   // over RNVA: and SQL(...) pieces; "" none
    QStringList dropped;  // the quick filter's conditions left out
};

// `settlementView` is the view the list reads (checked by a statement that reads nothing).
SettlementQuickFilter translateQuickFilter(db::Database& db, const SessionContext& session, const QString& quick,
                                           const QString& settlementView = QStringLiteral("ROZRACHUNEK_VIEW"));

} // namespace ksiega::settlements
