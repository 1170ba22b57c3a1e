#include "GuiApplication.h"
#include "ReportFont.h"
#include "SummedWidths.h"

#include <QImage>
#include <gtest/gtest.h>
#include <random>

namespace {

class SummedWidthsTest : public testing::Test {
protected:
    static void SetUpTestSuite() { ensureGuiApplication(); }
};

QString randomAmountOrDate(std::mt19937 &random) {
    const int cents = int(random() % 10'000'000);
    switch (random() % 3) {
    case 0: return QString("($%1)").arg(cents / 100.0, 0, 'f', 2);
    case 1: return QString("$%L1").arg(cents / 100.0, 0, 'f', 2);
    default: return QString("%1/%2/%3").arg(random() % 12 + 1).arg(random() % 28 + 1).arg(1990 + random() % 40);
    }
}

} // namespace

// Liberation Sans, which stands in for Arial, kerns "11": a sum would misplace every
// right-aligned amount holding it.
TEST_F(SummedWidthsTest, SumsOnlyWhatTheFontMeasuresAlike) {
    QImage device(1, 1, QImage::Format_RGB32);
    std::mt19937 random(5);
    for (const double dpi : {96.0, 1200.0})
        for (const bool bold : {false, true}) {
            TppFont arial;
            arial.bold = bold;
            const QFontMetricsF metrics(reportFont(arial, dpi, device), &device);
            SummedWidths summed(metrics);
            EXPECT_EQ(summed.widthOf("11"), std::nullopt);
            EXPECT_EQ(summed.widthOf("Groceries"), std::nullopt);
            EXPECT_EQ(summed.widthOf(""), 0.0);
            EXPECT_EQ(summed.widthOf("($1,234.50)"), metrics.horizontalAdvance("($1,234.50)"));
            int summedCount = 0;
            for (int i = 0; i < 2000; ++i) {
                const QString text = randomAmountOrDate(random);
                if (const std::optional<double> width = summed.widthOf(text)) {
                    ++summedCount;
                    ASSERT_EQ(*width, metrics.horizontalAdvance(text)) << text.toStdString() << " at " << dpi;
                }
            }
            EXPECT_GT(summedCount, 1000);
        }
}
