#include "frontend/starfield.h"

#include <algorithm>
#include <cmath>

#include "config/settings.h"
#include "frontend/resources.h"
#include "runtime/runtime.h"
#include "world/catalogue.h"

void draw_star_map(float clock) {
    set_rotation(clock);
    draw_image(res.stars_back, 400, 300, 0);
    set_rotation(0);
    set_blend(4);
    draw_image(res.flare, 480, 300, 0);
    set_blend(3);
    draw_image(res.menu_planet, 0, 0, 0);
}

void draw_routes(float clock) {
    set_alpha(std::min(1.0f, 0.3f + static_cast<float>(std::fabs(cos_deg(clock * 20.0)))));
    for (int segment : route_taken) {
        if (segment < 0 || segment >= 10) continue;
        const int* box = route_segments[segment];
        set_viewport(box[0] + 186, box[1] + 56, box[2] - box[0], box[3] - box[1]);
        draw_image(res.planet_lines, 186, 56, 0);
    }
    set_viewport(0, 0, screen_width, screen_height);
    set_alpha(1);
}
