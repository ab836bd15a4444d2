// Shared set-up for the simulation scenarios: small maps in the level text
// format, beetles placed by hand, and a log of the sounds played.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/runtime.h"
#include "sim/sim.h"

// Builds level text from front rows ('.' empty, '#' rock, 'S' saucer, ...)
// and extra [settings] lines such as "beetles = 3".
std::string level_text(const std::vector<std::string>& rows, const std::string& settings = "");

// 31 empty rows of 51 cells, and a rectangle of one character painted on them
// (columns c0..c1, rows r0..r1, inclusive).
std::vector<std::string> empty_rows();
void paint(std::vector<std::string>& rows, int c0, int r0, int c1, int r1, char ch);

class sim_test : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Parses the text and runs the level start for the planet and difficulty.
    void load(const std::string& text, int planet = 1, int difficulty_level = 0);
    // The same with the saucer parked (no drops, no lesson) so that beetles
    // placed by hand have the world to themselves.
    void load_quiet(const std::vector<std::string>& rows, const std::string& settings = "");

    // Puts a beetle in the first free row, standing, as a drop would; returns its row.
    int add_beetle(float x, float y, int dir, int kind = kind_laborer, int state = st_walking);
    int add_item(float x, float y, int type, int dir = 0);
    void ticks(int n);
    // Ticks until pred holds; returns how many ran, or -1 after limit.
    template <typename P>
    int ticks_until(P pred, int limit) {
        for (int n = 1; n <= limit; ++n) {
            world_tick();
            if (pred()) return n;
        }
        return -1;
    }

    // Sounds played since the last call (paths, in order).
    std::vector<std::string> sounds();
    bool played(const std::string& name);

    std::vector<std::string> heard_;
};

float* beetle(int b);
float* item(int i);
int count_effects(int kind);
