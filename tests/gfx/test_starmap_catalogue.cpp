// The star map is drawn from the same planet boxes and route pieces as the
// game's catalogue uses for clicks and clipping.
#include <gtest/gtest.h>

#include "starmap_data.h"
#include "world/catalogue.h"

namespace {

TEST(GfxStarMapCatalogue, PlanetsAndRoutesMatchTheCatalogue) {
    build_catalogue();
    for (int row = 0; row < planet_count; ++row) {
        const auto& p = gfx::planets[row];
        EXPECT_EQ(planet_names[row], p.name);
        EXPECT_EQ(planet_table[row][0], p.x1) << p.name;
        EXPECT_EQ(planet_table[row][1], p.y1) << p.name;
        EXPECT_EQ(planet_table[row][2], p.x2) << p.name;
        EXPECT_EQ(planet_table[row][3], p.y2) << p.name;
        EXPECT_EQ(environment_set(row), p.set) << p.name;
    }
    for (int k = 0; k < 10; ++k) {
        const auto& sg = gfx::segments[k];
        EXPECT_EQ(route_segments[k][0], sg.x1) << k;
        EXPECT_EQ(route_segments[k][1], sg.y1) << k;
        EXPECT_EQ(route_segments[k][2], sg.x2) << k;
        EXPECT_EQ(route_segments[k][3], sg.y2) << k;
        EXPECT_EQ(route_segment_for(sg.to, sg.from), k) << "jump " << sg.from << " -> " << sg.to;
        // the route is one the planet table offers
        bool offered = false;
        for (int n = 4; n < 7; ++n) offered |= planet_table[sg.from][n] == sg.to + 1;
        EXPECT_TRUE(offered) << "jump " << sg.from << " -> " << sg.to;
    }
}

}  // namespace
