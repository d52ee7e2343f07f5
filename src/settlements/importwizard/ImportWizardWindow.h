#pragma once
// The window of the wizard "Import rozrachunków do BO": it shows the controller's state
// and forwards the clicks.
#include "settlements/importwizard/ImportWizardController.h"
#include "settlements/shared/ChoiceWidgets.h"
#include <QDialog>

class QLabel;
class QTabWidget;

namespace ksiega::settlements {

class ImportWizardWindow : public QDialog {
    Q_OBJECT
public:
    explicit ImportWizardWindow(ImportWizardController& controller, QWidget* parent = nullptr);
    ~ImportWizardWindow() override;
    void sync();

private:
    ImportWizardController& m_c;
    ChoiceWidgets* m_parts = nullptr;
    QTabWidget* m_sheet = nullptr;
    QLabel* m_account = nullptr;
    bool m_syncing = false;
};

} // namespace ksiega::settlements
