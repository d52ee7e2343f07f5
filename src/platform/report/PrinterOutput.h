#pragma once
// Sends the page model to a printer: the one named (the system's default when the name
// is empty), copies as asked. Returns false when the printer cannot be opened.
#include "platform/report/PageModel.h"
#include <QString>

namespace ksiega::report {

bool printDocument(const Document& document, const QString& printerName, int copies);

} // namespace ksiega::report
