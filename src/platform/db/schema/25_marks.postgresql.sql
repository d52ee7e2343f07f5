-- The selection store: the marks of a user on a list (id_browsera), one row per marked
-- element; accounts (browser 11) and classification symbols (browser 36) are marked by
-- their text in opis_elementu, with id_elementu 0. Every reader asks for one user's rows
-- of one browser, by id or by text, and a store replaces them as a whole.
--
-- Marks are session data: the table is not written to the server's log, which spares a
-- store of a million ids its log writes. After a server crash the table comes back empty
-- and a person marks the list again; no ledger data depends on marks outliving a crash. One index, not unique: a unique one checks every new id against
-- the rows the previous store of the same list deleted (still in the index until vacuum),
-- which makes "Zaznacz wszystko" twice in a row several times slower; the writers store
-- each element once.
CREATE UNLOGGED TABLE ZAZNACZENIE (
  id_uzytkownika BIGINT NOT NULL,
  id_browsera INTEGER NOT NULL,
  id_elementu BIGINT NOT NULL DEFAULT 0,
  opis_elementu VARCHAR(60) NOT NULL DEFAULT ''
);
CREATE INDEX ZAZNACZENIE_KLUCZ ON ZAZNACZENIE (id_uzytkownika, id_browsera, id_elementu);
