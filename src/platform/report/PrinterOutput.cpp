#include "platform/report/PrinterOutput.h"
#include "platform/report/PagePainter.h"
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace ksiega::report {

bool printDocument(const Document& document, const QString& printerName, int copies) {
    QPrinter printer(QPrinter::HighResolution);
    if (!printerName.isEmpty()) printer.setPrinterName(printerName);
    if (!printer.isValid()) return false;
    printer.setCopyCount(std::max(1, copies));
    printer.setDocName(document.title);
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                      document.orientation == Orientation::Portrait ? QPageLayout::Portrait
                                                                                    : QPageLayout::Landscape,
                                      QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const double k = printer.resolution() / 25.4;
    for (size_t i = 0; i < document.pages.size(); ++i) {
        if (i > 0 && !printer.newPage()) return false;
        paintPage(painter, document.pages[i], k);
    }
    return painter.end();
}

} // namespace ksiega::report
