-- Budget units: the budget lines of ledger lines, the budget plan, the classification
-- dictionary and the per-user work table of the budget forms.

-- A budget line: part of a ledger line booked under a classification symbol
-- (dział-rozdział-paragraf[-analytic], e.g. 801-80101-4010) on the expenditure ('W') or
-- revenue ('D') side. A ledger line usually has one budget line; it may be split over
-- several, each with its own amount; lp numbers the budget lines of a ledger line from 1, and
-- lp 1 is the one the budget twins of the entry views show. rodzaj_*: 1 = the amount counts as expenditure (wy),
-- cost (k), commitment (z), cash (x), accrued revenue (d), receipt (wp).
-- id_firmy and id_lata_obrot repeat the ledger line's values; every writer keeps them equal.
-- nr_ewid_dok, data_biezaca, nr_dok_org, data_dok_org (the document's) and konto_wn, konto_ma
-- (the ledger line's) are copies the budget lists sort by off an index of this table; every
-- writer of BT_DANE, and every writer of what they copy, calls db::refreshBudgetLineCopies
-- (platform/db/BudgetLineCopies.h) after its write.
CREATE TABLE BT_DANE (
  id_bt_dane {{ID}},
  id_poz_dok BIGINT NOT NULL REFERENCES POZ_DOK(id_poz_dok) ON DELETE CASCADE,
  lp INTEGER NOT NULL DEFAULT 1,
  id_firmy BIGINT NOT NULL,
  id_lata_obrot BIGINT NOT NULL,
  bt_klasyfikacja VARCHAR(50) NOT NULL DEFAULT '',
  typ VARCHAR(1) NOT NULL DEFAULT 'W',
  rodzaj_wy INTEGER NOT NULL DEFAULT 0,
  rodzaj_k INTEGER NOT NULL DEFAULT 0,
  rodzaj_z INTEGER NOT NULL DEFAULT 0,
  rodzaj_x INTEGER NOT NULL DEFAULT 0,
  rodzaj_d INTEGER NOT NULL DEFAULT 0,
  rodzaj_wp INTEGER NOT NULL DEFAULT 0,
  kwota BIGINT NOT NULL DEFAULT 0,
  nr_ewid_dok VARCHAR(30) NOT NULL DEFAULT '',
  data_biezaca INTEGER NOT NULL DEFAULT 0,
  nr_dok_org VARCHAR(40) NOT NULL DEFAULT '',
  data_dok_org INTEGER NOT NULL DEFAULT 0,
  konto_wn VARCHAR(60) NOT NULL DEFAULT '',
  konto_ma VARCHAR(60) NOT NULL DEFAULT ''
);
CREATE UNIQUE INDEX BT_DANE_POZ ON BT_DANE (id_poz_dok, lp);
CREATE INDEX BT_DANE_KLASYFIKACJA ON BT_DANE (id_firmy, id_lata_obrot, typ, bt_klasyfikacja, id_bt_dane);
CREATE INDEX BT_DANE_KWOTA ON BT_DANE (id_firmy, id_lata_obrot, typ, kwota, id_bt_dane);

-- One row per budget line with its ledger line and document. The columns the lists sort by
-- are the budget line's copies, so that an order reads an index of BT_DANE.
CREATE VIEW BT_VIEW AS
SELECT b.id_bt_dane, b.id_firmy, b.id_lata_obrot, p.id_nag_dok, b.id_poz_dok,
       b.bt_klasyfikacja, b.typ,
       b.rodzaj_wy, b.rodzaj_k, b.rodzaj_z, b.rodzaj_x, b.rodzaj_d, b.rodzaj_wp,
       b.kwota, b.konto_wn, b.konto_ma,
       b.nr_ewid_dok, b.nr_dok_org, p.lp AS nr_poz_dok,
       b.data_biezaca, b.data_dok_org, p.data_okresu,
       n.id_paczka, n.id_typ_dok, p.opis AS tresc_poz_dok, p.status, p.czy_rk
  FROM BT_DANE b
  JOIN POZ_DOK p ON p.id_poz_dok = b.id_poz_dok
  JOIN NAG_DOK n ON n.id_nag_dok = p.id_nag_dok;

-- The budget plan: the adopted plan of a classification symbol and side (rodzaj_zmiany 0)
-- and each later change (1), each dated; the plan in force on a day is the sum of the rows
-- dated up to that day.
CREATE TABLE BT_PLAN (
  id_bt_plan {{ID}},
  id_firmy BIGINT NOT NULL REFERENCES FIRMA(id_firmy),
  id_lata_obrot BIGINT NOT NULL REFERENCES LATA_OBROTOWE(id_lata_obrot),
  bt_klasyfikacja VARCHAR(50) NOT NULL,
  typ VARCHAR(1) NOT NULL DEFAULT 'W',
  data_planu INTEGER NOT NULL DEFAULT 0,
  rodzaj_zmiany INTEGER NOT NULL DEFAULT 0,
  kwota BIGINT NOT NULL DEFAULT 0,
  opis VARCHAR(200) NOT NULL DEFAULT ''
);
CREATE INDEX BT_PLAN_ROK_TYP ON BT_PLAN (id_lata_obrot, typ, bt_klasyfikacja);
CREATE INDEX BT_PLAN_FIRMA ON BT_PLAN (id_firmy, typ, bt_klasyfikacja, data_planu);

-- The classification dictionary: names of dział, rozdział, paragraf and analytic symbols.
-- poziom 1 dział, 2 rozdział, 3 paragraf, 4 analytic; typ 'W', 'D' or '' for both sides;
-- valid from data_od to data_do (0 = open).
CREATE TABLE KLASYFIKACJA_BUDZETOWA (
  id_klasyfikacji {{ID}},
  id_firmy BIGINT NOT NULL REFERENCES FIRMA(id_firmy),
  symbol VARCHAR(50) NOT NULL,
  typ VARCHAR(1) NOT NULL DEFAULT '',
  poziom INTEGER NOT NULL DEFAULT 1,
  nazwa VARCHAR(300) NOT NULL DEFAULT '',
  data_od INTEGER NOT NULL DEFAULT 0,
  data_do INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX KLASYFIKACJA_BUDZETOWA_SYMBOL ON KLASYFIKACJA_BUDZETOWA (id_firmy, symbol, data_od);

-- Work rows of a user's statement (the Rb forms read wariant_zestaw 50, id_zestaw_nag 0):
-- kol1..kol8 amounts in grosze, kol1s..kol3s dział, rozdział, paragraf.
CREATE TABLE ZESTAW_ZESTAW (
  id_zestaw_zestaw {{ID}},
  id_uzytkownika BIGINT NOT NULL,
  id_zestaw_nag BIGINT NOT NULL DEFAULT 0,
  wariant_zestaw INTEGER NOT NULL DEFAULT 0,
  symbol VARCHAR(30) NOT NULL DEFAULT '',
  opis VARCHAR(250) NOT NULL DEFAULT '',
  info VARCHAR(250) NOT NULL DEFAULT '',
  poziom INTEGER NOT NULL DEFAULT 0,
  lp INTEGER NOT NULL DEFAULT 0,
  kol1 BIGINT NOT NULL DEFAULT 0,
  kol2 BIGINT NOT NULL DEFAULT 0,
  kol3 BIGINT NOT NULL DEFAULT 0,
  kol4 BIGINT NOT NULL DEFAULT 0,
  kol5 BIGINT NOT NULL DEFAULT 0,
  kol6 BIGINT NOT NULL DEFAULT 0,
  kol7 BIGINT NOT NULL DEFAULT 0,
  kol8 BIGINT NOT NULL DEFAULT 0,
  kol1s VARCHAR(20) NOT NULL DEFAULT '',
  kol2s VARCHAR(20) NOT NULL DEFAULT '',
  kol3s VARCHAR(20) NOT NULL DEFAULT ''
);
CREATE INDEX ZESTAW_ZESTAW_UZYT ON ZESTAW_ZESTAW (id_uzytkownika, id_zestaw_nag, wariant_zestaw, lp);
