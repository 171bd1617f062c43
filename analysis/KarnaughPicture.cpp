#include "analysis/KarnaughPicture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/AnalysisTexts.h"
#include "analysis/FormulaPicture.h"
#include "analysis/PictureStyle.h"

namespace analysis {
namespace {

using picture::kTextHeight;
using picture::textWidth;

constexpr int32_t kMargin = 12;
constexpr int32_t kCell = 48;
// A line of labels, the gap between labels and the grid, and between maps.
constexpr int32_t kLine = 24;
constexpr int32_t kLabelGap = 10;
constexpr int32_t kMapGap = 36;
constexpr int32_t kCaptionGap = 14;
constexpr int32_t kMinCaptionWidth = 320;
// Loops: how far an open end runs out past the grid, the corners' radius, and the
// distance from the cells' edges, larger for each next loop of three so that loops
// over the same cells stay apart (and with eight colours, no two loops of 24 look
// the same).
constexpr int32_t kOvershoot = 7;
constexpr int32_t kRadius = 7;
constexpr int32_t kLoopInset = 5;
constexpr int32_t kLoopInsetStep = 3;
constexpr int kLoopInsetSteps = 3;
constexpr int32_t kLoopPen = 2;

std::string namesOf(const std::vector<int>& variables, const std::vector<std::string>& names) {
    std::string text;
    for (const int variable : variables) text += names[static_cast<size_t>(variable)];
    return text;
}

// Where everything of one map lies, from the map's top-left corner, and where the
// maps and the caption lie in the picture.
struct Geometry {
    int32_t titleY = 0;
    int32_t columnNamesY = 0;
    int32_t columnLabelsY = 0;
    int32_t rowLabelsX = 0;
    Point grid;
    Size gridSize;
    Size block;  // one map with its labels and the loops' open ends
    Size maps;   // all maps
    FormulaPicture caption;
    Point captionAt;
    Size picture;

