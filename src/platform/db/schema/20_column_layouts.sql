-- Column layouts of the lists, per user and list number (browser number): the layout
-- text of the column configuration (column order, widths, hidden columns).
CREATE TABLE KONFIGURACJA_KOLUMN (
  id_uzytkownika BIGINT NOT NULL,
  id_browsera INTEGER NOT NULL,
  uklad VARCHAR(3000) NOT NULL DEFAULT '',
  PRIMARY KEY (id_uzytkownika, id_browsera)
);
