-- Partial entries that make up an opening-balance line's amounts.

-- One part of a line (an invoice or other source document) in entry order
-- (id_poz_dok_czastkowe). Amounts in grosze; kurs_waluty_* the exchange rate times 10 000;
-- mnoznik_* the number of currency units the rate is quoted for (1, 100).
CREATE TABLE POZ_DOK_CZASTKOWE (
  id_poz_dok_czastkowe {{ID}},
  id_poz_dok BIGINT NOT NULL REFERENCES POZ_DOK(id_poz_dok) ON DELETE CASCADE,
  data_dok INTEGER NOT NULL DEFAULT 0,
  nr_dok VARCHAR(30) NOT NULL DEFAULT '',
  opis VARCHAR(100) NOT NULL DEFAULT '',
  kwota_wn BIGINT NOT NULL DEFAULT 0,
  kwota_wn_w BIGINT NOT NULL DEFAULT 0,
  kwota_ma BIGINT NOT NULL DEFAULT 0,
  kwota_ma_w BIGINT NOT NULL DEFAULT 0,
  kurs_waluty_wn BIGINT NOT NULL DEFAULT 0,
  kurs_waluty_ma BIGINT NOT NULL DEFAULT 0,
  mnoznik_wn INTEGER NOT NULL DEFAULT 1,
  mnoznik_ma INTEGER NOT NULL DEFAULT 1
);
CREATE INDEX POZ_DOK_CZASTKOWE_POZ ON POZ_DOK_CZASTKOWE (id_poz_dok, id_poz_dok_czastkowe);
