// The short soak: every built level and a few generated ones under random
// input, checked after every frame.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "tests/soak/soak.h"
#include "world/world.h"

TEST(Soak, EveryLevelUnderRandomInputKeepsTheWorldSound) {
    soak_options o;
    o.maps_dir = ZEMBRA_GAME_DIR "/maps";
    o.seeds = {1, 2, 3};
    o.max_frames = 2400;
    const soak_report r = run_soak(o);
    for (const std::string& f : r.failures) ADD_FAILURE() << f;
    EXPECT_GE(r.runs, 6);
    EXPECT_EQ(r.frames, r.runs * o.max_frames) << "every run plays its frames";
    std::printf("soak: %d runs, %d missions started again, %ld frames\n", r.runs, r.attempts, r.frames);
}

TEST(Soak, InvariantCheckSeesBrokenTables) {
    reset_world_tables();
    level_settings[ls_beetles] = 5;
    beetles_dropped = 2;
    ASSERT_EQ(check_world_invariants(0), "");
    beetles[3][b_kind] = kind_laborer;
    beetles_alive = 1;
    EXPECT_NE(check_world_invariants(0).find("above beetles_dropped"), std::string::npos);
    beetles[3][b_kind] = kind_none;
    beetles_alive = 0;
    tool_counts[4] = -1;
    EXPECT_NE(check_world_invariants(0).find("negative stock"), std::string::npos);
    tool_counts[4] = 0;
    mission_timer = -1;
    EXPECT_NE(check_world_invariants(0), "");
    mission_timer = 0;
    EXPECT_NE(check_world_invariants(3), "") << "beetles_dropped may not go down";
}
