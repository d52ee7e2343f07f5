#include "host/gui/ProcedureCatalogue.h"
#include "ksiega/ksiega.h"

KSIEGA_MENU_PROCEDURE("ZAMKNIECIE_ROKU", "BO w następnym roku obrotowym", ksiega::host::menu::CLOSING, 10,
                      [] { ksiega::ZAMKNIECIE_ROKU(); });
