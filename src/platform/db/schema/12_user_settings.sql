-- What users keep per list (browser number): saved filters, filter-tree configurations,
-- dictionary conditions, column layouts, and window settings.

-- A saved filter of a list: its name (shown as the active filter) and its expression.
-- id_uzytkownika 0 = shared by all users of the company.
CREATE TABLE FILTR_LISTA (
  id_filtru {{ID}},
  id_firmy BIGINT NOT NULL,
  id_browsera INTEGER NOT NULL,
  id_uzytkownika BIGINT NOT NULL DEFAULT 0,
  nazwa VARCHAR(100) NOT NULL,
  wyrazenie VARCHAR(3000) NOT NULL DEFAULT ''
);
CREATE INDEX FILTR_LISTA_BROWSER ON FILTR_LISTA (id_firmy, id_browsera, id_uzytkownika, nazwa);

-- A saved dictionary condition of a list: the entries whose line carries (operator '=') or
-- does not carry (any other operator) the dictionary value id_kartoteki_poz.
CREATE TABLE FILTR_SLOWNIK_NAG (
  id_filtr_slownik_nag {{ID}},
  id_firmy BIGINT NOT NULL,
  id_browsera INTEGER NOT NULL,
  id_uzytkownika BIGINT NOT NULL DEFAULT 0,
  id_kartoteki_poz BIGINT NOT NULL,
  operator VARCHAR(2) NOT NULL DEFAULT '=',
  opis VARCHAR(255) NOT NULL DEFAULT ''
);
CREATE INDEX FILTR_SLOWNIK_NAG_BROWSER ON FILTR_SLOWNIK_NAG (id_firmy, id_browsera, id_uzytkownika);

-- A saved configuration of a list's filter tree (the cost-centre list's sets).
CREATE TABLE KONFIG_BROW (
  id_konfig_brow {{ID}},
  id_firmy BIGINT NOT NULL,
  id_uzytkownika BIGINT NOT NULL,
  id_browsera INTEGER NOT NULL,
  nazwa VARCHAR(100) NOT NULL DEFAULT '',
  definicja VARCHAR(4000) NOT NULL DEFAULT ''
);
CREATE INDEX KONFIG_BROW_UZYT ON KONFIG_BROW (id_firmy, id_uzytkownika, id_browsera);

-- The column layout of a list for a user: order, width and visibility of each column.
CREATE TABLE KONFIGURACJA_OKNA (
  id_uzytkownika BIGINT NOT NULL,
  id_browsera INTEGER NOT NULL,
  nazwa_kolumny VARCHAR(60) NOT NULL,
  kolejnosc INTEGER NOT NULL DEFAULT 0,
  szerokosc INTEGER NOT NULL DEFAULT 0,
  czy_widoczna INTEGER NOT NULL DEFAULT 1,
  PRIMARY KEY (id_uzytkownika, id_browsera, nazwa_kolumny)
);

-- A window setting of a user: section (the window's settings name), key and value.
CREATE TABLE USTAWIENIA_UZYTKOWNIKA (
  id_uzytkownika BIGINT NOT NULL,
  sekcja VARCHAR(60) NOT NULL,
  klucz VARCHAR(60) NOT NULL,
  wartosc VARCHAR(4000) NOT NULL DEFAULT '',
  PRIMARY KEY (id_uzytkownika, sekcja, klucz)
);
