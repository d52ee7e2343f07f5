#include "platform/siblings/documents/DocumentsStandIn.h"
#include "platform/server/DocumentLocks.h"
#include "platform/siblings/documents/DocumentWindow.h"
#include "platform/siblings/documents/DocumentWindowController.h"
#include "platform/ui/dialogs/Dialogs.h"

namespace ksiega::documents {

bool mayCorrectDocument(db::Database& db, int64_t idNagDok) {
    return db.scalarInt(QStringLiteral("select 1 from NAG_DOK n join LATA_OBROTOWE l on l.id_lata_obrot = n.id_lata_obrot "
                                       "where n.id_nag_dok=? and n.czy_rk<>10 and l.status=0"),
                        {idNagDok})
        .has_value();
}

int DocumentsStandIn::UPRAWNIENIA_POPRAW_DOKUMENT(const DocumentCaller& caller, int kind, int64_t id1, int64_t) {
    if (kind != 1) return 1;
    return mayCorrectDocument(caller.db, id1) ? 0 : 1;
}

int DocumentsStandIn::UP_DOKUMENTY(const DocumentCaller& caller, int64_t idNagDok, int mode, int64_t id2, int64_t) {
    DocumentWindowController controller(caller.db, caller.login, idNagDok, mode == MODE_CORRECT ? MODE_CORRECT : MODE_VIEW, id2);
    if (!controller.open()) return 0;
    DocumentWindow window(controller, caller.parent);
    if (!controller.notice().isEmpty()) ui::dialogs().information(controller.notice());
    window.exec();
    controller.close();
    return controller.result();
}

void DocumentsStandIn::DOKUMENTY_RK_DEL(const DocumentCaller& caller, const QString& mode) {
    if (mode.trimmed().compare(QLatin1String("U"), Qt::CaseInsensitive) == 0) server::releaseDocumentLocks(caller.db, caller.login);
}

} // namespace ksiega::documents
