// Falling, landing, walking, hops, turns, queues and the movement of items.
#include "sim_fixture.h"

#include <algorithm>

namespace {

class SimMovement : public sim_test {};

std::vector<std::string> flat_floor(int row) {
    auto rows = empty_rows();
    paint(rows, 0, row, 50, row, '#');
    return rows;
}

TEST_F(SimMovement, StandingBeetleKeepsItsHeightAndSpeed) {
    load_quiet(flat_floor(10));
    int b = add_beetle(300, 288, 1);
    for (int n = 0; n < 100; ++n) {
        world_tick();
        ASSERT_EQ(beetle(b)[b_y], 288.0f);
        ASSERT_EQ(beetle(b)[b_vy], 1.0f);
    }
    EXPECT_GT(beetle(b)[b_x], 300.0f);
}

TEST_F(SimMovement, LandingAtSevenKillsAndTheBodyStartsLower) {
    load_quiet(flat_floor(20));
    int lives = add_beetle(100, 605, 1, kind_laborer, st_getting_up);
    beetle(lives)[b_vy] = 6.9f;
    int dies = add_beetle(300, 605, 1, kind_medic, st_getting_up);
    beetle(dies)[b_vy] = 7.0f;
    world_tick();

    EXPECT_EQ(beetle(lives)[b_kind], kind_laborer);
    EXPECT_EQ(beetle(lives)[b_y], 605.0f);
    EXPECT_EQ(beetle(lives)[b_vy], 1.0f);

    EXPECT_EQ(beetle(dies)[b_kind], kind_none);
    ASSERT_EQ(count_effects(fx_beetle_body), 1);
    ASSERT_EQ(count_effects(fx_soul), 1);
    const effect& body = effects[0];
    EXPECT_EQ(body.kind, fx_beetle_body);
    EXPECT_EQ(body.y, 612.0f);
    // The landing comes before the walking in a beetle's step.
    EXPECT_EQ(body.x, 348.0f);
    EXPECT_EQ(body.a, -5.0f);
    EXPECT_EQ(body.b, kind_medic);
    EXPECT_EQ(body.c, 1.0f);
    const effect& soul = effects[1];
    EXPECT_EQ(soul.x, 292.0f);
    EXPECT_TRUE((soul.b >= 0 && soul.b <= 45) || (soul.b >= 315 && soul.b <= 358)) << soul.b;
    auto heard = sounds();
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[0], "wah.wav");
    EXPECT_TRUE(heard[1] == "dead1.wav" || heard[1] == "dead2.wav" || heard[1] == "dead3.wav");
}

TEST_F(SimMovement, TwoCellDropIsSurvivedAndThreeCellsKill) {
    for (int drop : {2, 3}) {
        auto rows = empty_rows();
        paint(rows, 0, 10, 15, 10, '#');
        paint(rows, 16, 10 + drop, 50, 10 + drop, '#');
        load_quiet(rows);
        int b = add_beetle(440, 288, 1);
        ticks(150);
        if (drop == 2) {
            EXPECT_EQ(beetle(b)[b_kind], kind_laborer);
            EXPECT_EQ(beetle(b)[b_vy], 1.0f);
            EXPECT_EQ(beetle(b)[b_y], (9 + drop) * 32.0f);
        } else {
            EXPECT_EQ(beetle(b)[b_kind], kind_none);
        }
    }
}

TEST_F(SimMovement, ShockAbsorberAndLandingPoseSurviveAnyFall) {
    auto rows = flat_floor(25);
    paint(rows, 9, 25, 12, 25, 'A');
    load_quiet(rows);
    int absorbed = add_beetle(300, 40, 1, kind_laborer, st_walking);
    int dropped = add_beetle(700, 40, 1, kind_laborer, st_landing);
    int control = add_beetle(1000, 40, 1, kind_laborer, st_walking);
    ticks(120);
    EXPECT_EQ(beetle(absorbed)[b_kind], kind_laborer);
    EXPECT_EQ(beetle(dropped)[b_kind], kind_laborer);
    EXPECT_EQ(beetle(control)[b_kind], kind_none);
    EXPECT_EQ(beetle(absorbed)[b_y], 24 * 32.0f);
}

