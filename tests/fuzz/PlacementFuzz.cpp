// A window placement file through restoring a window from it and saving the window to it.
#include "EngineError.h"
#include "FormPlacement.h"
#include "FuzzInput.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>

namespace {

struct Setup {
    int argc = 1;
    char name[16] = "placement_fuzz";
    char *argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> application;
    QTemporaryDir folder;
    std::unique_ptr<QWidget> window;

    Setup() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QApplication>(argc, argv);
        window = std::make_unique<QWidget>();
        window->resize(640, 480);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static Setup setup;
    const QString file = setup.folder.filePath("Spendrake.ini");
    writeInput(file, data, size);
    TFormPlacement placement(*setup.window, [](const QString &) {});
    placement.IniFileName = file;
    try {
        placement.restore();
        placement.save();
    } catch (const EngineError &) {
        // An unwritable file is reported to the user.
    }
    // The window stays where a user can reach it.
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    require(setup.window->isMinimized() || setup.window->geometry().intersects(desktop));
    return 0;
}
