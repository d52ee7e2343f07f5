-- Cost centres: the indicators (five dimensions) and the cost-centre splits of ledger lines.

-- An indicator value of one of the five dimensions (nr_wskaznika 1..5), e.g. a department,
-- a task, a vehicle.
CREATE TABLE MPK_WSKAZNIK (
  id_wskaznika {{ID}},
  id_firmy BIGINT NOT NULL REFERENCES FIRMA(id_firmy),
  nr_wskaznika INTEGER NOT NULL,
  symbol VARCHAR(30) NOT NULL,
  nazwa VARCHAR(100) NOT NULL DEFAULT '',
  UNIQUE (id_firmy, nr_wskaznika, symbol)
);

-- A split of one side of a ledger line onto cost-centre indicators. strona 'WN' or 'MA'.
-- konto repeats the line's account of that side, id_firmy and id_lata_obrot the line's
-- values; every writer keeps them equal. drzewo_zbior_id: the ids of the filter-tree sets
-- the split belongs to, each followed by the company's cost-centre separator.
-- nr_ewid_dok, data_biezaca, nr_dok_org and data_dok_org repeat the line's document header
-- (refreshCostCentreLineCopies after every write), so that the list's orders read an index
-- of the splits alone (28_cost_centre_sort_keys.sql).
CREATE TABLE MPK_DANE (
  id_mpk_dane {{ID}},
  id_poz_dok BIGINT NOT NULL REFERENCES POZ_DOK(id_poz_dok) ON DELETE CASCADE,
  id_firmy BIGINT NOT NULL,
  id_lata_obrot BIGINT NOT NULL,
  strona VARCHAR(2) NOT NULL DEFAULT 'WN',
  konto VARCHAR(60) NOT NULL DEFAULT '',
  kwota BIGINT NOT NULL DEFAULT 0,
  wskaznik_1_id BIGINT NOT NULL DEFAULT 0,
  wskaznik_2_id BIGINT NOT NULL DEFAULT 0,
  wskaznik_3_id BIGINT NOT NULL DEFAULT 0,
  wskaznik_4_id BIGINT NOT NULL DEFAULT 0,
  wskaznik_5_id BIGINT NOT NULL DEFAULT 0,
  drzewo_zbior_id VARCHAR(250) NOT NULL DEFAULT '',
  nr_ewid_dok VARCHAR(30) NOT NULL DEFAULT '',
  data_biezaca INTEGER NOT NULL DEFAULT 0,
  nr_dok_org VARCHAR(40) NOT NULL DEFAULT '',
  data_dok_org INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX MPK_DANE_POZ ON MPK_DANE (id_poz_dok, id_mpk_dane);
CREATE INDEX MPK_DANE_KONTO ON MPK_DANE (id_firmy, id_lata_obrot, konto, id_mpk_dane);
CREATE INDEX MPK_DANE_KWOTA ON MPK_DANE (id_firmy, id_lata_obrot, kwota, id_mpk_dane);

-- One row per cost-centre split with its ledger line, document and indicator symbols. The
-- header's sort columns come from the split's copy: an order on one of them then reads the
-- split's index and joins the line and header of the page's rows only.
CREATE VIEW MPK_VIEW AS
SELECT m.id_mpk_dane, m.id_firmy, m.id_lata_obrot, p.id_nag_dok, m.id_poz_dok,
       n.id_paczka, n.id_typ_dok, p.data_okresu, m.data_biezaca, m.data_dok_org,
       m.nr_ewid_dok, m.nr_dok_org, p.lp AS nr_poz_dok, p.opis AS tresc_poz_dok,
       m.konto, m.strona, m.kwota,
       coalesce(w1.symbol, '') AS wskaznik_1, m.wskaznik_1_id,
       coalesce(w2.symbol, '') AS wskaznik_2, m.wskaznik_2_id,
       coalesce(w3.symbol, '') AS wskaznik_3, m.wskaznik_3_id,
       coalesce(w4.symbol, '') AS wskaznik_4, m.wskaznik_4_id,
       coalesce(w5.symbol, '') AS wskaznik_5, m.wskaznik_5_id,
       m.drzewo_zbior_id, p.status, p.czy_rk
  FROM MPK_DANE m
  JOIN POZ_DOK p ON p.id_poz_dok = m.id_poz_dok
  JOIN NAG_DOK n ON n.id_nag_dok = p.id_nag_dok
  LEFT JOIN MPK_WSKAZNIK w1 ON w1.id_wskaznika = m.wskaznik_1_id
  LEFT JOIN MPK_WSKAZNIK w2 ON w2.id_wskaznika = m.wskaznik_2_id
  LEFT JOIN MPK_WSKAZNIK w3 ON w3.id_wskaznika = m.wskaznik_3_id
  LEFT JOIN MPK_WSKAZNIK w4 ON w4.id_wskaznika = m.wskaznik_4_id
  LEFT JOIN MPK_WSKAZNIK w5 ON w5.id_wskaznika = m.wskaznik_5_id;

