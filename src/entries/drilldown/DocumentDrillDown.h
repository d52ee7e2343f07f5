#pragma once
// The "Dokument" button of "Księga główna": opens the document of the current entry.
//   1. an opening-balance line (period day 1) is refused with "Zapis pochodzi z bilansu otwarcia.";
//   2. the document's lock is asked with "CALL Popraw_Dokument(id,'login')";
//   3. "0": the documents library says whether the user may correct it; the document opens
//      for correction (mode 2; when it was saved the user's document locks are released
//      with DOKUMENTY_RK_DEL "U") or only to be viewed (mode 4); the list is then refreshed;
//   4. "1": "Wybrany dokument jest zablokowany przez innego użytkownika.";
//   5. any other answer, or none: nothing.
#include "frame/SessionContext.h"
#include "platform/db/Database.h"
#include "platform/siblings/documents/DocumentsLibrary.h"
#include "platform/ui/dialogs/Dialogs.h"

class QWidget;

namespace ksiega::entries {

// The entry the button works on (the view's id_nag_dok, id_poz_dok and data_okresu).
struct DrillDownEntry {
    int64_t idNagDok = 0;
    int64_t idPozDok = 0;
    int dataOkresu = 0;
};

inline const QString MSG_BILANS_OTWARCIA = QStringLiteral("Zapis pochodzi z bilansu otwarcia.");
inline const QString MSG_DOKUMENT_ZABLOKOWANY = QStringLiteral("Wybrany dokument jest zablokowany przez innego użytkownika.");

class DocumentDrillDown {
public:
    DocumentDrillDown(db::Database& db, const SessionContext& session, ui::Dialogs& dialogs,
                      documents::DocumentsLibrary& library);

    // Runs the steps; true when the entries list must be refreshed.
    bool open(const DrillDownEntry& entry, QWidget* parent = nullptr);

private:
    db::Database& m_db;
    const SessionContext& m_session;
    ui::Dialogs& m_dialogs;
    documents::DocumentsLibrary& m_library;
};

} // namespace ksiega::entries
