#include "platform/siblings/vat/VatLibrary.h"
#include <atomic>

namespace ksiega::vat {
namespace {

class PlaceholderVat : public VatLibrary {
public:
    void REJESTR_BO(db::Database&, int64_t, bool, QWidget*) override {}
};

std::atomic<VatLibrary*> g_replacement{nullptr};

} // namespace

VatLibrary& vatLibrary() {
    if (VatLibrary* r = g_replacement.load()) return *r;
    static PlaceholderVat standIn;
    return standIn;
}

void replaceVatLibrary(VatLibrary* library) { g_replacement.store(library); }

} // namespace ksiega::vat
