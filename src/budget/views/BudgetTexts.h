#pragma once
// The texts of the budget entry windows.
#include <QString>

namespace ksiega::budget::texts {

inline const QString WINDOW_CAPTION = QStringLiteral("Klasyfikacja budzetowa");
inline const QString FILTER_TOO_LONG = QStringLiteral("Wyrażenie filtrujące jest za długie.|Filtr będzie zignorowany.");
inline const QString READING_MARKS = QStringLiteral("Proszę czekać. Trwa czytanie zaznaczonych elementów.");
inline const QString OPENING_BALANCE_ENTRY = QStringLiteral("Zapis pochodzi z bilansu otwarcia.");
inline const QString DOCUMENT_LOCKED = QStringLiteral("Wybrany dokument jest zablokowany przez innego użytkownika.");
inline const QString REMOVE_CONFIGURATION = QStringLiteral("Czy chcesz usunąć aktualną konfigurację filtra ?");
inline const QString UNDEFINED_PERIOD = QStringLiteral("<nieokreślony>");
inline const QString NO_FILTER = QStringLiteral("<Bez filtra>");
inline const QString MARKED_SUFFIX = QStringLiteral("/zaznaczone/");

inline const QString SUM_COUNT = QStringLiteral("Ilość pozycji");
inline const QString SUM_TOTAL = QStringLiteral("Kwota ogółem");

// Tools and buttons.
inline const QString SHOW_TABS = QStringLiteral("Ukryj/pokaż podgląd (Ctrl+P)");
inline const QString SHOW_MARKED = QStringLiteral("Pokaż zaznaczone (Shift+F5)");
inline const QString SORT_DIRECTION = QStringLiteral("Sortuj rosnąco/malejąco (Ctrl+F6)");
inline const QString SORT_BY = QStringLiteral("Sortuj wg...(F6)");
inline const QString QUICK_FILTER = QStringLiteral("Filtr (F8)");
inline const QString SAVE_FILTER = QStringLiteral("Zapisz filtr (Alt+F8)");
inline const QString ACTIVE_FILTER = QStringLiteral("Aktywny filtr (F7)");
inline const QString INTUITIVE = QStringLiteral("Wyszukiwanie intuicyjne (Shift+F6)");
inline const QString FILTER_LIST = QStringLiteral("Lista filtrów (Ctrl+F7)");
inline const QString CLASSIFICATION_FILTER = QStringLiteral("Filtr klasyfikacji /Ctrl+F8/");
inline const QString TREE_MAINTAIN = QStringLiteral("Obsługa drzewa filtrów (Ctrl+F2)");
inline const QString TREE_ADD = QStringLiteral("Dodaj gałąź (Ctrl+Ins)");
inline const QString TREE_REMOVE = QStringLiteral("Usuń gałąź (Ctrl+Del)");
inline const QString STEP_DOWN = QStringLiteral("Pokaż kolejny symbol klasyfikacji budżetowej (malejąco) (-)");
inline const QString STEP_UP = QStringLiteral("Pokaż kolejny symbol klasyfikacji budżetowej (rosnąco) (+)");
inline const QString DOCUMENT = QStringLiteral("Dokument");
inline const QString CORRECT = QStringLiteral("Popraw");
inline const QString PRINT = QStringLiteral("Drukuj");
inline const QString CHOOSE = QStringLiteral("Wybierz");
inline const QString CLOSE = QStringLiteral("Zamknij");

// Tabs.
inline const QString TAB_PROPERTIES = QStringLiteral("Właściwości zapisu");
inline const QString TAB_SUMMARY = QStringLiteral("Podsumowanie");
inline const QString TAB_DICTIONARIES = QStringLiteral("Klasyfikacja wg słowników");

// The popup of the list.
inline const QString POPUP_FIELDS = QStringLiteral("Podgląd pól");
inline const QString POPUP_MARK_ALL = QStringLiteral("Zaznacz wszystko");
inline const QString POPUP_UNMARK_ALL = QStringLiteral("Odznacz wszystko");
inline const QString POPUP_INVERT = QStringLiteral("Odwróć zaznaczone");
inline const QString POPUP_COLUMNS = QStringLiteral("Konfiguracja kolumn");
inline const QString POPUP_EXPORT = QStringLiteral("Eksport do Excela");
inline const QString POPUP_DESCRIBE = QStringLiteral("Opis klasyfikacji tradycyjnej");
inline const QString POPUP_PLAN = QStringLiteral("Podsumowanie klasyfikacji tradycyjnej");
inline const QString POPUP_FILTER_BY = QStringLiteral("Filtruj wg wybranej klasyfikacji tradycyjnej");

// The tree's popup.
inline const QString TREE_POPUP_ADD = QStringLiteral("Dodaj");
inline const QString TREE_POPUP_REMOVE = QStringLiteral("Usuń");

// The budget printouts' headings by report number.
inline const QString PRINT_PLAN = QStringLiteral("Zestawienie planu klasyfikacji budżetowej");
inline const QString PRINT_CLASSIFICATION = QStringLiteral("Zestawienie klasyfikacji budżetowej");
inline const QString PRINT_ENTRIES = QStringLiteral("Zestawienie zapisów księgowych");

// "Właściwości zapisu".
inline const QString PROP_AMOUNT = QStringLiteral("Kwota");
inline const QString PROP_DT = QStringLiteral("Konto Dt");
inline const QString PROP_CT = QStringLiteral("Konto Ct");
inline const QString PROP_REGISTER = QStringLiteral("Nr ewidencyjny");
inline const QString PROP_NUMBER = QStringLiteral("Nr dokumentu");
inline const QString PROP_BOOKED = QStringLiteral("Data księgowania");
inline const QString PROP_DATED = QStringLiteral("Data dokumentu");
inline const QString PROP_PERIOD = QStringLiteral("Okres");

// The budget models of OPCJE_SYSTEMOWE 305.
inline const QString MODEL_TRADITIONAL = QStringLiteral("tradycyjny");
inline const QString MODEL_TASK = QStringLiteral("zadaniowy");

} // namespace ksiega::budget::texts
