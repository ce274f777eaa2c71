// The placement arithmetic on its own: fitting into a work area, the workspace-to-screen shift,
// centring with and without invisible borders, and the stored form of a rectangle.
#include "settings/rectangle_fitting.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>

inline bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

using plra::CenteredPosition;
using plra::FitIntoWorkArea;
using plra::NormalPositionOnScreen;

struct FitCase {
    const char* name;
    RECT rectangle;
    RECT work;
    RECT expected;
};

const FitCase kFits[] = {
    {"AlreadyInside", {100, 100, 520, 480}, {0, 0, 1920, 1040}, {100, 100, 520, 480}},
    {"PastTheRightEdge", {1700, 100, 2120, 480}, {0, 0, 1920, 1040}, {1500, 100, 1920, 480}},
    {"UnderATaskBarAtTheBottom", {100, 800, 520, 1080}, {0, 0, 1920, 1040}, {100, 760, 520, 1040}},
    {"UnderATaskBarOnTheLeft", {10, 100, 430, 480}, {40, 0, 1920, 1080}, {40, 100, 460, 480}},
    {"UnderATaskBarAtTheTop", {100, 0, 520, 380}, {0, 30, 1920, 1080}, {100, 30, 520, 410}},
    {"UnderATaskBarOnTheRight", {1600, 100, 2020, 480}, {0, 0, 1880, 1080}, {1460, 100, 1880, 480}},
    {"PastTheBottomRightCorner", {1800, 1000, 2220, 1380}, {0, 0, 1920, 1040}, {1500, 660, 1920, 1040}},
    {"LeftOfAMonitorWithNegativeCoordinates", {-1400, -50, -980, 330}, {-1280, 0, 0, 984},
     {-1280, 0, -860, 380}},
    {"InsideAMonitorAboveThePrimary", {300, -900, 720, -520}, {0, -1024, 1280, -40}, {300, -900, 720, -520}},
    {"WiderThanTheWorkAreaKeepsItsLeftEdgeOnIt", {500, 100, 2600, 480}, {0, 0, 1920, 1040},
     {0, 100, 2100, 480}},
    {"TallerThanTheWorkAreaKeepsItsTopEdgeOnIt", {100, 500, 520, 1700}, {0, 40, 1920, 1080},
     {100, 40, 520, 1240}},
    {"EmptyRectangle", {3000, 3000, 3000, 3000}, {0, 0, 1920, 1040}, {1920, 1040, 1920, 1040}},
};

class Fitting : public testing::TestWithParam<FitCase> {};

