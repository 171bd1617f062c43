#include <gtest/gtest.h>

#include <QFontInfo>
#include <climits>

#include "PainterCanvasPixels.h"
#include "canvas/EllipseStamps.h"
#include "canvas/PainterInk.h"

namespace {

using namespace pixels;

// The second line starts on the pixel the first one left out.
TEST(PainterCanvasLines, AThinLineCoversItsStartButNotItsEndPixel) {
    const QImage image = painted([](platform::Canvas& c) {
        c.moveTo(10, 10);
        c.lineTo(20, 10);
        c.lineTo(20, 15);
    });
    EXPECT_EQ(rowsOf(image, QRect(9, 9, 13, 8), kBlack),
              (std::vector<std::string>{".............", ".###########.", "...........#.",
                                        "...........#.", "...........#.", "...........#.",
                                        ".............", "............."}));
}

TEST(PainterCanvasLines, AThreePixelPenIsThreeRowsThickInItsColour) {
    const QImage image = painted([](platform::Canvas& c) {
        c.selectPen({3, platform::kBlue});
        c.moveTo(10, 20);
        c.lineTo(40, 20);
    });
    for (int y : {19, 20, 21}) EXPECT_EQ(image.pixel(25, y), kBlue) << y;
    EXPECT_EQ(image.pixel(25, 18), kWhite);
    EXPECT_EQ(image.pixel(25, 22), kWhite);
}

TEST(PainterCanvasLines, SelectingGivesBackThePreviousObjects) {
    painted([](platform::Canvas& c) {
        EXPECT_EQ(c.selectPen({3, platform::kRed}), platform::Pen{});
        EXPECT_EQ(c.selectPen({}), (platform::Pen{3, platform::kRed}));
        EXPECT_EQ(c.selectBrush({platform::kBlack}), platform::Brush{});
        const platform::Font courier{26, 700, true, "Courier New"};
        EXPECT_EQ(c.selectFont(courier), platform::Font{});
        EXPECT_EQ(c.selectFont({}), courier);
    });
}

TEST(PainterCanvasEllipses, AFiveBoxIsAHollowCircleOrADiscExcludingRightAndBottom) {
    const QImage image = painted(
        [](platform::Canvas& c) {
            c.ellipse({10, 10, 15, 15});
            c.selectBrush({platform::kBlack});
            c.ellipse({30, 10, 35, 15});
        },
        kGreen);
    EXPECT_EQ(rowsOf(image, QRect(9, 9, 7, 7), kBlack),
              (std::vector<std::string>{".......", "..###..", ".#...#.", ".#...#.", ".#...#.",
                                        "..###..", "......."}));
    EXPECT_EQ(image.pixel(12, 12), kWhite);
    EXPECT_EQ(rowsOf(image, QRect(29, 9, 7, 7), kBlack),
              (std::vector<std::string>{".......", "..###..", ".#####.", ".#####.", ".#####.",
                                        "..###..", "......."}));
}

TEST(PainterCanvasBitmaps, ANormalBitmapIsOpaqueAndADisabledOneEmbossedOverTheBackground) {
    const QImage normal =
        painted([](platform::Canvas& c) { c.drawBitmap(102, 10, 10, 30, 30, false); }, kGreen);
    const QImage greyed =
        painted([](platform::Canvas& c) { c.drawBitmap(102, 10, 10, 30, 30, true); }, kGreen);
    const QRect body(10, 10, 30, 30);
    EXPECT_EQ(count(normal, body, kGreen), 0);
    EXPECT_EQ(normal.pixel(20, 20), kWhite);
    EXPECT_EQ(normal.pixel(15, 10), kBlack);  // the outline's top-left corner
    EXPECT_EQ(normal.pixel(9, 10), kGreen);

    EXPECT_EQ(greyed.pixel(20, 20), kGreen);
    EXPECT_EQ(greyed.pixel(15, 10), kGrey);
    EXPECT_EQ(greyed.pixel(16, 11), kWhite);  // the highlight below and right of the ink
    EXPECT_EQ(count(greyed, body, kBlack), 0);
}

TEST(PainterCanvasBitmaps, TheSizeGivenLimitsThePicture) {
    const QImage image =
        painted([](platform::Canvas& c) { c.drawBitmap(102, 10, 10, 10, 5, false); }, kGreen);
    EXPECT_EQ(count(image, QRect(10, 10, 10, 5), kGreen), 0);
    EXPECT_EQ(count(image, QRect(20, 10, 20, 20), kGreen), 20 * 20);
    EXPECT_EQ(count(image, QRect(10, 15, 10, 20), kGreen), 10 * 20);
}

TEST(PainterCanvasText, TextSitsOnAnOpaqueWhiteBoxInItsColour) {
    const QImage image = painted(
        [](platform::Canvas& c) {
            c.selectFont({26, 700, true, "Courier New"});
            c.setTextColor(platform::kRed);
            c.textOut(10, 10, "05");
        },
        kGreen);
    const QRect cell(10, 10, 20, 26);
    EXPECT_EQ(count(image, cell, kGreen), 0);
    EXPECT_GT(count(image, cell, kRed), 40);
    EXPECT_EQ(image.pixel(9, 10), kGreen);
    EXPECT_EQ(image.pixel(10, 9), kGreen);
}

TEST(PainterCanvasText, CourierNewMapsToAnInstalledFontWhoseCellIsTheAskedHeight) {
    QFont courier(QStringLiteral("Courier New"));
    EXPECT_FALSE(QFontInfo(courier).family().isEmpty());
    // The cell of the indicator's number is 26 pixels high: a second line of text
    // starts right under it.
    const QImage image = painted(
        [](platform::Canvas& c) {
            c.selectFont({26, 700, true, "Courier New"});
            c.textOut(0, 0, "88");
        },
        kGreen);
    EXPECT_EQ(count(image, QRect(0, 0, 4, 26), kGreen), 0);
    EXPECT_EQ(count(image, QRect(0, 26, 4, 1), kGreen), 4);
}

}  // namespace

