#include <gtest/gtest.h>
#include <cstdlib>
#include <string>
#include <vector>
#include "content/level_catalogue.h"
#include "engine/gfx.h"
#include "engine/sound.h"
#include "gui/modal.h"
#include "play/hud.h"
#include "play/ingame_frame.h"
#include "play/ingame_dialogs.h"
#include "play/ingame_steps.h"
#include "play/level_run.h"
#include "play/lose_sequence.h"
#include "play/match.h"
#include "play/score.h"
#include "play/win_sequence.h"
#include "shell/players.h"
#include "shell/texts.h"
#include "tests/chain_test_support.h"
#include "tests/harness.h"

namespace {
// What the level run asked of the effects and dialogs.
struct Calls {
    int new_life = 0;
    std::vector<int> sparkle_waves;
    int popups = 0;
    int last_popup_value = 0;
    std::vector<int> win_pc_paths;
    int level_complete = 0;
    int game_over = 0;
};
Calls g_calls;

void Install_Recorders() {
    g_calls = Calls();
    InGame_Steps = InGame_Steps_Table();
    InGame_Steps.fx_new_life = [] { ++g_calls.new_life; };
    InGame_Steps.fx_gauge_sparkle = [](int waves) { g_calls.sparkle_waves.push_back(waves); };
    InGame_Steps.fx_text_popup = [](const std::string&, int, float, float, float, int value) {
        ++g_calls.popups;
        g_calls.last_popup_value = value;
    };
    InGame_Steps.win_pc_create = [](Path* p) { g_calls.win_pc_paths.push_back(p->id); };
    InGame_Dialogs_Reset();
    InGame_Dialogs.open_level_complete = [] { ++g_calls.level_complete; };
}

void Score_Test_Reset() {
    Install_Recorders();
    Lives = 4;
    Score = ScoreStartLevel = LevelScore = HammerScore = 0;
    Score_LevelReset();
    LongestChain = LongestCombo = 0;
    PcModScore2xCnt = PcModScore3xCnt = 0;
    Set_WinPoints(100000);
}

// Runs single frames until pred holds (at most max frames); returns the frames run.
template <typename Pred> int Run_Until(Harness& h, Pred pred, int max) {
    int n = 0;
    for (; n < max && !pred(); ++n)
        h.Run(1);
    return n;
}
} // namespace

TEST(ScoreTest, ChainBonusFromTheFourthStepAndComboMultiplesFollowTheirRules) {
    struct Case {
        bool combo;
        int x2, x3, n, steps;
        int level_score, bonus, longest, popups;
    } cases[] = {
        {false, 0, 0, 3, 3, 90, 0, 0, 0},    // no bonus before the fourth step
        {false, 0, 0, 3, 5, 350, 200, 5, 2}, // 30 30 30 130 130
        {false, 1, 0, 3, 4, 340, 100, 4, 1}, // double score: 60 each plus the bonus
        {false, 1, 1, 3, 1, 90, 0, 0, 0},    // triple wins over double
        {true, 0, 0, 3, 3, 180, 90, 3, 2},   // 30 60 90; bonus 0 30 60
        {true, 0, 1, 4, 2, 360, 120, 2, 1},  // 120 240
    };
    Piece first;
    for (const Case& c : cases) {
        Score_Test_Reset();
        PcModScore2xCnt = c.x2 * 1000;
        PcModScore3xCnt = c.x3 * 1000;
        for (int i = 0; i < c.steps; ++i)
            c.combo ? Score_Combo(c.n, &first) : Score_Chain(c.n, &first);
        EXPECT_EQ(LevelScore, c.level_score) << c.combo << " " << c.steps;
        EXPECT_EQ(Score, c.level_score);
        EXPECT_EQ(c.combo ? ComboScore : ChainScore, c.bonus);
        EXPECT_EQ(c.combo ? LongestCombo : LongestChain, c.longest);
        EXPECT_EQ(g_calls.popups, c.popups);
        EXPECT_EQ(WinPoints, 100000 - c.level_score);
    }
    Score_Test_Reset();
    Score_Chain(3, nullptr); // a set whose first pearl is gone shows no text
    for (int i = 0; i < 4; ++i)
        Score_Chain(3, nullptr);
    EXPECT_EQ(g_calls.popups, 0);
    EXPECT_EQ(ChainScore, 200);
}

