-- Card registers behind register accounts: contractors, employees, offices, and the
-- registers a company defines itself, with the dictionary values attached to ledger lines.

-- A contractor (kind 'K'). A register account of kind 'K' points here by WARTOSCI_KONT.id_kartoteki.
CREATE TABLE KONTRAHENCI (
  id_kontrahenta {{ID}},
  id_firmy BIGINT NOT NULL REFERENCES FIRMA(id_firmy),
  symbol VARCHAR(30) NOT NULL DEFAULT '',
  nazwa VARCHAR(200) NOT NULL DEFAULT '',
  nazwa_pelna VARCHAR(250) NOT NULL DEFAULT '',
  nip VARCHAR(20) NOT NULL DEFAULT '',
  regon VARCHAR(20) NOT NULL DEFAULT '',
  ulica VARCHAR(100) NOT NULL DEFAULT '',
  kod_pocztowy VARCHAR(10) NOT NULL DEFAULT '',
  miejscowosc VARCHAR(100) NOT NULL DEFAULT '',
  telefon VARCHAR(40) NOT NULL DEFAULT '',
  email VARCHAR(100) NOT NULL DEFAULT '',
  czy_aktywny INTEGER NOT NULL DEFAULT 1
);
CREATE INDEX KONTRAHENCI_SYMBOL ON KONTRAHENCI (id_firmy, symbol, id_kontrahenta);
CREATE INDEX KONTRAHENCI_NAZWA ON KONTRAHENCI (id_firmy, nazwa, id_kontrahenta);
CREATE INDEX KONTRAHENCI_NIP ON KONTRAHENCI (id_firmy, nip);

-- An employee (kind 'P').
CREATE TABLE PRACOWNICY (
  id_pracownika {{ID}},
  id_firmy BIGINT NOT NULL REFERENCES FIRMA(id_firmy),
  symbol VARCHAR(30) NOT NULL DEFAULT '',
  nazwisko VARCHAR(100) NOT NULL DEFAULT '',
  imie VARCHAR(60) NOT NULL DEFAULT '',
  nazwa VARCHAR(200) NOT NULL DEFAULT '',
  pesel VARCHAR(11) NOT NULL DEFAULT '',
  ulica VARCHAR(100) NOT NULL DEFAULT '',
  kod_pocztowy VARCHAR(10) NOT NULL DEFAULT '',
  miejscowosc VARCHAR(100) NOT NULL DEFAULT '',
  czy_aktywny INTEGER NOT NULL DEFAULT 1
);
CREATE INDEX PRACOWNICY_SYMBOL ON PRACOWNICY (id_firmy, symbol, id_pracownika);
CREATE INDEX PRACOWNICY_NAZWA ON PRACOWNICY (id_firmy, nazwa, id_pracownika);

-- An office (kind 'U'): tax office, social-insurance office and the like.
CREATE TABLE URZEDY (
  id_urzedu {{ID}},
  id_firmy BIGINT NOT NULL REFERENCES FIRMA(id_firmy),
  symbol VARCHAR(30) NOT NULL DEFAULT '',
  nazwa VARCHAR(200) NOT NULL DEFAULT '',
  ulica VARCHAR(100) NOT NULL DEFAULT '',
  kod_pocztowy VARCHAR(10) NOT NULL DEFAULT '',
  miejscowosc VARCHAR(100) NOT NULL DEFAULT '',
  nr_rachunku VARCHAR(40) NOT NULL DEFAULT '',
  czy_aktywny INTEGER NOT NULL DEFAULT 1
);
CREATE INDEX URZEDY_SYMBOL ON URZEDY (id_firmy, symbol, id_urzedu);
CREATE INDEX URZEDY_NAZWA ON URZEDY (id_firmy, nazwa, id_urzedu);

-- A bank account of the company (kind 'R').
CREATE TABLE RACHUNKI_BANKOWE (
  id_rachunku {{ID}},
  id_firmy BIGINT NOT NULL REFERENCES FIRMA(id_firmy),
  symbol VARCHAR(30) NOT NULL DEFAULT '',
  nazwa VARCHAR(200) NOT NULL DEFAULT '',
  nr_rachunku VARCHAR(40) NOT NULL DEFAULT '',
  nazwa_banku VARCHAR(100) NOT NULL DEFAULT '',
  sym_waluty VARCHAR(3) NOT NULL DEFAULT 'PLN',
  czy_aktywny INTEGER NOT NULL DEFAULT 1
);
CREATE INDEX RACHUNKI_BANKOWE_SYMBOL ON RACHUNKI_BANKOWE (id_firmy, symbol, id_rachunku);

