// A few thousand generated rows, sorted and filtered by the table in every order, against a
// plain sort and filter written here: ties by date and then by the order rows were added,
// upper before lower case, nulls first, texts cut to their field sizes.
#include "BrowseFixture.h"
#include "TwwFilterDialog.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <random>

namespace {

using namespace TransactionSchema;

const std::array<const char *, 7> indexNames{"DateIndex", "DescIndex", "AmountIndex", "TypeIndex",
                                             "CatIndex",  "AcctIndex", "LblIndex"};

// One row as the test expects the table to hold it; a missing value is null.
struct Expected {
    qint64 rowid = 0;
    std::optional<double> date, amount;
    std::array<std::optional<QString>, ColumnCount> text;
};

QString cut(const QString &text, int characters) {
    const QList<uint> codes = text.toUcs4();
    return codes.size() <= characters ? text : QString::fromUcs4(reinterpret_cast<const char32_t *>(codes.constData()), characters);
}

// Character-code order written out plainly: code point by code point, a prefix first.
int compareCodes(const QString &a, const QString &b) {
    const QList<uint> x = a.toUcs4(), y = b.toUcs4();
    if (std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end())) return -1;
    return x == y ? 0 : 1;
}

template <typename T> int compareNullsFirst(const std::optional<T> &a, const std::optional<T> &b,
                                           const std::function<int(const T &, const T &)> &compare) {
    if (!a || !b) return a.has_value() == b.has_value() ? 0 : (a ? 1 : -1);
    return compare(*a, *b);
}

int compareNumbers(const double &a, const double &b) { return a < b ? -1 : (b < a ? 1 : 0); }

int compareOn(const Expected &a, const Expected &b, int column) {
    if (column == Date) return compareNullsFirst<double>(a.date, b.date, compareNumbers);
    if (column == Amount) return compareNullsFirst<double>(a.amount, b.amount, compareNumbers);
    return compareNullsFirst<QString>(a.text[column], b.text[column], compareCodes);
}

std::vector<Expected> referenceOrder(std::vector<Expected> rows, int keyColumn) {
    std::stable_sort(rows.begin(), rows.end(), [&](const Expected &a, const Expected &b) {
        if (const int c = compareOn(a, b, keyColumn)) return c < 0;
        return compareOn(a, b, Date) < 0;
    });
    return rows;
}

QString describe(const Expected &row) {
    QStringList parts{QString::number(row.rowid), row.date ? QString::number(*row.date) : "-",
                      row.amount ? QString::number(*row.amount + 0.0) : "-"};  // the file keeps no -0
    for (int c = 0; c < ColumnCount; ++c)
        if (c != Date && c != Amount) parts << (row.text[c] ? "'" + *row.text[c] + "'" : "-");
    return parts.join('|');
}

// The table's visible rows, read as the grid and the report read them: through the fields.
QStringList describeVisible(TransactionTable &table) {
    QStringList rows;
    for (table.first(); !table.eof(); table.next()) {
        Expected row;
        row.rowid = table.getBookmark();
        if (!table.fieldByName("Date").isNull()) row.date = table.fieldByName("Date").asDateTime();
        if (!table.fieldByName("Amount").isNull()) row.amount = table.fieldByName("Amount").asFloat();
        for (int c = 0; c < ColumnCount; ++c) {
            TableField &field = table.fieldByName(fields[c].name);
            if (c != Date && c != Amount && !field.isNull()) row.text[c] = field.asString();
        }
        rows << describe(row);
    }
    return rows;
}

QStringList describeAll(const std::vector<Expected> &rows, const std::function<bool(const Expected &)> &keep) {
    QStringList described;
    for (const Expected &row : rows)
        if (keep(row)) described << describe(row);
    return described;
}

class TableOrderReference : public BrowseFixture {
protected:
    std::mt19937 random{20261210};
    std::vector<Expected> expected;

