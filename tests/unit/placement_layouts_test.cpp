// Restoring the dialog's place across changes of the monitor layout: the remembered entries and
// the monitors are given by the test, so that layouts no test machine has can be tried.
#include "settings/placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

const std::string kKey = "Software\\Ostrel\\Pellora V1\\MainWindow";

long long Overlap(const RECT& a, const RECT& b) {
    long long w = std::min(a.right, b.right) - static_cast<long long>(std::max(a.left, b.left));
    long long h = std::min(a.bottom, b.bottom) - static_cast<long long>(std::max(a.top, b.top));
    return w > 0 && h > 0 ? w * h : 0;
}

long long DistanceSquared(const RECT& a, const RECT& b) {
    long long dx = std::max({0LL, static_cast<long long>(b.left) - a.right, static_cast<long long>(a.left) - b.right});
    long long dy = std::max({0LL, static_cast<long long>(b.top) - a.bottom, static_cast<long long>(a.top) - b.bottom});
    return dx * dx + dy * dy;
}

// What MonitorFromRect with MONITOR_DEFAULTTONEAREST picks: the monitor sharing the largest
// area with the rectangle, or the closest one when none does.
plra::MonitorAreas Nearest(const std::vector<plra::MonitorAreas>& layout, const RECT& r) {
    const plra::MonitorAreas* best = &layout.front();
    for (const auto& m : layout) {
        long long o = Overlap(m.monitor, r), bestO = Overlap(best->monitor, r);
        if (o > bestO || (o == 0 && bestO == 0 && DistanceSquared(m.monitor, r) < DistanceSquared(best->monitor, r)))
            best = &m;
    }
    return *best;
}

using Entries = std::map<std::string, plra::PlacementValues>;

// The primary monitor 1920 x 1080 with a 40-pixel task bar at the bottom.
const plra::MonitorAreas kPrimary{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}};
const plra::MonitorAreas kRightMonitor{{1920, 0, 3200, 1024}, {1920, 0, 3200, 1024}};
const plra::MonitorAreas kRightMonitorResized{{1920, 0, 3840, 1080}, {1920, 0, 3840, 1080}};
const plra::MonitorAreas kLeftMonitor{{-1280, 0, 0, 1024}, {-1280, 0, 0, 984}};

std::string MonitorKey(const plra::MonitorAreas& m) { return plra::MonitorEntryPath(kKey, m.monitor); }

// Both entries as a save on that monitor leaves them.
Entries SavedOn(const plra::MonitorAreas& m, plra::PlacementValues v) { return {{kKey, v}, {MonitorKey(m), v}}; }

struct LayoutCase {
    const char* name;
    std::vector<plra::MonitorAreas> layout;
    Entries entries;
    RECT defaultRectangle;
    RECT expected;
};

const RECT kDefault{750, 350, 1170, 730};  // where the system put the dialog: 420 x 380

