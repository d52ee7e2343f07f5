#pragma once
// The page model as plain text: fixed-width lines, the pages one after another, each
// page after the first preceded by a form feed. Texts stand in their boxes' columns (a
// character is charMm wide), one line per height on the page; horizontal rules become
// dashes; boxes have no place in text and are left out.
#include "platform/report/PageModel.h"
#include <QString>

namespace ksiega::report {

struct TextGrid {
    double charMm = 1.8;
};

QString pageText(const Page& page, TextGrid grid = {});
QString documentText(const Document& document, TextGrid grid = {});
// Writes documentText in UTF-8; false when the file cannot be written.
bool writeText(const Document& document, const QString& fileName, TextGrid grid = {});

} // namespace ksiega::report
