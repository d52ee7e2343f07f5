#pragma once
// The window "Filtr": controls and layout over an AccountFilterController.
#include "entries/accountfilter/AccountFilterController.h"
#include <QDialog>
#include <array>
#include <map>
#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace ksiega::entries {

class AccountFilterDialog : public QDialog {
    Q_OBJECT
public:
    explicit AccountFilterDialog(std::unique_ptr<AccountFilterController> controller, QWidget* parent = nullptr);
    ~AccountFilterDialog() override;

    AccountFilterController& controller() { return *m_controller; }

    void reject() override;  // "Anuluj", Esc, closing

private:
    QCheckBox* addFlag(FilterFlag f, const QString& objectName, const QString& text);
    void redisplay();

    std::unique_ptr<AccountFilterController> m_controller;
    std::array<QCheckBox*, AccountFilterSettings::GROUPS + 1> m_groups{};
    std::map<FilterFlag, QCheckBox*> m_flags;
    QLabel* m_mpkIcon = nullptr;
    QSpinBox* m_low = nullptr;
    QSpinBox* m_high = nullptr;
    QPushButton* m_clear = nullptr;
    QPushButton* m_apply = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace ksiega::entries
