#include "host/gui/ProcedureCatalogue.h"
#include "ksiega/ksiega.h"

KSIEGA_MENU_PROCEDURE("KSIEGA_WG_KONT", "Przeglądanie wg kont", ksiega::host::menu::LEDGER, 10, [] { ksiega::KSIEGA_WG_KONT(); });
KSIEGA_MENU_PROCEDURE("KSIEGA_WG_OKRESOW", "Przeglądanie wg okresów", ksiega::host::menu::LEDGER, 20, [] { ksiega::KSIEGA_WG_OKRESOW(QString()); });
