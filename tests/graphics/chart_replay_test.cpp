#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <cmath>
#include <utility>
#include <vector>

#include "core/conversions.h"
#include "core/save_file.h"
#include "graphics/chart.h"
#include "graphics/chart_export.h"
#include "support/test_devices.h"

namespace graphics {
namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kNavy = 0xFF000080;

// Runs of one colour along a row or a column of an image: (first pixel, length).
using Runs = std::vector<std::pair<int, int>>;

Runs runs(const QImage& image, QRgb color, int fixed, bool alongRow) {
    Runs found;
    const int length = alongRow ? image.width() : image.height();
    for (int i = 0; i < length; ++i) {
        const QRgb pixel = alongRow ? image.pixel(i, fixed) : image.pixel(fixed, i);
        if (pixel != color) {
            continue;
        }
        if (!found.empty() && found.back().first + found.back().second == i) {
            ++found.back().second;
        } else {
            found.emplace_back(i, 1);
        }
    }
    return found;
}

class ChartReplayTest : public ::testing::Test {
protected:
    void axes() {
        clearPicture(m_picture);
        drawAxes(m_picture, m_chart, m_reader);
    }

    core::Conventions m_reader{core::Language::German, U','};
    graphics::Picture m_picture{769, 377};
    ChartState m_chart;
};

class ScaledChartTest : public ChartReplayTest, public ::testing::WithParamInterface<double> {
protected:
    [[nodiscard]] int first(int logical) const {
        return static_cast<int>(std::floor(GetParam() * logical));
    }
    [[nodiscard]] int width() const { return static_cast<int>(std::lround(GetParam())); }
};

TEST_P(ScaledChartTest, EveryLineIsRoundSDevicePixelsWideFromFloorSX) {
    axes();
    core::Frequencies h{};
    h.fill(0.3);  // every stick from the axis up to y 119
    drawStickChart(m_picture, m_chart, kColorTable[4], h);
    const QImage image = m_picture.raster(GetParam());
    EXPECT_EQ(image.devicePixelRatio(), GetParam());

    Runs sticks;
    for (int x = 0; x <= 18; ++x) {
        sticks.emplace_back(first(48 + 35 * x), width());
    }
    EXPECT_EQ(runs(image, kNavy, first(200), true), sticks);

    // Down a column between two ticks: the frame's top edge, the x axis, the frame's bottom edge.
    const Runs black{{0, width()}, {first(329), width()}, {first(376), width()}};
    EXPECT_EQ(runs(image, kBlack, first(415), false), black);
    // Along a row above the sticks: the frame's left edge, the y axis, the right edge.
    EXPECT_EQ(runs(image, kBlack, first(100), true),
              (Runs{{0, width()}, {first(48), width()}, {first(768), width()}}));
    EXPECT_EQ(image.width(), first(768) + width());
    EXPECT_EQ(image.height(), first(376) + width());
}

TEST_P(ScaledChartTest, BarSidesAndTopsHaveTheWidthOfAStick) {
    axes();
    // B(0) = 0.2 up to y 189; B(1) = 0.8 beyond the top
    drawHistogram(m_picture, m_chart, kColorTable[4], {0.8, 1});
    const QImage image = m_picture.raster(GetParam());
    // The right side of the first bar and the left of the second stand side by side.
    EXPECT_EQ(runs(image, kNavy, first(250), true),
              (Runs{{first(31), width()},
                    {first(65), first(66) + width() - first(65)},
                    {first(100), width()}}));
    EXPECT_EQ(runs(image, kNavy, first(40), false),
              (Runs{{first(189), width()}}));  // below it the x axis, black
}

TEST_P(ScaledChartTest, DigitsAreDrawnAnewNotEnlarged) {
    axes();
    const QImage one = m_picture.raster(1.0).copy();
    const QImage scaled = m_picture.raster(GetParam());
    // The label "18" below the last tick.
    const QRect label(676, 334, 14, 12);
    const QRect device(first(label.x()), first(label.y()),
                       first(label.right() + 1) - first(label.x()),
                       first(label.bottom() + 1) - first(label.y()));
    const QImage enlarged =
        one.copy(label).scaled(device.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage drawn = scaled.copy(device);
    int ink = 0;
    int differing = 0;
    bool grey = false;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb pixel = drawn.pixel(x, y);
            ink += pixel != 0xFFFFFFFF ? 1 : 0;
            differing += pixel != enlarged.pixel(x, y) ? 1 : 0;
            grey = grey || (qGray(pixel) > 40 && qGray(pixel) < 215);
        }
    }
    EXPECT_GT(ink, 20);
    EXPECT_GT(differing, ink / 5);
    EXPECT_TRUE(grey) << "text above scale 1 is drawn with antialiasing";
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledChartTest, ::testing::Values(1.5, 2.0, 3.0));

