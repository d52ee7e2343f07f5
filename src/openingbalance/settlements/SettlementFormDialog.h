#pragma once
// The form "Rozrachunki": controls and layout over a SettlementFormController.
#include "openingbalance/settlements/SettlementFormController.h"
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace ksiega::openingbalance {

class SettlementFormDialog : public QDialog {
    Q_OBJECT
public:
    SettlementFormDialog(SettlementFormController& controller, QWidget* parent = nullptr);

private:
    QLineEdit* addLine(const char* name, int maxLength);
    QPushButton* addButton(const char* name, const QString& text);
    void redisplay();

    SettlementFormController& m_c;
    QLineEdit* m_symbol = nullptr;
    QLineEdit* m_opis = nullptr;
    QLineEdit* m_data = nullptr;
    QComboBox* m_rodzaj = nullptr;
    QSpinBox* m_days = nullptr;
    QLineEdit* m_termin = nullptr;
    QPushButton* m_terminButton = nullptr;
    QComboBox* m_strona = nullptr;
    QLineEdit* m_kwota = nullptr;
    QLineEdit* m_kwotaW = nullptr;
    QCheckBox* m_korekta = nullptr;
    QLabel* m_markLabel = nullptr;
    QLineEdit* m_mark = nullptr;
    QPushButton* m_classification = nullptr;
    QLabel* m_classificationSymbol = nullptr;
    QCheckBox* m_hidden = nullptr;
};

} // namespace ksiega::openingbalance
