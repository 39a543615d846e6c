#include <gtest/gtest.h>
#include "tests/log_capture.h"
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>
#include "shell/app_state.h"
#include "shell/config.h"
#include "shell/log.h"
#include "shell/paths.h"
#include "shell/players.h"

namespace fs = std::filesystem;

namespace {

std::string Slurp(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void Spit(const std::string& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Le32(uint32_t v) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i)
        s[i] = static_cast<char>(v >> (8 * i));
    return s;
}

// Each test gets an empty save folder of its own.
class SettingsTest : public ::testing::Test {
  protected:
    std::string dir;
    void SetUp() override {
        char tmpl[] = "/tmp/orbivale_cfg_XXXXXX";
        dir = mkdtemp(tmpl);
        Paths_SetSaveDir(dir);
        Config_Reset();
        Players_Reset();
        FirstRun = 0;
        Log_Capture_Start();
    }
    void TearDown() override {
        Log_Capture_Stop();
        fs::remove_all(dir);
    }
    std::string Txt() const { return dir + "/config.txt"; }
    std::string Bin() const { return dir + "/config.bin"; }
};
} // namespace

TEST_F(SettingsTest, MissingConfigIsWrittenWithTheDefaultTextThenRead) {
    Config_Load();
    std::string text = Slurp(Txt());
    EXPECT_EQ(text, Config_DefaultText());
    EXPECT_EQ(text.substr(0, 21), "PLAYER0=New Player1\r\n");
    EXPECT_EQ(text.substr(text.size() - 19), "BG_LIGHT=1.00000000");
    EXPECT_EQ(PlayerNames[6], "New Player7");
    EXPECT_EQ(PlayerNames[7], "New Player7");
    EXPECT_EQ(CurrentPlayer, 0);
    EXPECT_FLOAT_EQ(Players.fx_volume[0], 0.8f);
    EXPECT_FLOAT_EQ(Players.ambient_volume[0], 0.5f);
    EXPECT_EQ(LevelsCount, 150);
    EXPECT_EQ(WindowedMode, 0);
    // The unterminated last line reads as empty and takes its missing-key value.
    EXPECT_EQ(Config_GetValue(text, "BG_LIGHT"), "");
    EXPECT_FLOAT_EQ(BgLight, 1.0f);
}

