-- The ledger-entry view POZ_DOK_VIEW_UNION and its twins, as SQLite reads them best (the
-- PostgreSQL form, with the same rows and columns, is 09_entry_views.postgresql.sql).

-- One row per side of a line: strona 0 = Dt, 1 = Ct. id_dokument_pozycja = 2 * id_poz_dok + strona
-- identifies the row in the selection store.
-- Written so that SQLite keeps the union open to a list's ORDER BY ... LIMIT (each arm
-- read in index order and merged): the arms' columns have the same type affinity (hence the
-- CASTs of the constant amounts, without which SQLite computes the whole union and sorts it),
-- and nr_ewid_dok comes from the line's copy. The header is a LEFT JOIN (every line has one)
-- so that a query that reads no header column, such as the sums, leaves NAG_DOK out.
CREATE VIEW POZ_DOK_VIEW_UNION AS
SELECT p.id_firmy, p.id_lata_obrot, p.id_poz_dok, p.id_poz_dok * 2 AS id_dokument_pozycja, p.id_nag_dok, p.lp,
       p.konto_wn AS konto, 0 AS strona,
       p.kwota_wn AS kwota_wn, CAST(0 AS BIGINT) AS kwota_ma, p.kwota_wn_w AS kwota_wn_w, CAST(0 AS BIGINT) AS kwota_ma_w,
       p.waluta, p.kurs_waluty, p.opis, p.data_okresu, p.status, p.czy_rk,
       p.nr_ewid_dok, n.nr_dok_org, n.nr_sys_dok, n.nr_dziennik, n.data_biezaca, n.data_dok_org, n.data_wplywu,
       n.data_oper_gosp, n.data_zatwierdzenia, n.id_uzyt_p, n.id_paczka, n.id_typ_dok, n.id_kontrahenta,
       n.rodzaj_kartoteki, (SELECT k.kod_paczki FROM PACZKA k WHERE k.id_paczka = n.id_paczka) AS sygnatura, p.lp AS nr_poz_dok
  FROM POZ_DOK p LEFT JOIN NAG_DOK n ON n.id_nag_dok = p.id_nag_dok
 WHERE p.konto_wn <> ''
UNION ALL
SELECT p.id_firmy, p.id_lata_obrot, p.id_poz_dok, p.id_poz_dok * 2 + 1, p.id_nag_dok, p.lp,
       p.konto_ma, 1,
       CAST(0 AS BIGINT), p.kwota_ma, CAST(0 AS BIGINT), p.kwota_ma_w,
       p.waluta, p.kurs_waluty, p.opis, p.data_okresu, p.status, p.czy_rk,
       p.nr_ewid_dok, n.nr_dok_org, n.nr_sys_dok, n.nr_dziennik, n.data_biezaca, n.data_dok_org, n.data_wplywu,
       n.data_oper_gosp, n.data_zatwierdzenia, n.id_uzyt_p, n.id_paczka, n.id_typ_dok, n.id_kontrahenta,
       n.rodzaj_kartoteki, (SELECT k.kod_paczki FROM PACZKA k WHERE k.id_paczka = n.id_paczka), p.lp
  FROM POZ_DOK p LEFT JOIN NAG_DOK n ON n.id_nag_dok = p.id_nag_dok
 WHERE p.konto_ma <> '';

-- The twins of the base view. Each has exactly its rows (one per side of a line, same
-- id_dokument_pozycja) and its columns in the same order, followed by:
--   _BT:     the budget fields of the line, taken from its first budget line in BT_DANE
--            (lp 1); a line without budget lines has '' and 0 there. A line split over
--            several budget lines shows all of them in BT_VIEW.
--   _EXT:    what the ledger-by-periods list shows beside the entry: the account name of
--            the row's account in the chart of the line's year, and the document type symbol.
--   _BT_EXT: both.
-- Each is written out as a UNION ALL of its own (not as a join over the base view) so that
-- SQLite pushes a list's filter and sort order into each arm and uses the indexes.

