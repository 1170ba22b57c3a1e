#include "TppCancelDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TppCancelDialog::TppCancelDialog(QWidget *parent) : QDialog(parent) {
    setObjectName("ppCancelDialog");
    setWindowTitle("Printing");
    setWindowModality(Qt::ApplicationModal);
    auto *layout = new QVBoxLayout(this);
    message_ = new QLabel(this);
    message_->setObjectName("lblStatus");
    message_->setAlignment(Qt::AlignCenter);
    message_->setMinimumWidth(380);
    message_->setWordWrap(true);
    layout->addWidget(message_);
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("btnCancel");
    layout->addWidget(cancel_, 0, Qt::AlignHCenter);
    connect(cancel_, &QPushButton::clicked, this, [this] { cancelled_ = true; });
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

TppCancelDialog::~TppCancelDialog() { QApplication::restoreOverrideCursor(); }

void TppCancelDialog::showMessage(const QString &message) {
    message_->setText(message);
    if (!isVisible()) {
        adjustSize();
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            QRect frame(QPoint(), size());
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
        show();
    }
}

bool TppCancelDialog::cancelled() {
    QCoreApplication::processEvents();
    return cancelled_;
}

// Closing the box asks to stop, as Cancel does; the run closes it.
void TppCancelDialog::closeEvent(QCloseEvent *event) {
    cancelled_ = true;
    event->ignore();
}
