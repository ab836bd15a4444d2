#include "frontend/loading.h"

#include <algorithm>

#include "devtools/harness.h"
#include "frontend/resources.h"
#include "runtime/runtime.h"
#include "text/text.h"
#include "world/catalogue.h"

namespace {

bool tables_created = false;

}  // namespace

void draw_loading_frame(int percent, float logo_alpha, float strip_alpha) {
    set_color(255, 255, 255);
    cls();
    set_alpha(std::max(0.0f, logo_alpha));
    draw_image(res.logo, 400, 300, 0);
    set_alpha(std::max(0.0f, strip_alpha));
    for (int i = 0; i <= 10; ++i) draw_image(res.load_percents, 290 + 21 * i, 330, 0);
    const int filled = std::clamp(percent, 0, 100) / 10;
    for (int i = 0; i <= filled; ++i) draw_image(res.load_percents, 290 + 21 * i, 330, 1);
    set_alpha(1);
    flip(-1);
}

void show_loading(int percent) {
    draw_loading_frame(percent, 0.5f, 1.0f);
    if (percent != 100) return;
    // Counted in whole hundredths so the fade always has its last step.
    for (int k = 0; k <= 100; ++k) {
        const float t = static_cast<float>(k) / 100.0f;
        draw_loading_frame(100, 0.5f - t, 1.0f - 2 * t);
    }
    set_alpha(1);
}

void start_up() {
    set_blend(3);
    set_alpha(1);
    if (!harness.play) harness_start_counting();
    if (!tables_created) {
        init_glyph_widths();
        if (level_previews == 0) {
            level_previews = create_image(150, 90, 10);
            mid_handle_image(level_previews);
        }
    }
    load_loading_images();
    if (resources_ready()) return;
    show_loading(0);
    if (!tables_created) {
        tables_created = true;
        build_catalogue();
    }
    show_loading(5);
    load_resources(show_loading);
}
