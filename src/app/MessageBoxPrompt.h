#pragma once
#include "Prompt.h"

class QWidget;

// Questions and notices as modal message boxes with the caption and icon of their kind.
class MessageBoxPrompt : public Prompt {
public:
    explicit MessageBoxPrompt(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }

    Answer ask(Kind kind, const QString &text, Buttons buttons) override;
    std::optional<QString> askText(const QString &caption, const QString &label, const QString &initial) override;

private:
    QWidget *parent_;
};
