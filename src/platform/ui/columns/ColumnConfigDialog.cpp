#include "platform/ui/columns/ColumnConfigDialog.h"
#include "platform/ui/dialogs/Guarded.h"
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ksiega::ui {

ColumnConfigDialog::ColumnConfigDialog(ColumnConfigController& controller, QWidget* parent)
    : QDialog(parent), m_controller(controller), m_list(new QListWidget(this)), m_width(new QSpinBox(this)) {
    setWindowTitle(QStringLiteral("Konfiguracja kolumn"));
    m_list->setObjectName(QStringLiteral("KOLUMNY"));
    m_width->setObjectName(QStringLiteral("SZEROKOSC"));
    m_width->setRange(1, 2000);
    auto* up = new QPushButton(QStringLiteral("W górę"), this);
    up->setObjectName(QStringLiteral("B_W_GORE"));
    auto* down = new QPushButton(QStringLiteral("W dół"), this);
    down->setObjectName(QStringLiteral("B_W_DOL"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));

    auto* side = new QVBoxLayout;
    side->addWidget(up);
    side->addWidget(down);
    side->addWidget(new QLabel(QStringLiteral("Szerokość:"), this));
    side->addWidget(m_width);
    side->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(m_list, 1);
    row->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);

    connect(up, &QPushButton::clicked, this, ui::guarded(this, [this] {
        const int i = m_list->currentRow();
        if (m_controller.moveUp(i)) fill(i - 1);
    }));
    connect(down, &QPushButton::clicked, this, ui::guarded(this, [this] {
        const int i = m_list->currentRow();
        if (m_controller.moveDown(i)) fill(i + 1);
    }));
    connect(m_list, &QListWidget::itemChanged, this, ui::guarded(this, [this](QListWidgetItem* item) {
        const int i = m_list->row(item);
        m_controller.setHidden(i, item->checkState() != Qt::Checked);
        fill(i);
    }));
    connect(m_list, &QListWidget::currentRowChanged, this, ui::guarded(this, [this](int i) {
        if (i < 0) return;
        QSignalBlocker b(m_width);
        m_width->setValue(qMax(1, m_controller.column(i).width));
    }));
    connect(m_width, &QSpinBox::valueChanged, this, ui::guarded(this, [this](int w) { m_controller.setWidth(m_list->currentRow(), w); }));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    fill(0);
}

void ColumnConfigDialog::fill(int current) {
    QSignalBlocker b(m_list);
    m_list->clear();
    for (int i = 0; i < m_controller.count(); ++i) {
        auto* item = new QListWidgetItem(m_controller.title(i), m_list);
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | (m_controller.isFixed(i) ? Qt::NoItemFlags : Qt::ItemIsUserCheckable));
        item->setCheckState(m_controller.column(i).hidden ? Qt::Unchecked : Qt::Checked);
    }
    m_list->setCurrentRow(qBound(0, current, m_controller.count() - 1));
}

} // namespace ksiega::ui
