#pragma once
// The controls both windows show for the shared part of their rules: the balance-date
// option with its date and calendar button, the two check boxes, "Wybierz rozrachunki" with
// the list of the chosen settlements, the result page with "Drukuj", the wait text and the
// buttons "Wstecz", "Zamknij", "Dalej"/"Zakończ". Object names are the controls' names.
#include "settlements/shared/ChosenListModel.h"
#include "settlements/shared/SettlementChoiceController.h"
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QToolButton;
class QDialog;

namespace ksiega::settlements {

class ChoiceWidgets : public QObject {
    Q_OBJECT
public:
    ChoiceWidgets(SettlementChoiceController& controller, QDialog* window);

    // SALDO_NA_DZIEN, DATA_SALDA_NA_DZIEN, B_DATA_SALDA_NA_DZIEN, WYBIERZ_SKOJARZONE, OGRANICZ_WIDOK.
    QWidget* optionsBox(QWidget* parent);
    // B_WYBIERZ and LIST2 with its totals.
    QWidget* listBox(QWidget* parent);
    // The result text and "Drukuj".
    QWidget* resultBox(QWidget* parent);
    // STR_CZEKAJ and B_WSTECZ, CLOSE, B_OK.
    QWidget* buttonRow(QWidget* parent);

    void sync();
    QTableView* list() const { return m_list; }

private:
    SettlementChoiceController& m_c;
    QDialog* m_window;
    ChosenListModel* m_model = nullptr;
    QCheckBox* m_saldo = nullptr;
    QLineEdit* m_date = nullptr;
    QToolButton* m_calendar = nullptr;
    QCheckBox* m_skojarzone = nullptr;
    QCheckBox* m_ogranicz = nullptr;
    QTableView* m_list = nullptr;
    QLabel* m_totals = nullptr;
    QPlainTextEdit* m_result = nullptr;
    QLabel* m_wait = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_ok = nullptr;
    bool m_syncing = false;
};

} // namespace ksiega::settlements
