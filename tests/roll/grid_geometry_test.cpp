#include <gtest/gtest.h>

#include "roll/geometry.h"
#include "roll/time_grid.h"
#include "support/event_rows.h"

using roll::Snap;
using roll::TimeGrid;

TEST(Geometry, TicksAndKeysGoToPixelsAndBackAtEveryZoom) {
    for (double zoom : {1.0 / 2048, 1.0 / 64, 0.25, 1.0, 7.5}) {
        for (int keyHeight : {3, 10, 40}) {
            roll::Geometry g{zoom, keyHeight, 1000, 37};
            for (std::uint64_t tick : {1000ull, 1001ull, 4567ull, 1000000ull}) {
                const double x = g.x(tick);
                // The pixel's own tick is the tick, or within a pixel's worth of ticks below it.
                const std::uint64_t back = g.tick(x);
                EXPECT_LE(back, tick);
                EXPECT_LT(static_cast<double>(tick - back), 1.0 / zoom + 1) << zoom << " " << tick;
                EXPECT_EQ(g.tick(g.x(tick) + 0.5 * std::min(1.0, zoom)), tick) << zoom << " " << tick;
            }
            for (int key : {0, 1, 60, 126, 127}) {
                EXPECT_EQ(g.key(g.y(key)), key);
                EXPECT_EQ(g.key(g.y(key) + keyHeight - 1), key);
            }
        }
    }
    roll::Geometry g{0.5, 10, 0, 0};
    EXPECT_EQ(g.tick(-50), 0u);       // left of the first tick
    EXPECT_EQ(g.key(-5), 127);        // above the top key
    EXPECT_EQ(g.key(100000), 0);      // below the bottom key
}

TEST(Geometry, ZoomKeepsWhatIsUnderThePointer) {
    roll::Geometry g{0.2, 10, 500, 300};
    const std::uint64_t anchorTick = g.tick(240);
    g.zoomTime(2.0, 240);
    EXPECT_NEAR(static_cast<double>(g.tick(240)), static_cast<double>(anchorTick), 1.0);
    EXPECT_DOUBLE_EQ(g.pixelsPerTick, 0.4);
    g.zoomTime(1e9, 0);
    EXPECT_DOUBLE_EQ(g.pixelsPerTick, roll::Geometry::kMaxPixelsPerTick);

    const int anchorKey = g.key(200);
    g.zoomKeys(20, 200);
    EXPECT_EQ(g.key(200), anchorKey);
    g.zoomKeys(1, 200);
    EXPECT_EQ(g.keyHeight, roll::Geometry::kMinKeyHeight);
}

TEST(TimeGrid, BarsFollowTheTimeSignatures) {
    // 4/4 at 96 a quarter; 3/4 from tick 768 (bar 3); 6/8 from 1056, a bar cut short.
    const auto list = testing_support::listOf({{0, {0xFF, 0x58, 0x04, 4, 2, 24, 8}},
                                               {768, {0xFF, 0x58, 0x04, 3, 2, 24, 8}},
                                               {288, {0xFF, 0x58, 0x04, 6, 3, 24, 8}}});
    const TimeGrid grid(96, roll::metersOf(list));
    EXPECT_EQ(grid.barAt(0).number, 1);
    EXPECT_EQ(grid.barAt(767).start, 384u);
    EXPECT_EQ(grid.barAt(767).number, 2);
    EXPECT_EQ(grid.barAt(768).length, 288u);
    EXPECT_EQ(grid.barAt(1000).number, 3);
    EXPECT_EQ(grid.barAt(1056).number, 4);
    EXPECT_EQ(grid.barAt(1056).beat, 48u);
    EXPECT_EQ(grid.barAt(1056 + 288).number, 5);

    std::vector<std::pair<std::uint64_t, int>> lines;
    grid.forEachLine(700, 1100, 1, [&](std::uint64_t t, int bar) { lines.push_back({t, bar}); });
    const std::vector<std::pair<std::uint64_t, int>> expected{{768, 3}, {864, 0}, {960, 0}, {1056, 4}};
    EXPECT_EQ(lines, expected);

    lines.clear();
    grid.forEachLine(0, 800, 200, [&](std::uint64_t t, int bar) { lines.push_back({t, bar}); });
    // Bars 1 to 3 only: beats closer than asked are left out.
    EXPECT_EQ(lines, (std::vector<std::pair<std::uint64_t, int>>{{0, 1}, {384, 2}, {768, 3}}));

    // A time signature with a numerator of 0 counts as 4/4.
    const auto odd = testing_support::listOf({{0, {0xFF, 0x58, 0x04, 0, 2, 24, 8}}});
    EXPECT_EQ(roll::metersOf(odd).front().numerator, 4);
}

TEST(TimeGrid, SnapsToTheNearestStepWithinTheBar) {
    const auto list = testing_support::listOf({{960, {0xFF, 0x58, 0x04, 5, 3, 24, 8}}});  // 5/8 from bar 3
    const TimeGrid grid(96, roll::metersOf(list));
    EXPECT_EQ(grid.snapped(100, Snap{8, false}), 96u);
    EXPECT_EQ(grid.snapped(73, Snap{8, false}), 96u);
    EXPECT_EQ(grid.snapped(71, Snap{8, false}), 48u);
    EXPECT_EQ(grid.snapped(100, Snap{0, false}), 100u);
    EXPECT_EQ(grid.snapStep(Snap{8, true}), 32u);
    EXPECT_EQ(grid.snapped(50, Snap{8, true}), 64u);
    EXPECT_EQ(grid.snappedDown(63, Snap{8, true}), 32u);
    EXPECT_EQ(grid.snapStep(Snap{1, false}), 384u);
    // In a 5/8 bar (240 ticks) the half-note steps are 0 and 192, and the bar's end counts.
    EXPECT_EQ(grid.snapped(960 + 230, Snap{2, false}), 960u + 240);
    EXPECT_EQ(grid.snapped(960 + 200, Snap{2, false}), 960u + 192);
    // A division too small for 1/32 triplets still steps.
    const TimeGrid coarse(3, {});
    EXPECT_EQ(coarse.snapStep(Snap{32, true}), 1u);

    EXPECT_EQ(roll::snapChoices().size(), 12u);
    EXPECT_EQ(roll::snapText(Snap{16, true}), "1/16T");
    EXPECT_EQ(roll::snapText(Snap{0, false}), "Off");
}
