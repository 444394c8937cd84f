#include "base/window_bounds.h"

#include <gtest/gtest.h>

using namespace base;

TEST(WindowBounds, OffScreenPositionsComeBackToTheEdge) {
    // Left beyond the screen: the right edge meets the screen's right edge.
    EXPECT_EQ(keepOnScreen({2000, 100, 300, 200}, 1920, 1080), (WindowBounds{1620, 100, 300, 200}));
    // Exactly at the edge counts as off screen; one pixel inside does not.
    EXPECT_EQ(keepOnScreen({1920, 1080, 300, 200}, 1920, 1080), (WindowBounds{1620, 880, 300, 200}));
    EXPECT_EQ(keepOnScreen({1919, 1079, 300, 200}, 1920, 1080), (WindowBounds{1919, 1079, 300, 200}));
}
