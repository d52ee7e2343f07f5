-- A settlement that an import brought into an opening-balance line: the signed amount it
-- added to the line on its side (kwota in PLN, kwota_w in its currency) and the czy_bo it
-- had before, so that taking it out again restores the line and the settlement as they
-- were. The row goes with the settlement.
CREATE TABLE ROZRACHUNEK_IMPORT_BO (
  id_rozrachunku BIGINT PRIMARY KEY REFERENCES ROZRACHUNEK(id_rozrachunku) ON DELETE CASCADE,
  kwota BIGINT NOT NULL DEFAULT 0,
  kwota_w BIGINT NOT NULL DEFAULT 0,
  czy_bo_przed INTEGER NOT NULL DEFAULT 0,
  id_uzytkownika BIGINT NOT NULL DEFAULT 0
);
