#pragma once
#include <QGuiApplication>

// Fonts, images and PDF writers need a GUI application; one lives for the whole test run.
inline void ensureGuiApplication() {
    if (QGuiApplication::instance()) return;
    static int argc = 1;
    static char name[] = "report_render_tests";
    static char *argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}
