-- The "MPK" list is ranged by company only (every year at once): its account and amount
-- orders read these from the company's first split on, a page at a time.
CREATE INDEX MPK_DANE_FIRMA_KONTO ON MPK_DANE (id_firmy, konto, id_mpk_dane);
CREATE INDEX MPK_DANE_FIRMA_KWOTA ON MPK_DANE (id_firmy, kwota, id_mpk_dane);
