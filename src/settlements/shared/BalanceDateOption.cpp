#include "settlements/shared/BalanceDateOption.h"

namespace ksiega::settlements {

namespace {
BalanceDateOption g_option;
}

BalanceDateOption& balanceDateOption() { return g_option; }
void resetBalanceDateOption() { g_option = {}; }

} // namespace ksiega::settlements
