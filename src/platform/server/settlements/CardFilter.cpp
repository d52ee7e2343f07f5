#include "platform/server/settlements/CardFilter.h"

namespace ksiega::server::settlements {

QString cardSymbolOfAccountSql(const QString& a) {
    return QStringLiteral(
               "(select case w.rodzaj_kartoteki "
               "when 'K' then (select c.symbol from KONTRAHENCI c where c.id_kontrahenta=w.id_kartoteki) "
               "when 'P' then (select c.symbol from PRACOWNICY c where c.id_pracownika=w.id_kartoteki) "
               "when 'U' then (select c.symbol from URZEDY c where c.id_urzedu=w.id_kartoteki) "
               "when 'R' then (select c.symbol from RACHUNKI_BANKOWE c where c.id_rachunku=w.id_kartoteki) "
               "when 'S' then (select c.nr_inwentarzowy from SRODKI_TRWALE c where c.id_srodka=w.id_kartoteki) "
               "when 'X' then (select c.kod from KARTOTEKA_UZYTKOWNIKA_POZ c where c.id_kartoteki_poz=w.id_kartoteki) end "
               "from WARTOSCI_KONT w where w.id_firmy=%1.id_firmy and w.id_lata_obrot=%1.id_lata_obrot and w.nr_konta=%1.nr_konta)")
        .arg(a);
}

} // namespace ksiega::server::settlements
