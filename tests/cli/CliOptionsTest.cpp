#include "CliOptions.h"

#include <gtest/gtest.h>

namespace {

CliOptions parse(const QString &line) { return parseCliOptions(line.split(' ', Qt::SkipEmptyParts)); }

TEST(CliOptions, ReadsEveryCriterionAndOutput) {
    const CliOptions o = parse("--dir /d --locale de_DE report --account Checking --from 1/1/2024 "
                               "--to 2/1/2024 --sort Category --subtotal --totals-only --filter F --pdf out.pdf");
    EXPECT_EQ(o.command, "report");
    EXPECT_EQ(o.directory, "/d");
    EXPECT_EQ(o.locale, "de_DE");
    EXPECT_EQ(o.account, "Checking");
    EXPECT_EQ(o.from.value(), "1/1/2024");
    EXPECT_EQ(o.to.value(), "2/1/2024");
    EXPECT_EQ(o.sort, "Category");
    EXPECT_TRUE(o.subtotal);
    EXPECT_TRUE(o.totalsOnly);
    EXPECT_EQ(o.filterName, "F");
    EXPECT_EQ(o.output, ReportOutput::Pdf);
    EXPECT_EQ(o.outputFile, "out.pdf");
}

TEST(CliOptions, DefaultsLeaveTheDatesToTheTable) {
    const CliOptions o = parse("rows --csv");
    EXPECT_EQ(o.account, "All Account(s)");
    EXPECT_FALSE(o.from.has_value());
    EXPECT_EQ(o.sort, "Date");
    EXPECT_TRUE(o.csv);
}

TEST(CliOptions, RefusesIncompleteOrContradictoryLines) {
    const char *bad[] = {
        "",                                   // no command
        "import",                             // no file
        "report",                             // no output
        "report --text --pdf x.pdf",          // two outputs
        "rows",                               // no --csv
        "rows --csv --preset Today --from 1/1/2024",
        "report --text --account",            // value missing
        "init --subtotal",                    // criteria only for report and rows
        "rows --csv --bogus",
        "init extra",
    };
    for (const char *line : bad) EXPECT_THROW(parse(line), UsageError) << line;
}

TEST(CliOptions, HelpNeedsNoCommand) { EXPECT_TRUE(parse("--help").help); }

} // namespace
