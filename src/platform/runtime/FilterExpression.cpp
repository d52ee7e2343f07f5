#include "platform/runtime/FilterExpression.h"
#include "platform/db/SqlText.h"
#include "platform/db/passthrough/PortableSql.h"
#include "platform/db/passthrough/PrefixRange.h"
#include <QStringList>

namespace ksiega {

namespace {

bool isIdentStart(QChar c) { return (c.isLetter() && c.unicode() < 128) || c == '_'; }
bool isIdentChar(QChar c) { return isIdentStart(c) || (c.isDigit() && c.unicode() <= '9'); }

struct FilterError {
    QString message;
    int position;
};

QString refusalText(int position, const QString& what) {
    return QStringLiteral("Błędne wyrażenie filtrujące (pozycja %1): %2").arg(position + 1).arg(what);
}

class Translator {
public:
    Translator(const QString& s, const FilterRules& rules) : m_s(s), m_rules(rules) {}

    QString run() {
        skipBlanks();
        if (atEnd()) return QString();
        QString out = parseOr();
        skipBlanks();
        if (!atEnd()) fail(QStringLiteral("nieoczekiwany tekst"));
        return out;
    }

private:
    [[noreturn]] void fail(const QString& what) const { failAt(m_pos, what); }
    [[noreturn]] static void failAt(int position, const QString& what) {
        throw FilterError{refusalText(position, what), position};
    }
    bool atEnd() const { return m_pos >= m_s.size(); }
    void skipBlanks() { while (!atEnd() && m_s[m_pos].isSpace()) ++m_pos; }

    // A keyword at the current position, followed by a non-identifier character.
    bool keyword(const char* word) {
        skipBlanks();
        const QString w = QString::fromLatin1(word);
        if (m_s.mid(m_pos, w.size()).compare(w, Qt::CaseInsensitive) != 0) return false;
        const int after = m_pos + int(w.size());
        if (after < m_s.size() && (isIdentChar(m_s[after]) || m_s[after] == ':')) return false;
        m_pos = after;
        return true;
    }

    QString parseOr() {
        QString out = parseAnd();
        while (keyword("OR")) out += QStringLiteral(" OR ") + parseAnd();
        return out;
    }
    QString parseAnd() {
        QString out = parseUnary();
        while (keyword("AND")) out += QStringLiteral(" AND ") + parseUnary();
        return out;
    }
    QString parseUnary() {
        skipBlanks();
        if (atEnd()) fail(QStringLiteral("brak warunku"));
        if (++m_depth > 64) fail(QStringLiteral("za głęboko zagnieżdżony warunek"));
        const QString out = parseUnaryAt();
        --m_depth;
        return out;
    }
    QString parseUnaryAt() {
        if (keyword("NOT")) return QStringLiteral("NOT ") + parseUnary();
        if (m_s[m_pos] == '(') {
            ++m_pos;
            QString inner = parseOr();
            skipBlanks();
            if (atEnd() || m_s[m_pos] != ')') fail(QStringLiteral("brak nawiasu zamykającego"));
            ++m_pos;
            return QChar('(') + inner + QChar(')');
        }
        const int save = m_pos;
        if (keyword("SQL")) {
            skipBlanks();
            if (!atEnd() && m_s[m_pos] == '(') return QChar('(') + rawPiece() + QChar(')');
            m_pos = save;
        }
        const QString left = operand();
        const QString op = comparison();
        const QString right = operand();
        return left + op + right;
    }

    // The text of SQL( ... ) up to its matching parenthesis; m_pos is at "(".
    QString rawPiece() {
        const int start = ++m_pos;
        int end = start;
        if (const auto refused = checkSqlPiece(m_s, start, end, m_rules)) failAt(refused->position, refused->reason);
        const QString raw = m_s.mid(start, end - start).trimmed();
        m_pos = end + 1;
        return db::withPrefixRanges(db::portableSql(WYTNIJ_PREFIX(raw)));
    }

    QString comparison() {
        skipBlanks();
        static const char* const ops[] = {"<=", ">=", "<>", "=", "<", ">"};
        for (const char* op : ops) {
            const QString o = QString::fromLatin1(op);
            if (m_s.mid(m_pos, o.size()) == o) {
                m_pos += int(o.size());
                return o;
            }
        }
        fail(QStringLiteral("oczekiwano operatora porównania"));
    }

    QString operand() {
        skipBlanks();
        if (atEnd()) fail(QStringLiteral("brak wartości"));
        const QChar c = m_s[m_pos];
        if (c == '\'') return text();
        if ((c.isDigit() && c.unicode() <= '9') || c == '-') return number();
        if (isIdentStart(c)) return field();
        fail(QStringLiteral("oczekiwano pola, liczby lub tekstu"));
    }

