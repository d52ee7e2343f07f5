#include "budget/reports/ClassificationQueue.h"
#include <QHash>

namespace ksiega::budget {

ClassificationFigures& ClassificationFigures::operator+=(const ClassificationFigures& o) {
    plan += o.plan;
    for (size_t i = 0; i < 3; ++i) {
        accumulated[i] += o.accumulated[i];
        period[i] += o.period[i];
    }
    return *this;
}

int64_t percentHundredths(Money numerator, Money denominator) {
    if (denominator.isZero()) return 0;
    const __int128 n = __int128(numerator.minor()) * 10000;
    const __int128 d = denominator.minor();
    __int128 q = n / d;
    const __int128 r = n % d;
    // half away from zero
    const __int128 twice = (r < 0 ? -r : r) * 2;
    const __int128 absD = d < 0 ? -d : d;
    if (twice >= absD) q += ((n < 0) != (d < 0)) ? -1 : 1;
    return int64_t(q);
}

int64_t ClassificationFigures::percentHundredths() const { return budget::percentHundredths(accumulated[0], plan); }

QString percentText(int64_t hundredths) {
    const bool negative = hundredths < 0;
    const uint64_t a = negative ? uint64_t(-(hundredths + 1)) + 1 : uint64_t(hundredths);
    return QStringLiteral("%1%2.%3").arg(negative ? QStringLiteral("-") : QString()).arg(a / 100).arg(a % 100, 2, 10, QChar('0'));
}

namespace {

QString stripped(QString symbol, const QString& sep) {
    symbol = symbol.trimmed();
    if (!sep.isEmpty() && symbol.endsWith(sep)) symbol.chop(sep.size());
    return symbol;
}

bool within(const QString& symbol, const QString& prefix, const QString& sep) {
    return symbol == prefix || symbol.startsWith(prefix + sep);
}

} // namespace

std::vector<ClassificationEntry> classificationQueue(const std::vector<server::BudgetSymbolFigures>& symbols,
                                                     const QString& separator, const server::ClassificationNames* names) {
    const QString sep = separator.isEmpty() ? QStringLiteral("-") : separator;
    // Subtotal sums of every prefix, in memory: a detail adds to each of its parent
    // prefixes and to the prefix equal to itself (used only where that prefix is also a parent).
    QHash<QString, ClassificationFigures> sums;
    for (const auto& s : symbols) {
        ClassificationFigures f;
        f.plan = s.plan;
        f.accumulated = s.accumulated;
        f.period = s.period;
        QString p = stripped(s.symbol, sep);
        while (!p.isEmpty()) {
            sums[p] += f;
            const qsizetype cut = p.lastIndexOf(sep);
            if (cut < 0) break;
            p = p.left(cut);
        }
    }

    std::vector<ClassificationEntry> queue;
    queue.reserve(symbols.size() * 2);
    // Subtotals of the groups the previous symbol closes, deepest first.
    auto closeGroups = [&](const QString& previous, const QString& current) {
        if (previous.isEmpty()) return;
        QString p = previous;
        for (;;) {
            const qsizetype cut = p.lastIndexOf(sep);
            if (cut <= 0) break;
            p = p.left(cut);
            if (!current.isEmpty() && within(current, p, sep)) break;
            ClassificationEntry e;
            e.symbol = p;
            e.detail = false;
            e.separators = int(p.count(sep));
            e.figures = sums.value(p);
            if (names) e.name = names->ofPrefix(p);
            queue.push_back(std::move(e));
        }
    };
    QString previous;
    for (const auto& s : symbols) {
        const QString current = stripped(s.symbol, sep);
        closeGroups(previous, current);
        ClassificationEntry e;
        e.symbol = s.symbol;
        e.name = s.name;
        e.detail = true;
        e.hasLines = s.hasLines;
        e.separators = int(current.count(sep));
        e.figures.plan = s.plan;
        e.figures.accumulated = s.accumulated;
        e.figures.period = s.period;
        queue.push_back(std::move(e));
        previous = current;
    }
    closeGroups(previous, QString());
    return queue;
}

bool printsAtLevel(const ClassificationEntry& entry, bool subtotals, int depth) {
    if (!entry.detail && !subtotals) return false;
    if (!subtotals || depth >= 4) return true;
    return entry.separators < depth;
}

ClassificationFigures detailTotal(const std::vector<ClassificationEntry>& queue) {
    ClassificationFigures total;
    for (const ClassificationEntry& e : queue)
        if (e.detail) total += e.figures;
    return total;
}

} // namespace ksiega::budget
