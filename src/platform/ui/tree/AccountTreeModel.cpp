#include "platform/ui/tree/AccountTreeModel.h"
#include "platform/ui/icons/IconSet.h"
#include <functional>

namespace ksiega::ui {

AccountTreeModel::AccountTreeModel(QObject* parent) : QAbstractItemModel(parent) {}

void AccountTreeModel::setRoot(std::unique_ptr<AccountNode> root) {
    beginResetModel();
    m_top.children.clear();
    if (root) {
        root->parent = &m_top;
        m_top.children.push_back(std::move(root));
    }
    endResetModel();
}

const AccountNode* AccountTreeModel::nodeAt(const QModelIndex& index) const {
    return index.isValid() ? static_cast<const AccountNode*>(index.internalPointer()) : &m_top;
}

QModelIndex AccountTreeModel::indexOf(const AccountNode* node) const {
    if (!node || node == &m_top) return {};
    return createIndex(node->indexInParent(), 0, const_cast<AccountNode*>(node));
}

QModelIndex AccountTreeModel::findFirstStartingWith(const QString& text) const {
    const QString wanted = text.trimmed();
    if (wanted.isEmpty()) return {};
    std::function<const AccountNode*(const AccountNode&)> walk = [&](const AccountNode& n) -> const AccountNode* {
        for (const auto& c : n.children) {
            if (!c->account.isEmpty() && c->account.startsWith(wanted, Qt::CaseInsensitive)) return c.get();
            if (const AccountNode* found = walk(*c)) return found;
        }
        return nullptr;
    };
    return indexOf(walk(m_top));
}

QModelIndexList AccountTreeModel::branches() const {
    QModelIndexList out;
    std::function<void(const AccountNode&)> walk = [&](const AccountNode& n) {
        for (const auto& c : n.children) {
            if (c->children.empty()) continue;
            out << indexOf(c.get());
            walk(*c);
        }
    };
    walk(m_top);
    return out;
}

QModelIndex AccountTreeModel::index(int row, int column, const QModelIndex& parent) const {
    const AccountNode* p = nodeAt(parent);
    if (column != 0 || row < 0 || row >= int(p->children.size())) return {};
    return createIndex(row, 0, p->children[row].get());
}

QModelIndex AccountTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid()) return {};
    return indexOf(nodeAt(child)->parent);
}

int AccountTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) return 0;
    return int(nodeAt(parent)->children.size());
}

int AccountTreeModel::columnCount(const QModelIndex&) const { return 1; }

QVariant AccountTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const AccountNode* n = nodeAt(index);
    if (role == Qt::DisplayRole) return n->text;
    if (role == Qt::DecorationRole) return icons::byName(iconNameOf(n->kind));
    if (role == Qt::UserRole) return n->account;
    return {};
}

} // namespace ksiega::ui
