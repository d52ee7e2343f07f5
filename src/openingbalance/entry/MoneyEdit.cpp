#include "openingbalance/entry/MoneyEdit.h"
#include "platform/runtime/EnteredAmount.h"

namespace ksiega::openingbalance {

MoneyEdit::MoneyEdit(QWidget* parent, const char* name) : QLineEdit(parent) {
    setObjectName(QString::fromLatin1(name));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setMaxLength(19);
}

void MoneyEdit::setMoney(Money value) { setText(value.toDisplay()); }

std::optional<Money> MoneyEdit::money() const {
    const QString t = text().trimmed();
    if (t.isEmpty()) return Money();
    return parseEnteredAmount(t);
}

} // namespace ksiega::openingbalance
