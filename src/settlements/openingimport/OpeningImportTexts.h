#pragma once
// The texts of the window "BO - Import rozrachunków z programu TOVARIX".
#include <QString>

namespace ksiega::settlements::texts {

inline const QString CAPTION = QStringLiteral("BO - Import rozrachunków z programu TOVARIX");
inline const QString CHOOSE_ACCOUNT = QStringLiteral("Proszę wybrać konto księgowe.");
inline const QString CHOOSE_LAST_LEVEL = QStringLiteral("Proszę wybrać właściwe konto księgowe (ostatni poziom analityki).");
inline const QString LOCK_HELD = QStringLiteral("W celu wykonania tej operacji należy zakończyć poprawianie dokumentu lub rozrachunku.");
inline const QString REMOVE_MARKED = QStringLiteral("Czy chcesz usunąć z bilansu otwarcia zaznaczone rozrachunki ?");
inline const QString REMOVE_CURRENT = QStringLiteral("Czy chcesz usunąć z bilansu otwarcia wybrany rozrachunek ?");
inline const QString REMOVE_OWN_TOO = QStringLiteral(
    "W puli zaznaczonych znajdują się rozrachunki pochodzące wyłącznie z bilansu otwarcia progamu Bilantor. Czy chcesz "
    "usunąć również takie rozrachunki ?");
inline const QString UPDATE_NOW = QStringLiteral(
    "Po wykonaniu tej operacji należy wykonać aktualizację sald i obrotów w bilansie otwarcia. W celu przyśpieszenia "
    "procesu modyfikacji bilansu otwarcia aktualizację można teraz pominąć, jednak należy ją wykonać po zakończeniu "
    "pracy z modułem.|Czy chcesz wykonać teraz aktualizację obrotów i sald w BO?");
inline const QString UPDATE_ON_CLOSE = QStringLiteral("Program wykona teraz aktualizację sald i obrotów w bilansie otwarcia.");
inline const QString CARDS_QUESTION = QStringLiteral("Czy chcesz przeglądać konta kartotekowe ?");
inline const QString NO_CARD_ENTRIES = QStringLiteral("Brak zapisów na koncie kartotekowym.");
inline const QString MARKING_PROGRESS = QStringLiteral("Zaznaczanie rozrachunków...");

// ?LIST8
inline const QString SUM_KWOTA_DT = QStringLiteral("Kwota Dt");
inline const QString SUM_KWOTA_CT = QStringLiteral("Kwota Ct");
inline const QString SUM_SALDO_DT = QStringLiteral("Saldo Dt");
inline const QString SUM_SALDO_CT = QStringLiteral("Saldo Ct");
inline const QString SUM_MARKED_DT = QStringLiteral("Kwota Dt/zaznaczone/");
inline const QString SUM_MARKED_CT = QStringLiteral("Kwota Ct/zaznaczone/");

// The list popup.
inline const QString POPUP_FIELDS = QStringLiteral("Podgląd pól");
inline const QString POPUP_MARK_ALL = QStringLiteral("Zaznacz wszystko");
inline const QString POPUP_UNMARK_ALL = QStringLiteral("Odznacz wszystko");
inline const QString POPUP_INVERT = QStringLiteral("Odwróć zaznaczone");
inline const QString POPUP_COLUMNS = QStringLiteral("Konfiguracja kolumn");
inline const QString POPUP_EXPORT = QStringLiteral("Eksport do Excela");

} // namespace ksiega::settlements::texts
