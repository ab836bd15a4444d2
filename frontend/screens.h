// The chain of screens from the loading screen to the end of the program.
#pragma once

// Runs the game until the player quits (or the harness stops it).
void run_screens();
