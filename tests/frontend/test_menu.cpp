// The main menu, its pages, the loading screen and the end-of-campaign
// pictures, driven frame by frame with injected input on the no-drawing
// back end (the strip check draws offscreen).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "audio/sound_table.h"
#include "config/settings.h"
#include "frontend/gameover.h"
#include "frontend/loading.h"
#include "frontend/menu.h"
#include "frontend/options.h"
#include "frontend/resources.h"
#include "frontend/screens.h"
#include "runtime/runtime.h"
#include "world/world.h"

namespace fs = std::filesystem;

namespace {

struct scheduled {
    long frame;
    std::function<void()> act;
};
std::vector<scheduled> schedule;
long frames_shown = 0;

// Input scheduled for frame n is injected once frame n is presented, so the
// snapshot of frame n + 1 sees it.
void test_hook() {
    ++frames_shown;
    set_frame_number(frames_shown);
    for (const scheduled& s : schedule)
        if (s.frame == frames_shown) s.act();
}

void at(long frame, std::function<void()> act) { schedule.push_back({frame, std::move(act)}); }
void move_to(long frame, int x, int y) { at(frame, [=] { inject_mouse_move(x, y); }); }
void click_at(long frame, int x, int y) {
    at(frame, [=] {
        inject_mouse_move(x, y);
        inject_mouse_button(1, true);
        inject_mouse_button(1, false);
    });
}
void hold_escape(long frame, int frames) {
    at(frame, [] { inject_key(vk_escape, true); });
    at(frame + frames, [] { inject_key(vk_escape, false); });
}

void write_ints(const std::string& path, const std::vector<int32_t>& v) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (int32_t x : v) out.write(reinterpret_cast<const char*>(&x), 4);
}
std::string bytes_of(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
std::vector<int32_t> ints_of(const std::string& path) {
    const std::string b = bytes_of(path);
    std::vector<int32_t> v(b.size() / 4);
    for (std::size_t i = 0; i < v.size(); ++i) std::memcpy(&v[i], b.data() + 4 * i, 4);
    return v;
}

// A saved campaign on planet 3, level 2, with 7 gold.
std::vector<int32_t> saved_campaign() {
    std::vector<int32_t> v = {3, 2, 30, 40, 7};
    for (int i = 0; i < 10; ++i) v.push_back(i < 2 ? 1 : 0);
    for (int i = 0; i < 10; ++i) v.push_back(i == 0 ? 4 : 255);
    return v;
}

// Settings file in file order: music, effects, ambient, quality, background,
// tips, weather, speed control, fast computer, difficulty, skip tutorial.
std::vector<int32_t> settings_file(int music, int fast, int quality, int background,
                                   int weather) {
    return {music, 4, 4, quality, background, 0, weather, 0, fast, 1, 0};
}

class FrontendMenu : public ::testing::Test {
protected:
    fs::path home, folder;

    void use_backend(int kind) {
        set_backend(kind, false);
        open_graphics(800, 600, 32, 60);
    }

    void SetUp() override {
        use_backend(backend_none);
        home = fs::current_path();
        folder = fs::temp_directory_path() /
                 ("zembra_menu_" + std::to_string(getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        for (const char* d : {"gfx", "sfx", "maps"})
            fs::create_directory_symlink(fs::path(ZEMBRA_GAME_DIR) / d, folder / d);
        fs::current_path(folder);
        reset_input();
        start_up();
        schedule.clear();
        frames_shown = 0;
        set_frame_hook(test_hook);
        open_sound_log((folder / "sound.log").string());
    }
    void TearDown() override {
        close_sound_log();
        set_frame_hook(nullptr);
        reset_input();
        fs::current_path(home);
        fs::remove_all(folder);
    }

    // Enters the menu and runs it until it hands over or `limit` frames
    // have been shown; next_menu when it is still open.
    static int run_menu(long limit) {
        enter_main_menu();
        while (frames_shown < limit) {
            const int next = main_menu_frame();
            if (next != next_menu) return next;
        }
        return next_menu;
    }

    static int run_end_picture(int image, long limit) {
        enter_end_picture(image);
        while (frames_shown < limit) {
            const int next = end_picture_frame();
            if (next >= 0) return next;
        }
        return -1;
    }

    std::vector<std::string> sound_lines(const std::string& containing) {
        close_sound_log();
        std::ifstream in(folder / "sound.log");
        std::vector<std::string> out;
        for (std::string line; std::getline(in, line);)
            if (line.find(containing) != std::string::npos) out.push_back(line);
        return out;
    }
};

// The menu is faded in from frame 53 on (one notice frame, 51 fade steps).
constexpr long settled = 60;
// Button and item centres.
constexpr int new_game_x = 250, new_game_y = 410, continue_x = 550, continue_y = 380;
constexpr int exit_x = 260, exit_y = 500, options_x = 560, options_y = 470;
int volume_button_x(int i) { return 400 + 30 * i + 15; }

TEST_F(FrontendMenu, OptionsPageShowsDefaultsWithoutConfigFile) {
    music_volume = 0;
    fast_computer = 0;
    difficulty = 4;
    click_at(settled, options_x, options_y);
    ASSERT_EQ(run_menu(settled + 5), next_menu);
    EXPECT_EQ(menu_page, 1);
    EXPECT_EQ(music_volume, 3.0f);
    EXPECT_EQ(effects_volume, 4.0f);
    EXPECT_EQ(ambient_volume, 4.0f);
    EXPECT_EQ(sound_quality, 2);
    for (int s : {background_drawing, show_tips, weather, ingame_speed_control, fast_computer})
        EXPECT_EQ(s, 1);
    EXPECT_EQ(difficulty, 1);
    EXPECT_EQ(skip_tutorial, 0);
    EXPECT_FALSE(fs::exists("config.cfg"));
}

TEST_F(FrontendMenu, FirstVolumeButtonGivesSilenceAndAmbienceClicksOnItsChannel) {
    click_at(settled, options_x, options_y);
    click_at(settled + 10, volume_button_x(0), 205);
    click_at(settled + 20, volume_button_x(2), 265);
    ASSERT_EQ(run_menu(settled + 25), next_menu);
    EXPECT_EQ(music_volume, 0.0f);
    EXPECT_EQ(channel_volume(music_channel), 0.0f);
    EXPECT_EQ(ambient_volume, 2.0f);
    EXPECT_FLOAT_EQ(channel_volume(ambient_channel), 0.5f);
    EXPECT_EQ(sound_lines("play sfx/click2.wav ambient").size(), 1u);
}

TEST_F(FrontendMenu, FastComputerSwitchCarriesQualityBackgroundAndWeather) {
    // Tips and speed control are off in the file and must stay so.
    write_ints("config.cfg", settings_file(3, 0, 1, 0, 0));
    click_at(settled, options_x, options_y);
    click_at(settled + 10, 415, 475);
    ASSERT_EQ(run_menu(settled + 15), next_menu);
    EXPECT_EQ(fast_computer, 1);
    EXPECT_EQ(sound_quality, 2);
    EXPECT_EQ(background_drawing, 1);
    EXPECT_EQ(weather, 1);
    EXPECT_EQ(show_tips, 0);
    EXPECT_EQ(ingame_speed_control, 0);

    // Off again: all three drop, whatever they were.
    background_drawing = 1;
    sound_quality = 1;
    toggle_fast_computer();
    EXPECT_EQ(fast_computer, 0);
    EXPECT_EQ(sound_quality, 0);
    EXPECT_EQ(background_drawing, 0);
    EXPECT_EQ(weather, 0);
    EXPECT_EQ(show_tips, 0);
}

TEST_F(FrontendMenu, OptionsPageEscapeKeepsChangesCancelRestoresOkSaves) {
    write_ints("config.cfg", settings_file(3, 1, 2, 1, 1));
    const std::string before = bytes_of("config.cfg");
    click_at(settled, options_x, options_y);
    click_at(settled + 10, volume_button_x(1), 205);
    // The menu buttons under the page are inert while it is open.
    click_at(settled + 20, new_game_x, new_game_y);
    hold_escape(settled + 30, 3);
    ASSERT_EQ(run_menu(settled + 40), next_menu);
    EXPECT_EQ(menu_page, 0);
    EXPECT_EQ(music_volume, 1.0f);
    EXPECT_EQ(bytes_of("config.cfg"), before);

    schedule.clear();
    frames_shown = 0;
    click_at(settled, options_x, options_y);
    click_at(settled + 10, volume_button_x(1), 205);
    click_at(settled + 12, 335, 345);  // background drawing off
    click_at(settled + 20, 549, 514);  // Cancel
    click_at(settled + 30, options_x, options_y);
    click_at(settled + 40, volume_button_x(2), 205);
    ASSERT_EQ(run_menu(settled + 45), next_menu);
    EXPECT_EQ(background_drawing, 1);
    EXPECT_EQ(music_volume, 2.0f);
    EXPECT_EQ(bytes_of("config.cfg"), before);
    EXPECT_EQ(sound_lines("play sfx/dead3.wav effects_b").size(), 1u);

    schedule.clear();
    frames_shown = 0;
    click_at(settled, options_x, options_y);
    click_at(settled + 10, volume_button_x(1), 205);
    click_at(settled + 20, 504, 514);  // OK
    ASSERT_EQ(run_menu(settled + 25), next_menu);
    EXPECT_EQ(menu_page, 0);
    const std::vector<int32_t> saved = ints_of("config.cfg");
    ASSERT_EQ(saved.size(), 11u);
    EXPECT_EQ(saved[0], 1);
}

TEST_F(FrontendMenu, HoverSoundOnlyWhenEnteringADifferentButton) {
    move_to(settled, new_game_x, new_game_y);
    move_to(settled + 5, new_game_x + 40, new_game_y + 10);  // same button
    move_to(settled + 10, 40, 40);                           // off all buttons
    move_to(settled + 15, continue_x, continue_y);
    move_to(settled + 20, options_x, options_y);
    click_at(settled + 25, options_x, options_y);
    // Items of the open page make no hover sound.
    move_to(settled + 30, volume_button_x(1), 205);
    move_to(settled + 35, 415, 475);
    ASSERT_EQ(run_menu(settled + 40), next_menu);
    const std::vector<std::string> hovers = sound_lines("play sfx/click1.wav effects_a");
    ASSERT_EQ(hovers.size(), 3u);
    EXPECT_EQ(hovers[0].substr(0, hovers[0].find(' ')), std::to_string(settled + 1));
    EXPECT_EQ(hovers[1].substr(0, hovers[1].find(' ')), std::to_string(settled + 16));
    EXPECT_EQ(hovers[2].substr(0, hovers[2].find(' ')), std::to_string(settled + 21));
}

TEST_F(FrontendMenu, ContinueRefusedWithoutOrWithAnInvalidSave) {
    std::vector<int32_t> bad_planet = saved_campaign();
    bad_planet[0] = 42;
    const std::vector<std::vector<int32_t>> files = {{}, {3, 2, 30}, bad_planet};
    for (std::size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(i);
        if (i == 0) fs::remove("game.cfg");
        else write_ints("game.cfg", files[i]);
        current_planet = 5;
        schedule.clear();
        frames_shown = 0;
        click_at(settled, continue_x, continue_y);
        EXPECT_EQ(run_menu(settled + 60), next_menu);
        EXPECT_EQ(start_requested, 0);
        EXPECT_EQ(current_planet, 5);
        EXPECT_FALSE(fs::exists("config.cfg"));
    }
    EXPECT_EQ(sound_lines("play sfx/unable_build.wav effects_a").size(), 3u);
    EXPECT_TRUE(sound_lines("play sfx/click2.wav").empty());
}

TEST_F(FrontendMenu, ContinueReadsTheSaveAndLeavesAfter51FadeFrames) {
    write_ints("game.cfg", saved_campaign());
    click_at(settled, continue_x, continue_y);
    ASSERT_EQ(run_menu(settled + 200), next_selection);
    // The click is taken in frame settled + 1, at full brightness.
    EXPECT_EQ(frames_shown, settled + 1 + 51);
    EXPECT_EQ(light_level, 0.0f);
    EXPECT_EQ(current_planet, 3);
    EXPECT_EQ(current_level, 2);
    EXPECT_EQ(campaign_gold, 7);
    EXPECT_EQ(map_planet, 3);
    EXPECT_EQ(ints_of("config.cfg").size(), 11u);
    EXPECT_EQ(sound_lines("stop").back().find(" music") != std::string::npos, true);
}

TEST_F(FrontendMenu, NewCampaignDoesNotTouchTheSavedFile) {
    write_ints("game.cfg", saved_campaign());
    const std::string before = bytes_of("game.cfg");
    campaign_gold = 99;
    route_taken[3] = 7;
    level_status[4] = 2;
    click_at(settled, new_game_x, new_game_y);
    click_at(settled + 10, 415, 365);                  // skip the tutorial planet
    click_at(settled + 20, volume_button_x(3), 335);   // difficulty 3
    click_at(settled + 30, 504, 394);                  // OK
    ASSERT_EQ(run_menu(settled + 200), next_selection);
    EXPECT_EQ(menu_page, 2);  // stays open while the screen fades
    EXPECT_EQ(bytes_of("game.cfg"), before);
    EXPECT_EQ(current_planet, 1);
    EXPECT_EQ(map_planet, 1);
    EXPECT_EQ(current_level, 0);
    EXPECT_EQ(campaign_gold + campaign_insects + campaign_mushrooms, 0);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(level_status[i], 0);
        EXPECT_EQ(route_taken[i], 255);
    }
    const std::vector<int32_t> settings = ints_of("config.cfg");
    ASSERT_EQ(settings.size(), 11u);
    EXPECT_EQ(settings[9], 3);
    EXPECT_EQ(settings[10], 1);
}

TEST_F(FrontendMenu, ClicksDuringTheHandOverAreIgnored) {
    write_ints("game.cfg", saved_campaign());
    click_at(settled, continue_x, continue_y);
    click_at(settled + 10, new_game_x, new_game_y);
    click_at(settled + 20, exit_x, exit_y);
    EXPECT_EQ(run_menu(settled + 200), next_selection);
    EXPECT_EQ(menu_page, 0);
    EXPECT_EQ(current_planet, 3);
}

TEST_F(FrontendMenu, ReenteringTheMenuReadsSettingsButLoadsNothing) {
    const int loaded = resource_files_loaded;
    EXPECT_GT(loaded, 60);
    EXPECT_NE(res.menu_back, 0);
    EXPECT_NE(res.menu_keys, 0);
    start_up();
    write_ints("config.cfg", settings_file(1, 1, 2, 1, 1));
    run_menu(settled);
    EXPECT_EQ(music_volume, 1.0f);
    // The menu opens with sparkles already falling: one every third of 201
    // frames, none yet past the bottom.
    enter_main_menu();
    EXPECT_EQ(menu_sparkles.size(), 67u);
    write_ints("config.cfg", settings_file(2, 1, 2, 1, 1));
    frames_shown = 0;
    run_menu(settled);
    EXPECT_EQ(music_volume, 2.0f);
    EXPECT_EQ(resource_files_loaded, loaded);
    EXPECT_EQ(sound_lines("play sfx/tracks/005.ogg").size() +
                  sound_lines("cue sfx/tracks/005.ogg").size(),
              3u);
}

TEST_F(FrontendMenu, GameOverDeletesTheCampaignAndLeavesAfterOneClick) {
    write_ints("game.cfg", saved_campaign());
    // Two presses in one frame are not a click.
    at(settled, [] {
        for (int i = 0; i < 2; ++i) {
            inject_mouse_button(1, true);
            inject_mouse_button(1, false);
        }
    });
    click_at(settled + 10, 400, 300);
    enter_end_picture(res.go_text);
    EXPECT_FALSE(fs::exists("game.cfg"));
    long leave_frame = 0;
    while (frames_shown < settled + 200) {
        if (end_picture_frame() >= 0) {
            leave_frame = frames_shown;
            break;
        }
    }
    EXPECT_EQ(leave_frame, settled + 11 + 51);

    // Continue is refused from now on.
    schedule.clear();
    frames_shown = 0;
    click_at(settled, continue_x, continue_y);
    EXPECT_EQ(run_menu(settled + 60), next_menu);
    EXPECT_EQ(sound_lines("play sfx/unable_build.wav").size(), 1u);
}

TEST_F(FrontendMenu, VictoryPictureEndsTheCampaignOnEscape) {
    write_ints("game.cfg", saved_campaign());
    EXPECT_NE(victory_picture(), 0);
    // Held keys are read after the frame is shown, so the press injected
    // after frame `settled` already counts in that frame.
    hold_escape(settled, 2);
    EXPECT_EQ(run_end_picture(victory_picture(), settled + 200), next_menu);
    EXPECT_FALSE(fs::exists("game.cfg"));
    EXPECT_EQ(frames_shown, settled + 51);
}

TEST_F(FrontendMenu, LoadingStripFillsOneCellAtZeroAndElevenAtHundred) {
    use_backend(backend_offscreen);
    // Pictures read without a drawing back end hold no pixels.
    res.load_percents = load_listed_image("gfx/hud/loadpercents.xtc");
    res.logo = load_listed_image("gfx/hud/logo1.xtc");
    std::vector<uint32_t> pixels(800 * 600);
    auto strip = [&](int percent) {
        draw_loading_frame(percent, 0.5f, 1.0f);
        read_screen(pixels.data());
        std::vector<uint32_t> cells;
        for (int i = 0; i <= 10; ++i) cells.push_back(pixels[330 * 800 + 290 + 21 * i]);
        return cells;
    };
    const std::vector<uint32_t> empty = strip(0), half = strip(50), full = strip(100);
    use_backend(backend_none);
    EXPECT_EQ(empty[0], full[0]);
    for (int i = 1; i <= 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NE(empty[i], full[i]);
        EXPECT_EQ(half[i], i <= 5 ? full[i] : empty[i]);
    }
}

}  // namespace