TEST(ScoreTest, OneExtraLifePerThirtyThousandBandAndNeverOneTakenAway) {
    struct Case {
        int start, level_score, add, lives_gained;
    } cases[] = {
        {0, 29990, 10, 1},    {0, 29990, 9, 0},      {0, 30010, -20, 0},
        {30000, 0, 29999, 0}, {30000, 29990, 20, 1}, {59000, 0, 1000, 1},
    };
    for (const Case& c : cases) {
        Score_Test_Reset();
        ScoreStartLevel = c.start;
        LevelScore = c.level_score;
        Score = c.start + c.level_score;
        Score_Add(c.add, 0);
        EXPECT_EQ(Lives, 4 + c.lives_gained) << c.start << "+" << c.level_score << "+" << c.add;
        EXPECT_EQ(g_calls.new_life, c.lives_gained);
    }
    // A band crossed again after a restart took the score back gives the life again.
    Score_Test_Reset();
    Score_Add(29990, 0);
    Score_Add(20, 0);
    Score = ScoreStartLevel; // what a level restart does
    Score_LevelReset();
    Score_Add(30000, 0);
    EXPECT_EQ(Lives, 6);
}

TEST(ScoreTest, LevelAndHammerScoresStayAtZeroAndTheGaugeRefillsWithLostPoints) {
    struct Case {
        int level_score, add, to_gauge;
        int level_after, hammer_after, win_after;
    } cases[] = {
        {10, -50, 1, 0, 0, 150},
        {10, -50, 0, 0, 0, 100},
        {0, 120, 1, 120, 120, 0},
        {5, -5, 1, 0, 0, 105},
    };
    for (const Case& c : cases) {
        Score_Test_Reset();
        LevelScore = HammerScore = c.level_score;
        Set_WinPoints(100);
        Score_Add(c.add, c.to_gauge);
        EXPECT_EQ(LevelScore, c.level_after);
        EXPECT_EQ(HammerScore, c.hammer_after);
        EXPECT_EQ(WinPoints, c.win_after);
        EXPECT_EQ(WinPointsStart, 100);
    }
}

TEST(GaugeTest, EachThresholdIsCelebratedOnceInOrderOnePerFrame) {
    Score_Test_Reset();
    Set_WinPoints(100);
    GaugeStage = 0;
    WinPoints = 0; // one jump over all three thresholds
    for (int frame = 0; frame < 5; ++frame)
        Gauge_Celebrate();
    EXPECT_EQ(GaugeStage, 3);
    EXPECT_EQ(g_calls.sparkle_waves, (std::vector<int>{5, 10, 20}));

    struct Case {
        int start, left, stage, width; // width of a 240-pixel fill
    } cases[] = {
        {100, 40, 1, 144}, {100, 20, 2, 192}, {100, 50, 0, 120}, {100, 105, 0, 0}, // throw-away overfilled
        {0, 0, 3, 240},    {0, 5, 0, 0},                                           // a level without a goal
    };
    for (const Case& c : cases) {
        Score_Test_Reset();
        WinPointsStart = c.start;
        WinPoints = c.left;
        GaugeStage = 0;
        for (int frame = 0; frame < 5; ++frame)
            Gauge_Celebrate();
        EXPECT_EQ(GaugeStage, c.stage) << c.start << " " << c.left;
        EXPECT_EQ(Gauge_Width(240), c.width) << c.start << " " << c.left;
    }
}

class WinTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Chain_Test_Reset();
        Score_Test_Reset();
        ASSERT_EQ(Parse_Text(Straight_Track(800, 0)), 1);
        path = &Paths.pool[0];
        path->states |= PATH_STATE_GEN_DONE;
        Winning = Losing = 0;
    }
    // A win pearl as the hole makes it, already out of the hole, at arc length s.
    Piece* Win_Pearl(double s) {
        Piece* pc = Piece::Create_OnPath(PC_WIN, 0, 300, 0);
        pc->Remove_From_Path();
        Place_At(pc, s);
        pc->state |= PCS_HOLE_MARK | PCS_FREE_RUN;
        pc->segm_dir = SEGM_BACK;
        pc->accel = 900;
        pc->data1 = 0;
        path->win_pc = pc;
        path->win_pc_id = pc->id;
        return pc;
    }
    // Records the front pearl's last place at arc length s.
    void Front_Was_At(double s) {
        int seg = 0;
        double t = 0;
        path->Compute_New_Pos(0, 0, s, seg, t);
        path->first_pc_pt = seg + 1;
        path->first_pc_t = static_cast<float>(t);
    }
    Path* path = nullptr;
};

TEST_F(WinTest, LevelIsWonOnlyWithTheGaugeFullAndTheBoardEmpty) {
    struct Case {
        int win_points;
        bool pearl_left;
        bool won;
    } cases[] = {{0, true, false}, {1, false, false}, {0, false, true}};
    for (const Case& c : cases) {
        SetUp();
        WinPoints = c.win_points;
        if (c.pearl_left) Add_Pearl(PC_RED, 100);
        Win_Check();
        EXPECT_EQ(Winning, c.won ? 1 : 0) << c.win_points << " " << c.pearl_left;
        EXPECT_EQ(g_calls.win_pc_paths.size(), c.won ? 1u : 0u);
    }
    // The first frame on which the board is also empty wins.
    SetUp();
    WinPoints = 0;
    Piece* last = Add_Pearl(PC_RED, 100);
    Win_Check();
    last->Destroy_Basic();
    Win_Check();
    EXPECT_EQ(Winning, 1);
}

TEST_F(WinTest, WinPearlRollsBackToTheFrontsLastPlaceScoringItsRunThenTheDialogOpens) {
    struct Case {
        float frame_ms;
        double from, to;
    } cases[] = {{16, 790, 300}, {200, 790, 3}}; // long frames neither overshoot nor leave the track
    for (const Case& c : cases) {
        SetUp();
        FrameTime = c.frame_ms;
        FrameDt = c.frame_ms / 1000;
        Winning = 1;
        Front_Was_At(c.to);
        Win_Pearl(c.from);
        int frames = 0;
        for (; frames < 500 && g_calls.level_complete == 0; ++frames)
            Win_Step();
        EXPECT_EQ(path->win_pc, nullptr);
        EXPECT_EQ(Pieces.list_count, 0);
        EXPECT_EQ(Pieces.rev_count, 0);
        EXPECT_NEAR(LevelScore, c.from - c.to, 2) << c.frame_ms;
        EXPECT_EQ(g_calls.level_complete, 1);
    }
}

TEST(LoseTest, StagesRunInOrderThenALifeGoesAndTheLevelRestarts) {
    struct Case {
        int lives, relaxed;
        std::vector<int> stages; // distinct stages seen in order
        int lives_after, game_over;
    } cases[] = {
        {2, 0, {0, 1, 2, 3, 4}, 1, 0}, {0, 0, {0, 2, 3}, 0, 1}, {3, 1, {}, 3, 0}, // relaxed play never loses
    };
    for (const Case& c : cases) {
        Harness h(7, "", 50); // long frames: the sequence takes seconds
        h.StartLevel(1);
        Install_Recorders();
        InGame_Dialogs.open_game_over = [] { ++g_calls.game_over; };
        Modal_Close();
        Paused = 0;
        Relaxed_Mode = c.relaxed;
        Piece* pusher = Piece::Create_OnPath(PC_PUSHER, 400, 300, 0);
        pusher->angle = 10;
        Add_Pearl(PC_BLUE, 50);
        Lives = c.lives;
        Level_Lose();
        std::vector<int> seen;
        for (int frame = 0; frame < 1500 && Losing == 1 && LoseStage != -1; ++frame) {
            if (seen.empty() || seen.back() != LoseStage) seen.push_back(LoseStage);
            h.Run(1);
            const char* dir = std::getenv("ORBIVALE_SHOTS");
            if (dir && c.lives == 2 && LoseStage == 3 && LoseFade > 0.2f && LoseFade < 0.21f)
                Gfx_WritePng(std::string(dir) + "/lose_sequence.png", h.Screen().data(), 800, 600);
        }
        EXPECT_EQ(seen, c.stages) << c.lives;
        EXPECT_EQ(Lives, c.lives_after);
        EXPECT_EQ(g_calls.game_over, c.game_over);
        if (c.lives > 0 && !c.relaxed) {
            EXPECT_EQ(Losing, 0); // restarted
            EXPECT_EQ(Modal_Active(), 1);
        }
        Relaxed_Mode = 0;
    }
}

