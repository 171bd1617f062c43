#include <gtest/gtest.h>

#include "render/Zooming.h"

namespace {

using platform::ScrollBarId;
using namespace render;

constexpr Size kClient{640, 480};

TEST(Zooming, StepsAndTheirEnds) {
    struct Case {
        int32_t zoom = 0;
        int steps = 0;
        int32_t expected = 0;
    };
    const Case cases[] = {{100, 1, 150}, {100, -1, 75},  {150, 2, 300},  {400, 1, 400},
                          {25, -1, 25},  {110, 1, 150},  {110, -1, 100}, {10, -1, 25},
                          {10, 1, 25},   {900, -1, 400}, {100, 20, 400}, {100, -20, 25}};
    for (const Case& c : cases)
        EXPECT_EQ(steppedZoom(c.zoom, c.steps), c.expected) << c.zoom << " by " << c.steps;
}

TEST(Zooming, TheWorkAreaPointUnderTheAnchorStaysThere) {
    struct Case {
        Viewport from;
        int32_t zoom = 0;
        Point anchor;
        Viewport expected;
    };
    const Case cases[] = {
        {{0, 0, 100}, 200, {0, 0}, {0, 0, 200}},
        {{0, 0, 100}, 200, {300, 200}, {150, 100, 200}},
        {{100, 50, 100}, 200, {300, 200}, {250, 150, 200}},
        {{250, 150, 200}, 100, {300, 200}, {100, 50, 100}},
        // Offsets stay on the grid and inside the work area.
        {{0, 0, 100}, 150, {301, 200}, {100, 65, 150}},
        {{0, 0, 100}, 50, {300, 200}, {0, 0, 50}},
        {{1400, 1560, 100}, 400, {630, 470}, {1875, 1915, 400}},
        {{0, 0, 100}, 1000, {0, 0}, {0, 0, 400}},
    };
    for (const Case& c : cases) {
        const Viewport zoomed = zoomedAbout(c.from, c.zoom, c.anchor, kClient);
        EXPECT_EQ(zoomed, c.expected) << "to " << c.zoom << ": " << zoomed.scrollX << ", "
                                      << zoomed.scrollY << " at " << zoomed.zoom;
    }
}

TEST(Zooming, TheWheelScrollsByLinesOfTheWorkAreaAtEveryZoom) {
    const Viewport at200 = scrolledByLines({100, 100, 200}, ScrollBarId::Vertical, 3, kClient);
    EXPECT_EQ(at200, (Viewport{100, 115, 200}));
    const Viewport left = scrolledByLines({100, 100, 50}, ScrollBarId::Horizontal, -30, kClient);
    EXPECT_EQ(left, (Viewport{0, 100, 50}));
    // At 400 % the client area shows 160 x 120 work-area pixels.
    const Viewport down = scrolledByLines({0, 1900, 400}, ScrollBarId::Vertical, 100, kClient);
    EXPECT_EQ(down, (Viewport{0, 1930, 400}));
}

}  // namespace