    int pick(int n) { return int(random() % unsigned(n)); }
    template <size_t N> const char *pickFrom(const std::array<const char *, N> &values) { return values[pick(N)]; }

    // Values chosen to collide: few days, repeated amounts, texts that differ only in case,
    // prefixes, characters beyond the basic plane, empty texts (stored as null), long texts.
    void generate(Expected &row) {
        static const std::array<const char *, 16> descriptions{
            "apple", "Apple", "app", "APP", "Zebra", "zebra", "b", "", "\u00e9clair", "\u00c9clair",
            "\U0001D11E music", "\uFFFD odd", "Coffee Shop", "coffee", "Payee 7",
            "An exceptionally long description"};
        static const std::array<const char *, 6> types{"debit", "credit", "Debit", "", "debit ", "DEBIT"};
        static const std::array<const char *, 7> categories{"Food", "food", "Fuel", "", "Auto", "Gifts", "F"};
        static const std::array<const char *, 5> accounts{"Checking", "CHECKING", "Checking 2", "Savings", ""};
        static const std::array<const char *, 4> labels{"tax", "Tax deductible", "",
                                                       "a label well over fifty characters long, to be cut there"};
        row.date = pick(30) == 0 ? std::nullopt : std::optional<double>(43000 + pick(40));
        static const std::array<double, 8> amounts{0, -0.0, 12.5, -12.5, 100, -100, 0.01, -99.99};
        row.amount = pick(30) == 0 ? std::nullopt
                                   : std::optional<double>(pick(2) ? amounts[pick(8)] : (pick(4000) - 2000) / 100.0);
        auto text = [&](int column, QString value) {
            value = cut(value, fields[column].size);
            row.text[column] = value.isEmpty() || pick(20) == 0 ? std::nullopt : std::optional<QString>(value);
        };
        text(Description, QString::fromUtf8(pickFrom(descriptions)));
        text(Type, pickFrom(types));
        text(Category, pickFrom(categories));
        text(AcctName, pickFrom(accounts));
        text(Labels, pickFrom(labels));
        text(OrigDesc, pick(3) ? QString("Original \u00fc %1 ").arg(pick(100000)).repeated(1 + pick(20)) : QString());
        text(Notes, pick(4) ? QString() : QString("note %1").arg(pick(50)));
    }

    void write(const Expected &row) {
        if (row.date) table.fieldByName("Date").setAsFloat(*row.date);
        else table.fieldByName("Date").clear();
        if (row.amount) table.fieldByName("Amount").setAsFloat(*row.amount);
        else table.fieldByName("Amount").clear();
        for (int c = 0; c < ColumnCount; ++c)
            if (c != Date && c != Amount) table.fieldByName(fields[c].name).setAsString(row.text[c].value_or(QString()));
    }

    void addRows(int count) {
        database.startTransaction("transactions.DAT");
        for (int i = 0; i < count; ++i) {
            Expected row;
            generate(row);
            table.append();
            write(row);
            table.post();
            row.rowid = table.getBookmark();
            expected.push_back(row);
        }
        database.commit("transactions.DAT");
    }

    // Every order, each one sorted afresh (an index chosen again keeps its order, so the
    // current one comes last).
    void expectEveryOrder(const std::function<bool(const Expected &)> &keep, const char *when) {
        std::vector<const char *> names(indexNames.begin(), indexNames.end());
        std::rotate(names.begin(), std::find(names.begin(), names.end(), table.indexName()) + 1, names.end());
        for (const char *name : names) {
            table.setIndexName(name);
            const int keyColumn = TransactionSchema::indexNamed(name)->columns[0];
            const QStringList want = describeAll(referenceOrder(expected, keyColumn), keep);
            ASSERT_EQ(describeVisible(table), want) << when << ", " << name;
            ASSERT_EQ(table.recordCount(), want.size()) << when << ", " << name;
        }
    }
};

bool everyRow(const Expected &) { return true; }

