#pragma once
// The account tree list (LIST2): one column, an icon per node by its kind. The model owns
// the nodes its controller hands over; the top node is the company root.
#include "platform/ui/tree/AccountNode.h"
#include <QAbstractItemModel>

namespace ksiega::ui {

class AccountTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit AccountTreeModel(QObject* parent = nullptr);

    void setRoot(std::unique_ptr<AccountNode> root);
    const AccountNode* root() const { return m_root.get(); }
    const AccountNode* nodeAt(const QModelIndex& index) const;

    // The first node, in display order (depth first), whose account number begins with
    // `text` (case-insensitive); an invalid index when none does or the text is empty.
    QModelIndex findFirstStartingWith(const QString& text) const;
    // Every index that has children, parents before children (for expanding all).
    QModelIndexList branches() const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QModelIndex indexOf(const AccountNode* node) const;
    // The invisible top holds the company root as its only child.
    AccountNode m_top;
    std::unique_ptr<AccountNode> m_root;
};

} // namespace ksiega::ui
