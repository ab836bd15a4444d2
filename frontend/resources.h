// The pictures and sounds the screens share, loaded once behind the loading
// screen. Screens read the handles from `res`; 0 is a missing file and draws
// nothing.
#pragma once

struct front_resources {
    int load_percents, logo;
    int miniland, mmbig_images, minimap, minimap_win, arrows;
    int mouse, mouse1, demo_mouse;
    int font_large, font_digits, font_small;
    int menu_back, menu_planet, stars_back, flare, planet_lines, star, point, menu_keys;
    int ok_cancel, panel1, panel11, panel2, panel3, planet_tab, radio_button, ufo;
    int result_titles, go_text, rects, hint_tab, hint_tab2;
    int additions, drill_land, animations, lcd, item, bplane1, bplane2, haze[3];
    int ufo_light, obj, obj2, obj3, world_star, particle, smoke;
    int elem_back, elem_back1, panel_back, status_back;
    int talk, talk_icons, bubble, raindrops, rain, boom_strip, build_star, icons, tab;
    int select_build, launch;
};
extern front_resources res;

// Files read by the loaders below, for the load-once checks.
extern int resource_files_loaded;

// The logo and the percentage strip; once.
void load_loading_images();
// Every shared picture and the effect sounds, in table order, calling
// `progress` with the percentage at the marked points; once.
void load_resources(void (*progress)(int percent));
bool resources_ready();

// A picture cut and handled as the artwork manifest lists it.
int load_listed_image(const char* path);