TEST(ConfigValueTest, LooksUpTheFirstLineOfAKeyUpToTheCarriageReturn) {
    struct Case {
        const char* text;
        const char* key;
        const char* value;
    } cases[] = {
        {"A=1\r\nB=2\r\n", "B", "2"},
        {"A=1\r\nA=2\r\n", "A", "1"},                // first occurrence only
        {"A=1\r\n", "C", ""},                        // missing key
        {"A=1\r\nB=2", "B", ""},                     // no "\r" after the value
        {"P=x=y\r\n", "P", "x=y"},                   // "=" inside the value
        {"P0=P1=fake\r\nP1=real\r\n", "P1", "real"}, // only line starts count
        {"AB=1\r\nB=2\r\n", "B", "2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Config_GetValue(c.text, c.key), c.value) << c.text;
}

TEST(ConfigValueTest, ConvertsNumbersLikeTheFileExpects) {
    struct IntCase {
        const char* text;
        int value;
    } ints[] = {{"  12abc", 12},         {"-3", -3}, {"%101", 5}, {"$1F", 31}, {"abc", 0}, {"", 0},
                {"99999999999", INT_MAX}};
    for (const IntCase& c : ints)
        EXPECT_EQ(Config_Int(c.text), c.value) << c.text;
    EXPECT_FLOAT_EQ(Config_Real("0.25"), 0.25f);
    EXPECT_FLOAT_EQ(Config_Real("-1.5e1x"), -15.0f);
    EXPECT_EQ(Config_Real("nan"), 0.0f);
    EXPECT_TRUE(std::isfinite(Config_Real("1e400")));
    EXPECT_EQ(Config_FormatVolume(0.5f), "0.500000000");
    EXPECT_EQ(Config_FormatVolume(0.8f), "0.800000012");
    EXPECT_EQ(Config_FormatVolume(1.0f), "1.00000000");
}

TEST_F(SettingsTest, SetValueReplacesOneValueAndAddsAMissingKey) {
    Config_Load();
    Config_SetValue("PLAYER1", "Ann=Bob");
    Config_SetValue("BG_LIGHT", "0.5"); // last line without a line break: replaced and ended
    Config_SetValue("NO_SUCH_KEY", "1");
    std::string text = Slurp(Txt());
    std::string expect = Config_DefaultText();
    expect.replace(expect.find("New Player2"), 11, "Ann=Bob");
    expect.replace(expect.find("1.00000000"), 10, "0.5\r\nNO_SUCH_KEY=1\r\n");
    EXPECT_EQ(text, expect);
    EXPECT_EQ(Config_GetValue(text, "PLAYER1"), "Ann=Bob");
    EXPECT_EQ(Config_GetValue(text, "BG_LIGHT"), "0.5");
    Config_SetValue("PLAYER2", "two\r\nlines");
    EXPECT_EQ(Config_GetValue(Slurp(Txt()), "PLAYER2"), "two  lines");
}

TEST_F(SettingsTest, NameWrittenIntoAnEmptyConfigReadsBack) {
    // Found by fuzzing: a config.txt without the PLAYER3 line lost the new name.
    Spit(Txt(), "");
    Config_Load();
    Config_SetValue("PLAYER3", "Fuzz");
    Config_Load();
    EXPECT_EQ(PlayerNames[3], "Fuzz");
}

TEST_F(SettingsTest, DamagedConfigLoadsWithClampedValues) {
    std::string junk = "PLAYER3=" + std::string(10 * 1024 * 1024, 'n') + "\r\n";
    junk += std::string("\0\x01\xff\xfe garbage \n\n", 16);
    junk += "PLAYER_CRT=42\r\nFX_VOL=7\r\nMUSIC_VOL=-1\r\nWINDOWED_MODE=5\r\nPLAYER9=last";
    Spit(Txt(), junk);
    Config_Load();
    EXPECT_EQ(CurrentPlayer, 0);
    EXPECT_EQ(PlayerNames[3].size(), static_cast<size_t>(kConfigNameMax));
    EXPECT_EQ(PlayerNames[0], "Anonymous");
    EXPECT_EQ(PlayerNames[9], "Anonymous");
    EXPECT_FLOAT_EQ(Players.fx_volume[0], 1.0f);
    EXPECT_FLOAT_EQ(Players.music_volume[0], 0.0f);
    EXPECT_FLOAT_EQ(Players.ambient_volume[0], 0.7f);
    EXPECT_EQ(WindowedMode, 1);
    EXPECT_FALSE(g_log.empty());
}

TEST_F(SettingsTest, MissingPlayersFileIsCreatedWithDefaults) {
    Players_Load();
    EXPECT_EQ(FirstRun, 1);
    std::string bytes = Slurp(Bin());
    ASSERT_EQ(bytes.size(), kPlayersFileSize);
    for (int p = 0; p < kPlayerSlots; ++p) {
        EXPECT_EQ(Players.level_state[p * kPlayerLevels], 3);
        EXPECT_EQ(Players.level_state[p * kPlayerLevels + 1], 0);
        EXPECT_EQ(Players.successor[p * kPlayerLevels + 7], -1);
        EXPECT_FLOAT_EQ(Players.music_volume[p], 0.9f);
        EXPECT_FLOAT_EQ(Players.ambient_volume[p], 1.0f);
    }
    EXPECT_EQ(bytes.substr(0, 4), Le32(3));
    EXPECT_EQ(bytes.substr(32000, 4), Le32(0xFFFFFFFFu));
    EXPECT_EQ(bytes.substr(40920, 4), Le32(0x3F800000u)); // ambience volume 1.0 of slot 0
    Players_Load();
    EXPECT_EQ(FirstRun, 0);
}

TEST_F(SettingsTest, ShortPlayersFileReadsOnlyTheSectionsPresent) {
    std::string bytes(40840, '\0'); // sections 0..5, cut before the volumes
    bytes.replace(8000 * 0 + 4 * 5, 4, Le32(7));
    bytes.replace(32000 + 4 * 200, 4, Le32(12)); // player 1, level index 0
    bytes.replace(40000 + 4 * 21, 4, Le32(1));   // player 1, hint 0
    Spit(Bin(), bytes);
    Players.fx_volume[0] = 0.25f; // as config.txt left it
    Players_Load();
    EXPECT_EQ(FirstRun, 0);
    EXPECT_EQ(Players.level_state[5], 7);
    EXPECT_EQ(Players.successor[200], 12);
    EXPECT_EQ(Players.hint_flags[21], 1);
    EXPECT_FLOAT_EQ(Players.fx_volume[0], 0.25f);
}

TEST_F(SettingsTest, SectionWriteBeyondTheEndExtendsTheFile) {
    std::string bytes(24000, '\0');
    bytes.replace(4, 4, Le32(3));
    Spit(Bin(), bytes);
    Players_Load();
    Players.last_level[2] = 17;
    ASSERT_TRUE(Players_SaveSection(10));
    std::string after = Slurp(Bin());
    ASSERT_EQ(after.size(), 41040u);
    EXPECT_EQ(after.substr(4, 4), Le32(3));
    EXPECT_EQ(after.substr(41000 + 8, 4), Le32(17));
    ASSERT_TRUE(Players_SaveSection(21));
    EXPECT_EQ(Slurp(Bin()).size(), kPlayersFileSize);
}

TEST_F(SettingsTest, GarbagePlayersFileIsClampedToSaneValues) {
    std::string bytes(kPlayersFileSize + 100, '\0');
    uint32_t x = 12345;
    for (char& c : bytes)
        c = static_cast<char>((x = x * 1103515245u + 12345u) >> 24);
    bytes.replace(40840, 4, Le32(0x7FC00000u)); // NaN FX volume of slot 0
    Spit(Bin(), bytes);
    Players_Load();
    for (int i = 0; i < kPlayerSlots * kPlayerLevels; ++i) {
        ASSERT_EQ(Players.level_state[i] & ~7, 0);
        ASSERT_TRUE(Players.successor[i] >= -1 && Players.successor[i] < kCatalogueLevels);
    }
    for (int p = 0; p < kPlayerSlots; ++p) {
        EXPECT_TRUE(Players.fx_volume[p] >= 0 && Players.fx_volume[p] <= 1);
        EXPECT_TRUE(Players.ambient_volume[p] >= 0 && Players.ambient_volume[p] <= 1);
        EXPECT_TRUE(Players.last_level[p] >= 0 && Players.last_level[p] < kPlayerLevels);
    }
    EXPECT_FLOAT_EQ(Players.fx_volume[0], 0.9f);
    EXPECT_FALSE(g_log.empty());
}

TEST_F(SettingsTest, FailedWriteLeavesTheOldFileWhole) {
    Players_Load();
    std::string before = Slurp(Bin());
    // A crash after the temporary file was written but before the rename leaves a stray
    // temporary file; the real file is untouched and loads as before.
    Spit(Bin() + ".tmp", "half a file");
    Players_Load();
    EXPECT_EQ(Slurp(Bin()), before);
    // A write that can't happen (here the temporary name is taken by a folder) is logged
    // and changes nothing.
    fs::remove(Bin() + ".tmp");
    fs::create_directory(Bin() + ".tmp");
    Players.level_state[0] = 7;
    g_log.clear();
    EXPECT_FALSE(Players_SaveSection(0));
    EXPECT_EQ(Slurp(Bin()), before);
    EXPECT_FALSE(g_log.empty());
}
