#pragma once
// "Lista filtrów": controls over a SavedFilterChooserController. LIST1 lists the filters;
// B_WYBIERZ (or a double click) chooses, B_USUN removes, CLOSE gives up.
#include "platform/siblings/contractors/SavedFilterChooserController.h"
#include <QDialog>

class QTableView;

namespace ksiega::contractors {

class SavedFilterChooser : public QDialog {
    Q_OBJECT
public:
    SavedFilterChooser(SavedFilterChooserController& controller, QWidget* parent = nullptr);

private:
    int currentRow() const;
    SavedFilterChooserController& m_controller;
    QTableView* m_list = nullptr;
};

} // namespace ksiega::contractors
