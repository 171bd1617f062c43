// The maps' layout against the textbook's (Gray-code order, loops cut where they
// wrap), and the pictures of a 4- and a 6-variable map against what any correct
// drawing of them shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include "analysis/KarnaughPicture.h"
#include "analysis/PictureStyle.h"
#include "web/PixelCanvas.h"
#include "web/PngEncoder.h"

namespace {

using analysis::BooleanFunction;
using analysis::Cube;
using analysis::FormKind;
using analysis::KarnaughCell;
using analysis::KarnaughLayout;
using analysis::KarnaughPiece;

BooleanFunction functionOf(int variables, const std::function<bool(uint32_t)>& rule) {
    std::vector<bool> table(size_t{1} << variables);
    for (uint32_t row = 0; row < table.size(); ++row) table[row] = rule(row);
    return *BooleanFunction::fromTable(analysis::defaultVariableNames(variables), table);
}

// The layout with loops for the given terms of a DNF.
KarnaughLayout layoutWith(int variables, const std::vector<Cube>& terms) {
    const analysis::FormList forms{FormKind::Dnf, {{FormKind::Dnf, terms}}, true, 1, true};
    return *analysis::karnaughLayout(functionOf(variables, [](uint32_t) { return false; }), forms);
}

TEST(KarnaughLayout, CellsFollowGrayCodeAndLoopsAreCutWhereTheyWrap) {
    EXPECT_FALSE(analysis::karnaughLayout(functionOf(1, [](uint32_t) { return true; })));
    EXPECT_FALSE(analysis::karnaughLayout(functionOf(7, [](uint32_t) { return true; })));

    // ¬X2·¬X4 in the corners, X3·¬X4 down the last column, ¬X1·¬X2 along the top row
    // wrapping nowhere, X2·X4 as a square in the middle.
    const KarnaughLayout four =
        layoutWith(4, {{0b0101, 0b0000}, {0b0011, 0b0010}, {0b1100, 0b0000}, {0b0101, 0b0101}});
    EXPECT_EQ(four.columnLabels, (std::vector<std::string>{"00", "01", "11", "10"}));
    EXPECT_EQ(four.cells[0b1011], (KarnaughCell{0, 3, 2}));
    EXPECT_EQ(four.cells[0b0110], (KarnaughCell{0, 1, 3}));
    EXPECT_EQ(four.loops[0].pieces,
              (std::vector<KarnaughPiece>{{0, 0, 0, 1, 1, true, false, true, false},
                                          {0, 0, 3, 1, 4, true, false, false, true},
                                          {0, 3, 0, 4, 1, false, true, true, false},
                                          {0, 3, 3, 4, 4, false, true, false, true}}));
    EXPECT_EQ(four.loops[1].pieces, (std::vector<KarnaughPiece>{{0, 0, 3, 4, 4}}));
    EXPECT_EQ(four.loops[2].pieces, (std::vector<KarnaughPiece>{{0, 0, 0, 1, 4}}));
    EXPECT_EQ(four.loops[3].pieces, (std::vector<KarnaughPiece>{{0, 1, 1, 3, 3}}));

    // Five variables: X1 picks the map; a term without X1 is looped in both.
    const KarnaughLayout five = layoutWith(5, {{0b10001, 0b10001}, {0b00011, 0b00000}});
    EXPECT_EQ(five.mapLabels, (std::vector<std::string>{"X1 = 0", "X1 = 1"}));
    EXPECT_EQ(five.cells[0b10110], (KarnaughCell{1, 1, 3}));
    EXPECT_EQ(five.loops[0].pieces, (std::vector<KarnaughPiece>{{1, 0, 1, 4, 3}}));
    EXPECT_EQ(five.loops[1].pieces, (std::vector<KarnaughPiece>{{0, 0, 0, 4, 1}, {1, 0, 0, 4, 1}}));

    // Six: four maps in a row in Gray-code order of X1X2; ¬X4·¬X6 wraps both ways in
    // every map, X2·X3·X5 lies in the two middle ones, which are neighbours.
    const KarnaughLayout six = layoutWith(6, {{0b000101, 0b000000}, {0b011010, 0b011010}});
    EXPECT_EQ(six.maps, 4);
    EXPECT_EQ(six.mapLabels,
              (std::vector<std::string>{"X1X2 = 00", "X1X2 = 01", "X1X2 = 11", "X1X2 = 10"}));
    EXPECT_EQ(six.cells[0b100111], (KarnaughCell{3, 1, 2}));
    EXPECT_EQ(six.loops[0].pieces.size(), 16u);
    EXPECT_EQ(six.loops[1].pieces, (std::vector<KarnaughPiece>{{1, 2, 2, 4, 4}, {2, 2, 2, 4, 4}}));
}

// Text as solid bars a little narrower than the estimate, so that where each text
// went can be seen; the ink keeps a margin to its box as glyphs do.
class CBlockText : public web::TextStamper {
  public:
    const web::TextStamp& stamp(const platform::Font& font, const std::string& text) override {
        const int32_t width = analysis::picture::textWidth(text) * 10 / 11;
        const int32_t height = font.height;
        const auto columns = static_cast<size_t>(width);
        stamp_ = {width, height, std::vector<uint8_t>(columns * static_cast<size_t>(height), 0)};
        for (size_t y = 5; y + 4 < static_cast<size_t>(height); ++y) {
            for (size_t x = 1; x + 1 < columns; ++x) stamp_.ink[y * columns + x] = 1;
        }
        return stamp_;
    }

