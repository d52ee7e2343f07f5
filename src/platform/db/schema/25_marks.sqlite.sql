-- The selection store: the marks of a user on a list (id_browsera), one row per marked
-- element; accounts (browser 11) and classification symbols (browser 36) are marked by
-- their text in opis_elementu, with id_elementu 0. Every reader asks for one user's rows
-- of one browser, by id or by text, and a store replaces them as a whole, so the rows are
-- kept in the order of that key alone: one B-tree, no row numbers, no second index. A
-- store of many ids in id order appends at the end of its user's and browser's range.
CREATE TABLE ZAZNACZENIE (
  id_uzytkownika BIGINT NOT NULL,
  id_browsera INTEGER NOT NULL,
  id_elementu BIGINT NOT NULL DEFAULT 0,
  opis_elementu VARCHAR(60) NOT NULL DEFAULT '',
  PRIMARY KEY (id_uzytkownika, id_browsera, id_elementu, opis_elementu)
) WITHOUT ROWID;
