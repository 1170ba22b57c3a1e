#pragma once
#include "PrintPages.h"

#include <QDialog>

class QLabel;
class QPushButton;

// "Printing": a centred message and a Cancel button, shown modally while pages are produced.
// The producing code asks cancelled() between pages; that lets the click through.
class TppCancelDialog : public QDialog, public PrintProgress {
    Q_OBJECT
public:
    explicit TppCancelDialog(QWidget *parent = nullptr);
    ~TppCancelDialog() override;

    void showMessage(const QString &message) override;
    bool cancelled() override;

    QLabel *message() const { return message_; }
    QPushButton *cancelButton() const { return cancel_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *message_;
    QPushButton *cancel_;
    bool cancelled_ = false;
};
