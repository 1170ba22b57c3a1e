#include "CollatePicture.h"

#include <QPainter>

namespace {

void sheet(QPainter &painter, QPoint at, int number) {
    const QRect rect(at, QSize(16, 20));
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(rect);
    painter.drawText(rect, Qt::AlignCenter, QString::number(number));
}

} // namespace

QPixmap collatePicture(bool collated) {
    QPixmap picture(92, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    // Three stacks of two sheets each, drawn back to front.
    for (int stack = 0; stack < (collated ? 2 : 3); ++stack) {
        const int width = collated ? 46 : 30;
        for (int k = (collated ? 2 : 1); k >= 0; --k) {
            const int number = collated ? k + 1 : stack + 1;
            sheet(painter, QPoint(stack * width + k * 7, 10 - k * 4), number);
        }
    }
    return picture;
}
