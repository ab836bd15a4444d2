#include "devtools/console.h"
#include "play_test_level.h"

namespace {

void type_line(const std::string& text) {
    for (char ch : text) console_type(static_cast<unsigned char>(ch));
    console_type(13);
}

void fresh_console() {
    start_test_level();
    clear_console_log();
    console_input.clear();
}

TEST(PlayConsole, HelpAddsThreeLinesStartingEmpty) {
    fresh_console();
    console_log("marker");
    type_line("help");
    EXPECT_EQ(console_lines[16], "marker");
    EXPECT_EQ(console_lines[17], "");
    EXPECT_EQ(console_lines[18], "exit - Close game");
    EXPECT_EQ(console_lines[19], "restart - Restart current Level");
    EXPECT_EQ(console_input, "");
}

TEST(PlayConsole, SetAndSetelementWriteTheirTables) {
    fresh_console();
    type_line("set 25 600");
    EXPECT_EQ(level_settings[25], 600);
    EXPECT_EQ(console_lines[18], "Succerfly.");
    EXPECT_EQ(console_lines[19], "");
    type_line("setelement 16 99");
    EXPECT_EQ(tool_counts[16], 99);
}

TEST(PlayConsole, TwoSpacesGiveAnEmptyWord) {
    fresh_console();
    level_settings[0] = 7;
    level_settings[3] = 7;
    type_line("set  3 4");
    EXPECT_EQ(level_settings[0], 3);
    EXPECT_EQ(level_settings[3], 7);
}

TEST(PlayConsole, IndexOutsideTheTableIsIgnored) {
    fresh_console();
    int32_t settings[30], tools[26];
    std::memcpy(settings, level_settings, sizeof settings);
    std::memcpy(tools, tool_counts, sizeof tools);
    type_line("set 30 5");
    type_line("set -1 5");
    type_line("setelement 26 5");
    EXPECT_EQ(std::memcmp(settings, level_settings, sizeof settings), 0);
    EXPECT_EQ(std::memcmp(tools, tool_counts, sizeof tools), 0);
    for (int i = 0; i < 20; ++i) EXPECT_NE(console_lines[i], "Succerfly.");
}

TEST(PlayConsole, ExitAndRestartSetTheirFlagsAndExtraWordsAreIgnored) {
    fresh_console();
    type_line("restart now");
    EXPECT_EQ(restart_now, 1);
    EXPECT_EQ(play_frame(), exit_restart);
    fresh_console();
    type_line("exit");
    EXPECT_EQ(leave_to_menu, 1);
    EXPECT_EQ(play_frame(), exit_menu);
    fresh_console();
    type_line("Exit");
    type_line("nothing");
    EXPECT_EQ(leave_to_menu, 0);
    EXPECT_EQ(console_lines[19], "");
}

TEST(PlayConsole, InputRefusesThe81stCharacterAndUntypeableOnes) {
    fresh_console();
    for (int i = 0; i < 81; ++i) console_type('a');
    EXPECT_EQ(console_input.size(), 80u);
    console_input.clear();
    console_type(8);
    EXPECT_EQ(console_input, "");
    for (int ch : {'@', '%', '!', 'Z', '(', '?', ' '}) console_type(ch);
    EXPECT_EQ(console_input, "Z(? ");
    console_type(8);
    EXPECT_EQ(console_input, "Z(?");
}

TEST(PlayConsole, LogScrollsTwentyLines) {
    fresh_console();
    console_log("first");
    for (int i = 0; i < 19; ++i) console_log("x");
    EXPECT_EQ(console_lines[0], "first");
    console_log("y");
    EXPECT_NE(console_lines[0], "first");
    EXPECT_EQ(console_lines[19], "y");
}

TEST(PlayConsole, KeyOpensAndClosesAndKeepsDigitsFromTheTools) {
    fresh_console();
    tool_counts[0] = 3;
    console_open = 0;
    inject_key(vk_console, true);
    play_frame();
    EXPECT_EQ(console_open, 1);
    // The key's state was forgotten: the next frame does not close it again.
    play_frame();
    EXPECT_EQ(console_open, 1);
    inject_char('1');
    play_frame();
    EXPECT_EQ(current_tool, no_tool);
    EXPECT_EQ(console_input, "1");
    inject_key(vk_console, true);
    play_frame();
    EXPECT_EQ(console_open, 0);
    inject_char('1');
    play_frame();
    EXPECT_EQ(current_tool, 0);
}

}  // namespace
