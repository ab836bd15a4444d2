// Picking up resources and carrying them into the saucer.
#include "sim_fixture.h"

namespace {

class SimDelivery : public sim_test {
protected:
    // Saucer hovering over column 10 at y 100, floor rows 10..12.
    void SetUp() override {
        sim_test::SetUp();
        auto rows = empty_rows();
        paint(rows, 0, 10, 50, 12, '#');
        load_quiet(rows);
        saucer[s_x] = 336;
        saucer[s_y] = 100;
    }
    int loaded_laborer(float x, int cargo) {
        int b = add_beetle(x, 288, 1);
        beetle(b)[b_cargo] = static_cast<float>(cargo);
        beetle(b)[b_speed] = 0;
        return b;
    }
};

TEST_F(SimDelivery, OnlyUnloadedLaborersPickUp) {
    int mushroom = add_item(400, 288, item_mushroom);
    int insect = add_item(800, 288, item_insect);
    item(insect)[i_sub] = 1;
    int builder = add_beetle(340, 288, 1, kind_builder);
    ticks(120);
    EXPECT_EQ(item(mushroom)[i_type], item_mushroom);
    EXPECT_EQ(beetle(builder)[b_cargo], cargo_none);

    int laborer = add_beetle(340, 288, 1);
    ASSERT_GT(ticks_until([&] { return beetle(laborer)[b_cargo] != cargo_none; }, 200), 0);
    EXPECT_EQ(beetle(laborer)[b_cargo], cargo_mushroom);
    EXPECT_EQ(beetle(laborer)[b_vy], -5.0f);
    EXPECT_EQ(item(mushroom)[i_type], item_none);
    EXPECT_EQ(count_effects(fx_aura), 1);
    EXPECT_TRUE(played("pickup.wav"));

    // Loaded, it walks over the insect and leaves it.
    ticks(700);
    EXPECT_EQ(item(insect)[i_type], item_insect);
    EXPECT_EQ(beetle(laborer)[b_cargo], cargo_mushroom);
}

TEST_F(SimDelivery, BoardsOnlyUnderTheDropPoint) {
    // saucer x - 19 .. saucer x - 13
    const int expected_state[] = {st_walking, st_ready, st_ready, st_ready, st_ready, st_ready,
                                  st_walking};
    for (int k = 0; k < 7; ++k) {
        SetUp();
        int b = loaded_laborer(saucer[s_x] - 19 + k, cargo_insect);
        world_tick();
        EXPECT_EQ(beetle(b)[b_state], expected_state[k]) << "offset " << -19 + k;
    }
    SetUp();
    int empty = loaded_laborer(318, cargo_none);
    int medic = loaded_laborer(318, cargo_mushroom);
    beetle(medic)[b_kind] = kind_medic;
    world_tick();
    EXPECT_EQ(beetle(empty)[b_state], st_walking);
    EXPECT_EQ(beetle(medic)[b_state], st_walking);
}

TEST_F(SimDelivery, ABridgeAboveBlocksBoarding) {
    terrain_front[10][5] = tile_bridge;
    int b = loaded_laborer(320, cargo_mushroom);
    ticks(5);
    EXPECT_EQ(beetle(b)[b_state], st_walking);
    terrain_front[10][5] = 0;
    world_tick();
    EXPECT_EQ(beetle(b)[b_state], st_ready);
}

TEST_F(SimDelivery, TwoLaborersDeliverTogetherAndComeBackDown) {
    int a = loaded_laborer(320, cargo_mushroom);
    int b = loaded_laborer(320, cargo_insect);
    world_tick();
    ASSERT_EQ(beetle(a)[b_state], st_ready);
    ASSERT_EQ(beetle(b)[b_state], st_ready);
    ASSERT_GT(ticks_until([&] { return beetle(a)[b_state] == st_lifted; }, 100), 0);
    ASSERT_EQ(beetle(b)[b_state], st_lifted);
    float y = beetle(a)[b_y];
    ticks(10);
    EXPECT_EQ(saucer_beam, 1);
    EXPECT_EQ(beetle(a)[b_y], y - 20);

    ASSERT_GT(ticks_until([] { return mushrooms_delivered == 1; }, 200), 0);
    EXPECT_EQ(insects_delivered, 1);
    for (int r : {a, b}) {
        EXPECT_EQ(beetle(r)[b_cargo], cargo_none);
        EXPECT_EQ(beetle(r)[b_state], st_landing);
        EXPECT_LE(beetle(r)[b_y], saucer[s_y]);
    }
    // Back down from the saucer's height in the landing pose: no harm done.
    ticks(300);
    for (int r : {a, b}) {
        EXPECT_EQ(beetle(r)[b_kind], kind_laborer);
        EXPECT_EQ(beetle(r)[b_y], 288.0f);
    }
    EXPECT_EQ(mushrooms_delivered, 1);
    EXPECT_EQ(insects_delivered, 1);
}

TEST_F(SimDelivery, BlockedLiftDropsTheBeetleWithItsLoad) {
    int b = loaded_laborer(320, cargo_mushroom);
    ASSERT_GT(ticks_until([&] { return beetle(b)[b_state] == st_lifted; }, 200), 0);
    ticks(5);
    terrain_front[10][4] = 31;
    world_tick();
    EXPECT_EQ(beetle(b)[b_state], st_landing);
    EXPECT_EQ(beetle(b)[b_vy], -2.0f);
    EXPECT_EQ(beetle(b)[b_cargo], cargo_mushroom);
    EXPECT_EQ(mushrooms_delivered, 0);
}

} // namespace
