#pragma once
#include <QWidget>
#include <functional>

class QPushButton;

// The small window an import shows while it runs: a red bar with the percentage over the
// upper half and, when the user may abort, a button over the lower half.
class ImportProgressWindow : public QWidget {
    Q_OBJECT
public:
    ImportProgressWindow(QWidget *owner, const QString &caption, int width, int height, bool withAbortButton,
                         const QString &abortCaption, std::function<void()> onAbort);

    void setProgress(int barWidth, int percent);
    QPushButton *abortButton() const { return button_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPushButton *button_ = nullptr;
    int barWidth_ = 0;
    int percent_ = 0;
};
