#pragma once
#include <QApplication>
#include <QFont>
#include <QRect>
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

// The dialogs' font: the desktop's face at 8 points, as in the main window.
inline QFont designFont() {
    QFont font = QApplication::font();
    font.setPointSize(8);
    return font;
}