CREATE VIEW POZ_DOK_VIEW_UNION_BT AS
SELECT p.id_firmy, p.id_lata_obrot, p.id_poz_dok, p.id_poz_dok * 2 AS id_dokument_pozycja, p.id_nag_dok, p.lp,
       p.konto_wn AS konto, 0 AS strona,
       p.kwota_wn AS kwota_wn, CAST(0 AS BIGINT) AS kwota_ma, p.kwota_wn_w AS kwota_wn_w, CAST(0 AS BIGINT) AS kwota_ma_w,
       p.waluta, p.kurs_waluty, p.opis, p.data_okresu, p.status, p.czy_rk,
       p.nr_ewid_dok, n.nr_dok_org, n.nr_sys_dok, n.nr_dziennik, n.data_biezaca, n.data_dok_org, n.data_wplywu,
       n.data_oper_gosp, n.data_zatwierdzenia, n.id_uzyt_p, n.id_paczka, n.id_typ_dok, n.id_kontrahenta,
       n.rodzaj_kartoteki, (SELECT k.kod_paczki FROM PACZKA k WHERE k.id_paczka = n.id_paczka) AS sygnatura, p.lp AS nr_poz_dok,
       coalesce(b.id_bt_dane, 0) AS id_bt_dane, coalesce(b.bt_klasyfikacja, '') AS bt_klasyfikacja, coalesce(b.typ, '') AS typ,
       coalesce(b.rodzaj_wy, 0) AS rodzaj_wy, coalesce(b.rodzaj_k, 0) AS rodzaj_k, coalesce(b.rodzaj_z, 0) AS rodzaj_z,
       coalesce(b.rodzaj_x, 0) AS rodzaj_x, coalesce(b.rodzaj_d, 0) AS rodzaj_d, coalesce(b.rodzaj_wp, 0) AS rodzaj_wp
  FROM POZ_DOK p LEFT JOIN NAG_DOK n ON n.id_nag_dok = p.id_nag_dok
  LEFT JOIN BT_DANE b ON b.id_poz_dok = p.id_poz_dok AND b.lp = 1
 WHERE p.konto_wn <> ''
UNION ALL
SELECT p.id_firmy, p.id_lata_obrot, p.id_poz_dok, p.id_poz_dok * 2 + 1, p.id_nag_dok, p.lp,
       p.konto_ma, 1,
       CAST(0 AS BIGINT), p.kwota_ma, CAST(0 AS BIGINT), p.kwota_ma_w,
       p.waluta, p.kurs_waluty, p.opis, p.data_okresu, p.status, p.czy_rk,
       p.nr_ewid_dok, n.nr_dok_org, n.nr_sys_dok, n.nr_dziennik, n.data_biezaca, n.data_dok_org, n.data_wplywu,
       n.data_oper_gosp, n.data_zatwierdzenia, n.id_uzyt_p, n.id_paczka, n.id_typ_dok, n.id_kontrahenta,
       n.rodzaj_kartoteki, (SELECT k.kod_paczki FROM PACZKA k WHERE k.id_paczka = n.id_paczka), p.lp,
       coalesce(b.id_bt_dane, 0), coalesce(b.bt_klasyfikacja, ''), coalesce(b.typ, ''),
       coalesce(b.rodzaj_wy, 0), coalesce(b.rodzaj_k, 0), coalesce(b.rodzaj_z, 0),
       coalesce(b.rodzaj_x, 0), coalesce(b.rodzaj_d, 0), coalesce(b.rodzaj_wp, 0)
  FROM POZ_DOK p LEFT JOIN NAG_DOK n ON n.id_nag_dok = p.id_nag_dok
  LEFT JOIN BT_DANE b ON b.id_poz_dok = p.id_poz_dok AND b.lp = 1
 WHERE p.konto_ma <> '';

