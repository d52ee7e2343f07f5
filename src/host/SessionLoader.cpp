#include "host/SessionLoader.h"
#include "platform/runtime/Date.h"
#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace ksiega::host {

SessionPaths SessionPaths::standard() {
    SessionPaths p;
    QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty()) config = QDir::homePath() + "/.config";
    p.settingsFolder = config + "/ksiega";
    QString local = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (local.isEmpty()) local = QDir::homePath() + "/.local/share";
    p.localFolder = local + "/ksiega";
    p.tempFolder = QDir::tempPath();
    p.programFolder = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    // Help pages are one HTML file per topic in the resources; the help object opens
    // a topic relative to this.
    p.helpFile = QStringLiteral(":/help/ksiega.htm");
    return p;
}

int clampIntoYear(int day, int first, int last) {
    if (day < first) return first;
    if (day > last) return last;
    return day;
}

QString settingsFileFor(const QString& folder, const QString& login) {
    QString safe;
    for (const QChar c : login.trimmed()) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
        safe += plain ? QString(c) : QStringLiteral("%%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    if (safe.isEmpty()) safe = QStringLiteral("%");
    return folder + "/ustawienia_" + safe + ".ini";
}

namespace {

QString serverVersion(db::Database& db) {
    return db.scalarText(db.dialect().serverVersionSql()).value_or(QString()).left(4);
}

} // namespace

void loadSession(db::Database& db, const SessionChoice& choice, int today, const SessionPaths& paths,
                 SessionContext& into) {
    QString companyName, nip, separator, budgetSeparator;
    int budget = 0, costCentres = 0, ledgerSettlements = 1;
    {
        auto rows = db.select(QStringLiteral("select nazwa, nip, czy_budzet, czy_mpk, separator_mpk, separator_bt, czy_tovarix "
                                             "from FIRMA where id_firmy=?"),
                              {choice.company});
        if (!rows.next()) throw SessionError(QStringLiteral("Nie ma firmy o identyfikatorze %1.").arg(choice.company));
        companyName = rows.text(0);
        nip = rows.text(1);
        budget = rows.integer(2);
        costCentres = rows.integer(3);
        separator = rows.text(4);
        budgetSeparator = rows.text(5);
        ledgerSettlements = rows.integer(6);
    }

    QString yearName;
    int first = 0, last = 0;
    {
        auto rows = db.select(QStringLiteral("select rok_obrotowy, poczatek_roku, koniec_roku from LATA_OBROTOWE "
                                             "where id_lata_obrot=? and id_firmy=?"),
                              {choice.year, choice.company});
        if (!rows.next())
            throw SessionError(QStringLiteral("Firma %1 nie ma roku obrotowego o identyfikatorze %2.").arg(choice.company).arg(choice.year));
        yearName = rows.text(0);
        first = rows.integer(1);
        last = rows.integer(2);
    }

    int64_t userNumber = 0;
    int administrator = 0;
    QString login;
    {
        auto rows = db.select(QStringLiteral("select id_uzytkownika, login, czy_administrator from UZYTKOWNICY where login=?"),
                              {choice.login.trimmed()});
        if (!rows.next()) throw SessionError(QStringLiteral("Nie ma użytkownika \"%1\".").arg(choice.login));
        userNumber = rows.int64(0);
        login = rows.text(1);
        administrator = rows.integer(2);
    }

    const int working = clampIntoYear(choice.workingDate.value_or(today), first, last);

    // The registered seat (typ_adresu 'S') that holds on the working date: the latest one
    // from on or before it; another address only when the company has no such seat.
    QString address1, address2;
    {
        auto rows = db.select(QStringLiteral("select ulica, nr_domu, kod_pocztowy, miejscowosc from ADRESY_FIRMY where id_firmy=? "
                                             "order by case when typ_adresu='S' and data_od<=? then 0 else 1 end, "
                                             "data_od desc, id_adresu desc limit 1"),
                              {choice.company, working});
        if (rows.next()) {
            address1 = (rows.text(0).trimmed() + ' ' + rows.text(1).trimmed()).trimmed();
            address2 = (rows.text(2).trimmed() + ' ' + rows.text(3).trimmed()).trimmed();
        }
    }
    const QString version = serverVersion(db);

    into.DANE_ID_FIRMY = choice.company;
    into.DANE_LATA_OBROTOWE = choice.year;
    into.DANE_POCZATEK_ROKU = first;
    into.DANE_KONIEC_ROKU = last;
    into.DANE_LATA_OBROT_NAZWA = yearName;
    into.DANE_DATA_BIEZACA = working;
    into.DANE_DATA_OKRESU = date::monthPeriod(date::year(working), date::month(working));
    into.DANE_DATA_WYDRUKU = today;
    into.DANE_ID_UZYT = login;
    into.DANE_ID_UZYTKOWNIKA_NR = userNumber;
    into.DANE_ADMINISTRATOR = administrator ? 1 : 0;
    into.DANE_AKTYWNA_WALUTA = QStringLiteral("PLN");
    into.DANE_CZY_WERSJA_BUDZET = budget ? 1 : 0;
    into.DANE_CZY_WERSJA_MPK = costCentres ? 1 : 0;
    into.GGG_ISTOVARIX = ledgerSettlements ? 1 : 0;
    into.DANE_SEPARATOR_MPK = separator.isEmpty() ? QStringLiteral("-") : separator.left(1);
    into.GGG_BT_SEPARATOR = budgetSeparator.isEmpty() ? QStringLiteral("-") : budgetSeparator.left(1);
    into.DANE_NAZWA_FIRMY = companyName;
    into.DANE_ADRES1_FIRMY = address1;
    into.DANE_ADRES2_FIRMY = address2;
    into.DANE_NIP_FIRMY = nip;
    into.DANE_WERSJA_SERWERA = version;
    into.GGG_SCIEZKA_SET = settingsFileFor(paths.settingsFolder, login);
    into.GGG_HELP_PLIK = paths.helpFile;
    into.GGG_PROGRAMPATH = paths.programFolder;
    into.GLO_LOCALPATH = paths.localFolder;
    into.GLO_CUTEMP = paths.tempFolder;
}

void loadSession(db::Database& db, const SessionChoice& choice) {
    loadSession(db, choice, date::fromQDate(QDate::currentDate()), SessionPaths::standard(), session());
}

SessionChoice firstChoice(db::Database& db) {
    SessionChoice c;
    c.company = db.scalarInt(QStringLiteral("select id_firmy from FIRMA order by id_firmy limit 1")).value_or(0);
    if (!c.company) throw SessionError(QStringLiteral("W bazie nie ma żadnej firmy."));
    c.year = db.scalarInt(QStringLiteral("select id_lata_obrot from LATA_OBROTOWE where id_firmy=? "
                                         "order by poczatek_roku desc, id_lata_obrot desc limit 1"),
                          {c.company})
                 .value_or(0);
    if (!c.year) throw SessionError(QStringLiteral("Firma %1 nie ma żadnego roku obrotowego.").arg(c.company));
    c.login = db.scalarText(QStringLiteral("select login from UZYTKOWNICY order by czy_administrator desc, login limit 1"))
                  .value_or(QString());
    if (c.login.isEmpty()) throw SessionError(QStringLiteral("W bazie nie ma żadnego użytkownika."));
    return c;
}

} // namespace ksiega::host
