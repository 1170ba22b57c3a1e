#pragma once
#include <QString>

// Every question and notice the program puts to the user goes through this interface, so
// that the window program shows message boxes and tests answer them.
class Prompt {
public:
    enum class Kind { Warning, Error, Information, Confirmation, Plain };
    enum class Buttons { YesNo, Ok, YesNoCancel };
    enum class Answer { Yes, No, Cancel, Ok, Closed };

    virtual ~Prompt() = default;
    virtual Answer ask(Kind kind, const QString &text, Buttons buttons) = 0;

    // Only Yes proceeds; every other answer, closing the box included, means no.
    bool confirmed(Kind kind, const QString &text, Buttons buttons = Buttons::YesNo) {
        return ask(kind, text, buttons) == Answer::Yes;
    }
    void tell(Kind kind, const QString &text) { ask(kind, text, Buttons::Ok); }
};
