#include <cstdlib>

#include "audio/sound_table.h"
#include "runtime/runtime.h"
#include "sim/steps.h"

namespace {

constexpr float fuse_length = 500;

void clear_item(int item) {
    for (int f = 0; f < item_fields; ++f) items[item][f] = 0;
}

void add_body(int kind, float x, float y, float type, float dir) {
    effects.push_back(effect{x + 48, y, kind, -5.0f, type, dir});
}

void electrocute(int b, int debris) {
    int c = cell_of(beetles[b][b_x]);
    int r = cell_of(beetles[b][b_y]);
    for (int k = 0; k < debris; ++k) debris_at(c, r);
    burst(b, 25, 2);
    play_sound(snd_electrocute, effects_channel_a);
}

int dead_sound(int n) {
    switch (n) {
    case 1: return snd_dead1;
    case 2: return snd_dead2;
    default: return snd_dead3;
    }
}

} // namespace

void hostile_contact(int b, int item) {
    if (beetles[b][b_kind] == kind_armoured && rand_range(0, 4) < 4) {
        kill_hostile(item);
        electrocute(b, 7);
        return;
    }
    kill_beetle(b);
    electrocute(b, 6);
}

void kill_beetle(int b) {
    if (b < 0 || b >= max_beetles) return;
    float* bt = beetles[b];
    if (bt[b_kind] == kind_none) return;
    add_body(fx_beetle_body, bt[b_x], bt[b_y], bt[b_kind], bt[b_dir]);
    bt[b_kind] = kind_none;
    int heading = rand_cosmetic(1, 90) - 45;
    if (heading < 0) heading = 359 - std::abs(heading);
    effects.push_back(effect{bt[b_x] - 8, bt[b_y], fx_soul, 0.0f, static_cast<float>(heading), 0.0f});
    play_sound(snd_wah, effects_channel_a);
    play_sound(dead_sound(rand_cosmetic(1, 3)), effects_channel_a);
}

void kill_insect(int item) {
    if (item < 0 || item >= max_items || items[item][i_type] < 1) return;
    float* it = items[item];
    add_body(fx_insect_body, it[i_x], it[i_y], it[i_type], it[i_dir]);
    clear_item(item);
    play_sound(snd_wah, effects_channel_a);
    play_sound(snd_dead4, effects_channel_a);
}

void kill_hostile(int item) {
    if (item < 0 || item >= max_items || items[item][i_type] < 1) return;
    float* it = items[item];
    add_body(fx_hostile_body, it[i_x], it[i_y], it[i_type], it[i_dir]);
    clear_item(item);
    play_sound(snd_dead4, effects_channel_a);
}

void drop_mushroom(int item) {
    if (item < 0 || item >= max_items || items[item][i_type] < 1) return;
    clear_item(item);
    play_sound(snd_wah, effects_channel_a);
}

void explode(int px, int py) {
    int c = px / 32;
    int r = py / 32;
    effects.push_back(effect{static_cast<float>(px), static_cast<float>(py), fx_flash, 0.0f, 0.0f, 0.0f});
    // A ring at distance two around the centre, without its corners.
    for (int k = -1; k <= 1; ++k) {
        const int ring[4][2] = {{c + k, r - 2}, {c + k, r + 2}, {c - 2, r + k}, {c + 2, r + k}};
        for (const auto& cell : ring) {
            set_cell(terrain_front, cell[0], cell[1], tile_empty);
            set_cell(plan_layer, cell[0], cell[1], plan_none);
        }
    }
    settle_terrain();
    for (int k = 0; k < 61; ++k) {
        dust_particle d{};
        d.x = static_cast<float>(px + rand_cosmetic(1, 100) - 50);
        d.y = static_cast<float>(py + rand_cosmetic(1, 100) - 50);
        d.rotation = static_cast<float>(rand_cosmetic(1, 360));
        d.spin = static_cast<float>(rand_cosmetic(1, 6) - 3);
        d.alpha = 0.4f;
        d.scale = rand_cosmetic(1, 10) == 10 ? 1.5f : 0.5f;
        d.heading = static_cast<float>(rand_cosmetic(1, 360));
        d.speed = rand_cosmetic(1, 10) == 10 ? 1.0f : 0.0f;
        dust.push_back(d);
    }
    shake = 20.0f;
    play_sound(snd_explosion, effects_channel_b);
}

void update_charges(bool draw) {
    size_t kept = 0;
    for (size_t i = 0; i < charges.size(); ++i) {
        charge ch = charges[i];
        if (ch.active != 1) {
            charges[kept++] = ch;
            continue;
        }
        if (draw && effect_drawing.charge) effect_drawing.charge(ch);
        int old_y = static_cast<int>(ch.y);
        ch.y += ch.vy;
        ch.vy += gravity;
        if (ch.y > 928) continue; // fell out of the world: never goes off
        if (solid_at(ch.x + 24, ch.y + 32)) {
            ch.y = static_cast<float>(old_y);
            ch.vy = standing_vy;
        }
        // The burning fuse spits sparks.
        dust_particle spark{};
        spark.x = ch.x + 25;
        spark.y = ch.y + ch.fuse / 50;
        spark.rotation = static_cast<float>(rand_cosmetic(1, 360));
        spark.spin = static_cast<float>(rand_cosmetic(1, 6) - 3);
        spark.alpha = 0.2f;
        spark.scale = 0.1f;
        spark.heading = static_cast<float>(rand_cosmetic(1, 90)) + 0.4f;
        spark.speed = 0.5f;
        dust.push_back(spark);
        // The fuse burns in world ticks, however many run in this frame.
        ch.fuse += static_cast<float>(2 * game_speed + 1);
        if (ch.fuse > fuse_length) {
            explode(static_cast<int>(ch.x + 24), static_cast<int>(ch.y + 32));
            continue;
        }
        charges[kept++] = ch;
    }
    charges.resize(kept);
}
