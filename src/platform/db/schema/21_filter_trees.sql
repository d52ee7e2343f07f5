-- Filter trees of the lists: configurations and their branches, per company, list number
-- (browser number) and user. One configuration of a user's list is the current one
-- (czy_biezaca = 1); the tree the list shows is the current configuration's branches.
-- An unnamed configuration (nazwa '') is the working tree of branches not saved yet.
CREATE TABLE DRZEWO_FILTRA_KONFIG (
  id_konfiguracji {{ID}},
  id_firmy BIGINT NOT NULL,
  id_browsera INTEGER NOT NULL,
  id_uzytkownika BIGINT NOT NULL,
  nazwa VARCHAR(100) NOT NULL DEFAULT '',
  czy_biezaca INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX DRZEWO_FILTRA_KONFIG_UZYT ON DRZEWO_FILTRA_KONFIG (id_firmy, id_browsera, id_uzytkownika, id_konfiguracji);

-- A branch: its parent (0 for a top branch), its level (1 at the top), the list column it
-- tests (pole, one of the columns the list offers), the operator and the value as typed.
CREATE TABLE DRZEWO_FILTRA (
  id_galezi {{ID}},
  id_konfiguracji BIGINT NOT NULL REFERENCES DRZEWO_FILTRA_KONFIG(id_konfiguracji) ON DELETE CASCADE,
  id_firmy BIGINT NOT NULL,
  id_browsera INTEGER NOT NULL,
  id_uzytkownika BIGINT NOT NULL,
  id_rodzica BIGINT NOT NULL DEFAULT 0,
  poziom INTEGER NOT NULL DEFAULT 1,
  pole VARCHAR(30) NOT NULL,
  operator VARCHAR(10) NOT NULL DEFAULT '=',
  wartosc VARCHAR(150) NOT NULL DEFAULT '',
  etykieta VARCHAR(150) NOT NULL DEFAULT ''
);
CREATE INDEX DRZEWO_FILTRA_KONFIGURACJA ON DRZEWO_FILTRA (id_konfiguracji, id_galezi);
