#pragma once
// What a filter-tree branch may test: the columns a list offers (a fixed list per list,
// each with the kind of value it holds) and the fixed set of operators. A branch naming
// anything else is refused when it is added and when its condition is built.
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>
#include <vector>

namespace ksiega::filtertree {

// A branch that names an unknown column or operator, or a value its column cannot hold.
class InvalidBranch : public std::invalid_argument {
public:
    explicit InvalidBranch(const QString& why) : std::invalid_argument(why.toStdString()), m_why(why) {}
    const QString& why() const { return m_why; }

private:
    QString m_why;
};

enum class FieldKind {
    Integer,   // an id: whole number
    Text,
    Date,      // a day number, the value typed as ISO "2026-03-15"
    Money,     // grosze, the value typed as "12.50"
    SetPath,   // ids each followed by the separator: the test is membership of one id
};

struct TreeField {
    QString column;   // the list's column, lower case (konto)
    FieldKind kind;
};

// The fixed operators: = <> < <= > >= and LIKE (a mask with % and _). A set path takes "="
// only (the row belongs to the set).
const QStringList& treeOperators();

// The columns of the cost-centre list that a branch may test.
const std::vector<TreeField>& costCentreFields();

// The field a branch names, written with or without the list's prefix ("MPK:KONTO",
// "konto"), case-insensitive; nullopt when the list has no such column.
std::optional<TreeField> findField(const std::vector<TreeField>& fields, const QString& name);

// The operator in its canonical form ("like" -> "LIKE"); throws InvalidBranch.
QString checkedOperator(const TreeField& field, const QString& op);

} // namespace ksiega::filtertree
