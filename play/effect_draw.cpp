// Pictures of the effect lists. The simulation steps the records; these
// hooks only draw them, and they draw nothing unless pixels are drawn.
#include <cstdint>

#include "play/ingame.h"
#include "play/play_state.h"
#include "runtime/runtime.h"
#include "sim/sim.h"
#include "world/world.h"

namespace {

constexpr float sheet_cell = 48;

// The fuse's flicker must not take numbers from either random stream: the
// same seed has to give the same game with and without drawing.
uint32_t flicker_state = 12345;
float flicker(float lo, float hi) {
    flicker_state = flicker_state * 1664525u + 1013904223u;
    return lo + (hi - lo) * static_cast<float>(flicker_state >> 8) / 16777216.0f;
}

int light() { return to_int(light_level); }
float sx(float wx) { return wx - static_cast<float>(camera_x); }
float sy(float wy) { return wy - static_cast<float>(camera_y); }

void plain() {
    const int l = light();
    set_color(l, l, l);
    set_alpha(1);
    set_blend(3);
    set_scale(1, 1);
    set_rotation(0);
}

// Bodies fall upside down; the sheets turn about their top-left corner.
void upside_down(int image, float wx, float wy, int frame) {
    set_rotation(180);
    draw_image(image, sx(wx) + sheet_cell, sy(wy) + sheet_cell, frame);
    set_rotation(0);
}

void draw_charge(const charge& c) {
    draw_image(gfx.additions, sx(c.x), sy(c.y), 5);
    set_blend(4);
    set_alpha(flicker(0.5f, 1.5f));
    set_rotation(flicker(0, 360));
    set_scale(0.3f, 0.3f);
    draw_image(gfx.particle, sx(c.x + 25), sy(c.y + c.fuse / 50), 0);
    plain();
}

void draw_effect(const effect& e) {
    switch (e.kind) {
        case fx_aura: {
            const int b = static_cast<int>(e.a);
            if (b < 0 || b >= max_beetles) break;
            set_blend(4);
            set_alpha(e.b / 50);
            set_rotation(e.b * 3);
            set_scale(2, 2);
            draw_image(gfx.particle, sx(beetles[b][b_x] + 16), sy(beetles[b][b_y] + 16), 0);
            break;
        }
        case fx_beetle_body: {
            const int kind = static_cast<int>(e.b), dir = static_cast<int>(e.c);
            upside_down(gfx.obj3, e.x, e.y, (kind - 1) * 52 + dir * 26);
            break;
        }
        case fx_soul:
            set_alpha(e.a);
            set_rotation(e.b);
            draw_image(gfx.additions, sx(e.x), sy(e.y), 4);
            break;
        case fx_flash:
            set_blend(4);
            for (float scale : {3.5f, 5.0f}) {
                set_scale(scale, scale);
                draw_image(gfx.boomstrip, sx(e.x), sy(e.y), static_cast<int>(e.b));
            }
            break;
        case fx_insect_body:
        case fx_hostile_body: {
            const int dir = static_cast<int>(e.c);
            upside_down(gfx.obj, e.x, e.y, dir * 19 + (e.kind == fx_hostile_body ? 38 : 0));
            break;
        }
        default: break;
    }
    plain();
}

void draw_sparkle(const sparkle& s) {
    // Sparkles keep their own colour, darkened with the world.
    const int l = light();
    set_color(s.red * l / 255, s.green * l / 255, s.blue * l / 255);
    set_scale(s.scale, s.scale);
    set_alpha(s.alpha);
    draw_image(gfx.star, sx(s.x), sy(s.y), s.colour_set);
    plain();
}

void draw_dust(const dust_particle& d) {
    set_blend(4);
    set_scale(d.scale, d.scale);
    set_rotation(d.rotation);
    set_alpha(d.alpha);
    draw_image(gfx.smoke, sx(d.x), sy(d.y), 0);
    plain();
}

}  // namespace

void install_effect_drawing() {
    effect_drawing.charge = draw_charge;
    effect_drawing.effect = draw_effect;
    effect_drawing.sparkle = draw_sparkle;
    effect_drawing.dust = draw_dust;
}
