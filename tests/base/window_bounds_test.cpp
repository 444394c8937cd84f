#include "base/window_bounds.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

using namespace base;

namespace {
const std::vector<WindowBounds> kOneScreen{{0, 0, 1920, 1040}};
}

TEST(WindowBounds, OffScreenPositionsComeBackToTheEdge) {
    // Left beyond the screen: the right edge meets the screen's right edge.
    EXPECT_EQ(fitToScreens({2000, 100, 300, 200}, kOneScreen), (WindowBounds{1620, 100, 300, 200}));
    EXPECT_EQ(fitToScreens({1920, 1040, 300, 200}, kOneScreen), (WindowBounds{1620, 840, 300, 200}));
    // Partly off any edge: moved on as far as needed, no further.
    EXPECT_EQ(fitToScreens({1800, 1000, 300, 200}, kOneScreen), (WindowBounds{1620, 840, 300, 200}));
    EXPECT_EQ(fitToScreens({-20, -300, 300, 200}, kOneScreen), (WindowBounds{0, 0, 300, 200}));
    // A window that lies on the screen stays exactly where it is.
    EXPECT_EQ(fitToScreens({10, 20, 800, 600}, kOneScreen), (WindowBounds{10, 20, 800, 600}));
}

TEST(WindowBounds, GarbledSizesAndPositionsGiveAUsableWindow) {
    // Sizes beyond the screen shrink to it (no 4 GB backing store).
    EXPECT_EQ(fitToScreens({0, 0, INT_MAX, 100000}, kOneScreen), (WindowBounds{0, 0, 1920, 1040}));
    EXPECT_EQ(fitToScreens({INT_MAX, INT_MAX, INT_MAX, INT_MAX}, kOneScreen), (WindowBounds{0, 0, 1920, 1040}));
    EXPECT_EQ(fitToScreens({INT_MIN, INT_MIN, 400, 300}, kOneScreen), (WindowBounds{0, 0, 400, 300}));
    // Zero or negative sizes grow to the window's minimum.
    EXPECT_EQ(fitToScreens({100, 100, 0, -5}, kOneScreen, 320, 240), (WindowBounds{100, 100, 320, 240}));
    EXPECT_EQ(fitToScreens({100, 100, INT_MIN, 5}, kOneScreen), (WindowBounds{100, 100, 1, 5}));
    // A minimum beyond the screen gives way to the screen.
    EXPECT_EQ(fitToScreens({0, 0, 100, 100}, kOneScreen, 5000, 5000), (WindowBounds{0, 0, 1920, 1040}));
}

TEST(WindowBounds, AWindowStaysOnTheScreenItBelongsTo) {
    // A second screen right of the primary, with a panel at its top.
    const std::vector<WindowBounds> two{{0, 0, 1920, 1040}, {1920, 30, 1280, 994}};
    EXPECT_EQ(fitToScreens({2000, 100, 800, 600}, two), (WindowBounds{2000, 100, 800, 600}));
    EXPECT_EQ(fitToScreens({3000, 0, 800, 600}, two), (WindowBounds{2400, 30, 800, 600}));
    // Larger than the second screen: the size is that screen's.
    EXPECT_EQ(fitToScreens({2000, 100, 1900, 1000}, two), (WindowBounds{1920, 30, 1280, 994}));
    // On no screen at all (a screen unplugged since): the primary.
    EXPECT_EQ(fitToScreens({9000, 9000, 800, 600}, two), (WindowBounds{1120, 440, 800, 600}));
    // Straddling both, centre on the first: on the first.
    EXPECT_EQ(fitToScreens({1500, 100, 800, 600}, two), (WindowBounds{1120, 100, 800, 600}));
}
