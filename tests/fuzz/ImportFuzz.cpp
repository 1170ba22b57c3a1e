// An export file through the real import command into a table of its own.
#include "Ascii2DB.h"
#include "EngineError.h"
#include "FuzzInput.h"
#include "ImportCommand.h"
#include "ImportFileChooser.h"
#include "Prompt.h"
#include "ScratchTable.h"

namespace {

// Yes to emptying the table, no to deleting the file.
struct Answers : Prompt {
    Answer ask(Kind kind, const QString &, Buttons) override {
        return kind == Kind::Warning ? Answer::Yes : Answer::No;
    }
};

struct File : ImportFileChooser {
    QString path;
    std::optional<QString> chooseImportFile() override { return path; }
};

struct Setup {
    ScratchTable scratch;
    TransactionTable &table = scratch.table;
    Answers answers;
    File file;
    TAscii2DB engine;
    std::unique_ptr<ImportCommand> command;

    Setup() {
        file.path = scratch.folder.filePath("export.csv");
        command = std::make_unique<ImportCommand>(table, engine, answers, file,
                                                  ImportCommand::Callbacks{[this] { table.open(); }, {}});
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static Setup setup;
    writeInput(setup.file.path, data, size);
    try {
        setup.command->Open1Click();
    } catch (const EngineError &) {
        // A refused file is reported to the user; only what follows matters here.
    }
    // Whatever the file held, the store is left ready for the next command.
    require(!setup.scratch.database.inTransaction(setup.table.tableName()));
    require(setup.table.active());
    return 0;
}