namespace {

// Circles are copied from pictures drawn once; a copy must match the ellipse drawn
// in place pixel for pixel, whatever the pen and brush.
TEST(PainterCanvasEllipses, AStampedEllipseMatchesOneDrawnInPlace) {
    const std::vector<Rect> boxes = {{10, 10, 15, 15}, {21, 30, 28, 35}, {40, 8, 56, 24}};
    const std::vector<platform::Pen> pens = {{}, {3, platform::kBlack}, {2, platform::kRed}};
    const std::vector<platform::Brush> brushes = {{platform::kWhite}, {platform::kBlack}};
    for (const Rect& box : boxes) {
        for (const platform::Pen& pen : pens) {
            for (const platform::Brush& brush : brushes) {
                auto draw = [&](bool stamped) {
                    QImage image(80, 60, QImage::Format_RGB32);
                    image.fill(kGreen);
                    QPainter painter(&image);
                    painter.setRenderHint(QPainter::Antialiasing, false);
                    painter.setPen(canvas::toQPen(pen));
                    painter.setBrush(canvas::toQColor(brush.color));
                    if (stamped) {
                        EXPECT_TRUE(canvas::drawEllipseStamp(painter, box, pen, brush));
                    } else {
                        canvas::drawEllipseOutline(painter, box, pen);
                    }
                    return image;
                };
                EXPECT_EQ(draw(true), draw(false))
                    << box.left << "," << box.top << " pen " << pen.width;
            }
        }
    }
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    EXPECT_FALSE(canvas::drawEllipseStamp(painter, {0, 0, 40, 40}, {}, {}));
}

}  // namespace

namespace {

TEST(PainterCanvasFarAway, RecordsAtTheEdgesOfTheRangeDrawOnlyWhatShows) {
    const QImage image = painted(
        [](platform::Canvas& c) {
            c.moveTo(INT32_MIN, 10);
            c.lineTo(INT32_MAX, 10);
            c.moveTo(30, INT32_MAX);
            c.lineTo(30, INT32_MIN);
            c.drawBitmap(102, INT32_MAX - 5, 0, 30, 30, false);
            c.drawBitmap(102, 0, INT32_MIN, 30, 30, true);
            c.ellipse({INT32_MAX - 2, 0, INT32_MAX, 5});
            c.textOut(INT32_MIN, 0, "05");
        },
        kGreen);
    EXPECT_EQ(count(image, QRect(0, 10, 120, 1), kBlack), 120);
    EXPECT_EQ(count(image, QRect(30, 0, 1, 80), kBlack), 80);
    EXPECT_EQ(count(image, image.rect(), kBlack), 120 + 80 - 1);
}

}  // namespace
