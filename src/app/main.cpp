#include "ApplicationTitle.h"
#include "ErrorBox.h"
#include "MainForm.h"
#include "MessageBoxPrompt.h"

#include <QApplication>

namespace {

// A last line behind the handlers' own error box: nothing a handler lets escape may end
// the program.
class SpendrakeApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override {
        bool handled = false;
        runGuarded([](const QString &text) { showStandardErrorBox(nullptr, text); },
                   [&] { handled = QApplication::notify(receiver, event); });
        return handled;
    }
};

} // namespace

int main(int argc, char **argv) {
    SpendrakeApplication application(argc, argv);
    QApplication::setApplicationName(ApplicationTitle);
    MessageBoxPrompt prompt;
    MainFormServices services;
    services.prompt = &prompt;
    services.formats = LocaleFormats::fromSystem();
    TMainForm form(services);
    if (form.instanceRefused()) return 0;
    prompt.setParent(&form);
    form.show();
    return application.exec();
}
