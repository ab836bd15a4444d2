#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "config/settings.h"
#include "frontend/results.h"
#include "runtime/runtime.h"
#include "text/text.h"
#include "world/world.h"

namespace fs = std::filesystem;

namespace {

std::string drawn;  // characters of the text drawn since the last clear

void record_glyph(int, float, float, int frame) { drawn += static_cast<char>(frame + 33); }

class FrontendResults : public ::testing::Test {
protected:
    fs::path home, folder;

    void SetUp() override {
        static bool opened = false;
        if (!opened) {
            set_backend(backend_none, false);
            open_graphics(800, 600, 32, 60);
            opened = true;
        }
        home = fs::current_path();
        folder = fs::temp_directory_path() /
                 ("zembra_res_" + std::to_string(getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::current_path(folder);
        reset_input();
        reset_world_tables();
        default_settings();
        current_planet = 2;
        current_level = 3;
        campaign_mushrooms = 40;
        campaign_insects = 50;
        campaign_gold = 7;
        light_level = 0;
        glyph_draw = record_glyph;
    }
    void TearDown() override {
        glyph_draw = draw_image;
        fs::current_path(home);
        fs::remove_all(folder);
    }

    static void mission(int mushrooms, int insects, int seconds, int alive) {
        mushrooms_delivered = mushrooms;
        insects_delivered = insects;
        mission_timer = seconds;
        beetles_alive = alive;
    }
    // Frames until the tally has shown its gold line (or the cap).
    static int until_gold(int cap) {
        for (int n = 1; n <= cap; ++n) {
            drawn.clear();
            EXPECT_FALSE(results_frame());
            if (results.row != results_rows) continue;
            // The row closes after the frame is drawn; the next frame shows it.
            drawn.clear();
            EXPECT_FALSE(results_frame());
            return n;
        }
        return -1;
    }
};

TEST_F(FrontendResults, FailedMissionShowsLifeSafeBonusAndEarnsNoGold) {
    for (int result : {0, 1}) {
        SCOPED_TRACE(result);
        mission(3, 2, 130, 4);
        tool_counts[0] = 5;
        tool_counts[7] = 2;
        results_enter(result);
        EXPECT_EQ(campaign_mushrooms, 40);
        EXPECT_EQ(campaign_insects, 50);
        EXPECT_EQ(campaign_gold, 7);
        EXPECT_EQ(results.failure_title, 1);
        ASSERT_GT(until_gold(1500), 0);
        EXPECT_EQ(results.score, 100);  // only the surviving beetles count
        EXPECT_EQ(results.gold, 0);
        EXPECT_NE(drawn.find("LifeSafeBonus"), std::string::npos);
        EXPECT_NE(drawn.find("4x25"), std::string::npos);
        EXPECT_NE(drawn.find("0x50"), std::string::npos);  // time left is not booked
        EXPECT_NE(drawn.find("GoldCollected0"), std::string::npos);
        EXPECT_EQ(campaign_gold, 7);
    }
}

TEST_F(FrontendResults, SuccessBooksDeliveriesScoreAndGold) {
    mission(4, 2, 185, 3);
    tool_counts[3] = 6;
    tool_counts[8] = 50;  // not a bonus tool
    difficulty = 2;
    results_enter(2);
    EXPECT_EQ(results.failure_title, 0);
    EXPECT_EQ(campaign_mushrooms, 44);
    EXPECT_EQ(campaign_insects, 52);
    // 100 + 50 + 150 + 60 + 75
    EXPECT_EQ(results.total, 435);
    EXPECT_EQ(campaign_gold, 7 + 4 + 2);
    ASSERT_GT(until_gold(3000), 0);
    EXPECT_EQ(results.score, 435);
    EXPECT_EQ(results.gold, 6);
    EXPECT_NE(drawn.find("4x25"), std::string::npos);
    EXPECT_NE(drawn.find("3x50"), std::string::npos);
    EXPECT_NE(drawn.find("6x10"), std::string::npos);
}

TEST_F(FrontendResults, GoldIncludesDifficultyBelowAHundred) {
    struct { int mushrooms, alive, level, gold; } cases[] = {
        {3, 0, 1, 1},   // 75 points
        {3, 0, 0, 0},
        {2, 2, 4, 5},   // 100 points
        {0, 3, 3, 3},   // 75 points from survivors alone
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.level);
        campaign_gold = 0;
        difficulty = c.level;
        mission(c.mushrooms, 0, 59, c.alive);
        results_enter(2);
        EXPECT_EQ(results.gold, c.gold);
        EXPECT_EQ(campaign_gold, c.gold);
    }
}

TEST_F(FrontendResults, ZeroRowsCloseAtOnce) {
    mission(0, 0, 0, 0);
    results_enter(1);
    for (int n = 0; n < 101; ++n) results_frame();
    EXPECT_EQ(results.row, -1);
    // One row closes in every frame, the last one with the gold line.
    for (int row = 1; row <= results_rows; ++row) {
        results_frame();
        EXPECT_EQ(results.row, row);
        EXPECT_EQ(results.counter, 0);
    }
    EXPECT_EQ(results.row_delay, 100);
}

TEST_F(FrontendResults, AfterAnEmptyRowTheNextWaitsAHundredFrames) {
    mission(0, 2, 0, 0);
    results_enter(2);
    for (int n = 0; n < 102; ++n) results_frame();
    ASSERT_EQ(results.row, 1);
    for (int n = 0; n < 99; ++n) results_frame();
    EXPECT_EQ(results.counter, 0);
    EXPECT_EQ(results.row_delay, 1);
    // Then one unit every second frame.
    for (int n = 0; n < 3; ++n) results_frame();
    EXPECT_EQ(results.row, 2);
    EXPECT_EQ(results.score, 50);
}

TEST_F(FrontendResults, LastRowStaysOnScreen) {
    mission(1, 0, 0, 1);
    results_enter(2);
    ASSERT_GT(until_gold(1500), 0);
    const int score = results.score;
    for (int n = 0; n < 400; ++n) results_frame();
    EXPECT_EQ(results.row, results_rows);
    EXPECT_EQ(results.score, score);
    EXPECT_EQ(results.row_target, retired_target);
    EXPECT_EQ(results.counter, 0);
}

TEST_F(FrontendResults, OkReactsBeforeTheTallyIsDrawn) {
    mission(5, 1, 60, 2);
    inject_mouse_move(400, 510);
    inject_mouse_button(1, true);
    inject_mouse_button(1, false);
    // Already bright: leaving takes the whole fade.
    light_level = 255;
    EXPECT_TRUE(run_results_frames(2, 60));
    EXPECT_EQ(results.row, -1);
    EXPECT_LT(results.screen_clock, 60);
    EXPECT_EQ(light_level, 0);
    campaign_mushrooms = campaign_insects = campaign_gold = 0;
    read_campaign();
    EXPECT_EQ(no_saved_game, 0);
    EXPECT_EQ(campaign_mushrooms, 45);
    EXPECT_EQ(campaign_insects, 51);
    EXPECT_EQ(campaign_gold, 7 + 2 + 1);
}

TEST_F(FrontendResults, ClicksBesideOkAndFrameCapKeepTheScreen) {
    mission(0, 0, 0, 0);
    inject_mouse_move(375, 510);
    inject_mouse_button(1, true);
    inject_mouse_button(1, false);
    EXPECT_FALSE(run_results_frames(1, 200));
    EXPECT_FALSE(file_exists("game.cfg"));
    EXPECT_EQ(results.leaving, 0);
}

}  // namespace
