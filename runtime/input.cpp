// Keyboard and mouse state, fed by window events and by injected input.
#include <SDL.h>

#include <algorithm>

#include "runtime/internal.h"

namespace {

constexpr int key_count = 256;
constexpr int char_queue_size = 256;
constexpr int button_count = 4; // 1 left, 2 right, 3 middle

struct input_state {
    uint8_t held[key_count];
    int hits[key_count];
    uint8_t button_held[button_count];
    int button_hits[button_count];
    int chars[char_queue_size];
    int char_head, char_count;
    int mx, my, mz;
};

// Until the pointer moves it rests mid-screen, so a session without mouse
// input (scripts, tests) does not scroll the view by resting on an edge.
input_state fresh_input() {
    input_state s{};
    s.mx = 400;
    s.my = 300;
    return s;
}

input_state in = fresh_input();

bool valid_key(int code) { return code > 0 && code < key_count; }

bool valid_button(int b) { return b >= 1 && b < button_count; }

// Windows virtual-key code of a physical key; 0 for keys the game cannot name.
int vk_from_scancode(SDL_Scancode sc) {
    if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) return 65 + (sc - SDL_SCANCODE_A);
    if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9) return 49 + (sc - SDL_SCANCODE_1);
    if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F12) return 112 + (sc - SDL_SCANCODE_F1);
    if (sc >= SDL_SCANCODE_KP_1 && sc <= SDL_SCANCODE_KP_9) return 97 + (sc - SDL_SCANCODE_KP_1);
    switch (sc) {
    case SDL_SCANCODE_0: return 48;
    case SDL_SCANCODE_KP_0: return 96;
    case SDL_SCANCODE_BACKSPACE: return 8;
    case SDL_SCANCODE_TAB: return 9;
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER: return 13;
    case SDL_SCANCODE_LSHIFT:
    case SDL_SCANCODE_RSHIFT: return 16;
    case SDL_SCANCODE_LCTRL:
    case SDL_SCANCODE_RCTRL: return 17;
    case SDL_SCANCODE_LALT:
    case SDL_SCANCODE_RALT: return 18;
    case SDL_SCANCODE_PAUSE: return 19;
    case SDL_SCANCODE_CAPSLOCK: return 20;
    case SDL_SCANCODE_ESCAPE: return 27;
    case SDL_SCANCODE_SPACE: return 32;
    case SDL_SCANCODE_PAGEUP: return 33;
    case SDL_SCANCODE_PAGEDOWN: return 34;
    case SDL_SCANCODE_END: return 35;
    case SDL_SCANCODE_HOME: return 36;
    case SDL_SCANCODE_LEFT: return 37;
    case SDL_SCANCODE_UP: return 38;
    case SDL_SCANCODE_RIGHT: return 39;
    case SDL_SCANCODE_DOWN: return 40;
    case SDL_SCANCODE_INSERT: return 45;
    case SDL_SCANCODE_DELETE: return 46;
    case SDL_SCANCODE_KP_MULTIPLY: return 106;
    case SDL_SCANCODE_KP_PLUS: return 107;
    case SDL_SCANCODE_KP_MINUS: return 109;
    case SDL_SCANCODE_KP_PERIOD: return 110;
    case SDL_SCANCODE_KP_DIVIDE: return 111;
    case SDL_SCANCODE_SEMICOLON: return 186;
    case SDL_SCANCODE_EQUALS: return 187;
    case SDL_SCANCODE_COMMA: return 188;
    case SDL_SCANCODE_MINUS: return 189;
    case SDL_SCANCODE_PERIOD: return 190;
    case SDL_SCANCODE_SLASH: return 191;
    case SDL_SCANCODE_GRAVE: return 192;
    case SDL_SCANCODE_LEFTBRACKET: return 219;
    case SDL_SCANCODE_BACKSLASH: return 220;
    case SDL_SCANCODE_RIGHTBRACKET: return 221;
    case SDL_SCANCODE_APOSTROPHE: return 222;
    case SDL_SCANCODE_NONUSBACKSLASH: return 226;
    default: return 0;
    }
}

