#include "host/gui/ProcedureCatalogue.h"
#include "ksiega/ksiega.h"

KSIEGA_MENU_PROCEDURE("BO", "Bilans otwarcia", ksiega::host::menu::OPENING_BALANCE, 10, [] { ksiega::BO(); });
KSIEGA_MENU_PROCEDURE("FILTR_BO", "Filtr bilansu otwarcia", ksiega::host::menu::OPENING_BALANCE, 90, [] { ksiega::FILTR_BO(); });
