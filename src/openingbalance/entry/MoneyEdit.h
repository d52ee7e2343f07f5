#pragma once
// An amount field with the Polish picture ("1 234,56", leading minus): shows a Money and
// reads one back; what cannot be read as an amount is refused.
#include "platform/runtime/Money.h"
#include <QLineEdit>
#include <optional>

namespace ksiega::openingbalance {

class MoneyEdit : public QLineEdit {
    Q_OBJECT
public:
    MoneyEdit(QWidget* parent, const char* name);
    void setMoney(Money value);
    // The typed amount; an empty field is 0, nullopt when the text is not an amount.
    std::optional<Money> money() const;
};

} // namespace ksiega::openingbalance
