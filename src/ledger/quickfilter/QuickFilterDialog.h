#pragma once
// The window "Filtr księgi głównej": controls and layout over a QuickFilterController.
// Every control carries its name as objectName (B_FILTRUJ, F_LOK_KONTO, L_MASKA_KONT ...).
#include "ledger/quickfilter/QuickFilterController.h"
#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTabWidget;
class QWidget;

namespace ksiega::ledger {

class QuickFilterDialog : public QDialog {
    Q_OBJECT
public:
    explicit QuickFilterDialog(std::unique_ptr<QuickFilterController> controller, QWidget* parent = nullptr);
    ~QuickFilterDialog() override;

    QuickFilterController& controller() { return *m_controller; }

private:
    QWidget* generalTab();
    QWidget* periodsTab();
    QWidget* budgetTab();
    QWidget* listBox(const QString& title, const QString& name, QuickFilterList list, const QString& suffix);
    QGroupBox* choice(const QString& name, const QString& title, const QStringList& texts, std::function<int()> get,
                      std::function<void(int)> set);
    QCheckBox* check(const QString& name, const QString& text, bool& field);
    QLineEdit* line(const QString& name, QString& field, int maxLength, std::function<void(const QString&)> set = {});
    QDateEdit* dateEntry(const QString& name, int& day);
    QPushButton* button(const QString& name, const QString& text, std::function<void()> run);
    QWidget* dateGroup(const QString& name, const QString& title, const QString& suffix, DateRange& range,
                       std::function<void(DateChoice)> setChoice, std::function<void()> pickRange,
                       std::function<void(int)> pickDay);
    void fillList(QuickFilterList list);
    void execute();
    void redisplay();

    std::unique_ptr<QuickFilterController> m_controller;
    std::vector<std::function<void()>> m_refresh;
    QTableWidget* m_lists[3] = {};
    QTabWidget* m_sheet = nullptr;
};

} // namespace ksiega::ledger
