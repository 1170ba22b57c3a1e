#include "ImportProgressWindow.h"

#include <QPainter>
#include <QPushButton>

ImportProgressWindow::ImportProgressWindow(QWidget *owner, const QString &caption, int width, int height,
                                           bool withAbortButton, const QString &abortCaption,
                                           std::function<void()> onAbort)
    : QWidget(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(caption);
    setFixedSize(width, height);
    if (withAbortButton) {
        button_ = new QPushButton(abortCaption, this);
        button_->setGeometry(0, height / 2, width, 20);
        connect(button_, &QPushButton::clicked, this, [onAbort = std::move(onAbort)] {
            if (onAbort) onAbort();
        });
    }
    if (owner) {
        const QRect o = owner->geometry();
        move(o.left() + o.width() / 2 - width / 2, o.top() + o.height() / 2 - height / 2);
    }
}

void ImportProgressWindow::setProgress(int barWidth, int percent) {
    barWidth_ = std::clamp(barWidth, 0, width());
    percent_ = std::clamp(percent, 0, 100);
    repaint();  // the import does not return to the event loop between marks
}

void ImportProgressWindow::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const int barHeight = button_ ? height() / 2 : height();
    painter.fillRect(0, 0, barWidth_, barHeight, Qt::red);
    painter.fillRect(barWidth_, 0, width() - barWidth_, barHeight, palette().button());
    painter.setPen(palette().buttonText().color());
    painter.drawText(QRect(90, 2, width() - 90, barHeight - 2), Qt::AlignLeft | Qt::AlignTop,
                     QString::number(percent_) + "%");
}
