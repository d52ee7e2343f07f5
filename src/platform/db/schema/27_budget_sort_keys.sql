-- The budget lists' orders on the document's and the line's columns, read off an index of
-- the budget line's copies (07_budget.sql) as the amount and symbol orders are
-- (24_budget_views.sql): company, side, the order's column, then the id that breaks ties.
-- A descending order reads the same index backwards.
CREATE INDEX BT_DANE_FIRMA_TYP_NREWID ON BT_DANE (id_firmy, typ, nr_ewid_dok, id_bt_dane);
CREATE INDEX BT_DANE_FIRMA_TYP_DATABIEZ ON BT_DANE (id_firmy, typ, data_biezaca, id_bt_dane);
CREATE INDEX BT_DANE_FIRMA_TYP_NRDOK ON BT_DANE (id_firmy, typ, nr_dok_org, id_bt_dane);
CREATE INDEX BT_DANE_FIRMA_TYP_DATADOK ON BT_DANE (id_firmy, typ, data_dok_org, id_bt_dane);
CREATE INDEX BT_DANE_FIRMA_TYP_KONTO_WN ON BT_DANE (id_firmy, typ, konto_wn, id_bt_dane);
CREATE INDEX BT_DANE_FIRMA_TYP_KONTO_MA ON BT_DANE (id_firmy, typ, konto_ma, id_bt_dane);