TEST(LoseTest, OverlayNamesTheLivesLeftAndIsNotDrawnWithoutALife) {
    Harness h(3);
    h.StartLevel(1);
    Modal_Close();
    struct Case {
        int lives;
        bool drawn;
    } cases[] = {{1, true}, {3, true}, {0, false}};
    for (const Case& c : cases) {
        Losing = 1;
        LoseStage = 1;
        LoseFade = 0.4f;
        LoseTextAlpha = 1;
        Lives = c.lives;
        Gfx_SetColor(255, 255, 255);
        Gfx_SetBlend(BLEND_SOLID);
        Gfx_DrawRect(0, 0, ScreenWidth, ScreenHeight);
        Lose_DrawOverlay();
        std::vector<uint32_t> px = h.Screen();
        ASSERT_EQ(px.size(), 800u * 600u);
        uint32_t corner = px[10 * 800 + 10] & 0xffffff;
        EXPECT_EQ(corner != 0xffffff, c.drawn) << c.lives; // the veil darkens the screen
    }
    Losing = 0;
    LoseStage = -1;
    Texts_Init();
    Lives = 1;
    EXPECT_EQ(Lose_Text(), "Last life!");
    Lives = 3;
    EXPECT_EQ(Lose_Text(), "3 lives left!");
}

TEST(LevelStartTest, ResetsTheAttemptReadsTheLevelAndOpensTheReadyBox) {
    Harness h(5);
    h.StartLevel(1);
    Modal_Close();
    Score = 700;
    LevelScore = 200;
    ScoreStartLevel = 500;
    GaugeStage = 3;
    Winning = Losing = 1;
    LoseStage = 2;
    LoseFade = 0.3f;
    ChainScore = ComboScore = 100;
    ScoreChainCnt = ScoreComboCnt = 5;
    LongestChain = LongestCombo = LongestSet = 9;
    LevelTime = 5000;
    RollbackOffer = 0;
    PausedBySuspend = 1;
    LevelCoins = 3;
    PcModReverseCnt = PcModScore2xCnt = 900;
    Players.last_level[CurrentPlayer] = 77;
    Level_Start();
    EXPECT_EQ(Score, 700);
    EXPECT_EQ(ScoreStartLevel, 700);
    EXPECT_EQ(LevelScore, 0);
    for (int v :
         {GaugeStage, Winning, Losing, ChainScore, ComboScore, ScoreChainCnt, ScoreComboCnt, LongestChain,
          LongestCombo, LongestSet, LevelTime, PausedBySuspend, LevelCoins, PcModReverseCnt, PcModScore2xCnt})
        EXPECT_EQ(v, 0);
    EXPECT_EQ(LoseStage, -1);
    EXPECT_EQ(LoseFade, 0);
    EXPECT_EQ(RollbackOffer, 1);
    EXPECT_GT(WinPointsStart, 0); // from the level file
    EXPECT_EQ(WinPoints, WinPointsStart);
    EXPECT_GT(Paths.count, 0);
    EXPECT_GT(Colors.count, 0);
    EXPECT_NE(Board_Image(), nullptr);
    EXPECT_EQ(Players.last_level[CurrentPlayer], 0);
    EXPECT_EQ(Modal_Active(), 1);
    EXPECT_EQ(Paused, 1);
    EXPECT_EQ(FirstFrame, 1);
}

