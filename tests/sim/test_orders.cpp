// Navigation arrows, Dence Balls and the operations on a selected beetle.
#include "sim_fixture.h"

namespace {

class SimOrders : public sim_test {};

std::vector<std::string> flat_floor(int row) {
    auto rows = empty_rows();
    paint(rows, 0, row, 50, row, '#');
    return rows;
}

TEST_F(SimOrders, ArrowsTurnOnlyBeetlesWalkingAgainstThem) {
    load_quiet(flat_floor(10));
    order_layer[12][9] = order_left;
    order_layer[30][9] = order_right;
    int against_left = add_beetle(300, 288, 1);
    int with_left = add_beetle(450, 288, 0);
    int against_right = add_beetle(1050, 288, 0);
    int with_right = add_beetle(880, 288, 1);
    ticks(120);
    EXPECT_EQ(beetle(against_left)[b_dir], 0.0f);
    EXPECT_LT(beetle(against_left)[b_x], 12 * 32.0f);
    EXPECT_EQ(beetle(with_left)[b_dir], 0.0f);
    EXPECT_LT(beetle(with_left)[b_x], 360.0f);
    EXPECT_EQ(beetle(against_right)[b_dir], 1.0f);
    EXPECT_GT(beetle(against_right)[b_x], 30 * 32.0f);
    EXPECT_EQ(beetle(with_right)[b_dir], 1.0f);
    EXPECT_GT(beetle(with_right)[b_x], 30 * 32.0f);
    // Arrows are never used up.
    EXPECT_EQ(order_layer[12][9], order_left);
    EXPECT_EQ(order_layer[30][9], order_right);
}

TEST_F(SimOrders, ArrowsActOnlyOnTheGround) {
    load_quiet(flat_floor(10));
    order_layer[12][7] = order_left;
    order_layer[12][8] = order_left;
    int b = add_beetle(12 * 32, 7 * 32, 1);
    beetle(b)[b_vy] = 1.3f;
    ticks(40);
    EXPECT_EQ(beetle(b)[b_y], 288.0f);
    EXPECT_EQ(beetle(b)[b_dir], 1.0f);
    EXPECT_EQ(beetle(b)[b_state], st_walking);
}

TEST_F(SimOrders, DenceBallsGlideFromACliff) {
    auto rows = empty_rows();
    paint(rows, 0, 10, 12, 10, '#');
    paint(rows, 0, 25, 50, 25, '#');
    load_quiet(rows);
    int b = add_beetle(330, 288, 1);
    beetle(b)[b_balls] = 2;
    int n = ticks_until([&] { return beetle(b)[b_state] == st_gliding; }, 200);
    ASSERT_GT(n, 0);
    EXPECT_EQ(beetle(b)[b_balls], 0.0f);
    EXPECT_EQ(beetle(b)[b_timer], 0.8f);
    EXPECT_TRUE(played("bubble.wav"));
    const float start_x = beetle(b)[b_x];

    int glide_ticks = 0;
    const float start_y = beetle(b)[b_y];
    while (beetle(b)[b_timer] > 0 && glide_ticks < 100) {
        float y = beetle(b)[b_y];
        world_tick();
        ++glide_ticks;
        // Sinking a pixel a tick once clear of the ledge; gravity never builds up.
        ASSERT_EQ(beetle(b)[b_vy], 1.0f);
        ASSERT_GE(beetle(b)[b_y], y);
        ASSERT_LE(beetle(b)[b_y], y + 1.0f);
    }
    EXPECT_GT(beetle(b)[b_y], start_y + 8);
    // The speed falls by 0.02 a tick from 0.8: about forty ticks, sixteen pixels.
    EXPECT_GE(glide_ticks, 39);
    EXPECT_LE(glide_ticks, 41);
    EXPECT_NEAR(beetle(b)[b_x] - start_x, 16.0f, 1.0f);

    // Then it sinks straight down and lands in the landing pose, unhurt.
    ASSERT_GT(ticks_until([&] { return beetle(b)[b_state] == st_landing; }, 1000), 0);
    EXPECT_EQ(beetle(b)[b_kind], kind_laborer);
    EXPECT_EQ(beetle(b)[b_vy], -2.0f);
    EXPECT_NEAR(beetle(b)[b_x] - start_x, 16.0f, 1.0f);
    ticks(30);
    EXPECT_EQ(beetle(b)[b_y], 24 * 32.0f);
    EXPECT_EQ(beetle(b)[b_kind], kind_laborer);
}

TEST_F(SimOrders, DenceBallsAreKeptOverAOneCellStep) {
    auto rows = empty_rows();
    paint(rows, 0, 10, 12, 10, '#');
    paint(rows, 13, 11, 50, 11, '#');
    load_quiet(rows);
    int b = add_beetle(330, 288, 1);
    beetle(b)[b_balls] = 2;
    for (int n = 0; n < 200; ++n) {
        world_tick();
        ASSERT_NE(beetle(b)[b_state], st_gliding);
    }
    EXPECT_EQ(beetle(b)[b_balls], 2.0f);
    EXPECT_EQ(beetle(b)[b_y], 320.0f);
}

TEST_F(SimOrders, TransformationsChangeKindAndUseTheStock) {
    load_quiet(flat_floor(10));
    int b = add_beetle(300, 288, 1);
    beetle(b)[b_cargo] = cargo_mushroom;
    beetle(b)[b_balls] = 2;
    tool_counts[tool_to_builder] = 1;
    tool_counts[tool_to_armoured] = 3;
    current_tool = tool_to_builder;

    ASSERT_TRUE(transform_beetle(b, tool_to_builder));
    EXPECT_EQ(beetle(b)[b_kind], kind_builder);
    EXPECT_EQ(beetle(b)[b_vy], -5.0f);
    EXPECT_EQ(beetle(b)[b_state], st_walking);
    EXPECT_EQ(beetle(b)[b_cargo], cargo_mushroom);
    EXPECT_EQ(beetle(b)[b_balls], 2.0f);
    EXPECT_EQ(tool_counts[tool_to_builder], 0);
    EXPECT_EQ(current_tool, no_tool);
    EXPECT_EQ(count_effects(fx_aura), 1);
    EXPECT_EQ(sparkles.size(), 21u);
    EXPECT_EQ(sounds(), (std::vector<std::string>{"wah.wav", "transform.wav"}));

    // Into what it already is: nothing, and the stock is kept.
    tool_counts[tool_to_builder] = 2;
    EXPECT_FALSE(transform_beetle(b, tool_to_builder));
    EXPECT_EQ(tool_counts[tool_to_builder], 2);
    EXPECT_TRUE(sounds().empty());

    // A dead beetle cannot be transformed.
    beetle(b)[b_kind] = kind_none;
    EXPECT_FALSE(transform_beetle(b, tool_to_armoured));
    EXPECT_EQ(beetle(b)[b_kind], kind_none);
    EXPECT_EQ(tool_counts[tool_to_armoured], 3);
}

TEST_F(SimOrders, TransformToLaborerStockFollowsTheBeetles) {
    load_quiet(flat_floor(10));
    int a = add_beetle(300, 288, 1);
    int b = add_beetle(600, 288, 1);
    tool_counts[tool_to_medic] = 5;
    ASSERT_TRUE(transform_beetle(a, tool_to_medic));
    ASSERT_TRUE(transform_beetle(b, tool_to_medic));
    world_tick();
    EXPECT_EQ(tool_counts[tool_to_laborer], 2);
    ASSERT_TRUE(transform_beetle(a, tool_to_laborer));
    EXPECT_EQ(tool_counts[tool_to_laborer], 1);
    world_tick();
    EXPECT_EQ(tool_counts[tool_to_laborer], 1);
    EXPECT_EQ(beetle(a)[b_kind], kind_laborer);
}

TEST_F(SimOrders, UrgentTurnOnlyForWalkingBeetles) {
    load_quiet(flat_floor(10));
    int walker = add_beetle(300, 288, 1);
    int turner = add_beetle(600, 288, 1, kind_laborer, st_turning);
    tool_counts[tool_urgent_turn] = 2;
    EXPECT_FALSE(urgent_turn(turner));
    EXPECT_EQ(tool_counts[tool_urgent_turn], 2);
    ASSERT_TRUE(urgent_turn(walker));
    EXPECT_EQ(beetle(walker)[b_state], st_turning);
    EXPECT_EQ(beetle(walker)[b_frame], 20.0f);
    EXPECT_EQ(beetle(walker)[b_vy], -3.0f);
    EXPECT_EQ(tool_counts[tool_urgent_turn], 1);
    ticks(60);
    EXPECT_EQ(beetle(walker)[b_dir], 0.0f);

    tool_counts[tool_urgent_turn] = unlimited_stock;
    beetle(walker)[b_state] = st_walking;
    ASSERT_TRUE(urgent_turn(walker));
    EXPECT_EQ(tool_counts[tool_urgent_turn], unlimited_stock);
}

TEST_F(SimOrders, DenceBallsGivenAndTakenBack) {
    load_quiet(flat_floor(10));
    int b = add_beetle(300, 288, 1);
    tool_counts[tool_dence_balls] = 1;
    current_tool = tool_dence_balls;
    ASSERT_TRUE(give_dence_balls(b));
    EXPECT_EQ(beetle(b)[b_balls], 2.0f);
    EXPECT_EQ(tool_counts[tool_dence_balls], 0);
    EXPECT_EQ(current_tool, no_tool);
    EXPECT_EQ(sparkles.size(), 11u);
    // One set at a time.
    tool_counts[tool_dence_balls] = 5;
    EXPECT_FALSE(give_dence_balls(b));
    EXPECT_EQ(tool_counts[tool_dence_balls], 5);
    sounds();

    ASSERT_TRUE(take_dence_balls(b));
    EXPECT_EQ(beetle(b)[b_balls], 0.0f);
    EXPECT_EQ(tool_counts[tool_dence_balls], 6);
    EXPECT_EQ(sounds(), (std::vector<std::string>{"wah.wav"}));

    // Without balls the cleaner leaves the beetle alone, silently.
    size_t effects_before = effects.size();
    EXPECT_FALSE(take_dence_balls(b));
    EXPECT_EQ(tool_counts[tool_dence_balls], 6);
    EXPECT_EQ(effects.size(), effects_before);
    EXPECT_TRUE(sounds().empty());

    // The take-back refunds even an unlimited stock.
    tool_counts[tool_dence_balls] = unlimited_stock;
    ASSERT_TRUE(give_dence_balls(b));
    EXPECT_EQ(tool_counts[tool_dence_balls], unlimited_stock);
    ASSERT_TRUE(take_dence_balls(b));
    EXPECT_EQ(tool_counts[tool_dence_balls], unlimited_stock + 1);
}

} // namespace
