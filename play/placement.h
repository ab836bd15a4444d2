// The tool panel and the placement of orders and plans with the mouse.
#pragma once

void select_tool_by_key(int typed);
// Mouse zone and hovered slot of this frame's pointer.
void find_mouse_zone();
void handle_wheel();
// One left click: panel zones, on-screen buttons, or the map.
void click_dispatch();
void click_on_map();
void draw_placement_preview();
void draw_orders();
void draw_tool_panel();
