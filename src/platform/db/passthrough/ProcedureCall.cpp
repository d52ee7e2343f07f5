#include "platform/db/passthrough/ProcedureCall.h"
#include "platform/server/Procedures.h"
#include <QRegularExpression>

namespace ksiega::db {

namespace {

// Reads a comma-separated argument list; returns an error text or "".
QString readArguments(const QString& text, const Params& bound, Params& out) {
    int pos = 0;
    size_t nextBound = 0;
    const int n = int(text.size());
    auto skip = [&] { while (pos < n && text[pos].isSpace()) ++pos; };
    skip();
    if (pos == n) return bound.empty() ? QString() : QStringLiteral("więcej wartości niż znaków '?'");
    while (true) {
        skip();
        if (pos == n) return QStringLiteral("brak argumentu");
        const QChar c = text[pos];
        if (c == '\'') {
            QString value;
            ++pos;
            bool closed = false;
            while (pos < n) {
                const QChar d = text[pos++];
                if (d == '\'') {
                    if (pos < n && text[pos] == '\'') { value += d; ++pos; continue; }
                    closed = true;
                    break;
                }
                value += d;
            }
            if (!closed) return QStringLiteral("niezamknięty tekst");
            out.emplace_back(value);
        } else if (c == '?') {
            ++pos;
            if (nextBound >= bound.size()) return QStringLiteral("za mało wartości dla znaków '?'");
            out.push_back(bound[nextBound++]);
        } else {
            const int start = pos;
            while (pos < n && text[pos] != ',' && !text[pos].isSpace()) ++pos;
            const QString word = text.mid(start, pos - start);
            static const QRegularExpression integer(QStringLiteral("^[-+]?\\d+$"));
            static const QRegularExpression decimal(QStringLiteral("^[-+]?\\d*\\.\\d+$"));
            if (word.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0) out.emplace_back();
            else if (integer.match(word).hasMatch()) {
                bool ok = false;
                const qlonglong v = word.toLongLong(&ok);
                if (!ok) return QStringLiteral("liczba poza zakresem: %1").arg(word);
                out.emplace_back(v);
            } else if (decimal.match(word).hasMatch()) out.emplace_back(word);
            else return QStringLiteral("nieprawidłowy argument: %1").arg(word);
        }
        skip();
        if (pos == n) break;
        if (text[pos] != ',') return QStringLiteral("oczekiwano przecinka");
        ++pos;
    }
    if (nextBound != bound.size()) return QStringLiteral("więcej wartości niż znaków '?'");
    return QString();
}

} // namespace

ProcedureCallParse parseProcedureCall(const QString& statement, const Params& bound) {
    static const QRegularExpression call(
        QStringLiteral("^\\s*call\\s+(?:dbo\\.)?([A-Za-z_][A-Za-z0-9_]*)\\s*(?:\\((.*)\\))?\\s*;?\\s*$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression function(
        QStringLiteral("^\\s*select\\s+(dbo\\.)?([A-Za-z_][A-Za-z0-9_]*)\\s*\\((.*)\\)\\s*;?\\s*$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);

    ProcedureCallParse result;
    QString args;
    if (const auto m = call.match(statement); m.hasMatch()) {
        result.call.name = m.captured(1);
        args = m.captured(2);
    } else if (const auto f = function.match(statement); f.hasMatch()) {
        const bool dbo = !f.captured(1).isEmpty();
        if (!dbo && !server::findProcedure(f.captured(2))) return result;
        result.call.name = f.captured(2);
        args = f.captured(3);
    } else {
        return result;
    }
    result.isCall = true;
    const QString error = readArguments(args, bound, result.call.arguments);
    if (!error.isEmpty())
        result.error = QStringLiteral("Wywołanie procedury %1: %2").arg(result.call.name, error);
    return result;
}

} // namespace ksiega::db
