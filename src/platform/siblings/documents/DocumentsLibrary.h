#pragma once
// The documents library as the module calls it: may the user correct a document, the
// document window (correct or view only), and the release of the user's document locks.
// The library in force is documentsLibrary(); a test puts its own in place with
// replaceDocumentsLibrary and watches the calls.
//
// The library reads nothing of the module's session: every call names the connection
// and the user it works for (DocumentCaller).
#include "platform/db/Database.h"
#include <QString>

class QWidget;

namespace ksiega::documents {

struct DocumentCaller {
    db::Database& db;
    QString login;              // the user's login (DANE_ID_UZYT)
    QWidget* parent = nullptr;  // window the document window belongs to
};

// Modes of UP_DOKUMENTY.
inline constexpr int MODE_CORRECT = 2;
inline constexpr int MODE_VIEW = 4;

class DocumentsLibrary {
public:
    virtual ~DocumentsLibrary() = default;
    // 0 when the user may correct the document, anything else when not. kind 1 asks
    // about a ledger document; id1 is its id_nag_dok, id2 the line's id_poz_dok.
    virtual int UPRAWNIENIA_POPRAW_DOKUMENT(const DocumentCaller& caller, int kind, int64_t id1, int64_t id2) = 0;
    // Opens the document window on the document, on the line id2 (0 = the first).
    // Returns 1 when the document was changed and saved, 0 otherwise.
    virtual int UP_DOKUMENTY(const DocumentCaller& caller, int64_t idNagDok, int mode, int64_t id2, int64_t flags) = 0;
    // "U": releases every document lock of the user. Other modes do nothing here.
    virtual void DOKUMENTY_RK_DEL(const DocumentCaller& caller, const QString& mode) = 0;
};

DocumentsLibrary& documentsLibrary();
// Puts a library in place (not owned); nullptr brings our stand-in back.
void replaceDocumentsLibrary(DocumentsLibrary* library);

} // namespace ksiega::documents
