-- The splits with their amount on the column of their side, for lists that add up Dt and
-- Ct amounts and the selection store of the cost-centre window.
CREATE VIEW MPK_VIEW_KWOTY AS
SELECT v.*,
       CASE WHEN v.strona = 'WN' THEN v.kwota ELSE 0 END AS kwota_wn,
       CASE WHEN v.strona = 'MA' THEN v.kwota ELSE 0 END AS kwota_ma,
       0 AS kwota_wn_w, 0 AS kwota_ma_w
  FROM MPK_VIEW v;