TEST_F(TableOrderReference, EveryOrderMatchesAPlainSortAfterAddingReopeningAndEditing) {
    addRows(3000);
    expectEveryOrder(everyRow, "as added");

    table.close();
    table.open();
    expectEveryOrder(everyRow, "reopened");

    // Whole records by position agree with the walk.
    const std::vector<Expected> byDate = referenceOrder(expected, Date);
    for (int row : {0, 1, 1500, 2999}) {
        const TransactionRecord &record = table.recordAt(row);
        EXPECT_EQ(record.rowid, byDate[size_t(row)].rowid);
        EXPECT_EQ(record.isNull(Description), !byDate[size_t(row)].text[Description].has_value());
        EXPECT_EQ(record.text[Description], byDate[size_t(row)].text[Description].value_or(QString()));
    }

    // Edits and more rows, then every order afresh.
    table.setIndexName("CatIndex");
    database.startTransaction("transactions.DAT");
    for (int i = 0; i < 200; ++i) {
        const int row = pick(table.recordCount());
        table.setRecNo(row);
        auto found = std::find_if(expected.begin(), expected.end(),
                                  [&](const Expected &e) { return e.rowid == table.getBookmark(); });
        ASSERT_NE(found, expected.end());
        const qint64 rowid = found->rowid;
        generate(*found);
        found->rowid = rowid;
        table.edit();
        write(*found);
        table.post();
    }
    database.commit("transactions.DAT");
    addRows(300);
    expectEveryOrder(everyRow, "edited");
    table.close();
    table.open();
    expectEveryOrder(everyRow, "edited and reopened");
}

struct ReferenceFilter {
    const char *name;
    QList<TwwFieldInfo> criteria;
    std::function<bool(const Expected &)> keep;
};

TwwFieldInfo criterion(const char *field, TwwFilterMatchType type, const char *value, bool nonMatching = false) {
    TwwFieldInfo info;
    info.FieldName = info.DisplayLabel = field;
    info.MatchType = type;
    info.FilterValue = value;
    info.NonMatching = nonMatching;
    return info;
}

QString upper(const std::optional<QString> &text) { return text.value_or(QString()).toUpper(); }

TEST_F(TableOrderReference, EveryOrderFilteredMatchesAPlainFilter) {
    addRows(2500);
    const LocaleFormats &formats = table.localeFormats();
    const std::vector<ReferenceFilter> filters{
        {"description contains", {criterion("Description", fdMatchAny, "pp")},
         [](const Expected &r) { return upper(r.text[Description]).contains("PP"); }},
        {"date range",
         {TwwFieldInfo::range("Date", "Date", formats.formatShortDate(43010), formats.formatShortDate(43020))},
         [](const Expected &r) { return r.date.value_or(0) >= 43010 && r.date.value_or(0) <= 43020; }},
        {"empty category", {criterion("Category", fdMatchExact, "null")},
         [](const Expected &r) { return !r.text[Category]; }},
        {"amount from -100", {TwwFieldInfo::range("Amount", "Amount", "-100", "")},
         [](const Expected &r) { return r.amount.value_or(0) >= -100; }},
        {"tags not starting with tax", {criterion("Labels", fdMatchStart, "tax", true)},
         [](const Expected &r) { return !upper(r.text[Labels]).startsWith("TAX"); }},
        {"account and text range on type",
         {TwwFieldInfo::exact("AcctName", "Account Name", "checking"), TwwFieldInfo::range("Type", "Type", "c", "d")},
         [](const Expected &r) {
             const QString type = upper(r.text[Type]);
             return upper(r.text[AcctName]) == "CHECKING" && compareCodes(type, "C") >= 0 &&
                    compareCodes(type, "D" + QString(24, 'z')) <= 0;
         }},
    };
    TwwFilterDialog filter(table, prompt);
    for (const ReferenceFilter &reference : filters) {
        filter.FieldInfo = reference.criteria;
        ASSERT_TRUE(filter.ApplyCriteria());
        expectEveryOrder(reference.keep, reference.name);
    }
}

} // namespace