  private:
    web::TextStamp stamp_;
};

constexpr int32_t kAround = 20;  // white drawn round the picture, to see that nothing leaks

struct Drawn {
    web::Picture picture;
    std::vector<Rect> textBoxes;
    uint32_t at(int32_t x, int32_t y) const { return picture.at(x + kAround, y + kAround); }
};

Drawn drawn(const KarnaughLayout& layout) {
    const Size size = analysis::karnaughPictureSize(layout);
    Drawn result{{size.width + 2 * kAround, size.height + 2 * kAround,
                  std::vector<uint32_t>(
                      static_cast<size_t>((size.width + 2 * kAround) * (size.height + 2 * kAround)),
                      web::pixelWord(platform::kWhite))},
                 {}};
    CBlockText text;
    web::PixelCanvas canvas(result.picture, text);
    analysis::drawKarnaughMap(canvas, layout, {kAround, kAround});
    for (Rect box : canvas.textBoxes())
        result.textBoxes.push_back(
            {box.left - kAround, box.top - kAround, box.right - kAround, box.bottom - kAround});
    return result;
}

int count(const Drawn& d, Rect area, uint32_t word) {
    int found = 0;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        for (int32_t x = area.left; x < area.right; ++x) found += d.at(x, y) == word;
    }
    return found;
}

bool anyOf(const Drawn& d, Rect area, uint32_t word) {
    return count(d, area, word) > 0;
}

