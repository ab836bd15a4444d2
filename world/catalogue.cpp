#include "world/catalogue.h"

#include "config/settings.h"
#include "runtime/runtime.h"
#include "world/lessons.h"
#include "world/map_file.h"
#include "world/world.h"

std::string planet_names[planet_count];
int planet_table[planet_count][7];
int route_segments[10][4];
std::string level_names[10][10];
std::string lesson_text[7][50];
std::string tool_hints[24];
int level_stats[10][3];
int level_previews = 0;

namespace {

struct planet_row { const char* name; int x1, y1, x2, y2, next1, next2, next3; };
const planet_row planets[planet_count] = {
    {"Greenma", 167, 490, 214, 539, 2, 255, 255},
    {"Nebbla", 256, 390, 302, 438, 4, 3, 255},
    {"Quanta", 396, 453, 436, 492, 5, 255, 255},
    {"Claza", 358, 344, 390, 378, 6, 255, 255},
    {"Trifflanta", 583, 405, 638, 441, 8, 255, 255},
    {"Fragilma", 370, 149, 417, 186, 10, 7, 255},
    {"Tanta", 581, 160, 637, 215, 11, 255, 255},
    {"Liguidma", 615, 295, 637, 317, 7, 9, 255},
    {"Erra", 731, 217, 770, 258, 11, 255, 255},
    {"Dagma", 524, 45, 558, 77, 11, 255, 255},
    {"Zembra", 674, 34, 732, 90, 255, 255, 255},
};

const int segments[10][4] = {
    {16, 379, 76, 442},   {120, 365, 213, 418}, {117, 309, 177, 351}, {256, 373, 398, 420},
    {421, 269, 450, 343}, {184, 128, 216, 291}, {245, 107, 392, 140}, {422, 162, 448, 235},
    {458, 192, 548, 250}, {218, 9, 343, 105},
};

const char* const names[6][7] = {
    {"Tutorial. Introduction in controlling", "Tutorial. Collect all Mushrooms",
     "Tutorial. Search and capture Insects", "Tutorial. Introduction in Buildings",
     "Tutorial. Lesson ''Boring''", "Tutorial. Lesson ''Gravilifts''",
     "Tutorial. Lesson ''Shock-Absorbers''"},
    {"Entrance in the Gogre.", "Blastigs Works.", "Stone Stairs.", "The Strange Native.",
     "Larceny.", "First Dungeons...", "The first Battle for Mushrooms."},
    {"Snowy Village", "Set Dynamite Correctly", "No Autopilot!", "Dynamite if a Head!",
     "Spikes drilling...", nullptr, nullptr},
    {"Ice Crator", "Incoming in to Hive", "Circularity Tower", "Snowy Spikes",
     "Place Explosives on the Bridge!", nullptr, nullptr},
    {"Warrior - is Dynamite!", "Free for All!", "Islands", "OOHH!", "Zig-zag Dungeons", nullptr,
     nullptr},
    {"Mossy Platforms", "Free for All!", nullptr, nullptr, nullptr, nullptr, nullptr},
};

struct hint { int lead; const char* title; int gap; const char* text; };
const hint hints[24] = {
    {12, "Construct the Bridge", 12,
     "Set bridge segments, if you need to conduct your beetles over a ravine."},
    {13, "Gravitation Elevator", 13,
     "Set gravitation elevators, if you need to lift your beetles to a ledge."},
    {21, "Boring", 24,
     "Use boring, if you need to pass through the rocks and to destroy your own constructions."},
    {16, "Insects Cloac", 19, "Place them to capture insects. Later, transporting them to Saucer."},
    {18, "Dynamite", 22, "Don't play tricks with this toy!"},
    {14, "Shock-absorber", 18, "Set shock-absorbers where your beetles might need a safer landing."},
    {0, nullptr, 0, nullptr}, {0, nullptr, 0, nullptr}, {0, nullptr, 0, nullptr},
    {0, nullptr, 0, nullptr}, {0, nullptr, 0, nullptr},
    {16, "Plan Cleaner", 22, "The tool which is used to cancel construction plans"},
    {9, "Transform to Build Master", 13, "Transform any beetle to a builder-beetle."},
    {11, "Transform to Armoured", 15, "Transform any beetle to a armoured-beetle."},
    {13, "Transform to Medic", 15, "Transform any beetle to a medic-beetle"},
    {11, "Transform to Laborer", 15, "Transform any beetle to laborer-beetle"},
    {19, "Navigation", 22, "Use navigation if you need to change the direction of your beetles."},
    {18, "Urgent turn", 22, "Use an urgent turn to turn your beetle immediately."},
    {0, nullptr, 0, nullptr},
    {18, "Dence Balls", 25,
     "The dense balls - Use the dense balls to safely lower your beetles from any height."},
    {0, nullptr, 0, nullptr}, {0, nullptr, 0, nullptr}, {0, nullptr, 0, nullptr},
    {14, "Comands Cleaner", 22, "Plan command removing tool."},
};

}  // namespace

