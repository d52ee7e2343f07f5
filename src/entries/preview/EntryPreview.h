#pragma once
// The "Dokument księgowy" preview of one entry (LIST7 of the ledger by periods and of the
// account report): the line's own fields as label/value pairs, two pairs per row.
#include "entries/preview/DocumentPreview.h"
#include "platform/db/Database.h"
#include <vector>

namespace ksiega::entries {

struct EntryPreviewRequest {
    QString view;                   // an entry view with nazwa_konta (POZ_DOK_VIEW_UNION_EXT or its twin)
    int64_t idFirmy = 0;
    int64_t idDokumentPozycja = 0;  // the view row
    bool journalNumber = false;     // a last pair "Nr w dzienniku"
};

// No rows when the entry is not in the view.
std::vector<PreviewRow> entryPreview(db::Database& db, const EntryPreviewRequest& request);

} // namespace ksiega::entries
