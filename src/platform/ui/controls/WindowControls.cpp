#include "platform/ui/controls/WindowControls.h"
#include "platform/ui/icons/IconSet.h"
#include "platform/ui/list/ListViewBinding.h"
#include "platform/ui/list/PagedListModel.h"
#include <QBoxLayout>
#include <QCheckBox>
#include <QPushButton>
#include <QHeaderView>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>

namespace ksiega::ui {

QToolButton* toolButton(QWidget* parent, const char* name, const QString& tip, const QString& icon) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tip);
    if (!icon.isEmpty()) b->setIcon(icons::byName(icon));
    else b->setText(tip.section(QChar('('), 0, 0).trimmed());
    return b;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& tip, const QString& text) {
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setToolTip(tip);
    return c;
}

QTableView* listView(QWidget* parent, const char* name, PagedListModel& model) {
    auto* v = new QTableView(parent);
    v->setObjectName(QString::fromLatin1(name));
    v->setModel(&model);
    v->setSelectionBehavior(QAbstractItemView::SelectRows);
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    v->verticalHeader()->hide();
    new ListViewBinding(*v, model);
    return v;
}

QTableWidget* pairTable(QWidget* parent, const char* name) {
    auto* t = new QTableWidget(0, 4, parent);
    t->setObjectName(QString::fromLatin1(name));
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return t;
}

void setCell(QTableWidget* table, int row, int column, const QString& text, bool alignRight) {
    auto* item = new QTableWidgetItem(text);
    if (alignRight) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table->setItem(row, column, item);
}

QTableWidget* rowTable(QWidget* parent, const char* name, const QStringList& titles) {
    auto* t = new QTableWidget(0, int(titles.size()), parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setHorizontalHeaderLabels(titles);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->hide();
    return t;
}

QTableWidget* rowTable(QWidget* parent, const char* name, std::span<const TableColumn> columns) {
    constexpr int pixelsPerUnit = 2;
    QStringList titles;
    for (const TableColumn& c : columns) titles << QString::fromUtf8(c.title);
    QTableWidget* t = rowTable(parent, name, titles);
    for (int i = 0; i < int(columns.size()); ++i) t->setColumnWidth(i, columns[size_t(i)].width * pixelsPerUnit);
    return t;
}

QPushButton* pushButton(QWidget* parent, const char* name, const QString& text, const QKeySequence& key) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty()) b->setShortcut(key);
    b->setAutoDefault(false);
    return b;
}

EditButtons editButtons(QWidget* parent, QBoxLayout* row) {
    EditButtons b;
    b.add = pushButton(parent, "B_DODAJ", QStringLiteral("Dodaj"), QKeySequence(Qt::Key_Insert));
    b.correct = pushButton(parent, "B_POPRAW", QStringLiteral("Popraw"));
    b.remove = pushButton(parent, "B_USUN", QStringLiteral("Usuń"), QKeySequence(Qt::Key_Delete));
    b.close = pushButton(parent, "B_ZAMKNIJ", QStringLiteral("Zamknij"), QKeySequence(Qt::Key_Escape));
    for (QPushButton* button : {b.add, b.correct, b.remove}) row->addWidget(button);
    row->addStretch();
    row->addWidget(b.close);
    return b;
}

} // namespace ksiega::ui
