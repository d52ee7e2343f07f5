#include "platform/runtime/FilterSql.h"
#include <vector>

namespace ksiega {

namespace {

enum class Tok { Word, Number, Text, Op, Open, Close, Comma, Dot, End };

struct Token {
    Tok kind;
    QString text;   // a word in lower case, its table prefix cut; an operator as written
    int pos;        // 0-based in the checked text
};

struct Refused {
    int pos;
    QString reason;
};

bool asciiLetter(QChar c) { return (c >= QChar('a') && c <= QChar('z')) || (c >= QChar('A') && c <= QChar('Z')); }
bool asciiDigit(QChar c) { return c >= QChar('0') && c <= QChar('9'); }
bool identStart(QChar c) { return asciiLetter(c) || c == QChar('_'); }
bool identChar(QChar c) { return identStart(c) || asciiDigit(c); }
bool blank(QChar c) { return c == QChar(' ') || c == QChar('\t') || c == QChar('\n') || c == QChar('\r'); }

[[noreturn]] void refuse(int pos, const QString& reason) { throw Refused{pos, reason}; }

// Reads tokens from `from`; with `pieceEnd` set, stops at the ")" that closes a piece begun
// before `from` and stores its position there.
std::vector<Token> tokenize(const QString& s, int from = 0, int* pieceEnd = nullptr) {
    std::vector<Token> out;
    const int n = int(s.size());
    int i = from;
    int depth = 0;
    while (i < n) {
        const QChar c = s[i];
        if (blank(c)) { ++i; continue; }
        const QChar next = i + 1 < n ? s[i + 1] : QChar();
        if (identStart(c)) {
            int start = i, j = i;
            while (j < n && identChar(s[j])) ++j;
            // PREFIX:name is the column name (prefixes are cut before the text reaches the server).
            while (j + 1 < n && s[j] == QChar(':') && identStart(s[j + 1])) {
                start = j + 1;
                j = start;
                while (j < n && identChar(s[j])) ++j;
            }
            out.push_back({Tok::Word, s.mid(start, j - start).toLower(), i});
            if (j < n && s[j] == QChar('\'')) refuse(j, QStringLiteral("tekst z przedrostkiem"));
            if (j < n && (s[j] == QChar('$') || s[j] == QChar('"') || s[j] == QChar(':')))
                refuse(j, QStringLiteral("niedozwolony znak „%1”").arg(s[j]));
            i = j;
            continue;
        }
        if (asciiDigit(c)) {
            int j = i;
            while (j < n && asciiDigit(s[j])) ++j;
            if (j < n && s[j] == QChar('.')) {
                ++j;
                if (j >= n || !asciiDigit(s[j])) refuse(i, QStringLiteral("błędna liczba"));
                while (j < n && asciiDigit(s[j])) ++j;
            }
            if (j < n && (identChar(s[j]) || s[j] == QChar('.') || s[j] == QChar('$') || s[j] == QChar('\'')))
                refuse(i, QStringLiteral("błędna liczba"));
            out.push_back({Tok::Number, s.mid(i, j - i), i});
            i = j;
            continue;
        }
        if (c == QChar('\'')) {
            int j = i + 1;
            while (true) {
                if (j >= n) refuse(i, QStringLiteral("niezamknięty tekst"));
                const QChar d = s[j];
                if (d == QChar('\'')) {
                    if (j + 1 < n && s[j + 1] == QChar('\'')) { j += 2; continue; }
                    break;
                }
                if (d.unicode() == 0) refuse(j, QStringLiteral("znak NUL w tekście"));
                if (d.isHighSurrogate() && (j + 1 >= n || !s[j + 1].isLowSurrogate()))
                    refuse(j, QStringLiteral("błędny znak w tekście"));
                if (d.isLowSurrogate() && (j == 0 || !s[j - 1].isHighSurrogate()))
                    refuse(j, QStringLiteral("błędny znak w tekście"));
                ++j;
            }
            out.push_back({Tok::Text, s.mid(i, j + 1 - i), i});
            i = j + 1;
            if (i < n && s[i] == QChar('\'')) refuse(i, QStringLiteral("niezamknięty tekst"));
            continue;
        }
        if (c == QChar('-') && next == QChar('-')) refuse(i, QStringLiteral("komentarz"));
        if (c == QChar('/') && next == QChar('*')) refuse(i, QStringLiteral("komentarz"));
        if (c == QChar(';')) refuse(i, QStringLiteral("średnik"));
        if (c == QChar('"') || c == QChar('`') || c == QChar('[')) refuse(i, QStringLiteral("nazwa w cudzysłowie"));
        if (c == QChar('$')) refuse(i, QStringLiteral("cudzysłów dolarowy lub parametr"));
        if (c == QChar('\\')) refuse(i, QStringLiteral("ukośnik wsteczny"));
        if (c == QChar(':')) refuse(i, QStringLiteral("niedozwolony znak „:”"));
        const QString two = s.mid(i, 2);
        if (two == QLatin1String("<=") || two == QLatin1String(">=") || two == QLatin1String("<>") ||
            two == QLatin1String("!=") || two == QLatin1String("||")) {
            out.push_back({Tok::Op, two, i});
            i += 2;
            continue;
        }
        switch (c.unicode()) {
        case '=': case '<': case '>': case '+': case '-': case '*': case '/': case '%':
            out.push_back({Tok::Op, QString(c), i});
            break;
        case '(':
            ++depth;
            out.push_back({Tok::Open, QString(c), i});
            break;
        case ')':
            if (pieceEnd && --depth < 0) {
                *pieceEnd = i;
                out.push_back({Tok::End, QString(), i});
                return out;
            }
            out.push_back({Tok::Close, QString(c), i});
            break;
        case ',': out.push_back({Tok::Comma, QString(c), i}); break;
        case '.': out.push_back({Tok::Dot, QString(c), i}); break;
        default:
            refuse(i, c.unicode() == 0 ? QStringLiteral("znak NUL") : QStringLiteral("niedozwolony znak"));
        }
        ++i;
    }
    if (pieceEnd) refuse(n, QStringLiteral("brak nawiasu zamykającego SQL(...)"));
    out.push_back({Tok::End, QString(), n});
    return out;
}

// A sub-query's source and the columns that narrow it (one of them must be "= number").
struct Source {
    const char* name;
    const char* scopeColumns[2];
    enum Pin { None, User, Company, CompanyOrYear } pin;
};

const Source kSources[] = {
    {"ZAZNACZENIE", {"id_uzytkownika", nullptr}, Source::User},
    {"KARTOTEKA_UZYTKOWNIKA", {"id_firmy", nullptr}, Source::Company},
    {"KARTOTEKA_UZYTKOWNIKA_DANE_VIEW", {"id_firmy", nullptr}, Source::Company},
    {"SLOW_DANE", {nullptr, nullptr}, Source::None},
    {"POZ_DOK_VIEW_UNION", {"id_lata_obrot", "id_firmy"}, Source::CompanyOrYear},
    {"POZ_DOK_VIEW_UNION_BT", {"id_lata_obrot", "id_firmy"}, Source::CompanyOrYear},
};

const QSet<QString>& functions() {
    static const QSet<QString> f = {QStringLiteral("left"),  QStringLiteral("substring"), QStringLiteral("substr"),
                                    QStringLiteral("lower"), QStringLiteral("upper"),     QStringLiteral("coalesce"),
                                    QStringLiteral("isnull"), QStringLiteral("trim"),     QStringLiteral("ltrim"),
                                    QStringLiteral("rtrim"), QStringLiteral("length"),    QStringLiteral("abs")};
    return f;
}

const QSet<QString>& keywords() {
    static const QSet<QString> k = {QStringLiteral("and"),    QStringLiteral("or"),     QStringLiteral("not"),
                                    QStringLiteral("like"),   QStringLiteral("escape"), QStringLiteral("in"),
                                    QStringLiteral("between"), QStringLiteral("is"),    QStringLiteral("null"),
                                    QStringLiteral("select"), QStringLiteral("distinct"), QStringLiteral("from"),
                                    QStringLiteral("where"),  QStringLiteral("as"),     QStringLiteral("sql")};
    return k;
}

// "column = number" conditions found at the top of a WHERE (joined by AND only).
using Facts = std::vector<std::pair<QString, QString>>;

class Checker {
public:
    Checker(const std::vector<Token>& t, const FilterRules& rules) : m_t(t), m_rules(rules) {
        for (const QString& c : rules.columns) m_columns.insert(c.toLower());
    }

