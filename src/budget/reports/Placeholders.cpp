// Stand-ins until the budget printouts land.
#include "ksiega/ksiega.h"

namespace ksiega {
uint8_t PARAM_PRN_BT(uint8_t, uint8_t, uint8_t, int64_t) { return 0; }
void WYDRUK_BUDZET(const QString&, const QString&, const QString&) {}
} // namespace ksiega
