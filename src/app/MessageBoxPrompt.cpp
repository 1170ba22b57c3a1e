#include "MessageBoxPrompt.h"
#include "ApplicationTitle.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QString captionOf(Prompt::Kind kind) {
    switch (kind) {
    case Prompt::Kind::Warning: return "Warning";
    case Prompt::Kind::Error: return "Error";
    case Prompt::Kind::Information: return "Information";
    case Prompt::Kind::Confirmation: return "Confirm";
    case Prompt::Kind::Plain: break;
    }
    return ApplicationTitle;
}

QMessageBox::Icon iconOf(Prompt::Kind kind) {
    switch (kind) {
    case Prompt::Kind::Warning: return QMessageBox::Warning;
    case Prompt::Kind::Error: return QMessageBox::Critical;
    case Prompt::Kind::Information: return QMessageBox::Information;
    case Prompt::Kind::Confirmation: return QMessageBox::Question;
    case Prompt::Kind::Plain: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(Prompt::Buttons buttons) {
    switch (buttons) {
    case Prompt::Buttons::YesNo:
    case Prompt::Buttons::YesNoDefaultNo: return QMessageBox::Yes | QMessageBox::No;
    case Prompt::Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Prompt::Buttons::Ok: break;
    }
    return QMessageBox::Ok;
}

Prompt::Answer answerOf(int button) {
    switch (button) {
    case QMessageBox::Yes: return Prompt::Answer::Yes;
    case QMessageBox::No: return Prompt::Answer::No;
    case QMessageBox::Cancel: return Prompt::Answer::Cancel;
    case QMessageBox::Ok: return Prompt::Answer::Ok;
    default: return Prompt::Answer::Closed;
    }
}

} // namespace

Prompt::Answer MessageBoxPrompt::ask(Kind kind, const QString &text, Buttons buttons) {
    QMessageBox box(iconOf(kind), captionOf(kind), text, buttonsOf(buttons), parent_);
    if (buttons == Buttons::YesNoDefaultNo) box.setDefaultButton(QMessageBox::No);
    // Closing the box answers like its escape button; only Yes ever proceeds.
    return answerOf(box.exec());
}

std::optional<QString> MessageBoxPrompt::askText(const QString &caption, const QString &label, const QString &initial) {
    // Over the dialog that asks, when one is open.
    QWidget *owner = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : parent_;
    bool ok = false;
    const QString text = QInputDialog::getText(owner, caption, label, QLineEdit::Normal, initial, &ok);
    if (!ok) return std::nullopt;
    return text;
}
