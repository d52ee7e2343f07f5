-- The ledger-entry view POZ_DOK_VIEW_UNION and its twins, as PostgreSQL reads them best:
-- one row per non-empty side of a line (strona 0 = Dt, 1 = Ct; id_dokument_pozycja =
-- 2 * id_poz_dok + strona, the row's key in the selection store), the same rows and columns
-- as the SQLite form in 09_entry_views.sqlite.sql.
-- Each arm reads POZ_DOK alone and takes the header's, the budget line's and the account's
-- fields through scalar subqueries, and the empty side is left out by the condition around
-- the union: so PostgreSQL flattens the union into an append of two POZ_DOK scans, pushes a
-- list's filter into each, reads each in index order (POZ_DOK_KONTO_WN / _MA) and merges them
-- under ORDER BY ... LIMIT, looking up only the header fields of the rows it returns; sums
-- read the covering indexes alone. A join inside an arm would keep the arm a subquery that
-- is read whole and sorted for every page.

CREATE VIEW POZ_DOK_VIEW_UNION AS
SELECT * FROM (
SELECT p.id_firmy, p.id_lata_obrot, p.id_poz_dok, p.id_poz_dok * 2 AS id_dokument_pozycja, p.id_nag_dok, p.lp,
       p.konto_wn AS konto, 0 AS strona,
       p.kwota_wn AS kwota_wn, CAST(0 AS BIGINT) AS kwota_ma, p.kwota_wn_w AS kwota_wn_w, CAST(0 AS BIGINT) AS kwota_ma_w,
       p.waluta, p.kurs_waluty, p.opis, p.data_okresu, p.status, p.czy_rk, p.nr_ewid_dok,
       (SELECT n.nr_dok_org FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS nr_dok_org,
       (SELECT n.nr_sys_dok FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS nr_sys_dok,
       (SELECT n.nr_dziennik FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS nr_dziennik,
       (SELECT n.data_biezaca FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS data_biezaca,
       (SELECT n.data_dok_org FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS data_dok_org,
       (SELECT n.data_wplywu FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS data_wplywu,
       (SELECT n.data_oper_gosp FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS data_oper_gosp,
       (SELECT n.data_zatwierdzenia FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS data_zatwierdzenia,
       (SELECT n.id_uzyt_p FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS id_uzyt_p,
       (SELECT n.id_paczka FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS id_paczka,
       (SELECT n.id_typ_dok FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS id_typ_dok,
       (SELECT n.id_kontrahenta FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS id_kontrahenta,
       (SELECT n.rodzaj_kartoteki FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS rodzaj_kartoteki,
       (SELECT k.kod_paczki FROM NAG_DOK n JOIN PACZKA k ON k.id_paczka = n.id_paczka WHERE n.id_nag_dok = p.id_nag_dok) AS sygnatura,
       p.lp AS nr_poz_dok
  FROM POZ_DOK p
UNION ALL
SELECT p.id_firmy, p.id_lata_obrot, p.id_poz_dok, p.id_poz_dok * 2 + 1, p.id_nag_dok, p.lp,
       p.konto_ma, 1,
       CAST(0 AS BIGINT), p.kwota_ma, CAST(0 AS BIGINT), p.kwota_ma_w,
       p.waluta, p.kurs_waluty, p.opis, p.data_okresu, p.status, p.czy_rk, p.nr_ewid_dok,
       (SELECT n.nr_dok_org FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.nr_sys_dok FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.nr_dziennik FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.data_biezaca FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.data_dok_org FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.data_wplywu FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.data_oper_gosp FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.data_zatwierdzenia FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.id_uzyt_p FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.id_paczka FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.id_typ_dok FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.id_kontrahenta FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.rodzaj_kartoteki FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT k.kod_paczki FROM NAG_DOK n JOIN PACZKA k ON k.id_paczka = n.id_paczka WHERE n.id_nag_dok = p.id_nag_dok),
       p.lp
  FROM POZ_DOK p
) u
 WHERE u.konto <> '';

CREATE VIEW POZ_DOK_VIEW_UNION_BT AS
SELECT * FROM (
SELECT p.id_firmy, p.id_lata_obrot, p.id_poz_dok, p.id_poz_dok * 2 AS id_dokument_pozycja, p.id_nag_dok, p.lp,
       p.konto_wn AS konto, 0 AS strona,
       p.kwota_wn AS kwota_wn, CAST(0 AS BIGINT) AS kwota_ma, p.kwota_wn_w AS kwota_wn_w, CAST(0 AS BIGINT) AS kwota_ma_w,
       p.waluta, p.kurs_waluty, p.opis, p.data_okresu, p.status, p.czy_rk, p.nr_ewid_dok,
       (SELECT n.nr_dok_org FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS nr_dok_org,
       (SELECT n.nr_sys_dok FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS nr_sys_dok,
       (SELECT n.nr_dziennik FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS nr_dziennik,
       (SELECT n.data_biezaca FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS data_biezaca,
       (SELECT n.data_dok_org FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS data_dok_org,
       (SELECT n.data_wplywu FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS data_wplywu,
       (SELECT n.data_oper_gosp FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS data_oper_gosp,
       (SELECT n.data_zatwierdzenia FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS data_zatwierdzenia,
       (SELECT n.id_uzyt_p FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS id_uzyt_p,
       (SELECT n.id_paczka FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS id_paczka,
       (SELECT n.id_typ_dok FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS id_typ_dok,
       (SELECT n.id_kontrahenta FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS id_kontrahenta,
       (SELECT n.rodzaj_kartoteki FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS rodzaj_kartoteki,
       (SELECT k.kod_paczki FROM NAG_DOK n JOIN PACZKA k ON k.id_paczka = n.id_paczka WHERE n.id_nag_dok = p.id_nag_dok) AS sygnatura,
       p.lp AS nr_poz_dok,
       coalesce((SELECT b.id_bt_dane FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0) AS id_bt_dane,
       coalesce((SELECT b.bt_klasyfikacja FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), '') AS bt_klasyfikacja,
       coalesce((SELECT b.typ FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), '') AS typ,
       coalesce((SELECT b.rodzaj_wy FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0) AS rodzaj_wy,
       coalesce((SELECT b.rodzaj_k FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0) AS rodzaj_k,
       coalesce((SELECT b.rodzaj_z FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0) AS rodzaj_z,
       coalesce((SELECT b.rodzaj_x FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0) AS rodzaj_x,
       coalesce((SELECT b.rodzaj_d FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0) AS rodzaj_d,
       coalesce((SELECT b.rodzaj_wp FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0) AS rodzaj_wp
  FROM POZ_DOK p
UNION ALL
SELECT p.id_firmy, p.id_lata_obrot, p.id_poz_dok, p.id_poz_dok * 2 + 1, p.id_nag_dok, p.lp,
       p.konto_ma, 1,
       CAST(0 AS BIGINT), p.kwota_ma, CAST(0 AS BIGINT), p.kwota_ma_w,
       p.waluta, p.kurs_waluty, p.opis, p.data_okresu, p.status, p.czy_rk, p.nr_ewid_dok,
       (SELECT n.nr_dok_org FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.nr_sys_dok FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.nr_dziennik FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.data_biezaca FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.data_dok_org FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.data_wplywu FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.data_oper_gosp FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.data_zatwierdzenia FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.id_uzyt_p FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.id_paczka FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.id_typ_dok FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.id_kontrahenta FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.rodzaj_kartoteki FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT k.kod_paczki FROM NAG_DOK n JOIN PACZKA k ON k.id_paczka = n.id_paczka WHERE n.id_nag_dok = p.id_nag_dok),
       p.lp,
       coalesce((SELECT b.id_bt_dane FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0),
       coalesce((SELECT b.bt_klasyfikacja FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), ''),
       coalesce((SELECT b.typ FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), ''),
       coalesce((SELECT b.rodzaj_wy FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0),
       coalesce((SELECT b.rodzaj_k FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0),
       coalesce((SELECT b.rodzaj_z FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0),
       coalesce((SELECT b.rodzaj_x FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0),
       coalesce((SELECT b.rodzaj_d FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0),
       coalesce((SELECT b.rodzaj_wp FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0)
  FROM POZ_DOK p
) u
 WHERE u.konto <> '';

CREATE VIEW POZ_DOK_VIEW_UNION_EXT AS
SELECT * FROM (
SELECT p.id_firmy, p.id_lata_obrot, p.id_poz_dok, p.id_poz_dok * 2 AS id_dokument_pozycja, p.id_nag_dok, p.lp,
       p.konto_wn AS konto, 0 AS strona,
       p.kwota_wn AS kwota_wn, CAST(0 AS BIGINT) AS kwota_ma, p.kwota_wn_w AS kwota_wn_w, CAST(0 AS BIGINT) AS kwota_ma_w,
       p.waluta, p.kurs_waluty, p.opis, p.data_okresu, p.status, p.czy_rk, p.nr_ewid_dok,
       (SELECT n.nr_dok_org FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS nr_dok_org,
       (SELECT n.nr_sys_dok FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS nr_sys_dok,
       (SELECT n.nr_dziennik FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS nr_dziennik,
       (SELECT n.data_biezaca FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS data_biezaca,
       (SELECT n.data_dok_org FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS data_dok_org,
       (SELECT n.data_wplywu FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS data_wplywu,
       (SELECT n.data_oper_gosp FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS data_oper_gosp,
       (SELECT n.data_zatwierdzenia FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS data_zatwierdzenia,
       (SELECT n.id_uzyt_p FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS id_uzyt_p,
       (SELECT n.id_paczka FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS id_paczka,
       (SELECT n.id_typ_dok FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS id_typ_dok,
       (SELECT n.id_kontrahenta FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS id_kontrahenta,
       (SELECT n.rodzaj_kartoteki FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS rodzaj_kartoteki,
       (SELECT k.kod_paczki FROM NAG_DOK n JOIN PACZKA k ON k.id_paczka = n.id_paczka WHERE n.id_nag_dok = p.id_nag_dok) AS sygnatura,
       p.lp AS nr_poz_dok,
       coalesce((SELECT w.nazwa_konta FROM WARTOSCI_KONT w WHERE w.id_firmy = p.id_firmy AND w.id_lata_obrot = p.id_lata_obrot AND w.nr_konta = p.konto_wn), '') AS nazwa_konta,
       coalesce((SELECT t.sym_typ_dok_uz FROM NAG_DOK n JOIN TYP_DOK t ON t.id_typ_dok = n.id_typ_dok WHERE n.id_nag_dok = p.id_nag_dok), '') AS sym_typ_dok_uz
  FROM POZ_DOK p
UNION ALL
SELECT p.id_firmy, p.id_lata_obrot, p.id_poz_dok, p.id_poz_dok * 2 + 1, p.id_nag_dok, p.lp,
       p.konto_ma, 1,
       CAST(0 AS BIGINT), p.kwota_ma, CAST(0 AS BIGINT), p.kwota_ma_w,
       p.waluta, p.kurs_waluty, p.opis, p.data_okresu, p.status, p.czy_rk, p.nr_ewid_dok,
       (SELECT n.nr_dok_org FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.nr_sys_dok FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.nr_dziennik FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.data_biezaca FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.data_dok_org FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.data_wplywu FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.data_oper_gosp FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.data_zatwierdzenia FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.id_uzyt_p FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.id_paczka FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.id_typ_dok FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.id_kontrahenta FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.rodzaj_kartoteki FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT k.kod_paczki FROM NAG_DOK n JOIN PACZKA k ON k.id_paczka = n.id_paczka WHERE n.id_nag_dok = p.id_nag_dok),
       p.lp,
       coalesce((SELECT w.nazwa_konta FROM WARTOSCI_KONT w WHERE w.id_firmy = p.id_firmy AND w.id_lata_obrot = p.id_lata_obrot AND w.nr_konta = p.konto_ma), ''),
       coalesce((SELECT t.sym_typ_dok_uz FROM NAG_DOK n JOIN TYP_DOK t ON t.id_typ_dok = n.id_typ_dok WHERE n.id_nag_dok = p.id_nag_dok), '')
  FROM POZ_DOK p
) u
 WHERE u.konto <> '';

CREATE VIEW POZ_DOK_VIEW_UNION_BT_EXT AS
SELECT * FROM (
SELECT p.id_firmy, p.id_lata_obrot, p.id_poz_dok, p.id_poz_dok * 2 AS id_dokument_pozycja, p.id_nag_dok, p.lp,
       p.konto_wn AS konto, 0 AS strona,
       p.kwota_wn AS kwota_wn, CAST(0 AS BIGINT) AS kwota_ma, p.kwota_wn_w AS kwota_wn_w, CAST(0 AS BIGINT) AS kwota_ma_w,
       p.waluta, p.kurs_waluty, p.opis, p.data_okresu, p.status, p.czy_rk, p.nr_ewid_dok,
       (SELECT n.nr_dok_org FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS nr_dok_org,
       (SELECT n.nr_sys_dok FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS nr_sys_dok,
       (SELECT n.nr_dziennik FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS nr_dziennik,
       (SELECT n.data_biezaca FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS data_biezaca,
       (SELECT n.data_dok_org FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS data_dok_org,
       (SELECT n.data_wplywu FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS data_wplywu,
       (SELECT n.data_oper_gosp FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS data_oper_gosp,
       (SELECT n.data_zatwierdzenia FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS data_zatwierdzenia,
       (SELECT n.id_uzyt_p FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS id_uzyt_p,
       (SELECT n.id_paczka FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS id_paczka,
       (SELECT n.id_typ_dok FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS id_typ_dok,
       (SELECT n.id_kontrahenta FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS id_kontrahenta,
       (SELECT n.rodzaj_kartoteki FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok) AS rodzaj_kartoteki,
       (SELECT k.kod_paczki FROM NAG_DOK n JOIN PACZKA k ON k.id_paczka = n.id_paczka WHERE n.id_nag_dok = p.id_nag_dok) AS sygnatura,
       p.lp AS nr_poz_dok,
       coalesce((SELECT b.id_bt_dane FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0) AS id_bt_dane,
       coalesce((SELECT b.bt_klasyfikacja FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), '') AS bt_klasyfikacja,
       coalesce((SELECT b.typ FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), '') AS typ,
       coalesce((SELECT b.rodzaj_wy FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0) AS rodzaj_wy,
       coalesce((SELECT b.rodzaj_k FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0) AS rodzaj_k,
       coalesce((SELECT b.rodzaj_z FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0) AS rodzaj_z,
       coalesce((SELECT b.rodzaj_x FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0) AS rodzaj_x,
       coalesce((SELECT b.rodzaj_d FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0) AS rodzaj_d,
       coalesce((SELECT b.rodzaj_wp FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0) AS rodzaj_wp,
       coalesce((SELECT w.nazwa_konta FROM WARTOSCI_KONT w WHERE w.id_firmy = p.id_firmy AND w.id_lata_obrot = p.id_lata_obrot AND w.nr_konta = p.konto_wn), '') AS nazwa_konta,
       coalesce((SELECT t.sym_typ_dok_uz FROM NAG_DOK n JOIN TYP_DOK t ON t.id_typ_dok = n.id_typ_dok WHERE n.id_nag_dok = p.id_nag_dok), '') AS sym_typ_dok_uz
  FROM POZ_DOK p
UNION ALL
SELECT p.id_firmy, p.id_lata_obrot, p.id_poz_dok, p.id_poz_dok * 2 + 1, p.id_nag_dok, p.lp,
       p.konto_ma, 1,
       CAST(0 AS BIGINT), p.kwota_ma, CAST(0 AS BIGINT), p.kwota_ma_w,
       p.waluta, p.kurs_waluty, p.opis, p.data_okresu, p.status, p.czy_rk, p.nr_ewid_dok,
       (SELECT n.nr_dok_org FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.nr_sys_dok FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.nr_dziennik FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.data_biezaca FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.data_dok_org FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.data_wplywu FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.data_oper_gosp FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.data_zatwierdzenia FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.id_uzyt_p FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.id_paczka FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.id_typ_dok FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.id_kontrahenta FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT n.rodzaj_kartoteki FROM NAG_DOK n WHERE n.id_nag_dok = p.id_nag_dok),
       (SELECT k.kod_paczki FROM NAG_DOK n JOIN PACZKA k ON k.id_paczka = n.id_paczka WHERE n.id_nag_dok = p.id_nag_dok),
       p.lp,
       coalesce((SELECT b.id_bt_dane FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0),
       coalesce((SELECT b.bt_klasyfikacja FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), ''),
       coalesce((SELECT b.typ FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), ''),
       coalesce((SELECT b.rodzaj_wy FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0),
       coalesce((SELECT b.rodzaj_k FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0),
       coalesce((SELECT b.rodzaj_z FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0),
       coalesce((SELECT b.rodzaj_x FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0),
       coalesce((SELECT b.rodzaj_d FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0),
       coalesce((SELECT b.rodzaj_wp FROM BT_DANE b WHERE b.id_poz_dok = p.id_poz_dok AND b.lp = 1), 0),
       coalesce((SELECT w.nazwa_konta FROM WARTOSCI_KONT w WHERE w.id_firmy = p.id_firmy AND w.id_lata_obrot = p.id_lata_obrot AND w.nr_konta = p.konto_ma), ''),
       coalesce((SELECT t.sym_typ_dok_uz FROM NAG_DOK n JOIN TYP_DOK t ON t.id_typ_dok = n.id_typ_dok WHERE n.id_nag_dok = p.id_nag_dok), '')
  FROM POZ_DOK p
) u
 WHERE u.konto <> '';