    void run() {
        if (peek().kind == Tok::End) refuse(peek().pos, QStringLiteral("pusty warunek"));
        condition();
        if (peek().kind != Tok::End) refuse(peek().pos, QStringLiteral("nieoczekiwany tekst"));
    }

private:
    struct Frame {
        QString source;
        QString alias;
    };

    const Token& peek(int ahead = 0) const { return m_t[std::min(m_i + ahead, int(m_t.size()) - 1)]; }
    bool word(const char* w, int ahead = 0) const {
        return peek(ahead).kind == Tok::Word && peek(ahead).text == QLatin1String(w);
    }
    bool acceptWord(const char* w) { if (!word(w)) return false; ++m_i; return true; }
    void expect(Tok kind, const QString& what) {
        if (peek().kind != kind) refuse(peek().pos, QStringLiteral("oczekiwano %1").arg(what));
        ++m_i;
    }
    void enter() {
        if (++m_depth > 64) refuse(peek().pos, QStringLiteral("za głęboko zagnieżdżony warunek"));
    }

    Facts condition() {
        enter();
        Facts f = conjunction();
        bool alternatives = false;
        while (acceptWord("or")) { conjunction(); alternatives = true; }
        --m_depth;
        return alternatives ? Facts{} : f;
    }
    Facts conjunction() {
        Facts f = negation();
        while (acceptWord("and")) {
            const Facts more = negation();
            f.insert(f.end(), more.begin(), more.end());
        }
        return f;
    }
    Facts negation() {
        if (acceptWord("not")) {
            enter();
            negation();
            --m_depth;
            return {};
        }
        return predicate();
    }

