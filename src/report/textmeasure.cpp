#include "report/textmeasure.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <deque>

namespace report
{

namespace
{
// Texts are measured at the PDF writer's resolution.
constexpr int kMeasureDpi = 1200;
constexpr qreal kPointsPerDot = 72.0 / kMeasureDpi;

const QImage& measuringSurface()
{
    static const QImage surface = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(kMeasureDpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return surface;
}

// A report uses a handful of fonts over thousands of texts: each font's metrics are made once
// (for each thread that measures, as Qt's font caches are per thread).
const QFontMetricsF& metricsFor(const PrintFont& font)
{
    struct Measured {
        PrintFont font;
        QFontMetricsF metrics;
    };
    thread_local std::deque<Measured> known; // a deque: the metrics handed out stay put
    for (const Measured& m : known) {
        if (m.font == font)
            return m.metrics;
    }
    known.push_back({font, QFontMetricsF(qtFont(font), &measuringSurface())});
    return known.back().metrics;
}
} // namespace

QFont qtFont(const PrintFont& font)
{
    QFont face(font.family);
    face.setPointSizeF(font.pointSize);
    face.setBold(font.bold);
    face.setItalic(font.italic);
    face.setKerning(false);
    face.setHintingPreference(QFont::PreferNoHinting);
    // With kerning off, shaping plain Latin text places the same glyphs at the same places; it
    // is skipped, as it costs a good part of painting a long report (other scripts are shaped).
    face.setStyleStrategy(QFont::PreferNoShaping);
    return face;
}

qreal lineHeight(const PrintFont& font)
{
    return metricsFor(font).height() * kPointsPerDot;
}

qreal wrappedHeight(const QString& text, const PrintFont& font, qreal width)
{
    if (text.isEmpty())
        return lineHeight(font);
    const QRectF area(0, 0, width / kPointsPerDot, 1e9);
    const QRectF used = metricsFor(font).boundingRect(
        area, int(Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap), text);
    return used.height() * kPointsPerDot;
}

} // namespace report
