#include "entries/drilldown/DocumentDrillDown.h"
#include "platform/db/passthrough/PassThrough.h"
#include "platform/runtime/Date.h"

namespace ksiega::entries {

DocumentDrillDown::DocumentDrillDown(db::Database& db, const SessionContext& session, ui::Dialogs& dialogs,
                                     documents::DocumentsLibrary& library)
    : m_db(db), m_session(session), m_dialogs(dialogs), m_library(library) {}

bool DocumentDrillDown::open(const DrillDownEntry& entry, QWidget* parent) {
    if (date::day(entry.dataOkresu) == 1) {
        m_dialogs.information(MSG_BILANS_OTWARCIA, ui::TITLE_INFORMACJA);
        return false;
    }
    db::PassThrough pt(m_db);
    // The login travels as a bound value, whatever characters it has.
    db::PassResult lock = pt.EXECVAX(QStringLiteral("CALL Popraw_Dokument(?,?)"), {entry.idNagDok, m_session.DANE_ID_UZYT});
    if (!lock.next()) return false;
    const QString answer = lock.text(1).trimmed();
    if (answer == QLatin1String("1")) {
        m_dialogs.information(MSG_DOKUMENT_ZABLOKOWANY, ui::TITLE_INFORMACJA);
        return false;
    }
    if (answer != QLatin1String("0")) return false;

    const documents::DocumentCaller caller{m_db, m_session.DANE_ID_UZYT, parent};
    if (m_library.UPRAWNIENIA_POPRAW_DOKUMENT(caller, 1, entry.idNagDok, entry.idPozDok) == 0) {
        if (m_library.UP_DOKUMENTY(caller, entry.idNagDok, documents::MODE_CORRECT, entry.idPozDok, 0) == 1)
            m_library.DOKUMENTY_RK_DEL(caller, QStringLiteral("U"));
    } else {
        m_library.UP_DOKUMENTY(caller, entry.idNagDok, documents::MODE_VIEW, entry.idPozDok, 0);
    }
    return true;
}

} // namespace ksiega::entries
