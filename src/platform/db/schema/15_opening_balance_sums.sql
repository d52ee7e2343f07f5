-- The sums of the opening balance (czy_rk = 10): by document for one currency, by year for
-- all currencies in PLN, each side by account. Partial, so that the ordinary lines of the
-- ledger pay nothing for them; covering, so that a sum reads the index alone.
CREATE INDEX POZ_DOK_BO_DOK_WN ON POZ_DOK (id_nag_dok, konto_wn, kwota_wn, kwota_wn_w) WHERE czy_rk = 10;
CREATE INDEX POZ_DOK_BO_DOK_MA ON POZ_DOK (id_nag_dok, konto_ma, kwota_ma, kwota_ma_w) WHERE czy_rk = 10;
CREATE INDEX POZ_DOK_BO_ROK_WN ON POZ_DOK (id_lata_obrot, konto_wn, id_nag_dok, kwota_wn, kwota_wn_w) WHERE czy_rk = 10;
CREATE INDEX POZ_DOK_BO_ROK_MA ON POZ_DOK (id_lata_obrot, konto_ma, id_nag_dok, kwota_ma, kwota_ma_w) WHERE czy_rk = 10;
