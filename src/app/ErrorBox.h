#pragma once
#include "EngineError.h"

#include <QString>
#include <exception>
#include <functional>

class QWidget;

// The standard error box: every handler runs inside it, and an error that leaves a handler is
// shown here and goes no further, so the program carries on.
using ErrorBox = std::function<void(const QString &text)>;

// The text as the box shows it: a full stop is added when the text ends in a character that
// sorts after ".".
QString errorBoxText(const QString &text);

// The desktop box: application title, error icon, OK.
void showStandardErrorBox(QWidget *parent, const QString &text);

template <typename Work>
bool runGuarded(const ErrorBox &box, Work &&work) noexcept {
    QString text;
    try {
        work();
        return true;
    } catch (const EngineError &error) {
        text = error.text();
    } catch (const std::exception &error) {
        text = QString::fromLocal8Bit(error.what());
    } catch (...) {
        text = QStringLiteral("An unexpected error occurred");
    }
    try {
        box(errorBoxText(text));
    } catch (...) {
        // Nothing sensible is left to do when the box itself fails.
    }
    return false;
}