TEST_P(Fitting, MovesWithoutResizing) {
    const FitCase& c = GetParam();
    EXPECT_EQ(FitIntoWorkArea(c.rectangle, c.work), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Fitting, testing::ValuesIn(kFits),
                         [](const auto& instance) { return std::string(instance.param.name); });

TEST(FittingExtremes, FarAwayRectanglesComeBackWithoutOverflow) {
    // Values straight from the registry can be anything: the move must not overflow on the way.
    RECT distant{INT_MIN, INT_MIN, INT_MIN + 420, INT_MIN + 380};
    RECT fitted = FitIntoWorkArea(distant, {0, 0, 1920, 1040});
    EXPECT_EQ(fitted, (RECT{0, 0, 420, 380}));
    RECT huge{INT_MIN, 0, INT_MAX, 100};  // wider than any work area
    EXPECT_EQ(FitIntoWorkArea(huge, {-1280, 0, 0, 1024}).left, -1280);
}

struct ShiftCase {
    const char* name;
    RECT normal;
    bool inWorkspace;
    RECT monitor;
    RECT work;
    RECT expected;
};

const ShiftCase kShifts[] = {
    // The worked example: window at screen x = 100 is x = 60 in the workspace.
    {"TaskBarOfFortyPixelsOnTheLeft", {60, 100, 480, 480}, true, {0, 0, 1920, 1080}, {40, 0, 1920, 1080},
     {100, 100, 520, 480}},
    {"TaskBarAtTheTop", {100, 70, 520, 450}, true, {0, 0, 1920, 1080}, {0, 30, 1920, 1080},
     {100, 100, 520, 480}},
    {"TaskBarAtTheBottomChangesNothing", {100, 100, 520, 480}, true, {0, 0, 1920, 1080}, {0, 0, 1920, 1040},
     {100, 100, 520, 480}},
    {"TaskBarOnTheRightChangesNothing", {100, 100, 520, 480}, true, {0, 0, 1920, 1080}, {0, 0, 1880, 1080},
     {100, 100, 520, 480}},
    {"MonitorLeftOfThePrimaryWithItsOwnTaskBar", {60, 100, 480, 480}, true, {-1280, 0, 0, 1024},
     {-1240, 0, 0, 1024}, {100, 100, 520, 480}},
    {"ToolAndChildWindowsAreAlreadyOnScreen", {60, 100, 480, 480}, false, {0, 0, 1920, 1080},
     {40, 0, 1920, 1080}, {60, 100, 480, 480}},
};

class WorkspaceShift : public testing::TestWithParam<ShiftCase> {};

TEST_P(WorkspaceShift, GivesScreenCoordinates) {
    const ShiftCase& c = GetParam();
    EXPECT_EQ(NormalPositionOnScreen(c.normal, c.inWorkspace, c.monitor, c.work), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, WorkspaceShift, testing::ValuesIn(kShifts),
                         [](const auto& instance) { return std::string(instance.param.name); });

struct CentreCase {
    const char* name;
    RECT dialog;
    RECT frame;  // the visible frame; equal to dialog when composition is off
    RECT target;
    RECT work;
    POINT expected;
};

const CentreCase kCentres[] = {
    // The worked example with composition off: centred x = 1735 overflows the right edge.
    {"CompositionOffOverflowingTheRightEdge", {0, 0, 330, 280}, {0, 0, 330, 280}, {1700, 100, 2100, 600},
     {0, 0, 1920, 1040}, {1590, 210}},
    // Composition on, the visible frame 14 pixels narrower and 7 lower: dx = -7, dy = -3, so the
    // visible frame (not the window) touches the right edge.
    {"CompositionOnAgainstTheRightEdge", {0, 0, 330, 280}, {7, 0, 323, 273}, {1700, 100, 2100, 600},
     {0, 0, 1920, 1040}, {1597, 210}},
    {"CompositionOnAgainstTheBottomEdge", {0, 0, 330, 280}, {7, 0, 323, 273}, {100, 900, 500, 1300},
     {0, 0, 1920, 1040}, {135, 763}},
    {"CompositionOnAgainstTheTopLeftCorner", {0, 0, 330, 280}, {7, 0, 323, 273}, {-400, -400, -100, -100},
     {0, 0, 1920, 1040}, {-7, -3}},
    {"CentredOverTheReference", {500, 500, 830, 780}, {500, 500, 830, 780}, {100, 100, 900, 700},
     {0, 0, 1920, 1040}, {335, 260}},
    {"NoReferenceCentresOnTheWorkArea", {0, 0, 330, 280}, {0, 0, 330, 280}, {0, 0, 1920, 1040},
     {0, 0, 1920, 1040}, {795, 380}},
    {"NoReferenceWithATaskBarOnTheLeft", {0, 0, 330, 280}, {0, 0, 330, 280}, {40, 0, 1920, 1080},
     {40, 0, 1920, 1080}, {815, 400}},
    {"ReferencePartlyLeftOfANegativeMonitor", {0, 0, 330, 280}, {0, 0, 330, 280}, {-1400, 50, -1000, 450},
     {-1280, 0, 0, 984}, {-1280, 110}},
    {"ReferenceOnAMonitorAboveThePrimary", {0, 0, 330, 280}, {0, 0, 330, 280}, {200, -800, 600, -400},
     {0, -1024, 1280, -40}, {235, -740}},
    {"LargerThanTheWorkAreaKeepsTheVisibleTopLeftOnIt", {0, 0, 1000, 700}, {7, 0, 993, 693},
     {0, 0, 800, 600}, {0, 0, 800, 600}, {-7, -3}},
    // Halves truncate toward zero: 71 / 2 = 35 and -31 / 2 = -15.
    {"OddDifferenceTruncates", {0, 0, 330, 280}, {0, 0, 330, 280}, {0, 0, 401, 281}, {-1000, -1000, 1000, 1000},
     {35, 0}},
    {"NegativeOddDifferenceTruncatesTowardZero", {0, 0, 331, 281}, {0, 0, 331, 281}, {0, 0, 300, 250},
     {-1000, -1000, 1000, 1000}, {-15, -15}},
};

class Centring : public testing::TestWithParam<CentreCase> {};

TEST_P(Centring, KeepsTheVisibleFrameInsideTheWorkArea) {
    const CentreCase& c = GetParam();
    POINT at = CenteredPosition(c.dialog, c.frame, c.target, c.work);
    EXPECT_EQ(at.x, c.expected.x);
    EXPECT_EQ(at.y, c.expected.y);
}

INSTANTIATE_TEST_SUITE_P(Cases, Centring, testing::ValuesIn(kCentres),
                         [](const auto& instance) { return std::string(instance.param.name); });

struct StoredFormCase {
    const char* name;
    plra::PlacementValues values;
    RECT rectangle;
    bool usable;
};

const StoredFormCase kStoredForms[] = {
    {"Ordinary", {100, 100, 420, 380}, {100, 100, 520, 480}, true},
    {"NegativePosition", {-1200, -50, 420, 380}, {-1200, -50, -780, 330}, true},
    {"ZeroSize", {100, 100, 0, 0}, {100, 100, 100, 100}, true},
    {"NegativeWidth", {100, 100, -420, 380}, {100, 100, -320, 480}, false},
    {"NegativeHeight", {100, 100, 420, -1}, {100, 100, 520, 99}, false},
    // The sums wrap at 32 bits: a right edge past the largest value comes out negative.
    {"WidthWrappingAround", {INT_MAX - 100, 0, 420, 380}, {INT_MAX - 100, 0, INT_MIN + 319, 380}, false},
};

class StoredForm : public testing::TestWithParam<StoredFormCase> {};

TEST_P(StoredForm, ConvertsBothWaysAndTellsUsableEntries) {
    const StoredFormCase& c = GetParam();
    RECT rectangle = plra::RectangleFromPlacement(c.values);
    EXPECT_EQ(rectangle, c.rectangle);
    EXPECT_EQ(plra::IsUsablePlacement({true, rectangle}), c.usable);
    EXPECT_FALSE(plra::IsUsablePlacement({false, rectangle}));
    plra::PlacementValues back = plra::PlacementFromRectangle(rectangle);
    EXPECT_EQ(back.x, c.values.x);
    EXPECT_EQ(back.y, c.values.y);
    EXPECT_EQ(back.cx, c.values.cx);
    EXPECT_EQ(back.cy, c.values.cy);
}

INSTANTIATE_TEST_SUITE_P(Cases, StoredForm, testing::ValuesIn(kStoredForms),
                         [](const auto& instance) { return std::string(instance.param.name); });

TEST(MonitorEntryPath, NamesTheMonitorRectangleInSignedDecimalWithoutSpaces) {
    EXPECT_EQ(plra::MonitorEntryPath("Software\\Ostrel\\Pellora V1\\MainWindow", {0, 0, 1920, 1080}),
              "Software\\Ostrel\\Pellora V1\\MainWindow\\MonitorRectangle(0,0,1920,1080)");
    EXPECT_EQ(plra::MonitorEntryPath("K", {-1280, 0, 0, 1024}), "K\\MonitorRectangle(-1280,0,0,1024)");
    EXPECT_EQ(plra::MonitorEntryPath("K", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}),
              "K\\MonitorRectangle(-2147483648,-2147483648,2147483647,2147483647)");
}

}  // namespace
