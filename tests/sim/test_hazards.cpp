// Hostile creatures, dynamite charges and explosions.
#include "sim_fixture.h"

#include <cstring>

namespace {

class SimHazards : public sim_test {
protected:
    void SetUp() override {
        sim_test::SetUp();
        auto rows = empty_rows();
        paint(rows, 0, 10, 50, 12, '#');
        paint(rows, 0, 20, 30, 22, '#');
        load_quiet(rows);
    }
    // A creature that does not step away in this tick.
    int hostile_at(float x, float y) {
        int i = add_item(x, y, item_hostile);
        item(i)[i_sub] = 1;
        return i;
    }
    int frames_until_gone() {
        for (int n = 1; n <= 3000; ++n) {
            update_charges(false);
            if (charges.empty()) return n;
        }
        return -1;
    }
};

TEST_F(SimHazards, ArmouredBeetleWinsFourTimesInFive) {
    seed_rnd(99);
    int wins = 0;
    const int trials = 2000;
    for (int t = 0; t < trials; ++t) {
        std::memset(beetles, 0, sizeof beetles);
        std::memset(items, 0, sizeof items);
        effects.clear();
        int b = add_beetle(320, 288, 1, kind_armoured);
        int h = hostile_at(320, 288);
        world_tick();
        bool won = beetle(b)[b_kind] == kind_armoured;
        if (won) {
            ++wins;
            ASSERT_EQ(item(h)[i_type], item_none);
            ASSERT_EQ(count_effects(fx_hostile_body), 1);
        } else {
            ASSERT_EQ(item(h)[i_type], item_hostile);
            ASSERT_EQ(count_effects(fx_beetle_body), 1);
        }
    }
    EXPECT_GT(wins, trials * 75 / 100);
    EXPECT_LT(wins, trials * 85 / 100);
}

TEST_F(SimHazards, OtherKindsAlwaysDieOnContact) {
    for (int kind : {kind_laborer, kind_builder, kind_medic}) {
        std::memset(beetles, 0, sizeof beetles);
        sounds();
        int b = add_beetle(320, 288, 1, kind);
        hostile_at(320, 288);
        world_tick();
        EXPECT_EQ(beetle(b)[b_kind], kind_none) << kind;
        auto heard = sounds();
        ASSERT_EQ(heard.size(), 3u) << kind;
        EXPECT_EQ(heard[0], "wah.wav");
        EXPECT_EQ(heard[2], "electrocute.wav");
    }
    EXPECT_EQ(items[0][i_type], item_hostile);
}

TEST_F(SimHazards, ADeadBeetleIsNotElectrocutedTwice) {
    int b = add_beetle(320, 288, 1);
    hostile_at(320, 288);
    hostile_at(320, 288);
    world_tick();
    EXPECT_EQ(beetle(b)[b_kind], kind_none);
    int shocks = 0;
    for (const auto& s : sounds()) shocks += s == "electrocute.wav";
    EXPECT_EQ(shocks, 1);
    EXPECT_EQ(count_effects(fx_aura), 1);
}

TEST_F(SimHazards, ChargeFallsToTheNextSolidCellBeforeItGoesOff) {
    charges.push_back(charge{10 * 32 - 8, 14 * 32, 1, -2.0f, 0.0f});
    ASSERT_GT(frames_until_gone(), 0);
    ASSERT_EQ(count_effects(fx_flash), 1);
    // At rest the charge's bottom edge is the last pixel above the floor
    // (row 20), so the blast is centred on (10, 19).
    const effect* flash = nullptr;
    for (const auto& e : effects)
        if (e.kind == fx_flash) flash = &e;
    EXPECT_EQ(flash->x, 10 * 32 + 16.0f);
    EXPECT_EQ(flash->y, 20 * 32 - 1.0f);
    EXPECT_EQ(terrain_front[10][21], 0);
    EXPECT_EQ(terrain_front[12][20], 0);
    EXPECT_EQ(terrain_front[8][20], 0);
    EXPECT_EQ(shake, 20.0f);
    EXPECT_TRUE(played("explosion.wav"));
}

TEST_F(SimHazards, ChargeFallingOutOfTheWorldNeverGoesOff) {
    charges.push_back(charge{40 * 32 - 8, 14 * 32, 1, -2.0f, 0.0f});
    int n = frames_until_gone();
    ASSERT_GT(n, 0);
    EXPECT_LT(n, 500);
    EXPECT_EQ(count_effects(fx_flash), 0);
    EXPECT_EQ(shake, 0.0f);
}

TEST_F(SimHazards, FuseBurnsByTicksAndFallsByFrames) {
    charges.push_back(charge{10 * 32 - 8, 9 * 32, 1, 1.0f, 0.0f});
    EXPECT_EQ(frames_until_gone(), 501);
    game_speed = 1;
    charges.push_back(charge{20 * 32 - 8, 9 * 32, 1, 1.0f, 0.0f});
    EXPECT_EQ(frames_until_gone(), 167);

    // In the air both speeds fall alike per frame.
    std::vector<float> heights;
    for (int speed : {0, 1}) {
        game_speed = speed;
        charges.clear();
        charges.push_back(charge{40 * 32 - 8, 2 * 32, 1, -2.0f, 0.0f});
        for (int f = 0; f < 20; ++f) update_charges(false);
        heights.push_back(charges[0].y);
        EXPECT_EQ(charges[0].fuse, 20.0f * (2 * speed + 1));
    }
    EXPECT_EQ(heights[0], heights[1]);
}

TEST_F(SimHazards, ExplosionAtTheWorldEdgeClearsOnlyCellsInside) {
    reset_world_tables();
    for (int c = 0; c < world_cols; ++c)
        for (int r = 0; r < world_rows; ++r) {
            terrain_front[c][r] = 31;
            plan_layer[c][r] = plan_boring;
        }
    explode(16, 16);
    for (auto [c, r] : {std::pair{0, 2}, {1, 2}, {2, 0}, {2, 1}}) {
        EXPECT_EQ(terrain_front[c][r], 0) << c << "," << r;
        EXPECT_EQ(plan_layer[c][r], 0) << c << "," << r;
    }
    explode(50 * 32 + 16, 30 * 32 + 16);
    for (auto [c, r] : {std::pair{49, 28}, {50, 28}, {48, 29}, {48, 30}})
        EXPECT_EQ(terrain_front[c][r], 0) << c << "," << r;
    EXPECT_NE(terrain_front[50][30], 0);
    for (int c = 0; c < world_cols; ++c)
        for (int r = 0; r < world_rows; ++r) ASSERT_EQ(terrain_back[c][r], 0);
}

TEST_F(SimHazards, EffectsRunTheirCourse) {
    int b = add_beetle(320, 288, 1);
    burst(b, 5, 1);
    kill_beetle(b);
    explode(800, 200);
    ASSERT_FALSE(dust.empty());
    ASSERT_EQ(sparkles.size(), 6u);
    EXPECT_EQ(sparkles[0].colour_set, 1);
    int drawn = 0;
    static int* counter = nullptr;
    counter = &drawn;
    effect_drawing.effect = [](const effect&) { ++*counter; };
    update_effects(false);
    EXPECT_EQ(drawn, 0);
    update_effects(true);
    EXPECT_GT(drawn, 0);
    effect_drawing.effect = nullptr;
    for (int f = 0; f < 400; ++f) update_effects(false);
    EXPECT_TRUE(sparkles.empty());
    EXPECT_EQ(count_effects(fx_aura), 0);
    EXPECT_EQ(count_effects(fx_flash), 0);
    EXPECT_EQ(count_effects(fx_beetle_body), 0);
    EXPECT_EQ(count_effects(fx_soul), 1); // still rising
    for (int f = 0; f < 1000; ++f) update_effects(false);
    EXPECT_TRUE(effects.empty());
    EXPECT_TRUE(dust.empty());
}

} // namespace
