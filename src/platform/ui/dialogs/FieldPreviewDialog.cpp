#include "platform/ui/dialogs/FieldPreviewDialog.h"
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ksiega::ui {

FieldPreviewDialog::FieldPreviewDialog(const std::vector<std::pair<QString, QString>>& fields, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Podgląd pól"));
    auto* table = new QTableWidget(int(fields.size()), 2, this);
    table->setObjectName(QStringLiteral("POLA"));
    table->setHorizontalHeaderLabels({QStringLiteral("Pole"), QStringLiteral("Wartość")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < int(fields.size()); ++r) {
        table->setItem(r, 0, new QTableWidgetItem(fields[size_t(r)].first));
        table->setItem(r, 1, new QTableWidgetItem(fields[size_t(r)].second));
    }
    table->resizeColumnToContents(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(buttons);
    resize(420, 480);
}

} // namespace ksiega::ui