// Any correct drawing: nothing outside the size given beforehand; the maps side by
// side from the left, each with its title over it; each cell's digit in the middle
// of its cell, untouched by loops; each closed side of a loop inside its cells near
// that side, each open side running out through the map's edge.
void expectSoundPicture(const KarnaughLayout& layout, const std::string& pngName) {
    const Drawn d = drawn(layout);
    const Size size = analysis::karnaughPictureSize(layout);
    const uint32_t white = web::pixelWord(platform::kWhite);
    const Rect whole{-kAround, -kAround, size.width + kAround, size.height + kAround};
    for (int32_t y = whole.top; y < whole.bottom; ++y) {
        for (int32_t x = whole.left; x < whole.right; ++x) {
            const bool inside = x >= 0 && y >= 0 && x < size.width && y < size.height;
            ASSERT_TRUE(inside || d.at(x, y) == white) << x << "," << y;
        }
    }
    for (int map = 0; map < layout.maps && layout.maps > 1; ++map) {
        const Rect corner = analysis::karnaughCellBox(layout, {map, 0, 0});
        const Rect farCorner =
            analysis::karnaughCellBox(layout, {map, layout.rows - 1, layout.columns - 1});
        if (map > 0) {
            const Rect before = analysis::karnaughCellBox(layout, {map - 1, 0, layout.columns - 1});
            EXPECT_EQ(corner.top, before.top);
            EXPECT_GT(corner.left, before.right);
        }
        const int32_t centre = (corner.left + farCorner.right) / 2;
        const int32_t titleWidth =
            analysis::picture::textWidth(layout.mapLabels[static_cast<size_t>(map)]) * 10 / 11;
        EXPECT_TRUE(std::any_of(d.textBoxes.begin(), d.textBoxes.end(),
                                [&](const Rect& b) {
                                    return b.bottom <= corner.top && b.left < centre &&
                                           centre < b.right && b.width() == titleWidth;
                                }))
            << "no title over map " << map;
    }
    for (uint32_t row = 0; row < layout.cells.size(); ++row) {
        const Rect cell = analysis::karnaughCellBox(layout, layout.cells[row]);
        const auto digit = std::find_if(d.textBoxes.begin(), d.textBoxes.end(), [&](const Rect& b) {
            return std::abs(b.left + b.right - cell.left - cell.right) <= 4 &&
                   std::abs(b.top + b.bottom - cell.top - cell.bottom) <= 4;
        });
        ASSERT_NE(digit, d.textBoxes.end()) << "no digit in the cell of row " << row;
        const Rect ink{digit->left + 1, digit->top + 5, digit->right - 1, digit->bottom - 4};
        EXPECT_EQ(count(d, ink, web::pixelWord(platform::kBlack)), ink.width() * ink.height())
            << "a loop crosses the digit of row " << row;
    }
    for (size_t loop = 0; loop < layout.loops.size(); ++loop) {
        const uint32_t colour = web::pixelWord(analysis::picture::loopColour(loop));
        for (const KarnaughPiece& piece : layout.loops[loop].pieces) {
            const Rect first =
                analysis::karnaughCellBox(layout, {piece.map, piece.top, piece.left});
            const Rect last =
                analysis::karnaughCellBox(layout, {piece.map, piece.bottom - 1, piece.right - 1});
            const Rect map{
                analysis::karnaughCellBox(layout, {piece.map, 0, 0}).left,
                analysis::karnaughCellBox(layout, {piece.map, 0, 0}).top,
                analysis::karnaughCellBox(layout, {piece.map, layout.rows - 1, layout.columns - 1})
                    .right,
                analysis::karnaughCellBox(layout, {piece.map, layout.rows - 1, layout.columns - 1})
                    .bottom};
            const int32_t midX = (first.left + last.right) / 2,
                          midY = (first.top + last.bottom) / 2;
            const int32_t near = 20;
            SCOPED_TRACE(testing::Message() << "loop " << loop << " in map " << piece.map);
            EXPECT_TRUE(piece.openTop
                            ? anyOf(d, {midX - 30, map.top - 8, midX + 30, map.top - 2}, colour)
                            : anyOf(d, {midX, first.top, midX + 1, first.top + near}, colour));
            EXPECT_TRUE(
                piece.openBottom
                    ? anyOf(d, {midX - 30, map.bottom + 2, midX + 30, map.bottom + 8}, colour)
                    : anyOf(d, {midX, last.bottom - near, midX + 1, last.bottom}, colour));
            EXPECT_TRUE(piece.openLeft
                            ? anyOf(d, {map.left - 8, midY - 30, map.left - 2, midY + 30}, colour)
                            : anyOf(d, {first.left, midY, first.left + near, midY + 1}, colour));
            EXPECT_TRUE(piece.openRight
                            ? anyOf(d, {map.right + 2, midY - 30, map.right + 8, midY + 30}, colour)
                            : anyOf(d, {last.right - near, midY, last.right, midY + 1}, colour));
        }
    }
    // For a look at it.
    const std::vector<uint8_t> png = web::encodePng(d.picture);
    std::ofstream(std::string(LOTRA_BINARY_DIR) + "/" + pngName, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
}

TEST(KarnaughPicture, FourAndSixVariableMapsShowTheirDigitsAndLoops) {
    const BooleanFunction four = functionOf(4, [](uint32_t r) {
        const bool x1 = (r & 8) != 0, x2 = (r & 4) != 0, x3 = (r & 2) != 0, x4 = (r & 1) != 0;
        return (!x2 && !x4) || (x1 && x2 && x4) || (!x1 && x3 && x4);
    });
    const KarnaughLayout fourMap =
        *analysis::karnaughLayout(four, analysis::minimalForms(four, FormKind::Dnf));
    ASSERT_EQ(fourMap.loops.size(), 3u);
    expectSoundPicture(fourMap, "karnaugh-4.png");

    const BooleanFunction six = functionOf(6, [](uint32_t r) {
        const bool x1 = (r & 32) != 0, x2 = (r & 16) != 0, x3 = (r & 8) != 0;
        const bool x4 = (r & 4) != 0, x5 = (r & 2) != 0, x6 = (r & 1) != 0;
        return (x3 && !x5) || (x1 && !x2 && x4 && x6) || (!x4 && x5 && !x6);
    });
    const KarnaughLayout sixMap =
        *analysis::karnaughLayout(six, analysis::minimalForms(six, FormKind::Dnf));
    ASSERT_EQ(sixMap.loops.size(), 3u);
    expectSoundPicture(sixMap, "karnaugh-6.png");
}

}  // namespace