    Point mapAt(int map) const { return {kMargin + map * (block.width + kMapGap), kMargin}; }
};

Geometry geometryOf(const KarnaughLayout& layout) {
    Geometry g;
    const int32_t title = layout.mapLabels.empty() ? 0 : kLine;
    g.columnNamesY = title;
    g.columnLabelsY = title + kLine;
    const int32_t rowNames = textWidth(namesOf(layout.rowVariables, layout.variables));
    g.rowLabelsX = rowNames + kLabelGap;
    g.grid = {g.rowLabelsX + textWidth(layout.rowLabels.front()) + kLabelGap,
              title + 2 * kLine + kLabelGap};
    g.gridSize = {layout.columns * kCell, layout.rows * kCell};
    g.block = {g.grid.x + g.gridSize.width + kOvershoot, g.grid.y + g.gridSize.height + kOvershoot};
    for (const std::string& label : layout.mapLabels)
        g.block.width = std::max(g.block.width, textWidth(label));
    g.maps = {layout.maps * g.block.width + (layout.maps - 1) * kMapGap, g.block.height};
    g.picture = {g.maps.width + 2 * kMargin, g.maps.height + 2 * kMargin};
    if (!layout.form) return g;
    g.caption = formulaPicture(*layout.form, layout.variables, layout.name + " = ",
                               std::max(g.maps.width, kMinCaptionWidth));
    g.captionAt = {kMargin, kMargin + g.maps.height + kCaptionGap};
    int32_t captionWidth = g.caption.size.width, captionHeight = g.caption.size.height;
    if (!layout.formMinimal) {
        captionWidth = std::max(captionWidth, textWidth(texts::kNotNecessarilyMinimal));
        captionHeight += kLine;
    }
    g.picture = {std::max(g.maps.width, captionWidth) + 2 * kMargin,
                 g.captionAt.y + captionHeight + kMargin};
    return g;
}

void line(platform::Canvas& canvas, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    canvas.moveTo(x1, y1);
    canvas.lineTo(x2, y2);
}

void centredText(platform::Canvas& canvas, int32_t centreX, int32_t top, const std::string& text) {
    canvas.textOut(centreX - textWidth(text) / 2, top, text);
}

void drawLabels(platform::Canvas& canvas, const KarnaughLayout& layout, const Geometry& g, Point at,
                int map) {
    const int32_t gridCentre = at.x + g.grid.x + g.gridSize.width / 2;
    const int32_t textInLine = (kLine - kTextHeight) / 2;
    if (!layout.mapLabels.empty()) {
        const std::string& title = layout.mapLabels[static_cast<size_t>(map)];
        canvas.textOut(std::max(at.x, gridCentre - textWidth(title) / 2), at.y + g.titleY, title);
    }
    centredText(canvas, gridCentre, at.y + g.columnNamesY + textInLine,
                namesOf(layout.columnVariables, layout.variables));
    for (int column = 0; column < layout.columns; ++column)
        centredText(canvas, at.x + g.grid.x + column * kCell + kCell / 2,
                    at.y + g.columnLabelsY + textInLine,
                    layout.columnLabels[static_cast<size_t>(column)]);
    const int32_t textInCell = (kCell - kTextHeight) / 2;
    canvas.textOut(at.x, at.y + g.grid.y + g.gridSize.height / 2 - kTextHeight / 2,
                   namesOf(layout.rowVariables, layout.variables));
    for (int row = 0; row < layout.rows; ++row)
        canvas.textOut(at.x + g.rowLabelsX, at.y + g.grid.y + row * kCell + textInCell,
                       layout.rowLabels[static_cast<size_t>(row)]);
}

// The cells' lines, the border twice as thick.
void drawGrid(platform::Canvas& canvas, const Geometry& g, Point at) {
    const int32_t left = at.x + g.grid.x, top = at.y + g.grid.y;
    const int32_t right = left + g.gridSize.width, bottom = top + g.gridSize.height;
    for (int32_t y = top; y <= bottom; y += kCell) line(canvas, left, y, right + 1, y);
    for (int32_t x = left; x <= right; x += kCell) line(canvas, x, top, x, bottom + 1);
    line(canvas, left - 1, top - 1, right + 2, top - 1);
    line(canvas, left - 1, bottom + 1, right + 2, bottom + 1);
    line(canvas, left - 1, top - 1, left - 1, bottom + 2);
    line(canvas, right + 1, top - 1, right + 1, bottom + 2);
}

// A quarter circle of the given centre from the angle (in quarter turns, counted
// clockwise from the right on the screen) to the next, as short lines.
void quarterArc(platform::Canvas& canvas, int32_t cx, int32_t cy, int quarter) {
    constexpr int kSegments = 4;
    const double pi = std::acos(-1.0);
    for (int step = 0; step <= kSegments; ++step) {
        const double angle = (quarter + static_cast<double>(step) / kSegments) * pi / 2;
        const auto x = static_cast<int32_t>(std::lround(cx + kRadius * std::cos(angle)));
        const auto y = static_cast<int32_t>(std::lround(cy + kRadius * std::sin(angle)));
        if (step == 0) {
            canvas.moveTo(x, y);
        } else {
            canvas.lineTo(x, y);
        }
    }
}

// One piece of a loop: the closed sides as lines, the corners between two closed
// sides rounded; an open side is left out and its neighbours run on to it.
void drawPiece(platform::Canvas& canvas, const Rect& box, const KarnaughPiece& piece) {
    const int32_t l = box.left, t = box.top, r = box.right, b = box.bottom;
    const bool topLeft = !piece.openTop && !piece.openLeft;
    const bool topRight = !piece.openTop && !piece.openRight;
    const bool bottomRight = !piece.openBottom && !piece.openRight;
    const bool bottomLeft = !piece.openBottom && !piece.openLeft;
    auto inset = [](bool rounded) { return rounded ? kRadius : 0; };
    if (!piece.openTop) line(canvas, l + inset(topLeft), t, r - inset(topRight), t);
    if (!piece.openRight) line(canvas, r, t + inset(topRight), r, b - inset(bottomRight));
    if (!piece.openBottom) line(canvas, r - inset(bottomRight), b, l + inset(bottomLeft), b);
    if (!piece.openLeft) line(canvas, l, b - inset(bottomLeft), l, t + inset(topLeft));
    if (bottomRight) quarterArc(canvas, r - kRadius, b - kRadius, 0);
    if (bottomLeft) quarterArc(canvas, l + kRadius, b - kRadius, 1);
    if (topLeft) quarterArc(canvas, l + kRadius, t + kRadius, 2);
    if (topRight) quarterArc(canvas, r - kRadius, t + kRadius, 3);
}

Rect pieceBox(const KarnaughPiece& piece, const Geometry& g, Point at, int32_t inset) {
    const int32_t left = at.x + g.grid.x, top = at.y + g.grid.y;
    return {
        piece.openLeft ? left - kOvershoot : left + piece.left * kCell + inset,
        piece.openTop ? top - kOvershoot : top + piece.top * kCell + inset,
        piece.openRight ? left + g.gridSize.width + kOvershoot : left + piece.right * kCell - inset,
        piece.openBottom ? top + g.gridSize.height + kOvershoot
                         : top + piece.bottom * kCell - inset};
}

void drawLoops(platform::Canvas& canvas, const KarnaughLayout& layout, const Geometry& g,
               Point origin) {
    for (size_t loop = 0; loop < layout.loops.size(); ++loop) {
        canvas.selectPen({kLoopPen, picture::loopColour(loop)});
        const int32_t inset =
            kLoopInset + kLoopInsetStep * static_cast<int32_t>(loop % kLoopInsetSteps);
        for (const KarnaughPiece& piece : layout.loops[loop].pieces) {
            const Point at = g.mapAt(piece.map);
            drawPiece(canvas, pieceBox(piece, g, {origin.x + at.x, origin.y + at.y}, inset), piece);
        }
    }
}

}  // namespace

Size karnaughPictureSize(const KarnaughLayout& layout) {
    return geometryOf(layout).picture;
}

Rect karnaughCellBox(const KarnaughLayout& layout, const KarnaughCell& cell) {
    const Geometry g = geometryOf(layout);
    const Point at = g.mapAt(cell.map);
    const int32_t left = at.x + g.grid.x + cell.column * kCell;
    const int32_t top = at.y + g.grid.y + cell.row * kCell;
    return {left, top, left + kCell, top + kCell};
}

void drawKarnaughMap(platform::Canvas& canvas, const KarnaughLayout& layout, Point origin) {
    const Geometry g = geometryOf(layout);
    const platform::Font font = canvas.selectFont(picture::kFont);
    const platform::Pen pen = canvas.selectPen({1, platform::kBlack});
    canvas.setTextColor(platform::kBlack);
    for (int map = 0; map < layout.maps; ++map) {
        const Point at = g.mapAt(map);
        const Point shifted{origin.x + at.x, origin.y + at.y};
        drawLabels(canvas, layout, g, shifted, map);
        drawGrid(canvas, g, shifted);
    }
    for (size_t row = 0; row < layout.cells.size(); ++row) {
        const Rect box = karnaughCellBox(layout, layout.cells[row]);
        canvas.textOut(origin.x + box.left + (kCell - textWidth("0")) / 2,
                       origin.y + box.top + (kCell - kTextHeight) / 2,
                       layout.values[row] ? "1" : "0");
    }
    drawLoops(canvas, layout, g, origin);
    if (layout.form) {
        std::vector<platform::Rgb> colours;
        for (size_t loop = 0; loop < layout.loops.size(); ++loop)
            colours.push_back(picture::loopColour(loop));
        const Point at{origin.x + g.captionAt.x, origin.y + g.captionAt.y};
        drawFormula(canvas, g.caption, at, colours);
        if (!layout.formMinimal)
            canvas.textOut(at.x, at.y + g.caption.size.height, texts::kNotNecessarilyMinimal);
    }
    canvas.selectPen(pen);
    canvas.selectFont(font);
}

}  // namespace analysis
