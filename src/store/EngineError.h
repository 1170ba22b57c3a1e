#pragma once
#include <QString>
#include <stdexcept>

// The one exception type the program raises: it carries the text the standard error box
// shows to the user.
class EngineError : public std::runtime_error {
public:
    explicit EngineError(const QString &text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString &text() const { return text_; }

private:
    QString text_;
};

// Raised when another program holds the table; repair must never treat that as damage.
class TableLockedError : public EngineError {
public:
    using EngineError::EngineError;
};
