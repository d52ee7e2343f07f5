#pragma once
// SALDO_NA_DZIEN / DATA_SALDA_NA_DZIEN: "Pobierz kwotę z salda rozrachunku na dzień" and its
// date, shared by the import wizard and the document-from-settlements window and kept for
// the session between their calls.
namespace ksiega::settlements {

struct BalanceDateOption {
    bool saldoNaDzien = false;
    int dataSalda = 0;   // day number; 0 = none

    // The date the import and the list use: the date while the option is on, else 0.
    int effectiveDate() const { return saldoNaDzien ? dataSalda : 0; }
};

BalanceDateOption& balanceDateOption();
// A new session (and each test) starts with the option off and no date.
void resetBalanceDateOption();

} // namespace ksiega::settlements
