#include <cstring>

#include "tests/runtime/helpers.h"

using namespace test_rt;

namespace {

class RuntimeInput : public ::testing::Test {
  protected:
    void SetUp() override { reset_input(); }
    void TearDown() override { reset_input(); }
};

SDL_Event key_event(SDL_Scancode sc, bool down, bool repeat = false) {
    SDL_Event ev{};
    ev.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    ev.key.keysym.scancode = sc;
    ev.key.repeat = repeat ? 1 : 0;
    return ev;
}

TEST_F(RuntimeInput, KeyHitCountsPressesAndResetsWhenAsked) {
    inject_key(vk_escape, true);
    EXPECT_EQ(key_down(vk_escape), 1);
    EXPECT_EQ(key_hit(vk_escape), 1);
    EXPECT_EQ(key_hit(vk_escape), 0); // asked twice in one frame
    EXPECT_EQ(key_down(vk_escape), 1);
    // Holding the key is not a new press.
    inject_key(vk_escape, true);
    EXPECT_EQ(key_hit(vk_escape), 0);
    inject_key(vk_escape, false);
    inject_key(vk_escape, true);
    inject_key(vk_escape, false);
    inject_key(vk_escape, true);
    EXPECT_EQ(key_hit(vk_escape), 2);
    EXPECT_EQ(key_hit(vk_f), 0); // other keys untouched
    EXPECT_EQ(key_hit(-3), 0);
    EXPECT_EQ(key_down(9999), 0);
}

TEST_F(RuntimeInput, TwoClicksWithinAFrameCountTwo) {
    inject_mouse_button(1, true);
    inject_mouse_button(1, false);
    inject_mouse_button(1, true);
    EXPECT_EQ(mouse_down(1), 1);
    inject_mouse_button(1, false);
    EXPECT_EQ(mouse_down(1), 0);
    inject_mouse_button(2, true);
    EXPECT_EQ(mouse_hit(1), 2);
    EXPECT_EQ(mouse_hit(1), 0);
    EXPECT_EQ(mouse_hit(2), 1);
    EXPECT_EQ(mouse_down(2), 1);
    EXPECT_EQ(mouse_hit(3), 0);
    EXPECT_EQ(mouse_hit(7), 0);
}

TEST_F(RuntimeInput, CharacterQueueHoldsTwoHundredFiftySixInOrder) {
    for (int i = 0; i < 300; ++i) inject_char(32 + i % 90);
    for (int i = 0; i < 256; ++i) ASSERT_EQ(get_char(), 32 + i % 90) << i;
    EXPECT_EQ(get_char(), 0);
    // The ring keeps working after wrapping round.
    inject_char('x');
    inject_char('y');
    EXPECT_EQ(get_char(), 'x');
    EXPECT_EQ(get_char(), 'y');
    EXPECT_EQ(get_char(), 0);
}

TEST_F(RuntimeInput, FlushKeysForgetsHeldKeysPressesAndCharacters) {
    inject_key(vk_left, true);
    inject_key(vk_console, true);
    inject_char('a');
    flush_keys();
    EXPECT_EQ(key_down(vk_left), 0);
    EXPECT_EQ(key_hit(vk_left), 0);
    EXPECT_EQ(key_hit(vk_console), 0);
    EXPECT_EQ(get_char(), 0);
    // Releasing and pressing again after the flush counts as a press.
    inject_key(vk_left, true);
    EXPECT_EQ(key_hit(vk_left), 1);
}

TEST_F(RuntimeInput, MousePositionIsClampedAndTheWheelRunsOn) {
    inject_mouse_move(400, 300);
    EXPECT_EQ(mouse_x(), 400);
    EXPECT_EQ(mouse_y(), 300);
    inject_mouse_move(-5, 900);
    EXPECT_EQ(mouse_x(), 0);
    EXPECT_EQ(mouse_y(), 599);
    inject_mouse_move(5000, -1);
    EXPECT_EQ(mouse_x(), 799);
    EXPECT_EQ(mouse_y(), 0);
    inject_wheel(3);
    inject_wheel(-1);
    EXPECT_EQ(mouse_z(), 2);
    EXPECT_EQ(mouse_z(), 2);
}

TEST_F(RuntimeInput, WindowEventsBecomeVirtualKeysAndCharacters) {
    rt_input_event(key_event(SDL_SCANCODE_GRAVE, true));
    rt_input_event(key_event(SDL_SCANCODE_F, true));
    rt_input_event(key_event(SDL_SCANCODE_F, true, true)); // auto-repeat
    rt_input_event(key_event(SDL_SCANCODE_UP, true));
    rt_input_event(key_event(SDL_SCANCODE_UP, false));
    EXPECT_EQ(key_hit(vk_console), 1);
    EXPECT_EQ(key_hit(vk_f), 1);
    EXPECT_EQ(key_hit(vk_up), 1);
    EXPECT_EQ(key_down(vk_up), 0);
    EXPECT_EQ(key_down(vk_f), 1);

    rt_input_event(key_event(SDL_SCANCODE_RETURN, true));
    SDL_Event text{};
    text.type = SDL_TEXTINPUT;
    std::strcpy(text.text.text, "a\xC3\xA9\xE2\x82\xAC"); // a, e-acute, euro sign
    rt_input_event(text);
    rt_input_event(key_event(SDL_SCANCODE_BACKSPACE, true));
    EXPECT_EQ(get_char(), 13);
    EXPECT_EQ(get_char(), 'a');
    EXPECT_EQ(get_char(), 0xE9);
    EXPECT_EQ(get_char(), 0x20AC);
    EXPECT_EQ(get_char(), 8);
    EXPECT_EQ(get_char(), 0);

    SDL_Event click{};
    click.type = SDL_MOUSEBUTTONDOWN;
    click.button.button = SDL_BUTTON_RIGHT;
    click.button.x = 123;
    click.button.y = 456;
    rt_input_event(click);
    EXPECT_EQ(mouse_hit(2), 1);
    EXPECT_EQ(mouse_x(), 123);
    EXPECT_EQ(mouse_y(), 456);

    SDL_Event wheel{};
    wheel.type = SDL_MOUSEWHEEL;
    wheel.wheel.y = 2;
    rt_input_event(wheel);
    EXPECT_EQ(mouse_z(), 2);

    // Losing the focus lets go of everything held.
    SDL_Event focus{};
    focus.type = SDL_WINDOWEVENT;
    focus.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    rt_input_event(focus);
    EXPECT_EQ(key_down(vk_f), 0);
    EXPECT_EQ(mouse_down(2), 0);
}

} // namespace