    Facts predicate() {
        const int start = m_i;
        sum();
        const Token& t = peek();
        if (t.kind == Tok::Op && (t.text == QLatin1String("=") || t.text == QLatin1String("<>") ||
                                  t.text == QLatin1String("!=") || t.text == QLatin1String("<") ||
                                  t.text == QLatin1String(">") || t.text == QLatin1String("<=") ||
                                  t.text == QLatin1String(">="))) {
            ++m_i;
            sum();
            return equalityFact(start);
        }
        const bool negated = acceptWord("not");
        if (acceptWord("like")) {
            const int pattern = m_i;
            sum();
            if (acceptWord("escape")) sum();
            else refuseBackslashIn(pattern, m_i);
        } else if (acceptWord("between")) {
            sum();
            if (!acceptWord("and")) refuse(peek().pos, QStringLiteral("oczekiwano AND w BETWEEN"));
            sum();
        } else if (acceptWord("in")) {
            expect(Tok::Open, QStringLiteral("„(” po IN"));
            if (word("select")) {
                subquery();
            } else {
                sum();
                while (peek().kind == Tok::Comma) { ++m_i; sum(); }
            }
            expect(Tok::Close, QStringLiteral("„)”"));
        } else if (!negated && acceptWord("is")) {
            acceptWord("not");
            if (!acceptWord("null")) refuse(peek().pos, QStringLiteral("oczekiwano NULL po IS"));
        } else if (negated) {
            refuse(peek().pos, QStringLiteral("oczekiwano LIKE, IN lub BETWEEN po NOT"));
        }
        return {};
    }

    // Without ESCAPE one engine reads a backslash in a LIKE pattern as an escape character and
    // the other as itself: such a pattern must name its escape character.
    void refuseBackslashIn(int from, int to) const {
        for (int k = from; k < to; ++k) {
            const Token& t = m_t[size_t(k)];
            const int at = t.kind == Tok::Text ? int(t.text.indexOf(QChar('\\'))) : -1;
            if (at >= 0) refuse(t.pos + at, QStringLiteral("ukośnik wsteczny we wzorcu LIKE bez ESCAPE"));
        }
    }

