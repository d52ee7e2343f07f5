-- The "MPK" list's orders on the document's columns, by company like the account and amount
-- orders (23_cost_centre_orders.sql): each reads the split's copy of the header's column
-- from the company's first split on, a page at a time, the split's id breaking ties.
CREATE INDEX MPK_DANE_FIRMA_NREWID ON MPK_DANE (id_firmy, nr_ewid_dok, id_mpk_dane);
CREATE INDEX MPK_DANE_FIRMA_DATABIEZ ON MPK_DANE (id_firmy, data_biezaca, id_mpk_dane);
CREATE INDEX MPK_DANE_FIRMA_NRDOK ON MPK_DANE (id_firmy, nr_dok_org, id_mpk_dane);
CREATE INDEX MPK_DANE_FIRMA_DATADOK ON MPK_DANE (id_firmy, data_dok_org, id_mpk_dane);
-- The ledger's account prefix that is one synthetic account (the lines' syntetyka_wn/_ma) in
-- the booking-date and the period orders, as its default order reads POZ_DOK_SYNT_WN/_MA:
-- the synthetic account, the order's column, then the view row's id. The other orders of a
-- prefix sort its rows, as they do for one account.
CREATE INDEX POZ_DOK_SYNT_WN_DATABIEZ ON POZ_DOK (id_lata_obrot, syntetyka_wn, data_biezaca, (id_poz_dok * 2));
CREATE INDEX POZ_DOK_SYNT_MA_DATABIEZ ON POZ_DOK (id_lata_obrot, syntetyka_ma, data_biezaca, (id_poz_dok * 2 + 1));
CREATE INDEX POZ_DOK_SYNT_WN_OKRES ON POZ_DOK (id_lata_obrot, syntetyka_wn, data_okresu, (id_poz_dok * 2));
CREATE INDEX POZ_DOK_SYNT_MA_OKRES ON POZ_DOK (id_lata_obrot, syntetyka_ma, data_okresu, (id_poz_dok * 2 + 1));
