#pragma once
#include "Prompt.h"

#include <QTextStream>

// Questions answered the way a script wants: Yes to going on (emptying the table before an
// import), No to everything that would destroy more (deleting the import file). Every text
// is printed so that the user sees what the window program would have shown.
class CliPrompt : public Prompt {
public:
    explicit CliPrompt(QTextStream &out) : out_(out) {}
    Answer ask(Kind kind, const QString &text, Buttons buttons) override;

private:
    QTextStream &out_;
};
