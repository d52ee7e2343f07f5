#pragma once
// The rules of the account filter window "Filtr": a working copy of the module-wide
// settings, which buttons are enabled, and what "Czyść ustawienia", "Wykonaj" and
// "Anuluj" do. The module-wide settings change only on "Wykonaj".
#include "entries/accountfilter/AccountFilterSettings.h"
#include <cstdint>

namespace ksiega::entries {

enum class FilterFlag { Bilansowe, Wynikowe, Pozabilansowe, Walutowe, Rozrachunkowe, Dwusaldowe, Mpk };

class AccountFilterController {
public:
    // Copies settings into the working copy; "Czyść ustawienia" starts disabled when
    // nothing at all is set.
    AccountFilterController(AccountFilterSettings& moduleWide, bool costCentreVersion);

    const AccountFilterSettings& working() const { return m_working; }
    bool mpkVisible() const { return m_costCentreVersion; }
    bool clearEnabled() const { return m_clearEnabled; }
    bool applyEnabled() const { return m_applyEnabled; }
    // 1 after "Wykonaj", 0 otherwise.
    uint8_t result() const { return m_result; }

    // Element 1..10 of ZSPOLY_KONT.
    bool group(int element) const;
    void setGroup(int element, bool on);
    bool flag(FilterFlag f) const;
    void setFlag(FilterFlag f, bool on);
    // Range entries take 0..999 (three digits); other values are brought into that range.
    void setRangeLow(int32_t value);
    void setRangeHigh(int32_t value);

    // "Czyść ustawienia": clears the working copy only.
    void clearSettings();
    // "Wykonaj": derives the flags and copies the working copy into the module-wide settings.
    void apply();
    // "Anuluj" or closing: nothing changes.
    void cancel();

private:
    void changed();
    uint8_t& flagRef(FilterFlag f);

    AccountFilterSettings& m_moduleWide;
    AccountFilterSettings m_working;
    bool m_costCentreVersion;
    bool m_clearEnabled = true;
    bool m_applyEnabled = true;
    uint8_t m_result = 0;
};

} // namespace ksiega::entries
