// The two pictures that end a campaign: game over and victory. Both delete
// the saved campaign and lead back to the main menu.
#pragma once

// Each returns next_menu, or next_exit when the window is closed.
int run_game_over();
int run_victory();

// The victory picture, loaded the first time it is shown.
int victory_picture();

// Steps of both screens: entry shows `image` from black; a frame returns
// next_menu once the picture has faded out, -1 while it stays.
void enter_end_picture(int image);
int end_picture_frame();