-- A fixed asset (kind 'S').
CREATE TABLE SRODKI_TRWALE (
  id_srodka {{ID}},
  id_firmy BIGINT NOT NULL REFERENCES FIRMA(id_firmy),
  nr_inwentarzowy VARCHAR(30) NOT NULL DEFAULT '',
  nazwa VARCHAR(200) NOT NULL DEFAULT '',
  data_przyjecia INTEGER NOT NULL DEFAULT 0,
  data_likwidacji INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX SRODKI_TRWALE_NR ON SRODKI_TRWALE (id_firmy, nr_inwentarzowy, id_srodka);
CREATE INDEX SRODKI_TRWALE_NAZWA ON SRODKI_TRWALE (id_firmy, nazwa, id_srodka);

-- A card register of a company. rodzaj: 'K' contractors, 'P' employees, 'U' offices,
-- 'R' bank accounts, 'S' fixed assets, 'X' a register the company defines (its values in
-- KARTOTEKA_UZYTKOWNIKA_POZ). filtr_kartoteka: the filter text that narrows the register's
-- cards in pickers and in the opening-balance import.
CREATE TABLE KARTOTEKA_UZYTKOWNIKA (
  id_kartoteki_uzytkownika {{ID}},
  id_firmy BIGINT NOT NULL REFERENCES FIRMA(id_firmy),
  symbol_kartoteki VARCHAR(10) NOT NULL,
  nazwa_kartoteki VARCHAR(100) NOT NULL DEFAULT '',
  rodzaj VARCHAR(1) NOT NULL DEFAULT 'X',
  filtr_kartoteka VARCHAR(1000) NOT NULL DEFAULT '',
  UNIQUE (id_firmy, symbol_kartoteki)
);

-- A value of a company-defined register (a dictionary entry).
CREATE TABLE KARTOTEKA_UZYTKOWNIKA_POZ (
  id_kartoteki_poz {{ID}},
  id_kartoteki_uzytkownika BIGINT NOT NULL REFERENCES KARTOTEKA_UZYTKOWNIKA(id_kartoteki_uzytkownika),
  kod VARCHAR(30) NOT NULL DEFAULT '',
  wartosc VARCHAR(255) NOT NULL DEFAULT ''
);
CREATE INDEX KARTOTEKA_UZYTKOWNIKA_POZ_KOD ON KARTOTEKA_UZYTKOWNIKA_POZ (id_kartoteki_uzytkownika, kod);

-- A dictionary value attached to a ledger line; lp orders the values of one line.
CREATE TABLE SLOW_DANE (
  id_slow_dane {{ID}},
  id_poz_dok BIGINT NOT NULL REFERENCES POZ_DOK(id_poz_dok) ON DELETE CASCADE,
  id_kartoteki_poz BIGINT NOT NULL REFERENCES KARTOTEKA_UZYTKOWNIKA_POZ(id_kartoteki_poz),
  lp INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX SLOW_DANE_POZ ON SLOW_DANE (id_poz_dok, lp, id_slow_dane);
CREATE INDEX SLOW_DANE_KARTOTEKA_POZ ON SLOW_DANE (id_kartoteki_poz, id_poz_dok);

-- The dictionary values of ledger lines with their register and text.
CREATE VIEW KARTOTEKA_UZYTKOWNIKA_DANE_VIEW AS
SELECT s.id_slow_dane, s.id_poz_dok, s.lp, s.id_kartoteki_poz,
       k.id_firmy, k.symbol_kartoteki AS kod_kartoteki, k.nazwa_kartoteki,
       w.kod, w.wartosc
  FROM SLOW_DANE s
  JOIN KARTOTEKA_UZYTKOWNIKA_POZ w ON w.id_kartoteki_poz = s.id_kartoteki_poz
  JOIN KARTOTEKA_UZYTKOWNIKA k ON k.id_kartoteki_uzytkownika = w.id_kartoteki_uzytkownika;
