#include "openingbalance/browse/BrowseLineEditors.h"
#include <atomic>

namespace ksiega::openingbalance {

namespace {
std::atomic<LineEditors*> g_replacement{nullptr};
} // namespace

LineEditors& browseLineEditors() {
    if (LineEditors* e = g_replacement.load()) return *e;
    return productionLineEditors();
}

void replaceBrowseLineEditors(LineEditors* editors) { g_replacement.store(editors); }

} // namespace ksiega::openingbalance
