#include <gtest/gtest.h>

#include <QScreen>
#include <QTest>
#include <algorithm>

#include "desktop/DesktopWindow.h"
#include "support/TemporaryDirectory.h"

namespace {

// Run once as it is and once more at twice the scale (see tests/CMakeLists.txt),
// where the offscreen screen has no room for the home rectangle.
TEST(WindowPlacement, HomeRectangleWhereItFitsElseWithinTheAvailableArea) {
    const TemporaryDirectory directory;
    ASSERT_TRUE(directory.ok());
    desktop::CDesktopWindow window;
    window.showAtHome();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const QRect home{100, 50, 640, 480};
    const QRect available = window.screen()->availableGeometry();
    const QRect placed = window.frameGeometry();
    EXPECT_TRUE(available.contains(placed)) << "placed at " << placed.x() << "," << placed.y()
                                            << " " << placed.width() << "x" << placed.height();
    if (available.contains(home))
        EXPECT_EQ(placed, home);
    else
        EXPECT_EQ(placed.size(), QSize(std::min(home.width(), available.width()),
                                       std::min(home.height(), available.height())));
}

}  // namespace
