// The level catalogue: packs and sub-packs, node flags, crossroads, pack ends, treasures,
// map positions and file names.
#include <gtest/gtest.h>
#include "content/level_catalogue.h"

namespace {
struct Catalogue_Fixture : ::testing::Test {
    void SetUp() override { Catalogue_Build(); }
    static const LevelInfo& L(int level) { return *Level_Info(level); }
};
} // namespace

TEST_F(Catalogue_Fixture, HoldsTheFivePacksInOrder) {
    EXPECT_EQ(Catalogue.count, 148);
    EXPECT_EQ(LevelsCount, 148);
    const int sizes[PACKS_COUNT] = {26, 31, 31, 30, 30};
    int counted[PACKS_COUNT] = {};
    for (int i = 0; i < Catalogue.count; ++i)
        counted[Catalogue.levels[i].pack_id]++;
    for (int p = 0; p < PACKS_COUNT; ++p)
        EXPECT_EQ(counted[p], sizes[p]) << PackNames[p];
}

TEST_F(Catalogue_Fixture, SpotChecksOfPlaceFlagsAndRoutes) {
    struct Case {
        int level, pack, pack_index, subpack, subpack_index, flags, reveals_count, reveal0, x, y;
    } cases[] = {
        {1, 0, 0, 0, 0, 0x01, 1, 1, 149, 119},    {10, 0, 9, 0, 9, 0x08, 3, 10, 242, 202},
        {21, 0, 20, 2, 0, 0x09, 1, 21, 551, 300}, {26, 0, 25, 2, 5, 0x20, 1, 26, 632, 372},
        {27, 1, 0, 0, 0, 0x81, 1, 27, 219, 205},  {31, 1, 4, 0, 4, 0x00, 1, 31, 241, 252},
        {52, 1, 25, 5, 0, 0x01, 1, 52, 109, 353}, {56, 1, 29, 5, 4, 0x40, 1, 56, 175, 355},
        {57, 1, 30, 5, 5, 0x10, 0, -1, 187, 348}, {88, 2, 30, 5, 5, 0x10, 0, -1, 413, 215},
        {89, 3, 0, 0, 0, 0x81, 1, 89, 518, 302},  {148, 4, 29, 5, 4, 0x10, 0, -1, 633, 248},
    };
    for (const Case& c : cases) {
        const LevelInfo& e = L(c.level);
        EXPECT_EQ(e.pack_id, c.pack) << c.level;
        EXPECT_EQ(e.pack_index, c.pack_index) << c.level;
        EXPECT_EQ(e.subpack_id, c.subpack) << c.level;
        EXPECT_EQ(e.subpack_index, c.subpack_index) << c.level;
        EXPECT_EQ(e.flags, c.flags) << c.level;
        EXPECT_EQ(e.reveals_count, c.reveals_count) << c.level;
        EXPECT_EQ(e.reveals_level[0], c.reveal0) << c.level;
        EXPECT_EQ(e.scr_x, c.x) << c.level;
        EXPECT_EQ(e.scr_y, c.y) << c.level;
    }
}

TEST_F(Catalogue_Fixture, CrossroadsPackEndsAndTreasuresAsLaidOut) {
    const int cross10[] = {10, 26, 57}, cross20[] = {20, 88, 118};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(L(10).reveals_level[i], cross10[i]);
        EXPECT_EQ(L(20).reveals_level[i], cross20[i]);
    }
    const int ends[][2] = {{57, 9}, {88, 9}, {118, 19}, {148, 19}};
    for (const auto& e : ends)
        EXPECT_EQ(L(e[0]).branch_level, e[1]) << e[0];
    const int treasures[][2] = {{25, 4}, {57, 0}, {88, 1}, {118, 2}, {148, 3}};
    int awarding = 0;
    for (int i = 0; i < Catalogue.count; ++i)
        awarding += Catalogue.levels[i].gives == LEVEL_GIVES_TREASURE;
    EXPECT_EQ(awarding, 5);
    for (const auto& t : treasures) {
        EXPECT_EQ(L(t[0]).gives, LEVEL_GIVES_TREASURE) << t[0];
        EXPECT_EQ(L(t[0]).goodie, t[1]) << t[0];
    }
}

TEST_F(Catalogue_Fixture, EveryRevealAndBranchStaysInsideTheCatalogue) {
    for (int i = 0; i < Catalogue.count; ++i) {
        const LevelInfo& e = Catalogue.levels[i];
        for (int r = 0; r < e.reveals_count; ++r) {
            EXPECT_GE(e.reveals_level[r], 0) << i;
            EXPECT_LT(e.reveals_level[r], Catalogue.count) << i;
        }
        if (e.flags & LEVEL_FLAG_PACK_END) {
            EXPECT_TRUE(Level_Info(e.branch_level + 1)->flags & LEVEL_FLAG_CROSSROAD);
        }
    }
}

TEST_F(Catalogue_Fixture, BuildingTwiceLeavesItUnchanged) {
    Catalogue.levels[0].scr_x = 1;
    Catalogue_Build();
    EXPECT_EQ(Catalogue.count, 148);
    EXPECT_EQ(Catalogue.levels[0].scr_x, 1);
    Catalogue_Reset();
    Catalogue_Build();
    EXPECT_EQ(Catalogue.levels[0].scr_x, 149);
}

TEST_F(Catalogue_Fixture, FileNamesComeFromPackAndPositionInPack) {
    EXPECT_EQ(Level_ContentName(31, "level_"), ".\\data\\packs\\Water\\level_005.txt");
    EXPECT_EQ(Level_ContentName(31, "path_"), ".\\data\\packs\\Water\\path_005.txt");
    EXPECT_EQ(Level_ContentName(148, "level_"), ".\\data\\packs\\Precious\\level_030.txt");
    EXPECT_EQ(Level_ContentName(0, "level_"), "");
    EXPECT_EQ(Level_ContentName(149, "level_"), "");
}
