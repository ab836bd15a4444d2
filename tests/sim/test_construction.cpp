// Builders taking plans, the timing of a job, what each job leaves behind,
// and riding a gravitation elevator.
#include "sim_fixture.h"

namespace {

class SimConstruction : public sim_test {
protected:
    // A thick floor (rows 10..12) so that digging never loosens it.
    std::vector<std::string> thick_floor() {
        auto rows = empty_rows();
        paint(rows, 0, 10, 50, 12, '#');
        return rows;
    }
    // A builder that stays where it is put, so the scan around it is known.
    int still_builder(float x, float y = 288) {
        int b = add_beetle(x, y, 1, kind_builder);
        beetle(b)[b_speed] = 0;
        return b;
    }
};

TEST_F(SimConstruction, BuilderTakesPlansInPriorityOrder) {
    struct priority_case {
        int first_plan, first_col, first_row, second_plan, second_col, second_row, work_kind, dir;
    };
    // Builder centre cell (10, 9): it scans columns 9..11, rows 9..10.
    for (priority_case pc : {priority_case{plan_boring, 9, 9, plan_bridge, 10, 10, 0, 0},
                             priority_case{plan_boring, 11, 10, plan_absorber, 10, 10, 0, 1},
                             priority_case{plan_absorber, 10, 10, plan_bridge, 11, 9, 4, 1},
                             priority_case{plan_bridge, 9, 10, plan_elevator_base, 11, 9, 1, 0},
                             priority_case{plan_elevator_base, 11, 9, plan_dynamite, 9, 9, 3, 1}}) {
        load_quiet(thick_floor());
        int b = still_builder(320);
        plan_layer[pc.first_col][pc.first_row] = pc.first_plan;
        plan_layer[pc.second_col][pc.second_row] = pc.second_plan;
        world_tick();
        const float* bt = beetle(b);
        EXPECT_EQ(bt[b_state], st_working) << pc.first_plan;
        EXPECT_EQ(bt[b_work_col], pc.first_col) << pc.first_plan;
        EXPECT_EQ(bt[b_work_row], pc.first_row) << pc.first_plan;
        EXPECT_EQ(bt[b_work_kind], pc.work_kind) << pc.first_plan;
        EXPECT_EQ(bt[b_dir], pc.dir) << pc.first_plan;
        EXPECT_EQ(plan_layer[pc.first_col][pc.first_row], 0) << pc.first_plan;
        EXPECT_EQ(plan_layer[pc.second_col][pc.second_row], pc.second_plan) << pc.first_plan;
        EXPECT_EQ(sounds(), (std::vector<std::string>{"bbegin.wav"}));
    }
}

TEST_F(SimConstruction, OnlyBuildersOnTheGroundTakePlans) {
    load_quiet(thick_floor());
    int laborer = add_beetle(320, 288, 1);
    beetle(laborer)[b_speed] = 0;
    int airborne = still_builder(640, 200);
    plan_layer[10][10] = plan_boring;
    plan_layer[20][7] = plan_boring;
    world_tick();
    EXPECT_EQ(beetle(laborer)[b_state], st_walking);
    EXPECT_EQ(beetle(airborne)[b_state], st_walking);
    EXPECT_EQ(plan_layer[10][10], plan_boring);
    EXPECT_EQ(plan_layer[20][7], plan_boring);
}

TEST_F(SimConstruction, PlansOnTheBorderColumnsAreNeverTaken) {
    load_quiet(thick_floor());
    int left = still_builder(32);
    int right = still_builder(49 * 32 - 1);
    plan_layer[0][9] = plan_boring;
    plan_layer[0][10] = plan_boring;
    plan_layer[50][9] = plan_boring;
    plan_layer[50][10] = plan_boring;
    ticks(5);
    EXPECT_EQ(beetle(left)[b_state], st_walking);
    EXPECT_EQ(beetle(right)[b_state], st_walking);
    // One column in, the same builder takes it.
    plan_layer[2][10] = plan_boring;
    world_tick();
    EXPECT_EQ(beetle(left)[b_state], st_working);
    EXPECT_EQ(beetle(left)[b_work_col], 2.0f);
}

TEST_F(SimConstruction, BoringJobTimingAndResult) {
    load_quiet(thick_floor());
    int b = still_builder(320);
    plan_layer[10][10] = plan_boring;
    world_tick();
    ASSERT_EQ(beetle(b)[b_state], st_working);
    sounds();

    int changed_at = -1, finishing_at = -1, walking_at = -1;
    for (int n = 1; n <= 200 && walking_at < 0; ++n) {
        world_tick();
        if (changed_at < 0 && terrain_front[10][10] == 0) changed_at = n;
        if (finishing_at < 0 && beetle(b)[b_state] == st_finishing) finishing_at = n;
        if (beetle(b)[b_state] == st_walking) walking_at = n;
        if (n < 100) {
            // The work animation speeds up with the timer.
            ASSERT_EQ(beetle(b)[b_timer], n) << n;
        }
    }
    // 100 ticks of work, the cell changes at the 25th tick of finishing,
    // free again at the 64th: 164 ticks counting the one that took the plan.
    EXPECT_EQ(finishing_at, 100);
    EXPECT_EQ(changed_at, 124);
    EXPECT_EQ(walking_at, 163);
    EXPECT_EQ(beetle(b)[b_frame], 0.0f);
    EXPECT_TRUE(played("down.wav"));
    EXPECT_TRUE(played("perforator.wav"));
    EXPECT_FALSE(dust.empty());
}

TEST_F(SimConstruction, FinishingThrowsBeetlesOutOfTheSite) {
    for (int work : {0, 1, 2, 3, 4}) {
        load_quiet(thick_floor());
        // In the row before the builder's, so its own step has already run.
        int j = add_beetle(15 * 32, 9 * 32, 1, kind_laborer, st_landing);
        int b = still_builder(320);
        beetle(b)[b_state] = st_finishing;
        beetle(b)[b_timer] = 40;
        beetle(b)[b_work_col] = 15;
        beetle(b)[b_work_row] = 9;
        beetle(b)[b_work_kind] = static_cast<float>(work);
        world_tick();
        bool thrown = work == 0 || work == 1 || work == 3;
        EXPECT_EQ(beetle(j)[b_vy], thrown ? -4.5f : 1.0f) << work;
        EXPECT_EQ(beetle(j)[b_dir], thrown ? 0.0f : 1.0f) << work;
    }
}

TEST_F(SimConstruction, BridgeDynamiteAndElevatorJobs) {
    auto rows = empty_rows();
    paint(rows, 0, 10, 10, 12, '#');
    paint(rows, 20, 10, 50, 12, '#');
    load_quiet(rows);
    int bridge = still_builder(320);
    plan_layer[11][10] = plan_bridge;
    int elevator = still_builder(25 * 32);
    plan_layer[26][9] = plan_elevator_base;
    plan_layer[26][5] = plan_elevator_top;
    int dynamite = still_builder(40 * 32);
    plan_layer[41][9] = plan_dynamite;
    ticks(170);
    EXPECT_EQ(terrain_front[11][10], tile_bridge);
    EXPECT_EQ(terrain_front[26][9], tile_elevator_base);
    EXPECT_EQ(terrain_front[26][5], tile_elevator_top);
    EXPECT_EQ(plan_layer[26][5], plan_none);
    ASSERT_EQ(charges.size(), 1u);
    EXPECT_EQ(charges[0].x, 41 * 32 - 8.0f);
    EXPECT_EQ(charges[0].y, 9 * 32.0f);
    EXPECT_EQ(charges[0].vy, -2.0f);
    EXPECT_EQ(charges[0].fuse, 0.0f);
    EXPECT_EQ(charges[0].active, 1);
    for (int b : {bridge, elevator, dynamite}) EXPECT_EQ(beetle(b)[b_state], st_walking);
}

TEST_F(SimConstruction, ShockAbsorberStaysOnRockAndFallsIntoAGap) {
    auto rows = empty_rows();
    paint(rows, 0, 10, 10, 12, '#');
    paint(rows, 0, 25, 50, 27, '#');
    load_quiet(rows);
    still_builder(9 * 32);
    plan_layer[9][10] = plan_absorber;
    still_builder(10 * 32);
    plan_layer[11][10] = plan_absorber;
    ticks(170);
    EXPECT_EQ(terrain_front[9][10], tile_absorber);
    EXPECT_EQ(terrain_front[11][10], tile_empty);
}

TEST_F(SimConstruction, ElevatorCarriesABeetleUpAndLetsItOffOnTop) {
    auto rows = empty_rows();
    paint(rows, 0, 10, 50, 12, '#');
    rows[9][12] = 'B';
    rows[5][12] = 'T';
    load(level_text(rows));
    saucer[s_phase] = 3;
    saucer[s_x] = -1000;
    int b = add_beetle(300, 288, 1);
    ASSERT_GT(ticks_until([&] { return beetle(b)[b_state] == st_elevator; }, 400), 0);
    ticks(3);
    // In the shaft: two pixels a tick.
    float y = beetle(b)[b_y];
    ticks(10);
    EXPECT_EQ(beetle(b)[b_y], y - 20);
    EXPECT_EQ(beetle(b)[b_state], st_elevator);
    int n = ticks_until(
        [&] { return beetle(b)[b_state] == st_walking && beetle(b)[b_vy] == 1.0f; }, 400);
    ASSERT_GT(n, 0);
    EXPECT_EQ(beetle(b)[b_y], 4 * 32.0f);
    EXPECT_EQ(beetle(b)[b_kind], kind_laborer);
}

TEST_F(SimConstruction, RiderLeavesAnElevatorThatIsGone) {
    auto rows = empty_rows();
    paint(rows, 0, 10, 50, 12, '#');
    rows[9][12] = 'B';
    rows[5][12] = 'T';
    load_quiet(rows);
    int b = add_beetle(12 * 32, 200, 1, kind_laborer, st_elevator);
    world_tick();
    EXPECT_EQ(beetle(b)[b_state], st_elevator);
    terrain_front[12][9] = 0;
    world_tick();
    EXPECT_EQ(beetle(b)[b_state], st_walking);
    EXPECT_EQ(beetle(b)[b_vy], -2.0f);
}

} // namespace
