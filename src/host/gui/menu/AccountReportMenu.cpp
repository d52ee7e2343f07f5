#include "host/gui/ProcedureCatalogue.h"
#include "ksiega/ksiega.h"

KSIEGA_MENU_PROCEDURE("RAPORT_DLA_KONTA", "Raport z konta", ksiega::host::menu::LEDGER, 40, [] { ksiega::RAPORT_DLA_KONTA(); });
