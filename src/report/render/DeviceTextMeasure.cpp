#include "DeviceTextMeasure.h"

#include "ReportFont.h"

#include <QFontMetricsF>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr double thousandthsPerInch = 25400;

// A report uses a handful of fonts; their metrics are built once.
class MeasuringDevice {
public:
    explicit MeasuringDevice(double dotsPerInch) : dpi_(dotsPerInch), image_(1, 1, QImage::Format_RGB32) {}

    TextExtent measure(const QString &text, const TppFont &font) {
        const Measured &measured = metricsOf(font);
        const double width = text.isEmpty() ? 0 : measured.metrics.horizontalAdvance(text);
        return {toThousandths(width), measured.height};
    }

private:
    struct Measured {
        TppFont font;
        QFontMetricsF metrics;
        int height;  // every text of the page asks for it
    };

    int toThousandths(double pixels) const { return int(std::ceil(pixels / dpi_ * thousandthsPerInch - 1e-6)); }

    // Texts come in runs of one font: the last one found is tried first.
    const Measured &metricsOf(const TppFont &font) {
        if (last_ < cache_.size() && cache_[last_].font == font) return cache_[last_];
        const auto known = std::find_if(cache_.begin(), cache_.end(), [&](const Measured &m) { return m.font == font; });
        last_ = std::size_t(known - cache_.begin());
        if (known != cache_.end()) return *known;
        const QFontMetricsF metrics(reportFont(font, dpi_, image_), &image_);
        cache_.push_back({font, metrics, toThousandths(metrics.height())});
        return cache_.back();
    }

    double dpi_;
    QImage image_;
    std::vector<Measured> cache_;
    std::size_t last_ = 0;
};

} // namespace

TextMeasure deviceTextMeasure(double dotsPerInch) {
    auto device = std::make_shared<MeasuringDevice>(std::max(1.0, dotsPerInch));
    return [device](const QString &text, const TppFont &font) { return device->measure(text, font); };
}
