#pragma once
#include <QString>
#include <functional>

// What the import engine needs from the user interface: a progress window while it runs and
// a chance for the window system to handle pending events (the abort button is clicked then).
// The window program implements it with widgets; without one the engine runs silently.
class TransferProgress {
public:
    virtual ~TransferProgress() = default;

    // Services pending window events.
    virtual void processEvents() = 0;

    // Shows the progress window without blocking: client area width x height, title
    // `caption`; with an abort button, captioned `abortCaption`, whose click calls `onAbort`.
    virtual void showWindow(const QString &caption, int width, int height, bool withAbortButton,
                            const QString &abortCaption, std::function<void()> onAbort) = 0;
    // Paints the bar `barWidth` wide and the text "<percent>%".
    virtual void drawProgress(int barWidth, int percent) = 0;
    virtual void closeWindow() = 0;
};
