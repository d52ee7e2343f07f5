#include "platform/report/TextWriter.h"
#include <QFile>
#include <algorithm>
#include <cmath>
#include <map>

namespace ksiega::report {

namespace {

void put(QString& line, int column, const QString& text) {
    if (column < 0) column = 0;
    if (line.size() < column + text.size()) line = line.leftJustified(column + int(text.size()), QLatin1Char(' '));
    line.replace(column, text.size(), text);
}

} // namespace

QString pageText(const Page& page, TextGrid grid) {
    // Every distinct height of a text (its box's middle) or of a horizontal rule becomes one
    // line, in order down the page; a rule comes before a text at the same height.
    std::map<long, QString> lines;
    auto columnOf = [&](double mm) { return int(std::lround(mm / grid.charMm)); };
    auto keyOf = [](double mm, int rank) { return long(std::lround(mm * 10)) * 2 + rank; };
    for (const Item& item : page.items) {
        if (item.kind != Item::Kind::Rule || item.rect.height() > item.rect.width()) continue;
        const int from = columnOf(item.rect.left());
        const int to = columnOf(item.rect.right());
        put(lines[keyOf(item.rect.top(), 0)], from, QString(std::max(0, to - from), QLatin1Char('-')));
    }
    for (const Item& item : page.items) {
        if (item.kind != Item::Kind::Text) continue;
        const QString text = item.text.trimmed();
        const int from = columnOf(item.rect.left());
        const int width = std::max(0, columnOf(item.rect.right()) - from);
        int at = from;
        if (item.align == Align::Right) at = from + width - int(text.size());
        else if (item.align == Align::Center) at = from + (width - int(text.size())) / 2;
        // A text longer than its box keeps all its characters: a right-aligned one grows
        // to the left, others to the right.
        if (item.align != Align::Right) at = std::max(at, from);
        put(lines[keyOf(item.rect.center().y(), 1)], at, text);
    }
    QString out;
    for (const auto& [key, text] : lines) {
        QString line = text;
        while (line.endsWith(QLatin1Char(' '))) line.chop(1);
        out += line;
        out += QLatin1Char('\n');
    }
    return out;
}

QString documentText(const Document& document, TextGrid grid) {
    QString out;
    for (size_t i = 0; i < document.pages.size(); ++i) {
        if (i > 0) out += QLatin1Char('\f');
        out += pageText(document.pages[i], grid);
    }
    return out;
}

bool writeText(const Document& document, const QString& fileName, TextGrid grid) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray bytes = documentText(document, grid).toUtf8();
    return file.write(bytes) == bytes.size();
}

} // namespace ksiega::report
