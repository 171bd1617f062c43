#include <gtest/gtest.h>

#include <QIcon>
#include <map>
#include <set>

#include "PainterCanvasPixels.h"
#include "canvas/BitmapStore.h"
#include "model/LogicElement.h"

namespace {

using namespace pixels;
using canvas::bitmapImage;
using Rows = std::vector<std::string>;

bool isInk(const QImage& image, int x, int y) {
    return image.pixel(x, y) == kBlack;
}

TEST(BitmapStore, EveryPictureLoadsWithItsExactSize) {
    const std::map<int32_t, QSize> sizes = {
        {101, {32, 32}}, {102, {30, 30}}, {103, {30, 30}}, {104, {30, 30}}, {105, {30, 30}},
        {107, {30, 40}}, {108, {30, 40}}, {109, {30, 50}}, {111, {30, 50}}, {112, {30, 30}},
        {113, {26, 21}}, {115, {26, 21}}, {116, {40, 40}}, {118, {40, 40}}, {119, {5, 5}},
        {120, {5, 5}},   {121, {6, 9}},   {123, {6, 9}},   {130, {5, 7}},   {131, {5, 7}},
        {132, {26, 21}}, {133, {26, 21}}, {134, {50, 30}}};
    for (int32_t id = 95; id <= 140; ++id) {
        const auto expected = sizes.find(id);
        if (expected == sizes.end()) {
            EXPECT_TRUE(bitmapImage(id).isNull()) << id;
            EXPECT_TRUE(canvas::disabledBitmapImage(id).isNull()) << id;
        } else {
            EXPECT_EQ(bitmapImage(id).size(), expected->second) << id;
            EXPECT_EQ(canvas::disabledBitmapImage(id).size(), expected->second) << id;
        }
    }
}

// What the kinds' descriptions say of their elements' size holds for their pictures.
TEST(BitmapStore, EveryKindsBodiesHaveTheSizeOfItsElements) {
    for (const ElementKindInfo& info : kElementKindInfos) {
        for (const int32_t body : {info.lowBody, info.highBody}) {
            if (body == 0) continue;
            EXPECT_EQ(bitmapImage(body).size(), QSize(info.size.width, info.size.height))
                << info.name;
        }
    }
    for (const GateLayout& layout : kGateLayouts)
        EXPECT_EQ(bitmapImage(layout.bodyBitmap).size(),
                  QSize(kindInfo(LogicElement).size.width, layout.height))
            << layout.bodyBitmap;
}

TEST(BitmapStore, TheSmallMarksArePixelForPixel) {
    const std::map<int32_t, std::pair<QRgb, Rows>> marks = {
        {119, {kBlack, {"..#..", "..#..", "..###", "..#..", "..#.."}}},
        {120, {kBlack, {".###.", "#...#", "#...#", "#...#", ".###."}}},
        {121,
         {kBlack,
          {"...#..", ".###..", "...#..", "...#..", "...#..", "...#..", "...#..", "...#..",
           "......"}}},
        {123,
         {kBlack,
          {".##...", "#..#..", "#..#..", ".##...", ".##...", "#..#.#", "#..#.#", "#...#.",
           ".###.#"}}},
        {130, {kRed, {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}}},
        {131, {kBlue, {"..##.", ".#..#", ".#..#", ".#..#", ".#..#", ".#..#", "..##."}}},
    };
    for (const auto& [id, mark] : marks) {
        const QImage& image = bitmapImage(id);
        const QRect all = image.rect();
        EXPECT_EQ(rowsOf(image, all, mark.first), mark.second) << id;
        EXPECT_EQ(count(image, all, mark.first) + count(image, all, kWhite),
                  all.width() * all.height())
            << id << ": ink and white only";
    }
}

TEST(BitmapStore, GateBodiesHaveAStubPerPresentInputAndAnOpenRightEdge) {
    for (uint16_t inputs = 1; inputs <= 9; ++inputs) {
        const GateLayout& layout = *gateLayout(inputs);
        const QImage& body = bitmapImage(layout.bodyBitmap);
        const int h = layout.height, middle = h / 2;
        SCOPED_TRACE(inputs);
        for (int pin = 0; pin < 9 && 5 + 5 * pin < h; ++pin) {
            const bool present = hasPin(layout.inputPins, pin);
            const Rows stub = rowsOf(body, QRect(0, 5 + 5 * pin, 5, 1), kBlack);
            EXPECT_EQ(stub, Rows{present ? "#####" : "....."}) << "pin " << pin;
        }
        for (int y = 0; y < h; ++y) {
            EXPECT_TRUE(isInk(body, 5, y)) << y;
            EXPECT_EQ(isInk(body, 24, y), y < middle - 2 || y > middle + 2) << y;
        }
        EXPECT_EQ(rowsOf(body, QRect(5, 0, 20, 1), kBlack), Rows{std::string(20, '#')});
        EXPECT_EQ(rowsOf(body, QRect(5, h - 1, 20, 1), kBlack), Rows{std::string(20, '#')});
        EXPECT_EQ(rowsOf(body, QRect(25, middle, 5, 1), kBlack), Rows{"..###"});
        // The glyph's place is blank, so the glyph drawn there reads clearly.
        EXPECT_EQ(count(body, QRect(16, 2, 6, 9), kWhite), 54);
    }
}

TEST(BitmapStore, TheIndicatorHasFiveStubsADividerAndAnEmptyField) {
    const QImage& body = bitmapImage(134);
    for (int y = 0; y < 30; ++y) {
        const bool stub = y % 5 == 0 && y >= 5 && y <= 25;
        EXPECT_EQ(rowsOf(body, QRect(0, y, 5, 1), kBlack), Rows{stub ? "#####" : "....."}) << y;
        EXPECT_TRUE(isInk(body, 5, y) && isInk(body, 19, y) && isInk(body, 49, y)) << y;
    }
    EXPECT_EQ(count(body, QRect(20, 1, 29, 28), kWhite), 29 * 28);
    for (int stubRow : {5, 10, 15, 20, 25}) {
        EXPECT_GT(count(body, QRect(6, stubRow - 2, 13, 5), kBlack), 3) << "label at " << stubRow;
    }
}

TEST(BitmapStore, TriggerAndSummerShareTheFrameStubsAndLabelledParts) {
    for (int32_t id : {116, 118}) {
        const QImage& body = bitmapImage(id);
        SCOPED_TRACE(id);
        for (int y = 0; y < 40; ++y) {
            const bool stub = y == 5 || y == 20 || y == 35;
            EXPECT_EQ(rowsOf(body, QRect(0, y, 5, 1), kBlack), Rows{stub ? "#####" : "....."});
            EXPECT_TRUE(isInk(body, 5, y) && isInk(body, 15, y)) << y;
        }
        EXPECT_EQ(rowsOf(body, QRect(34, 10, 6, 1), kBlack), Rows{"######"});
        EXPECT_TRUE(isInk(body, 39, 30));
        // The level digits are drawn over these blank corners, above the output lines.
        EXPECT_EQ(count(body, QRect(35, 1, 5, 7), kWhite), 35);
        EXPECT_EQ(count(body, QRect(35, 21, 5, 7), kWhite), 35);
        for (int stubRow : {5, 20, 35}) {
            EXPECT_GT(count(body, QRect(6, stubRow - 2, 9, 5), kBlack), 3) << stubRow;
        }
        EXPECT_GT(count(body, QRect(16, 1, 18, 7), kBlack), 5) << "the mark of the right part";
    }
    // Only the trigger's inverse output has the bubble, in an opening of the edge.
    EXPECT_EQ(rowsOf(bitmapImage(116), QRect(32, 28, 8, 5), kBlack),
              (Rows{".###....", "#...#...", "#...####", "#...#...", ".###...."}));
    EXPECT_EQ(rowsOf(bitmapImage(118), QRect(34, 30, 6, 1), kBlack), Rows{"######"});
}

TEST(BitmapStore, SignalAndGeneratorBodiesShowTheirLevelInTheirColour) {
    const std::map<int32_t, std::pair<QRgb, QRgb>> inks = {
        {113, {kBlue, kRed}}, {115, {kRed, kBlue}}, {133, {kBlue, kRed}}, {132, {kRed, kBlue}}};
    for (const auto& [id, ink] : inks) {
        const QImage& body = bitmapImage(id);
        SCOPED_TRACE(id);
        EXPECT_EQ(rowsOf(body, QRect(19, 8, 7, 5), kBlack),
                  (Rows{".#.....", ".#...#.", ".######", ".#...#.", ".#....."}));
        for (int i = 0; i <= 20; ++i) {
            EXPECT_TRUE(isInk(body, i, 0) && isInk(body, i, 20) && isInk(body, 0, i) &&
                        isInk(body, 20, i));
        }
        EXPECT_GT(count(body, QRect(1, 1, 19, 19), ink.first), 15);
        EXPECT_EQ(count(body, body.rect(), ink.second), 0);
        EXPECT_EQ(count(body, QRect(21, 1, 5, 7), kWhite), 35) << "the digit's corner";
    }
    // The pulse reaches far higher than the flat trace.
    auto topInk = [](const QImage& body, QRgb ink) {
        for (int y = 1; y < 20; ++y) {
            if (count(body, QRect(1, y, 19, 1), ink) > 0) return y;
        }
        return 20;
    };
    EXPECT_LT(topInk(bitmapImage(132), kRed) + 6, topInk(bitmapImage(133), kBlue));
}

TEST(BitmapStore, EveryElementPictureUsesTheSixteenColoursOnWhite) {
    const std::set<QRgb> palette = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    for (int32_t id = 102; id <= 134; ++id) {
        const QImage& image = bitmapImage(id);
        if (image.isNull()) continue;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                ASSERT_TRUE(palette.count(image.pixel(x, y))) << id << " at " << x << "," << y;
            }
        }
        EXPECT_GT(count(image, image.rect(), kWhite), image.width() * image.height() / 3) << id;
    }
}

TEST(BitmapStore, TheDisabledVariantIsGreyOnTransparent) {
    for (int32_t id : {102, 116, 115, 130, 134}) {
        const QImage& greyed = canvas::disabledBitmapImage(id);
        const QImage& normal = bitmapImage(id);
        int grey = 0;
        for (int y = 0; y < greyed.height(); ++y) {
            for (int x = 0; x < greyed.width(); ++x) {
                const QRgb pixel = greyed.pixel(x, y);
                const bool ink = normal.pixel(x, y) != kWhite;
                EXPECT_EQ(pixel == kGrey, ink) << id << " at " << x << "," << y;
                if (!ink) {
                    EXPECT_TRUE(qAlpha(pixel) == 0 || pixel == kWhite) << id;
                }
                grey += ink;
            }
        }
        EXPECT_GT(grey, 0) << id;
    }
}

TEST(BitmapStore, TheIconIsAGateOnATransparentSquareAtTwoSizes) {
    const QImage& icon = bitmapImage(101);
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(icon.pixel(16, 4), kBlack);
    const QList<QSize> sizes = canvas::applicationIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(64, 64)));
    EXPECT_FALSE(canvas::applicationIcon().pixmap(64, 64).isNull());
}

}  // namespace
