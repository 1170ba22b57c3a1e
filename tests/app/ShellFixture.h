#pragma once
#include "MainForm.h"
#include "Prompt.h"
#include "TableDatabase.h"
#include "TablePassword.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

// Runs `work` on the modal dialog of type Dialog that `open` shows, then cancels it if `work`
// left it open; false when no such dialog came up.
template <typename Dialog>
bool withModalDialog(const std::function<void()> &open, const std::function<void(Dialog &)> &work) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialog) return;
        seen = true;
        work(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    open();
    return seen;
}

// Answers every question from a list (No when the list runs out) and keeps what was asked.
class TestPrompt : public Prompt {
public:
    struct Asked {
        Kind kind;
        QString text;
        Buttons buttons;
    };

    Answer ask(Kind kind, const QString &text, Buttons buttons) override {
        asked.push_back({kind, text, buttons});
        if (answers.empty()) return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    // The input box: answered from `typed` (Cancel when it runs out), its caption and label kept.
    std::optional<QString> askText(const QString &caption, const QString &label, const QString &) override {
        inputBoxes.push_back(caption + " / " + label);
        if (typed.empty()) return std::nullopt;
        std::optional<QString> text;
        text.swap(typed.front());
        typed.pop_front();
        return text;
    }

    std::deque<Answer> answers;
    std::vector<Asked> asked;
    std::deque<std::optional<QString>> typed;
    QStringList inputBoxes;
};

// A program folder of its own with an empty table, a runtime folder for the instance marker,
// and recorders for the error box and the browser.
class ShellFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "app_tests";
        static char *argv[] = {name, nullptr};
        if (!QApplication::instance()) new QApplication(argc, argv);
    }

    void SetUp() override {
        TableDatabase::addPassword(TablePassword);
        TableDatabase database;
        database.setDirectory(programDir.path());
        database.createTable("transactions.DAT");
        // The layouts the account chooser loads, beside the program as the build puts them.
        QDir(programDir.path()).mkpath("Reports");
        for (const char *layout : {"TransReport.rtm", "TransAcctReport.rtm"})
            QFile::copy(QString(SPENDRAKE_LAYOUTS "/") + layout, programDir.filePath(QString("Reports/") + layout));
    }

    MainFormServices services() {
        MainFormServices s;
        s.prompt = &prompt;
        s.errorBox = [this](const QString &text) { errors << text; };
        s.openUrl = [this](const QUrl &url) {
            opened << url.toString();
            return browserOpens;
        };
        s.today = [this] { return today; };
        s.programPath = programDir.filePath("spendrake");
        s.lockDirectory = runtimeDir.path();
        s.formats = LocaleFormats::unitedStates();
        return s;
    }

    std::unique_ptr<TMainForm> makeForm() { return std::make_unique<TMainForm>(services()); }

    QString programFile(const QString &name) const { return programDir.filePath(name); }

    struct Row {
        double date;
        double amount;
        const char *description = "Coffee";
        const char *account = nullptr;  // none: left empty
        const char *type = nullptr;
        const char *origDesc = nullptr;
    };

    // Writes the rows into the program folder's table.
    void fill(std::initializer_list<Row> rows) {
        TableDatabase database;
        database.setDirectory(programDir.path());
        TransactionTable table(database);
        table.open();
        for (const Row &row : rows) {
            table.append();
            table.fieldByName("Date").setAsFloat(row.date);
            table.fieldByName("Amount").setAsFloat(row.amount);
            table.fieldByName("Description").setAsString(row.description);
            if (row.account) table.fieldByName("AcctName").setAsString(row.account);
            if (row.type) table.fieldByName("Type").setAsString(row.type);
            if (row.origDesc) table.fieldByName("OrigDesc").setAsString(row.origDesc);
            table.post();
        }
    }

    QTemporaryDir programDir;
    QTemporaryDir runtimeDir;
    TestPrompt prompt;
    QStringList errors;
    QStringList opened;
    bool browserOpens = true;
    double today = 45000;  // the clock the window reads: Wednesday 15 March 2023
};
