// Writes PAGES Letter pages at the resolution the report's PDF uses, each with a header line,
// ROWS rows of five short texts like a transaction report's (date, payee, category, account,
// amount), a footer and two rules; nothing is measured, laid out or clipped. The time it
// takes is the floor for the report's PDF of the same number of pages.
//   bench_pdf_floor OUT.pdf PAGES [ROWS]
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
#include <cstdio>
#include <random>

namespace {

constexpr int dotsPerInch = 1200;

QFont arial(double points, bool bold) {
    QFont font("Arial");
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Device pixels from millimetres.
double mm(double millimetres) { return millimetres / 25.4 * dotsPerInch; }

struct Texts {
    std::mt19937 random{42};
    const QStringList payees{"Corner Grocery", "City Power & Light", "Bean There Cafe", "Pizza \"Napoli\"",
                             "Fuel Stop", "Acme Corp Payroll", "Hardware Hut, Inc."};
    const QStringList accounts{"Everyday Checking", "Rewards Visa", "Savings", "Travel Card"};
    const QStringList categories{"Groceries", "Utilities", "Coffee Shops", "Restaurants", "Gas & Fuel", "Paycheck"};

    int below(int n) { return int(random() % unsigned(n)); }
    QString date() { return QString("%1/%2/%3").arg(below(12) + 1).arg(below(28) + 1).arg(2015 + below(10)); }
    QString amount() {
        const QString value = QString("$%1").arg(below(100000) / 100.0, 0, 'f', 2);
        return below(10) < 6 ? "(" + value + ")" : value;
    }
};

void drawPage(QPainter &painter, Texts &texts, int pageNo, int rows) {
    const QFont header = arial(10, true), body = arial(10, false), footer = arial(9, false);
    const double columns[] = {mm(9.5), mm(30.4), mm(79.1), mm(118.5), mm(184.9)};
    const QString titles[] = {"Date", "Description", "Category", "Account Name", "Amount"};
    painter.setFont(header);
    const double ascent = QFontMetricsF(header, painter.device()).ascent();
    painter.drawText(QPointF(mm(9.8), mm(7.4) + ascent), texts.categories[pageNo % 6]);
    for (int c = 0; c < 5; ++c) painter.drawText(QPointF(columns[c], mm(11.9) + ascent), titles[c]);
    painter.fillRect(QRectF(mm(9), mm(16.1), mm(196.6), mm(0.5)), QColor(0, 128, 128));
    painter.setFont(body);
    for (int r = 0; r < rows; ++r) {
        const double baseline = mm(18.3 + 4.76 * r) + ascent;
        painter.drawText(QPointF(columns[0], baseline), texts.date());
        painter.drawText(QPointF(columns[1], baseline), texts.payees[texts.below(7)]);
        painter.drawText(QPointF(columns[2], baseline), texts.categories[pageNo % 6]);
        painter.drawText(QPointF(columns[3], baseline), texts.accounts[texts.below(4)]);
        painter.drawText(QPointF(columns[4], baseline), texts.amount());
    }
    painter.setFont(footer);
    painter.drawText(QPointF(mm(7.7), mm(263.8) + ascent), "12/11/2026 3:21:14 PM");
    painter.drawText(QPointF(mm(198.2), mm(263.8) + ascent), QString("Page %1").arg(pageNo));
    painter.fillRect(QRectF(mm(7.7), mm(268.3), mm(200.6), mm(1.3)), QColor(0, 128, 128));
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    const int pages = argc > 2 ? std::atoi(argv[2]) : 0;
    const int rows = argc > 3 ? std::atoi(argv[3]) : 51;
    if (argc < 3 || pages < 1 || rows < 1) {
        std::fprintf(stderr, "usage: bench_pdf_floor OUT.pdf PAGES [ROWS]\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly)) return 1;
    QPdfWriter writer(&file);
    writer.setResolution(dotsPerInch);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    Texts texts;
    for (int page = 1; page <= pages; ++page) {
        if (page > 1) writer.newPage();
        drawPage(painter, texts, page, rows);
    }
    return painter.end() ? 0 : 1;
}
