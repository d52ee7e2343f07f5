#pragma once
// The column configuration dialog ("Konfiguracja kolumn"): the view of a
// ColumnConfigController.
#include "platform/ui/columns/ColumnConfigController.h"
#include <QDialog>

class QListWidget;
class QSpinBox;

namespace ksiega::ui {

class ColumnConfigDialog : public QDialog {
    Q_OBJECT
public:
    ColumnConfigDialog(ColumnConfigController& controller, QWidget* parent = nullptr);

private:
    void fill(int current);
    ColumnConfigController& m_controller;
    QListWidget* m_list;
    QSpinBox* m_width;
};

} // namespace ksiega::ui
