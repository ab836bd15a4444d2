// The harness's scripted input: one event per line, "<frame> <verb> ...".
#pragma once

#include <string>
#include <vector>

enum script_verb : int {
    sv_move, sv_click, sv_rdown, sv_rup, sv_key, sv_hold, sv_wheel, sv_type, sv_camera,
    sv_tool, sv_cell, sv_beetle,
};

struct script_event {
    long frame = 0;
    int verb = sv_move;
    int a = 0, b = 0;      // coordinates, key code, notches, tool, cell, beetle row
    bool has_point = false; // "click X Y"
    std::string text;       // "type": the characters, escapes resolved
    int order = 0;          // position in the file, for a stable sort
};

// Parses a whole script. On error returns false and names the line.
bool parse_input_script(const std::string& text, std::vector<script_event>& out,
                        std::string& error);
