// Saved matches: a level left in the middle of play comes back field for field, a golden pair
// of files keeps loading to the same state, the stored sizes decide what is read, and damaged
// files of both kinds are refused or repaired without stopping the game.
#include <gtest/gtest.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <unistd.h>
#include <string>
#include <vector>
#include "gui/later_hooks.h"
#include "play/ingame_steps.h"
#include "shell/app_state.h"
#include "shell/paths.h"
#include "shell/players.h"
#include "shell/screen.h"
#include "tests/save_scene.h"

namespace {
std::vector<uint8_t> Read(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
void Write(const std::string& file, const std::vector<uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
bool Exists(const std::string& file) {
    return std::ifstream(file).good();
}
bool Logged(const Harness& h, const std::string& part) {
    for (const std::string& line : h.log)
        if (line.find(part) != std::string::npos) return true;
    return false;
}
// Offset of the first byte where a and b differ (or the shorter length), for messages.
size_t First_Difference(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t k = 0; k < n; ++k)
        if (a[k] != b[k]) return k;
    return n;
}
// The level as a fresh attempt would leave it: nothing of the saved state in memory.
void Forget_Level() {
    Screen_Set(0);
    Score = 0;
    PcModScore2xCnt = PcModReverseCnt = HammerScore = 0;
}
std::string Fixture(const char* name) {
    return std::string(ORBIVALE_FIXTURES) + "/saves/" + name;
}
} // namespace

TEST(MatchFile, MidPlayLevelComesBackFieldForField) {
    Harness h(3);
    ASSERT_TRUE(h.booted);
    Scene_Build(h);
    Scene_Expect_Mid_Play();
    std::vector<uint8_t> before = Scene_Bytes();
    ASSERT_TRUE(Match_Save(LevelCrt, 1));
    Forget_Level();
    ASSERT_TRUE(Match_Load());
    EXPECT_EQ(ScreenState, 1);
    std::vector<uint8_t> after = Scene_Bytes();
    EXPECT_EQ(after.size(), before.size());
    EXPECT_TRUE(after == before) << "first difference at byte " << First_Difference(before, after);
    Scene_Expect_Mid_Play();
    EXPECT_EQ(LevelScore, Score - ScoreStartLevel);
    EXPECT_TRUE(Logged(h, "LevelData pieces loaded"));
    EXPECT_TRUE(Logged(h, "LevelData Loaded"));
    Modal_Reset();
    Paused = 0;
    h.Run(60);
    EXPECT_EQ(ScreenState, 1);
}

// The byte layout is a promise to the players' saves: these files, written by a seeded run,
// must keep loading to the state they hold. ORBIVALE_WRITE_SAVE_FIXTURE=1 writes them anew.
TEST(MatchFile, GoldenSaveKeepsLoadingToTheSameState) {
    Harness h(3);
    ASSERT_TRUE(h.booted);
    if (std::getenv("ORBIVALE_WRITE_SAVE_FIXTURE")) {
        Scene_Build(h);
        ASSERT_TRUE(Match_Save(LevelCrt, 1));
        Write(Fixture("match_0.mch"), Read(Match_FileName(0)));
        Write(Fixture("match_0.lvl"), Read(LevelData_FileName(0)));
    }
    std::vector<uint8_t> mch = Read(Fixture("match_0.mch")), lvl = Read(Fixture("match_0.lvl"));
    ASSERT_EQ(mch.size(), 84u);
    ASSERT_GT(lvl.size(), 64u);
    CurrentPlayer = 0;
    Write(Match_FileName(0), mch);
    Write(LevelData_FileName(0), lvl);
    std::remove(LevelData_OldName(0).c_str());
    ASSERT_TRUE(Match_Load());
    std::vector<uint8_t> now = Scene_Bytes(), want = mch;
    want.insert(want.end(), lvl.begin(), lvl.end());
    EXPECT_TRUE(now == want) << "first difference at byte " << First_Difference(want, now);
    Scene_Expect_Mid_Play();
}

TEST(MatchFile, StoredSizeDecidesHowMuchOfTheRecordIsRead) {
    struct Case {
        int size;
        size_t file_length;
        const char* log;
        int win_points_start;
    };
    const Case cases[] = {
        {84, 84, nullptr, 777},
        {80, 84, "Match_Load(): size read smaller! Older version?", 0},
        {88, 88, "Match_Load(): size read bigger! Newer version?", 777},
    };
    Harness h(1);
    for (const Case& c : cases) {
        Match_File m;
        m.size = c.size;
        m.LevelCrt = m.LevelFirst = 2;
        m.WinPoints = 700;
        m.WinPointsStart = 777;
        std::vector<uint8_t> bytes(c.file_length, 0xAB);
        Match_Encode(m, bytes.data());
        h.log.clear();
        Match_File got;
        ASSERT_TRUE(Match_Decode(bytes.data(), bytes.size(), got));
        EXPECT_EQ(got.size, c.size);
        EXPECT_EQ(got.WinPoints, 700) << c.size;
        EXPECT_EQ(got.WinPointsStart, c.win_points_start) << c.size;
        EXPECT_TRUE(!c.log || Logged(h, c.log)) << c.size;
    }
}

TEST(MatchFile, HeaderOf65IsRefusedAndTheLevelRunsWithTheSavedCounters) {
    Harness h(3);
    Scene_Build(h);
    int score2x = PcModScore2xCnt;
    ASSERT_TRUE(Match_Save(LevelCrt, 1));
    std::vector<uint8_t> lvl = Read(LevelData_FileName(0));
    Bytes_PutI32(lvl.data(), 65);
    Write(LevelData_FileName(0), lvl);
    std::remove(LevelData_OldName(0).c_str());
    Forget_Level();
    ASSERT_TRUE(Match_Load());
    EXPECT_TRUE(Logged(h, "level header too big! aborting.."));
    EXPECT_EQ(PcModScore2xCnt, score2x);
    EXPECT_EQ(Pieces.rev_count, 0);
    EXPECT_EQ(Items.count, 0);
    Modal_Reset();
    Paused = 0;
    h.Run(30);
    EXPECT_EQ(ScreenState, 1);
}

namespace {
// One damaged save: what is done to the two good files, what the log must say, and whether
// the match still resumes (a damaged match file offers a new game instead).
struct Damage {
    const char* name;
    void (*spoil)(std::vector<uint8_t>& mch, std::vector<uint8_t>& lvl);
    const char* log;
    bool resumes;
};

// Puts v at byte offset off of the record of pearl n (pearl section at 64, 316 bytes each).
void Pearl_Field(std::vector<uint8_t>& lvl, int n, int off, int32_t v) {
    Bytes_PutI32(lvl.data() + 64 + 316 * n + off, v);
}
std::vector<uint8_t> Noise(size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> out(n);
    for (uint8_t& b : out)
        b = static_cast<uint8_t>(rng());
    return out;
}

const Damage kDamages[] = {
    {"empty match file", [](auto& m, auto&) { m.clear(); }, "the match file is damaged", false},
    {"match file of 3 bytes", [](auto& m, auto&) { m.resize(3); }, "the match file is damaged", false},
    {"match file of noise", [](auto& m, auto&) { m = Noise(84, 7); }, "Match_Load()", false},
    {"no level state", [](auto&, auto& l) { l.clear(); }, "the level starts afresh", true},
    {"level state cut after the header", [](auto&, auto& l) { l.resize(64); }, "does not fit the file", true},
    {"level state cut in half", [](auto&, auto& l) { l.resize(l.size() / 2); }, "does not fit the file",
     true},
    {"level state of noise", [](auto&, auto& l) { l = Noise(l.size(), 9); }, "afresh", true},
    {"noise after a good header",
     [](auto&, auto& l) {
         std::vector<uint8_t> n = Noise(l.size() - 64, 11);
         std::copy(n.begin(), n.end(), l.begin() + 64);
     },
     "LevelData Loaded", true},
    {"pearl colour 99", [](auto&, auto& l) { Pearl_Field(l, 2, 12, 99); }, "dropped: colour 99", true},
    {"pearl on track 42",
     [](auto&, auto& l) {
         Pearl_Field(l, 2, 76, 42);
         Pearl_Field(l, 2, 148, 0);
     },
     "no track 42", true},
    {"next pearl that isn't saved", [](auto&, auto& l) { Pearl_Field(l, 3, 168, 999999); },
     "LD_Load_PostProcess_Pieces(): failed to find next pc for id=999999", true},
    {"pearl far off the board", [](auto&, auto& l) { Pearl_Field(l, 1, 16, 0x7fc00000); }, "is not a number",
     true},
    {"modifier kind 55", [](auto&, auto& l) { Pearl_Field(l, 4, 272, 55); }, "modifier 55 unknown", true},
    {"pearl count past the file", [](auto&, auto& l) { Bytes_PutI32(l.data() + 4, 100000); },
     "does not fit the file", true},
    {"item section far away", [](auto&, auto& l) { Bytes_PutI32(l.data() + 32, 0x7ffffff0); },
     "does not fit the file", true},
    {"item kind 12", [](auto&, auto& l) { Bytes_PutI32(l.data() + Bytes_GetI32(l.data() + 32), 12); },
     "item of kind 12 dropped", true},
    {"small records", [](auto&, auto& l) { Bytes_PutI32(l.data() + 36, 8); }, "LevelData Loaded", true},
};
} // namespace

TEST(MatchFile, DamagedSavesNeverStopTheGame) {
    Harness h(3);
    Scene_Build(h);
    ASSERT_TRUE(Match_Save(LevelCrt, 1));
    const std::vector<uint8_t> good_mch = Read(Match_FileName(0)), good_lvl = Read(LevelData_FileName(0));
    for (const Damage& d : kDamages) {
        std::vector<uint8_t> mch = good_mch, lvl = good_lvl;
        d.spoil(mch, lvl);
        Write(Match_FileName(0), mch);
        if (lvl.empty())
            std::remove(LevelData_FileName(0).c_str());
        else
            Write(LevelData_FileName(0), lvl);
        std::remove(LevelData_OldName(0).c_str());
        std::remove((Match_FileName(0) + ".bad").c_str());
        Forget_Level();
        h.log.clear();
        ASSERT_TRUE(Later.match_load) << d.name;
        Later.match_load();
        EXPECT_TRUE(Logged(h, d.log)) << d.name;
        EXPECT_EQ(ScreenState, d.resumes ? 1 : 2) << d.name;
        if (!d.resumes) {
            EXPECT_TRUE(Exists(Match_FileName(0) + ".bad")) << d.name;
            EXPECT_FALSE(Exists(Match_FileName(0))) << d.name;
        }
        Modal_Reset();
        Paused = 0;
        Screen_Set(1);
        h.Run(20);
        EXPECT_EQ(ScreenState, 1) << d.name;
    }
}

TEST(MatchFile, LeavingTheGameInTheMiddleOfALevelSavesIt) {
    Harness h(3);
    h.StartLevel(kSceneLevel);
    Modal_Reset();
    Paused = 0;
    h.Run(100);
    Match_SaveOnQuit();
    Match_File m;
    std::vector<uint8_t> mch = Read(Match_FileName(0));
    ASSERT_TRUE(Match_Decode(mch.data(), mch.size(), m));
    EXPECT_EQ(m.LevelCrt_IsRunning, 1);
    EXPECT_EQ(m.LevelCrt, kSceneLevel);
    EXPECT_TRUE(Exists(LevelData_FileName(0)));
    // The game over deletes both files; a level being won is not saved in the middle.
    Step_Run(InGame_Steps.match_files_delete);
    EXPECT_FALSE(Exists(Match_FileName(0)));
    EXPECT_FALSE(Exists(LevelData_FileName(0)));
    Winning = 1;
    Match_SaveOnQuit();
    EXPECT_FALSE(Exists(Match_FileName(0)));
    Winning = 0;
    // A life being lost: the match goes on at the level's start with that life gone.
    Losing = 1;
    int lives = Lives;
    Match_SaveOnQuit();
    mch = Read(Match_FileName(0));
    ASSERT_TRUE(Match_Decode(mch.data(), mch.size(), m));
    EXPECT_EQ(m.LevelCrt_IsRunning, 0);
    EXPECT_EQ(m.Lives, lives - 1);
    EXPECT_EQ(Lives, lives);
    Losing = 0;
}

// A save replaced by a link to an endless device is read only up to a bound: loading ends,
// the match file is set aside as damaged, and the game plays on.
TEST(MatchFile, SavesLinkedToAnEndlessDeviceAreReadToABound) {
    Harness h(3);
    Scene_Build(h);
    ASSERT_TRUE(Match_Save(LevelCrt, 1));
    for (const std::string& file : {LevelData_FileName(0), Match_FileName(0)}) {
        SCOPED_TRACE(file);
        std::remove(file.c_str());
        ASSERT_EQ(symlink("/dev/zero", file.c_str()), 0);
        std::remove(LevelData_OldName(0).c_str());
        Forget_Level();
        ASSERT_TRUE(Later.match_load);
        Later.match_load();
        Modal_Reset();
        Paused = 0;
        Screen_Set(1);
        h.Run(20);
        EXPECT_EQ(ScreenState, 1);
    }
    EXPECT_TRUE(Exists(Match_FileName(0) + ".bad"));
}
