#pragma once
#include "TransferProgress.h"

#include <memory>

class ImportProgressWindow;
class QWidget;

// The import engine's window-system side: event servicing and a progress window centred on
// the owner, created for each transfer and released at its end.
class QtTransferProgress : public TransferProgress {
public:
    explicit QtTransferProgress(QWidget *owner);
    ~QtTransferProgress() override;

    void processEvents() override;
    void showWindow(const QString &caption, int width, int height, bool withAbortButton,
                    const QString &abortCaption, std::function<void()> onAbort) override;
    void drawProgress(int barWidth, int percent) override;
    void closeWindow() override;

    ImportProgressWindow *window() const { return window_.get(); }

private:
    QWidget *owner_;
    std::unique_ptr<ImportProgressWindow> window_;
};
