#include "CliPrompt.h"

Prompt::Answer CliPrompt::ask(Kind kind, const QString &text, Buttons buttons) {
    if (buttons == Buttons::Ok) {
        out_ << text << "\n";
        out_.flush();
        return Answer::Ok;
    }
    return kind == Kind::Warning ? Answer::Yes : Answer::No;
}
