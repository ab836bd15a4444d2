#include <cmath>

#include "runtime/runtime.h"
#include "sim/steps.h"

effect_draw_hooks effect_drawing{};

namespace {

constexpr float body_gravity = 0.5f;
constexpr float off_screen_bottom = 960;

float rc(int a, int b) { return static_cast<float>(rand_cosmetic(a, b)); }

// The common look of a puff of dust: random turn, spin and heading, and now
// and then a big or a drifting one.
dust_particle puff(float x, float y, float alpha, float small, float big) {
    dust_particle d{};
    d.x = x;
    d.y = y;
    d.rotation = rc(1, 360);
    d.spin = rc(1, 6) - 3;
    d.alpha = alpha;
    d.scale = rc(1, 10) == 10 ? big : small;
    d.heading = rc(1, 360);
    d.speed = rc(1, 10) == 10 ? 1.0f : 0.0f;
    return d;
}

void add_sparkle(float x, float y, int r, int g, int b, float scale, float vx, float vy, int set) {
    sparkles.push_back(sparkle{x, y, r, g, b, scale, 1.0f, vx, vy, set});
}

// Returns false when the effect has ended.
bool step_effect(effect& e) {
    switch (e.kind) {
    case fx_aura: {
        int b = static_cast<int>(e.a);
        if (b < 0 || b >= max_beetles) return false;
        if (e.b > 10) {
            float bx = beetles[b][b_x], by = beetles[b][b_y];
            float x = bx + 16 + rc(1, 32) - 16;
            float y = by + 16 + rc(1, 32) - 16;
            int red = rand_cosmetic(151, 250), green = rand_cosmetic(151, 250), blue = rand_cosmetic(151, 250);
            float scale = rc(1, 10) / 10;
            float vx = rc(1, 4) - 2, vy = rc(1, 4) - 2;
            add_sparkle(x, y, red, green, blue, scale, vx, vy, 0);
        }
        e.b -= 1;
        return e.b > 0;
    }
    case fx_beetle_body:
    case fx_insect_body:
    case fx_hostile_body:
        e.y += e.a;
        e.a += body_gravity;
        return e.y <= off_screen_bottom;
    case fx_soul:
        if (e.a < 0.8f) e.a += 0.005f;
        // Upwards, tilted by the heading.
        e.x += static_cast<float>(cos_deg(270 + e.b) * 0.5);
        e.y += static_cast<float>(sin_deg(270 + e.b) * 0.5);
        return e.y >= -48;
    case fx_flash:
        e.a += 1;
        if (e.a >= 2) {
            e.a = 0;
            e.b += 1;
        }
        return e.b < 41;
    default: return false;
    }
}

bool step_sparkle(sparkle& s, bool draw) {
    s.alpha -= 0.02f;
    if (s.alpha < 0) return false;
    if (draw && effect_drawing.sparkle) effect_drawing.sparkle(s);
    s.x += s.vx;
    s.y += s.vy;
    s.vy += 0.1f;
    if (s.scale > 0.1f) s.scale -= 0.01f;
    return true;
}

bool step_dust(dust_particle& d, bool draw) {
    d.alpha -= 0.005f;
    if (d.alpha < 0) return false;
    if (draw && effect_drawing.dust) effect_drawing.dust(d);
    d.scale += 0.01f;
    d.rotation += d.spin;
    // Most particles only hang and fade; spare them the trigonometry.
    if (d.speed != 0) {
        d.x += static_cast<float>(cos_deg(270 + d.heading) * d.speed);
        d.y += static_cast<float>(sin_deg(270 + d.heading) * d.speed);
    }
    // Every particle curves upwards.
    if (d.heading > 0 && d.heading < 180)
        d.heading -= 3;
    else if (d.heading >= 180 && d.heading < 360)
        d.heading += 3;
    return true;
}

// Steps every record of a list in order, dropping those that end.
template <typename T, typename F>
void step_list(std::vector<T>& list, F step) {
    size_t kept = 0;
    for (size_t i = 0; i < list.size(); ++i) {
        T rec = list[i];
        if (step(rec)) list[kept++] = rec;
    }
    list.resize(kept);
}

} // namespace

void burst(int b, int count, int set) {
    if (b < 0 || b >= max_beetles) return;
    float bx = beetles[b][b_x], by = beetles[b][b_y];
    effects.push_back(effect{bx, by, fx_aura, static_cast<float>(b), 50.0f, 0.0f});
    for (int k = 0; k <= count; ++k) {
        float x = bx + 16 + rc(1, 32) - 16;
        float y = by + 16 + rc(1, 32) - 16;
        int red = rand_cosmetic(1, 100) + 150;
        int green = rand_cosmetic(1, 100) + 150;
        int blue = rand_cosmetic(1, 100) + 150;
        float scale = rc(1, 10) / 10 + 0.5f;
        float vx = (rc(1, 6) - 3) * 1.5f;
        float vy = (rc(1, 6) - 3) * 1.5f;
        add_sparkle(x, y, red, green, blue, scale, vx, vy, set);
    }
}

void debris_at(int c, int r) {
    float x = static_cast<float>(c * 32 + 16 + 2 * rand_cosmetic(1, 24) - 24);
    float y = static_cast<float>(r * 32 + 16 + 2 * rand_cosmetic(1, 24) - 24);
    dust.push_back(puff(x, y, 0.8f, 0.5f, 1.5f));
}

void work_dust(int b) {
    const float* bt = beetles[b];
    float timer = bt[b_timer];
    float x = bt[b_x] + 16 + rc(1, 32) - 16;
    float y = bt[b_y] + 32 + rc(1, 2) - 1;
    dust_particle d{};
    d.x = x;
    d.y = y;
    d.rotation = rc(1, 360);
    d.spin = rc(1, 6) - 3;
    d.alpha = 0.2f + timer / 200;
    d.scale = rc(1, 10) == 10 ? 1.3f : 0.3f;
    d.heading = rc(1, 360);
    // Faster as the job goes on, with the odd fast grain.
    int kick = rand_cosmetic(1, 20);
    d.speed = timer / 200 + (kick == 20 ? 2.0f : kick >= 10 ? 1.0f : 0.0f);
    dust.push_back(d);
}

void site_dust(int c, int r) {
    float x = static_cast<float>(c * 32 + 16 + rand_cosmetic(1, 64) - 32);
    float y = static_cast<float>(r * 32 + 16 + rand_cosmetic(1, 64) - 32);
    dust.push_back(puff(x, y, 0.4f, 0.5f, 1.5f));
}

void update_effects(bool draw) {
    step_list(effects, [draw](effect& e) {
        if (draw && effect_drawing.effect) effect_drawing.effect(e);
        return step_effect(e);
    });
    step_list(sparkles, [draw](sparkle& s) { return step_sparkle(s, draw); });
    step_list(dust, [draw](dust_particle& d) { return step_dust(d, draw); });
}