TEST(LevelStartTest, MusicTrackAdvancesAndTheLastPackPlaysTrackZero) {
    Harness h(5);
    h.StartLevel(1);
    int last_pack_level = 0;
    for (int n = 1; n <= LevelsCount && !last_pack_level; ++n)
        if (Level_Info(n)->pack_id == 4) last_pack_level = n;
    struct Case {
        int before, level, after;
    } cases[] = {{0, 1, 1}, {1, 1, 2}, {3, 1, 1}, {2, last_pack_level, 0}};
    for (const Case& c : cases) {
        MusicSlot = c.before;
        LevelCrt = c.level;
        Level_Start();
        EXPECT_EQ(MusicSlot, c.after) << c.before << " " << c.level;
    }
}

TEST(LevelCompleteTest, CompletedLevelOpensWhatItRevealsAndGoesToTheMap) {
    Harness h(5);
    h.StartLevel(1);
    Modal_Close();
    const LevelInfo* info = Level_Info(1);
    ASSERT_GT(info->reveals_count, 0);
    Level_MarkComplete();
    EXPECT_EQ(Players.level_state[CurrentPlayer * kPlayerLevels] & 7, 7);
    for (int i = 0; i < info->reveals_count; ++i)
        EXPECT_EQ(Players.level_state[CurrentPlayer * kPlayerLevels + info->reveals_level[i]] & 3, 3);
    EXPECT_EQ(ScreenState, 2);
    EXPECT_EQ(MatchInProgress, 1);
}

TEST(InGameTest, LevelPlaysAfterTheReadyBoxAndTheWinKeyLeadsToTheNextLevel) {
    // Space closes the ready box; Ctrl+N+W wins; Enter continues on the level-complete dialog,
    // and Enter on the map starts the level it selected.
    const std::string script =
        "5 key 32\n"
        "300 key_down 162\n300 key_down 78\n301 key 87\n303 key_up 78\n303 key_up 162\n"
        "320 key 13\n340 key 13\n";
    Harness h(11, script);
    h.StartLevel(1);
    InGame_Steps = InGame_Steps_Table();
    InGame_Dialogs_Reset();
    h.Run(250);
    EXPECT_EQ(Paused, 0);
    EXPECT_GT(Pieces.list_count, 0);
    EXPECT_NEAR(LevelTime, 244 * 16, 3 * 16);
    EXPECT_EQ(PlayedTime, LevelTime);
    if (const char* dir = std::getenv("ORBIVALE_SHOTS")) {
        std::vector<uint32_t> px = h.Screen();
        Gfx_WritePng(std::string(dir) + "/level_in_progress.png", px.data(), 800, 600);
    }
    int frames = Run_Until(
        h, [] { return LevelCrt == 2; }, 200);
    EXPECT_LT(frames, 200);
    EXPECT_EQ(Players.level_state[CurrentPlayer * kPlayerLevels] & 7, 7);
    EXPECT_EQ(ScreenState, 1);
    EXPECT_EQ(Winning, 0);
    EXPECT_EQ(Modal_Active(), 1); // the next level's ready box
}

TEST(InGameTest, LosingTheFocusPausesTheLevelAndOnlyThatPauseEndsWithTheFocus) {
    Harness h(2);
    h.StartLevel(1);
    struct Case {
        int dialog_paused; // a dialog had paused the level already
        int paused_away, paused_back;
    } cases[] = {{0, 1, 0}, {1, 1, 1}};
    for (const Case& c : cases) {
        Modal_Close();
        Paused = c.dialog_paused;
        PausedBySuspend = 0;
        SuspendMode = 2;
        InGame_Frame();
        EXPECT_EQ(Paused, c.paused_away);
        EXPECT_EQ(PausedBySuspend, 1 - c.dialog_paused);
        SuspendMode = 0;
        InGame_Frame();
        EXPECT_EQ(Paused, c.paused_back);
        EXPECT_EQ(PausedBySuspend, 0);
    }
}
