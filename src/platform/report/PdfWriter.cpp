#include "platform/report/PdfWriter.h"
#include "platform/report/PagePainter.h"
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace ksiega::report {

bool writePdf(const Document& document, const QString& fileName, int dpi) {
    {
        QFile probe(fileName);
        if (!probe.open(QIODevice::WriteOnly)) return false;
    }
    QPdfWriter writer(fileName);
    writer.setResolution(dpi);
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("ksiega"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     document.orientation == Orientation::Portrait ? QPageLayout::Portrait
                                                                                   : QPageLayout::Landscape,
                                     QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    const double k = dpi / 25.4;
    for (size_t i = 0; i < document.pages.size(); ++i) {
        if (i > 0 && !writer.newPage()) return false;
        paintPage(painter, document.pages[i], k);
    }
    return painter.end();
}

} // namespace ksiega::report
