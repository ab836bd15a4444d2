// The same seed and input give the same world, whether or not frames are
// drawn and however much the cosmetic stream is used.
#include "sim_fixture.h"

#include <cstring>

#include "busy_level.h"

namespace {

struct world_snapshot {
    int32_t front[world_cols][world_rows];
    int32_t plans[world_cols][world_rows];
    int32_t orders[world_cols][world_rows];
    float beetle_rows[max_beetles][beetle_fields];
    float item_rows[max_items][item_fields];
    float saucer_rec[8];
    int32_t tools[26];
    std::vector<charge> charge_list;
    int counters[6];
    float shake_now;
};

world_snapshot take_snapshot(bool with_hover) {
    world_snapshot s{};
    std::memcpy(s.front, terrain_front, sizeof s.front);
    std::memcpy(s.plans, plan_layer, sizeof s.plans);
    std::memcpy(s.orders, order_layer, sizeof s.orders);
    std::memcpy(s.beetle_rows, beetles, sizeof s.beetle_rows);
    // The hover phase is cosmetic: it only moves the builder's picture.
    if (!with_hover)
        for (auto& row : s.beetle_rows) row[b_hover] = 0;
    std::memcpy(s.item_rows, items, sizeof s.item_rows);
    std::memcpy(s.saucer_rec, saucer, sizeof s.saucer_rec);
    std::memcpy(s.tools, tool_counts, sizeof s.tools);
    s.charge_list = charges;
    int c[6] = {beetles_dropped, mushrooms_delivered, insects_delivered, mission_timer,
                tick_in_second, saucer_beam};
    std::memcpy(s.counters, c, sizeof c);
    s.shake_now = shake;
    return s;
}

bool same_world(const world_snapshot& a, const world_snapshot& b) {
    if (a.charge_list.size() != b.charge_list.size()) return false;
    for (size_t i = 0; i < a.charge_list.size(); ++i)
        if (std::memcmp(&a.charge_list[i], &b.charge_list[i], sizeof(charge)) != 0) return false;
    return std::memcmp(a.front, b.front, sizeof a.front) == 0 &&
           std::memcmp(a.plans, b.plans, sizeof a.plans) == 0 &&
           std::memcmp(a.orders, b.orders, sizeof a.orders) == 0 &&
           std::memcmp(a.beetle_rows, b.beetle_rows, sizeof a.beetle_rows) == 0 &&
           std::memcmp(a.item_rows, b.item_rows, sizeof a.item_rows) == 0 &&
           std::memcmp(a.saucer_rec, b.saucer_rec, sizeof a.saucer_rec) == 0 &&
           std::memcmp(a.tools, b.tools, sizeof a.tools) == 0 &&
           std::memcmp(a.counters, b.counters, sizeof a.counters) == 0 && a.shake_now == b.shake_now;
}

class SimDeterminism : public sim_test {
protected:
    struct run_stats {
        bool exploded = false;
        bool dug = false;
        int most_effects = 0;
    };

    // One frame: the ticks, then the charges and effects as the play screen
    // runs them.
    run_stats run(uint32_t seed, bool draw, bool extra_cosmetic, int frames) {
        run_stats st;
        seed_rnd(seed);
        EXPECT_TRUE(load_busy_level());
        const int32_t dig_cell = terrain_front[21][26];
        for (int f = 0; f < frames; ++f) {
            busy_level_input(f);
            world_tick();
            if (extra_cosmetic) rand_cosmetic(1, 1000);
            update_charges(draw);
            update_effects(draw);
            if (shake > 0) st.exploded = true;
            shake = shake > 0 ? shake - 0.2f : 0;
            if (terrain_front[21][26] != dig_cell) st.dug = true;
            st.most_effects = std::max(st.most_effects, static_cast<int>(effects.size() + dust.size()));
        }
        return st;
    }
};

// Drawing that uses the cosmetic stream, as the real drawing does.
void draw_with_noise(const dust_particle&) { rand_cosmetic(1, 360); }
void draw_effect_with_noise(const effect&) { rand_cosmetic(5, 15); }

TEST_F(SimDeterminism, SameSeedAndInputGiveTheSameWorld) {
    const int frames = 6000;
    run_stats plain = run(7, false, false, frames);
    world_snapshot a = take_snapshot(true);

    // The run must have been busy for the comparison to mean anything.
    EXPECT_EQ(beetles_dropped, max_beetles);
    EXPECT_TRUE(plain.exploded);
    EXPECT_TRUE(plain.dug);
    EXPECT_GT(plain.most_effects, 50);
    EXPECT_GT(mushrooms_delivered + insects_delivered, 0);

    run(7, false, false, frames);
    EXPECT_TRUE(same_world(a, take_snapshot(true)));

    effect_drawing.dust = draw_with_noise;
    effect_drawing.effect = draw_effect_with_noise;
    run(7, true, true, frames);
    effect_drawing = effect_draw_hooks{};
    EXPECT_TRUE(same_world(take_snapshot(false), [&] {
        world_snapshot s = a;
        for (auto& row : s.beetle_rows) row[b_hover] = 0;
        return s;
    }()));

    // A different seed gives a different world (the world stream matters).
    run(8, false, false, frames);
    EXPECT_FALSE(same_world(a, take_snapshot(true)));
}

} // namespace
