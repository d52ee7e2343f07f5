#include "host/gui/ProcedureCatalogue.h"
#include "ksiega/ksiega.h"

KSIEGA_MENU_PROCEDURE("BT_VIEW_W", "Klasyfikacja budzetowa - Wydatki", ksiega::host::menu::BUDGET, 10,
                      [] { ksiega::BT_VIEW_W(QStringLiteral("W")); });
KSIEGA_MENU_PROCEDURE("BT_VIEW_D", "Klasyfikacja budzetowa - Dochody", ksiega::host::menu::BUDGET, 20,
                      [] { ksiega::BT_VIEW_D(QStringLiteral("D")); });
