#include "platform/siblings/vat/VatLibrary.h"
#include "platform/siblings/vat/VatRegisterWindow.h"
#include <atomic>

namespace ksiega::vat {
namespace {

class VatStandIn : public VatLibrary {
public:
    void REJESTR_BO(db::Database& db, int64_t idNagDok, bool approved, QWidget* parent) override {
        VatRegisterController controller(db, idNagDok, approved);
        VatRegisterWindow window(controller, parent);
        window.exec();
    }
};

std::atomic<VatLibrary*> g_replacement{nullptr};

} // namespace

VatLibrary& vatLibrary() {
    if (VatLibrary* r = g_replacement.load()) return *r;
    static VatStandIn standIn;
    return standIn;
}

void replaceVatLibrary(VatLibrary* library) { g_replacement.store(library); }

} // namespace ksiega::vat
