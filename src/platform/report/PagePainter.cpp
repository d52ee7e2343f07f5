#include "platform/report/PagePainter.h"
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>

namespace ksiega::report {

namespace {

QRectF scaled(const QRectF& mm, double k) {
    return QRectF(mm.left() * k, mm.top() * k, mm.width() * k, mm.height() * k);
}

Qt::Alignment alignmentOf(Align align) {
    switch (align) {
    case Align::Center: return Qt::AlignHCenter;
    case Align::Right: return Qt::AlignRight;
    case Align::Left: break;
    }
    return Qt::AlignLeft;
}

} // namespace

void paintPage(QPainter& painter, const Page& page, double k) {
    painter.save();
    QPen pen(Qt::black);
    pen.setWidthF(std::max(1.0, 0.2 * k));
    painter.setPen(pen);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    // Font sizes are given in points and drawn in device pixels, whatever the device DPI.
    const double pointToPixel = k * 25.4 / 72.0;
    float currentPt = -1;
    bool currentBold = false;
    for (const Item& item : page.items) {
        switch (item.kind) {
        case Item::Kind::Box: {
            const QRectF r = scaled(item.rect, k);
            if (item.shaded) painter.fillRect(r, QColor(225, 225, 225));
            painter.drawRect(r);
            break;
        }
        case Item::Kind::Rule:
            painter.drawLine(QPointF(item.rect.left() * k, item.rect.top() * k),
                             QPointF(item.rect.right() * k, item.rect.bottom() * k));
            break;
        case Item::Kind::Text:
            if (item.fontPt != currentPt || item.bold != currentBold) {
                font.setPixelSize(std::max(1, int(item.fontPt * pointToPixel + 0.5)));
                font.setBold(item.bold);
                painter.setFont(font);
                currentPt = item.fontPt;
                currentBold = item.bold;
            }
            painter.drawText(scaled(item.rect, k), int(alignmentOf(item.align) | Qt::AlignVCenter | Qt::TextSingleLine),
                             item.text);
            break;
        }
    }
    painter.restore();
}

QImage pageImage(const Document& document, int pageIndex, int dpi) {
    const double k = dpi / 25.4;
    QImage image(QSize(int(document.paperMm.width() * k + 0.5), int(document.paperMm.height() * k + 0.5)),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    if (pageIndex < 0 || size_t(pageIndex) >= document.pages.size()) return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintPage(painter, document.pages[size_t(pageIndex)], k);
    return image;
}

bool writePageImage(const Document& document, int pageIndex, const QString& fileName, int dpi) {
    return pageImage(document, pageIndex, dpi).save(fileName, "PNG");
}

} // namespace ksiega::report
