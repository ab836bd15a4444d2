#include <algorithm>

#include "play/draw.h"
#include "play/placement.h"
#include "play_test_level.h"

namespace {

// A landed level with the pointer resting on cell (c, r): one frame lets the
// preview judge the cell, the next clicks it.
int view_x(int c) { return std::clamp(c * 32 - 384, 0, 800); }

void rest_on(int c, int r) {
    camera_x = view_x(c);
    camera_y = 360;
    inject_mouse_move(c * 32 + 16 - camera_x, r * 32 + 16 - 360);
    play_frame();
    camera_x = view_x(c);
    camera_y = 360;
}

void click_cell(int c, int r) {
    rest_on(c, r);
    click_at(c * 32 + 16 - camera_x, r * 32 + 16 - 360);
    play_frame();
}

void placement_level() {
    start_test_level();
    landed();
    for (int& t : tool_counts) t = 0;
}

TEST(PlayPanel, DigitKeysSelectSlotsOfTheShownTabOnly) {
    placement_level();
    tool_counts[12] = 2;
    tool_counts[7] = 1;
    inject_char('1');
    play_frame();
    EXPECT_EQ(current_tool, no_tool); // tool 0 has no stock
    inject_char('8');
    play_frame();
    EXPECT_EQ(current_tool, 7);
    inject_char('9');
    play_frame();
    EXPECT_EQ(current_tool, 7);
    panel_tab = 1;
    inject_char('1');
    play_frame();
    EXPECT_EQ(current_tool, 12);
}

TEST(PlayPanel, StockOfOneDeselectsAfterUse) {
    placement_level();
    tool_counts[4] = 1;
    current_tool = 4;
    click_cell(20, 28);
    EXPECT_EQ(plan_layer[20][28], plan_dynamite);
    EXPECT_EQ(tool_counts[4], 0);
    EXPECT_EQ(current_tool, no_tool);
}

TEST(PlayPanel, UnlimitedArrowsButBridgesStillCountDown) {
    placement_level();
    tool_counts[16] = 99;
    current_tool = 16;
    click_cell(20, 28);
    EXPECT_EQ(tool_counts[16], 99);
    EXPECT_EQ(order_layer[20][28], order_left == (20 > saucer_drop_col) ? order_left : order_right);
    tool_counts[0] = 99;
    current_tool = 0;
    terrain_front[5][28] = 21; // a ground edge the bridge can start from
    click_cell(6, 28);
    EXPECT_EQ(plan_layer[6][28], plan_bridge);
    EXPECT_EQ(tool_counts[0], 98);
}

TEST(PlayPanel, ArrowsFlipAndTheCleanerRemovesWithRefund) {
    placement_level();
    order_layer[20][28] = order_left;
    click_cell(20, 28);
    EXPECT_EQ(order_layer[20][28], order_right);
    tool_counts[16] = 3;
    tool_counts[23] = 2;
    current_tool = 23;
    click_cell(20, 28);
    EXPECT_EQ(order_layer[20][28], 0);
    EXPECT_EQ(tool_counts[16], 4);
    EXPECT_EQ(tool_counts[23], 1);
}

TEST(PlayPanel, PlanCleanerClearsARowOfBridgesAndElevatorTops) {
    placement_level();
    for (int c = 10; c < 15; ++c) plan_layer[c][27] = plan_bridge;
    tool_counts[11] = 1;
    current_tool = 11;
    click_cell(12, 27);
    for (int c = 10; c < 15; ++c) EXPECT_EQ(plan_layer[c][27], 0) << c;
    EXPECT_EQ(tool_counts[0], 5);
    EXPECT_EQ(tool_counts[11], 1);

    plan_layer[20][28] = plan_elevator_base;
    plan_layer[20][24] = plan_elevator_top;
    click_cell(20, 28);
    EXPECT_EQ(plan_layer[20][28], 0);
    EXPECT_EQ(plan_layer[20][24], 0);
    EXPECT_EQ(tool_counts[1], 1);

    plan_layer[16][28] = plan_elevator_base;
    plan_layer[16][25] = plan_elevator_top;
    click_cell(16, 25);
    EXPECT_EQ(plan_layer[16][25], 0);
    EXPECT_EQ(tool_counts[1], 2);
    // The base left behind goes with the next frame's plan drawing, unrefunded.
    play_frame();
    EXPECT_EQ(plan_layer[16][28], 0);
    EXPECT_EQ(tool_counts[1], 2);
}

TEST(PlayPanel, ElevatorNeedsTwoRowsAboveTheAnchor) {
    placement_level();
    tool_counts[1] = 2;
    current_tool = 1;
    click_cell(20, 28);
    EXPECT_EQ(play.placing, 1);
    click_cell(20, 27);
    EXPECT_EQ(plan_layer[20][27], 0);
    EXPECT_EQ(tool_counts[1], 2);
    EXPECT_EQ(play.placing, 0); // a refused click ends the placement
    click_cell(20, 28);
    click_cell(20, 26);
    EXPECT_EQ(plan_layer[20][28], plan_elevator_base);
    EXPECT_EQ(plan_layer[20][26], plan_elevator_top);
    EXPECT_EQ(tool_counts[1], 1);
    EXPECT_EQ(play.placing, 0);
}

struct validity_case {
    int tool;
    int c, r;
    bool valid;
    const char* what;
};

TEST(PlayPanel, PlacementValidityForEveryCellTool) {
    placement_level();
    terrain_front[30][27] = 21;  // ground with empty space above, standing on the floor
    terrain_front[31][28] = tile_bridge;
    order_layer[40][28] = order_left;
    terrain_front[24][28] = terrain_front[24][27] = 1;
    plan_layer[12][28] = plan_dynamite;
    const validity_case cases[] = {
        {2, 20, 29, true, "boring into rock"},
        {2, 20, 28, false, "boring into air"},
        {2, 31, 28, true, "boring a bridge"},
        {5, 30, 27, true, "absorber on ground"},
        {5, 24, 28, false, "absorber under rock"},
        {4, 20, 28, true, "dynamite on the floor"},
        {4, 20, 27, false, "dynamite in the air"},
        {1, 20, 28, true, "elevator base on the floor"},
        {1, 20, 27, false, "elevator base in the air"},
        {0, 29, 27, true, "bridge from a ground edge"},
        {0, 25, 27, false, "bridge with nothing beside"},
        {0, 32, 28, true, "bridge from a bridge"},
        {11, 12, 28, true, "cleaner on a plan"},
        {11, 13, 28, false, "cleaner on nothing"},
        {16, 20, 28, true, "arrow in open air"},
        {16, 41, 27, false, "arrow next to an arrow"},
        {16, 20, 29, false, "arrow in rock"},
    };
    for (const validity_case& v : cases) {
        tool_counts[v.tool] = 5;
        current_tool = v.tool;
        play.valid = !v.valid;
        rest_on(v.c, v.r);
        EXPECT_EQ(play.valid, v.valid ? 1 : 0) << v.what;
    }
}

TEST(PlayPanel, TransformNeedsABeetleOfAnotherKind) {
    placement_level();
    landed();
    float* b = beetles[0];
    b[b_kind] = kind_laborer;
    b[b_x] = 20 * 32;
    b[b_y] = 28 * 32;
    b[b_state] = st_walking;
    b[b_vy] = 1;
    b[b_kind] = kind_armoured;
    tool_counts[12] = 2;
    tool_counts[13] = 2;
    current_tool = 13;
    click_cell(20, 28);
    EXPECT_EQ(tool_counts[13], 2); // already armoured
    current_tool = 12;
    b[b_x] = 20 * 32;
    click_cell(20, 28);
    EXPECT_EQ(beetles[0][b_kind], kind_builder);
    EXPECT_EQ(tool_counts[12], 1);
}

TEST(PlayStatus, PagesSkipWhatTheLevelDoesNotHave) {
    placement_level();
    items[0][i_type] = item_insect; // no mushrooms, one insect
    play.status_page = 0;
    play.page_timer = 308;
    play_frame();
    EXPECT_EQ(play.page_timer, 309);
    EXPECT_EQ(play.status_page, 1);
    play_frame();
    EXPECT_EQ(play.status_page, 2); // no mushrooms: on to the insects
    items[0][i_type] = item_none;
    insects_left = 0;
    play.status_page = 2;
    mission_over = 1; // keep the end of the mission from mattering here
    play_frame();
    EXPECT_EQ(play.status_page, 0);
}

TEST(PlayStatus, ClickOnThePanelStartsThePageChange) {
    placement_level();
    play.page_timer = 10;
    click_at(740, 500);
    play_frame();
    play_frame();
    EXPECT_GE(play.page_timer, 299);
    EXPECT_LE(play.page_timer, 301);
}

TEST(PlayStatus, ClockDigitsAndColours) {
    placement_level();
    status_text = "ACTION";
    clock_face f = mission_clock(9, 200);
    EXPECT_EQ(f.text, "00:09");
    EXPECT_EQ(f.r, 200);
    EXPECT_EQ(f.g, 0);
    f = mission_clock(60, 200);
    EXPECT_EQ(f.text, "01:00");
    EXPECT_EQ(f.g, 200);
    f = mission_clock(605, 100);
    EXPECT_EQ(f.text, "10:05");
    status_text = "Prepare to action";
    f = mission_clock(5, 200);
    EXPECT_EQ(f.r, 0);
    EXPECT_EQ(f.g, 200);
    EXPECT_EQ(f.b, 0);
}

}  // namespace
