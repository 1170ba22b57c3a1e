#pragma once
#include <QFont>
#include <QRect>
#include <QScreen>
#include <QWidget>

// Dialogs are laid out in pixels at 96 dots per inch; the figures grow with the screen's
// logical dots per inch.
class DesignScale {
public:
    explicit DesignScale(const QWidget *widget) : factor_(widget->logicalDpiY() / 96.0) {}
    int operator()(int designPixels) const { return qRound(designPixels * factor_); }
    QRect rect(int left, int top, int width, int height) const {
        return QRect((*this)(left), (*this)(top), (*this)(width), (*this)(height));
    }

private:
    double factor_;
};

// The dialogs' font: 8 points of a face with Arial's metrics (Liberation Sans where Arial is
// absent), which the design sizes were made for; a wider face would clip captions.
inline QFont designFont() {
    QFont font("Arial", 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// Dialogs open in the middle of their screen.
inline void centreOnScreen(QWidget *dialog) {
    if (const QScreen *screen = dialog->screen()) {
        QRect frame = dialog->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        dialog->move(frame.topLeft());
    }
}
