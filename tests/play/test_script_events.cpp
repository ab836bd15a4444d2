#include "devtools/harness.h"
#include "devtools/input_script.h"
#include "play_test_level.h"

namespace {

// Runs the loop with the harness's frame hook, so scripted events reach the
// play screen as they do on the command line.
void scripted(const std::string& text, int frames) {
    static bool counting = false;
    if (!counting) {
        harness_start_counting();
        set_play_event_handler(play_script_event);
        counting = true;
    }
    std::vector<script_event> events;
    std::string error;
    ASSERT_TRUE(parse_input_script(text, events, error)) << error;
    const long now = frame_number();
    for (script_event e : events) {
        e.frame += now;
        harness_insert_event(e);
    }
    run_frames(frames);
}

void stocked_level() {
    start_test_level();
    landed();
    for (int& t : tool_counts) t = 0;
    tool_counts[2] = 3;
    tool_counts[16] = 5;
    tool_counts[13] = 2;
}

TEST(PlayScript, ToolSwitchesTabWhenNeededThenPicksTheSlot) {
    stocked_level();
    scripted("2 tool 16\n", 5);
    EXPECT_EQ(panel_tab, 1);
    EXPECT_EQ(current_tool, 16);
    scripted("2 tool 2\n", 5);
    EXPECT_EQ(panel_tab, 0);
    EXPECT_EQ(current_tool, 2);
}

TEST(PlayScript, CellAimsTheCameraAndClicksTheCell) {
    stocked_level();
    scripted("2 tool 16\n6 cell 40 28\n", 8);
    EXPECT_NE(order_layer[40][28], 0);
    EXPECT_EQ(tool_counts[16], 4);
    // Far right: the aim keeps the pointer off the panel.
    scripted("2 cell 49 20\n", 4);
    EXPECT_NE(order_layer[49][20], 0);
}

TEST(PlayScript, BeetleClicksWhereTheBeetleIsAtThatFrame) {
    stocked_level();
    float* b = beetles[3];
    b[b_kind] = kind_laborer;
    b[b_x] = 30 * 32;
    b[b_y] = 28 * 32;
    b[b_state] = st_walking;
    b[b_vy] = 1;
    b[b_speed] = 0.8f;
    b[b_dir] = 1;
    scripted("2 tool 13\n20 beetle 3\n", 22);
    EXPECT_EQ(beetles[3][b_kind], kind_armoured);
    EXPECT_EQ(tool_counts[13], 1);
}

}  // namespace
