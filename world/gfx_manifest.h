// Every picture the game reads from gfx/, with the frame grid the drawing code
// relies on. Shared by the artwork generator, the resource loader and the tests,
// so a picture can be neither missing nor cut into the wrong cells.
#pragma once

#include <cstddef>
#include <string_view>

// env_set: -1 for shared pictures, 0..2 for the pictures of one environment set
// (loaded at level entry instead of at start-up). extra: not in the start-up
// resource table (drawn by a screen that loads it itself).
struct gfx_entry {
    const char* path;
    int cell_w;
    int cell_h;
    int frames;
    bool centred;
    int env_set;
    bool extra;
};

inline constexpr gfx_entry gfx_manifest[] = {
    // start-up resource table, in loading order
    {"gfx/hud/loadpercents.xtc", 24, 32, 2, true, -1, false},
    {"gfx/hud/logo1.xtc", 560, 200, 1, true, -1, false},
    {"gfx/miniland.xtc", 3, 3, 378, false, -1, false},
    {"gfx/mmbigimages.xtc", 20, 20, 21, true, -1, false},
    {"gfx/minimap.xtc", 150, 90, 2, false, -1, false},
    {"gfx/hud/minimapwin.xtc", 166, 106, 1, true, -1, false},
    {"gfx/hud/arrows.xtc", 60, 35, 4, true, -1, false},
    {"gfx/mouse.xtc", 24, 24, 3, false, -1, false},
    {"gfx/mouse1.xtc", 32, 32, 1, true, -1, false},
    {"gfx/hud/mouse.xtc", 55, 70, 2, true, -1, false},
    {"gfx/hud/newfont.xtc", 16, 16, 90, false, -1, false},
    {"gfx/hud/num.xtc", 15, 25, 12, false, -1, false},
    {"gfx/hud/newfont2.xtc", 12, 16, 90, false, -1, false},
    {"gfx/hud/vorn/menu.xtc", 800, 600, 1, false, -1, false},
    {"gfx/hud/vorn/menuplanet.xtc", 800, 600, 1, false, -1, false},
    {"gfx/hud/vorn/stars_back.xtc", 1024, 1024, 1, true, -1, false},
    {"gfx/hud/vorn/flare.xtc", 512, 512, 1, true, -1, false},
    {"gfx/hud/menuplanet_lines.xtc", 560, 450, 1, false, -1, false},
    {"gfx/hud/star.xtc", 32, 32, 1, true, -1, false},
    {"gfx/hud/point.xtc", 16, 16, 1, false, -1, false},
    {"gfx/hud/menukeys.xtc", 320, 100, 12, false, -1, false},
    {"gfx/hud/okcancel.xtc", 48, 48, 2, false, -1, false},
    {"gfx/hud/menupanel1.xtc", 410, 450, 1, false, -1, false},
    {"gfx/hud/menupanel11.xtc", 570, 360, 1, false, -1, false},
    {"gfx/hud/menupanel2.xtc", 410, 210, 1, false, -1, false},
    {"gfx/hud/menupanel3.xtc", 64, 64, 1, false, -1, false},
    {"gfx/hud/planettab.xtc", 100, 28, 1, false, -1, false},
    {"gfx/hud/radiobutton.xtc", 32, 32, 2, false, -1, false},
    {"gfx/ufo.xtc", 148, 96, 23, true, -1, false},
    {"gfx/hud/Vorn/texts.xtc", 480, 120, 2, true, -1, false},
    {"gfx/hud/Vorn/go_text.xtc", 640, 320, 1, true, -1, false},
    {"gfx/hud/rects.xtc", 20, 20, 3, false, -1, false},
    {"gfx/hud/hinttab.xtc", 240, 30, 1, true, -1, false},
    {"gfx/hud/hinttab2.xtc", 240, 30, 1, true, -1, false},
    {"gfx/additions.xtc", 48, 48, 12, false, -1, false},
    {"gfx/drillland.xtc", 32, 32, 8, false, -1, false},
    {"gfx/hud/animations.xtc", 94, 94, 3, false, -1, false},
    {"gfx/hud/lcd.xtc", 94, 94, 10, false, -1, false},
    {"gfx/hud/item.xtc", 10, 10, 1, false, -1, false},
    {"gfx/env/bplane1.xtc", 900, 672, 1, false, -1, false},
    {"gfx/env/bplane2.xtc", 900, 672, 1, false, -1, false},
    {"gfx/env/haze_1.xtc", 900, 260, 1, false, -1, false},
    {"gfx/env/haze_2.xtc", 900, 220, 1, false, -1, false},
    {"gfx/env/haze_3.xtc", 900, 200, 1, false, -1, false},
    {"gfx/ufolight.xtc", 48, 2, 1, true, -1, false},
    {"gfx/obj.xtc", 48, 48, 76, false, -1, false},
    {"gfx/obj2.xtc", 48, 48, 5, false, -1, false},
    {"gfx/obj3.xtc", 48, 48, 260, false, -1, false},
    {"gfx/star.xtc", 24, 24, 3, true, -1, false},
    {"gfx/particle.xtc", 64, 64, 1, true, -1, false},
    {"gfx/smoke.xtc", 32, 32, 1, true, -1, false},
    {"gfx/hud/elemback.xtc", 56, 56, 1, true, -1, false},
    {"gfx/hud/elemback1.xtc", 64, 32, 2, true, -1, false},
    {"gfx/hud/panelback.xtc", 112, 200, 1, true, -1, false},
    {"gfx/hud/statusback.xtc", 64, 64, 1, true, -1, false},
    {"gfx/talk1.xtc", 64, 54, 1, false, -1, false},
    {"gfx/talkicons.xtc", 24, 24, 4, false, -1, false},
    {"gfx/bubble.xtc", 64, 64, 20, false, -1, false},
    {"gfx/env/raindrops.xtc", 8, 8, 3, false, -1, false},
    {"gfx/env/rain.xtc", 8, 32, 1, true, -1, false},
    {"gfx/boomstrip.xtc", 64, 64, 41, true, -1, false},
    {"gfx/hud/build_star.xtc", 75, 75, 4, true, -1, false},
    {"gfx/hud/icons.xtc", 64, 64, 24, true, -1, false},
    {"gfx/hud/tab.xtc", 96, 56, 1, true, -1, false},
    {"gfx/hud/selectbuild.xtc", 48, 48, 1, false, -1, false},
    {"gfx/hud/launch.xtc", 48, 48, 1, true, -1, false},

    // environment sets, loaded at level entry
    {"gfx/land0.xtc", 32, 32, 128, false, 0, false},
    {"gfx/env/mplane0.xtc", 1024, 320, 1, false, 0, false},
    {"gfx/env/bigimages0.xtc", 185, 185, 7, true, 0, false},
    {"gfx/env/sun0.xtc", 256, 256, 1, true, 0, false},
    {"gfx/land1.xtc", 32, 32, 128, false, 1, false},
    {"gfx/env/mplane1.xtc", 1024, 320, 1, false, 1, false},
    {"gfx/env/bigimages1.xtc", 185, 185, 7, true, 1, false},
    {"gfx/env/sun1.xtc", 256, 256, 1, true, 1, false},
    {"gfx/land2.xtc", 32, 32, 128, false, 2, false},
    {"gfx/env/mplane2.xtc", 1024, 320, 1, false, 2, false},
    {"gfx/env/bigimages2.xtc", 185, 185, 7, true, 2, false},
    {"gfx/env/sun2.xtc", 256, 256, 1, true, 2, false},

    // loaded by the screens that show them
    {"gfx/hud/vorn/vorn1.xtc", 800, 525, 1, false, -1, true},
    {"gfx/hud/vorn/vorn2.xtc", 800, 525, 1, false, -1, true},
    {"gfx/hud/vorn/vorn3.xtc", 800, 525, 1, false, -1, true},
    {"gfx/hud/Vorn/victory.xtc", 800, 600, 1, true, -1, true},
};

inline constexpr std::size_t gfx_manifest_count = sizeof(gfx_manifest) / sizeof(gfx_manifest[0]);

// The entry for a path, or nullptr.
constexpr const gfx_entry* gfx_find(std::string_view path) {
    for (const gfx_entry& e : gfx_manifest)
        if (path == e.path) return &e;
    return nullptr;
}
