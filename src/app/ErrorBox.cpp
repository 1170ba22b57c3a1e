#include "ErrorBox.h"
#include "ApplicationTitle.h"

#include <QMessageBox>

QString errorBoxText(const QString &text) {
    if (!text.isEmpty() && text.back() > QChar('.')) return text + '.';
    return text;
}

void showStandardErrorBox(QWidget *parent, const QString &text) {
    QMessageBox::critical(parent, ApplicationTitle, text, QMessageBox::Ok);
}
