#include "DialogGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QIcon stroked(const QColor &colour, const QPainterPath &path) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    return QIcon(pixmap);
}

} // namespace

namespace DialogGlyphs {

QIcon checkMark() {
    QPainterPath path;
    path.moveTo(2.5, 8.5);
    path.lineTo(6.5, 12.5);
    path.lineTo(13.5, 3.5);
    return stroked(QColor(0, 128, 0), path);
}

QIcon cross() {
    QPainterPath path;
    path.moveTo(3.5, 3.5);
    path.lineTo(12.5, 12.5);
    path.moveTo(12.5, 3.5);
    path.lineTo(3.5, 12.5);
    return stroked(QColor(192, 0, 0), path);
}

} // namespace DialogGlyphs
