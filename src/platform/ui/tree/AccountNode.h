#pragma once
// A node of the account tree as its controller builds it: the text shown, the account
// number it stands for ("" for the company root), its kind (which picks the icon) and
// its children in display order.
#include <QString>
#include <memory>
#include <vector>

namespace ksiega::ui {

enum class AccountNodeKind {
    Company,        // "~firma.ico"
    Balance,        // "~closebil.ico"
    ProfitAndLoss,  // "~closewyn.ico"
    OffBalance,     // "~closepoz.ico"
    Leaf            // "~Kartka.ico"
};

QString iconNameOf(AccountNodeKind kind);

struct AccountNode {
    QString text;
    QString account;
    AccountNodeKind kind = AccountNodeKind::Leaf;
    std::vector<std::unique_ptr<AccountNode>> children;
    AccountNode* parent = nullptr;

    AccountNode* add(QString text, QString account, AccountNodeKind kind);
    int indexInParent() const;
};

} // namespace ksiega::ui
