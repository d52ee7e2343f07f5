#include "host/gui/ProcedureCatalogue.h"
#include "ksiega/ksiega.h"

KSIEGA_MENU_PROCEDURE("MPK_VIEW", "Przeglądanie zapisów MPK", ksiega::host::menu::COST_CENTRES, 10, [] { ksiega::MPK_VIEW(); });
