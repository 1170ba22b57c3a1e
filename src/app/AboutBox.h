#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
class QTabWidget;
class QTextEdit;
class TVersionInfoResource;

// The about box: logo, product name and slogan, copyright and version from the program
// file's version information. Filled each time it is shown.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    TAboutBox(const TVersionInfoResource &version, QWidget *owner);

    void FormShow();

    QLabel *Label3() const { return Label3_; }
    QLabel *Label7() const { return Label7_; }
    QPushButton *Button1() const { return Button1_; }
    QTabWidget *PageControl1() const { return PageControl1_; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildPanel(QWidget *page);

    const TVersionInfoResource &version_;
    QTabWidget *PageControl1_;
    QLabel *Label3_ = nullptr;
    QLabel *Label7_ = nullptr;
    QTextEdit *wwDBRichEdit2_ = nullptr;
    QPushButton *Button1_ = nullptr;
};
