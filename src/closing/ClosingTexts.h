#pragma once
// The texts of the window "BO w następnym roku obrotowym", as the system words them.
#include <QString>

namespace ksiega::closing::texts {

inline const QString CAPTION = QStringLiteral("BO w następnym roku obrotowym");
inline const QString ZALOZENIE = QStringLiteral("Założenie bilansu otwarcia");
inline const QString USUNIECIE = QStringLiteral("Usunięcie bilansu otwarcia");
inline const QString EXPLANATION_1 = QStringLiteral("Funkcja umożliwia utworzenie bilansu otwarcia w nowym roku");
inline const QString EXPLANATION_2 = QStringLiteral("(uwzględniając zmiany w planie kont wynikające z tabeli");
inline const QString EXPLANATION_3 = QStringLiteral("przeksięgowań).");
inline const QString REPEAT_1 = QStringLiteral("Uwaga! Operację tworzenia bilansu otwarcia można powtarzać");
inline const QString REPEAT_2 = QStringLiteral("do chwili zatwierdzenia BO w nowym roku.");
inline const QString RANGE_GROUP = QStringLiteral("Zakres kont księgowych");
inline const QString WSZYSTKIE = QStringLiteral("Wszystkie");
inline const QString WYBRANE = QStringLiteral("Wybrane");
inline const QString POMIN_980_998 = QStringLiteral("Pomiń konta 980 i 998");
inline const QString PREVIEW_ONLY = QStringLiteral("Tylko podgląd (bez zapisu)");
inline const QString CHOSEN_COUNT = QStringLiteral("ilość wybranych elementów: ");
inline const QString PROSZE_CZEKAC = QStringLiteral("Proszę czekać...");

inline const QString PROBLEMS_TITLE = QStringLiteral("Lista problemów powstałych podczas generowania bilansu otwarcia");
inline const QString REPORT_TITLE = QStringLiteral("Raport z przeniesienia");
inline const QString COL_Z_KONTA = QStringLiteral("z konta...");
inline const QString COL_NA_KONTO = QStringLiteral("na konto...");
inline const QString COL_NA_KONTO_REPORT = QStringLiteral("na konto ...");
inline const QString COL_WALUTA = QStringLiteral("Waluta");
inline const QString COL_OPIS_PROBLEMU = QStringLiteral("Opis problemu");
inline const QString COL_UWAGI = QStringLiteral("Uwagi");
inline const QString DRUKUJ = QStringLiteral("Drukuj");
inline const QString WYKONAJ = QStringLiteral("Wykonaj");
inline const QString WYKONAJ_KEY = QStringLiteral("Ctrl+W");
inline const QString ZAMKNIJ = QStringLiteral("Zamknij");
inline const QString RAPORT = QStringLiteral("Raport");
inline const QString BLEDY = QStringLiteral("Błędy");
inline const QString MARKED_SETTLEMENTS = QStringLiteral("zaznaczonych rozrachunków: ");

inline const QString NO_NEXT_YEAR = QStringLiteral("Nie można wykonać tej operacji.|Następny rok obrotowy nie jest zdefiniowany.");
inline const QString NEXT_YEAR_APPROVED =
    QStringLiteral("Nie można wykonać tej operacji.|Bilans otwarcia w następnym roku obrotowym jest zatwierdzony.");
inline const QString ASK_CREATE = QStringLiteral("Czy chcesz wykonać operację założenia BO w roku obrotowym ");
inline const QString ASK_REMOVE = QStringLiteral("Czy chcesz wykonać operację usunięcia BO w roku obrotowym ");
inline const QString CLOSE_OTHER_WINDOWS =
    QStringLiteral("W celu wykonania tej operacji, konieczne jest zamknięcie wszystkich innych okien aplikacji.");
inline const QString CREATE_FAILED =
    QStringLiteral("Uwaga!|Operacja założenia BO w następnym roku obrotowym została wykonana nieprawidłowo.");
inline const QString CREATE_DONE = QStringLiteral("Operacja założenia BO w następnym roku obrotowym została wykonana.");
inline const QString REMOVE_DONE = QStringLiteral("Usunięcie BO w następnym roku obrotowym zostało wykonane.");
inline const QString DOCUMENT_WRITE_FAILED = QStringLiteral("Błąd zapisu do tabeli dokumentów.");
inline const QString NOTHING_GENERATED = QStringLiteral("Nie wygenerowano zapisów BO");
// After a preview (the check box of the first page): nothing reached the database.
inline const QString PREVIEW_CREATE_DONE =
    QStringLiteral("Podgląd założenia BO w następnym roku obrotowym został wykonany.|Nic nie zostało zapisane w bazie danych.");
inline const QString PREVIEW_REMOVE_DONE =
    QStringLiteral("Podgląd usunięcia BO w następnym roku obrotowym został wykonany.|Nic nie zostało usunięte z bazy danych.");

inline const QString PRINT_PROBLEMS_HEADER = QStringLiteral("Błędy założenia bilansu otwarcia");
inline const QString PRINT_REPORT_HEADER = QStringLiteral("Zmiana planu kont");
inline const QString PRN_ROK = QStringLiteral("Rok obrotowy:");
inline const QString PRN_DATA = QStringLiteral("Data wydruku:");
inline const QString PRN_COL_Z_KONTA = QStringLiteral("z konta ...");
inline const QString PRN_COL_NA_KONTO = QStringLiteral("na konto ...");

} // namespace ksiega::closing::texts
