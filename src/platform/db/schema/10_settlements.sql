-- Settlements (receivables, payables, payments) of settlement accounts, their clearings,
-- and the account-plan change list that the year-end closing applies.

-- A settlement on an account. rodzaj 'N' należność, 'Z' zobowiązanie, 'P' płatność;
-- strona 'WN' or 'MA'; kwota / kwota_w the amount in PLN / in sym_waluty ('PLN' for home
-- currency), always positive: czy_korekta = 1 marks a correction, which counts negative.
-- czy_bo = 1: the settlement belongs to the opening balance of its year.
-- id_poz_dok_f: the ledger line that carries it (0 = not booked yet).
-- id_nag_dok_m: the warehouse-system document it came from (0 = kept by the ledger).
-- aplikacja_status 1 = hidden in the warehouse system; znacznik_transakcji: transaction
-- mark (the classification in the budget edition).
CREATE TABLE ROZRACHUNEK (
  id_rozrachunku {{ID}},
  id_firmy BIGINT NOT NULL REFERENCES FIRMA(id_firmy),
  id_lata_obrot BIGINT NOT NULL REFERENCES LATA_OBROTOWE(id_lata_obrot),
  nr_konta VARCHAR(60) NOT NULL,
  symbol VARCHAR(30) NOT NULL DEFAULT '',
  nr_dok VARCHAR(30) NOT NULL DEFAULT '',
  data_dok INTEGER NOT NULL DEFAULT 0,
  termin_platnosci INTEGER NOT NULL DEFAULT 0,
  rodzaj VARCHAR(1) NOT NULL DEFAULT 'N',
  strona VARCHAR(2) NOT NULL DEFAULT 'WN',
  kwota BIGINT NOT NULL DEFAULT 0,
  kwota_w BIGINT NOT NULL DEFAULT 0,
  sym_waluty VARCHAR(3) NOT NULL DEFAULT 'PLN',
  opis VARCHAR(100) NOT NULL DEFAULT '',
  czy_korekta INTEGER NOT NULL DEFAULT 0,
  czy_bo INTEGER NOT NULL DEFAULT 0,
  id_poz_dok_f BIGINT NOT NULL DEFAULT 0,
  id_nag_dok_m BIGINT NOT NULL DEFAULT 0,
  aplikacja_status INTEGER NOT NULL DEFAULT 0,
  znacznik_transakcji VARCHAR(30) NOT NULL DEFAULT '',
  id_rozrachunek_klasyfikacja BIGINT NOT NULL DEFAULT 0,
  id_kartoteki BIGINT NOT NULL DEFAULT 0,
  rodzaj_kartoteki VARCHAR(1) NOT NULL DEFAULT ''
);
CREATE INDEX ROZRACHUNEK_KONTO ON ROZRACHUNEK (id_firmy, id_lata_obrot, nr_konta, id_rozrachunku);
CREATE INDEX ROZRACHUNEK_BO_KONTO ON ROZRACHUNEK (id_firmy, id_lata_obrot, czy_bo, nr_konta, id_rozrachunku);
CREATE INDEX ROZRACHUNEK_SYMBOL ON ROZRACHUNEK (id_firmy, id_lata_obrot, symbol, id_rozrachunku);
CREATE INDEX ROZRACHUNEK_TERMIN ON ROZRACHUNEK (id_firmy, id_lata_obrot, termin_platnosci, id_rozrachunku);
CREATE INDEX ROZRACHUNEK_DATADOK ON ROZRACHUNEK (id_firmy, id_lata_obrot, data_dok, id_rozrachunku);
CREATE INDEX ROZRACHUNEK_NRDOK ON ROZRACHUNEK (id_firmy, id_lata_obrot, nr_dok, id_rozrachunku);
CREATE INDEX ROZRACHUNEK_OPIS ON ROZRACHUNEK (id_firmy, id_lata_obrot, opis, id_rozrachunku);
CREATE INDEX ROZRACHUNEK_POZ ON ROZRACHUNEK (id_poz_dok_f);

