#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "config/settings.h"
#include "frontend/selection.h"
#include "runtime/runtime.h"
#include "world/catalogue.h"
#include "world/map_file.h"
#include "world/world.h"

namespace fs = std::filesystem;

namespace {

// Every case plays in a folder of its own with a few small maps, on the
// back end that draws nothing.
class FrontendSelection : public ::testing::Test {
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
                 ("zembra_sel_" + std::to_string(getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder / "maps");
        fs::current_path(folder);
        reset_input();
        reset_world_tables();
        default_settings();
        build_catalogue();
        selection = selection_state{};
        current_planet = 1;
        current_level = 0;
        campaign_mushrooms = campaign_insects = campaign_gold = 0;
        for (int& s : level_status) s = 0;
        for (int& r : route_taken) r = no_route;
        light_level = 0;
    }
    void TearDown() override {
        fs::current_path(home);
        fs::remove_all(folder);
    }

    static void write_level(int planet, int level, int mushrooms) {
        map_data map;
        std::memset(&map, 0, sizeof map);
        for (int c = 0; c < world_cols; ++c) map.front[c][30] = 1;
        for (int m = 0; m < mushrooms; ++m) map.front[5 + m][29] = marker_mushroom;
        map.settings[ls_time] = 240;
        ASSERT_TRUE(write_map_file(level_map_name(planet, level), map));
    }
    static void click(int x, int y) {
        inject_mouse_move(x, y);
        inject_mouse_button(1, true);
        inject_mouse_button(1, false);
    }
    static void press(int code) {
        inject_key(code, true);
        inject_key(code, false);
    }
    // Runs frames until the screen hands over, at most n of them.
    static int frames(int n) {
        for (int i = 0; i < n; ++i) {
            const int r = selection_frame();
            if (r != selection_stay) return r;
        }
        return selection_stay;
    }
    static void click_planet(int row) {
        click((planet_table[row][0] + planet_table[row][2]) / 2,
              (planet_table[row][1] + planet_table[row][3]) / 2);
    }
};

TEST_F(FrontendSelection, JumpCostsTwentyEachRevealsItsRouteAndResetsStatuses) {
    current_planet = 1;  // Nebbla: on to Claza (row 3) or Quanta (row 2)
    campaign_mushrooms = 45;
    campaign_insects = 21;
    route_taken[0] = 0;
    for (int n = 0; n < 7; ++n) level_status[n] = n % 2 + 1;
    selection.selected_level = 4;
    selection.list_scroll = selection.list_scroll_target = 400;
    selection_enter();
    frames(3);
    click_planet(3);
    EXPECT_EQ(frames(120), selection_stay);  // a planet with levels: the screen goes on
    EXPECT_EQ(current_planet, 3);
    EXPECT_EQ(campaign_mushrooms, 25);
    EXPECT_EQ(campaign_insects, 1);
    EXPECT_EQ(route_taken[0], 0);
    EXPECT_EQ(route_taken[1], 2);
    EXPECT_EQ(route_taken[2], no_route);
    for (int s : level_status) EXPECT_EQ(s, 0);
    EXPECT_EQ(selection.selected_level, 0);
    EXPECT_EQ(selection.list_scroll, 0);
    EXPECT_EQ(selection.jump_target, 0);
    EXPECT_EQ(target_light, 255);
}

TEST_F(FrontendSelection, BothRoutesIntoTantaRevealTheirOwnPiece) {
    struct { int from, segment; } cases[] = {{5, 6}, {7, 7}};
    for (auto c : cases) {
        SCOPED_TRACE(c.from);
        selection = selection_state{};
        for (int& r : route_taken) r = no_route;
        current_planet = c.from;
        campaign_mushrooms = campaign_insects = 60;
        light_level = 0;
        selection_enter();
        frames(2);
        click_planet(6);
        // Tanta has no levels, but 40 and 40 still pay for the next jump.
        EXPECT_EQ(frames(120), selection_stay);
        EXPECT_EQ(current_planet, 6);
        EXPECT_EQ(route_taken[0], c.segment);
        EXPECT_EQ(route_taken[1], no_route);
    }
}

TEST_F(FrontendSelection, NineteenMushroomsPayForNoJump) {
    campaign_mushrooms = 19;
    campaign_insects = 100;
    EXPECT_FALSE(can_jump());
    selection_enter();
    frames(2);
    click_planet(2);
    EXPECT_EQ(frames(120), selection_stay);
    EXPECT_EQ(current_planet, 1);
    EXPECT_EQ(campaign_mushrooms, 19);
    EXPECT_EQ(campaign_insects, 100);
    EXPECT_EQ(selection.jump_target, 0);
    EXPECT_EQ(route_taken[0], no_route);
}

TEST_F(FrontendSelection, ClickingAPlanetThatIsNoNeighbourDoesNothing) {
    campaign_mushrooms = campaign_insects = 100;
    EXPECT_FALSE(is_neighbour(1, 5));
    EXPECT_FALSE(is_neighbour(1, 0));
    EXPECT_TRUE(is_neighbour(1, 2));
    selection_enter();
    frames(2);
    for (int row : {0, 1, 5, 10}) {
        click_planet(row);
        EXPECT_EQ(frames(60), selection_stay);
    }
    EXPECT_EQ(current_planet, 1);
    EXPECT_EQ(campaign_mushrooms, 100);
    EXPECT_EQ(selection.jump_target, 0);
}

TEST_F(FrontendSelection, GoIgnoresClicksForFinishedLevelsAndStartsAnOpenOne) {
    level_status[0] = 1;
    level_status[1] = 2;
    selection_enter();
    for (int n : {0, 1}) {
        selection.selected_level = n;
        click(600, 550);
        EXPECT_EQ(frames(80), selection_stay);
        EXPECT_EQ(selection.leaving, selection_stay);
        EXPECT_EQ(target_light, 255);
    }
    press(vk_down);  // level 2 is open
    frames(1);
    EXPECT_EQ(selection.selected_level, 2);
    click(600, 550);
    EXPECT_EQ(frames(80), selection_level);
    EXPECT_EQ(current_level, 2);
    EXPECT_EQ(light_level, 0);
}

TEST_F(FrontendSelection, ArrowsStopAtTheEndsOfAShortList) {
    current_planet = 5;  // two levels
    selection_enter();
    EXPECT_TRUE(down_arrow_shown());
    click(100, 375);
    frames(1);
    EXPECT_EQ(selection.selected_level, 1);
    EXPECT_EQ(selection.list_scroll_target, 100);
    EXPECT_FALSE(down_arrow_shown());
    click(100, 375);
    frames(1);
    press(vk_down);
    frames(1);
    EXPECT_EQ(selection.selected_level, 1);
    EXPECT_EQ(selection.list_scroll_target, 100);
    // The list follows its target: quickly when far, in fifths when near.
    frames(60);
    EXPECT_NEAR(selection.list_scroll, 100, 1);
    click(100, 225);
    frames(1);
    press(vk_up);
    frames(1);
    EXPECT_EQ(selection.selected_level, 0);
    EXPECT_EQ(selection.list_scroll_target, 0);
}

TEST_F(FrontendSelection, ReenteringKeepsTheChoiceWithinThePlanetsLevels) {
    current_planet = 5;
    selection.selected_level = 6;
    selection_enter();
    EXPECT_EQ(selection.selected_level, 1);
    EXPECT_EQ(selection.list_scroll_target, 100);
    current_planet = 6;  // no levels at all
    selection_enter();
    EXPECT_EQ(selection.selected_level, 0);
    EXPECT_FALSE(down_arrow_shown());
}

TEST_F(FrontendSelection, NothingLeftToPlayAndNoJumpEndsTheCampaign) {
    write_campaign();
    current_planet = 2;
    for (int n = 0; n < 5; ++n) level_status[n] = n % 2 + 1;
    campaign_mushrooms = 19;
    campaign_insects = 30;
    selection_enter();
    EXPECT_EQ(frames(60), selection_game_over);
    EXPECT_EQ(selection.game_over, 1);
    EXPECT_FALSE(file_exists("game.cfg"));
}

TEST_F(FrontendSelection, FinishedPlanetWithTheJumpPaidGoesOn) {
    current_planet = 2;
    for (int n = 0; n < 5; ++n) level_status[n] = 1;
    campaign_mushrooms = campaign_insects = 20;
    selection_enter();
    EXPECT_EQ(frames(150), selection_stay);
    EXPECT_EQ(selection.game_over, 0);
    // The cheat key tops both totals up to one jump.
    level_status[4] = 0;
    campaign_mushrooms = 3;
    campaign_insects = 250;
    press('T');
    EXPECT_EQ(frames(150), selection_stay);
    EXPECT_EQ(campaign_mushrooms, 20);
    EXPECT_EQ(campaign_insects, 20);
}

TEST_F(FrontendSelection, AJumpIntoAnEmptyPlanetThatLeavesTooLittleIsGameOver) {
    current_planet = 5;
    campaign_mushrooms = 30;
    campaign_insects = 39;
    selection_enter();
    frames(2);
    click_planet(6);
    EXPECT_EQ(frames(200), selection_game_over);
    EXPECT_EQ(current_planet, 6);
}

TEST_F(FrontendSelection, ReachingTheLastPlanetIsVictory) {
    write_campaign();
    current_planet = 9;
    campaign_mushrooms = campaign_insects = 20;
    route_taken[0] = 9;
    selection_enter();
    frames(2);
    click_planet(10);
    EXPECT_EQ(frames(120), selection_victory);
    EXPECT_EQ(current_planet, 10);
    EXPECT_EQ(campaign_mushrooms, 0);
    EXPECT_EQ(route_taken[0], 9);
    EXPECT_EQ(route_taken[1], no_route);  // no piece of route leads there
    EXPECT_FALSE(file_exists("game.cfg"));
    // A campaign that stands there already is over at once.
    selection_enter();
    EXPECT_EQ(frames(1), selection_victory);
}

TEST_F(FrontendSelection, BackAndEscapeSaveTheCampaignForTheMenu) {
    for (bool escape : {false, true}) {
        SCOPED_TRACE(escape);
        fs::remove("game.cfg");
        current_planet = 4;
        campaign_gold = 17;
        light_level = 255;
        selection_enter();
        if (escape) press(vk_escape);
        else click(60, 560);
        EXPECT_EQ(frames(60), selection_menu);
        campaign_gold = 0;
        current_planet = 0;
        read_campaign();
        EXPECT_EQ(no_saved_game, 0);
        EXPECT_EQ(current_planet, 4);
        EXPECT_EQ(campaign_gold, 17);
    }
}

TEST_F(FrontendSelection, LevelFiguresComeFromThePlanetsMaps) {
    write_level(1, 0, 3);
    write_level(1, 2, 1);
    selection_enter();
    EXPECT_EQ(level_stats[0][0], 3);
    EXPECT_EQ(level_stats[0][2], 240 - 35 * difficulty);
    EXPECT_EQ(level_stats[1][0], 0);
    EXPECT_EQ(level_stats[2][0], 1);
}

TEST_F(FrontendSelection, FrameCapStopsAScreenNobodyLeaves) {
    EXPECT_EQ(run_selection_frames(30), selection_stay);
    EXPECT_EQ(light_level, 150);
}

}  // namespace
