#pragma once
// The account filter settings: which synthetic accounts the account lists offer. One
// instance lives for as long as the module is loaded (accountFilter()); the filter window
// edits a working copy and copies it back on "Wykonaj".
#include <QString>
#include <array>
#include <cstdint>

namespace ksiega::entries {

struct AccountFilterSettings {
    static constexpr int32_t RANGE_LOW = 0;
    static constexpr int32_t RANGE_HIGH = 999;
    static constexpr int GROUPS = 10;

    // Elements 1..10 (index 0 unused): n = 1..9 selects the accounts starting with the
    // digit n, element 10 selects group 0 (numbers below 100).
    std::array<uint16_t, GROUPS + 1> ZSPOLY_KONT{};
    uint8_t BILANSOWE = 0;
    uint8_t WYNIKOWE = 0;
    uint8_t POZABILANSOWE = 0;
    uint8_t WALUTOWE = 0;
    uint8_t ROZRACHUNKOWE = 0;
    uint8_t DWUSALDOWE = 0;
    uint8_t MPK = 0;
    int32_t ZAKRES_D = RANGE_LOW;
    int32_t ZAKRES_G = RANGE_HIGH;

    // Derived when the filter is applied (computeDerived()).
    uint8_t groupsSet = 0;
    uint8_t typesSet = 0;
    uint8_t rangeSet = 0;

    // All flags off, the range 0..999, derived flags off.
    void clear() { *this = AccountFilterSettings{}; }
    void computeDerived();

    bool anyGroup() const;
    bool anyType() const { return BILANSOWE || WYNIKOWE || POZABILANSOWE; }
    bool rangeNarrowed() const { return ZAKRES_D != RANGE_LOW || ZAKRES_G != RANGE_HIGH; }
    // Something at all is set (groups, types, range, attributes, MPK).
    bool anythingSet() const;
    // The filter narrows the list as the indicator shows it; MPK alone does not count.
    bool indicatorOn() const;

    bool operator==(const AccountFilterSettings&) const = default;
};

// Icon of a window's account filter button: "~filtr_konto_on.ico" when the applied
// filter narrows the list, "~Filtr_konto.ico" otherwise.
QString filterIndicatorIcon(const AccountFilterSettings& settings);

// The module-wide settings (cleared when the module is loaded).
AccountFilterSettings& accountFilter();

} // namespace ksiega::entries
