#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "host/gui/ProcedureCatalogue.h"
#include "ksiega/ksiega.h"
#include "platform/ui/dialogs/Dialogs.h"

namespace {

// The journal the document of chosen settlements goes to: the host chooses none for a
// journal-taking procedure, so the first journal (by code) of the session's year.
int64_t firstJournal() {
    const ksiega::SessionContext& s = ksiega::session();
    if (s.DANE_ID_FIRMY == 0 || s.DANE_LATA_OBROTOWE == 0) return 0;
    return ksiega::moduleDatabase()
        .scalarInt(QStringLiteral("select id_paczka from PACZKA where id_firmy=? and id_lata_obrot=? order by kod_paczki, id_paczka"),
                   {s.DANE_ID_FIRMY, s.DANE_LATA_OBROTOWE})
        .value_or(0);
}

} // namespace

KSIEGA_MENU_PROCEDURE("BO_IMPORT_ROZRACHUNKOW", "BO - Import rozrachunków", ksiega::host::menu::SETTLEMENTS, 10,
                      [] { ksiega::BO_IMPORT_ROZRACHUNKOW(); });
KSIEGA_MENU_PROCEDURE("PRZYPISZ_ROZRACHUNKI", "Dokument z rozrachunków", ksiega::host::menu::SETTLEMENTS, 20, [] {
    const int64_t journal = firstJournal();
    if (journal == 0) {
        ksiega::ui::dialogs().information(QStringLiteral("Brak dziennika w bieżącym roku obrotowym."));
        return;
    }
    ksiega::PRZYPISZ_ROZRACHUNKI(journal);
});
