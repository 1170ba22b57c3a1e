#pragma once
#include "Prompt.h"
#include "QtPrinters.h"
#include "TableDatabase.h"
#include "TablePassword.h"
#include "TransactionTable.h"

#include <QDate>
#include <QList>
#include <QPair>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

// Answers every question with the next queued answer (No when none is queued) and keeps
// what was asked.
class RecordingPrompt : public Prompt {
public:
    Answer ask(Kind kind, const QString &text, Buttons) override {
        asked << qMakePair(kind, text);
        return answers.isEmpty() ? Answer::No : answers.takeFirst();
    }
    QStringList texts() const {
        QStringList list;
        for (const auto &entry : asked) list << entry.second;
        return list;
    }
    QList<QPair<Kind, QString>> asked;
    QList<Answer> answers;
};

struct Transaction {
    QDate date;
    const char *description;
    double amount;
    const char *account;
    const char *category = "";  // empty is stored as null
};

inline double day(int year, int month, int dayOfMonth) {
    return double(QDate(1899, 12, 30).daysTo(QDate(year, month, dayOfMonth)));
}

// An open table in a temporary folder holding the given rows.
class BrowseFixture : public ::testing::Test {
protected:
    void SetUp() override {
        TableDatabase::addPassword(TablePassword);
        database.setDirectory(folder.path());
        database.createTable("transactions.DAT");
        table.open();
    }

    void fill(const std::vector<Transaction> &rows) {
        for (const Transaction &row : rows) {
            table.append();
            table.fieldByName("Date").setAsFloat(double(QDate(1899, 12, 30).daysTo(row.date)));
            table.fieldByName("Description").setAsString(row.description);
            table.fieldByName("Amount").setAsFloat(row.amount);
            table.fieldByName("AcctName").setAsString(row.account);
            table.fieldByName("Category").setAsString(row.category);
            table.post();
        }
    }

    // Descriptions of the visible rows in date order.
    QStringList visible() {
        QStringList values;
        for (table.first(); !table.eof(); table.next()) values << table.fieldByName("Description").asString();
        return values;
    }

    QTemporaryDir folder;
    TableDatabase database;
    TransactionTable table{database};
    RecordingPrompt prompt;
};
