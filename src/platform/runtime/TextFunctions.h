#pragma once
// Text helpers of the function library that filters and masks rely on.
#include <QString>

namespace ksiega {

// ZAMIEN_ZNAKI: a mask typed by a person ("201-*", "2?1*") as an SQL LIKE pattern:
// "*" (any run of characters) becomes "%", "?" (one character) becomes "_". The result
// is a value, not SQL: it goes into a statement bound or through db::quoted().
QString ZAMIEN_ZNAKI(const QString& mask);

// LICZBA_WYSTAPIEN(what, text): how many times `what` stands in `text` (e.g. the separators
// of a classification symbol, which give its level). An empty `what` counts 0.
int LICZBA_WYSTAPIEN(const QString& what, const QString& text);

// True when the mask holds a wildcard ("*" or "?").
bool hasWildcards(const QString& mask);

} // namespace ksiega
