-- System options, global parameters and per-user messages.

-- An option of a company and year: id_opcje 180 default payment term in days, 224 the
-- transaction-mark switch ('TAK' or no row = on), 305 the budget model ('tradycyjny' or
-- 'zadaniowy'). nazwa_wartosci holds the value as text.
CREATE TABLE OPCJE_SYSTEMOWE (
  id_firmy BIGINT NOT NULL,
  id_lata_obrot BIGINT NOT NULL,
  id_opcje INTEGER NOT NULL,
  nazwa_wartosci VARCHAR(250) NOT NULL DEFAULT '',
  PRIMARY KEY (id_firmy, id_lata_obrot, id_opcje)
);

-- A global parameter of a company by name: 'BeKodW', 'BeKodP', 'BeKodG' territorial codes
-- of the voivodeship, district and commune, 'BeTypG', 'BeTypP' the commune's and the
-- district's type.
CREATE TABLE PARAMETRY_GLOBALNE (
  id_firmy BIGINT NOT NULL,
  nazwa_parametru VARCHAR(30) NOT NULL,
  wartosc VARCHAR(250) NOT NULL DEFAULT '',
  PRIMARY KEY (id_firmy, nazwa_parametru)
);

-- A message row for a user, grouped by kontekst: 'GEN_BO' problems of generating the
-- opening balance (tekst1 description, tekst2 currency), 'GEN_BO2' the transfer report of
-- the year-end closing (tekst1 from account, tekst2 to account, tekst3 remarks).
CREATE TABLE KOMUNIKAT (
  id_komunikatu {{ID}},
  id_uzytkownika BIGINT NOT NULL,
  kontekst VARCHAR(20) NOT NULL,
  tekst1 VARCHAR(250) NOT NULL DEFAULT '',
  tekst2 VARCHAR(60) NOT NULL DEFAULT '',
  tekst3 VARCHAR(250) NOT NULL DEFAULT ''
);
CREATE INDEX KOMUNIKAT_UZYT ON KOMUNIKAT (id_uzytkownika, kontekst, id_komunikatu);
