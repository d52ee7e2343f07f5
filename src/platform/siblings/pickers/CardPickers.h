#pragma once
// The card pickers of the contractor library as the opening-balance card window calls
// them, one per card kind: contractors "K" (KONTRAHENCI), employees "P" (PRACOWNICY),
// offices "U" (URZEDY), bank accounts "R" (RACHUNKI_BANKOWE), fixed assets "S"
// (SRODKI_TRWALE_NEW) and a company-defined register "X" (KARTOT_UZYT_POZ). Each is given
// the register's card filter (KARTOTEKA_UZYTKOWNIKA.filtr_kartoteka) and two mode texts
// ("0", "2"). The library in force is cardPickers(); a test puts its own in place.
#include "platform/siblings/pickers/PickerContext.h"
#include <QString>

namespace ksiega::pickers {

struct CardChoice {
    // The chosen card's id in its own table: id_kontrahenta, id_pracownika, id_urzedu,
    // id_rachunku, id_srodka or id_kartoteki_poz; 0 when nothing was chosen.
    int64_t id = 0;
    QString symbol;   // symbol; nr_inwentarzowy of a fixed asset; kod of a register value
    QString name;     // nazwa; wartosc of a register value
};

class CardPickers {
public:
    virtual ~CardPickers() = default;
    // kind: 'K', 'P', 'U', 'R', 'S' or 'X'; registerSymbol names the register of an 'X'.
    // An unknown kind, or an 'X' whose register the company does not have, offers nothing
    // and answers no choice.
    virtual CardChoice pickCard(const PickerContext& context, QChar kind, const QString& registerSymbol,
                                const QString& filter, const QString& a, const QString& b) = 0;
};

CardPickers& cardPickers();
// Puts a library in place (not owned); nullptr brings our stand-in back.
void replaceCardPickers(CardPickers* pickers);

} // namespace ksiega::pickers
