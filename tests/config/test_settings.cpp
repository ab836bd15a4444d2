// config.cfg and game.cfg: defaults, damaged files, safe saves.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "config/settings.h"
#include "world/world.h"

namespace fs = std::filesystem;

namespace {

void write_raw(const fs::path& p, const std::vector<int32_t>& values, int extra_bytes = 0) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    for (int32_t v : values) out.write(reinterpret_cast<const char*>(&v), 4);
    for (int i = 0; i < extra_bytes; ++i) out.put('\x7f');
}

std::vector<int32_t> valid_campaign() {
    std::vector<int32_t> v = {2, 3, 40, 50, 7};
    for (int i = 0; i < 10; ++i) v.push_back(i % 3);
    for (int i = 0; i < 10; ++i) v.push_back(i < 2 ? i : 255);
    return v;
}

class ConfigFiles : public ::testing::Test {
protected:
    fs::path dir;
    void SetUp() override {
        dir = fs::temp_directory_path() / ("zembra_cfg_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        default_settings();
        reset_world_tables();
    }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all);
        fs::remove_all(dir);
    }
    std::string file(const char* name) const { return (dir / name).string(); }
};

}  // namespace

TEST_F(ConfigFiles, DefaultsWithoutAFile) {
    music_volume = 0;
    difficulty = 4;
    read_settings(file("config.cfg"));
    EXPECT_EQ(music_volume, 3.0f);
    EXPECT_EQ(effects_volume, 4.0f);
    EXPECT_EQ(ambient_volume, 4.0f);
    EXPECT_EQ(sound_quality, 2);
    EXPECT_EQ(background_drawing + show_tips + weather + ingame_speed_control + fast_computer, 5);
    EXPECT_EQ(difficulty, 1);
    EXPECT_EQ(skip_tutorial, 0);
}

TEST_F(ConfigFiles, SettingsRoundTripAndExtraIntegersAreIgnored) {
    music_volume = 2.4f;  // stored as the nearest integer
    effects_volume = 0;
    difficulty = 3;
    skip_tutorial = 1;
    weather = 0;
    write_settings(file("config.cfg"));
    EXPECT_EQ(fs::file_size(file("config.cfg")), 44u);
    default_settings();
    read_settings(file("config.cfg"));
    EXPECT_EQ(music_volume, 2.0f);
    EXPECT_EQ(effects_volume, 0.0f);
    EXPECT_EQ(difficulty, 3);
    EXPECT_EQ(skip_tutorial, 1);
    EXPECT_EQ(weather, 0);
    write_raw(file("config.cfg"), {4, 4, 4, 1, 1, 1, 1, 1, 1, 2, 0, 99, 98, 97});
    read_settings(file("config.cfg"));
    EXPECT_EQ(difficulty, 2);
    EXPECT_EQ(sound_quality, 1);
}

TEST_F(ConfigFiles, TruncatedAndOutOfRangeSettings) {
    write_raw(file("config.cfg"), {1, 2}, 3);  // two whole integers and a stub
    read_settings(file("config.cfg"));
    EXPECT_EQ(music_volume, 1.0f);
    EXPECT_EQ(effects_volume, 2.0f);
    EXPECT_EQ(ambient_volume, 4.0f);
    EXPECT_EQ(difficulty, 1);
    write_raw(file("config.cfg"), {-5, 40, 4, 9, 3, 1, 1, 1, 1, -2, 7});
    read_settings(file("config.cfg"));
    EXPECT_EQ(music_volume, 0.0f);
    EXPECT_EQ(effects_volume, 4.0f);
    EXPECT_EQ(sound_quality, 2);
    EXPECT_EQ(background_drawing, 1);
    EXPECT_EQ(difficulty, 0);
    EXPECT_EQ(skip_tutorial, 1);
}

TEST_F(ConfigFiles, CampaignRoundTrip) {
    write_raw(file("game.cfg"), valid_campaign());
    read_campaign(file("game.cfg"));
    EXPECT_EQ(no_saved_game, 0);
    EXPECT_EQ(current_planet, 2);
    EXPECT_EQ(current_level, 3);
    EXPECT_EQ(map_planet, 2);
    EXPECT_EQ(map_level, 3);
    EXPECT_EQ(campaign_mushrooms, 50);
    EXPECT_EQ(level_status[2], 2);
    EXPECT_EQ(route_taken[1], 1);
    EXPECT_EQ(route_taken[2], 255);
    campaign_gold = 99;
    write_campaign(file("game.cfg"));
    EXPECT_EQ(fs::file_size(file("game.cfg")), 100u);
    campaign_gold = 0;
    read_campaign(file("game.cfg"));
    EXPECT_EQ(campaign_gold, 99);
    delete_campaign(file("game.cfg"));
    EXPECT_FALSE(fs::exists(file("game.cfg")));
    read_campaign(file("game.cfg"));
    EXPECT_EQ(no_saved_game, 1);
}

TEST_F(ConfigFiles, InvalidCampaignsCountAsNoSavedGameAndStayOnDisk) {
    auto refused = [&](std::vector<int32_t> v) {
        current_planet = 1;
        write_raw(file("game.cfg"), v);
        const auto size = fs::file_size(file("game.cfg"));
        read_campaign(file("game.cfg"));
        EXPECT_EQ(fs::file_size(file("game.cfg")), size);
        return no_saved_game == 1 && current_planet == 1;
    };
    auto v = valid_campaign();
    EXPECT_TRUE(refused(std::vector<int32_t>(v.begin(), v.begin() + 24)));
    v = valid_campaign(); v[0] = 11; EXPECT_TRUE(refused(v));
    v = valid_campaign(); v[0] = -1; EXPECT_TRUE(refused(v));
    v = valid_campaign(); v[1] = 10; EXPECT_TRUE(refused(v));
    v = valid_campaign(); v[7] = 3; EXPECT_TRUE(refused(v));
    v = valid_campaign(); v[20] = 10; EXPECT_TRUE(refused(v));
    v = valid_campaign(); v[24] = 254; EXPECT_TRUE(refused(v));
    EXPECT_FALSE(refused(valid_campaign()));
}

TEST_F(ConfigFiles, AReadOnlyFolderLeavesTheGameRunning) {
    if (::geteuid() == 0) {
        // root writes anyway; the missing-folder case still shows a failed save is harmless
        write_settings((dir / "missing" / "config.cfg").string());
        write_campaign((dir / "missing" / "game.cfg").string());
        EXPECT_FALSE(fs::exists(dir / "missing"));
        return;
    }
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    write_settings(file("config.cfg"));
    write_campaign(file("game.cfg"));
    EXPECT_FALSE(fs::exists(file("config.cfg")));
}

TEST_F(ConfigFiles, AnInterruptedSaveLeavesACompleteFile) {
    // Kill a child at random moments while it saves in a loop; the file must
    // always be either the old or the new complete campaign.
    write_raw(file("game.cfg"), valid_campaign());
    for (int round = 0; round < 20; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            campaign_gold = 1000;
            for (int i = 0;; ++i) {
                campaign_gold = 1000 + (i % 2);
                write_campaign(file("game.cfg"));
            }
        }
        usleep(200 + (round * 397) % 3000);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_EQ(fs::file_size(file("game.cfg")), 100u);
        read_campaign(file("game.cfg"));
        EXPECT_EQ(no_saved_game, 0);
        EXPECT_TRUE(campaign_gold == 7 || campaign_gold == 1000 || campaign_gold == 1001);
    }
}
