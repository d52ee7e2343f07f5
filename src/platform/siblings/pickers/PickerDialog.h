#pragma once
// The window of a stand-in picker: its list (LIST1), "Wybierz" and "Anuluj".
#include "platform/siblings/pickers/PickerList.h"
#include <QDialog>

class QTableView;

namespace ksiega::pickers {

class PickerDialog : public QDialog {
    Q_OBJECT
public:
    explicit PickerDialog(PickerList& list, QWidget* parent = nullptr);

private:
    void choose();
    PickerList& m_list;
    QTableView* m_view = nullptr;
};

// Runs a picker window modally; true when something was chosen.
bool runPicker(PickerList& list);

} // namespace ksiega::pickers