TEST_F(SimMovement, OneCellStepIsClimbedUnlessBlockedAbove) {
    struct step_case {
        const char* name;
        int extra_col; // a second rock cell in row 8, -1 for none
        bool climbs;
    };
    for (step_case sc : {step_case{"open", -1, true}, step_case{"above ahead", 15, false},
                         step_case{"straight above", 14, false}}) {
        auto rows = flat_floor(10);
        paint(rows, 15, 9, 30, 9, '#');
        if (sc.extra_col >= 0) rows[8][sc.extra_col] = '#';
        load_quiet(rows);
        int b = add_beetle(400, 288, 1);
        ticks(150);
        if (sc.climbs) {
            EXPECT_EQ(beetle(b)[b_y], 256.0f) << sc.name;
            EXPECT_EQ(beetle(b)[b_dir], 1.0f) << sc.name;
            EXPECT_GT(beetle(b)[b_x], 480.0f) << sc.name;
        } else {
            EXPECT_EQ(beetle(b)[b_y], 288.0f) << sc.name;
            EXPECT_EQ(beetle(b)[b_dir], 0.0f) << sc.name;
            EXPECT_LT(beetle(b)[b_x], 452.0f) << sc.name;
        }
    }
}

TEST_F(SimMovement, BeetlesCloseBehindEachOtherQueueAtHalfSpeed) {
    std::vector<int> delays;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        load_quiet(flat_floor(10));
        seed_rnd(seed);
        int a = add_beetle(100, 288, 1);
        int b = add_beetle(110, 288, 1);
        world_tick();
        // The beetle that runs the test is never the one slowed.
        EXPECT_EQ(beetle(a)[b_queue_delay], 0.0f);
        // Slowed by the beetle behind it, then its own step used one tick.
        float d = beetle(b)[b_queue_delay];
        ASSERT_GE(d + 1, 62.0f);
        ASSERT_LE(d + 1, 160.0f);
        EXPECT_EQ(static_cast<int>(d + 1) % 2, 0);
        delays.push_back(static_cast<int>(d));

        float before = beetle(b)[b_x];
        world_tick();
        EXPECT_NEAR(beetle(b)[b_x] - before, 0.4f, 1e-4f);
        EXPECT_EQ(beetle(b)[b_queue_delay], d - 1);
    }
    std::sort(delays.begin(), delays.end());
    EXPECT_LT(delays.front(), delays.back());

    // Walking in opposite directions, or on different floors, never queues.
    load_quiet(flat_floor(10));
    int a = add_beetle(100, 288, 1);
    int b = add_beetle(110, 288, 0);
    world_tick();
    EXPECT_EQ(beetle(a)[b_queue_delay] + beetle(b)[b_queue_delay], 0.0f);
}

TEST_F(SimMovement, InsectsTurnAtLedgesWhileBeetlesWalkOff) {
    auto rows = empty_rows();
    paint(rows, 5, 10, 12, 10, '#');
    paint(rows, 25, 10, 32, 10, '#');
    paint(rows, 0, 20, 50, 20, '#');
    rows[9][8] = 'i';
    rows[9][10] = 'x';
    load_quiet(rows);
    int b = add_beetle(29 * 32, 288, 0);
    for (int n = 0; n < 3000; ++n) {
        world_tick();
        for (int i : {0, 1}) {
            // A turn lifts it by a fraction of a pixel for a moment.
            ASSERT_GE(item(i)[i_y], 288.0f) << "tick " << n;
            ASSERT_LT(item(i)[i_y], 289.0f) << "tick " << n;
            ASSERT_GE(item(i)[i_x], 5 * 32 - 2.0f);
            ASSERT_LE(item(i)[i_x], 12 * 32 + 2.0f);
        }
    }
    EXPECT_EQ(item(0)[i_type], item_insect);
    EXPECT_EQ(item(1)[i_type], item_hostile);
    // The beetle walked off (and the long fall was the end of it).
    EXPECT_GT(beetle(b)[b_y], 19 * 32.0f);
}