CREATE VIEW POZ_DOK_VIEW_UNION_EXT AS
SELECT p.id_firmy, p.id_lata_obrot, p.id_poz_dok, p.id_poz_dok * 2 AS id_dokument_pozycja, p.id_nag_dok, p.lp,
       p.konto_wn AS konto, 0 AS strona,
       p.kwota_wn AS kwota_wn, CAST(0 AS BIGINT) AS kwota_ma, p.kwota_wn_w AS kwota_wn_w, CAST(0 AS BIGINT) AS kwota_ma_w,
       p.waluta, p.kurs_waluty, p.opis, p.data_okresu, p.status, p.czy_rk,
       p.nr_ewid_dok, n.nr_dok_org, n.nr_sys_dok, n.nr_dziennik, n.data_biezaca, n.data_dok_org, n.data_wplywu,
       n.data_oper_gosp, n.data_zatwierdzenia, n.id_uzyt_p, n.id_paczka, n.id_typ_dok, n.id_kontrahenta,
       n.rodzaj_kartoteki, (SELECT k.kod_paczki FROM PACZKA k WHERE k.id_paczka = n.id_paczka) AS sygnatura, p.lp AS nr_poz_dok,
       coalesce(w.nazwa_konta, '') AS nazwa_konta, coalesce((SELECT t.sym_typ_dok_uz FROM TYP_DOK t WHERE t.id_typ_dok = n.id_typ_dok), '') AS sym_typ_dok_uz
  FROM POZ_DOK p LEFT JOIN NAG_DOK n ON n.id_nag_dok = p.id_nag_dok
  LEFT JOIN WARTOSCI_KONT w ON w.id_firmy = p.id_firmy AND w.id_lata_obrot = p.id_lata_obrot AND w.nr_konta = p.konto_wn
 WHERE p.konto_wn <> ''
UNION ALL
SELECT p.id_firmy, p.id_lata_obrot, p.id_poz_dok, p.id_poz_dok * 2 + 1, p.id_nag_dok, p.lp,
       p.konto_ma, 1,
       CAST(0 AS BIGINT), p.kwota_ma, CAST(0 AS BIGINT), p.kwota_ma_w,
       p.waluta, p.kurs_waluty, p.opis, p.data_okresu, p.status, p.czy_rk,
       p.nr_ewid_dok, n.nr_dok_org, n.nr_sys_dok, n.nr_dziennik, n.data_biezaca, n.data_dok_org, n.data_wplywu,
       n.data_oper_gosp, n.data_zatwierdzenia, n.id_uzyt_p, n.id_paczka, n.id_typ_dok, n.id_kontrahenta,
       n.rodzaj_kartoteki, (SELECT k.kod_paczki FROM PACZKA k WHERE k.id_paczka = n.id_paczka), p.lp,
       coalesce(w.nazwa_konta, ''), coalesce((SELECT t.sym_typ_dok_uz FROM TYP_DOK t WHERE t.id_typ_dok = n.id_typ_dok), '')
  FROM POZ_DOK p LEFT JOIN NAG_DOK n ON n.id_nag_dok = p.id_nag_dok
  LEFT JOIN WARTOSCI_KONT w ON w.id_firmy = p.id_firmy AND w.id_lata_obrot = p.id_lata_obrot AND w.nr_konta = p.konto_ma
 WHERE p.konto_ma <> '';