// Decodes UTF-8 typed text into the character queue.
void queue_utf8(const char* text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p) {
        int cp = *p, extra = 0;
        if (cp >= 0xF0) { cp &= 0x07; extra = 3; }
        else if (cp >= 0xE0) { cp &= 0x0F; extra = 2; }
        else if (cp >= 0xC0) { cp &= 0x1F; extra = 1; }
        else if (cp >= 0x80) { ++p; continue; } // stray continuation byte
        ++p;
        for (int i = 0; i < extra; ++i) {
            if ((*p & 0xC0) != 0x80) { cp = -1; break; }
            cp = (cp << 6) | (*p & 0x3F);
            ++p;
        }
        if (cp > 0) inject_char(cp);
    }
}

int clamp_x(int x) { return std::clamp(x, 0, screen_width - 1); }
int clamp_y(int y) { return std::clamp(y, 0, screen_height - 1); }

} // namespace

int key_down(int code) { return valid_key(code) ? in.held[code] : 0; }

int key_hit(int code) {
    if (!valid_key(code)) return 0;
    int n = in.hits[code];
    in.hits[code] = 0;
    return n;
}

int get_char() {
    if (in.char_count == 0) return 0;
    int ch = in.chars[in.char_head];
    in.char_head = (in.char_head + 1) % char_queue_size;
    --in.char_count;
    return ch;
}

void flush_keys() {
    std::fill(std::begin(in.held), std::end(in.held), 0);
    std::fill(std::begin(in.hits), std::end(in.hits), 0);
    in.char_head = in.char_count = 0;
}

int mouse_x() { return in.mx; }
int mouse_y() { return in.my; }
int mouse_z() { return in.mz; }

int mouse_hit(int button) {
    if (!valid_button(button)) return 0;
    int n = in.button_hits[button];
    in.button_hits[button] = 0;
    return n;
}

int mouse_down(int button) { return valid_button(button) ? in.button_held[button] : 0; }

void inject_mouse_move(int x, int y) {
    in.mx = clamp_x(x);
    in.my = clamp_y(y);
}

void inject_mouse_button(int button, bool down) {
    if (!valid_button(button)) return;
    if (down && !in.button_held[button]) ++in.button_hits[button];
    in.button_held[button] = down ? 1 : 0;
}

void inject_key(int code, bool down) {
    if (!valid_key(code)) return;
    if (down && !in.held[code]) ++in.hits[code];
    in.held[code] = down ? 1 : 0;
}

void inject_char(int ch) {
    // A full queue drops further typing, like a keyboard buffer.
    if (ch <= 0 || in.char_count >= char_queue_size) return;
    in.chars[(in.char_head + in.char_count) % char_queue_size] = ch;
    ++in.char_count;
}

void inject_wheel(int notches) { in.mz += notches; }

void reset_input() { in = fresh_input(); }

void rt_input_event(const SDL_Event& ev) {
    switch (ev.type) {
    case SDL_KEYDOWN: {
        int vk = vk_from_scancode(ev.key.keysym.scancode);
        if (vk && !ev.key.repeat) inject_key(vk, true);
        // Enter and Backspace reach the text queue as control characters.
        if (vk == vk_enter) inject_char(13);
        if (vk == vk_backspace) inject_char(8);
        break;
    }
    case SDL_KEYUP: {
        int vk = vk_from_scancode(ev.key.keysym.scancode);
        if (vk) inject_key(vk, false);
        break;
    }
    case SDL_TEXTINPUT: queue_utf8(ev.text.text); break;
    case SDL_MOUSEMOTION: inject_mouse_move(ev.motion.x, ev.motion.y); break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        int b = ev.button.button == SDL_BUTTON_LEFT    ? 1
                : ev.button.button == SDL_BUTTON_RIGHT ? 2
                : ev.button.button == SDL_BUTTON_MIDDLE ? 3
                                                        : 0;
        inject_mouse_move(ev.button.x, ev.button.y);
        if (b) inject_mouse_button(b, ev.type == SDL_MOUSEBUTTONDOWN);
        break;
    }
    case SDL_MOUSEWHEEL: {
        int d = ev.wheel.y;
        if (ev.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) d = -d;
        inject_wheel(d);
        break;
    }
    case SDL_WINDOWEVENT:
        // Keys released while another program had the focus never come back up.
        if (ev.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
            std::fill(std::begin(in.held), std::end(in.held), 0);
            std::fill(std::begin(in.button_held), std::end(in.button_held), 0);
        }
        break;
    case SDL_QUIT: rt_request_quit(); break;
    default: break;
    }
}

void poll_events() {
    if (!rt_window_open()) return;
    SDL_Event ev;
    while (SDL_PollEvent(&ev)) rt_input_event(ev);
}
