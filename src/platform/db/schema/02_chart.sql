-- The chart of accounts of a fiscal year: synthetic accounts and every account number.

-- typ_konta: 'B' balance sheet, 'W' profit and loss, 'P' off-balance.
-- kartoteka: '' none, 'K' contractors, 'P' employees, 'U' offices (register accounts kept on cards).
-- symbol_kartoteki: the card register (KARTOTEKA_UZYTKOWNIKA.symbol_kartoteki) whose cards get
-- the account's analytic accounts; opcja_importu: how settlements of the account are imported
-- into the opening balance.
CREATE TABLE KONTA_SYNT (
  id_konta_synt {{ID}},
  id_firmy BIGINT NOT NULL REFERENCES FIRMA(id_firmy),
  id_lata_obrot BIGINT NOT NULL REFERENCES LATA_OBROTOWE(id_lata_obrot),
  nr_konta_syn INTEGER NOT NULL,
  nazwa VARCHAR(250) NOT NULL DEFAULT '',
  typ_konta VARCHAR(1) NOT NULL DEFAULT 'B',
  czy_walutowe INTEGER NOT NULL DEFAULT 0,
  czy_rozrach INTEGER NOT NULL DEFAULT 0,
  czy_dwusaldowe INTEGER NOT NULL DEFAULT 0,
  czy_mpk INTEGER NOT NULL DEFAULT 0,
  czy_ukryty_rozrachunek INTEGER NOT NULL DEFAULT 0,
  kartoteka VARCHAR(1) NOT NULL DEFAULT '',
  symbol_kartoteki VARCHAR(10) NOT NULL DEFAULT '',
  opcja_importu INTEGER NOT NULL DEFAULT 0,
  UNIQUE (id_firmy, id_lata_obrot, nr_konta_syn)
);

-- One row per account number of the year: the synthetic account ('201', poziom 0) and every
-- analytic account below it ('201-01', '201-01-003'). czy_analityka = 1 marks a leaf that
-- takes postings. id_kartoteki links a card account to its contractor, employee or office.
CREATE TABLE WARTOSCI_KONT (
  id_wartosci_kont {{ID}},
  id_firmy BIGINT NOT NULL REFERENCES FIRMA(id_firmy),
  id_lata_obrot BIGINT NOT NULL REFERENCES LATA_OBROTOWE(id_lata_obrot),
  nr_konta VARCHAR(60) NOT NULL,
  nazwa_konta VARCHAR(250) NOT NULL DEFAULT '',
  nr_konta_syn INTEGER NOT NULL,
  poziom INTEGER NOT NULL DEFAULT 0,
  nr_konta_nadrz VARCHAR(60) NOT NULL DEFAULT '',
  czy_analityka INTEGER NOT NULL DEFAULT 1,
  id_kartoteki BIGINT NOT NULL DEFAULT 0,
  rodzaj_kartoteki VARCHAR(1) NOT NULL DEFAULT '',
  czy_edytowalne INTEGER NOT NULL DEFAULT 1,
  UNIQUE (id_firmy, id_lata_obrot, nr_konta)
);
CREATE INDEX WARTOSCI_KONT_NAZWA ON WARTOSCI_KONT (id_firmy, id_lata_obrot, nazwa_konta, nr_konta);
CREATE INDEX WARTOSCI_KONT_KARTOTEKA ON WARTOSCI_KONT (id_firmy, id_lata_obrot, rodzaj_kartoteki, id_kartoteki);
CREATE INDEX WARTOSCI_KONT_NADRZ ON WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta_nadrz, nr_konta);
CREATE INDEX WARTOSCI_KONT_SYN ON WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta_syn, nr_konta);
