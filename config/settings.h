// The player's settings (config.cfg) and the campaign in progress (game.cfg).
#pragma once

#include <string>

// ---- settings
extern float music_volume, effects_volume, ambient_volume;
extern int sound_quality, background_drawing, show_tips, weather, ingame_speed_control,
    fast_computer, difficulty, skip_tutorial;

// ---- campaign
extern int current_planet, current_level;
extern int campaign_insects, campaign_mushrooms, campaign_gold;
extern int route_taken[10];
// level_status lives with the world tables (world/world.h).
extern int no_saved_game;

void default_settings();
// Missing file: defaults. Short file: the fields it holds, defaults for the
// rest. Values out of range are clamped.
void read_settings(const std::string& path = "config.cfg");
void write_settings(const std::string& path = "config.cfg");

// A missing, short or invalid file sets no_saved_game and changes nothing
// (the file is left on disk as it is).
void read_campaign(const std::string& path = "game.cfg");
void write_campaign(const std::string& path = "game.cfg");
void delete_campaign(const std::string& path = "game.cfg");