    // column = number (either way round; a column with its alias) as a fact.
    Facts equalityFact(int start) const {
        auto column = [&](int i, int& end) -> QString {
            if (m_t[size_t(i)].kind != Tok::Word) return {};
            if (m_t[size_t(i) + 1].kind == Tok::Dot && m_t[size_t(i) + 2].kind == Tok::Word) {
                end = i + 3;
                return m_t[size_t(i) + 2].text;
            }
            end = i + 1;
            return m_t[size_t(i)].text;
        };
        int end = start;
        const QString left = column(start, end);
        if (!left.isEmpty() && m_t[size_t(end)].text == QLatin1String("=") && m_t[size_t(end) + 1].kind == Tok::Number &&
            end + 2 == m_i)
            return {{left, m_t[size_t(end) + 1].text}};
        if (m_t[size_t(start)].kind == Tok::Number && m_t[size_t(start) + 1].text == QLatin1String("=")) {
            int e = start + 2;
            const QString right = column(start + 2, e);
            if (!right.isEmpty() && e == m_i) return {{right, m_t[size_t(start)].text}};
        }
        return {};
    }

    void sum() {
        term();
        while (peek().kind == Tok::Op && (peek().text == QLatin1String("+") || peek().text == QLatin1String("-") ||
                                          peek().text == QLatin1String("||"))) {
            ++m_i;
            term();
        }
    }
    void term() {
        factor();
        while (peek().kind == Tok::Op && (peek().text == QLatin1String("*") || peek().text == QLatin1String("/") ||
                                          peek().text == QLatin1String("%"))) {
            ++m_i;
            factor();
        }
    }
    void factor() {
        if (peek().kind == Tok::Op && (peek().text == QLatin1String("-") || peek().text == QLatin1String("+"))) ++m_i;
        primary();
    }

    void primary() {
        const Token& t = peek();
        switch (t.kind) {
        case Tok::Number:
        case Tok::Text:
            ++m_i;
            return;
        case Tok::Open:
            ++m_i;
            if (word("select")) refuse(peek().pos, QStringLiteral("podzapytanie dozwolone tylko po IN"));
            condition();
            expect(Tok::Close, QStringLiteral("„)”"));
            return;
        case Tok::Word:
            break;
        default:
            refuse(t.pos, QStringLiteral("oczekiwano wartości"));
        }
        if (t.text == QLatin1String("null")) { ++m_i; return; }
        if (peek(1).kind == Tok::Open) {
            if (!functions().contains(t.text)) refuse(t.pos, QStringLiteral("niedozwolona funkcja %1").arg(t.text));
            m_i += 2;
            enter();
            if (peek().kind != Tok::Close) {
                sum();
                while (peek().kind == Tok::Comma) { ++m_i; sum(); }
            }
            --m_depth;
            expect(Tok::Close, QStringLiteral("„)”"));
            return;
        }
        if (peek(1).kind == Tok::Dot) {
            bool known = false;
            for (const Frame& f : m_frames) known = known || t.text == f.alias || t.text == f.source;
            if (!known) refuse(t.pos, QStringLiteral("nieznana tabela %1").arg(t.text));
            if (peek(2).kind != Tok::Word) refuse(peek(2).pos, QStringLiteral("oczekiwano nazwy kolumny"));
            column(peek(2));
            m_i += 3;
            return;
        }
        if (keywords().contains(t.text)) refuse(t.pos, QStringLiteral("słowo kluczowe %1 w miejscu wartości").arg(t.text.toUpper()));
        column(t);
        ++m_i;
    }

    void column(const Token& t) const {
        const bool known = m_columns.isEmpty() ? knownFilterColumns().contains(t.text) : m_columns.contains(t.text);
        if (!known) refuse(t.pos, QStringLiteral("nieznana kolumna %1").arg(t.text));
    }

