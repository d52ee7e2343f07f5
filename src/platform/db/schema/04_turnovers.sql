-- Turnovers and balances per company, fiscal year, currency, period and account, written
-- only by the server procedure UZUPELNIJ_OBROTY_Z_DOKUMENTOW. Three sets of four amounts:
-- PLN from posted documents; *_2, PLN counting unposted documents as well; *_w, in the
-- currency. sym_waluty 'PLN' rows carry every line at its PLN value.
CREATE TABLE OBROTY_I_SALDA (
  id_obroty_i_salda {{ID}},
  id_firmy BIGINT NOT NULL,
  id_lata_obrot BIGINT NOT NULL,
  sym_waluty VARCHAR(3) NOT NULL,
  data_okresu INTEGER NOT NULL,
  nr_konta VARCHAR(60) NOT NULL,
  obr_wn BIGINT NOT NULL DEFAULT 0,
  obr_ma BIGINT NOT NULL DEFAULT 0,
  saldo_wn BIGINT NOT NULL DEFAULT 0,
  saldo_ma BIGINT NOT NULL DEFAULT 0,
  obr_wn_2 BIGINT NOT NULL DEFAULT 0,
  obr_ma_2 BIGINT NOT NULL DEFAULT 0,
  saldo_wn_2 BIGINT NOT NULL DEFAULT 0,
  saldo_ma_2 BIGINT NOT NULL DEFAULT 0,
  obr_wn_w BIGINT NOT NULL DEFAULT 0,
  obr_ma_w BIGINT NOT NULL DEFAULT 0,
  saldo_wn_w BIGINT NOT NULL DEFAULT 0,
  saldo_ma_w BIGINT NOT NULL DEFAULT 0,
  UNIQUE (id_firmy, id_lata_obrot, sym_waluty, data_okresu, nr_konta)
);
CREATE INDEX OBROTY_I_SALDA_KONTO ON OBROTY_I_SALDA (id_firmy, id_lata_obrot, nr_konta, sym_waluty, data_okresu);
-- The turnover list of a period sorts by account (the unique key) or by one of the four amounts.
CREATE INDEX OBROTY_I_SALDA_OWN ON OBROTY_I_SALDA (id_firmy, id_lata_obrot, sym_waluty, data_okresu, obr_wn, nr_konta);
CREATE INDEX OBROTY_I_SALDA_OMA ON OBROTY_I_SALDA (id_firmy, id_lata_obrot, sym_waluty, data_okresu, obr_ma, nr_konta);
CREATE INDEX OBROTY_I_SALDA_SWN ON OBROTY_I_SALDA (id_firmy, id_lata_obrot, sym_waluty, data_okresu, saldo_wn, nr_konta);
CREATE INDEX OBROTY_I_SALDA_SMA ON OBROTY_I_SALDA (id_firmy, id_lata_obrot, sym_waluty, data_okresu, saldo_ma, nr_konta);
