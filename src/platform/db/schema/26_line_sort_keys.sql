-- The entry lists' sort orders read straight off an index, one per side of a line as the
-- entry views read it: the account (a leaf or, through its first segment, a whole synthetic
-- account), the order's column, then the view row's id (id_dokument_pozycja) that breaks ties.
-- A descending order reads the same index backwards. The default order (nr_ewid_dok) of one
-- account is POZ_DOK_KONTO_WN/_MA. Orders without an index here sort the account's rows:
-- the document number and date, the amounts, the description, the operation and approval
-- dates and the system number. Each index costs every writer of lines (ten of them, for the
-- first five orders, made inserting lines into a million-line year three to six times
-- slower), so only the booking date and the period, chosen most after the default, have one.
-- The synthetic account's indexes carry what the list's filter and sums read, as the
-- account's do, so that the totals of a synthetic account need not visit the table either.
CREATE INDEX POZ_DOK_SYNT_WN ON POZ_DOK (id_lata_obrot, syntetyka_wn, nr_ewid_dok, (id_poz_dok * 2),
                                         konto_wn, status, czy_rk, waluta, kwota_wn, kwota_wn_w);
CREATE INDEX POZ_DOK_SYNT_MA ON POZ_DOK (id_lata_obrot, syntetyka_ma, nr_ewid_dok, (id_poz_dok * 2 + 1),
                                         konto_ma, status, czy_rk, waluta, kwota_ma, kwota_ma_w);
CREATE INDEX POZ_DOK_KONTO_WN_DATABIEZ ON POZ_DOK (id_lata_obrot, konto_wn, data_biezaca, (id_poz_dok * 2));
CREATE INDEX POZ_DOK_KONTO_MA_DATABIEZ ON POZ_DOK (id_lata_obrot, konto_ma, data_biezaca, (id_poz_dok * 2 + 1));
CREATE INDEX POZ_DOK_KONTO_WN_OKRES ON POZ_DOK (id_lata_obrot, konto_wn, data_okresu, (id_poz_dok * 2));
CREATE INDEX POZ_DOK_KONTO_MA_OKRES ON POZ_DOK (id_lata_obrot, konto_ma, data_okresu, (id_poz_dok * 2 + 1));
-- The default order's indexes (see 03_documents.sql) come after the others: where several
-- indexes serve an account's rows alike and no order is asked (sums, stored marks), SQLite
-- takes the one made last, and this one reads the table in the order the lines were written.
CREATE INDEX POZ_DOK_KONTO_WN ON POZ_DOK (id_lata_obrot, konto_wn, nr_ewid_dok, (id_poz_dok * 2),
                                          status, czy_rk, waluta, kwota_wn, kwota_wn_w);
CREATE INDEX POZ_DOK_KONTO_MA ON POZ_DOK (id_lata_obrot, konto_ma, nr_ewid_dok, (id_poz_dok * 2 + 1),
                                          status, czy_rk, waluta, kwota_ma, kwota_ma_w);
