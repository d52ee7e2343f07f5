-- Journals, document types, ledger documents and their lines.

CREATE TABLE PACZKA (
  id_paczka {{ID}},
  id_firmy BIGINT NOT NULL REFERENCES FIRMA(id_firmy),
  id_lata_obrot BIGINT NOT NULL REFERENCES LATA_OBROTOWE(id_lata_obrot),
  kod_paczki VARCHAR(6) NOT NULL,
  opis_paczki VARCHAR(100) NOT NULL DEFAULT '',
  UNIQUE (id_firmy, id_lata_obrot, kod_paczki)
);

CREATE TABLE TYP_DOK (
  id_typ_dok {{ID}},
  id_firmy BIGINT NOT NULL REFERENCES FIRMA(id_firmy),
  sym_typ_dok_uz VARCHAR(10) NOT NULL,
  naz_typ_dok_uz VARCHAR(100) NOT NULL DEFAULT '',
  UNIQUE (id_firmy, sym_typ_dok_uz)
);

-- Which document types a journal takes.
CREATE TABLE PACZKA_TYPDOK (
  id_paczka BIGINT NOT NULL REFERENCES PACZKA(id_paczka),
  id_typ_dok BIGINT NOT NULL REFERENCES TYP_DOK(id_typ_dok),
  PRIMARY KEY (id_paczka, id_typ_dok)
);

-- A ledger document. status: 2 = posted (zaksięgowany), lower = not posted yet.
-- czy_rk: kind marker; 10 = opening-balance document (one per company, year and currency).
-- Dates are day numbers; data_okresu is the period date (day 1 BO, 2 month, 28 BZ).
CREATE TABLE NAG_DOK (
  id_nag_dok {{ID}},
  id_firmy BIGINT NOT NULL REFERENCES FIRMA(id_firmy),
  id_lata_obrot BIGINT NOT NULL REFERENCES LATA_OBROTOWE(id_lata_obrot),
  id_paczka BIGINT REFERENCES PACZKA(id_paczka),
  id_typ_dok BIGINT REFERENCES TYP_DOK(id_typ_dok),
  nr_ewid_dok VARCHAR(30) NOT NULL DEFAULT '',
  nr_dok_org VARCHAR(40) NOT NULL DEFAULT '',
  nr_sys_dok VARCHAR(30) NOT NULL DEFAULT '',
  nr_dziennik BIGINT NOT NULL DEFAULT 0,
  data_biezaca INTEGER NOT NULL DEFAULT 0,
  data_dok_org INTEGER NOT NULL DEFAULT 0,
  data_okresu INTEGER NOT NULL DEFAULT 0,
  data_wplywu INTEGER NOT NULL DEFAULT 0,
  data_oper_gosp INTEGER NOT NULL DEFAULT 0,
  data_zatwierdzenia INTEGER NOT NULL DEFAULT 0,
  status INTEGER NOT NULL DEFAULT 0,
  czy_rk INTEGER NOT NULL DEFAULT 0,
  waluta VARCHAR(3) NOT NULL DEFAULT '',
  opis VARCHAR(250) NOT NULL DEFAULT '',
  id_uzyt_p VARCHAR(8) NOT NULL DEFAULT '',
  id_kontrahenta BIGINT NOT NULL DEFAULT 0,
  rodzaj_kartoteki VARCHAR(1) NOT NULL DEFAULT ''
);
CREATE INDEX NAG_DOK_FIRMA_ROK_NREWID ON NAG_DOK (id_firmy, id_lata_obrot, nr_ewid_dok);
CREATE INDEX NAG_DOK_FIRMA_ROK_CZYRK ON NAG_DOK (id_firmy, id_lata_obrot, czy_rk, waluta);
-- One opening-balance document per company, year and currency, also when two sessions
-- prepare it at once.
CREATE UNIQUE INDEX NAG_DOK_JEDEN_BO ON NAG_DOK (id_firmy, id_lata_obrot, waluta) WHERE czy_rk = 10;
-- Sort orders of the entry lists that run over header columns (docs/schema.md names the keys).
CREATE INDEX NAG_DOK_FIRMA_ROK_DATABIEZ ON NAG_DOK (id_firmy, id_lata_obrot, data_biezaca, id_nag_dok);
CREATE INDEX NAG_DOK_FIRMA_ROK_DATADOK ON NAG_DOK (id_firmy, id_lata_obrot, data_dok_org, id_nag_dok);
CREATE INDEX NAG_DOK_FIRMA_ROK_NRDOK ON NAG_DOK (id_firmy, id_lata_obrot, nr_dok_org, id_nag_dok);
CREATE INDEX NAG_DOK_FIRMA_ROK_DATAOPER ON NAG_DOK (id_firmy, id_lata_obrot, data_oper_gosp, id_nag_dok);
CREATE INDEX NAG_DOK_FIRMA_ROK_DATAZATW ON NAG_DOK (id_firmy, id_lata_obrot, data_zatwierdzenia, id_nag_dok);
CREATE INDEX NAG_DOK_FIRMA_ROK_DATAWPL ON NAG_DOK (id_firmy, id_lata_obrot, data_wplywu, id_nag_dok);
CREATE INDEX NAG_DOK_FIRMA_ROK_NRSYS ON NAG_DOK (id_firmy, id_lata_obrot, nr_sys_dok, id_nag_dok);
CREATE INDEX NAG_DOK_FIRMA_ROK_NRDZIENNIK ON NAG_DOK (id_firmy, id_lata_obrot, nr_dziennik, id_nag_dok);
CREATE INDEX NAG_DOK_FIRMA_ROK_PACZKA ON NAG_DOK (id_firmy, id_lata_obrot, id_paczka, id_nag_dok);
CREATE INDEX NAG_DOK_FIRMA_ROK_TYP ON NAG_DOK (id_firmy, id_lata_obrot, id_typ_dok, id_nag_dok);

