// Row wrapping, row placement and hit testing of the tab strip.
#include <gtest/gtest.h>

#include "controls/office/TabStripLayout.h"

namespace sk::office {
namespace {

using drawing::Point;
using drawing::Rect;

constexpr int L = TabStripLayout::kStripLeft;
constexpr int T = TabStripLayout::kStripTop;

TEST(TabStripLayout, OneRowLiesSideBySideFromTheStripLeft) {
    const TabStripLayout strip({{100, 50, 70}, 400, 30, true, true, 0});
    ASSERT_EQ(strip.count(), 3);
    EXPECT_EQ(strip.rowCount(), 1);
    EXPECT_EQ(strip.tabRect(0), (Rect{L, T, 100, 30}));
    EXPECT_EQ(strip.tabRect(1), (Rect{L + 100, T, 50, 30}));
    EXPECT_EQ(strip.tabRect(2), (Rect{L + 150, T, 70, 30}));
    EXPECT_EQ(strip.stripBottom(), T + 30);
    EXPECT_EQ(strip.stripRight(), L + 220);
}

TEST(TabStripLayout, EmptyStripHasNoRows) {
    const TabStripLayout strip({{}, 400, 30, true, false, -1});
    EXPECT_EQ(strip.count(), 0);
    EXPECT_EQ(strip.rowCount(), 0);
    EXPECT_EQ(strip.stripBottom(), T);
    EXPECT_EQ(strip.hitTest({10, 10}), -1);
}

TEST(TabStripLayout, SingleLineNeverWraps) {
    const TabStripLayout strip({{150, 150, 150}, 300, 20, false, false, 2});
    EXPECT_EQ(strip.rowCount(), 1);
    EXPECT_EQ(strip.tabRect(2).left, L + 300);
}

TEST(TabStripLayout, MultiLineWrapsAndStretchesRows) {
    // Row width 300 - 4 = 296: tabs 0,1 (240) fit, tab 2 starts a row, tab 3 joins it.
    const TabStripLayout strip({{120, 120, 120, 100}, 300, 20, true, false, 0});
    ASSERT_EQ(strip.rowCount(), 2);
    EXPECT_EQ(strip.rowOf(0), 0);
    EXPECT_EQ(strip.rowOf(1), 0);
    EXPECT_EQ(strip.rowOf(2), 1);
    EXPECT_EQ(strip.rowOf(3), 1);
    // Every row is stretched to the full width, the extra pixels spread over its tabs.
    for (int i : {1, 3}) EXPECT_EQ(strip.tabRect(i).right(), 300 - TabStripLayout::kRightReserve) << i;
    EXPECT_EQ(strip.tabRect(0).width + strip.tabRect(1).width, 296);
    EXPECT_EQ(strip.stripBottom(), T + 40);
}

TEST(TabStripLayout, ATabWiderThanTheRowStillGetsARow) {
    const TabStripLayout strip({{500, 500}, 300, 20, true, false, 0});
    EXPECT_EQ(strip.rowCount(), 2);
    EXPECT_EQ(strip.tabRect(0).width, 500);
}

// Three rows of one tab each; the table gives the top of each row's tab, as a row
// number counted from the top of the strip (2 is the row that touches the page).
struct RowCase {
    bool scrollOpposite;
    int selected;
    int rowFromTop[3];
};

class TabStripRows : public testing::TestWithParam<RowCase> {};

TEST_P(TabStripRows, SelectedRowTouchesThePage) {
    const RowCase c = GetParam();
    const TabStripLayout strip({{200, 200, 200}, 250, 20, true, c.scrollOpposite, c.selected});
    ASSERT_EQ(strip.rowCount(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(strip.tabRect(i).top, T + 20 * c.rowFromTop[i]) << "tab " << i;
    EXPECT_EQ(strip.tabRect(c.selected).bottom(), strip.stripBottom());
}

INSTANTIATE_TEST_SUITE_P(Rotation, TabStripRows,
                         testing::Values(RowCase{false, 0, {2, 1, 0}}, RowCase{false, 1, {1, 2, 0}},
                                         RowCase{false, 2, {1, 0, 2}},
                                         // Like a drum: the rows in front go round to the far side.
                                         RowCase{true, 0, {2, 1, 0}}, RowCase{true, 1, {0, 2, 1}},
                                         RowCase{true, 2, {1, 0, 2}}));

TEST(TabStripLayout, HitTestFindsTheTabUnderThePoint) {
    const TabStripLayout strip({{100, 50}, 400, 30, true, true, 0});
    EXPECT_EQ(strip.hitTest({L, T}), 0);
    EXPECT_EQ(strip.hitTest({L + 99, T + 29}), 0);
    EXPECT_EQ(strip.hitTest({L + 100, T}), 1);
    EXPECT_EQ(strip.hitTest({L + 150, T}), -1);
    EXPECT_EQ(strip.hitTest({L + 10, T + 30}), -1);
    EXPECT_EQ(strip.hitTest({0, 0}), -1);
}

}  // namespace
}  // namespace sk::office
