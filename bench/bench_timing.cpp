// Redrawing the timing diagram of a full recording: 100,000 columns of 64 signals
// that change at random, at one pixel a tick (the most columns in view) and at ten,
// through the window's canvas.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <random>

#include "analysis/TimingPicture.h"
#include "canvas/PainterCanvas.h"
#include "model/Circuit.h"

namespace {

constexpr int kSignals = 64;
constexpr int32_t kViewWidth = 1000;

QGuiApplication& application() {
    static int argc = 1;
    static char name[] = "bench_timing";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return app;
}

struct FullRecording {
    CCircuit circuit;
    analysis::CTimingRecording recording;
    analysis::CTimingRows rows;

    FullRecording() {
        for (int32_t slot = 0; slot < kSignals; ++slot) {
            auto signal = std::make_unique<CBlockElement>(EntrSignal);
            signal->setPosition(0, slot * 40);
            circuit.blockElements[static_cast<size_t>(slot)] = std::move(signal);
        }
        rows.follow(circuit, recording);
        std::mt19937 random(7);
        recording.startAtPowerOn(circuit);
        for (uint64_t n = 1; n < analysis::CTimingRecording::kKeptColumns; ++n) {
            for (auto& element : circuit.blockElements)
                if (element) element->pins[kOutputPin].value = random() & 1U;
            recording.recordTick(circuit);
        }
    }
    analysis::TimingView lastView(int32_t pixelsPerTick) const {
        analysis::TimingView view{
            pixelsPerTick, 0, {kViewWidth, analysis::timingLayout(rows).height}};
        view.scroll = analysis::timingLastScroll(recording, rows, view);
        return view;
    }
};

const FullRecording& fullRecording() {
    static const FullRecording full;
    return full;
}

void BM_RedrawTimingDiagramQt(benchmark::State& state) {
    application();
    const FullRecording& full = fullRecording();
    const analysis::TimingView view = full.lastView(static_cast<int32_t>(state.range(0)));
    QImage image(view.size.width, view.size.height, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        canvas::CPainterCanvas canvas(painter);
        analysis::drawTimingDiagram(canvas, full.recording, full.rows, view);
    }
}
BENCHMARK(BM_RedrawTimingDiagramQt)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
