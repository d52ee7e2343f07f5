#pragma once
// The texts the cost-centre windows show.
#include <QString>

namespace ksiega::costcentres::texts {

// "MPK"
inline const QString WINDOW_CAPTION = QStringLiteral("MPK");
inline const QString FILTER_TOO_LONG = QStringLiteral("Wyrażenie filtrujące jest za długie.|Filtr będzie zignorowany.");
inline const QString READING_MARKS = QStringLiteral("Proszę czekać. Trwa czytanie zaznaczonych elementów.");
inline const QString OPENING_BALANCE_ENTRY = QStringLiteral("Zapis pochodzi z bilansu otwarcia.");
inline const QString DOCUMENT_LOCKED = QStringLiteral("Wybrany dokument jest zablokowany przez innego użytkownika.");
inline const QString REMOVE_CONFIGURATION = QStringLiteral("Czy chcesz usunąć aktualną konfigurację filtra ?");
inline const QString PRINT_TITLE = QStringLiteral("Zestawienie zapisów MPK");
inline const QString UNDEFINED_PERIOD = QStringLiteral("<nieokreślony>");
inline const QString NO_TREE_FILTER = QStringLiteral("<Bez filtra>");

inline const QString SUM_DT = QStringLiteral("Kwota Dt");
inline const QString SUM_DT_MARKED = QStringLiteral("Kwota Dt/zaznaczone/");
inline const QString SUM_CT = QStringLiteral("Kwota Ct");
inline const QString SUM_CT_MARKED = QStringLiteral("Kwota Ct/zaznaczone/");
inline const QString SUM_BOTH = QStringLiteral("Razem (Dt+Ct)");
inline const QString SUM_BOTH_MARKED = QStringLiteral("Razem (Dt+Ct)/zaznaczone/");

// "Filtr"
inline const QString QUICK_CAPTION = QStringLiteral("Filtr");
inline const QString ALL_ROWS = QStringLiteral("<wszystkie>");
inline const QString NO_JOURNAL = QStringLiteral("Proszę wybrać przynajmniej jeden dziennik.");
inline const QString NO_TYPE = QStringLiteral("Proszę wybrać przynajmniej jeden typ dokumentu.");
inline const QString NO_PERIOD = QStringLiteral("Proszę wybrać przynajmniej jeden okres obrotowy.");
inline const QString NO_SIDE = QStringLiteral("Proszę określić stronę zapisu.");
inline const QString NO_RANGE = QStringLiteral("Proszę ustalić odpowiedni zakres kont.");
inline const QString NO_MASK = QStringLiteral("Proszę określić maskę konta.");
inline const QString NO_ACCOUNT = QStringLiteral("Proszę wybrać konto.");
inline const QString QUICK_TOO_LONG = QStringLiteral("Wyrażenie filtrujące jest za długie.");

} // namespace ksiega::costcentres::texts
