-- The "MPK" list's orders on the document's columns, by company like the account and amount
-- orders (23_cost_centre_orders.sql): each reads the split's copy of the header's column
-- from the company's first split on, a page at a time, the split's id breaking ties.
CREATE INDEX MPK_DANE_FIRMA_NREWID ON MPK_DANE (id_firmy, nr_ewid_dok, id_mpk_dane);
CREATE INDEX MPK_DANE_FIRMA_DATABIEZ ON MPK_DANE (id_firmy, data_biezaca, id_mpk_dane);
CREATE INDEX MPK_DANE_FIRMA_NRDOK ON MPK_DANE (id_firmy, nr_dok_org, id_mpk_dane);
CREATE INDEX MPK_DANE_FIRMA_DATADOK ON MPK_DANE (id_firmy, data_dok_org, id_mpk_dane);