CREATE VIEW POZ_DOK_VIEW_UNION_BT_EXT AS
SELECT p.id_firmy, p.id_lata_obrot, p.id_poz_dok, p.id_poz_dok * 2 AS id_dokument_pozycja, p.id_nag_dok, p.lp,
       p.konto_wn AS konto, 0 AS strona,
       p.kwota_wn AS kwota_wn, CAST(0 AS BIGINT) AS kwota_ma, p.kwota_wn_w AS kwota_wn_w, CAST(0 AS BIGINT) AS kwota_ma_w,
       p.waluta, p.kurs_waluty, p.opis, p.data_okresu, p.status, p.czy_rk,
       p.nr_ewid_dok, n.nr_dok_org, n.nr_sys_dok, n.nr_dziennik, n.data_biezaca, n.data_dok_org, n.data_wplywu,
       n.data_oper_gosp, n.data_zatwierdzenia, n.id_uzyt_p, n.id_paczka, n.id_typ_dok, n.id_kontrahenta,
       n.rodzaj_kartoteki, (SELECT k.kod_paczki FROM PACZKA k WHERE k.id_paczka = n.id_paczka) AS sygnatura, p.lp AS nr_poz_dok,
       coalesce(b.id_bt_dane, 0) AS id_bt_dane, coalesce(b.bt_klasyfikacja, '') AS bt_klasyfikacja, coalesce(b.typ, '') AS typ,
       coalesce(b.rodzaj_wy, 0) AS rodzaj_wy, coalesce(b.rodzaj_k, 0) AS rodzaj_k, coalesce(b.rodzaj_z, 0) AS rodzaj_z,
       coalesce(b.rodzaj_x, 0) AS rodzaj_x, coalesce(b.rodzaj_d, 0) AS rodzaj_d, coalesce(b.rodzaj_wp, 0) AS rodzaj_wp,
       coalesce(w.nazwa_konta, '') AS nazwa_konta, coalesce((SELECT t.sym_typ_dok_uz FROM TYP_DOK t WHERE t.id_typ_dok = n.id_typ_dok), '') AS sym_typ_dok_uz
  FROM POZ_DOK p LEFT JOIN NAG_DOK n ON n.id_nag_dok = p.id_nag_dok
  LEFT JOIN BT_DANE b ON b.id_poz_dok = p.id_poz_dok AND b.lp = 1
  LEFT JOIN WARTOSCI_KONT w ON w.id_firmy = p.id_firmy AND w.id_lata_obrot = p.id_lata_obrot AND w.nr_konta = p.konto_wn
 WHERE p.konto_wn <> ''
UNION ALL
SELECT p.id_firmy, p.id_lata_obrot, p.id_poz_dok, p.id_poz_dok * 2 + 1, p.id_nag_dok, p.lp,
       p.konto_ma, 1,
       CAST(0 AS BIGINT), p.kwota_ma, CAST(0 AS BIGINT), p.kwota_ma_w,
       p.waluta, p.kurs_waluty, p.opis, p.data_okresu, p.status, p.czy_rk,
       p.nr_ewid_dok, n.nr_dok_org, n.nr_sys_dok, n.nr_dziennik, n.data_biezaca, n.data_dok_org, n.data_wplywu,
       n.data_oper_gosp, n.data_zatwierdzenia, n.id_uzyt_p, n.id_paczka, n.id_typ_dok, n.id_kontrahenta,
       n.rodzaj_kartoteki, (SELECT k.kod_paczki FROM PACZKA k WHERE k.id_paczka = n.id_paczka), p.lp,
       coalesce(b.id_bt_dane, 0), coalesce(b.bt_klasyfikacja, ''), coalesce(b.typ, ''),
       coalesce(b.rodzaj_wy, 0), coalesce(b.rodzaj_k, 0), coalesce(b.rodzaj_z, 0),
       coalesce(b.rodzaj_x, 0), coalesce(b.rodzaj_d, 0), coalesce(b.rodzaj_wp, 0),
       coalesce(w.nazwa_konta, ''), coalesce((SELECT t.sym_typ_dok_uz FROM TYP_DOK t WHERE t.id_typ_dok = n.id_typ_dok), '')
  FROM POZ_DOK p LEFT JOIN NAG_DOK n ON n.id_nag_dok = p.id_nag_dok
  LEFT JOIN BT_DANE b ON b.id_poz_dok = p.id_poz_dok AND b.lp = 1
  LEFT JOIN WARTOSCI_KONT w ON w.id_firmy = p.id_firmy AND w.id_lata_obrot = p.id_lata_obrot AND w.nr_konta = p.konto_ma
 WHERE p.konto_ma <> '';
