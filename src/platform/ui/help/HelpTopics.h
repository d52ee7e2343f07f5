#pragma once
// The help topics of the module's windows: one HTML page each, embedded under :/help/.
#include <QString>
#include <QStringList>

namespace ksiega::help {

inline const QString KSIEGA_WG_KONT = QStringLiteral("08_02_Przegladanie_danych_wg_kont.htm");
inline const QString KSIEGA_WG_OKRESOW = QStringLiteral("08_03_Przegladanie_danych_wg_okresow.htm");
inline const QString RAPORT_DLA_KONTA = QStringLiteral("08_04_raport_z_konta.htm");
inline const QString MPK_VIEW = QStringLiteral("08_04a_Przegladanie_mpk.htm");
inline const QString ZAMKNIECIE_ROKU = QStringLiteral("08_09_BO_w_nowym_roku.htm");
inline const QString BO = QStringLiteral("07_01_wprowadzanie_bilansu_otwarcia.htm");
inline const QString BO_IMPORT_ROZRACHUNKOW = QStringLiteral("07_01a_Import_bilansu_otwarcia.htm");
inline const QString IMPORT_ROZRACHUNKOW = QStringLiteral("07_01b_Import_rozrachunkow_do_BO.htm");
inline const QString PRZYPISZ_ROZRACHUNKI = QStringLiteral("07_01c_Dokument_z_rozrachunkow.htm");
inline const QString BT_VIEW_W = QStringLiteral("BUDZET_20_06_przegladanie_wydatki.htm");
inline const QString BT_VIEW_D = QStringLiteral("BUDZET_20_07_przegladanie_dochody.htm");

inline QStringList allTopics() {
    return {KSIEGA_WG_KONT, KSIEGA_WG_OKRESOW, RAPORT_DLA_KONTA, MPK_VIEW, ZAMKNIECIE_ROKU,
            BO, BO_IMPORT_ROZRACHUNKOW, IMPORT_ROZRACHUNKOW, PRZYPISZ_ROZRACHUNKI, BT_VIEW_W, BT_VIEW_D};
}

} // namespace ksiega::help
