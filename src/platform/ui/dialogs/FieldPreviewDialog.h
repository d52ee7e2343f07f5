#pragma once
// "Podgląd pól": the fields of the current entry with their values, read only.
#include <QDialog>
#include <utility>
#include <vector>

namespace ksiega::ui {

class FieldPreviewDialog : public QDialog {
    Q_OBJECT
public:
    FieldPreviewDialog(const std::vector<std::pair<QString, QString>>& fields, QWidget* parent = nullptr);
};

} // namespace ksiega::ui