    void subquery() {
        enter();
        const int at = peek().pos;
        ++m_i;   // select
        acceptWord("distinct");
        // The source is read first, so that the selected columns may name its alias.
        int j = m_i, depth = 0;
        for (; m_t[size_t(j)].kind != Tok::End; ++j) {
            if (m_t[size_t(j)].kind == Tok::Open) ++depth;
            else if (m_t[size_t(j)].kind == Tok::Close) --depth;
            if (depth < 0 || (depth == 0 && m_t[size_t(j)].kind == Tok::Word && m_t[size_t(j)].text == QLatin1String("from")))
                break;
        }
        if (depth < 0 || m_t[size_t(j)].kind != Tok::Word) refuse(at, QStringLiteral("podzapytanie bez FROM"));
        const Token& name = m_t[size_t(j) + 1];
        const Source* source = nullptr;
        for (const Source& s : kSources)
            if (name.kind == Tok::Word && name.text.compare(QLatin1String(s.name), Qt::CaseInsensitive) == 0) source = &s;
        if (!source) refuse(name.pos, QStringLiteral("niedozwolona tabela w podzapytaniu"));
        Frame frame{name.text, QString()};
        int after = j + 2;
        if (m_t[size_t(after)].kind == Tok::Word && m_t[size_t(after)].text == QLatin1String("as")) ++after;
        if (m_t[size_t(after)].kind == Tok::Word && m_t[size_t(after)].text != QLatin1String("where")) {
            frame.alias = m_t[size_t(after)].text;
            if (keywords().contains(frame.alias)) refuse(m_t[size_t(after)].pos, QStringLiteral("błędny alias"));
            ++after;
        }
        m_frames.push_back(frame);

        sum();
        while (peek().kind == Tok::Comma) { ++m_i; sum(); }
        if (m_i != j) refuse(peek().pos, QStringLiteral("oczekiwano FROM"));
        m_i = after;
        Facts facts;
        if (acceptWord("where")) facts = condition();
        m_frames.pop_back();
        checkScope(*source, facts, at);
        --m_depth;
    }

    void checkScope(const Source& s, const Facts& facts, int at) const {
        if (!s.scopeColumns[0]) return;
        for (const auto& [column, number] : facts) {
            for (const char* scope : s.scopeColumns) {
                if (!scope || column != QLatin1String(scope)) continue;
                const int64_t value = number.toLongLong();
                int64_t pinned = 0;
                if (s.pin == Source::User) pinned = m_rules.scope.user;
                else if (column == QLatin1String("id_firmy")) pinned = m_rules.scope.company;
                else pinned = m_rules.scope.year;
                if (pinned == 0 || pinned == value) return;
            }
        }
        refuse(at, QStringLiteral("podzapytanie do %1 musi być zawężone warunkiem %2=liczba")
                       .arg(QLatin1String(s.name), QLatin1String(s.scopeColumns[0])));
    }

    const std::vector<Token>& m_t;
    const FilterRules& m_rules;
    QSet<QString> m_columns;
    std::vector<Frame> m_frames;
    int m_i = 0;
    int m_depth = 0;
};

} // namespace

std::optional<SqlRefusal> checkSqlCondition(const QString& text, const FilterRules& rules, int base) {
    try {
        const std::vector<Token> tokens = tokenize(text);
        Checker(tokens, rules).run();
        return std::nullopt;
    } catch (const Refused& r) {
        return SqlRefusal{base + r.pos, r.reason};
    }
}

std::optional<SqlRefusal> checkSqlPiece(const QString& text, int from, int& end, const FilterRules& rules) {
    try {
        const std::vector<Token> tokens = tokenize(text, from, &end);
        Checker(tokens, rules).run();
        return std::nullopt;
    } catch (const Refused& r) {
        return SqlRefusal{r.pos, r.reason};
    }
}

QStringList filterSubquerySources() {
    QStringList out;
    for (const Source& s : kSources) out << QLatin1String(s.name);
    return out;
}

} // namespace ksiega
