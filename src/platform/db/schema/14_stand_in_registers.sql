-- Registers the sibling libraries keep for the opening balance: the VAT register rows of
-- an opening-balance document and the companies' standard descriptions.

-- A VAT register row carried into the opening balance: an invoice whose VAT is settled in
-- the new year. rejestr 'S' sales, 'Z' purchases; amounts in grosze; id_nag_dok the
-- opening-balance document (czy_rk 10) the row belongs to.
CREATE TABLE REJESTR_VAT_BO (
  id_rejestru_bo {{ID}},
  id_nag_dok BIGINT NOT NULL REFERENCES NAG_DOK(id_nag_dok) ON DELETE CASCADE,
  id_firmy BIGINT NOT NULL,
  id_lata_obrot BIGINT NOT NULL,
  rejestr VARCHAR(1) NOT NULL DEFAULT 'S',
  nr_dok VARCHAR(30) NOT NULL DEFAULT '',
  data_dok INTEGER NOT NULL DEFAULT 0,
  nip VARCHAR(20) NOT NULL DEFAULT '',
  kontrahent VARCHAR(200) NOT NULL DEFAULT '',
  stawka VARCHAR(5) NOT NULL DEFAULT '',
  kwota_netto BIGINT NOT NULL DEFAULT 0,
  kwota_vat BIGINT NOT NULL DEFAULT 0
);
CREATE INDEX REJESTR_VAT_BO_DOK ON REJESTR_VAT_BO (id_nag_dok, data_dok, id_rejestru_bo);

-- The register rows with their gross amount, as the register window lists them.
CREATE VIEW REJESTR_VAT_BO_VIEW AS
SELECT id_rejestru_bo, id_nag_dok, id_firmy, id_lata_obrot, rejestr, nr_dok, data_dok, nip, kontrahent,
       stawka, kwota_netto, kwota_vat, kwota_netto + kwota_vat AS kwota_brutto
  FROM REJESTR_VAT_BO;

-- A standard description a company offers for a kind of text: rodzaj 'R' settlements,
-- other letters for other kinds of documents.
CREATE TABLE OPISY_STANDARDOWE (
  id_opisu {{ID}},
  id_firmy BIGINT NOT NULL REFERENCES FIRMA(id_firmy),
  rodzaj VARCHAR(2) NOT NULL DEFAULT 'R',
  opis VARCHAR(100) NOT NULL DEFAULT ''
);
CREATE INDEX OPISY_STANDARDOWE_OPIS ON OPISY_STANDARDOWE (id_firmy, rodzaj, opis, id_opisu);
