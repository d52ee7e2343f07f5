-- A settlement that the year-end closing carried into the next year's opening balance
-- names the settlement it came from; a second closing finds it again by this id and keeps
-- its id and its clearings in the new year.
ALTER TABLE ROZRACHUNEK ADD COLUMN id_rozrachunku_zrodla BIGINT NOT NULL DEFAULT 0;
CREATE INDEX ROZRACHUNEK_ZRODLO ON ROZRACHUNEK (id_lata_obrot, id_rozrachunku_zrodla) WHERE id_rozrachunku_zrodla <> 0;
