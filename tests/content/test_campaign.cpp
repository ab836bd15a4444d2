// The campaign's level sources: every catalogue level present with a solution,
// every map sound, and every jump route payable from the levels before it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "sim/sim.h"
#include "world/catalogue.h"
#include "world/level_text.h"
#include "world/map_file.h"
#include "world/world.h"

namespace fs = std::filesystem;

namespace {

constexpr int planets_with_levels = 6;
constexpr int jump_cost = 20;

std::string level_source(int p, int l) {
    return std::string(ZEMBRA_CONTENT_DIR) + "/levels/map" + std::to_string(p) + std::to_string(l) + ".txt";
}
std::string level_solution(int p, int l) {
    return std::string(ZEMBRA_CONTENT_DIR) + "/solutions/map" + std::to_string(p) + std::to_string(l) +
           ".script";
}

struct marker_count {
    int saucers = 0, saucer_row = -1, mushrooms = 0, insects = 0, hostiles = 0;
};

marker_count count_markers(const map_data& map) {
    marker_count n;
    for (int c = 0; c < world_cols; ++c) {
        for (int r = 0; r < world_rows; ++r) {
            switch (map.front[c][r]) {
                case 64: ++n.saucers; n.saucer_row = r; break;
                case 65: ++n.mushrooms; break;
                case 66: ++n.insects; break;
                case 67: ++n.hostiles; break;
                default: break;
            }
        }
    }
    return n;
}

struct campaign_sources {
    bool loaded[planets_with_levels][10] = {};
    map_data maps[planets_with_levels][10];
    // gathered per planet row: mushrooms, insects
    int totals[planet_count][2] = {};
};

const campaign_sources& sources() {
    static campaign_sources s;
    static bool ready = false;
    if (ready) return s;
    ready = true;
    build_catalogue();
    for (int p = 0; p < planets_with_levels; ++p) {
        for (int l = 0; l < level_count(p); ++l) {
            std::string error;
            if (!fs::exists(level_source(p, l))) continue;
            s.loaded[p][l] = load_level_text_file(level_source(p, l), s.maps[p][l], error);
            if (!s.loaded[p][l]) continue;
            const marker_count n = count_markers(s.maps[p][l]);
            // The first lesson ends as soon as one mushroom is picked up.
            const bool first_lesson = p == 0 && l == 0;
            s.totals[p][0] += first_lesson ? std::min(n.mushrooms, 1) : n.mushrooms;
            s.totals[p][1] += first_lesson ? 0 : n.insects;
        }
    }
    return s;
}

// Walks every route from `planet` on; `gathered` holds what the planets
// visited so far offer, `jumps` the jumps made to get here.
void check_routes(int planet, int mushrooms, int insects, int jumps, std::vector<int>& path) {
    const campaign_sources& s = sources();
    path.push_back(planet);
    mushrooms += s.totals[planet][0];
    insects += s.totals[planet][1];
    for (int k = 4; k < 7; ++k) {
        const int next = planet_table[planet][k];
        if (next == no_route) continue;
        // Four fifths of the gathered resources must cover the jumps so far.
        const int needed = (jumps + 1) * jump_cost;
        std::string where;
        for (int p : path) where += std::to_string(p) + " ";
        EXPECT_GE(mushrooms * 4, needed * 5) << "mushrooms on the route " << where << "-> " << next - 1;
        EXPECT_GE(insects * 4, needed * 5) << "insects on the route " << where << "-> " << next - 1;
        check_routes(next - 1, mushrooms, insects, jumps + 1, path);
    }
    path.pop_back();
}

} // namespace

TEST(Campaign, EveryCatalogueLevelHasSourceAndSolution) {
    build_catalogue();
    std::string missing;
    int levels = 0;
    for (int p = 0; p < planets_with_levels; ++p) {
        for (int l = 0; l < level_count(p); ++l) {
            ++levels;
            if (!fs::exists(level_source(p, l))) missing += " map" + std::to_string(p) + std::to_string(l) + ".txt";
            if (!fs::exists(level_solution(p, l)))
                missing += " map" + std::to_string(p) + std::to_string(l) + ".script";
        }
    }
    EXPECT_EQ(levels, 31);
    EXPECT_EQ(missing, "") << "missing:" << missing;
}

