#include "ImportProgressWindow.h"
#include "QtTransferProgress.h"

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "import_window_tests";
    static char *argv[] = {name, nullptr};
    static QApplication application(argc, argv);
}

TEST(ImportProgressWindow, ButtonBelowTheBarAbortsAndBarIsRed) {
    ensureApplication();
    QWidget owner;
    owner.setGeometry(100, 100, 600, 400);
    QtTransferProgress progress(&owner);
    int aborts = 0;
    progress.showWindow("Transfer Progress", 200, 40, true, "&Cancel", [&aborts] { ++aborts; });
    ImportProgressWindow *window = progress.window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Transfer Progress");
    EXPECT_EQ(window->size(), QSize(200, 40));
    EXPECT_EQ(window->pos(), QPoint(100 + 300 - 100, 100 + 200 - 20));
    ASSERT_NE(window->abortButton(), nullptr);
    EXPECT_EQ(window->abortButton()->geometry(), QRect(0, 20, 200, 20));
    EXPECT_EQ(window->abortButton()->text(), "&Cancel");
    window->abortButton()->click();
    EXPECT_EQ(aborts, 1);

    progress.drawProgress(50, 25);
    const QImage image = window->grab().toImage();
    EXPECT_EQ(image.pixelColor(5, 15), QColor(Qt::red));
    EXPECT_NE(image.pixelColor(150, 15), QColor(Qt::red));

    progress.closeWindow();
    EXPECT_EQ(progress.window(), nullptr);
}

TEST(ImportProgressWindow, WithoutButtonTheBarFillsTheWindow) {
    ensureApplication();
    QtTransferProgress progress(nullptr);
    progress.showWindow("Transfer Progress", 200, 20, false, "&Cancel", {});
    EXPECT_EQ(progress.window()->abortButton(), nullptr);
    progress.drawProgress(500, 300);  // out of range values are held to the window
    EXPECT_EQ(progress.window()->grab().toImage().pixelColor(199, 18), QColor(Qt::red));
}

} // namespace
