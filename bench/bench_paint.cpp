// Painting the work area with every table full, through the Qt canvas into an image
// of a 640 x 480 window.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <random>
#include <vector>

#include "bench/CraftedWires.h"
#include "canvas/PainterCanvas.h"
#include "render/WorkArea.h"

namespace {

QGuiApplication& application() {
    static int argc = 1;
    static char name[] = "bench_paint";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return app;
}

constexpr ElementKind kBlockKinds[] = {Trigger, Summer, EntrSignal, GTI};

// Elements on a grid of the given pitch from the origin; levels alternate so that
// both digits are drawn, and every fifth logic element is an indicator.
void fillElements(CCircuit& circuit, int32_t pitch) {
    for (int32_t slot = 0; slot < CCircuit::kLogicSlots; ++slot) {
        auto element = slot % 5 == 4
                           ? std::make_unique<CLogicElement>(Indicator)
                           : std::make_unique<CLogicElement>(slot % 2, slot % 9 + 1, slot % 3 == 0);
        element->setPosition(slot % 16 * pitch, slot / 16 * pitch);
        for (Pin& pin : element->pins) pin.connected = pin.value = slot % 2;
        element->index = slot;
        circuit.logicElements[slot] = std::move(element);
    }
    for (int32_t slot = 0; slot < CCircuit::kBlockSlots; ++slot) {
        auto element = std::make_unique<CBlockElement>(kBlockKinds[slot % 4]);
        element->setPosition(slot % 16 * pitch + pitch / 2, slot / 16 * pitch + pitch / 2);
        element->pins[kOutputPin].value = slot % 2;
        element->index = slot;
        circuit.blockElements[slot] = std::move(element);
    }
}

// Wires of five bends; one in three ends free, one in four carries a junction.
void fillWires(CCircuit& circuit, int32_t pitch) {
    for (int32_t slot = 0; slot < CCircuit::kWireSlots; ++slot) {
        auto wire = std::make_unique<CWire>();
        const int32_t x = slot % 32 * pitch / 2, y = slot / 32 * pitch / 4;
        wire->points = {{x, y},           {x + 20, y},      {x + 20, y + 15},
                        {x + 45, y + 15}, {x + 45, y + 30}, {x + 70, y + 30}};
        wire->ends = {{x, y, LogicElement, 0, 9},
                      {x + 70, y + 30, slot % 3 == 0 ? kLinkNone : Trigger, 0, 0}};
        if (slot % 4 == 0) wire->ends.push_back({x + 20, y + 5, kLinkWire, 0, 2});
        wire->index = slot;
        circuit.wires[slot] = std::move(wire);
    }
}

// The work area from its top left corner, powered, into an image of the window.
void paintIntoWindow(benchmark::State& state, CCircuit& circuit) {
    application();
    QImage image(640, 480, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        canvas::CPainterCanvas canvas(painter);
        render::paintWorkArea(canvas, circuit, {}, {0, 0}, true, {0, 0, 640, 480});
    }
    benchmark::DoNotOptimize(image.constBits());
}

void paintFullTables(benchmark::State& state, int32_t pitch) {
    CCircuit circuit;
    fillElements(circuit, pitch);
    fillWires(circuit, pitch);
    paintIntoWindow(state, circuit);
}

// The whole 2048 x 2048 area used: most records lie outside the window.
void BM_PaintFullTablesSpread(benchmark::State& state) {
    paintFullTables(state, 125);
}
// Everything crowded into the window: every record touches pixels.
void BM_PaintFullTablesInView(benchmark::State& state) {
    paintFullTables(state, 35);
}

// One wire of five million points, as a crafted 40 MB file holds it, painted into
// the 640 x 480 window at the top left of the work area. Rows: the wire sweeps
// back and forth in rows 20 000 pixels long, two hundred and fifty of them to a
// pixel of height, through the window and far past it. Scattered: the points lie
// anywhere in a square of that size, and a few per cent of the long slanted
// segments between them cross the window. Crossing: every segment runs from far
// left to far right across the upper half of the window, which the lines never
// finish covering, and the lower half stays empty.
enum class HugeWire { Rows, Scattered, Crossing };

std::vector<Point> hugeWirePoints(HugeWire shape) {
    constexpr int32_t kPoints = 5'000'000, kReach = 10'000;
    std::mt19937 random(16);
    std::uniform_int_distribution<int32_t> anywhere(-kReach, kReach), upperHalf(0, 239);
    std::vector<Point> points;
    points.reserve(kPoints);
    for (int32_t i = 0; i < kPoints; ++i) {
        const int32_t row = -kReach + static_cast<int32_t>(int64_t{2} * kReach * i / kPoints);
        switch (shape) {
            case HugeWire::Rows:
                points.push_back({(i + 1) / 2 % 2 ? kReach : -kReach, row});
                break;
            case HugeWire::Scattered:
                points.push_back({anywhere(random), anywhere(random)});
                break;
            case HugeWire::Crossing:
                points.push_back({i % 2 ? kReach : -kReach, upperHalf(random)});
                break;
        }
    }
    return points;
}

void paintHugeWire(benchmark::State& state, HugeWire shape, bool highlighted = false) {
    CCircuit circuit;
    auto wire = std::make_unique<CWire>();
    wire->highlighted = highlighted;
    wire->points = hugeWirePoints(shape);
    const Point first = wire->points.front(), last = wire->points.back();
    wire->ends = {{first.x, first.y, kLinkNone, 0, 0}, {last.x, last.y, kLinkNone, 0, 0}};
    circuit.wires[0] = std::move(wire);
    paintIntoWindow(state, circuit);
}

void BM_PaintHugeWireOfRows(benchmark::State& state) {
    paintHugeWire(state, HugeWire::Rows);
}
void BM_PaintHugeWireScattered(benchmark::State& state) {
    paintHugeWire(state, HugeWire::Scattered);
}

void BM_PaintHugeWireCrossing(benchmark::State& state) {
    paintHugeWire(state, HugeWire::Crossing);
}
// The same selected, so that its lines are three pixels wide.
void BM_PaintHugeWireScatteredHighlighted(benchmark::State& state) {
    paintHugeWire(state, HugeWire::Scattered, true);
}

// The two crafted shapes of CraftedWires.h.
void BM_PaintJunctionPile(benchmark::State& state) {
    CCircuit circuit;
    addJunctionPile(circuit);
    paintIntoWindow(state, circuit);
}
void BM_PaintFarAwayWire(benchmark::State& state) {
    CCircuit circuit;
    addFarAwayWire(circuit);
    paintIntoWindow(state, circuit);
}

}  // namespace

BENCHMARK(BM_PaintJunctionPile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintFarAwayWire)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintFullTablesSpread)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintFullTablesInView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintHugeWireOfRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintHugeWireScattered)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintHugeWireCrossing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintHugeWireScatteredHighlighted)->Unit(benchmark::kMillisecond);
