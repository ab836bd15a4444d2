// The picture generators: one function per picture (or per family of pictures),
// each filling a sheet whose grid comes from the manifest.
#pragma once

#include <string>

#include "canvas.h"

namespace gfx {

using draw_fn = void (*)(sheet& s, const gfx_entry& e);

// Finds the generator for a manifest path (nullptr when there is none).
draw_fn find_generator(const char* path);
// Renders one manifest picture into a new sheet (the caller frees it).
sheet render(const gfx_entry& e);
// Another picture the current one is derived from (rendered once, kept until reset).
const sheet& source(const char* path);
void reset_sources();

// Writes every manifest picture under out_dir; returns the number of failures.
int generate_all(const std::string& out_dir, const std::string& only = "");
bool generate_one(const gfx_entry& e, const std::string& out_dir);

// A sample screen of one environment set, for judging the artwork by eye.
bool write_scene(const std::string& file, int set);

// Environment palettes (0 forest, 1 moss and crystal, 2 winter).
struct land_palette {
    rgb rock_dark, rock_mid, rock_light, stone;
    rgb top_dark, top_mid, top_light;  // grass, moss or snow on top surfaces
    rgb under;                         // roots, drips or icicles under overhangs
    rgb accent;                        // glowing veins and crystals
    rgb sky_top, sky_bottom;
};
const land_palette& palette(int set);

// Generators, grouped by file.
void draw_land(sheet& s, const gfx_entry& e);        // gen_tiles.cpp
void draw_back_tiles(sheet& s, int set);             // gen_backtiles.cpp
void draw_tile_extras(sheet& s, int set);            // gen_backtiles.cpp
void draw_beetles(sheet& s, const gfx_entry& e);     // gen_beetles.cpp
void draw_soul(cairo_t* cr);                         // gen_beetles.cpp
void draw_beetle_icon(cairo_t* cr, int kind, double cx, double cy, double k, bool carrying);
void draw_obj(sheet& s, const gfx_entry& e);         // gen_items.cpp
void draw_mushrooms(sheet& s, const gfx_entry& e);   // gen_items.cpp
void draw_mushroom_icon(cairo_t* cr, double cx, double cy, double size, int variant);
void draw_grub_icon(cairo_t* cr, double cx, double cy, double size);
void draw_additions(sheet& s, const gfx_entry& e);   // gen_additions.cpp
void draw_drillland(sheet& s, const gfx_entry& e);   // gen_additions.cpp
void draw_env(sheet& s, const gfx_entry& e);         // gen_env.cpp
void draw_bigimages(sheet& s, const gfx_entry& e);   // gen_bigimages.cpp
void draw_effects(sheet& s, const gfx_entry& e);     // gen_effects.cpp
void draw_ufo(sheet& s, const gfx_entry& e);         // gen_ufo.cpp
void draw_ufo_frame(cairo_t* cr, double cx, double cy, double k, double phase);
void draw_hud(sheet& s, const gfx_entry& e);         // gen_hud.cpp
void draw_icons(sheet& s, const gfx_entry& e);       // gen_icons.cpp
void draw_fonts(sheet& s, const gfx_entry& e);       // gen_fonts.cpp
double glyph_advance(char c, bool small);            // pen advance the fonts are fitted to
void draw_front(sheet& s, const gfx_entry& e);       // gen_front.cpp
void draw_panels(sheet& s, const gfx_entry& e);      // gen_panels.cpp
void draw_starmap(sheet& s, const gfx_entry& e);     // gen_starmap.cpp
void draw_minimap(sheet& s, const gfx_entry& e);     // gen_minimap.cpp
void draw_results(sheet& s, const gfx_entry& e);     // gen_results.cpp

}  // namespace gfx
