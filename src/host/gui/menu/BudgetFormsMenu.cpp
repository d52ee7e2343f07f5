#include "host/gui/ProcedureCatalogue.h"
#include "ksiega/ksiega.h"

KSIEGA_MENU_PROCEDURE("PRN_BT_RB27", "Sprawozdanie Rb-27S", ksiega::host::menu::BUDGET, 60,
                      [] { ksiega::PRN_BT_RB27(0, 0, 0, QString(), QStringLiteral("D"), QString()); });
KSIEGA_MENU_PROCEDURE("PRN_BT_RB30", "Sprawozdanie Rb-30", ksiega::host::menu::BUDGET, 70,
                      [] { ksiega::PRN_BT_RB30(0, 0, 0, QString(), QStringLiteral("D"), QString()); });
