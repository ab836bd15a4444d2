// The saucer's landing, the wait before "ACTION", the drops and the per-tick
// counters of the world tick.
#include "sim_fixture.h"

#include "config/settings.h"

namespace {

// A floor under the saucer so dropped beetles have somewhere to land.
std::vector<std::string> saucer_map(int row) {
    std::vector<std::string> rows(31, std::string(51, '.'));
    rows[row][10] = 'S';
    rows[28] = std::string(51, '#');
    rows[29] = std::string(51, '#');
    rows[30] = std::string(51, '#');
    return rows;
}

class SimSaucer : public sim_test {
protected:
    // Ticks until "ACTION", the start of the drops.
    void land_and_wait() {
        ASSERT_GT(ticks_until([] { return saucer[s_phase] == 2; }, 3000), 0);
        ASSERT_EQ(status_text, "ACTION");
    }
};

TEST_F(SimSaucer, DescentLengthAndRestHeightFollowTheMarkerRow) {
    for (int row : {4, 7, 12, 20}) {
        load(level_text(saucer_map(row)));
        int n = ticks_until([] { return saucer[s_phase] != 0; }, 2000);
        EXPECT_EQ(n, 35 + 16 * row) << "row " << row;
        EXPECT_NEAR(saucer[s_y], (row - 2) * 32 - 28.33f, 0.05f) << "row " << row;
        EXPECT_EQ(saucer[s_descent_speed], 0.0f);
        EXPECT_EQ(status_text, "Prepare to action");
        EXPECT_EQ(status_blink, 1);
        EXPECT_EQ(target_light, 255);
    }
}

TEST_F(SimSaucer, MarkerInTheTopRowsLosesEveryBeetle) {
    for (int row = 0; row <= 3; ++row) {
        load(level_text(saucer_map(row), "beetles = 3"));
        ASSERT_GT(ticks_until([] { return saucer[s_phase] == 3; }, 5000), 0);
        ticks(1);
        EXPECT_EQ(beetles_dropped, 3) << "row " << row;
        for (int b = 0; b < max_beetles; ++b) EXPECT_EQ(beetles[b][b_kind], 0) << "row " << row;
        // Leaving the world is silent: no bodies, no souls.
        EXPECT_TRUE(effects.empty());
    }
}

TEST_F(SimSaucer, DropsEveryNinetyTicksAfterActionThenFinishes) {
    load(level_text(saucer_map(10), "beetles = 3\ndirection = 1"));
    land_and_wait();
    std::vector<int> drop_ticks;
    int phase3 = -1;
    for (int n = 1; n <= 400 && phase3 < 0; ++n) {
        int before = beetles_dropped;
        world_tick();
        if (beetles_dropped != before) drop_ticks.push_back(n);
        EXPECT_EQ(saucer_beam, saucer[s_phase] == 2 || n == phase3 ? 1 : saucer_beam);
        if (saucer[s_phase] == 3) phase3 = n;
    }
    EXPECT_EQ(drop_ticks, (std::vector<int>{90, 180, 270}));
    EXPECT_EQ(phase3, 320);

    const float* bt = beetles[0];
    EXPECT_EQ(bt[b_kind], kind_laborer);
    EXPECT_EQ(bt[b_dir], 1.0f);
    EXPECT_EQ(bt[b_speed], 0.8f);
    EXPECT_EQ(bt[b_cargo], 0.0f);
    EXPECT_GE(bt[b_hover], 1.0f);
}

TEST_F(SimSaucer, DroppedBeetleStartsUnderTheSaucerInTheLandingPose) {
    load(level_text(saucer_map(10), "beetles = 1\ndirection = 7"));
    land_and_wait();
    ticks(89);
    ASSERT_EQ(beetles_dropped, 0);
    world_tick();
    ASSERT_EQ(beetles_dropped, 1);
    const float* bt = beetles[0];
    EXPECT_EQ(bt[b_x], saucer[s_x] - 16);
    // Dropped at the saucer's height with vy 1, then its first step of
    // free fall ran in the same tick.
    EXPECT_EQ(bt[b_y], saucer[s_y] + 1.0f);
    EXPECT_FLOAT_EQ(bt[b_vy], 1.3f);
    EXPECT_EQ(bt[b_state], st_landing);
    // Any non-zero starting direction means right.
    EXPECT_EQ(bt[b_dir], 1.0f);
}

TEST_F(SimSaucer, NoBeetlesMeansPhaseThreeFiftyTicksAfterAction) {
    load(level_text(saucer_map(10), "beetles = 0"));
    land_and_wait();
    EXPECT_EQ(ticks_until([] { return saucer[s_phase] == 3; }, 400), 50);
    EXPECT_EQ(beetles_dropped, 0);
}

TEST_F(SimSaucer, ACountChangedDuringPlayNeitherOverrunsNorStalls) {
    load(level_text(saucer_map(10), "beetles = 2"));
    land_and_wait();
    level_settings[ls_beetles] = 35;
    ASSERT_GT(ticks_until([] { return saucer[s_phase] == 3; }, 90 * 25), 0);
    EXPECT_EQ(beetles_dropped, max_beetles);

    load(level_text(saucer_map(10), "beetles = 5"));
    land_and_wait();
    ticks(200);
    ASSERT_EQ(beetles_dropped, 2);
    level_settings[ls_beetles] = 1; // already fewer than dropped
    EXPECT_GT(ticks_until([] { return saucer[s_phase] == 3; }, 200), 0);
    EXPECT_EQ(beetles_dropped, 2);
}

TEST_F(SimSaucer, PrepareToActionWaitByPlanetAndDifficulty) {
    struct wait_case {
        int planet, difficulty, seconds;
        bool lesson;
    };
    for (wait_case w : {wait_case{0, 0, 13, true}, wait_case{0, 4, 13, true},
                        wait_case{3, 0, 13, false}, wait_case{3, 4, 5, false},
                        wait_case{3, 2, 9, false}}) {
        load(level_text(saucer_map(8), "time = 100"), w.planet, w.difficulty);
        ASSERT_GT(ticks_until([] { return saucer[s_phase] == 1; }, 2000), 0);
        EXPECT_EQ(mission_timer, w.seconds);
        EXPECT_EQ(lesson_open, w.lesson ? 1 : 0);
        if (w.lesson) {
            EXPECT_EQ(target_light, 250);
        }
        lesson_open = 0; // the play screen would stop ticking until it closes
        int wait = ticks_until([] { return saucer[s_phase] == 2; }, 2000);
        EXPECT_GT(wait, (w.seconds - 1) * 60) << w.planet << "/" << w.difficulty;
        EXPECT_LE(wait, w.seconds * 60) << w.planet << "/" << w.difficulty;
        int time_left = w.planet == 0 ? 100 : 100 - 35 * w.difficulty;
        EXPECT_EQ(mission_timer, time_left);
        EXPECT_EQ(status_blink, 0);
    }
}

TEST_F(SimSaucer, TutorialLessonStaysClosedWhileTheDemoPlays) {
    load(level_text(saucer_map(8)), 0, 0);
    demo_playing = 1;
    ASSERT_GT(ticks_until([] { return saucer[s_phase] == 1; }, 2000), 0);
    EXPECT_EQ(lesson_open, 0);
    EXPECT_EQ(target_light, 255);
}

TEST_F(SimSaucer, MissionTimerCountsWholeSecondsAndStopsAtZero) {
    load(level_text(saucer_map(8), "time = 3"));
    land_and_wait();
    EXPECT_EQ(mission_timer, 3);
    ticks(60);
    EXPECT_EQ(mission_timer, 2);
    ticks(60 * 10);
    EXPECT_EQ(mission_timer, 0);
    mission_timer = 0;
    for (int n = 0; n < 200; ++n) {
        world_tick();
        ASSERT_GE(mission_timer, 0);
    }
}

TEST_F(SimSaucer, LaborerStockIsRecountedEveryTick) {
    load_quiet(saucer_map(8));
    add_beetle(100, 864, 0, kind_builder, st_landing);
    add_beetle(200, 864, 0, kind_builder, st_landing);
    add_beetle(300, 864, 0, kind_builder, st_landing);
    add_beetle(400, 864, 0, kind_medic, st_landing);
    add_beetle(500, 864, 0, kind_laborer, st_landing);
    tool_counts[15] = 37;
    world_tick();
    EXPECT_EQ(tool_counts[15], 4);
    beetles[3][b_kind] = kind_none;
    world_tick();
    EXPECT_EQ(tool_counts[15], 3);
}

} // namespace
