#pragma once
#include "Ascii2DB.h"
#include "DayNumber.h"
#include "TableDatabase.h"
#include "TableField.h"
#include "TablePassword.h"
#include "TransactionTable.h"
#include "TransferProgress.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// One transaction line of the service's export: nine quoted fields.
inline QByteArray exportLine(const char *date, const char *description, const char *amount,
                             const char *type = "credit", const char *account = "Checking") {
    return QByteArray("\"") + date + "\",\"" + description + "\",\"" + description + " ORIG\",\"" + amount +
           "\",\"" + type + "\",\"Groceries\",\"" + account + "\",\"\",\"\"\n";
}

inline const QByteArray exportTitle =
    "\"Date\",\"Description\",\"Original Description\",\"Amount\",\"Transaction Type\",\"Category\","
    "\"Account Name\",\"Labels\",\"Notes\"\n";

// Stands in for the window system: counts what the engine asks of it and can click the
// abort button at a chosen servicing of events.
struct RecordingProgress : TransferProgress {
    int eventRounds = 0;
    int abortAtRound = 0;
    int windowsShown = 0, windowsClosed = 0;
    int width = 0, height = 0;
    bool withButton = false;
    QString caption, abortCaption;
    std::vector<int> percents;
    std::function<void()> abort;

    void processEvents() override {
        if (++eventRounds == abortAtRound && abort) abort();
    }
    void showWindow(const QString &title, int w, int h, bool button, const QString &buttonCaption,
                    std::function<void()> onAbort) override {
        ++windowsShown;
        caption = title, width = w, height = h, withButton = button, abortCaption = buttonCaption;
        abort = std::move(onAbort);
    }
    void drawProgress(int, int percent) override { percents.push_back(percent); }
    void closeWindow() override { ++windowsClosed; }
};

// A fresh table in a temporary folder, the table object open on it, and files to import.
class ImportFixture : public ::testing::Test {
protected:
    void SetUp() override {
        TableDatabase::addPassword(TablePassword);
        database.setDirectory(folder.path());
        database.createTable("transactions.DAT");
        transDB.open();
    }

    QString writeFile(const QByteArray &bytes, const QString &name = "export.csv") {
        const QString path = folder.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
        return path;
    }

    QByteArray readFile(const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The engine set up as the import command sets it up, without a progress window.
    void configure(TAscii2DB &engine, const QString &file) {
        engine.setDestination(&transDB);
        engine.setFieldList({"Date", "Description", "OrigDesc", "Amount", "Type", "Category", "AcctName", "Labels", "Notes"});
        engine.setSkipLines(1);
        engine.setAsciiFile(file);
        engine.setErrorFile(folder.filePath("error.txt"));
        engine.setAnnotateErrorFile(true);
    }

    void fill(int count, const char *description = "Kept") {
        transDB.open();
        for (int i = 0; i < count; ++i) {
            transDB.append();
            transDB.fieldByName("Description").setAsString(description);
            transDB.fieldByName("Amount").setAsFloat(7);
            transDB.post();
        }
    }

    QStringList column(const QString &field = "Description") {
        QStringList values;
        transDB.open();
        for (transDB.first(); !transDB.eof(); transDB.next()) values << transDB.fieldByName(field).asString();
        return values;
    }

    std::vector<double> amounts() {
        std::vector<double> values;
        transDB.open();
        for (transDB.first(); !transDB.eof(); transDB.next()) values.push_back(transDB.fieldByName("Amount").asFloat());
        return values;
    }

    QTemporaryDir folder;
    TableDatabase database;
    TransactionTable transDB{database};
};
