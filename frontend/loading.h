// Start-up and the loading screen with its percentage strip.
#pragma once

// Tables, catalogue, loading screen and the shared resources. Safe to call
// again: nothing is created or loaded twice.
void start_up();

// One loading-screen frame: the logo and eleven strip cells, cells 0 to
// percent / 10 filled. Presents the frame.
void draw_loading_frame(int percent, float logo_alpha, float strip_alpha);
// The loading screen at `percent`; at 100 it fades the picture out as well.
void show_loading(int percent);
