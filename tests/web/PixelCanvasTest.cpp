// The page's canvas beside the desktop's: the same records drawn through both must
// give the same pixels outside text, every element kind, state and wire included.
#include <gtest/gtest.h>
#include <algorithm>

#include <QImage>
#include <random>

#include "../canvas/PainterCanvasPixels.h"
#include "render/WorkArea.h"
#include "support/EveryKindCircuit.h"
#include "web/PixelCanvas.h"

namespace {

// Text is the browser's business; here it leaves its white box alone.
class BlankText : public web::TextStamper {
  public:
    const web::TextStamp& stamp(const platform::Font&, const std::string& text) override {
        blank_ = {static_cast<int32_t>(text.size()) * 14, 26,
                  std::vector<uint8_t>(text.size() * 14 * 26, 0)};
        return blank_;
    }

  private:
    web::TextStamp blank_;
};

struct Difference {
    int count = 0;
    int firstX = -1, firstY = -1;
};

// Pixels that differ, outside the boxes where text was drawn.
Difference compare(const std::function<void(platform::Canvas&)>& draw, QSize size) {
    const QImage desktop = pixels::painted(draw, pixels::kWhite, size);
    web::Picture picture{size.width(), size.height(),
                         std::vector<uint32_t>(static_cast<size_t>(size.width() * size.height()),
                                               web::pixelWord(platform::kWhite))};
    BlankText text;
    web::PixelCanvas page(picture, text);
    draw(page);
    auto inText = [&](int x, int y) {
        return std::any_of(page.textBoxes().begin(), page.textBoxes().end(), [&](const Rect& box) {
            return x >= box.left && x < box.right && y >= box.top && y < box.bottom;
        });
    };
    Difference difference;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const QRgb d = desktop.pixel(x, y);
            const uint32_t expected =
                web::pixelWord({static_cast<uint8_t>(qRed(d)), static_cast<uint8_t>(qGreen(d)),
                                static_cast<uint8_t>(qBlue(d))});
            if (inText(x, y) ||
                picture.pixels[static_cast<size_t>(y) * static_cast<size_t>(size.width()) +
                               static_cast<size_t>(x)] == expected)
                continue;
            if (difference.count++ == 0) {
                difference.firstX = x;
                difference.firstY = y;
            }
        }
    }
    return difference;
}

TEST(PixelCanvas, EveryKindOfElementAndWireAsTheDesktopDrawsThem) {
    EveryKindCircuit sample;
    for (const bool powered : {false, true}) {
        for (const Viewport scroll : {Viewport{0, 0}, Viewport{20, 20}, Viewport{165, 35}}) {
            const Difference difference = compare(
                [&](platform::Canvas& c) {
                    render::paintWorkArea(c, sample.circuit, {}, scroll, powered, {0, 0, 640, 480});
                },
                {640, 480});
            EXPECT_EQ(difference.count, 0)
                << "powered " << powered << ", scrolled to " << scroll.scrollX << ","
                << scroll.scrollY << ": first at " << difference.firstX << "," << difference.firstY;
        }
    }
}

// Random wires along rows and columns, thin and highlighted, with the 5-pixel end
// circles hollow and filled, partly off the picture.
TEST(PixelCanvas, StraightLinesAndEndCirclesMatchPixelForPixel) {
    std::mt19937 random(20);
    std::uniform_int_distribution<int32_t> coordinate(-10, 90);
    for (int round = 0; round < 200; ++round) {
        const platform::Pen pen{round % 2 == 0 ? 1 : 3, platform::kBlack};
        const platform::Brush brush{round % 3 == 0 ? platform::kBlack : platform::kWhite};
        const Point from{coordinate(random), coordinate(random)};
        const Point to =
            round % 4 < 2 ? Point{coordinate(random), from.y} : Point{from.x, coordinate(random)};
        const Difference difference = compare(
            [&](platform::Canvas& c) {
                c.selectPen(pen);
                c.selectBrush(brush);
                c.moveTo(from.x, from.y);
                c.lineTo(to.x, to.y);
                c.ellipse({to.x - 2, to.y - 2, to.x + 3, to.y + 3});
            },
            {80, 80});
        EXPECT_EQ(difference.count, 0) << "pen " << pen.width << " from " << from.x << "," << from.y
                                       << " to " << to.x << "," << to.y;
    }
}

// Random slanted lines, thin and highlighted: the desktop's painter settles a tie
// between two pixels by its own rounding now and then, and nowhere else may the
// page differ from it.
TEST(PixelCanvas, SlantedLinesMatchButForRoundingTies) {
    std::mt19937 random(21);
    std::uniform_int_distribution<int32_t> coordinate(-40, 140);
    int64_t differing = 0, drawn = 0;
    for (int round = 0; round < 300; ++round) {
        const platform::Pen pen{round % 3 == 0 ? 3 : 1, platform::kBlack};
        const Point from{coordinate(random), coordinate(random)};
        const Point to{coordinate(random), coordinate(random)};
        if (from.x == to.x || from.y == to.y) continue;
        differing += compare(
                         [&](platform::Canvas& c) {
                             c.selectPen(pen);
                             c.moveTo(from.x, from.y);
                             c.lineTo(to.x, to.y);
                         },
                         {100, 100})
                         .count;
        drawn += int64_t{std::max(std::abs(to.x - from.x), std::abs(to.y - from.y))} * pen.width;
    }
    EXPECT_LT(differing * 100, drawn) << differing << " of about " << drawn << " pixels differ";
}

}  // namespace
