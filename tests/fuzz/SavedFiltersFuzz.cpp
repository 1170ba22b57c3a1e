// A saved-filters file through every operation on it: list, restore, store and remove.
#include "EngineError.h"
#include "FuzzInput.h"
#include "Prompt.h"
#include "ScratchTable.h"
#include "TwwFilterDialog.h"
#include "TwwSaveFilter.h"

namespace {

// Yes to every question (replacing a stored filter among them).
struct Answers : Prompt {
    Answer ask(Kind, const QString &, Buttons) override { return Answer::Yes; }
};

struct Setup {
    ScratchTable scratch;
    TransactionTable &table = scratch.table;
    Answers answers;
    std::unique_ptr<TwwFilterDialog> filter;
    std::unique_ptr<TwwSaveFilter> store;

    Setup() {
        for (const char *description : {"Coffee Shop", "Rent", "Refund"}) {
            table.append();
            table.fieldByName("Date").setAsFloat(45000);
            table.fieldByName("Description").setAsString(description);
            table.fieldByName("Amount").setAsFloat(-12.5);
            table.post();
        }
        filter = std::make_unique<TwwFilterDialog>(table, answers);
        store = std::make_unique<TwwSaveFilter>(*filter, answers);
        store->FilePath = scratch.folder.filePath("TransDB.ftr");
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static Setup setup;
    writeInput(setup.store->FilePath, data, size);
    TwwSaveFilter &store = *setup.store;
    try {
        setup.filter->FieldInfo.clear();
        QStringList names;
        store.ListNamedFilters(names);
        for (const QString &name : names.mid(0, 4)) store.RestoreNamedFilter(name);
        // Whatever the last restore brought back is stored again, under an old and a new name.
        if (!names.isEmpty()) store.StoreNamedFilter(names.first());
        store.StoreNamedFilter("Fuzzed filter");
        if (!names.isEmpty()) store.RemoveNamedFilter(names.last());
        store.RemoveNamedFilter("Fuzzed filter");
    } catch (const EngineError &) {
        // A criterion the table refuses is reported to the user.
    }
    setup.table.setFiltered(false);
    return 0;
}
