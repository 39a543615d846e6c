// Level file reading: substring keys, flags anywhere, pairs, the colour list, untrusted
// values, and loading a level's file from the content catalogue.
#include <gtest/gtest.h>
#include "tests/log_capture.h"
#include <cstring>
#include <fstream>
#include <sstream>
#include "chain/pc_mod.h"
#include "content/embedded.h"
#include "content/level_catalogue.h"
#include "content/level_file.h"
#include "play/level_state.h"
#include "play/level_values.h"
#include "shell/app_state.h"
#include "shell/log.h"
#include "shell/resource.h"

namespace {

struct LevelFile_Fixture : ::testing::Test {
    void SetUp() override {
        Log_Capture_Start();
    }
    void TearDown() override {
        Log_Capture_Stop();
    }
    LevelFile_Data Parse(const std::string& text) {
        LevelFile_Data d;
        Level_File_Parse(text.data(), text.size(), "test.txt", d);
        return d;
    }
    bool Logged(const std::string& part) const {
        for (const std::string& l : g_log)
            if (l.find(part) != std::string::npos) return true;
        return false;
    }
};

std::string Read_Fixture(const std::string& name) {
    std::ifstream f(std::string(ORBIVALE_FIXTURES) + "/levels/" + name, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}
} // namespace

TEST_F(LevelFile_Fixture, FindIntMatchesTheFirstSubstringAndReadsItsNumberSyntax) {
    struct Case {
        const char* text;
        const char* key;
        int value;
        int not_found;
    } cases[] = {
        {"BOARD=7\r\n", "BOARD=", 7, 0},
        {"REV_CLEAR1=15\r\n", "REV_CLEAR=", 0, 1},
        {"X_BOARD=4\r\nBOARD=9\r\n", "BOARD=", 4, 0},
        {"A=$1f\r\n", "A=", 31, 0},
        {"A=%101\r\n", "A=", 5, 0},
        {"A= -12 \r\n", "A=", -12, 0},
        {"A=5x7\r\n", "A=", 5, 0},
        {"A=\r\n", "A=", 0, 0},
        {"A=500", "A=", 500, 0},
        {"A=99999999999\r\n", "A=", 2147483647, 0},
        {"A=3\nB=4\n", "A=", 3, 0},
    };
    for (const Case& c : cases) {
        Level_Reader r(c.text, std::strlen(c.text), "t");
        EXPECT_EQ(r.Level_Find_Int(c.key), c.value) << c.text;
        EXPECT_EQ(r.key_not_found, c.not_found) << c.text;
    }
}

TEST_F(LevelFile_Fixture, PairWithoutACommaOnItsLineIsIgnoredWithALogLine) {
    const char* text = "GUN_POS=100\r\nSHADOW_OFFSET=1,2\r\n";
    Level_Reader r(text, std::strlen(text), "t");
    int a = -1, b = -1;
    r.Level_Find_Pair("GUN_POS=", a, b);
    EXPECT_EQ(r.key_not_found, 1);
    EXPECT_EQ(a, -1);
    EXPECT_EQ(b, -1);
    EXPECT_TRUE(Logged("GUN_POS= has no comma"));
}

TEST_F(LevelFile_Fixture, ShippedStyleFileSetsEveryKeyAndIgnoresDisabledOnes) {
    LevelFile_Data d = Parse(Read_Fixture("level_keys.txt"));
    EXPECT_EQ(d.board, 3);
    EXPECT_EQ(d.mirror, 2); // MIRRODER_Y does not mirror
    EXPECT_EQ(d.gun_x, 412);
    EXPECT_EQ(d.gun_y, 286);
    EXPECT_EQ(d.win_points, 2500);
    EXPECT_EQ(d.shadow_x, 4);
    EXPECT_EQ(d.shadow_y, 6);
    const int percents[PCMOD_KINDS] = {40, 0, 0, 0, 0, 0, 0, 0, 0, 25};
    for (int k = 0; k < PCMOD_KINDS; ++k)
        EXPECT_EQ(d.mod_percent[k], percents[k]) << k;
    EXPECT_EQ(d.joker_on_path, 12);
    EXPECT_EQ(d.joker_on_gun, 3);
    ASSERT_EQ(d.art_count, 2);
    EXPECT_EQ(d.art[1].x, 708);
    EXPECT_EQ(d.art[1].y, 527);
    ASSERT_EQ(d.colors_count, 4);
    const int colors[] = {0, 3, 5, 2};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(d.colors[i], colors[i]);
    EXPECT_EQ(d.no_coins, 1);
    EXPECT_EQ(d.no_hammer, 1); // last word of the file, no line break
    EXPECT_TRUE(g_log.empty());
}

TEST_F(LevelFile_Fixture, AbsentKeysGiveTheirDefaultsAndKeepTheGunPosition) {
    LevelFile_Data d;
    d.gun_x = 123;
    d.gun_y = 456;
    const std::string text = "MIRRORED_YES\r\nBOARD=2\r\n";
    Level_File_Parse(text.data(), text.size(), "t", d);
    EXPECT_EQ(d.gun_x, 123);
    EXPECT_EQ(d.gun_y, 456);
    EXPECT_EQ(d.win_points, 0);
    EXPECT_EQ(d.mirror, 1); // a flag counts inside another word
    EXPECT_EQ(d.colors_count, 0);
    EXPECT_EQ(d.art_count, 0);
}

TEST_F(LevelFile_Fixture, ColourListRepeatsAnEmptyFieldAndStopsAtTheLineEnd) {
    LevelFile_Data d = Parse("COLORS=1,,4\r\nGUN_POS=10,20\r\n");
    ASSERT_EQ(d.colors_count, 3);
    EXPECT_EQ(d.colors[1], 1);
    EXPECT_EQ(d.colors[2], 4);
    EXPECT_TRUE(Logged("error parsing val at index=9"));
}

TEST_F(LevelFile_Fixture, UntrustedValuesAreClampedOrDroppedWithALogLine) {
    struct Case {
        const char* text;
        bool (*ok)(const LevelFile_Data&);
        const char* log;
    } cases[] = {
        {"COLORS=1,7,-1,2\r\n",
         [](const LevelFile_Data& d) { return d.colors_count == 2 && d.colors[1] == 2; }, "colour 7 ignored"},
        {"COLORS=0,1,2,3,4,5,1\r\n", [](const LevelFile_Data& d) { return d.colors_count == 6; },
         "more than 6 colours"},
        {"GUN_POS=-40,900\r\n", [](const LevelFile_Data& d) { return d.gun_x == 0 && d.gun_y == 600; },
         "GUN_POS= x -40 clamped to 0"},
        {"WIN_POINTS=-5\r\n", [](const LevelFile_Data& d) { return d.win_points == 0; }, "WIN_POINTS=-5"},
        {"ARTEFACT_POS0=10,10\r\nARTEFACT_POS1=900,10\r\nARTEFACT_POS2=30,40\r\n",
         [](const LevelFile_Data& d) { return d.art_count == 2 && d.art[1].x == 30; }, "off screen"},
        {"BOMB=5000\r\n", [](const LevelFile_Data& d) { return d.mod_percent[2] == 1000; }, "BOMB=5000"},
        {"JOKER_ON_GUN=400\r\n", [](const LevelFile_Data& d) { return d.joker_on_gun == 100; },
         "JOKER_ON_GUN="},
    };
    for (const Case& c : cases) {
        g_log.clear();
        LevelFile_Data d = Parse(c.text);
        EXPECT_TRUE(c.ok(d)) << c.text;
        EXPECT_TRUE(Logged("Level file test.txt: ") && Logged(c.log)) << c.text;
    }
}

TEST_F(LevelFile_Fixture, TextStopsAtAnEmbeddedNul) {
    const std::string text("BOARD=1\r\n\0NO_COINS\r\n", 20);
    EXPECT_EQ(Parse(text).no_coins, 0);
}

struct LevelLoad_Fixture : LevelFile_Fixture {
    std::string saved_prefix;
    void SetUp() override {
        LevelFile_Fixture::SetUp();
        saved_prefix = AssetPrefix;
        AssetPrefix = "incbin::";
        Resource_Clear();
        Catalogue_Build();
        LevelState_Reset();
        LevelValues_Reset();
    }
    void TearDown() override {
        Resource_Clear();
        Content_RegisterEmbedded();
        AssetPrefix = saved_prefix;
        LevelFile_Fixture::TearDown();
    }
};

TEST_F(LevelLoad_Fixture, MissingFileLogsItsNameAndLengthAndChangesNothing) {
    BoardId = 5;
    EXPECT_FALSE(Level_File_Load(1));
    ASSERT_EQ(g_log.size(), 2u);
    EXPECT_EQ(g_log[0], "Failed opening level file: incbin::.\\data\\packs\\Neutral\\level_001.txt");
    EXPECT_EQ(g_log[1], "IncbinLen=0");
    EXPECT_EQ(BoardId, 5);
    EXPECT_FALSE(Level_File_Load(149));
}

TEST_F(LevelLoad_Fixture, LoadingALevelAppliesItsFileToTheLevelGlobals) {
    static const std::string text =
        "BOARD=6\r\nGUN_POS=300,200\r\nWIN_POINTS=900\r\nREVERSE=30\r\nCOLORS=4,1\r\n";
    Resource_Register(".\\data\\packs\\Water\\level_005.txt", reinterpret_cast<const uint8_t*>(text.data()),
                      text.size());
    ASSERT_TRUE(Level_File_Load(31));
    EXPECT_EQ(BoardId, 6);
    EXPECT_EQ(GunX, 300);
    EXPECT_EQ(GunY, 200);
    EXPECT_EQ(WinPoints, 900);
    EXPECT_EQ(WinPointsStart, 900);
    EXPECT_EQ(PcModTypes[1].percent, 30);
    EXPECT_EQ(LevelColorsCount, 2);
    EXPECT_EQ(LevelColors[0], 4);
    EXPECT_EQ(Level_File_Text(), text);
}

TEST_F(LevelFile_Fixture, EveryShippedLevelFileLoadsWithoutAComplaint) {
    Content_RegisterEmbedded();
    Catalogue_Build();
    std::string saved_prefix = AssetPrefix;
    AssetPrefix = "incbin::";
    for (int level = 1; level <= LevelsCount; ++level) {
        g_log.clear();
        EXPECT_TRUE(Level_File_Load(level)) << level;
        EXPECT_TRUE(g_log.empty()) << level << ": " << g_log.front();
        EXPECT_GT(LevelColorsCount, 0) << level;
    }
    AssetPrefix = saved_prefix;
    LevelState_Reset();
    LevelValues_Reset();
    for (PcModType& k : PcModTypes)
        k.percent = 0;
}
