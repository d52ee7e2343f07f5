#pragma once
// The session context: the globals that the host sets before it calls a procedure of
// the module (company, fiscal year and its dates, user, currency, edition switches,
// printing texts, picker in/out values, the open-window registry). Procedures read it at
// the moment they run; none of them takes the company, year or user as a parameter.
// Member names are the globals' own names.
#include "platform/runtime/Money.h"
#include "platform/siblings/ledgerprint/HandedRows.h"
#include <QString>
#include <QStringList>
#include <cstdint>
#include <mutex>
#include <vector>

namespace ksiega {

struct ThreadRow {
    int64_t threadNumber = 0;
    uint8_t flag = 0;
};

struct SessionContext {
    // company and fiscal year
    int64_t DANE_ID_FIRMY = 0;
    int64_t DANE_LATA_OBROTOWE = 0;           // id_lata_obrot
    int DANE_POCZATEK_ROKU = 0;               // day numbers
    int DANE_KONIEC_ROKU = 0;
    QString DANE_LATA_OBROT_NAZWA;
    int DANE_DATA_BIEZACA = 0;
    int DANE_DATA_OKRESU = 0;
    int DANE_DATA_WYDRUKU = 0;

    // user
    QString DANE_ID_UZYT;                      // login
    int64_t DANE_ID_UZYTKOWNIKA_NR = 0;        // user number, key of the selection store
    uint8_t DANE_ADMINISTRATOR = 0;

    // currency and editions
    QString DANE_AKTYWNA_WALUTA;               // 3 characters; "" means PLN
    uint8_t DANE_CZY_WERSJA_BUDZET = 0;
    uint8_t DANE_CZY_WERSJA_MPK = 0;
    QString DANE_SEPARATOR_MPK = QStringLiteral("-");
    int64_t customerVariant = 0;               // the customer-variant switch: 0 ordinary
    // GGG:ISTOVARIX: 1 = settlements are the ledger's own (ROZRACHUNEK_BILANTOR_V), 0 = the
    // warehouse system's (ROZRACHUNEK_TOVARIX_V); from FIRMA.czy_tovarix.
    uint8_t GGG_ISTOVARIX = 1;

    // company data for report headings
    QString DANE_NAZWA_FIRMY, DANE_ADRES1_FIRMY, DANE_ADRES2_FIRMY, DANE_NIP_FIRMY;

    // texts and switches handed between windows and printouts
    QString DANE_NAGLOWEK_WYDRUKU, DANE_NAGLOWEK_STRONY;
    QStringList DANE_OPIS_PRN;                 // description lines, one per entry
    uint8_t DANE_ZAKRES_PRN = 0;
    uint8_t DANE_DRUKARKA_EKRAN = 0;
    uint8_t DANE_WYLACZ_SZAROSC = 0;
    uint8_t GGG_NUMCOPY = 1;
    uint8_t GGG_EMAILPDFSAVEAS = 0;
    int64_t GGG_DANE_ID_OBIEKTU = 0;

    // picker in/out values
    int64_t DANE_ID_KARTOTEKI = 0;
    QString DANE_NAZWA;
    QString DANE_NUMER_KONTA;                  // 61 characters
    int64_t DANE_STATUS_WYBORU = 0;
    uint8_t FLAGA_POKAZ_B_WYBIERZ = 0;
    uint8_t DANE_CZY_ZAZNACZONE = 0;
    int64_t DANE_ZAZNACZ_REK = 0;
    int64_t DANE_ID_BOWSERA_FILTR = 0;
    uint8_t DANE_FLAGA_OKNO_Z_BLOKADA_ROZRACHUNKOW = 0;
    QString DANE_WERSJA_SERWERA;
    std::vector<ledgerprint::HandedRow> DANE_KOLEJKA_VAX;   // rows handed to the ledger print library

    // paths and window switches
    QString GGG_HELP_PLIK, GLO_LOCALPATH, GLO_CUTEMP, GGG_PROGRAMPATH;
    QString GGG_SCIEZKA_SET;                   // settings file
    int64_t GGG_VSPLITPOS = 0, GGG_HSPLITPOS = 0, GGG_SORTOWANIE_LP = 0;
    uint8_t GGG_SORTOWANIE_DIR = 0, GGG_SORTOWANIE_INTU = 0, GGG_UNI_1 = 0;

    // budget classification
    QString GGG_BT_SEPARATOR = QStringLiteral("-");
    uint8_t GGG_BT_BUDZET_TRADYCYJNY = 1, GGG_BT_BUDZET_ZADANIOWY = 0;

    // statement library hand-over
    QString CRST_FILTR_INFO, CRST_FILTR_TABELA, CRST_FILTR_ZAPYTANIE;

    // framework request/response codes
    int64_t GLOBALREQUEST = 0, GLOBALRESPONSE = 0, VCRREQUEST = 0;

    // Where the ledger database is (a connection URL); each thread of the module opens
    // its own connection to it (frame/ModuleDatabase.h).
    QString databaseUrl;

    // The open-window registry: one row per open window.
    std::vector<ThreadRow> DANE_WATKI;
    std::mutex watkiMutex;

    // Currency of the session: "PLN" when none is set.
    QString activeCurrency() const { return DANE_AKTYWNA_WALUTA.trimmed().isEmpty() ? QStringLiteral("PLN") : DANE_AKTYWNA_WALUTA.trimmed(); }
    bool hasCompanyAndYear() const { return DANE_ID_FIRMY != 0 && DANE_LATA_OBROTOWE != 0; }
};

// The one session of the process (the data library's globals).
SessionContext& session();
// Tests start from a clean session.
void resetSession();

} // namespace ksiega
