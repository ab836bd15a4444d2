// A process killed at any moment while saving leaves each file whole: the old
// one or the new one, never a mix or a stump.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "config/settings.h"
#include "world/world.h"

namespace fs = std::filesystem;

TEST(RobustSaves, KilledWhileSavingBothFilesLeavesCompleteFiles) {
    const fs::path dir = fs::temp_directory_path() / ("zembra_saves_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string cfg = (dir / "config.cfg").string(), game = (dir / "game.cfg").string();
    default_settings();
    reset_world_tables();
    difficulty = 2;
    write_settings(cfg);
    campaign_gold = 7;
    write_campaign(game);

    for (int round = 0; round < 30; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Alternate two versions of each file, as repeated saves of a player would.
            for (int i = 0;; ++i) {
                difficulty = 3 + i % 2;
                music_volume = static_cast<float>(i % 2);
                write_settings(cfg);
                campaign_gold = 1000 + i % 2;
                write_campaign(game);
            }
        }
        usleep(100 + (round * 7919) % 4000);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_EQ(fs::file_size(cfg), 44u) << "round " << round;
        ASSERT_EQ(fs::file_size(game), 100u) << "round " << round;
        read_settings(cfg);
        EXPECT_TRUE(difficulty == 2 || difficulty == 3 || difficulty == 4) << difficulty;
        // Each save writes a matching pair; a mixed file would break it.
        if (difficulty != 2) {
            EXPECT_EQ(static_cast<int>(music_volume), (difficulty - 3) % 2);
        }
        read_campaign(game);
        EXPECT_EQ(no_saved_game, 0);
        EXPECT_TRUE(campaign_gold == 7 || campaign_gold == 1000 || campaign_gold == 1001) << campaign_gold;
    }
    fs::remove_all(dir);
}
