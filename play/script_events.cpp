#include <algorithm>

#include "devtools/harness.h"
#include "devtools/input_script.h"
#include "play/play_loop.h"
#include "runtime/runtime.h"
#include "world/world.h"

namespace {

// The pointer rests well inside the map: away from the panel on the right,
// the buttons lower left and the scrolling edges.
void aim_at(int wx, int wy, int& sx, int& sy) {
    camera_x = wx - 340;
    camera_y = wy - 250;
    clamp_camera();
    sx = wx - camera_x;
    sy = wy - camera_y;
    if (sx > 677) { // the panel covers this column: use the gap between slots and tabs
        camera_y = wy - 362;
        clamp_camera();
        sy = wy - camera_y;
    }
    sx = std::clamp(sx, 1, 798);
    sy = std::clamp(sy, 1, 598);
}

void target_of(const script_event& e, int& wx, int& wy) {
    if (e.verb == sv_cell) {
        wx = e.a * 32 + 16;
        wy = e.b * 32 + 16;
    } else {
        const int b = std::clamp(e.a, 0, max_beetles - 1);
        wx = to_int(beetles[b][b_x]) + 16;
        wy = to_int(beetles[b][b_y]) + 16;
    }
}

script_event low(long frame, int verb, int x, int y) {
    script_event e;
    e.frame = frame;
    e.verb = verb;
    e.a = x;
    e.b = y;
    e.has_point = true;
    return e;
}

}  // namespace

void play_script_event(const script_event& e, bool early) {
    switch (e.verb) {
        case sv_camera:
            camera_x = e.a;
            camera_y = e.b;
            clamp_camera();
            break;
        case sv_tool: {
            if (e.a < 0 || e.a >= tool_slots) break;
            long f = e.frame;
            const int tab = e.a / 12, slot = e.a % 12;
            if (tab != panel_tab) harness_insert_event(low(f++, sv_click, tab == 0 ? 712 : 765, 412));
            harness_insert_event(low(f, sv_click, 706 + 56 * (slot % 2), 38 + 56 * (slot / 2)));
            break;
        }
        case sv_cell:
        case sv_beetle: {
            int wx = 0, wy = 0, sx = 0, sy = 0;
            target_of(e, wx, wy);
            if (early) {
                aim_at(wx, wy, sx, sy);
                inject_mouse_move(sx, sy);
            } else {
                // The view may have moved since the pointer came to rest (the
                // saucer's descent, a shake) and a beetle may have walked on:
                // aim again so the click lands on the target.
                aim_at(wx, wy, sx, sy);
                inject_mouse_move(sx, sy);
                inject_mouse_button(1, true);
                inject_mouse_button(1, false);
            }
            break;
        }
        default: break;
    }
}
