#pragma once
// Writes the page model to a PDF file (text stays text: it can be searched and copied).
#include "platform/report/PageModel.h"
#include <QString>

namespace ksiega::report {

// False when the file cannot be written.
bool writePdf(const Document& document, const QString& fileName, int dpi = 300);

} // namespace ksiega::report
