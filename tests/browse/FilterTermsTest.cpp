#include "FilterTerms.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    const char *value;
    bool orMode;
    QStringList terms;
};

TEST(FilterTerms, SplitsValuesIntoTermsAtTheDecidingOperator) {
    const SplitCase cases[] = {
        {"coffee or tea", true, {"coffee", "tea"}},
        {"gas and station", false, {"gas", "station"}},
        {"rent or fees and dues", true, {"rent", "fees and dues"}},
        {"fees and dues or rent", false, {"fees", "dues or rent"}},
        {"null or rent", true, {"null", "rent"}},
        {"  big   sale  ", false, {"big sale"}},
        {"\"a  b\"", false, {"a  b"}},
        {"\"coffee or\" tea", false, {"coffee or tea"}},
        {"or coffee", false, {"or coffee"}},          // the first word is never an operator
        {"or or tea", true, {"or", "tea"}},
        {"Coffee OR Tea", true, {"Coffee", "Tea"}},   // operators are found in any case
        {"coffee or", true, {"coffee", ""}},
        {"a or  or b", true, {"a", "", "b"}},
        {"\"open quote", false, {"open quote"}},
        {"tab\tand\rcr", false, {"tab", "cr"}},
        {"", false, {""}},
    };
    const TwwFieldOperators operators;
    for (const SplitCase &c : cases) {
        SCOPED_TRACE(c.value);
        const FilterTerms split = splitFilterValue(c.value, operators);
        EXPECT_EQ(split.orMode, c.orMode);
        EXPECT_EQ(split.terms, c.terms);
    }
}

TEST(FilterTerms, SingleCharacterOperatorsAlsoEndWords) {
    TwwFieldOperators operators;
    operators.OrChar = "|";
    operators.AndChar = "&";
    EXPECT_EQ(splitFilterValue("coffee|tea", operators).terms, (QStringList{"coffee", "tea"}));
    EXPECT_TRUE(splitFilterValue("coffee|tea", operators).orMode);
    EXPECT_EQ(splitFilterValue("gas&station|x", operators).terms, (QStringList{"gas", "station | x"}));
    EXPECT_EQ(splitFilterValue("\"a|b\"", operators).terms, (QStringList{"a|b"}));
}

TEST(FilterTerms, TellsWhetherAValueHoldsAnOperator) {
    const TwwFieldOperators operators;
    EXPECT_TRUE(hasOperatorWord("rent or fees", operators));
    EXPECT_TRUE(hasOperatorWord("gas AND station", operators));
    EXPECT_FALSE(hasOperatorWord("or rent", operators));
    EXPECT_FALSE(hasOperatorWord("orange andes", operators));
}

} // namespace
