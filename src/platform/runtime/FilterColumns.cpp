#include "platform/runtime/FilterSql.h"

namespace ksiega {

// The columns of the views lists read (entries, turnovers, cost centres, settlements, cards)
// and of the dictionaries a sub-query may read. A test compares it with the schema.
const QSet<QString>& knownFilterColumns() {
    static const QSet<QString> columns = {
        QStringLiteral("aplikacja_status"), QStringLiteral("bt_klasyfikacja"), QStringLiteral("czy_bo"), QStringLiteral("czy_dwusaldowe"),
        QStringLiteral("czy_korekta"), QStringLiteral("czy_mpk"), QStringLiteral("czy_rk"), QStringLiteral("czy_rozrach"),
        QStringLiteral("czy_ukryty_rozrachunek"), QStringLiteral("czy_walutowe"), QStringLiteral("data_biezaca"), QStringLiteral("data_dok"),
        QStringLiteral("data_dok_org"), QStringLiteral("data_okresu"), QStringLiteral("data_oper_gosp"), QStringLiteral("data_rozliczenia"),
        QStringLiteral("data_wplywu"), QStringLiteral("data_zatwierdzenia"), QStringLiteral("drzewo_zbior_id"), QStringLiteral("filtr_kartoteka"),
        QStringLiteral("id_browsera"), QStringLiteral("id_bt_dane"), QStringLiteral("id_dokument_pozycja"), QStringLiteral("id_elementu"),
        QStringLiteral("id_firmy"), QStringLiteral("id_kartoteki"), QStringLiteral("id_kartoteki_poz"), QStringLiteral("id_kartoteki_uzytkownika"),
        QStringLiteral("id_konta_synt"), QStringLiteral("id_kontrahenta"), QStringLiteral("id_lata_obrot"), QStringLiteral("id_mpk_dane"),
        QStringLiteral("id_nag_dok"), QStringLiteral("id_nag_dok_m"), QStringLiteral("id_obroty_i_salda"), QStringLiteral("id_paczka"),
        QStringLiteral("id_poz_dok"), QStringLiteral("id_poz_dok_f"), QStringLiteral("id_rejestru_bo"), QStringLiteral("id_rozliczenia"),
        QStringLiteral("id_rozrachunek_klasyfikacja"), QStringLiteral("id_rozrachunku"), QStringLiteral("id_rozrachunku_rozl"), QStringLiteral("id_slow_dane"),
        QStringLiteral("id_typ_dok"), QStringLiteral("id_uzyt_p"), QStringLiteral("id_uzytkownika"), QStringLiteral("kartoteka"),
        QStringLiteral("kod"), QStringLiteral("kod_kartoteki"), QStringLiteral("konto"), QStringLiteral("konto_ma"),
        QStringLiteral("konto_wn"), QStringLiteral("kontrahent"), QStringLiteral("kurs_waluty"), QStringLiteral("kwota"),
        QStringLiteral("kwota_brutto"), QStringLiteral("kwota_ma"), QStringLiteral("kwota_ma_w"), QStringLiteral("kwota_netto"),
        QStringLiteral("kwota_vat"), QStringLiteral("kwota_w"), QStringLiteral("kwota_wn"), QStringLiteral("kwota_wn_w"),
        QStringLiteral("lp"), QStringLiteral("nazwa"), QStringLiteral("nazwa_kartoteki"), QStringLiteral("nazwa_konta"),
        QStringLiteral("nip"), QStringLiteral("nr_dok"), QStringLiteral("nr_dok_org"), QStringLiteral("nr_dziennik"),
        QStringLiteral("nr_ewid_dok"), QStringLiteral("nr_konta"), QStringLiteral("nr_konta_syn"), QStringLiteral("nr_poz_dok"),
        QStringLiteral("nr_sys_dok"), QStringLiteral("obr_ma"), QStringLiteral("obr_ma_2"), QStringLiteral("obr_ma_w"),
        QStringLiteral("obr_wn"), QStringLiteral("obr_wn_2"), QStringLiteral("obr_wn_w"), QStringLiteral("opcja_importu"),
        QStringLiteral("opis"), QStringLiteral("opis_elementu"), QStringLiteral("pozostalo_ma"), QStringLiteral("pozostalo_ma_w"),
        QStringLiteral("pozostalo_wn"), QStringLiteral("pozostalo_wn_w"), QStringLiteral("rejestr"), QStringLiteral("rodzaj"),
        QStringLiteral("rodzaj_d"), QStringLiteral("rodzaj_k"), QStringLiteral("rodzaj_kartoteki"), QStringLiteral("rodzaj_wp"),
        QStringLiteral("rodzaj_wy"), QStringLiteral("rodzaj_x"), QStringLiteral("rodzaj_z"), QStringLiteral("saldo_ma"),
        QStringLiteral("saldo_ma_2"), QStringLiteral("saldo_ma_w"), QStringLiteral("saldo_wn"), QStringLiteral("saldo_wn_2"),
        QStringLiteral("saldo_wn_w"), QStringLiteral("status"), QStringLiteral("stawka"), QStringLiteral("strona"),
        QStringLiteral("sygnatura"), QStringLiteral("sym_typ_dok_uz"), QStringLiteral("sym_waluty"), QStringLiteral("symbol"),
        QStringLiteral("symbol_kartoteki"), QStringLiteral("syntetyka"), QStringLiteral("termin_platnosci"), QStringLiteral("tresc_poz_dok"), QStringLiteral("typ"),
        QStringLiteral("typ_konta"), QStringLiteral("waluta"), QStringLiteral("wartosc"), QStringLiteral("wskaznik_1"),
        QStringLiteral("wskaznik_1_id"), QStringLiteral("wskaznik_2"), QStringLiteral("wskaznik_2_id"), QStringLiteral("wskaznik_3"),
        QStringLiteral("wskaznik_3_id"), QStringLiteral("wskaznik_4"), QStringLiteral("wskaznik_4_id"), QStringLiteral("wskaznik_5"),
        QStringLiteral("wskaznik_5_id"), QStringLiteral("znacznik_transakcji")
    };
    return columns;
}

} // namespace ksiega
