#pragma once
// The "Dokument księgowy" preview (LIST7): the header of the current entry's document as
// label/value pairs, two pairs per row.
#include "platform/db/Database.h"
#include <vector>

namespace ksiega::entries {

struct PreviewRow {
    QString label1, value1;
    QString label2, value2;
};

// The document (NAG_DOK) of the company; no rows when there is none.
std::vector<PreviewRow> documentPreview(db::Database& db, int64_t idFirmy, int64_t idNagDok);

} // namespace ksiega::entries
