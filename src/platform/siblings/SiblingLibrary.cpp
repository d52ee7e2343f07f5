#include "platform/siblings/SiblingLibrary.h"
#include <atomic>
#include <memory>
#include <mutex>

namespace ksiega {

QString siblingName(Sibling which) {
    switch (which) {
    case Sibling::Data: return QStringLiteral("data library");
    case Sibling::Contractors: return QStringLiteral("contractor library");
    case Sibling::Print: return QStringLiteral("print library");
    case Sibling::Functions: return QStringLiteral("function library");
    case Sibling::LedgerPrint: return QStringLiteral("ledger print library");
    case Sibling::ChartOfAccounts: return QStringLiteral("chart-of-accounts library");
    case Sibling::Documents: return QStringLiteral("documents library");
    case Sibling::Statements: return QStringLiteral("statement library");
    case Sibling::Settlements: return QStringLiteral("settlements library");
    case Sibling::Vat: return QStringLiteral("VAT library");
    }
    return {};
}

void StandInLibrary::init(ErrorReporter* errors, Settings* settings) {
    m_errors = errors;
    m_settings = settings;
    m_initialised = true;
}

void StandInLibrary::kill() {
    m_initialised = false;
    m_errors = nullptr;
    m_settings = nullptr;
}

namespace {

struct Slot {
    std::unique_ptr<StandInLibrary> standIn;
    std::atomic<SiblingLibrary*> replacement{nullptr};
};

std::array<Slot, SIBLING_ORDER.size()>& sibling_slots() {
    static std::array<Slot, SIBLING_ORDER.size()> s;
    static std::once_flag once;
    std::call_once(once, [] {
        for (Sibling which : SIBLING_ORDER) s[size_t(which)].standIn = std::make_unique<StandInLibrary>(which);
    });
    return s;
}

} // namespace

SiblingLibrary& siblingLibrary(Sibling which) {
    Slot& slot = sibling_slots()[size_t(which)];
    if (SiblingLibrary* r = slot.replacement.load()) return *r;
    return *slot.standIn;
}

void replaceSiblingLibrary(Sibling which, SiblingLibrary* library) { sibling_slots()[size_t(which)].replacement.store(library); }

} // namespace ksiega
