#include <cstdio>
#include <cstring>
#include <map>

#include "generators.h"

namespace gfx {

namespace {

struct route {
    const char* prefix;  // a path, or a folder prefix ending in '/'
    draw_fn draw;
};

// Longest matching entry wins, so single files can override their folder.
constexpr route routes[] = {
    {"gfx/land", draw_land},
    {"gfx/obj3.xtc", draw_beetles},
    {"gfx/obj.xtc", draw_obj},
    {"gfx/obj2.xtc", draw_mushrooms},
    {"gfx/additions.xtc", draw_additions},
    {"gfx/drillland.xtc", draw_drillland},
    {"gfx/env/", draw_env},
    {"gfx/env/bigimages", draw_bigimages},
    {"gfx/ufo.xtc", draw_ufo},
    {"gfx/ufolight.xtc", draw_effects},
    {"gfx/boomstrip.xtc", draw_effects},
    {"gfx/bubble.xtc", draw_effects},
    {"gfx/star.xtc", draw_effects},
    {"gfx/particle.xtc", draw_effects},
    {"gfx/smoke.xtc", draw_effects},
    {"gfx/hud/point.xtc", draw_effects},
    {"gfx/hud/star.xtc", draw_effects},
    {"gfx/talk1.xtc", draw_effects},
    {"gfx/talkicons.xtc", draw_effects},
    {"gfx/mouse.xtc", draw_hud},
    {"gfx/mouse1.xtc", draw_hud},
    {"gfx/hud/", draw_hud},
    {"gfx/hud/icons.xtc", draw_icons},
    {"gfx/hud/build_star.xtc", draw_icons},
    {"gfx/hud/newfont.xtc", draw_fonts},
    {"gfx/hud/newfont2.xtc", draw_fonts},
    {"gfx/hud/num.xtc", draw_fonts},
    {"gfx/hud/menukeys.xtc", draw_front},
    {"gfx/hud/logo1.xtc", draw_front},
    {"gfx/hud/vorn/menu.xtc", draw_front},
    {"gfx/hud/Vorn/", draw_results},
    {"gfx/hud/vorn/vorn", draw_results},
    {"gfx/hud/menupanel", draw_panels},
    {"gfx/hud/okcancel.xtc", draw_panels},
    {"gfx/hud/radiobutton.xtc", draw_panels},
    {"gfx/hud/arrows.xtc", draw_panels},
    {"gfx/hud/planettab.xtc", draw_panels},
    {"gfx/hud/loadpercents.xtc", draw_panels},
    {"gfx/hud/vorn/menuplanet.xtc", draw_starmap},
    {"gfx/hud/vorn/stars_back.xtc", draw_starmap},
    {"gfx/hud/vorn/flare.xtc", draw_starmap},
    {"gfx/hud/menuplanet_lines.xtc", draw_starmap},
    {"gfx/hud/launch.xtc", draw_starmap},
    {"gfx/miniland.xtc", draw_minimap},
    {"gfx/mmbigimages.xtc", draw_minimap},
    {"gfx/minimap.xtc", draw_minimap},
    {"gfx/hud/minimapwin.xtc", draw_minimap},
};

std::map<std::string, sheet>& cache() {
    static std::map<std::string, sheet> c;
    return c;
}

}  // namespace

draw_fn find_generator(const char* path) {
    draw_fn best = nullptr;
    std::size_t best_len = 0;
    for (const route& r : routes) {
        std::size_t n = std::strlen(r.prefix);
        if (n >= best_len && std::strncmp(path, r.prefix, n) == 0) {
            best = r.draw;
            best_len = n;
        }
    }
    return best;
}

sheet render(const gfx_entry& e) {
    sheet s = make_sheet(e);
    if (draw_fn f = find_generator(e.path)) f(s, e);
    cairo_surface_flush(s.surface);
    return s;
}

const sheet& source(const char* path) {
    auto& c = cache();
    auto it = c.find(path);
    if (it != c.end()) return it->second;
    const gfx_entry* e = gfx_find(path);
    sheet s = e ? render(*e) : make_sheet(1, 1, 1);
    return c.emplace(path, s).first->second;
}

void reset_sources() {
    for (auto& [path, s] : cache()) free_sheet(s);
    cache().clear();
}

bool generate_one(const gfx_entry& e, const std::string& out_dir) {
    if (!find_generator(e.path)) {
        std::fprintf(stderr, "gfxgen: no generator for %s\n", e.path);
        return false;
    }
    sheet s = render(e);
    bool ok = write_png(s.surface, out_dir + "/" + (e.path + 4));  // paths start with "gfx/"
    free_sheet(s);
    if (!ok) std::fprintf(stderr, "gfxgen: cannot write %s\n", e.path);
    return ok;
}

int generate_all(const std::string& out_dir, const std::string& only) {
    int failures = 0;
    for (const gfx_entry& e : gfx_manifest) {
        if (!only.empty() && std::string(e.path).find(only) == std::string::npos) continue;
        if (!generate_one(e, out_dir)) ++failures;
    }
    reset_sources();
    return failures;
}

}  // namespace gfx
