#include "QtTransferProgress.h"

#include "ImportProgressWindow.h"

#include <QCoreApplication>

QtTransferProgress::QtTransferProgress(QWidget *owner) : owner_(owner) {}

QtTransferProgress::~QtTransferProgress() = default;

void QtTransferProgress::processEvents() { QCoreApplication::processEvents(); }

void QtTransferProgress::showWindow(const QString &caption, int width, int height, bool withAbortButton,
                                    const QString &abortCaption, std::function<void()> onAbort) {
    window_ = std::make_unique<ImportProgressWindow>(owner_, caption, width, height, withAbortButton, abortCaption,
                                                     std::move(onAbort));
    window_->show();
    window_->repaint();
}

void QtTransferProgress::drawProgress(int barWidth, int percent) {
    if (window_) window_->setProgress(barWidth, percent);
}

void QtTransferProgress::closeWindow() {
    if (!window_) return;
    window_->close();
    window_.reset();
}
