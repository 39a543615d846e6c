#include <gtest/gtest.h>
#include "tests/shooting_test_support.h"

namespace {
class HoleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Shooting_Test_Reset();
        path = Shooting_Track(800, 100);
        ASSERT_NE(path, nullptr);
    }
    // Runs frames until the level is lost or the limit; returns the frames run.
    int Run_Until_Lost(int limit) {
        int f = 0;
        for (; f < limit && g_shoot.lost == 0; ++f)
            Chain_Sim_Frame();
        return f;
    }
    // The chain's movement alone (no generation, no pushers).
    static void Hole_Frame() {
        Pieces_Pre_Frame();
        Paths_Compute_Segments();
        Paths_Move();
    }
    Path* path = nullptr;
};
} // namespace

TEST_F(HoleTest, ContinuousChainLosesWhenItsFirstPearlHasFadedOut) {
    std::vector<Piece*> row = Row({PC_RED, PC_BLUE, PC_GREEN, PC_RED}, 700);
    for (Piece* pc : row)
        pc->spd = 100;
    int entered = -1, f = 0;
    for (; f < 400 && g_shoot.lost == 0; ++f) {
        Chain_Sim_Frame();
        if (entered < 0 && (row[0]->state & PCS_IN_HOLE)) entered = f;
    }
    ASSERT_GE(entered, 0);
    EXPECT_EQ(g_shoot.lost, 1);
    EXPECT_EQ(Log_Count("die bcs no next color=4"), 1);
    // One contact distance of travel at 100 units/s after the pearl entered: about 0.28 s.
    double travelled = (f - 1 - entered) * 0.016 * 100;
    EXPECT_NEAR(travelled, 28, 3.2); // within two frames of 1.6 units
    EXPECT_LT(row[0]->in_hole_alpha, 0.2f);
}

TEST_F(HoleTest, LonePearlThatSinksLosesTheLevel) {
    Piece* pc = Add_Pearl(PC_RED, 780);
    pc->spd = 100;
    Run_Until_Lost(200);
    EXPECT_EQ(g_shoot.lost, 1);
    EXPECT_EQ(path->hole_pc, pc);
}

TEST_F(HoleTest, RelaxedPlayCostsFivePointsAPearlAndTwentyAPusher) {
    struct Case {
        int color, cost;
    } cases[] = {{PC_RED, 5}, {PC_PUSHER, 20}};
    for (const Case& c : cases) {
        SetUp();
        Relaxed_Mode = 1;
        LevelScore = 100;
        WinPoints = 50;
        Piece* pc = Add_Pearl(c.color, 780);
        pc->spd = 100;
        for (int f = 0; f < 200 && pc->alive; ++f)
            Hole_Frame();
        EXPECT_EQ(g_shoot.lost, 0);
        EXPECT_FALSE(pc->alive);
        EXPECT_EQ(path->hole_pc, nullptr);
        EXPECT_EQ(LevelScore, 100 - c.cost) << c.color;
        EXPECT_EQ(WinPoints, 50 + c.cost) << c.color;
    }
}

TEST_F(HoleTest, RelaxedPlayMovesAFallenThroughPearlUpWhenTheSinkingOneGoes) {
    Relaxed_Mode = 1;
    LevelScore = 100;
    Piece* first = Add_Pearl(PC_RED, 780);
    first->spd = 100;
    for (int f = 0; f < 50 && !(first->state & PCS_IN_HOLE); ++f)
        Hole_Frame();
    ASSERT_EQ(first->Hole_Enter_Fallen_Through(), 1);
    ASSERT_EQ(path->hole_pc2, first);
    Piece* second = Add_Pearl(PC_BLUE, 780);
    second->spd = 100;
    for (int f = 0; f < 200 && !Paths_Empty(); ++f)
        Hole_Frame();
    EXPECT_TRUE(Paths_Empty());
    EXPECT_EQ(path->hole_pc, nullptr);
    EXPECT_EQ(path->hole_pc2, nullptr);
    EXPECT_EQ(LevelScore, 90);
}

TEST_F(HoleTest, PearlWhoseSegmentFallsBackClimbsOutWhole) {
    Piece* pc = Add_Pearl(PC_RED, 780);
    pc->spd = 100;
    for (int f = 0; f < 200 && !(pc->state & PCS_IN_HOLE); ++f)
        Chain_Sim_Frame();
    ASSERT_TRUE(pc->state & PCS_IN_HOLE);
    Chain_Sim_Frame();
    ASSERT_LT(pc->alpha, 1.0f);
    pc->segm_dir = SEGM_BACK;
    for (int f = 0; f < 100 && (pc->state & PCS_IN_HOLE); ++f)
        ASSERT_EQ(pc->Hole_Move(), 1);
    EXPECT_FALSE(pc->state & (PCS_IN_HOLE | PCS_HOLE_MARK));
    EXPECT_FLOAT_EQ(pc->alpha, 1);
    EXPECT_FLOAT_EQ(pc->scale, pc->in_hole_scale_in);
    EXPECT_EQ(path->hole_pc, nullptr);
}

namespace {
int g_dialog_open = 0;
}

TEST_F(HoleTest, AlarmPearlsLeaveTheHoleEveryThreeSecondsButNotWhileADialogIsOpen) {
    Chain_Hooks.Alarm_Update = [](Path* p) { p->Alarm_Update(); };
    Alarm_Dialog_Open = [] { return g_dialog_open; };
    Alarm_Open_Offer = nullptr;
    RollbackOffer = 0;
    Add_Pearl(PC_RED, 20); // beyond the alarm point of a two-point track from the start
    path->alarm_pt = 0;
    std::vector<int> created; // ms at which an alarm pearl appeared
    Piece* last = nullptr;
    g_dialog_open = 0;
    for (int ms = 0; ms < 7000; ms += 16) {
        g_dialog_open = ms >= 6000 ? 1 : 0;
        Pieces_Pre_Frame();
        Paths_Move();
        if (path->alarm_pc && path->alarm_pc != last) created.push_back(ms);
        last = path->alarm_pc;
        if (path->alarm_pc && path->alarm_pc_alpha >= 1)
            path->alarm_pc->Die_Quietly(), path->alarm_pc = nullptr;
    }
    Alarm_Hooks_Reset();
    // The first in the first active frame, then every 3000 ms (the frame after the timer runs
    // out); none in the last second, while the dialog is open.
    ASSERT_EQ(created.size(), 2u);
    EXPECT_EQ(created[0], 0);
    EXPECT_NEAR(created[1], 3000, 16);
    EXPECT_EQ(path->alarm_active, 1);
}

TEST_F(HoleTest, AlarmOpensTheRollbackOfferOnceInItsInterval) {
    static int offers = 0;
    offers = 0;
    Chain_Hooks.Alarm_Update = [](Path* p) { p->Alarm_Update(); };
    Alarm_Open_Offer = [] { ++offers; };
    Alarm_Dialog_Open = [] { return 0; };
    Add_Pearl(PC_RED, 20);
    path->alarm_pt = 0;
    for (int f = 0; f < 100; ++f) // 1.6 s: inside the 2000 ms interval
        Paths_Move();
    EXPECT_EQ(offers, 1);
    Lives = 0;
    for (int f = 0; f < 200; ++f)
        Paths_Move();
    EXPECT_EQ(offers, 1);
    Alarm_Hooks_Reset();
}
