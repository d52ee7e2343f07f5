#pragma once
// Cutting texts to lines of a given number of characters at word boundaries.
#include <QString>
#include <QStringList>

namespace ksiega {

// The first piece of `text` that fits `width` characters, cut after the last blank that
// keeps it within the width (a word longer than the width is cut inside); `rest` gets what
// is left, without the blanks at the cut. A text that fits is returned whole.
QString cutAtWord(const QString& text, int width, QString* rest);

// The whole text as lines of at most `width` characters, cut at word boundaries; nothing
// is lost but the blanks at the cuts. An empty text gives one empty line.
QStringList wrapAtWords(const QString& text, int width);

// The text in `width` characters: whole when it fits, else cut with "…" as its last
// character, so a shortened text is never taken for a whole one.
QString elided(const QString& text, int width);

} // namespace ksiega
