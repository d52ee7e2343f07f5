-- Users, their rights and document locks.

CREATE TABLE UZYTKOWNICY (
  id_uzytkownika {{ID}},
  login VARCHAR(8) NOT NULL UNIQUE,
  imie_nazwisko VARCHAR(100) NOT NULL DEFAULT '',
  czy_administrator INTEGER NOT NULL DEFAULT 0
);

-- A right to a function code per company and user; prawo 0 = denied, 1 = granted.
-- No row means granted.
CREATE TABLE PRAWA_DOSTEPU (
  id_firmy BIGINT NOT NULL,
  login VARCHAR(8) NOT NULL,
  kod_funkcji VARCHAR(20) NOT NULL,
  prawo INTEGER NOT NULL DEFAULT 1,
  PRIMARY KEY (id_firmy, login, kod_funkcji)
);

-- The selection store (ZAZNACZENIE) has a form of its own per engine: 25_marks.*.sql.

-- A document held for correction by one user (Popraw_Dokument).
CREATE TABLE BLOKADY_DOKUMENTOW (
  id_nag_dok BIGINT PRIMARY KEY,
  id_uzyt VARCHAR(8) NOT NULL,
  data_blokady INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX BLOKADY_DOKUMENTOW_UZYT ON BLOKADY_DOKUMENTOW (id_uzyt);

-- An opening-balance line held by one user while its amounts and settlements are edited
-- (POZYCJE_BO_DODAJ takes it, saving or leaving the line frees it).
CREATE TABLE BLOKADY_POZYCJI (
  id_poz_dok BIGINT PRIMARY KEY,
  id_uzyt VARCHAR(8) NOT NULL,
  data_blokady INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX BLOKADY_POZYCJI_UZYT ON BLOKADY_POZYCJI (id_uzyt);
