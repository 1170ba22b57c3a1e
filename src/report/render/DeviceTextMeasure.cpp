#include "DeviceTextMeasure.h"

#include "ReportFont.h"

#include <QFontMetricsF>
#include <QImage>
#include <cmath>
#include <memory>

namespace {

constexpr double thousandthsPerInch = 25400;

// A report uses a handful of fonts; their metrics are built once.
class MeasuringDevice {
public:
    explicit MeasuringDevice(double dotsPerInch) : dpi_(dotsPerInch), image_(1, 1, QImage::Format_RGB32) {}

    TextExtent measure(const QString &text, const TppFont &font) {
        const QFontMetricsF &metrics = metricsOf(font);
        const double width = text.isEmpty() ? 0 : metrics.horizontalAdvance(text);
        return {toThousandths(width), toThousandths(metrics.height())};
    }

private:
    int toThousandths(double pixels) const { return int(std::ceil(pixels / dpi_ * thousandthsPerInch - 1e-6)); }

    const QFontMetricsF &metricsOf(const TppFont &font) {
        for (const auto &[known, metrics] : cache_)
            if (known == font) return metrics;
        cache_.emplace_back(font, QFontMetricsF(reportFont(font, dpi_, image_), &image_));
        return cache_.back().second;
    }

    double dpi_;
    QImage image_;
    std::vector<std::pair<TppFont, QFontMetricsF>> cache_;
};

} // namespace

TextMeasure deviceTextMeasure(double dotsPerInch) {
    auto device = std::make_shared<MeasuringDevice>(std::max(1.0, dotsPerInch));
    return [device](const QString &text, const TppFont &font) { return device->measure(text, font); };
}
