#include "ToolbarGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {

const QColor Ink(40, 40, 40);
const QColor Paper(255, 255, 255);
const QColor Accent(16, 84, 60);

QIcon drawn(const std::function<void(QPainter &)> &draw) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return QIcon(pixmap);
}

void sheet(QPainter &p, const QRectF &r) {
    p.setPen(QPen(Ink, 1));
    p.setBrush(Paper);
    p.drawRect(r);
}

void lines(QPainter &p, qreal left, qreal right, qreal top, int count) {
    p.setPen(QPen(QColor(120, 120, 120), 1));
    for (int i = 0; i < count; ++i) p.drawLine(QPointF(left, top + 2 * i), QPointF(right, top + 2 * i));
}

void triangle(QPainter &p, qreal tipX, qreal baseX) {
    QPainterPath path;
    path.moveTo(tipX, 8);
    path.lineTo(baseX, 3);
    path.lineTo(baseX, 13);
    path.closeSubpath();
    p.fillPath(path, Accent);
}

void bar(QPainter &p, qreal x) { p.fillRect(QRectF(x, 3, 2, 10), Accent); }

} // namespace

namespace ToolbarGlyphs {

QIcon printer() {
    return drawn([](QPainter &p) {
        sheet(p, QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(190, 190, 190));
        p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
        sheet(p, QRectF(4.5, 10.5, 7, 4));
        p.fillRect(QRectF(11.5, 8, 2, 1.5), Accent);
    });
}

QIcon wholePage() {
    return drawn([](QPainter &p) {
        sheet(p, QRectF(4.5, 1.5, 7, 13));
        lines(p, 6, 10, 4, 5);
    });
}

QIcon pageWidth() {
    return drawn([](QPainter &p) {
        sheet(p, QRectF(1.5, 3.5, 13, 12));
        lines(p, 3, 13, 6, 4);
        p.setPen(QPen(Accent, 1.2));
        p.drawLine(QPointF(2, 1.5), QPointF(14, 1.5));
    });
}

QIcon hundredPercent() {
    return drawn([](QPainter &p) {
        sheet(p, QRectF(1.5, 1.5, 13, 13));
        QFont font = p.font();
        font.setPixelSize(7);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Accent);
        p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, "1:1");
    });
}

QIcon firstPage() {
    return drawn([](QPainter &p) {
        bar(p, 3);
        triangle(p, 5, 12);
    });
}

QIcon priorPage() {
    return drawn([](QPainter &p) { triangle(p, 4, 11); });
}

QIcon nextPage() {
    return drawn([](QPainter &p) { triangle(p, 12, 5); });
}

QIcon lastPage() {
    return drawn([](QPainter &p) {
        triangle(p, 11, 4);
        bar(p, 11);
    });
}

} // namespace ToolbarGlyphs
