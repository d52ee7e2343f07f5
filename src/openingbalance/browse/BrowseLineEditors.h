#pragma once
// The line editors "Popraw" of the opening-balance browse reaches: the windows of the
// amount entry and the card window (productionLineEditors()), unless a test put its own
// in place to watch the calls.
#include "openingbalance/LineEditors.h"

namespace ksiega::openingbalance {

LineEditors& browseLineEditors();
// Puts editors in place (not owned); nullptr brings the production ones back.
void replaceBrowseLineEditors(LineEditors* editors);

} // namespace ksiega::openingbalance