-- A clearing: kwota (kwota_w in the currency) of settlement id_rozrachunku settled on
-- data_rozliczenia against id_rozrachunku_rozl, booked on ledger line id_poz_dok. Amounts are
-- positive parts of the settlement's own amount; a pair of settlements cleared against each
-- other has one row for each.
CREATE TABLE ROZLICZENIE (
  id_rozliczenia {{ID}},
  id_rozrachunku BIGINT NOT NULL REFERENCES ROZRACHUNEK(id_rozrachunku) ON DELETE CASCADE,
  id_rozrachunku_rozl BIGINT NOT NULL DEFAULT 0,
  id_firmy BIGINT NOT NULL,
  data_rozliczenia INTEGER NOT NULL DEFAULT 0,
  kwota BIGINT NOT NULL DEFAULT 0,
  kwota_w BIGINT NOT NULL DEFAULT 0,
  id_poz_dok BIGINT NOT NULL DEFAULT 0
);
CREATE INDEX ROZLICZENIE_ROZRACHUNEK ON ROZLICZENIE (id_rozrachunku, data_rozliczenia);
CREATE INDEX ROZLICZENIE_ROZL ON ROZLICZENIE (id_rozrachunku_rozl);

-- Clearings of the settlements.
CREATE VIEW ROZLICZENIE_BILANTOR_V AS
SELECT z.id_rozliczenia, z.id_rozrachunku, z.id_rozrachunku_rozl, z.id_firmy, r.id_lata_obrot,
       z.data_rozliczenia, z.kwota, z.kwota_w, z.id_poz_dok
  FROM ROZLICZENIE z JOIN ROZRACHUNEK r ON r.id_rozrachunku = z.id_rozrachunku;

-- Every settlement with its stored fields and the signed amounts by side: kwota_wn/_ma the
-- amount (negative for a correction), pozostalo_wn/_ma what is left after its clearings;
-- *_w the same in the currency. nazwa_konta from the chart of the settlement's year. The
-- cleared part is summed per row, so that a page of a list costs a page of index look-ups.
CREATE VIEW ROZRACHUNEK_BILANTOR_V AS
SELECT r.id_rozrachunku, r.id_firmy, r.id_lata_obrot, r.nr_konta, coalesce(w.nazwa_konta, '') AS nazwa_konta,
       r.symbol, r.nr_dok, r.nr_dok AS nr_dok_org, r.data_dok, r.data_dok AS data_dok_org, r.termin_platnosci,
       r.rodzaj, r.rodzaj AS typ, r.strona, r.kwota, r.kwota_w, r.sym_waluty, r.opis, r.czy_korekta, r.czy_bo,
       r.id_poz_dok_f, r.id_nag_dok_m, r.aplikacja_status, r.znacznik_transakcji,
       r.id_rozrachunek_klasyfikacja, r.id_kartoteki, r.rodzaj_kartoteki,
       CASE WHEN r.strona = 'WN' THEN (CASE WHEN r.czy_korekta = 1 THEN -1 ELSE 1 END) * r.kwota ELSE 0 END AS kwota_wn,
       CASE WHEN r.strona = 'MA' THEN (CASE WHEN r.czy_korekta = 1 THEN -1 ELSE 1 END) * r.kwota ELSE 0 END AS kwota_ma,
       CASE WHEN r.strona = 'WN' THEN (CASE WHEN r.czy_korekta = 1 THEN -1 ELSE 1 END) * (r.kwota - coalesce(CAST((SELECT sum(z.kwota) FROM ROZLICZENIE z WHERE z.id_rozrachunku = r.id_rozrachunku) AS BIGINT), 0)) ELSE 0 END AS pozostalo_wn,
       CASE WHEN r.strona = 'MA' THEN (CASE WHEN r.czy_korekta = 1 THEN -1 ELSE 1 END) * (r.kwota - coalesce(CAST((SELECT sum(z.kwota) FROM ROZLICZENIE z WHERE z.id_rozrachunku = r.id_rozrachunku) AS BIGINT), 0)) ELSE 0 END AS pozostalo_ma,
       CASE WHEN r.strona = 'WN' THEN (CASE WHEN r.czy_korekta = 1 THEN -1 ELSE 1 END) * r.kwota_w ELSE 0 END AS kwota_wn_w,
       CASE WHEN r.strona = 'MA' THEN (CASE WHEN r.czy_korekta = 1 THEN -1 ELSE 1 END) * r.kwota_w ELSE 0 END AS kwota_ma_w,
       CASE WHEN r.strona = 'WN' THEN (CASE WHEN r.czy_korekta = 1 THEN -1 ELSE 1 END) * (r.kwota_w - coalesce(CAST((SELECT sum(z.kwota_w) FROM ROZLICZENIE z WHERE z.id_rozrachunku = r.id_rozrachunku) AS BIGINT), 0)) ELSE 0 END AS pozostalo_wn_w,
       CASE WHEN r.strona = 'MA' THEN (CASE WHEN r.czy_korekta = 1 THEN -1 ELSE 1 END) * (r.kwota_w - coalesce(CAST((SELECT sum(z.kwota_w) FROM ROZLICZENIE z WHERE z.id_rozrachunku = r.id_rozrachunku) AS BIGINT), 0)) ELSE 0 END AS pozostalo_ma_w
  FROM ROZRACHUNEK r
  LEFT JOIN WARTOSCI_KONT w ON w.id_firmy = r.id_firmy AND w.id_lata_obrot = r.id_lata_obrot AND w.nr_konta = r.nr_konta;