void build_catalogue() {
    for (int p = 0; p < planet_count; ++p) {
        const planet_row& row = planets[p];
        planet_names[p] = row.name;
        const int values[7] = {row.x1, row.y1, row.x2, row.y2, row.next1, row.next2, row.next3};
        for (int k = 0; k < 7; ++k) planet_table[p][k] = values[k];
    }
    for (int s = 0; s < 10; ++s)
        for (int k = 0; k < 4; ++k) route_segments[s][k] = segments[s][k];
    for (int p = 0; p < 10; ++p)
        for (int l = 0; l < 10; ++l) level_names[p][l] = "";
    for (int p = 0; p < 6; ++p)
        for (int l = 0; l < 10; ++l)
            level_names[p][l] = (l < 7 && names[p][l] != nullptr) ? names[p][l] : "#";
    for (int i = 0; i < 24; ++i) {
        const hint& h = hints[i];
        tool_hints[i] = h.title == nullptr ? std::string(" ")
                                           : std::string(h.lead, ' ') + h.title +
                                                 std::string(h.gap, ' ') + h.text;
    }
    for (int lesson = 0; lesson < 7; ++lesson) {
        for (int line = 0; line < 50; ++line) lesson_text[lesson][line] = "";
        const char* const* page = lesson_pages[lesson];
        for (int line = 0; line < 50 && page[line] != nullptr; ++line)
            lesson_text[lesson][line] = page[line];
    }
}

int environment_set(int planet) {
    switch (planet) {
        case 0: case 4: case 9: return 0;
        case 1: case 5: case 6: case 7: return 1;
        case 2: case 3: case 8: return 2;
        default: return -1;
    }
}

int level_count(int planet) {
    if (planet < 0 || planet >= 10) return 0;
    int n = 0;
    // An empty name counts as the end of the list, like "#".
    while (n < 10 && level_names[planet][n] != "#" && !level_names[planet][n].empty()) ++n;
    return n;
}

int route_segment_for(int to, int from) {
    switch (to) {
        case 1: return 0;
        case 2: return 1;
        case 3: return 2;
        case 4: return 3;
        case 7: return 4;
        case 5: return 5;
        case 6: return from == 7 ? 7 : 6;
        case 8: return 8;
        case 9: return 9;
        default: return -1;
    }
}

std::string level_map_name(int planet, int level) { return map_file_name(planet, level); }

int lesson_length(int lesson) {
    if (lesson < 0 || lesson >= 7) return 0;
    for (int line = 0; line < 50; ++line)
        if (lesson_text[lesson][line] == "#") return line + 1;
    return 0;
}

void prepare_level_list(int minimap_image, int mmbig_image, int miniland_image) {
    if (level_previews != 0) free_handle(level_previews);
    level_previews = create_image(150, 90, 10);
    mid_handle_image(level_previews);
    for (auto& row : level_stats) row[0] = row[1] = row[2] = 0;
    set_color(255, 255, 255);
    const int set = environment_set(current_planet) < 0 ? 0 : environment_set(current_planet);
    const int count = level_count(current_planet);
    for (int n = 0; n < count; ++n) {
        map_planet = current_planet;
        map_level = n;
        if (!load_map(difficulty)) continue;  // a missing map shows an empty preview
        const bool night = level_settings[ls_night] == 1;
        set_color(255, 255, 255);
        draw_image(minimap_image, 0, 0, night ? 1 : 0);
        if (night) set_color(170, 170, 255);
        level_stats[n][2] = level_settings[ls_time];
        for (int d = 0; d < max_decorations; ++d)
            if (decorations[d][2] != 0)
                draw_image(mmbig_image, static_cast<float>(decorations[d][0] / 10.5),
                           static_cast<float>(decorations[d][1] / 10.5),
                           decorations[d][2] + 7 * set - 1);
        for (int c = 0; c < world_cols; ++c)
            for (int r = 0; r < world_rows; ++r) {
                draw_image(miniland_image, static_cast<float>(3 * c), static_cast<float>(3 * r),
                           terrain_back[c][r] + 126 * set);
                draw_image(miniland_image, static_cast<float>(3 * c), static_cast<float>(3 * r),
                           terrain_front[c][r] + 126 * set);
                if (terrain_front[c][r] == marker_mushroom) level_stats[n][0] += 1;
                if (terrain_front[c][r] == marker_insect) level_stats[n][1] += 1;
            }
        grab_image(level_previews, 0, 0, n);
    }
    set_color(255, 255, 255);
}