TEST_F(SimMovement, ItemsTurnAtWallsAndWorldEdges) {
    auto rows = flat_floor(10);
    rows[9][20] = '#';
    rows[9][17] = 'i';
    load_quiet(rows);
    item(0)[i_dir] = 1;
    // A creature placed on the very edge turns once, then walks away.
    int edge = add_item(0, 288, item_hostile, 0);
    ticks(400);
    EXPECT_LT(item(0)[i_x], 17 * 32.0f);
    EXPECT_EQ(item(0)[i_dir], 0.0f);
    EXPECT_GT(item(edge)[i_x], 32.0f);
    EXPECT_EQ(item(edge)[i_dir], 1.0f);
    EXPECT_EQ(item(edge)[i_mode], 0.0f);
}

TEST_F(SimMovement, BuriedInsectDiesAndHostileJumpsFree) {
    load_quiet(flat_floor(10));
    int insect = add_item(320, 288, item_insect);
    int hostile = add_item(640, 288, item_hostile);
    int mushroom = add_item(960, 288, item_mushroom);
    world_tick();
    ASSERT_EQ(item(insect)[i_type], item_insect);
    sounds();
    terrain_front[10][9] = 31;
    terrain_front[20][9] = 31;
    terrain_front[30][9] = 31;
    world_tick();
    EXPECT_EQ(item(insect)[i_type], item_none);
    EXPECT_EQ(count_effects(fx_insect_body), 1);
    EXPECT_EQ(item(hostile)[i_type], item_hostile);
    EXPECT_EQ(item(hostile)[i_y], 256.0f);
    EXPECT_EQ(item(hostile)[i_vy], -5.0f);
    EXPECT_EQ(item(mushroom)[i_type], item_none);
    auto heard = sounds();
    EXPECT_EQ(heard, (std::vector<std::string>{"wah.wav", "dead4.wav", "wah.wav"}));
}

TEST_F(SimMovement, CreatureAboveTheWorldFallsBack) {
    load_quiet(flat_floor(10));
    int hostile = add_item(320, -40, item_hostile);
    item(hostile)[i_vy] = -5;
    ticks(300);
    EXPECT_EQ(item(hostile)[i_type], item_hostile);
    EXPECT_EQ(item(hostile)[i_y], 288.0f);
    EXPECT_EQ(item(hostile)[i_vy], 1.0f);
}

TEST_F(SimMovement, BeetleTurnedAtTheWorldEdgeWalksBackIn) {
    load_quiet(flat_floor(10));
    // Where a glide over the edge can leave a beetle.
    int left = add_beetle(-5, 288, 0);
    int right = add_beetle(1570, 288, 1);
    world_tick();
    EXPECT_EQ(beetle(left)[b_state], st_turning);
    EXPECT_EQ(beetle(left)[b_vy], -2.0f);
    EXPECT_GE(beetle(left)[b_x], 1.0f);
    EXPECT_LE(beetle(right)[b_x], 1567.0f);
    ticks(300);
    EXPECT_GT(beetle(left)[b_x], 100.0f);
    EXPECT_LT(beetle(right)[b_x], 1467.0f);
}

TEST_F(SimMovement, LeavingTheWorldIsSilent) {
    load_quiet(empty_rows());
    int b = add_beetle(300, 925, 1);
    beetle(b)[b_vy] = 4;
    int m = add_item(600, 925, item_mushroom);
    item(m)[i_vy] = 4;
    world_tick();
    EXPECT_EQ(beetle(b)[b_kind], kind_none);
    EXPECT_EQ(item(m)[i_type], item_none);
    EXPECT_TRUE(effects.empty());
    EXPECT_TRUE(sounds().empty());
}

} // namespace