TEST(Campaign, LevelSourcesAreSound) {
    const campaign_sources& s = sources();
    for (int p = 0; p < planets_with_levels; ++p) {
        for (int l = 0; l < level_count(p); ++l) {
            if (!fs::exists(level_source(p, l))) continue;
            const std::string name = "map" + std::to_string(p) + std::to_string(l);
            ASSERT_TRUE(s.loaded[p][l]) << name << " does not parse";
            const map_data& map = s.maps[p][l];
            const marker_count n = count_markers(map);
            EXPECT_EQ(n.saucers, 1) << name;
            EXPECT_GE(n.saucer_row, 4) << name << ": the saucer would drop its beetles out of the world";
            EXPECT_LE(n.mushrooms + n.insects + n.hostiles, max_items) << name;
            EXPECT_GT(n.mushrooms + n.insects, 0) << name;
            EXPECT_GE(map.settings[24], 1) << name;
            EXPECT_LE(map.settings[24], max_beetles) << name;
            EXPECT_GE(map.settings[26], 1) << name;
            EXPECT_LE(map.settings[26], map.settings[24]) << name << ": more survivors asked than beetles";
            EXPECT_GT(map.settings[25], p == 0 ? 0 : 35 * 4) << name << ": no time left at the hardest difficulty";
            for (int t = 0; t < tool_slots; ++t)
                EXPECT_TRUE(map.settings[t] >= 0 && map.settings[t] <= 99) << name << " tool " << t;
        }
    }
}

TEST(Campaign, RockIsStoredAsTheSettlingRulesLeaveIt) {
    // Rock that the first change of the terrain would re-tile or crumble shows
    // wrongly until then, or falls away under the player's first dig.
    const campaign_sources& s = sources();
    for (int p = 0; p < planets_with_levels; ++p) {
        for (int l = 0; l < level_count(p); ++l) {
            if (!s.loaded[p][l]) continue;
            level_start_from_map(s.maps[p][l], 0);
            int32_t before[world_cols][world_rows];
            for (int c = 0; c < world_cols; ++c)
                for (int r = 0; r < world_rows; ++r) before[c][r] = terrain_front[c][r];
            settle_terrain();
            std::string crumbled, retiled;
            int crumbled_n = 0, retiled_n = 0;
            for (int c = 0; c < world_cols; ++c) {
                for (int r = 0; r < world_rows; ++r) {
                    if (terrain_front[c][r] == before[c][r]) continue;
                    const std::string at = " (" + std::to_string(c) + "," + std::to_string(r) + ")";
                    if (terrain_front[c][r] == tile_empty) {
                        if (++crumbled_n <= 12) crumbled += at;
                    } else if (++retiled_n <= 12) {
                        retiled += at;
                    }
                }
            }
            EXPECT_EQ(crumbled_n, 0) << "map" << p << l << " loses cells at the first settle:" << crumbled;
            EXPECT_EQ(retiled_n, 0) << "map" << p << l << " rock not stored settled:" << retiled;
        }
    }
}

TEST(Campaign, EveryRouteIsPayableWithAQuarterToSpare) {
    std::vector<int> path;
    check_routes(0, 0, 0, 0, path);
    // Skipping the tutorial planet starts the campaign on the second planet.
    check_routes(1, 0, 0, 0, path);
}

TEST(Campaign, PlanetRowsOfferTheirShareOfResources) {
    const campaign_sources& s = sources();
    const int least[planets_with_levels] = {26, 35, 25, 25, 70, 46};
    for (int p = 0; p < planets_with_levels; ++p) {
        EXPECT_GE(s.totals[p][0], least[p]) << "mushrooms on planet row " << p;
        EXPECT_GE(s.totals[p][1], least[p]) << "insects on planet row " << p;
    }
}
