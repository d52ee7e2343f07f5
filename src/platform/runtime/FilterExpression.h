#pragma once
// View filters in the framework's expression syntax, and their one translation to an SQL
// WHERE text. Lists, sums, counts and the selection store all translate a filter here, so
// that what a list shows and what its aggregates add up are the same rows.
//
// The syntax:
//   filter      := or
//   or          := and { OR and }
//   and         := unary { AND unary }
//   unary       := NOT unary | "(" or ")" | SQL "(" raw ")" | operand op operand
//   op          := = | <> | < | > | <= | >=
//   operand     := field | number | text
//   field       := [PREFIX ":"] name        PDU:konto, OBR:SYM_WALUTY, sygnatura
//   number      := [-] digits [. digits]
//   text        := ' ... '                   a quote inside is written twice
// Keywords are case-insensitive. A field loses its table prefix (PDU:konto becomes konto).
// A text is written back through db::quoted(). An SQL(...) piece goes to the server as it
// stands (prefixes cut as everywhere, in the portable SQL dialect of PortableSql.h, and an
// account prefix "konto like '201%'" given its index range, PrefixRange.h), in parentheses
// of its own so that an OR inside it cannot change the meaning of the conditions around it.
// It must be a condition of the small grammar FilterSql.h checks (known columns, a fixed list
// of functions, sub-queries only over the selection store and a few dictionaries, each one
// narrowed to a user, company or year). Fields and texts outside pieces obey the same rules.
// The WHERE text a filter translates to is checked once more as a whole before it is used.
#include "platform/runtime/FilterSql.h"
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace ksiega {

struct FilterTranslation {
    QString where;   // the WHERE text without the word WHERE; empty for an empty filter
    QString error;   // why the filter was refused; empty when it was translated
    int errorPosition = -1;   // 0-based, into the filter text given; -1 when translated
    bool ok() const { return error.isEmpty(); }
};

// Translates a filter; an invalid one is refused with a reason, never half translated.
// No rules: the columns of the module's views, any user, company or year in a sub-query.
FilterTranslation translateFilter(const QString& filter);
FilterTranslation translateFilter(const QString& filter, const FilterRules& rules);

// WYTNIJ_PREFIX: the filter text with the table prefixes cut outside quoted texts
// ("PDU:konto='A:B'" becomes "konto='A:B'"). No validation; translateFilter() is what
// statements use.
QString WYTNIJ_PREFIX(const QString& expression);

// Builds a filter from conditions joined with " AND " (empty pieces are skipped, so no
// dangling AND). Values enter only through the helpers below.
class FilterBuilder {
public:
    FilterBuilder& add(const QString& condition);
    const QString& text() const { return m_text; }
    bool isEmpty() const { return m_text.isEmpty(); }
    int length() const { return int(m_text.size()); }

private:
    QString m_text;
};

// field='value' with the value quoted (quotes doubled).
QString fieldEquals(const QString& field, const QString& value);
QString fieldEquals(const QString& field, int64_t value);
// "SQL(" + raw + ")": a piece of server SQL inside a filter.
QString sqlPiece(const QString& raw);
// "(c1 OR c2 OR ...)", or "" for no conditions.
QString orGroup(const QStringList& conditions);

} // namespace ksiega