TEST_F(ChartReplayTest, ClearingStartsANewListAndDrawingAgainAppends) {
    axes();
    const std::size_t axesOnly = m_picture.drawing().commands().size();
    const auto generation = m_picture.drawing().generation();
    core::Frequencies h{};
    h.fill(0.1);
    drawStickChart(m_picture, m_chart, kColorTable[4], h);
    drawStickChart(m_picture, m_chart, kColorTable[9], h);
    EXPECT_EQ(m_picture.drawing().commands().size(), axesOnly + 2 * 19);
    // The later red sticks cover the navy ones.
    EXPECT_EQ(m_picture.image().pixel(48 + 35, 300), 0xFFFF0000);
    axes();
    EXPECT_EQ(m_picture.drawing().commands().size(), axesOnly);
    EXPECT_GT(m_picture.drawing().generation(), generation);
    EXPECT_EQ(m_picture.image().pixel(48 + 35, 300), 0xFFFFFFFF);
}

TEST_F(ChartReplayTest, TheSvgHasThePicturesViewBoxAndItsInkWhereThePngHasIt) {
    axes();
    core::Frequencies h{};
    for (int x = 0; x <= 18; ++x) {
        h[static_cast<std::size_t>(x)] = core::binomialProbability(18, x, 0.53);
    }
    drawStickChart(m_picture, m_chart, kColorTable[4], h);
    drawHistogram(m_picture, m_chart, kColorTable[4], {0.5058, 18});
    const QByteArray svg = chartSvg(m_picture.drawing());

    QXmlStreamReader xml(svg);
    while (!xml.atEnd() && !xml.isStartElement()) {
        xml.readNext();
    }
    ASSERT_EQ(xml.name(), QLatin1String("svg"));
    EXPECT_EQ(xml.attributes().value(QLatin1String("viewBox")), QLatin1String("0 0 769 377"));
    while (!xml.atEnd()) {
        xml.readNext();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();

    QSvgRenderer renderer(svg);
    ASSERT_TRUE(renderer.isValid());
    QImage rendered(769, 377, QImage::Format_RGB32);
    rendered.fill(Qt::white);
    {
        QPainter painter(&rendered);
        renderer.render(&painter, QRectF(0, 0, 769, 377));
    }
    const QImage& png = m_picture.image();
    const auto navyish = [](QRgb pixel) {
        return qBlue(pixel) > 90 && qRed(pixel) < 70 && qGreen(pixel) < 70;
    };
    const auto near = [](const QImage& image, int x, int y, auto&& is) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (image.rect().contains(x + dx, y + dy) && is(image.pixel(x + dx, y + dy))) {
                    return true;
                }
            }
        }
        return false;
    };
    const auto navy = [](QRgb pixel) { return pixel == kNavy; };
    int ink = 0;
    for (int y = 0; y < 377; ++y) {
        for (int x = 0; x < 769; ++x) {
            if (navyish(rendered.pixel(x, y))) {
                ++ink;
                ASSERT_TRUE(near(png, x, y, navy)) << "SVG ink at " << x << ", " << y;
            }
            if (navy(png.pixel(x, y))) {
                ASSERT_TRUE(near(rendered, x, y, navyish)) << "PNG ink at " << x << ", " << y;
            }
        }
    }
    EXPECT_GT(ink, 1000);
}

// Each format reaches a device that takes a few bytes at a time whole, and one that fills up
// is reported as a full disk, never as written.
TEST_F(ChartReplayTest, EveryFormatIsWrittenWholeOrReportedAsNotWritten) {
    using test_devices::Shrinking;
    axes();
    drawStickChart(m_picture, m_chart, kColorTable[4], core::Frequencies{0.1, 0.3, 0.4, 0.2});
    const ChartTexts texts{{QStringList{"x", "0"}, QStringList{"h(x)", "0,1"}, QStringList{}},
                           {{{"n", "18"}}}};
    for (const ChartFormat format : {ChartFormat::Png, ChartFormat::Svg, ChartFormat::Pdf}) {
        SCOPED_TRACE(static_cast<int>(format));
        QByteArray whole;
        QBuffer buffer(&whole);
        ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
        writeChart(buffer, format, m_picture.drawing(), 2.0, texts);
        ASSERT_GT(whole.size(), 8192);
        const auto write = [&](QIODevice& device) {
            writeChart(device, format, m_picture.drawing(), 2.0, texts);
        };

        Shrinking slow(1 << 30, 5, Shrinking::WhenFull::TakesNothing);
        EXPECT_EQ(core::writeChecked(slow, write), QString());
        // A PDF carries the moment it was made; its length does not change.
        if (format == ChartFormat::Pdf) {
            EXPECT_EQ(slow.taken().size(), whole.size());
        } else {
            EXPECT_EQ(slow.taken(), whole);
        }

        Shrinking full(8192, 4096, Shrinking::WhenFull::FailsWithEnospc);
        EXPECT_EQ(core::writeChecked(full, write),
                  QStringLiteral("Auf dem Datenträger ist nicht genug Platz."));
    }
}

TEST_F(ChartReplayTest, TheFileEndingChoosesTheFormat) {
    EXPECT_EQ(chartFormatOf(QStringLiteral("a/b.SVG")), ChartFormat::Svg);
    EXPECT_EQ(chartFormatOf(QStringLiteral("b.pdf")), ChartFormat::Pdf);
    EXPECT_EQ(chartFormatOf(QStringLiteral("b.png")), ChartFormat::Png);
    EXPECT_EQ(chartFormatOf(QStringLiteral("svg")), ChartFormat::Png);
}

}  // namespace
}  // namespace graphics
