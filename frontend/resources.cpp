#include "frontend/resources.h"

#include "audio/sound_table.h"
#include "runtime/runtime.h"
#include "text/text.h"
#include "world/gfx_manifest.h"

front_resources res{};
int resource_files_loaded = 0;

namespace {

bool loading_images_done = false;
bool table_done = false;

// progress: the percentage shown once this row is loaded, 0 for none.
// A null path marks where the effect sounds are loaded.
struct resource_row {
    int* handle;
    const char* path;
    int progress;
};

const resource_row resource_table[] = {
    {&res.miniland, "gfx/miniland.xtc", 0},
    {&res.mmbig_images, "gfx/mmbigimages.xtc", 0},
    {&res.minimap, "gfx/minimap.xtc", 0},
    {&res.minimap_win, "gfx/hud/minimapwin.xtc", 0},
    {&res.arrows, "gfx/hud/arrows.xtc", 0},
    {&res.mouse, "gfx/mouse.xtc", 0},
    {&res.mouse1, "gfx/mouse1.xtc", 0},
    {&res.demo_mouse, "gfx/hud/mouse.xtc", 0},
    {&res.font_large, "gfx/hud/newfont.xtc", 0},
    {&res.font_digits, "gfx/hud/num.xtc", 0},
    {&res.font_small, "gfx/hud/newfont2.xtc", 0},
    {&res.menu_back, "gfx/hud/vorn/menu.xtc", 0},
    {&res.menu_planet, "gfx/hud/vorn/menuplanet.xtc", 0},
    {&res.stars_back, "gfx/hud/vorn/stars_back.xtc", 0},
    {&res.flare, "gfx/hud/vorn/flare.xtc", 0},
    {&res.planet_lines, "gfx/hud/menuplanet_lines.xtc", 0},
    {&res.star, "gfx/hud/star.xtc", 0},
    {&res.point, "gfx/hud/point.xtc", 0},
    {&res.menu_keys, "gfx/hud/menukeys.xtc", 0},
    {&res.ok_cancel, "gfx/hud/okcancel.xtc", 20},
    {&res.panel1, "gfx/hud/menupanel1.xtc", 0},
    {&res.panel11, "gfx/hud/menupanel11.xtc", 0},
    {&res.panel2, "gfx/hud/menupanel2.xtc", 0},
    {&res.panel3, "gfx/hud/menupanel3.xtc", 0},
    {&res.planet_tab, "gfx/hud/planettab.xtc", 0},
    {&res.radio_button, "gfx/hud/radiobutton.xtc", 0},
    {&res.ufo, "gfx/ufo.xtc", 0},
    {&res.result_titles, "gfx/hud/Vorn/texts.xtc", 0},
    {&res.go_text, "gfx/hud/Vorn/go_text.xtc", 0},
    {&res.rects, "gfx/hud/rects.xtc", 0},
    {&res.hint_tab, "gfx/hud/hinttab.xtc", 0},
    {&res.hint_tab2, "gfx/hud/hinttab2.xtc", 0},
    {nullptr, nullptr, 30},
    {&res.additions, "gfx/additions.xtc", 0},
    {&res.drill_land, "gfx/drillland.xtc", 0},
    {&res.animations, "gfx/hud/animations.xtc", 50},
    {&res.lcd, "gfx/hud/lcd.xtc", 0},
    {&res.item, "gfx/hud/item.xtc", 0},
    {&res.bplane1, "gfx/env/bplane1.xtc", 0},
    {&res.bplane2, "gfx/env/bplane2.xtc", 0},
    {&res.haze[0], "gfx/env/haze_1.xtc", 0},
    {&res.haze[1], "gfx/env/haze_2.xtc", 0},
    {&res.haze[2], "gfx/env/haze_3.xtc", 60},
    {&res.ufo_light, "gfx/ufolight.xtc", 0},
    {&res.obj, "gfx/obj.xtc", 0},
    {&res.obj2, "gfx/obj2.xtc", 0},
    {&res.obj3, "gfx/obj3.xtc", 0},
    {&res.world_star, "gfx/star.xtc", 0},
    {&res.particle, "gfx/particle.xtc", 0},
    {&res.smoke, "gfx/smoke.xtc", 0},
    {&res.elem_back, "gfx/hud/elemback.xtc", 0},
    {&res.elem_back1, "gfx/hud/elemback1.xtc", 0},
    {&res.panel_back, "gfx/hud/panelback.xtc", 0},
    {&res.status_back, "gfx/hud/statusback.xtc", 80},
    {&res.talk, "gfx/talk1.xtc", 0},
    {&res.talk_icons, "gfx/talkicons.xtc", 0},
    {&res.bubble, "gfx/bubble.xtc", 0},
    {&res.raindrops, "gfx/env/raindrops.xtc", 0},
    {&res.rain, "gfx/env/rain.xtc", 0},
    {&res.boom_strip, "gfx/boomstrip.xtc", 0},
    {&res.build_star, "gfx/hud/build_star.xtc", 0},
    {&res.icons, "gfx/hud/icons.xtc", 0},
    {&res.tab, "gfx/hud/tab.xtc", 0},
    {&res.select_build, "gfx/hud/selectbuild.xtc", 0},
    {&res.launch, "gfx/hud/launch.xtc", 100},
};

}  // namespace

int load_listed_image(const char* path) {
    resource_files_loaded += 1;
    const gfx_entry* e = gfx_find(path);
    if (e == nullptr) return load_image(path, -1);
    const int image = e->frames > 1
                          ? load_anim_image(path, e->cell_w, e->cell_h, 0, e->frames, -1)
                          : load_image(path, -1);
    if (image != 0 && e->centred) mid_handle_image(image);
    return image;
}

void load_loading_images() {
    if (loading_images_done) return;
    loading_images_done = true;
    res.load_percents = load_listed_image("gfx/hud/loadpercents.xtc");
    res.logo = load_listed_image("gfx/hud/logo1.xtc");
}

void load_resources(void (*progress)(int percent)) {
    if (table_done) return;
    table_done = true;
    for (const resource_row& row : resource_table) {
        if (row.path == nullptr) {
            resource_files_loaded += 1;
            load_sound_table();
        } else {
            *row.handle = load_listed_image(row.path);
        }
        if (row.progress != 0 && progress != nullptr) progress(row.progress);
    }
    // The text routines draw with the fonts of this table.
    font_large = res.font_large;
    font_small = res.font_small;
    font_digits = res.font_digits;
}

bool resources_ready() { return table_done; }
