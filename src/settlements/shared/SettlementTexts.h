#pragma once
// The texts of the import wizard "Import rozrachunków do BO" and of the window that makes
// a ledger document from chosen settlements, as the system shows them.
#include <QString>

namespace ksiega::settlements::texts {

// Shared by both windows.
inline const QString WYBIERZ = QStringLiteral("Wybierz rozrachunki");
inline const QString SALDO_NA_DZIEN = QStringLiteral("Pobierz kwotę z salda rozrachunku na dzień");
inline const QString WYBIERZ_SKOJARZONE = QStringLiteral("Importuj rozrachunki rozliczające zaznaczone rozrachunki");
inline const QString OGRANICZ_WIDOK = QStringLiteral("Ogranicz widok do rozrachunków wyłącznie z systemu TOVARIX");
inline const QString RAPORT = QStringLiteral("Raport automatycznego księgowania");
inline const QString DRUKUJ = QStringLiteral("Drukuj");
inline const QString WSTECZ = QStringLiteral("Wstecz");
inline const QString ZAMKNIJ = QStringLiteral("Zamknij");
inline const QString DALEJ = QStringLiteral("Dalej");
inline const QString ZAKONCZ = QStringLiteral("Zakończ");
inline const QString WSTECZ_KEY = QStringLiteral("Ctrl+Left");
inline const QString DALEJ_KEY = QStringLiteral("Ctrl+Right");
// clang-format off
inline const QString BOOKED_SKIPPED = QStringLiteral("W puli zaznaczonych znajdują się rozrachunki wynikające z dokumentów księgowych lub bilansu otwarcia progamu Bilantor. Takie rozrachunki zostaną pominięte.");
// clang-format on

// The columns of the chosen settlements.
inline const QString COL_LP = QStringLiteral("Lp");
inline const QString COL_NAZWA = QStringLiteral("Nazwa");
inline const QString COL_NR_DOK = QStringLiteral("Nr dokumentu");
inline const QString COL_DATA_DOK = QStringLiteral("Data dok.");
inline const QString COL_KWOTA_DT = QStringLiteral("Kwota Dt");
inline const QString COL_SALDO_DT = QStringLiteral("Saldo Dt");
inline const QString COL_KWOTA_CT = QStringLiteral("Kwota Ct");
inline const QString COL_SALDO_CT = QStringLiteral("Saldo Ct");
inline const QString COL_WALUTA = QStringLiteral("Waluta");
inline const QString COL_OPIS = QStringLiteral("Opis");

// The import wizard.
inline const QString WIZARD_CAPTION = QStringLiteral("Import rozrachunków do BO");
inline const QString KONTO_KSIEGOWE = QStringLiteral("Konto księgowe:");
inline const QString WAIT_PREPARE = QStringLiteral("Proszę czekać. Trwa przygotowanie BO do zapisu.");
inline const QString WAIT_IMPORT = QStringLiteral("Proszę czekać. Trwa import rozrachunków do bilansu otwarcia.");
inline const QString NOTHING_TO_IMPORT = QStringLiteral("Brak odpowiednich rozrachunków do importu.");
inline const QString IMPORT_FAILED = QStringLiteral("Import rozrachunków nie został wykonany. ");
inline const QString IMPORT_DONE_1 = QStringLiteral("Import rozrachunków do bilansu otwarcia dla konta ");
inline const QString IMPORT_DONE_2 = QStringLiteral(" został zakończony.");

// The document from chosen settlements.
inline const QString DOCUMENT_CAPTION = QStringLiteral("Dodawanie nowego dokumentu");
inline const QString DOCUMENT_HEADING_1 = QStringLiteral("Generowanie dokumentu na podstawie rozrachunków");
inline const QString DOCUMENT_HEADING_2 = QStringLiteral("pochodzących z systemu magazynowego");
inline const QString DZIENNIK = QStringLiteral("Dziennik:");
inline const QString TYP_DOKUMENTU = QStringLiteral("Typ dokumentu");
inline const QString OPIS = QStringLiteral("Opis");
inline const QString KONTO_DT = QStringLiteral("Konto Dt");
inline const QString KONTO_CT = QStringLiteral("Konto Ct");
inline const QString NO_DOCUMENT_TYPES =
    QStringLiteral("Zdefiniuj listę typów dokumentów dla wybranego dziennika lub nadaj prawa do ich użytkowania.");
inline const QString CHOOSE_SETTLEMENTS = QStringLiteral("Proszę wybrać rozrachunki.");
inline const QString WAIT_GENERATE = QStringLiteral("Proszę czekać. Trwa generowanie pozycji dokumentu.");
inline const QString DOCUMENT_FAILED = QStringLiteral("Dokument nie został utworzony. ");
inline const QString GENERATED_1 = QStringLiteral("Generowanie pozycji dokumentu ");
inline const QString GENERATED_2 = QStringLiteral(" zostało zakończone.");

// What the result page and its printout say (the system's own words are above).
inline const QString RESULT_ACCOUNT = QStringLiteral("Konto");
inline const QString RESULT_IMPORTED = QStringLiteral("Zaimportowane rozrachunki");
inline const QString RESULT_SKIPPED = QStringLiteral("Pominięte (pozycje BO zablokowane przez innego użytkownika)");
inline const QString RESULT_DOCUMENT = QStringLiteral("Dokument");
inline const QString RESULT_LINES = QStringLiteral("Pozycje dokumentu");
inline const QString RESULT_CURRENCIES = QStringLiteral("Waluty");
inline const QString PRN_COL_WHAT = QStringLiteral("Operacja");
inline const QString PRN_COL_VALUE = QStringLiteral("Wynik");
inline const QString PRN_ROK = QStringLiteral("Rok obrotowy:");
inline const QString PRN_DATA = QStringLiteral("Data wydruku:");

} // namespace ksiega::settlements::texts
