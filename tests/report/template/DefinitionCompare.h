#pragma once
#include "TppReport.h"
#include <gtest/gtest.h>

// Two definitions are equal when every property of the report, of each band (in print
// order), of each group and of each component (in band order) reads the same.
inline void expectSameProperties(const TppObject &a, const TppObject &b, const QString &where)
{
    ASSERT_EQ(a.className(), b.className()) << where.toStdString();
    ASSERT_EQ(a.propertyNames(), b.propertyNames()) << where.toStdString();
    for (const QString &name : a.propertyNames()) {
        if (name.startsWith("Template."))
            continue;  // where the layout was loaded from, not part of it
        EXPECT_EQ(a.property(name), b.property(name)) << (where + "." + name).toStdString();
    }
}

inline void expectSameDefinition(const TppReport &a, const TppReport &b)
{
    expectSameProperties(a, b, a.name());
    ASSERT_EQ(a.groups().size(), b.groups().size());
    for (size_t g = 0; g < a.groups().size(); ++g)
        expectSameProperties(*a.groups()[g], *b.groups()[g], a.groups()[g]->name());
    const auto bandsA = a.bands();
    const auto bandsB = b.bands();
    ASSERT_EQ(bandsA.size(), bandsB.size());
    for (size_t i = 0; i < bandsA.size(); ++i) {
        expectSameProperties(*bandsA[i], *bandsB[i], bandsA[i]->name());
        EXPECT_EQ(a.groupNo(bandsA[i]->group()), b.groupNo(bandsB[i]->group())) << bandsA[i]->name().toStdString();
        const auto &componentsA = bandsA[i]->components();
        const auto &componentsB = bandsB[i]->components();
        ASSERT_EQ(componentsA.size(), componentsB.size()) << bandsA[i]->name().toStdString();
        for (size_t c = 0; c < componentsA.size(); ++c)
            expectSameProperties(*componentsA[c], *componentsB[c], componentsA[c]->name());
    }
}
