#include "openingbalance/cards/CardWindowDialog.h"
#include "platform/ui/controls/WindowControls.h"
#include "platform/ui/dialogs/Guarded.h"
#include "platform/ui/icons/IconSet.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace ksiega::openingbalance {

namespace {

const ui::TableColumn kColumns[] = {
    {"Numer konta", 97, Qt::AlignLeft}, {"Nazwa konta", 168, Qt::AlignLeft},   {"Kwota Dt", 60, Qt::AlignRight},
    {"Kwota Dt /wal./", 60, Qt::AlignRight}, {"Kwota Ct", 60, Qt::AlignRight}, {"Kwota Ct /wal./", 60, Qt::AlignRight},
};

} // namespace

CardWindowDialog::CardWindowDialog(CardWindowController& controller, QWidget* parent) : QDialog(parent), m_c(controller) {
    setObjectName(QStringLiteral("KARTOTEKA"));
    setWindowTitle(QStringLiteral("Kartoteka"));
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    auto* header = new QLabel(m_c.header(), this);
    header->setObjectName(QStringLiteral("NAGLOWEK"));
    top->addWidget(header, 1);
    m_direction = ui::toolButton(this, "B_ROS_MAL", QStringLiteral("Sortuj rosnąco/malejąco (Ctrl+F6)"));
    m_direction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F6));
    top->addWidget(m_direction);
    QToolButton* refresh = ui::toolButton(this, "B_ODSWIEZ", QStringLiteral("Odśwież (F5)"));
    refresh->setShortcut(QKeySequence(Qt::Key_F5));
    top->addWidget(refresh);
    layout->addLayout(top);

    m_list = ui::rowTable(this, "LIST1", kColumns);
    layout->addWidget(m_list, 1);

    auto* buttons = new QHBoxLayout;
    const auto [add, correct, remove, close] = ui::editButtons(this, buttons);
    layout->addLayout(buttons);
    for (QPushButton* b : {add, remove}) b->setEnabled(m_c.editingEnabled());

    connect(m_list->horizontalHeader(), &QHeaderView::sectionClicked, this, ui::guarded(this, [this](int column) {
        m_c.sortBy(CardSortColumn(column));
        redisplay(0);
    }));
    connect(m_direction, &QToolButton::clicked, this, ui::guarded(this, [this] {
        m_c.toggleDirection();
        redisplay(0);
    }));
    connect(refresh, &QToolButton::clicked, this, ui::guarded(this, [this] {
        const int row = selected();
        m_c.load();
        redisplay(row);
    }));
    connect(add, &QPushButton::clicked, this, ui::guarded(this, [this] { redisplay(m_c.add(this)); }));
    connect(correct, &QPushButton::clicked, this, ui::guarded(this, [this] { redisplay(m_c.correct(selected(), this)); }));
    connect(m_list, &QTableWidget::cellDoubleClicked, this, ui::guarded(this, [this] {
        redisplay(m_c.correct(selected(), this));
    }));
    connect(remove, &QPushButton::clicked, this, ui::guarded(this, [this] { redisplay(m_c.remove(selected(), this)); }));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(960, 480);
    redisplay(0);
}

int CardWindowDialog::selected() const { return m_list->currentRow(); }

void CardWindowDialog::redisplay(int select) {
    const auto& lines = m_c.lines();
    m_list->setRowCount(int(lines.size()));
    for (size_t r = 0; r < lines.size(); ++r) {
        const QStringList cells = m_c.cells(r);
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(kColumns[c].align | Qt::AlignVCenter);
            m_list->setItem(int(r), c, item);
        }
    }
    m_direction->setIcon(icons::byName(m_c.descending() ? QStringLiteral("~down.ico") : QStringLiteral("~up.ico")));
    if (select >= 0 && select < int(lines.size())) m_list->selectRow(select);
}

} // namespace ksiega::openingbalance
