#pragma once
#include <QString>
#include <optional>

// Every question and notice the program puts to the user goes through this interface, so
// that the window program shows message boxes and tests answer them.
class Prompt {
public:
    enum class Kind { Warning, Error, Information, Confirmation, Plain };
    enum class Buttons { YesNo, Ok, YesNoCancel, YesNoDefaultNo };  // the last: No is the default
    enum class Answer { Yes, No, Cancel, Ok, Closed };

    virtual ~Prompt() = default;
    virtual Answer ask(Kind kind, const QString &text, Buttons buttons) = 0;
    // A one-line input box with OK and Cancel: the text after OK, nothing after Cancel.
    // Where no one can type (a program without windows) every box is cancelled.
    virtual std::optional<QString> askText(const QString & /*caption*/, const QString & /*label*/,
                                           const QString & /*initial*/) {
        return std::nullopt;
    }

    // Only Yes proceeds; every other answer, closing the box included, means no.
    bool confirmed(Kind kind, const QString &text, Buttons buttons = Buttons::YesNo) {
        return ask(kind, text, buttons) == Answer::Yes;
    }
    void tell(Kind kind, const QString &text) { ask(kind, text, Buttons::Ok); }
};
