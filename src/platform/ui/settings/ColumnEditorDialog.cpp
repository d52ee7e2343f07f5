#include "platform/ui/settings/ColumnEditorDialog.h"
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ksiega {

std::optional<ColumnLayout> ColumnEditorDialogRunner::edit(const ColumnLayout& current) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return std::nullopt;
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Konfiguracja kolumn"));
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("LIST1"));
    for (const ColumnLayoutEntry& c : current.columns) {
        auto* item = new QListWidgetItem(c.title, list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(c.visible ? Qt::Checked : Qt::Unchecked);
        item->setData(Qt::UserRole, c.width);
    }
    auto move = [list](int by) {
        const int row = list->currentRow(), to = row + by;
        if (row < 0 || to < 0 || to >= list->count()) return;
        list->insertItem(to, list->takeItem(row));
        list->setCurrentRow(to);
    };
    auto* up = new QPushButton(QStringLiteral("W górę"), &dialog);
    auto* down = new QPushButton(QStringLiteral("W dół"), &dialog);
    QObject::connect(up, &QPushButton::clicked, &dialog, [&] { move(-1); });
    QObject::connect(down, &QPushButton::clicked, &dialog, [&] { move(1); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* side = new QVBoxLayout;
    side->addWidget(up);
    side->addWidget(down);
    side->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(list);
    row->addLayout(side);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(row);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    ColumnLayout edited;
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* item = list->item(i);
        edited.columns.push_back({item->text(), item->data(Qt::UserRole).toInt(), item->checkState() == Qt::Checked});
    }
    return edited;
}

} // namespace ksiega
