#pragma once
// Our stand-in of the documents library.
//
// Correction rights: a document may be corrected when it exists, is not an
// opening-balance document (czy_rk 10, kept by the opening-balance windows) and its fiscal
// year is open (LATA_OBROTOWE.status 0). Posted and unposted documents alike.
//
// The document window takes the document's lock for the user when it opens (in view
// mode as well, so that nobody corrects it under the viewer's eyes) and always releases it
// when it closes. When the lock is held by another user a correction opens view only.
#include "platform/siblings/documents/DocumentsLibrary.h"

namespace ksiega::documents {

class DocumentsStandIn : public DocumentsLibrary {
public:
    int UPRAWNIENIA_POPRAW_DOKUMENT(const DocumentCaller& caller, int kind, int64_t id1, int64_t id2) override;
    int UP_DOKUMENTY(const DocumentCaller& caller, int64_t idNagDok, int mode, int64_t id2, int64_t flags) override;
    void DOKUMENTY_RK_DEL(const DocumentCaller& caller, const QString& mode) override;
};

// The stand-in's correction rule, on its own.
bool mayCorrectDocument(db::Database& db, int64_t idNagDok);

} // namespace ksiega::documents
