// The readable text form of a level, for designers and tests. It compiles to
// the map file and back; see docs/levels-format.md.
#pragma once

#include <string>

#include "world/map_file.h"

// Parses level text; on failure returns false with a message naming the line.
bool parse_level_text(const std::string& text, map_data& out, std::string& error);
// Writes a map as level text (parse_level_text gives the same map back).
std::string level_text_from_map(const map_data& map);
// Convenience for tests: parses or aborts the test with the error.
bool load_level_text_file(const std::string& path, map_data& out, std::string& error);
