#pragma once
// The account tree pane: the search text (STRSZUKAJ), the tree (LIST2) and the buttons
// "Rozwiń listę" (B_ROZWIN) and "Zwiń listę" (B_ZWIN). Typing selects the first account
// that begins with the text.
#include "platform/ui/tree/AccountTreeModel.h"
#include <QWidget>

class QLineEdit;
class QTreeView;

namespace ksiega::ui {

class AccountTreeWidget : public QWidget {
    Q_OBJECT
public:
    AccountTreeWidget(AccountTreeModel& model, QWidget* parent = nullptr);
    QTreeView* tree() const { return m_tree; }

    void expandAll();
    void collapseAll();   // leaves the company root open
    bool search(const QString& text);

signals:
    void accountChosen(const QString& account);

private:
    AccountTreeModel& m_model;
    QLineEdit* m_search;
    QTreeView* m_tree;
};

} // namespace ksiega::ui
