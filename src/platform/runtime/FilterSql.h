#pragma once
// The checker of the server SQL a filter may carry (its SQL(...) pieces, and the WHERE text
// a filter translates to). The text is read with a tokenizer that knows what either engine
// could read differently from a plain '...' text, and refuses all of it outside a text:
// double-quoted, backquoted and bracketed names, E'...' and other prefixed texts, $...$
// quotes and $1 parameters, "--" and "/*" comments, ";", backslashes, "::" casts, and any
// character that is not plain ASCII. Inside a '...' text (a quote written twice) a NUL is
// refused too; a backslash there is an ordinary character on both engines (PostgreSQL
// connections force standard_conforming_strings), except in a LIKE pattern without ESCAPE,
// where the engines would read it differently.
//
// What is accepted is a small grammar:
//   condition  := and { OR and }
//   and        := not { AND not }
//   not        := NOT not | predicate
//   predicate  := sum [ cmp sum | [NOT] LIKE sum [ESCAPE sum] | [NOT] BETWEEN sum AND sum
//                     | [NOT] IN "(" (sum {"," sum} | select) ")" | IS [NOT] NULL ]
//   sum        := term { (+ | - | "||") term };  term := factor { (* | / | %) factor }
//   factor     := [- | +] primary
//   primary    := number | text | NULL | column | function "(" [sum {"," sum}] ")" | "(" condition ")"
//   select     := SELECT [DISTINCT] sum {"," sum} FROM source [[AS] alias] [WHERE condition]
// Columns are the allowed ones (prefix "PDU:" cut, "alias.column" for a sub-query's own
// source); functions come from a fixed list; a sub-query reads only the selection store and
// the few dictionaries and entry views filters use, and each of them must be narrowed to one
// user, company or fiscal year by a "column = number" condition at the top of its WHERE.
#include <QSet>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace ksiega {

// The numbers a sub-query's scope must name; 0 = any number (only that it is narrowed).
struct FilterScope {
    int64_t company = 0;
    int64_t year = 0;
    int64_t user = 0;
};

// What a filter may mention. No columns = the columns of the module's views
// (knownFilterColumns()).
struct FilterRules {
    QStringList columns;
    FilterScope scope;
};

struct SqlRefusal {
    int position = 0;   // 0-based, into the text that was checked
    QString reason;     // Polish, for the person
};

// Checks one condition; nothing when it is accepted. `base` is added to every position
// (where the text starts inside a longer one).
std::optional<SqlRefusal> checkSqlCondition(const QString& text, const FilterRules& rules = {}, int base = 0);

// Checks the piece that begins at `from` and ends at the ")" that closes it (stored in
// `end`); positions are those in `text`.
std::optional<SqlRefusal> checkSqlPiece(const QString& text, int from, int& end, const FilterRules& rules = {});

// The lower-case names of the columns of the lists' views and of the dictionaries a
// sub-query may read.
const QSet<QString>& knownFilterColumns();

// The sources a filter's sub-query may read (upper case).
QStringList filterSubquerySources();

} // namespace ksiega
