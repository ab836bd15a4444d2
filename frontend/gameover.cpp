#include "frontend/gameover.h"

#include "audio/music.h"
#include "config/settings.h"
#include "devtools/harness.h"
#include "frontend/resources.h"
#include "frontend/screens.h"
#include "runtime/runtime.h"
#include "world/world.h"

namespace {

int shown_image = 0;
bool leaving = false;

int run_end_picture(int image) {
    enter_end_picture(image);
    while (!quit_requested()) {
        const int next = end_picture_frame();
        if (next >= 0) return next;
    }
    return next_exit;
}

}  // namespace

void enter_end_picture(int image) {
    current_screen = "gameover";
    // The campaign is over: Continue must refuse from now on.
    delete_campaign();
    shown_image = image;
    leaving = false;
    light_level = 0;
    target_light = 255;
}

int end_picture_frame() {
    const int l = static_cast<int>(light_level);
    set_color(l, l, l);
    take_input_snapshot();
    cls();
    draw_image(shown_image, 400, 300, 0);
    draw_front_pointer();
    flip(-1);
    if (front_clicked() || key_down(vk_escape)) {
        leaving = true;
        target_light = 0;
    }
    if (leaving && light_level == 0) return next_menu;
    fade_light();
    apply_volumes();
    return -1;
}

int victory_picture() {
    static int image = -1;
    if (image < 0) image = load_listed_image("gfx/hud/Vorn/victory.xtc");
    return image;
}

int run_game_over() { return run_end_picture(res.go_text); }

int run_victory() { return run_end_picture(victory_picture()); }
