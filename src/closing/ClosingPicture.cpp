#include "closing/ClosingPicture.h"
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace ksiega::closing {

namespace detail {

void book(QPainter& p, const QRectF& r, const QColor& cover, const QString& label) {
    p.setPen(QPen(cover.darker(160), 1.5));
    p.setBrush(QColor(250, 248, 240));
    p.drawRect(r.adjusted(4, 4, 4, 4));                       // pages behind the cover
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, cover.darker(130));
    g.setColorAt(0.15, cover);
    g.setColorAt(1, cover.lighter(115));
    p.setBrush(g);
    p.drawRoundedRect(r, 3, 3);
    p.setPen(QPen(cover.lighter(160), 1));
    for (int i = 0; i < 3; ++i) {                              // ruled label on the cover
        const double y = r.top() + r.height() * (0.25 + 0.08 * i);
        p.drawLine(QPointF(r.left() + r.width() * 0.25, y), QPointF(r.right() - r.width() * 0.15, y));
    }
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(int(r.height() * 0.16));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r.adjusted(0, r.height() * 0.45, 0, 0), Qt::AlignHCenter | Qt::AlignTop, label);
}

} // namespace detail

using detail::book;

QPixmap zalozenieBoPicture(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(QColor(236, 241, 247));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();
    book(p, QRectF(w * 0.08, h * 0.06, w * 0.5, h * 0.36), QColor(120, 70, 40), QStringLiteral("BZ"));
    book(p, QRectF(w * 0.40, h * 0.56, w * 0.5, h * 0.36), QColor(30, 90, 150), QStringLiteral("BO"));

    QPainterPath arrow;                                        // from the closing to the opening
    arrow.moveTo(w * 0.70, h * 0.22);
    arrow.cubicTo(w * 0.95, h * 0.28, w * 0.95, h * 0.40, w * 0.78, h * 0.50);
    p.setPen(QPen(QColor(40, 140, 60), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arrow);
    QPolygonF head;
    head << QPointF(w * 0.72, h * 0.53) << QPointF(w * 0.83, h * 0.53) << QPointF(w * 0.76, h * 0.45);
    p.setBrush(QColor(40, 140, 60));
    p.drawPolygon(head);
    return pixmap;
}

} // namespace ksiega::closing

namespace ksiega::closing {

QIcon bookIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    detail::book(p, QRectF(5, 3, 20, 25), QColor(30, 90, 150), QString());
    return QIcon(pixmap);
}

} // namespace ksiega::closing