-- A line of a document: an amount on the Dt account, the Ct account, or both. Removing a
-- document removes its lines, and with them their partial entries, budget lines, cost-centre
-- splits and dictionary values.
-- Amounts are whole grosze; *_w are the amounts in the line's currency, waluta '' = PLN.
-- id_firmy, id_lata_obrot, nr_ewid_dok, data_okresu, status, czy_rk and the header's sort
-- columns from data_biezaca to nr_sys_dok repeat the header's values, so that turnovers and
-- entry lists filter and sort the lines without a join; syntetyka_wn/_ma are the first segment
-- of each side's account ('201' of '201-01-003'), so that a synthetic account's entries are one
-- index range in any order. Every writer of NAG_DOK and POZ_DOK keeps them equal by calling
-- db::refreshLineCopies (platform/db/LineCopies.h) after its write.
CREATE TABLE POZ_DOK (
  id_poz_dok {{ID}},
  id_nag_dok BIGINT NOT NULL REFERENCES NAG_DOK(id_nag_dok) ON DELETE CASCADE,
  id_firmy BIGINT NOT NULL,
  id_lata_obrot BIGINT NOT NULL,
  lp INTEGER NOT NULL DEFAULT 0,
  konto_wn VARCHAR(60) NOT NULL DEFAULT '',
  konto_ma VARCHAR(60) NOT NULL DEFAULT '',
  kwota_wn BIGINT NOT NULL DEFAULT 0,
  kwota_ma BIGINT NOT NULL DEFAULT 0,
  kwota_wn_w BIGINT NOT NULL DEFAULT 0,
  kwota_ma_w BIGINT NOT NULL DEFAULT 0,
  waluta VARCHAR(3) NOT NULL DEFAULT '',
  kurs_waluty BIGINT NOT NULL DEFAULT 0,
  opis VARCHAR(250) NOT NULL DEFAULT '',
  nr_ewid_dok VARCHAR(30) NOT NULL DEFAULT '',
  data_okresu INTEGER NOT NULL DEFAULT 0,
  status INTEGER NOT NULL DEFAULT 0,
  czy_rk INTEGER NOT NULL DEFAULT 0,
  data_biezaca INTEGER NOT NULL DEFAULT 0,
  nr_dok_org VARCHAR(40) NOT NULL DEFAULT '',
  data_dok_org INTEGER NOT NULL DEFAULT 0,
  data_oper_gosp INTEGER NOT NULL DEFAULT 0,
  data_zatwierdzenia INTEGER NOT NULL DEFAULT 0,
  nr_sys_dok VARCHAR(30) NOT NULL DEFAULT '',
  syntetyka_wn VARCHAR(60) NOT NULL DEFAULT '',
  syntetyka_ma VARCHAR(60) NOT NULL DEFAULT ''
);
CREATE INDEX POZ_DOK_NAG ON POZ_DOK (id_nag_dok, lp);
-- The entries of one account (or an account prefix), one index per side of the view: in the
-- default order (nr_ewid_dok, then the row's id_dokument_pozycja, written as the view writes
-- it so that both engines read a page straight off the index), and carrying what the list's
-- filter and its sums read, so that totals and stored marks need not visit the table.
-- They are made last, with the other orders' indexes (26_line_sort_keys.sql).
-- Period and currency filters, and the sort orders over line columns.
CREATE INDEX POZ_DOK_OKRES ON POZ_DOK (id_firmy, id_lata_obrot, data_okresu, id_poz_dok);
CREATE INDEX POZ_DOK_WALUTA_OKRES ON POZ_DOK (id_firmy, id_lata_obrot, waluta, data_okresu);
CREATE INDEX POZ_DOK_KWOTA_WN ON POZ_DOK (id_firmy, id_lata_obrot, kwota_wn, id_poz_dok);
CREATE INDEX POZ_DOK_KWOTA_MA ON POZ_DOK (id_firmy, id_lata_obrot, kwota_ma, id_poz_dok);
CREATE INDEX POZ_DOK_KWOTA_WN_W ON POZ_DOK (id_firmy, id_lata_obrot, kwota_wn_w, id_poz_dok);
CREATE INDEX POZ_DOK_KWOTA_MA_W ON POZ_DOK (id_firmy, id_lata_obrot, kwota_ma_w, id_poz_dok);
CREATE INDEX POZ_DOK_OPIS ON POZ_DOK (id_firmy, id_lata_obrot, opis, id_poz_dok);

