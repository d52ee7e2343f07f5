#include "platform/report/ReportOutput.h"
#include "platform/report/PdfWriter.h"
#include "platform/report/PreviewWindow.h"
#include "platform/report/PrinterOutput.h"
#include "platform/report/SaveFileChooser.h"
#include "platform/ui/dialogs/Dialogs.h"

namespace ksiega::report {

Delivery deliver(const Document& document, const OutputChoice& choice) {
    Delivery delivery;
    if (choice.emailPdfSaveAs && *choice.emailPdfSaveAs) {
        *choice.emailPdfSaveAs = 0;
        const QString file = choosePdfFile(document.name + QStringLiteral(".pdf"));
        if (file.isEmpty()) return delivery;
        if (savePdf(document, file, ui::dialogs()) != PdfSaved::Written) return delivery;
        delivery.how = Delivered::Pdf;
        delivery.pdfFile = file;
        return delivery;
    }
    const QString printerName = choice.printerName;
    const int copies = choice.copies;
    auto print = [printerName, copies](const Document& d) {
        if (printDocument(d, printerName, copies)) return true;
        ui::dialogs().warning(QStringLiteral("Nie można wydrukować na drukarce %1.")
                                  .arg(printerName.isEmpty() ? QStringLiteral("domyślnej") : printerName));
        return false;
    };
    if (choice.toPrinter) {
        if (print(document)) delivery.how = Delivered::Printer;
        return delivery;
    }
    auto* preview = new PreviewWindow(document, choice.settings, print);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->show();
    delivery.how = Delivered::Preview;
    delivery.preview = preview;
    return delivery;
}

} // namespace ksiega::report
