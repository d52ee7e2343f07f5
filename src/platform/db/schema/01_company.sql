-- Companies, their addresses, fiscal years and currencies.

CREATE TABLE FIRMA (
  id_firmy {{ID}},
  nazwa VARCHAR(200) NOT NULL,
  nazwa_pelna VARCHAR(250) NOT NULL DEFAULT '',
  skrot VARCHAR(50) NOT NULL DEFAULT '',
  nip VARCHAR(20) NOT NULL DEFAULT '',
  regon VARCHAR(20) NOT NULL DEFAULT '',
  kod_gus VARCHAR(20) NOT NULL DEFAULT '',
  fk_id_jb INTEGER NOT NULL DEFAULT 0,
  czy_budzet INTEGER NOT NULL DEFAULT 0,
  czy_mpk INTEGER NOT NULL DEFAULT 0,
  separator_mpk VARCHAR(1) NOT NULL DEFAULT '-',
  separator_bt VARCHAR(1) NOT NULL DEFAULT '-',
  czy_tovarix INTEGER NOT NULL DEFAULT 1
);
-- czy_budzet: budget-unit books (the budget twins of the entry views are read);
-- czy_mpk / separator_mpk: cost-centre accounting and the separator inside its set paths;
-- separator_bt: the separator inside budget classification symbols; czy_tovarix: the
-- session's ISTOVARIX switch (1 = settlements are taken from the ledger's own settlement
-- views, 0 = from the warehouse system's).


CREATE TABLE ADRESY_FIRMY (
  id_adresu {{ID}},
  id_firmy BIGINT NOT NULL REFERENCES FIRMA(id_firmy),
  rodzaj INTEGER NOT NULL DEFAULT 1,
  ulica VARCHAR(100) NOT NULL DEFAULT '',
  nr_domu VARCHAR(20) NOT NULL DEFAULT '',
  kod_pocztowy VARCHAR(10) NOT NULL DEFAULT '',
  miejscowosc VARCHAR(100) NOT NULL DEFAULT '',
  gmina VARCHAR(100) NOT NULL DEFAULT '',
  powiat VARCHAR(100) NOT NULL DEFAULT '',
  wojewodztwo VARCHAR(100) NOT NULL DEFAULT '',
  typ_adresu VARCHAR(1) NOT NULL DEFAULT 'S',
  data_od INTEGER NOT NULL DEFAULT 0,
  fk_rio VARCHAR(100) NOT NULL DEFAULT '',
  fk_kod_gus_1 VARCHAR(10) NOT NULL DEFAULT '',
  fk_kod_gus_2 VARCHAR(10) NOT NULL DEFAULT '',
  fk_kod_gus_3 VARCHAR(10) NOT NULL DEFAULT '',
  fk_kod_gus_4 VARCHAR(10) NOT NULL DEFAULT ''
);
-- typ_adresu 'S' = registered seat; an address holds from data_od until the next one of its kind.
-- fk_rio: the regional audit chamber; fk_kod_gus_1..4: territorial codes of the voivodeship,
-- district, commune and the commune's type.
CREATE INDEX ADRESY_FIRMY_FIRMA ON ADRESY_FIRMY (id_firmy, typ_adresu, data_od);

-- status: 0 open, 1 closed by the year-end closing; zamkniete_bo: 1 = opening balance approved.
CREATE TABLE LATA_OBROTOWE (
  id_lata_obrot {{ID}},
  id_firmy BIGINT NOT NULL REFERENCES FIRMA(id_firmy),
  rok_obrotowy VARCHAR(20) NOT NULL,
  poczatek_roku INTEGER NOT NULL,
  koniec_roku INTEGER NOT NULL,
  status INTEGER NOT NULL DEFAULT 0,
  zamkniete_bo INTEGER NOT NULL DEFAULT 0,
  UNIQUE (id_firmy, rok_obrotowy)
);
CREATE INDEX LATA_OBROTOWE_FIRMA_POCZATEK ON LATA_OBROTOWE (id_firmy, poczatek_roku);
CREATE INDEX LATA_OBROTOWE_FIRMA_KONIEC ON LATA_OBROTOWE (id_firmy, koniec_roku);

CREATE TABLE WALUTY (
  sym_waluty VARCHAR(3) PRIMARY KEY,
  nazwa_waluty VARCHAR(30) NOT NULL DEFAULT '',
  nazwa VARCHAR(30) NOT NULL DEFAULT ''
);