const LayoutCase kLayouts[] = {
    {"FirstRunStaysAtTheDefault", {kPrimary}, {}, kDefault, kDefault},
    {"FirstRunDefaultPartlyOffTheWorkAreaIsMovedIn", {kPrimary}, {}, {1700, 900, 2120, 1280},
     {1500, 660, 1920, 1040}},
    {"SavedAt100And100IsRestored", {kPrimary}, SavedOn(kPrimary, {100, 100, 420, 380}), kDefault,
     {100, 100, 520, 480}},
    {"SavedOnTheSecondMonitorIsRestored", {kPrimary, kRightMonitor}, SavedOn(kRightMonitor, {2200, 300, 420, 380}),
     kDefault, {2200, 300, 2620, 680}},
    {"SavedOnAMonitorWithNegativeCoordinatesIsRestored", {kLeftMonitor, kPrimary},
     SavedOn(kLeftMonitor, {-1200, 50, 420, 380}), kDefault, {-1200, 50, -780, 430}},
    // The monitor it was saved on is gone: the primary is now nearest and has no entry.
    {"SecondMonitorDisconnectedGivesTheDefault", {kPrimary}, SavedOn(kRightMonitor, {2200, 300, 420, 380}),
     kDefault, kDefault},
    // Another resolution: no entry for the new rectangle. The default is fitted into the work
    // area of the monitor nearest to the remembered rectangle, here the resized right monitor.
    {"SecondMonitorResizedGivesTheDefaultFittedIntoThatMonitor", {kPrimary, kRightMonitorResized},
     SavedOn(kRightMonitor, {2200, 300, 420, 380}), kDefault, {1920, 350, 2340, 730}},
    {"EntryOfAnotherMonitorDoesNotConfirm", {kPrimary},
     {{kKey, {100, 100, 420, 380}}, {MonitorKey(kRightMonitor), {100, 100, 420, 380}}}, kDefault, kDefault},
    {"MonitorEntryDifferingInOneValueDoesNotConfirm", {kPrimary},
     {{kKey, {100, 100, 420, 380}}, {MonitorKey(kPrimary), {100, 100, 420, 381}}}, kDefault, kDefault},
    {"MissingMonitorEntryGivesTheDefault", {kPrimary}, {{kKey, {100, 100, 420, 380}}}, kDefault, kDefault},
    {"NegativeWidthIsInvalid", {kPrimary}, SavedOn(kPrimary, {100, 100, -420, 380}), kDefault, kDefault},
    {"NegativeHeightIsInvalid", {kPrimary}, SavedOn(kPrimary, {100, 100, 420, -380}), kDefault, kDefault},
    {"WidthWrappingPastTheLargestValueIsInvalid", {kPrimary}, SavedOn(kPrimary, {0x7FFFFF00, 100, 0x200, 380}),
     kDefault, kDefault},
    {"ZeroSizeIsValid", {kPrimary}, SavedOn(kPrimary, {100, 100, 0, 0}), kDefault, {100, 100, 100, 100}},
    // Saved while the task bar was elsewhere; now it sits at the bottom and covers the dialog's
    // lower part: moved up until its bottom meets the work area, same size.
    {"TaskBarMovedToTheBottomPushesItUp", {kPrimary}, SavedOn(kPrimary, {100, 700, 420, 380}), kDefault,
     {100, 660, 520, 1040}},
    {"TaskBarOnTheLeftPushesItRight", {{{0, 0, 1920, 1080}, {40, 0, 1920, 1080}}},
     SavedOn({{0, 0, 1920, 1080}, {}}, {10, 100, 420, 380}), kDefault, {40, 100, 460, 480}},
    {"WiderThanTheMonitorKeepsItsLeftEdgeOnTheWorkArea", {kPrimary}, SavedOn(kPrimary, {300, 100, 2000, 380}),
     kDefault, {0, 100, 2000, 480}},
};

class RestoreAcrossLayouts : public testing::TestWithParam<LayoutCase> {};

TEST_P(RestoreAcrossLayouts, OpensWhereTheLayoutAllows) {
    const LayoutCase& c = GetParam();
    std::vector<std::string> reads;
    auto read = [&](const std::string& keyPath) {
        reads.push_back(keyPath);
        auto found = c.entries.find(keyPath);
        if (found == c.entries.end()) return plra::StoredPlacement{false, {0, 0, 0, 0}};
        return plra::StoredPlacement{true, plra::RectangleFromPlacement(found->second)};
    };
    auto monitors = [&](const RECT& r) { return Nearest(c.layout, r); };
    RECT placed = plra::RestorePlacementWith(kKey, c.defaultRectangle, read, monitors);
    EXPECT_EQ(placed.left, c.expected.left);
    EXPECT_EQ(placed.top, c.expected.top);
    EXPECT_EQ(placed.right, c.expected.right);
    EXPECT_EQ(placed.bottom, c.expected.bottom);
    // The base entry comes first; a monitor entry is looked at only for a usable base entry.
    ASSERT_FALSE(reads.empty());
    EXPECT_EQ(reads.front(), kKey);
    EXPECT_LE(reads.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Cases, RestoreAcrossLayouts, testing::ValuesIn(kLayouts),
                         [](const auto& instance) { return std::string(instance.param.name); });

}  // namespace
