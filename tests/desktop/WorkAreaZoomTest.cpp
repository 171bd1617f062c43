#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "ShownWindowTest.h"
#include "app/Vortafrm.h"
#include "desktop/WorkAreaWidget.h"
#include "support/SampleCircuit.h"

namespace {

class WorkAreaZoomTest : public ShownWindowTest {
  protected:
    void SetUp() override {
        ShownWindowTest::SetUp();
        CCircuit circuit;
        sample = buildSampleCircuit(circuit);
        core().replaceCircuit(std::move(circuit), "");
    }
    QWidget& area() { return window->workArea(); }
    CVortafrm& core() { return window->core(); }
    QImage picture() {
        QApplication::processEvents();
        return area().grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    void turnWheel(QPoint at, QPoint turn, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(QPointF(at), area().mapToGlobal(QPointF(at)), QPoint(), turn,
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&area(), &event);
    }

    SampleCircuit sample;
};

// At 200 % every pixel of the work area is the pixel of the natural picture under it,
// doubled: bitmaps, lines and text alike.
TEST_F(WorkAreaZoomTest, At200PercentThePictureIsTheNaturalOneWithEveryPixelDoubled) {
    const QImage natural = picture();
    core().restoreZoom(200);
    const QImage zoomed = picture();
    ASSERT_EQ(zoomed.size(), natural.size());
    int differing = 0;
    // Both pictures show the work area beside the bars' strips.
    for (int y = 0; y < zoomed.height() - kBarThickness; ++y) {
        for (int x = 2 * kBarThickness; x < zoomed.width(); ++x)
            differing += zoomed.pixel(x, y) != natural.pixel(x / 2, y / 2);
    }
    EXPECT_EQ(differing, 0);
    EXPECT_NE(zoomed, natural);
}

// The wheel moves three lines a notch at any zoom, Shift+wheel sideways, Ctrl+wheel
// zooms about the pointer, and the bars follow.
TEST_F(WorkAreaZoomTest, TheWheelScrollsByLinesAndZoomsAboutThePointer) {
    const QPoint pointer{200, 150};
    struct Step {
        QPoint turn;
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        Viewport expected;
    };
    const Step steps[] = {
        {{0, -120}, Qt::NoModifier, {0, 15, 100}},
        {{0, -240}, Qt::ShiftModifier, {30, 15, 100}},
        // A touchpad's small turns: a line for every third of a notch, the rest kept.
        {{0, -60}, Qt::NoModifier, {30, 20, 100}},
        {{0, -60}, Qt::NoModifier, {30, 30, 100}},
        {{0, 120}, Qt::ControlModifier, {95, 80, 150}},
        {{0, 120}, Qt::ControlModifier, {130, 105, 200}},
        {{-120, 0}, Qt::NoModifier, {145, 105, 200}},
    };
    for (const Step& step : steps) {
        turnWheel(pointer, step.turn, step.modifiers);
        EXPECT_EQ(core().viewport(), step.expected)
            << core().viewport().scrollX << ", " << core().viewport().scrollY << " at "
            << core().viewport().zoom;
    }
    EXPECT_EQ(window->scrollBar(platform::ScrollBarId::Horizontal).value(), 145);
    EXPECT_EQ(window->scrollBar(platform::ScrollBarId::Vertical).value(), 105);
}

}  // namespace
