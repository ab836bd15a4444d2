#include "play/play_state.h"

#include <string>

#include "runtime/runtime.h"
#include "world/catalogue.h"
#include "world/gfx_manifest.h"

play_frame_state play;
play_images gfx{};

namespace {

int loaded_set = -1;
bool shared_loaded = false;

// Cut as the manifest says, so the drawing offsets match the artwork.
int load_listed(const std::string& path) {
    const gfx_entry* e = gfx_find(path);
    if (e == nullptr) return load_image(path);
    int image = load_anim_image(path, e->cell_w, e->cell_h, 0, e->frames);
    if (image != 0 && e->centred) mid_handle_image(image);
    return image;
}

}  // namespace

void load_play_images(int planet) {
    if (!shared_loaded) {
        shared_loaded = true;
        gfx.bplane1 = load_listed("gfx/env/bplane1.xtc");
        gfx.bplane2 = load_listed("gfx/env/bplane2.xtc");
        gfx.haze[0] = load_listed("gfx/env/haze_1.xtc");
        gfx.haze[1] = load_listed("gfx/env/haze_2.xtc");
        gfx.haze[2] = load_listed("gfx/env/haze_3.xtc");
        gfx.raindrops = load_listed("gfx/env/raindrops.xtc");
        gfx.rain = load_listed("gfx/env/rain.xtc");
        gfx.ufo_light = load_listed("gfx/ufolight.xtc");
        gfx.ufo = load_listed("gfx/ufo.xtc");
        gfx.obj = load_listed("gfx/obj.xtc");
        gfx.obj2 = load_listed("gfx/obj2.xtc");
        gfx.obj3 = load_listed("gfx/obj3.xtc");
        gfx.particle = load_listed("gfx/particle.xtc");
        gfx.bubble = load_listed("gfx/bubble.xtc");
        gfx.additions = load_listed("gfx/additions.xtc");
        gfx.drill = load_listed("gfx/drillland.xtc");
        gfx.talk = load_listed("gfx/talk1.xtc");
        gfx.talk_icons = load_listed("gfx/talkicons.xtc");
        gfx.point = load_listed("gfx/hud/point.xtc");
        gfx.mouse = load_listed("gfx/mouse.xtc");
        gfx.mouse1 = load_listed("gfx/mouse1.xtc");
        gfx.demo_mouse = load_listed("gfx/hud/mouse.xtc");
        gfx.elemback = load_listed("gfx/hud/elemback.xtc");
        gfx.elemback1 = load_listed("gfx/hud/elemback1.xtc");
        gfx.icons = load_listed("gfx/hud/icons.xtc");
        gfx.build_star = load_listed("gfx/hud/build_star.xtc");
        gfx.tab = load_listed("gfx/hud/tab.xtc");
        gfx.hinttab = load_listed("gfx/hud/hinttab.xtc");
        gfx.selectbuild = load_listed("gfx/hud/selectbuild.xtc");
        gfx.animations = load_listed("gfx/hud/animations.xtc");
        gfx.lcd = load_listed("gfx/hud/lcd.xtc");
        gfx.item = load_listed("gfx/hud/item.xtc");
        gfx.panelback = load_listed("gfx/hud/panelback.xtc");
        gfx.lesson_panel = load_listed("gfx/hud/menupanel11.xtc");
        gfx.demo_band = load_listed("gfx/hud/menupanel2.xtc");
        gfx.star = load_listed("gfx/star.xtc");
        gfx.smoke = load_listed("gfx/smoke.xtc");
        gfx.boomstrip = load_listed("gfx/boomstrip.xtc");
    }
    const int set = environment_set(planet);
    if (set == loaded_set) return;
    for (int h : {gfx.tiles, gfx.far_plane, gfx.big_images, gfx.sun})
        if (h != 0) free_handle(h);
    loaded_set = set;
    const std::string n = std::to_string(set);
    gfx.tiles = load_listed("gfx/land" + n + ".xtc");
    gfx.far_plane = load_listed("gfx/env/mplane" + n + ".xtc");
    gfx.big_images = load_listed("gfx/env/bigimages" + n + ".xtc");
    gfx.sun = load_listed("gfx/env/sun" + n + ".xtc");
}
