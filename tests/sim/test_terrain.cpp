// Settling: rock re-tiled by its neighbours, loose rock crumbling, and built
// parts that lose their support.
#include "sim_fixture.h"

namespace {

class SimTerrain : public sim_test {
protected:
    void SetUp() override {
        sim_test::SetUp();
        reset_world_tables();
    }
    void rock(int c0, int r0, int c1, int r1, int code = 31) {
        for (int c = c0; c <= c1; ++c)
            for (int r = r0; r <= r1; ++r) terrain_front[c][r] = code;
    }
};

TEST_F(SimTerrain, EdgeTilesFollowTheNeighbours) {
    // A 6 x 4 block in open air.
    rock(10, 10, 15, 13);
    settle_terrain();
    EXPECT_EQ(terrain_front[10][10], 21);          // right and below
    EXPECT_EQ(terrain_front[11][10], 17 + 11 % 4); // top surface
    EXPECT_EQ(terrain_front[15][10], 24);          // left and below, odd column
    EXPECT_EQ(terrain_front[10][11], 25);          // left face
    EXPECT_EQ(terrain_front[15][11], 26);          // right face
    EXPECT_EQ(terrain_front[10][13], 27);          // above and right
    EXPECT_EQ(terrain_front[12][13], 29);          // underside, even column
    EXPECT_EQ(terrain_front[13][13], 30);          // underside, odd column
    EXPECT_EQ(terrain_front[15][13], 28);          // above and left
    // The inside gets the repeating 4 x 4 texture.
    EXPECT_EQ(terrain_front[12][11], (11 % 4) * 4 + (12 % 4) + 1);
    EXPECT_EQ(terrain_front[13][12], (12 % 4) * 4 + (13 % 4) + 1);
    // Hard and animated rock count as neighbours but keep their codes.
    rock(20, 4, 20, 6, tile_hard_rock);
    rock(21, 4, 21, 6);
    settle_terrain();
    EXPECT_EQ(terrain_front[20][5], tile_hard_rock);
    EXPECT_EQ(terrain_front[21][4], 24);
    EXPECT_EQ(terrain_front[21][5], 26);
    EXPECT_EQ(terrain_front[21][6], 28);
}

TEST_F(SimTerrain, ThinRockCrumblesWithDust) {
    rock(5, 5, 12, 5);  // one cell thick
    rock(20, 3, 20, 9); // one cell wide
    settle_terrain();
    for (int c = 5; c <= 12; ++c) EXPECT_EQ(terrain_front[c][5], 0);
    for (int r = 3; r <= 9; ++r) EXPECT_EQ(terrain_front[20][r], 0);
    EXPECT_EQ(dust.size(), (8u + 7u) * 5u);
}

TEST_F(SimTerrain, BoringThroughATwoThickShelf) {
    rock(5, 10, 15, 11);
    settle_terrain();
    ASSERT_NE(terrain_front[10][11], 0);
    plan_layer[10][11] = plan_boring;
    dust.clear();
    terrain_front[10][10] = 0;
    settle_terrain();
    // Left with rock only at its sides, the cell below crumbles as well.
    EXPECT_EQ(terrain_front[10][11], 0);
    EXPECT_EQ(plan_layer[10][11], 0);
    EXPECT_EQ(dust.size(), 5u);
    EXPECT_EQ(terrain_front[9][11], 28);
    EXPECT_EQ(terrain_front[11][11], 27);
    EXPECT_EQ(terrain_front[9][10], 22 + 2 * (9 % 2));
    EXPECT_EQ(terrain_front[11][10], 21 + 2 * (11 % 2));
}

TEST_F(SimTerrain, TheFieldEdgeCountsAsRockOnce) {
    // The bottom-right corner, right up to the last column and row.
    rock(46, 26, 50, 30);
    settle_terrain();
    // Column 49 and row 29 lean on the outside; a rock neighbour beyond
    // them does not count twice.
    EXPECT_NE(terrain_front[49][29], 0);
    EXPECT_EQ(terrain_front[49][29], (29 % 4) * 4 + (49 % 4) + 1);
    EXPECT_NE(terrain_front[49][28], 0);
    EXPECT_NE(terrain_front[48][29], 0);
    EXPECT_EQ(terrain_front[50][26], 22);
    EXPECT_EQ(terrain_front[50][30], 28);
    EXPECT_EQ(terrain_front[46][30], 27); // above and right
    // Along column 0 and row 0 the outside counts as rock too.
    rock(0, 0, 1, 1);
    settle_terrain();
    EXPECT_NE(terrain_front[0][0], 0);
    EXPECT_EQ(terrain_front[1][1], 28);
}

TEST_F(SimTerrain, ExplosionInRockLeavesAFloatingBlockWithEdges) {
    rock(0, 12, 50, 30);
    settle_terrain();
    const int c = 20, r = 22;
    explode(c * 32 + 16, r * 32 + 16);
    // The ring at distance two, without its corners.
    for (int k = -1; k <= 1; ++k) {
        EXPECT_EQ(terrain_front[c + k][r - 2], 0);
        EXPECT_EQ(terrain_front[c + k][r + 2], 0);
        EXPECT_EQ(terrain_front[c - 2][r + k], 0);
        EXPECT_EQ(terrain_front[c + 2][r + k], 0);
    }
    EXPECT_NE(terrain_front[c - 2][r - 2], 0);
    EXPECT_NE(terrain_front[c + 2][r + 2], 0);
    // The 3 x 3 block keeps edge tiles all round.
    EXPECT_EQ(terrain_front[c - 1][r - 1], 21 + 2 * ((c - 1) % 2));
    EXPECT_EQ(terrain_front[c][r - 1], 17 + c % 4);
    EXPECT_EQ(terrain_front[c + 1][r - 1], 22 + 2 * ((c + 1) % 2));
    EXPECT_EQ(terrain_front[c - 1][r], 25);
    EXPECT_EQ(terrain_front[c + 1][r], 26);
    EXPECT_EQ(terrain_front[c - 1][r + 1], 27);
    EXPECT_EQ(terrain_front[c][r + 1], 29 + c % 2);
    EXPECT_EQ(terrain_front[c + 1][r + 1], 28);
    EXPECT_EQ(terrain_front[c][r], (r % 4) * 4 + (c % 4) + 1);
    EXPECT_EQ(shake, 20.0f);
    EXPECT_EQ(count_effects(fx_flash), 1);
}

TEST_F(SimTerrain, BridgeSegmentsHoldBySideNeighbours) {
    rock(2, 8, 9, 12);
    terrain_front[10][10] = tile_bridge;
    terrain_front[20][10] = tile_bridge;
    terrain_front[21][10] = tile_bridge;
    terrain_front[0][5] = tile_bridge;
    terrain_front[50][5] = tile_bridge;
    settle_terrain();
    EXPECT_EQ(terrain_front[10][10], tile_bridge);
    // Two segments hold each other; at the sides the outside holds them.
    EXPECT_EQ(terrain_front[20][10], tile_bridge);
    EXPECT_EQ(terrain_front[21][10], tile_bridge);
    EXPECT_EQ(terrain_front[0][5], tile_bridge);
    EXPECT_EQ(terrain_front[50][5], tile_bridge);
    // Dig the rock away beside the lone segment: it falls apart.
    plan_layer[10][10] = plan_bridge;
    terrain_front[9][10] = 0;
    settle_terrain();
    EXPECT_EQ(terrain_front[10][10], 0);
    EXPECT_EQ(plan_layer[10][10], 0);
}

TEST_F(SimTerrain, ShockAbsorberNeedsSomethingBelow) {
    rock(5, 10, 15, 12);
    terrain_front[8][10] = tile_absorber;
    terrain_front[20][10] = tile_absorber;
    settle_terrain();
    EXPECT_EQ(terrain_front[8][10], tile_absorber);
    EXPECT_EQ(terrain_front[20][10], 0);
    EXPECT_EQ(dust.size(), 5u);
}

TEST_F(SimTerrain, ElevatorPartsFallWithoutTheirSupport) {
    rock(0, 10, 50, 12);
    // A sound elevator, one whose foot has lost the ground, and a top whose
    // shaft ends on rock.
    terrain_front[5][9] = tile_elevator_base;
    terrain_front[5][4] = tile_elevator_top;
    terrain_front[15][9] = tile_elevator_base;
    terrain_front[15][4] = tile_elevator_top;
    terrain_front[15][10] = 0;
    terrain_front[15][11] = 0;
    terrain_front[15][12] = 0;
    plan_layer[15][9] = plan_elevator_base;
    terrain_front[25][4] = tile_elevator_top;
    terrain_front[25][7] = 31;
    terrain_front[35][4] = tile_elevator_top; // nothing at all below: stays
    rock(34, 10, 36, 12, 0);
    settle_terrain();
    EXPECT_EQ(terrain_front[5][9], tile_elevator_base);
    EXPECT_EQ(terrain_front[5][4], tile_elevator_top);
    EXPECT_EQ(terrain_front[15][9], 0);
    EXPECT_EQ(plan_layer[15][9], plan_elevator_base);
    EXPECT_EQ(terrain_front[15][4], 0);
    EXPECT_EQ(terrain_front[25][4], 0);
    EXPECT_EQ(terrain_front[35][4], tile_elevator_top);
}

} // namespace
