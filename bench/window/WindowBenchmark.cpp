// What a user of the window waits for: one screen of the grid (40 rows) read at a random
// position, a sort by a column title (close, index, reopen, refresh) and a Range preset (its
// refreshes), on the real main window over a table made by `bench_million make`.
//   bench_window <folder with transactions.DAT> [rounds]
// Prints "name median-ms min-ms" lines.
#include "MainForm.h"
#include "TransactionGrid.h"
#include "TransactionGridModel.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <random>

namespace {

struct NoPrompt : Prompt {
    Answer ask(Kind, const QString &, Buttons) override { return Answer::Ok; }
};

template <typename Work>
void measure(const char *name, int rounds, Work &&work) {
    std::vector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        work(i);
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    QTextStream(stdout) << name << " " << QString::number(ms[ms.size() / 2], 'f', 3) << " "
                        << QString::number(ms.front(), 'f', 3) << Qt::endl;
}

QAction *preset(TMainForm &form, const QString &caption) {
    for (QAction *item : form.PopupMenu1()->actions())
        if (item->text() == caption) return item;
    return nullptr;
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc < 2) return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 7;
    QTemporaryDir runtime;
    NoPrompt prompt;
    MainFormServices services;
    services.prompt = &prompt;
    services.errorBox = [](const QString &text) { QTextStream(stderr) << text << Qt::endl; };
    services.programPath = folder + "/spendrake";
    services.lockDirectory = runtime.path();
    services.formats = LocaleFormats::unitedStates();
    services.today = [] { return 46000.0; };  // December 2025: the presets meet rows

    std::unique_ptr<TMainForm> form;
    measure("start-up", 1, [&](int) { form = std::make_unique<TMainForm>(services); });
    form->resize(1000, 700);
    const TransactionGridModel *grid = form->Transactions()->gridModel();
    const int rows = grid->rowCount();
    QTextStream(stdout) << "rows " << rows << Qt::endl;

    std::mt19937 random(7);
    qsizetype characters = 0;
    measure("grid-screen-40-rows", rounds * 20, [&](int) {
        const int top = int(random() % unsigned(std::max(1, rows - 40)));
        for (int row = top; row < std::min(rows, top + 40); ++row)
            for (int column = 0; column < grid->columnCount(); ++column)
                characters += grid->data(grid->index(row, column), Qt::DisplayRole).toString().size();
    });
    measure("title-sort", rounds, [&](int i) { form->TransactionsTitleButtonClick(i % 2 ? "Date" : "Category"); });
    measure("range-preset", rounds, [&](int i) { preset(*form, i % 2 ? "This year" : "Last year")->trigger(); });
    return characters > 0 ? 0 : 1;
}
