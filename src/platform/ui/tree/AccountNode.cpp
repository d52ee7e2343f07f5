#include "platform/ui/tree/AccountNode.h"

namespace ksiega::ui {

QString iconNameOf(AccountNodeKind kind) {
    switch (kind) {
    case AccountNodeKind::Company: return QStringLiteral("~firma.ico");
    case AccountNodeKind::Balance: return QStringLiteral("~closebil.ico");
    case AccountNodeKind::ProfitAndLoss: return QStringLiteral("~closewyn.ico");
    case AccountNodeKind::OffBalance: return QStringLiteral("~closepoz.ico");
    case AccountNodeKind::Leaf: return QStringLiteral("~Kartka.ico");
    }
    return {};
}

AccountNode* AccountNode::add(QString text, QString account, AccountNodeKind kind) {
    auto node = std::make_unique<AccountNode>();
    node->text = std::move(text);
    node->account = std::move(account);
    node->kind = kind;
    node->parent = this;
    children.push_back(std::move(node));
    return children.back().get();
}

int AccountNode::indexInParent() const {
    if (!parent) return 0;
    for (size_t i = 0; i < parent->children.size(); ++i)
        if (parent->children[i].get() == this) return int(i);
    return 0;
}

} // namespace ksiega::ui
