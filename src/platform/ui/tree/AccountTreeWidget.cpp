#include "platform/ui/tree/AccountTreeWidget.h"
#include "platform/ui/dialogs/Guarded.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace ksiega::ui {

AccountTreeWidget::AccountTreeWidget(AccountTreeModel& model, QWidget* parent)
    : QWidget(parent), m_model(model), m_search(new QLineEdit(this)), m_tree(new QTreeView(this)) {
    m_search->setObjectName(QStringLiteral("STRSZUKAJ"));
    m_search->setMaxLength(30);
    m_tree->setObjectName(QStringLiteral("LIST2"));
    m_tree->setModel(&model);
    m_tree->header()->hide();
    auto* expand = new QPushButton(QStringLiteral("Rozwiń listę"), this);
    expand->setObjectName(QStringLiteral("B_ROZWIN"));
    auto* collapse = new QPushButton(QStringLiteral("Zwiń listę"), this);
    collapse->setObjectName(QStringLiteral("B_ZWIN"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(expand);
    buttons->addWidget(collapse);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_search);
    layout->addWidget(m_tree, 1);
    layout->addLayout(buttons);

    connect(expand, &QPushButton::clicked, this, &AccountTreeWidget::expandAll);
    connect(collapse, &QPushButton::clicked, this, &AccountTreeWidget::collapseAll);
    connect(m_search, &QLineEdit::textEdited, this, ui::guarded(this, [this](const QString& t) { search(t); }));
    connect(m_tree, &QTreeView::activated, this, ui::guarded(this, [this](const QModelIndex& i) {
        const QString account = m_model.nodeAt(i)->account;
        if (!account.isEmpty()) emit accountChosen(account);
    }));
}

void AccountTreeWidget::expandAll() { m_tree->expandAll(); }

void AccountTreeWidget::collapseAll() {
    m_tree->collapseAll();
    m_tree->expand(m_model.index(0, 0));
}

bool AccountTreeWidget::search(const QString& text) {
    const QModelIndex found = m_model.findFirstStartingWith(text);
    if (!found.isValid()) return false;
    for (QModelIndex p = found.parent(); p.isValid(); p = p.parent()) m_tree->expand(p);
    m_tree->setCurrentIndex(found);
    m_tree->scrollTo(found);
    return true;
}

} // namespace ksiega::ui
