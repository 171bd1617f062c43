#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include "ShownWindowTest.h"
#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "desktop/DesktopWindow.h"
#include "desktop/WorkAreaWidget.h"
#include "support/CircuitBuilder.h"

namespace {

// Qt pointer events on the work area reach the core as the five mouse messages.
class WorkAreaMouseTest : public ShownWindowTest {
  protected:
    QWidget& area() { return window->workArea(); }
    CVortafrm& core() { return window->core(); }
    // QTest drops the modifiers of a move, so a Shift-drag is sent by hand.
    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
              Qt::KeyboardModifiers modifiers) {
        QMouseEvent event(type, QPointF(at), area().mapToGlobal(QPointF(at)), button, buttons,
                          modifiers);
        QApplication::sendEvent(&area(), &event);
    }
    // The circuit made by `build` comes in through the core's door.
    template <typename Build>
    auto give(Build build) {
        CCircuit circuit;
        CircuitBuilder builder(circuit);
        const auto made = build(builder);
        core().replaceCircuit(std::move(circuit), "");
        return made;
    }
    // The next pin-choice dialog gets the pin and OK, clicked as a user clicks them.
    void choosePinWhenAsked(int pin) {
        QTimer::singleShot(0, window.get(), [this, pin] {
            QWidget* dialog = QApplication::activeModalWidget();
            auto* button =
                dialog ? dialog->findChild<QAbstractButton*>(QStringLiteral("pin%1").arg(pin))
                       : nullptr;
            auto* ok = dialog ? dialog->findChild<QAbstractButton*>(QStringLiteral("ok")) : nullptr;
            if (!button || !ok) return;
            button->click();
            ok->click();
            pinChosen = true;
        });
    }

    bool pinChosen = false;
};

TEST_F(WorkAreaMouseTest, PendingElementFollowsThePointerIsPlacedAndCanBeDiscarded) {
    core().OnCommand(command::InsertEntrSignal);
    QTest::mouseMove(&area(), QPoint(203, 152));
    ASSERT_TRUE(core().editState().pendingBlockElement);
    EXPECT_EQ(core().editState().pendingBlockElement->x, 205);
    EXPECT_EQ(core().editState().pendingBlockElement->y, 150);
    QTest::mouseClick(&area(), Qt::LeftButton, Qt::NoModifier, QPoint(203, 152));
    ASSERT_NE(core().circuit().blockElement(0), nullptr);
    EXPECT_FALSE(core().editState().pendingBlockElement);

    core().OnCommand(command::InsertIndicator);
    QTest::mouseClick(&area(), Qt::RightButton, Qt::NoModifier, QPoint(210, 160));
    EXPECT_FALSE(core().editState().pendingLogicElement);
    EXPECT_NE(core().circuit().blockElement(0), nullptr) << "the discarding click deletes nothing";
}

TEST_F(WorkAreaMouseTest, ShiftDragCarriesTheElementUntilTheReleaseEvenOutside) {
    const int32_t summer =
        give([](CircuitBuilder& build) { return build.block(Summer, 100, 100); });
    send(QEvent::MouseButtonPress, {110, 110}, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    send(QEvent::MouseMove, {203, 152}, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    const CBlockElement& moved = *core().circuit().blockElements[summer];
    EXPECT_EQ(moved.x, 205);
    EXPECT_EQ(moved.y, 150);
    send(QEvent::MouseButtonRelease, {-40, -30}, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    EXPECT_FALSE(core().editState().blockHits);
    send(QEvent::MouseMove, {300, 300}, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    EXPECT_EQ(moved.x, 205);
}

// Press, release, double click, release: the first press bends the wire, the double
// click leaves its end free. A second press would add a fifth point.
TEST_F(WorkAreaMouseTest, DoubleClickIsOnePressAndOneDoubleClick) {
    const int32_t signal =
        give([](CircuitBuilder& build) { return build.block(EntrSignal, 100, 100); });
    choosePinWhenAsked(9);
    QTest::mouseClick(&area(), Qt::LeftButton, Qt::NoModifier, QPoint(110, 105));
    ASSERT_TRUE(pinChosen);
    ASSERT_TRUE(core().editState().wireInProgress);
    const CWire& drawn = *core().circuit().wires[*core().editState().wireInProgress];
    ASSERT_EQ(drawn.points, (std::vector<Point>{{125, 110}, {130, 110}})) << "the stub";

    const QPoint inWindow = area().mapTo(window.get(), QPoint(160, 140));
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow);
    EXPECT_FALSE(core().editState().wireInProgress);
    EXPECT_EQ(drawn.points, (std::vector<Point>{{125, 110}, {130, 110}, {130, 140}, {160, 140}}));
    EXPECT_EQ(drawn.ends[1].kind, kLinkNone);
    EXPECT_TRUE(core().circuit().blockElements[signal]->pins[9].connected);
}

}  // namespace
