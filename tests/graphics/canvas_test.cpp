#include "graphics/canvas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace graphics {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;

TEST(Picture, FirstUseGivesAWhiteSurfaceOfItsSize) {
    Picture picture(20, 10);
    EXPECT_TRUE(picture.image().isNull());
    (void)picture.canvas();
    ASSERT_EQ(picture.image().size(), QSize(20, 10));
    EXPECT_EQ(picture.image().pixel(19, 9), kWhite);
}

TEST(Canvas, RectangleFillsAndFramesWithoutItsRightAndBottomEdges) {
    Picture picture(10, 8);
    Canvas& canvas = picture.canvas();
    canvas.setPenColor(0x0000FF);    // red
    canvas.setBrushColor(0xFF0000);  // blue
    canvas.rectangle(2, 1, 6, 5);
    const QImage& image = picture.image();
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 2 && x <= 5 && y >= 1 && y <= 4;
            const bool frame = inside && (x == 2 || x == 5 || y == 1 || y == 4);
            ASSERT_EQ(image.pixel(x, y), frame ? kRed : (inside ? kBlue : kWhite)) << x << "," << y;
        }
    }
}

TEST(Canvas, NarrowAndOutlyingRectanglesAreFramedAndClipped) {
    Picture picture(6, 6);
    Canvas& canvas = picture.canvas();
    canvas.setPenColor(0x0000FF);
    canvas.setBrushColor(0xFF0000);
    canvas.rectangle(1, 1, 2, 5);  // one pixel wide: frame only
    for (int y = 1; y <= 4; ++y) {
        EXPECT_EQ(picture.image().pixel(1, y), kRed) << y;
    }
    EXPECT_EQ(picture.image().pixel(2, 2), kWhite);
    canvas.rectangle(-10, -10, 100, 100);  // frame outside, fill covers everything
    EXPECT_EQ(picture.image().pixel(0, 0), kBlue);
    EXPECT_EQ(picture.image().pixel(5, 5), kBlue);
}

TEST(Canvas, LinesPaintBothEndsAndAreClipped) {
    Picture picture(10, 10);
    Canvas& canvas = picture.canvas();
    canvas.setPenColor(0x0000FF);
    canvas.moveTo(3, 8);
    canvas.lineTo(3, 2);
    for (int y = 0; y < 10; ++y) {
        EXPECT_EQ(picture.image().pixel(3, y), y >= 2 && y <= 8 ? kRed : kWhite) << y;
    }
    // Far beyond the picture, in both directions, at no extra cost.
    canvas.moveTo(5, 2'000'000'000);
    canvas.lineTo(5, -2'000'000'000);
    for (int y = 0; y < 10; ++y) {
        EXPECT_EQ(picture.image().pixel(5, y), kRed) << y;
    }
    // A slanted line from corner to corner.
    canvas.moveTo(0, 0);
    canvas.lineTo(9, 9);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(picture.image().pixel(i, i), kRed) << i;
    }
    EXPECT_EQ(picture.image().pixel(1, 0), kWhite);
}

TEST(Canvas, ALineOfNoLengthPaintsNothing) {
    Picture picture(4, 4);
    Canvas& canvas = picture.canvas();
    canvas.moveTo(0, 0);
    canvas.lineTo(0, 0);
    EXPECT_EQ(picture.image().pixel(0, 0), kWhite);
}

TEST(Canvas, ShapesFarBeyondThePictureAreClippedAtEveryScale) {
    Picture picture(10, 10);
    Canvas& canvas = picture.canvas();
    canvas.setPenColor(0x0000FF);
    canvas.moveTo(5, 2'000'000'000);
    canvas.lineTo(5, -2'000'000'000);
    canvas.moveTo(-2'000'000'000, 9);
    canvas.lineTo(2'000'000'000, 9);
    for (const double scale : {1.0, 1.5, 2.0}) {
        const QImage image = picture.raster(scale);
        const int width = static_cast<int>(std::lround(scale));
        const int column = static_cast<int>(5 * scale);
        for (int y = 0; y < image.height(); ++y) {
            ASSERT_EQ(image.pixel(column, y), kRed) << scale << ": " << y;
            ASSERT_EQ(image.pixel(column + width - 1, y), kRed) << scale << ": " << y;
        }
        EXPECT_EQ(image.pixel(column - 1, 0), kWhite) << scale;
        EXPECT_EQ(image.pixel(column + width, 0), kWhite) << scale;
        EXPECT_EQ(image.pixel(0, image.height() - 1), kRed) << scale;
    }
    // A rectangle over everything is all brush inside, its frame outside the picture.
    canvas.setBrushColor(0xFF0000);
    canvas.rectangle(-2'000'000'000, -5, 2'000'000'000, 2'000'000'000);
    EXPECT_EQ(picture.drawing().commands().size(), 1U);
    for (const double scale : {1.0, 2.0}) {
        const QImage image = picture.raster(scale);
        EXPECT_EQ(image.pixel(0, 0), kBlue);
        EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), kBlue);
    }
}

TEST(Colors, AreStoredBlueGreenRed) {
    EXPECT_EQ(toRgb(0x800000), qRgb(0, 0, 0x80));  // navy
    EXPECT_EQ(toRgb(0x0000FF), qRgb(0xFF, 0, 0));  // red
    EXPECT_EQ(toRgb(0x00FF00), qRgb(0, 0xFF, 0));
}

}  // namespace
}  // namespace graphics
