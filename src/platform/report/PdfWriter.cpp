#include "platform/report/PdfWriter.h"
#include "platform/report/PagePainter.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace ksiega::report {

bool writePdf(const Document& document, const QString& fileName, int dpi, const PageProgress& progress) {
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
    const int total = int(document.pages.size());
    for (size_t i = 0; i < document.pages.size(); ++i) {
        if (i > 0 && !writer.newPage()) return false;
        paintPage(painter, document.pages[i], k);
        if (progress && !progress(int(i) + 1, total)) {
            painter.end();
            QFile::remove(fileName);
            return false;
        }
    }
    return painter.end();
}

PdfSaved savePdf(const Document& document, const QString& fileName, ui::Dialogs& dialogs) {
    bool stopped = false;
    bool written = false;
    {
        auto window = dialogs.progress(ui::PROSZE_CZEKAC, document.title, true);
        written = writePdf(document, fileName, 300, [&](int done, int total) {
            window->setValue(total > 0 ? done * 100 / total : 100);
            stopped = window->cancelled();
            return !stopped;
        });
    }
    if (stopped) return PdfSaved::Stopped;
    if (written) return PdfSaved::Written;
    dialogs.warning(QStringLiteral("Nie można zapisać pliku %1.").arg(fileName));
    return PdfSaved::Failed;
}

} // namespace ksiega::report