-- The settlements that came from the warehouse system's documents.
CREATE VIEW ROZRACHUNEK_TOVARIX_V AS
SELECT * FROM ROZRACHUNEK_BILANTOR_V WHERE id_nag_dok_m <> 0;

-- The settlement lists: the columns the lists, their sums and their filters use.
CREATE VIEW ROZRACHUNEK_VIEW AS
SELECT id_rozrachunku, id_firmy, id_lata_obrot, czy_bo, nr_konta, nazwa_konta, symbol, typ, rodzaj, strona,
       sym_waluty, kwota_wn, kwota_ma, pozostalo_wn, pozostalo_ma, kwota_wn_w, kwota_ma_w, pozostalo_wn_w,
       pozostalo_ma_w, nr_dok, nr_dok_org, data_dok, data_dok_org, termin_platnosci, opis, czy_korekta,
       id_poz_dok_f, id_nag_dok_m, id_kartoteki, rodzaj_kartoteki
  FROM ROZRACHUNEK_BILANTOR_V;

-- The same rows under a second name, for a list that is open beside another one.
CREATE VIEW ROZRACHUNEK_VIEW_ALIAS AS
SELECT * FROM ROZRACHUNEK_VIEW;

-- The settlement list over the warehouse system's settlements.
CREATE VIEW ROZRACHUNEK_VIEW_TOVARIX AS
SELECT * FROM ROZRACHUNEK_VIEW WHERE id_nag_dok_m <> 0;

-- The account-plan change list of a year: at the year-end closing, the balance of z_konta
-- is carried to na_konto in the next year's opening balance.
CREATE TABLE ZMIANA_PLANU_KONT (
  id_zmiana_planu_kont {{ID}},
  id_firmy BIGINT NOT NULL REFERENCES FIRMA(id_firmy),
  id_lata_obrot BIGINT NOT NULL REFERENCES LATA_OBROTOWE(id_lata_obrot),
  z_konta VARCHAR(60) NOT NULL,
  na_konto VARCHAR(60) NOT NULL,
  uwagi VARCHAR(200) NOT NULL DEFAULT ''
);
CREATE INDEX ZMIANA_PLANU_KONT_FIRMA ON ZMIANA_PLANU_KONT (id_firmy, id_lata_obrot, z_konta);

-- Settlements a user attached to one change row: only these move with it.
CREATE TABLE ZMIANA_PLANU_KONT_ROZRACHUNKI (
  id_uzytkownika BIGINT NOT NULL,
  id_zmiana_planu_kont BIGINT NOT NULL REFERENCES ZMIANA_PLANU_KONT(id_zmiana_planu_kont) ON DELETE CASCADE,
  id_rozrachunku BIGINT NOT NULL REFERENCES ROZRACHUNEK(id_rozrachunku) ON DELETE CASCADE,
  PRIMARY KEY (id_uzytkownika, id_zmiana_planu_kont, id_rozrachunku)
);
