#pragma once
// Writes the page model to a PDF file (text stays text: it can be searched and copied).
#include "platform/report/PageModel.h"
#include <QString>
#include <functional>

namespace ksiega::ui {
class Dialogs;
}

namespace ksiega::report {

// Told after each page (pages written, pages in all); false stops the writing.
using PageProgress = std::function<bool(int done, int total)>;

// False when the file cannot be written or the writing was stopped (the partial file is
// then removed).
bool writePdf(const Document& document, const QString& fileName, int dpi = 300, const PageProgress& progress = {});

enum class PdfSaved { Written, Failed, Stopped };

// Saves the PDF of a finished report as the person asked for it: a progress window
// whose "Anuluj" stops the writing, and a warning when the file cannot be written.
PdfSaved savePdf(const Document& document, const QString& fileName, ui::Dialogs& dialogs);

} // namespace ksiega::report
