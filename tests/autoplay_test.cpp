// The built-in player and the level checker: the player wins the first level, it acts only
// through the input service (its recorded input, replayed as a script, plays the same game),
// and the command line of the check.
#include <gtest/gtest.h>
#include <cmath>
#include <string>
#include <vector>
#include "chain/piece.h"
#include "engine/platform.h"
#include "play/autoplay.h"
#include "play/level_check.h"
#include "play/level_state.h"
#include "shell/app_state.h"
#include "shell/log.h"
#include "shell/options.h"
#include "shell/startup.h"
#include "tests/harness.h"

namespace {
// What a run leaves on the board: score, pearl count and where every pearl is.
struct Board_Print {
    int score = 0, pearls = 0;
    double places = 0;
    bool operator==(const Board_Print& o) const {
        return score == o.score && pearls == o.pearls && places == o.places;
    }
};

Board_Print Print_Board() {
    Board_Print b;
    b.score = Score;
    b.pearls = Pieces.list_count;
    for (const Piece* pc = Pieces.list_first; pc; pc = pc->list_next)
        b.places += (pc->id + 1) * (std::floor(pc->x * 8) + 3 * std::floor(pc->y * 8)) + pc->color;
    return b;
}

// Moves every line of a recorded script from the game's frame count to the platform's.
std::string Shift_Frames(const std::string& script, int by) {
    std::string out;
    size_t at = 0;
    while (at < script.size()) {
        size_t end = script.find('\n', at);
        std::string line = script.substr(at, end - at);
        size_t space = line.find(' ');
        out += std::to_string(std::stoi(line.substr(0, space)) + by) + line.substr(space) + "\n";
        at = end + 1;
    }
    return out;
}

int Frames_Presented() {
    return static_cast<int>(Platform_Get()->Millisecs() / 16);
}
} // namespace

TEST(AutoplayTest, WinsTheFirstLevelInNormalModeUnderAFixedSeed) {
    App_Options o;
    o.seed_given = true;
    o.seed = 1;
    o.save_dir = ::testing::TempDir() + "orbivale_autoplay";
    ASSERT_TRUE(LevelCheck_Boot(o));
    Relaxed_Mode = 0;
    Check_Try t = LevelCheck_Try(1, 1, CHECK_CAP_MS);
    App_Shutdown();
    Platform_Set(nullptr);
    Log_SetQuiet(false);
    EXPECT_EQ(t.won, 1);
    EXPECT_GT(t.shots, 10);
    EXPECT_LT(t.time_ms, 3 * 60 * 1000);
}

TEST(AutoplayTest, ItsRecordedInputReplayedAsAScriptPlaysTheSameGame) {
    constexpr int kFrames = 420;
    std::string script;
    Board_Print played;
    int offset = 0;
    {
        Harness h(5);
        ASSERT_TRUE(h.booted);
        h.StartLevel(1);
        offset = Frames_Presented() - FrameCounter;
        Autoplay_SetRecorder(&script);
        Autoplay_Start(Autoplay_Config{});
        for (int i = 0; i < kFrames; ++i) {
            h.Run(1);
            Autoplay_AfterFrame();
        }
        Autoplay_Stop();
        Autoplay_SetRecorder(nullptr);
        played = Print_Board();
        EXPECT_GT(Autoplay_GetStats().shots, 2);
    }
    ASSERT_NE(script.find("mouse_down 1"), std::string::npos);
    Harness replay(5, Shift_Frames(script, offset));
    ASSERT_TRUE(replay.booted);
    replay.StartLevel(1);
    replay.Run(kFrames);
    EXPECT_TRUE(Print_Board() == played);
    EXPECT_EQ(Score, played.score);
}

TEST(AutoplayTest, CheckLevelsTakesAnOptionalSeedCount) {
    struct Case {
        std::vector<const char*> args;
        int seeds, jobs, level;
    };
    const Case cases[] = {
        {{"orbivale", "--check-levels"}, 3, 1, 0},
        {{"orbivale", "--check-levels", "5", "--jobs", "2"}, 5, 2, 0},
        {{"orbivale", "--check-levels", "--level", "7"}, 3, 1, 7},
    };
    for (const Case& c : cases) {
        App_Options o;
        std::string err;
        std::vector<char*> argv;
        for (const char* a : c.args)
            argv.push_back(const_cast<char*>(a));
        ASSERT_TRUE(Options_Parse(static_cast<int>(argv.size()), argv.data(), o, err)) << err;
        EXPECT_TRUE(o.check_levels);
        EXPECT_EQ(o.check_seeds, c.seeds);
        EXPECT_EQ(o.check_jobs, c.jobs);
        EXPECT_EQ(o.level, c.level);
    }
}
