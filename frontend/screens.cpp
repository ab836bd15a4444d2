#include "frontend/screens.h"

#include "config/settings.h"
#include "devtools/harness.h"
#include "play/play_loop.h"
#include "runtime/runtime.h"
#include "text/text.h"
#include "world/catalogue.h"
#include "world/map_file.h"
#include "world/world.h"

namespace {

// Until the menus exist, a title card that shows the game runs.
void title_card() {
    current_screen = "menu";
    int logo = load_image("gfx/hud/logo1.xtc");
    mid_handle_image(logo);
    for (long frame = 0; !quit_requested(); ++frame) {
        cls();
        set_color(255, 255, 255);
        set_alpha(1);
        draw_image(logo, 400, 220, 0);
        set_color(0, 0, 0);
        draw_text(402, 402, "The Zembra Zeri", 1, 0);
        set_color(255, 255, 255);
        draw_text(400, 400, "The Zembra Zeri", 1, 0);
        draw_text(400, 440, "Press Escape to leave", 1, 1);
        flip(-1);
        if (key_hit(vk_escape) > 0) break;
    }
}

}  // namespace

void run_screens() {
    init_glyph_widths();
    build_catalogue();
    load_fonts();
    read_settings();
    if (harness.play) {
        current_planet = harness.play_planet;
        current_level = harness.play_level;
        read_campaign();
        current_planet = harness.play_planet;
        current_level = harness.play_level;
        map_planet = current_planet;
        map_level = current_level;
        run_level();
        harness_start_counting();
        while (!quit_requested()) {
            cls();
            flip(-1);
        }
        return;
    }
    harness_start_counting();
    title_card();
}
