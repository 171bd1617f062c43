#include <gtest/gtest.h>

#include <QDockWidget>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <filesystem>

#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "desktop/DesktopWindow.h"
#include "desktop/TimingPanel.h"
#include "io/CircuitFile.h"
#include "support/FileContents.h"
#include "support/LotraSim.h"
#include "support/TemporaryDirectory.h"

namespace fs = std::filesystem;

namespace {

constexpr int kTicks = 25;
const fs::path kCounter = fs::path(LOTRA_SOURCE_DIR) / "res" / "examples" / "jk-counter.vrt";

QAction* timingItem(desktop::CDesktopWindow& window) {
    for (QAction* title : window.menuBar()->actions())
        if (title->text() == "&Анализ")
            for (QAction* action : title->menu()->actions())
                if (action->text() == "&Временная диаграмма") return action;
    return nullptr;
}

// The menu item shows the panel under the work area and hides it again; after a
// short run of the example counter the panel shows, pixel for pixel, the diagram
// lotra-sim --timing draws of the same run.
TEST(TimingPanel, ShowsTheRunAsLotraSimDrawsIt) {
    TemporaryDirectory directory;
    ASSERT_TRUE(directory.ok());
    desktop::CDesktopWindow window;
    window.resize(900, 700);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const std::string bytes = textOf(kCounter);
    CCircuit circuit;
    io::decodeCircuit(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()),
                      circuit);
    window.core().replaceCircuit(std::move(circuit), "jk-counter.vrt");
    QAction* item = timingItem(window);
    ASSERT_NE(item, nullptr);
    item->trigger();
    desktop::CTimingPanel* panel = window.timingPanel();
    ASSERT_NE(panel, nullptr);
    auto* dock = window.findChild<QDockWidget*>("timingDock");
    ASSERT_TRUE(QTest::qWaitFor([dock] { return dock->isVisible(); }));
    EXPECT_EQ(window.dockWidgetArea(dock), Qt::BottomDockWidgetArea);

    window.core().OnCommand(command::PowerOn);
    window.core().OnCommand(command::GeneratorStart);
    for (int tick = 0; tick < kTicks; ++tick) window.core().OnTimer(timer::GeneratorClock);
    window.core().OnCommand(command::GeneratorStop);
    panel->refresh();
    const fs::path drawn = directory.path() / "counter.png";
    const LotraSimOutcome outcome =
        runLotraSim(quotedWords({"--ticks", std::to_string(kTicks), "--timing", drawn.string(),
                                 kCounter.string()}),
                    directory.path());
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const QImage expected =
        QImage(QString::fromStdString(drawn.string())).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(expected.isNull());
    const QImage shown = panel->diagram().grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_GE(shown.width(), expected.width());
    ASSERT_GE(shown.height(), expected.height());
    EXPECT_EQ(shown.copy(0, 0, expected.width(), expected.height()), expected);

    item->trigger();
    EXPECT_FALSE(dock->isVisible());
}

}  // namespace
