#include "entries/accountfilter/AccountFilterController.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <algorithm>
#include <stdexcept>

namespace ksiega::entries {

AccountFilterController::AccountFilterController(AccountFilterSettings& moduleWide, bool costCentreVersion)
    : m_moduleWide(moduleWide), m_working(moduleWide), m_costCentreVersion(costCentreVersion) {
    m_clearEnabled = m_working.anythingSet();
}

static void checkElement(int element) {
    if (element < 1 || element > AccountFilterSettings::GROUPS)
        throw std::out_of_range("ZSPOLY_KONT element out of range");
}

bool AccountFilterController::group(int element) const {
    checkElement(element);
    return m_working.ZSPOLY_KONT[size_t(element)] != 0;
}

void AccountFilterController::setGroup(int element, bool on) {
    checkElement(element);
    m_working.ZSPOLY_KONT[size_t(element)] = on ? 1 : 0;
    changed();
}

uint8_t& AccountFilterController::flagRef(FilterFlag f) {
    switch (f) {
    case FilterFlag::Bilansowe: return m_working.BILANSOWE;
    case FilterFlag::Wynikowe: return m_working.WYNIKOWE;
    case FilterFlag::Pozabilansowe: return m_working.POZABILANSOWE;
    case FilterFlag::Walutowe: return m_working.WALUTOWE;
    case FilterFlag::Rozrachunkowe: return m_working.ROZRACHUNKOWE;
    case FilterFlag::Dwusaldowe: return m_working.DWUSALDOWE;
    case FilterFlag::Mpk: return m_working.MPK;
    }
    throw std::logic_error("unknown filter flag");
}

bool AccountFilterController::flag(FilterFlag f) const {
    return const_cast<AccountFilterController*>(this)->flagRef(f) != 0;
}

void AccountFilterController::setFlag(FilterFlag f, bool on) {
    flagRef(f) = on ? 1 : 0;
    changed();
}

static int32_t threeDigits(int32_t v) {
    return std::clamp(v, AccountFilterSettings::RANGE_LOW, AccountFilterSettings::RANGE_HIGH);
}

void AccountFilterController::setRangeLow(int32_t value) {
    m_working.ZAKRES_D = threeDigits(value);
    changed();
}

void AccountFilterController::setRangeHigh(int32_t value) {
    m_working.ZAKRES_G = threeDigits(value);
    changed();
}

void AccountFilterController::changed() {
    m_clearEnabled = true;
    m_applyEnabled = true;
}

void AccountFilterController::clearSettings() {
    ui::BusyCursor busy;
    m_working.clear();
    m_clearEnabled = false;
    m_applyEnabled = true;
}

void AccountFilterController::apply() {
    ui::BusyCursor busy;
    m_working.computeDerived();
    m_moduleWide = m_working;
    m_result = 1;
}

void AccountFilterController::cancel() {
    m_result = 0;
}

} // namespace ksiega::entries
