-- The budget lines as the budget windows list them: BT_VIEW with the one-character flag
-- columns of the list and the four amounts by id that the marks and the selection store
-- read (the line's amount on the first, the others zero).
CREATE VIEW BT_VIEW_KWOTY AS
SELECT v.*,
       CASE WHEN v.rodzaj_wy = 1 THEN 'X' ELSE '' END AS bro_wydatek,
       CASE WHEN v.rodzaj_k = 1 THEN 'X' ELSE '' END AS bro_koszt,
       CASE WHEN v.rodzaj_z = 1 THEN 'X' ELSE '' END AS bro_zaangazowanie,
       CASE WHEN v.rodzaj_x = 1 THEN 'X' ELSE '' END AS bro_srodki,
       CASE WHEN v.rodzaj_d = 1 THEN 'X' ELSE '' END AS bro_dochod,
       CASE WHEN v.rodzaj_wp = 1 THEN 'X' ELSE '' END AS bro_wplyw,
       v.kwota AS kwota_wn, 0 AS kwota_ma, 0 AS kwota_wn_w, 0 AS kwota_ma_w
  FROM BT_VIEW v;
-- The lists of a side by company in amount and symbol order, whatever the year.
CREATE INDEX BT_DANE_FIRMA_TYP_KWOTA ON BT_DANE (id_firmy, typ, kwota, id_bt_dane);
CREATE INDEX BT_DANE_FIRMA_TYP_KLASYFIKACJA ON BT_DANE (id_firmy, typ, bt_klasyfikacja, id_bt_dane);
