#include "graphics/chart.h"

#include <gtest/gtest.h>

#include "core/conversions.h"
#include "engine/failures.h"

namespace graphics {
namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kNavy = 0xFF000080;
constexpr QRgb kRed = 0xFFFF0000;

class ChartTest : public ::testing::Test {
protected:
    [[nodiscard]] QRgb pixel(int x, int y) const { return m_picture.image().pixel(x, y); }
    // Column x holds `color` from `top` down to the axis, and white just above.
    void expectStick(int x, int top, QRgb color) const {
        for (int y = top; y < 329; ++y) {
            ASSERT_EQ(pixel(x, y), color) << x << ", " << y;
        }
        EXPECT_EQ(pixel(x, top - 1), kWhite) << x << ", " << top - 1;
    }
    void redrawAxes() {
        clearPicture(m_picture);
        drawAxes(m_picture, m_chart, m_reader);
    }

    core::Conventions m_reader{core::Language::German, U','};
    graphics::Picture m_picture{769, 377};
    ChartState m_chart;
    core::BinomialFit m_fit{0.9375, 9};
};

constexpr Color kNavyPen = kColorTable[4];
constexpr Color kRedPen = kColorTable[9];

TEST_F(ChartTest, AxesOfTheStandardPicture) {
    redrawAxes();
    EXPECT_EQ(m_chart.originX, 48);
    EXPECT_EQ(m_chart.baseline, 329);
    EXPECT_EQ(m_chart.width, 769);
    EXPECT_EQ(m_chart.height, 377);
    EXPECT_EQ(m_chart.unit, 35);

    for (int x = 40; x <= 729; ++x) {
        ASSERT_EQ(pixel(x, 329), kBlack) << x;
    }
    EXPECT_EQ(pixel(39, 329), kWhite);
    EXPECT_EQ(pixel(730, 329), kWhite);
    for (const auto& [x, y] : {std::pair{721, 326}, {721, 332}, {51, 28}, {45, 28}}) {
        EXPECT_EQ(pixel(x, y), kBlack) << x << ", " << y;
    }
    for (int y = 20; y <= 347; ++y) {
        ASSERT_EQ(pixel(48, y), kBlack) << y;
    }
    EXPECT_EQ(pixel(48, 19), kWhite);
    EXPECT_EQ(pixel(48, 348), kWhite);
    for (int i = 0; i <= 18; ++i) {
        const int x = 48 + 35 * i;
        for (int y = 329; y <= 332; ++y) {
            ASSERT_EQ(pixel(x, y), kBlack) << i << ", " << y;
        }
        if (i > 0) {  // the tick for 0 stands on the y axis
            EXPECT_EQ(pixel(x, 333), kWhite) << i;
            EXPECT_EQ(pixel(x, 328), kWhite) << i;
        }
    }
    for (const int y : {259, 189, 119, 49}) {
        for (int x = 45; x <= 48; ++x) {
            ASSERT_EQ(pixel(x, y), kBlack) << x << ", " << y;
        }
        EXPECT_EQ(pixel(49, y), kWhite) << y;
    }
    // The clearing frame.
    for (const auto& [x, y] : {std::pair{0, 0}, {768, 0}, {0, 376}, {768, 376}, {400, 376}}) {
        EXPECT_EQ(pixel(x, y), kBlack) << x << ", " << y;
    }
    EXPECT_EQ(pixel(1, 1), kWhite);
}

TEST_F(ChartTest, TheOriginDividesBeforeItMultiplies) {
    graphics::Picture taller(769, 383);
    drawAxes(taller, m_chart, m_reader);
    EXPECT_EQ(m_chart.baseline, 329);
}

TEST_F(ChartTest, StickHeightsRoundInExtendedPrecision) {
    redrawAxes();
    core::Frequencies h{};
    h[1] = 0.1;
    h[2] = 0.025;
    h[3] = 0.5;
    h[4] = 0.2;
    drawStickChart(m_picture, m_chart, kNavyPen, h);
    expectStick(83, 259, kNavy);
    expectStick(118, 311, kNavy);
    EXPECT_EQ(heightOf(m_chart, 0.025), 311);  // double precision would give 312
    for (int y = 0; y < 329; ++y) {            // 0.5 runs past the top edge
        ASSERT_EQ(pixel(153, y), kNavy) << y;
    }
    expectStick(188, 189, kNavy);
    EXPECT_EQ(pixel(48, 328), kBlack);  // h(0) = 0: nothing over the y axis
    EXPECT_EQ(pixel(223, 328), kWhite);
    EXPECT_EQ(m_picture.canvas().penColor(), graphics::kBlack);
}

TEST_F(ChartTest, ChartsDrawInTheirColourOverWhatIsThere) {
    redrawAxes();
    core::Frequencies h{};
    h[1] = 0.1;
    drawStickChart(m_picture, m_chart, kRedPen, h);
    expectStick(83, 259, kRed);
    drawStickChart(m_picture, m_chart, kColorTable[15], h);
    EXPECT_EQ(pixel(83, 300), kWhite);
    // The axes drawn after a complete chart are black again.
    drawAxes(m_picture, m_chart, m_reader);
    EXPECT_EQ(pixel(100, 329), kBlack);
}

TEST_F(ChartTest, HistogramBarsOfTheWorkedExample) {
    redrawAxes();
    drawHistogram(m_picture, m_chart, kNavyPen, m_fit);
    // x = 9: B = 0.5594245 reaches roundHalfEven(329 - 391.597) = -63, above the picture.
    const int centre = 48 + 9 * 35;
    for (int y = 0; y <= 329; ++y) {
        ASSERT_EQ(pixel(centre - 17, y), kNavy) << y;
        ASSERT_EQ(pixel(centre + 17, y), kNavy) << y;
    }
    // x = 8: B = 0.3356547, top at 94 from centre - 17 to centre + 17.
    const int eight = 48 + 8 * 35;
    for (int x = eight - 17; x <= eight + 17; ++x) {
        ASSERT_EQ(pixel(x, 94), kNavy) << x;
    }
    EXPECT_EQ(pixel(eight, 93), kWhite);
    EXPECT_EQ(pixel(eight, 95), kWhite);
    // x = 0..3 have zero height: their tops lie on the axis.
    for (int x = 48 - 17; x <= 48 + 3 * 35 + 17; ++x) {
        ASSERT_EQ(pixel(x, 329), kNavy) << x;
    }
    EXPECT_EQ(pixel(48 - 18, 329), kWhite);  // left of the first bar and of the x axis
}

TEST_F(ChartTest, BarCountFollowsN) {
    const auto barsOnTheAxis = [this](std::int32_t n) {
        redrawAxes();
        // With p = 0 every bar but x = 0 has height 0 and lies on the axis.
        drawHistogram(m_picture, m_chart, kRedPen, {0.0, n});
        int bars = 0;
        for (int x = 0; x <= 30; ++x) {
            const int left = 48 + 35 * x - 17;
            bars += left < 769 && pixel(left, 329) == kRed ? 1 : 0;
        }
        return bars;
    };
    EXPECT_EQ(barsOnTheAxis(0), 1);
    EXPECT_EQ(barsOnTheAxis(-3), 1);
    EXPECT_EQ(barsOnTheAxis(5), 6);
    EXPECT_EQ(barsOnTheAxis(25), 22);  // x = 21 begins at 766; 22 to 25 lie outside
    EXPECT_EQ(pixel(768, 329), kRed);
    // The largest n draws the visible bars and returns.
    EXPECT_EQ(barsOnTheAxis(2147483647), 22);
}

TEST_F(ChartTest, ChartsBeforeAnyAxesLeaveThePictureAsItWas) {
    clearPicture(m_picture);
    const QImage before = m_picture.image();
    core::Frequencies h{};
    h[3] = 0.2;
    drawStickChart(m_picture, m_chart, kNavyPen, h);
    drawHistogram(m_picture, m_chart, kNavyPen, m_fit);
    EXPECT_EQ(m_picture.image(), before);
}

TEST_F(ChartTest, AFailureOfBStopsTheHistogramBeforeItsFirstBar) {
    redrawAxes();
    const QImage axes = m_picture.image();
    const std::size_t commands = m_picture.drawing().commands().size();
    // p = 1: q = 0, and B(n;p) divides by it.
    EXPECT_THROW(drawHistogram(m_picture, m_chart, kRedPen, {1.0, 9}), core::FloatDivisionByZero);
    EXPECT_EQ(m_picture.image(), axes);
    EXPECT_EQ(m_picture.drawing().commands().size(), commands);
    EXPECT_EQ(m_picture.canvas().penColor(), graphics::kBlack);
}

}  // namespace
}  // namespace graphics
