#pragma once
// Where a finished report goes, from the session's print switches: a PDF through a save
// dialog when GGG:EMAILPDFSAVEAS is set (the flag is cleared once used), else the printer
// when DANE_DRUKARKA_EKRAN asks for it, else the preview window.
#include "platform/report/PageModel.h"
#include <QString>
#include <cstdint>

namespace ksiega {
class Settings;
}

namespace ksiega::report {

class PreviewWindow;

struct OutputChoice {
    uint8_t toPrinter = 0;              // DANE_DRUKARKA_EKRAN: 0 preview, else the printer
    QString printerName;                // empty: the system's default printer
    int copies = 1;                     // GGG:NUMCOPY
    uint8_t* emailPdfSaveAs = nullptr;  // GGG:EMAILPDFSAVEAS; cleared after use
    Settings* settings = nullptr;       // the preview's zoom and placement, under the report's name
};

enum class Delivered { Preview, Printer, Pdf, NotDelivered };

struct Delivery {
    Delivered how = Delivered::NotDelivered;
    QString pdfFile;                    // the saved PDF
    PreviewWindow* preview = nullptr;   // the open preview (deletes itself when closed)
};

// A printer or file that fails is reported with a warning of the installed dialogs.
Delivery deliver(const Document& document, const OutputChoice& choice);

} // namespace ksiega::report
