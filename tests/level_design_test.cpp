#include <gtest/gtest.h>
#include <cmath>
#include <string>
#include "content/embedded.h"
#include "content/level_catalogue.h"
#include "content/level_file.h"
#include "shell/resource.h"
#include "tests/chain_test_support.h"

namespace {
// The embedded bytes of a level's file (stem "level_" or "path_").
std::string Embedded(int level, const char* stem) {
    const Resource_Entry* e = Resource_Find(Level_ContentName(level, stem));
    return e ? std::string(reinterpret_cast<const char*>(e->bytes), e->size) : std::string();
}

LevelFile_Data Level_Of(int level) {
    std::string text = Embedded(level, "level_");
    LevelFile_Data d;
    Level_File_Parse(text.data(), text.size(), Level_ContentName(level, "level_"), d);
    return d;
}

class LevelDesignTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Chain_Test_Reset();
        Content_RegisterEmbedded();
        Catalogue_Build();
    }
    void TearDown() override { Chain_Test_Reset(); }
};
} // namespace

TEST_F(LevelDesignTest, EveryTrackParsesStaysOnTheBoardAndKeepsClearOfGunAndHud) {
    ASSERT_EQ(LevelsCount, 148);
    for (int level = 1; level <= LevelsCount; ++level) {
        LevelFile_Data lv = Level_Of(level);
        std::string text = Embedded(level, "path_");
        Path_File_Context ctx;
        ctx.mirror = lv.mirror;
        ctx.board_id = lv.board;
        ctx.pack_folder = PackNames[Level_Info(level)->pack_id];
        Paths_Reset();
        ASSERT_GT(
            Path_File_Parse_Text(reinterpret_cast<const uint8_t*>(text.data()), text.size(), "design", ctx),
            0)
            << level;
        for (int i = 0; i < Paths.count; ++i) {
            const Path& p = Paths.pool[i];
            ASSERT_GE(p.pts_count, 2) << level;
            EXPECT_GE(p.bursts_count, 1) << level;
            const PPoint& hole = p.pts[p.pts_count - 1];
            EXPECT_TRUE(hole.x > 0 && hole.x < 800 && hole.y > 45 && hole.y < 600) << level;
            EXPECT_LT(p.pt_end_zone, p.alarm_pt) << level;
            EXPECT_LT(p.alarm_pt, p.pts_count - 1) << level;
            for (int seg = 0; seg < p.Segments(); ++seg)
                for (int k = 0; k < BZ_SAMPLES; k += 200) {
                    float x = p.Table(seg).x[k], y = p.Table(seg).y[k];
                    ASSERT_TRUE(x > -100 && x < 900 && y > -100 && y < 700) << level << " " << x << "," << y;
                    EXPECT_GE(std::hypot(x - lv.gun_x, y - lv.gun_y), 88) << level << " " << x << "," << y;
                    EXPECT_TRUE(y >= 45 || x < 0 || x > 800) << level << " under the HUD " << x << "," << y;
                }
        }
    }
}

TEST_F(LevelDesignTest, EveryLevelNamesColoursWinPointsAndAGunOnTheScreen) {
    for (int level = 1; level <= LevelsCount; ++level) {
        LevelFile_Data lv = Level_Of(level);
        EXPECT_GE(lv.colors_count, 3) << level;
        EXPECT_GE(lv.win_points, 500) << level;
        EXPECT_LE(lv.win_points, 8000) << level;
        EXPECT_TRUE(lv.gun_x > 0 && lv.gun_x < 800 && lv.gun_y > 45 && lv.gun_y < 600) << level;
    }
    EXPECT_EQ(Level_Of(1).win_points, 500);
}

TEST_F(LevelDesignTest, TutorialLevelsCarryWhatTheirHintsTeach) {
    struct Case {
        int level;
        int kinds[2]; // modifier kinds the level must be able to generate; -1 none
    } cases[] = {{2, {1, -1}}, {5, {3, -1}}, {6, {5, -1}}, {7, {9, -1}},
                 {8, {4, -1}}, {9, {2, 6}},  {10, {7, 8}}};
    for (const Case& c : cases)
        for (int kind : c.kinds) {
            if (kind < 0) continue;
            EXPECT_GT(Level_Of(c.level).mod_percent[kind], 1) << c.level << " kind " << kind;
        }
    LevelFile_Data jokers = Level_Of(3), hammer = Level_Of(4), items = Level_Of(8);
    EXPECT_GT(jokers.joker_on_path + jokers.joker_on_gun, 0);
    EXPECT_EQ(hammer.no_hammer, 0);
    EXPECT_EQ(items.no_coins, 0);
    EXPECT_GT(items.art_count, 0);
}
