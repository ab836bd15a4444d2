// The campaign catalogue's fixed figures and texts.
#include <gtest/gtest.h>

#include "world/catalogue.h"

class WorldCatalogue : public ::testing::Test {
protected:
    void SetUp() override { build_catalogue(); }
};

TEST_F(WorldCatalogue, PlanetsAndTheirLevels) {
    EXPECT_EQ(planet_names[0], "Greenma");
    EXPECT_EQ(planet_names[10], "Zembra");
    EXPECT_EQ(planet_table[4][0], 583);
    EXPECT_EQ(planet_table[1][4], 4);
    EXPECT_EQ(planet_table[1][5], 3);
    for (int p = 0; p < planet_count; ++p) EXPECT_EQ(planet_table[p][6], 255);
    const int counts[11] = {7, 7, 5, 5, 5, 2, 0, 0, 0, 0, 0};
    for (int p = 0; p < planet_count; ++p) EXPECT_EQ(level_count(p), counts[p]) << p;
    EXPECT_EQ(level_names[5][1], "Free for All!");
    EXPECT_EQ(level_names[4][1], "Free for All!");
    EXPECT_EQ(level_names[5][2], "#");
    EXPECT_EQ(level_names[0][4], "Tutorial. Lesson ''Boring''");
    EXPECT_EQ(level_names[7][0], "");
    EXPECT_EQ(level_map_name(4, 1), "maps/map41.map");
    EXPECT_EQ(level_map_name(5, 1), "maps/map51.map");
}

TEST_F(WorldCatalogue, EnvironmentSetsByPlanet) {
    const int sets[11] = {0, 1, 2, 2, 0, 1, 1, 1, 2, 0, -1};
    for (int p = 0; p < planet_count; ++p) EXPECT_EQ(environment_set(p), sets[p]) << p;
}

TEST_F(WorldCatalogue, RoutesRevealTheirSegment) {
    EXPECT_EQ(route_segment_for(1, 0), 0);
    EXPECT_EQ(route_segment_for(3, 1), 2);
    EXPECT_EQ(route_segment_for(6, 5), 6);  // into Tanta from Fragilma
    EXPECT_EQ(route_segment_for(6, 7), 7);  // into Tanta from Liguidma
    EXPECT_EQ(route_segment_for(10, 5), -1);
    EXPECT_EQ(route_segments[9][2], 343);
    // Every route of the planet table leads to a planet a segment (or the end) shows.
    for (int p = 0; p < planet_count; ++p)
        for (int k = 4; k < 6; ++k) {
            const int next = planet_table[p][k];
            if (next == 255) continue;
            const int to = next - 1;
            EXPECT_TRUE(to == 10 || route_segment_for(to, p) >= 0) << p << "->" << to;
        }
}

TEST_F(WorldCatalogue, TickerTextsHaveTheirExactBlanks) {
    EXPECT_EQ(tool_hints[0], std::string(12, ' ') + "Construct the Bridge" + std::string(12, ' ') +
                                 "Set bridge segments, if you need to conduct your beetles over a ravine.");
    EXPECT_EQ(tool_hints[2].substr(0, 21 + 6 + 24), std::string(21, ' ') + "Boring" + std::string(24, ' '));
    EXPECT_EQ(tool_hints[19].find("Dence Balls"), 18u);
    for (int i : {6, 7, 8, 9, 10, 18, 20, 21, 22}) EXPECT_EQ(tool_hints[i], " ") << i;
    EXPECT_EQ(tool_hints[23], std::string(14, ' ') + "Comands Cleaner" + std::string(22, ' ') +
                                  "Plan command removing tool.");
}

TEST_F(WorldCatalogue, LessonPagesHaveTheirLengthsAndObjectives) {
    const int lengths[7] = {25, 11, 21, 24, 16, 17, 18};
    for (int l = 0; l < 7; ++l) EXPECT_EQ(lesson_length(l), lengths[l]) << l;
    EXPECT_EQ(lesson_text[0][0].rfind("This is your first mission", 0), 0u);
    auto has = [](int lesson, const std::string& line) {
        for (const auto& s : lesson_text[lesson])
            if (s == line) return true;
        return false;
    };
    EXPECT_TRUE(has(0, "Your objective: Gather the first fuel mushroom."));
    EXPECT_TRUE(has(0, "Use right mouse button or cursor keys to scroll map."));
    EXPECT_TRUE(has(1, "Your objective: Gather four fuel mushrooms."));
    EXPECT_TRUE(has(2, "Your objective: Gather as many leaf-beetles maggots as possible."));
    EXPECT_TRUE(has(3, "Build a bridge over the precipice."));
    EXPECT_TRUE(has(4, "Bore a passage to the resources deposits."));
    EXPECT_TRUE(has(5, "Gather all of the level resources and deliver them up to"));
    EXPECT_TRUE(has(6, "the Flying Saucer."));
    // The key help closes page 0, right before its end.
    EXPECT_EQ(lesson_text[0][22], "Use right mouse button or cursor keys to scroll map.");
}