    QString text() {
        QString value;
        ++m_pos;
        while (true) {
            if (atEnd()) fail(QStringLiteral("niezamknięty tekst"));
            const QChar c = m_s[m_pos++];
            if (c.unicode() == 0) failAt(m_pos - 1, QStringLiteral("znak NUL w tekście"));
            if (c.isSurrogate() && !(c.isHighSurrogate() && !atEnd() && m_s[m_pos].isLowSurrogate()) &&
                !(c.isLowSurrogate() && m_pos >= 2 && m_s[m_pos - 2].isHighSurrogate()))
                failAt(m_pos - 1, QStringLiteral("błędny znak w tekście"));
            if (c == '\'') {
                if (!atEnd() && m_s[m_pos] == '\'') { value += c; ++m_pos; continue; }
                break;
            }
            value += c;
        }
        return db::quoted(value);
    }

    QString number() {
        const int start = m_pos;
        if (m_s[m_pos] == '-') ++m_pos;
        int digits = 0;
        auto readDigits = [&] { while (!atEnd() && m_s[m_pos].isDigit() && m_s[m_pos].unicode() <= '9') { ++m_pos; ++digits; } };
        readDigits();
        if (!atEnd() && m_s[m_pos] == '.') { ++m_pos; readDigits(); }
        if (digits == 0) fail(QStringLiteral("błędna liczba"));
        if (!atEnd() && isIdentChar(m_s[m_pos])) fail(QStringLiteral("błędna liczba"));
        return m_s.mid(start, m_pos - start);
    }

    QString field() {
        const int start = m_pos;
        while (!atEnd() && isIdentChar(m_s[m_pos])) ++m_pos;
        QString name = m_s.mid(start, m_pos - start);
        if (!atEnd() && m_s[m_pos] == ':') {
            ++m_pos;
            if (atEnd() || !isIdentStart(m_s[m_pos])) fail(QStringLiteral("brak nazwy pola po prefiksie"));
            const int nameStart = m_pos;
            while (!atEnd() && isIdentChar(m_s[m_pos])) ++m_pos;
            name = m_s.mid(nameStart, m_pos - nameStart);
        }
        static const QStringList reserved = {QStringLiteral("AND"), QStringLiteral("OR"), QStringLiteral("NOT"), QStringLiteral("SQL")};
        if (reserved.contains(name, Qt::CaseInsensitive)) fail(QStringLiteral("słowo kluczowe w miejscu pola"));
        const QString lower = name.toLower();
        const bool known = m_rules.columns.isEmpty() ? knownFilterColumns().contains(lower)
                                                      : m_rules.columns.contains(lower, Qt::CaseInsensitive);
        if (!known) failAt(start, QStringLiteral("nieznana kolumna %1").arg(name));
        return name;
    }

    const QString& m_s;
    const FilterRules& m_rules;
    int m_pos = 0;
    int m_depth = 0;
};

} // namespace

FilterTranslation translateFilter(const QString& filter) { return translateFilter(filter, FilterRules{}); }

FilterTranslation translateFilter(const QString& filter, const FilterRules& rules) {
    try {
        const QString where = Translator(filter, rules).run();
        // What goes to the server is read once more as a whole: one condition of the same
        // grammar, whatever the rewriting of the pieces made of them.
        if (!where.isEmpty()) {
            if (const auto refused = checkSqlCondition(where, rules))
                return {QString(), refusalText(0, QStringLiteral("warunek po przekładzie: ") + refused->reason), 0};
        }
        return {where, QString(), -1};
    } catch (const FilterError& e) {
        return {QString(), e.message, e.position};
    }
}

QString WYTNIJ_PREFIX(const QString& expression) {
    QString out;
    out.reserve(expression.size());
    bool inText = false;
    int i = 0;
    const int n = int(expression.size());
    while (i < n) {
        const QChar c = expression[i];
        if (inText) {
            out += c;
            if (c == '\'') inText = false;   // a doubled quote closes and reopens: same result
            ++i;
            continue;
        }
        if (c == '\'') { inText = true; out += c; ++i; continue; }
        if (isIdentStart(c) && (i == 0 || !isIdentChar(expression[i - 1]))) {
            int j = i;
            while (j < n && isIdentChar(expression[j])) ++j;
            if (j + 1 < n && expression[j] == ':' && isIdentStart(expression[j + 1])) {
                i = j + 1;                    // drop "PREFIX:"
                continue;
            }
            out += expression.mid(i, j - i);
            i = j;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

FilterBuilder& FilterBuilder::add(const QString& condition) {
    if (condition.trimmed().isEmpty()) return *this;
    if (!m_text.isEmpty()) m_text += QStringLiteral(" AND ");
    m_text += condition;
    return *this;
}

QString fieldEquals(const QString& field, const QString& value) { return field + QChar('=') + db::quoted(value); }
QString fieldEquals(const QString& field, int64_t value) { return field + QChar('=') + QString::number(value); }
QString sqlPiece(const QString& raw) { return QStringLiteral("SQL(") + raw + QChar(')'); }

QString orGroup(const QStringList& conditions) {
    QStringList parts;
    for (const QString& c : conditions)
        if (!c.trimmed().isEmpty()) parts << c;
    if (parts.isEmpty()) return QString();
    return QChar('(') + parts.join(QStringLiteral(" OR ")) + QChar(')');
}

} // namespace ksiega
