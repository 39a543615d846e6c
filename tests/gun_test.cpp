#include <gtest/gtest.h>
#include <cmath>
#include "tests/shooting_test_support.h"

namespace {
class GunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Shooting_Test_Reset();
        ASSERT_NE(Shooting_Track(), nullptr);
        Row({PC_RED, PC_RED, PC_BLUE}, 500);
        PtrX = 400;
        PtrY = 0; // straight up, away from the row
    }
    // Shots in flight.
    static int Flying() {
        int n = 0;
        for (Piece* pc = Pieces.list_first; pc; pc = pc->list_next)
            n += pc->move_state == 1;
        return n;
    }
};
} // namespace

TEST_F(GunTest, ThreeQuickShotsFollowAPauseAndAFourthIsStoppedByBurst) {
    for (int f = 0; f < 20; ++f) // a pause: loaded, 320 ms since the level start
        Gun_Update();
    std::vector<int> fired; // frames (from the first click) at which a shot left
    int before = Flying();
    for (int f = 0; f < 60; ++f) {
        LeftHit = 1; // the player clicks on every frame
        Gun_Update();
        if (Flying() > before) fired.push_back(f);
        before = Flying();
    }
    // A shot every 12 frames (the barrel reloads after its 175 ms animation): three quick ones,
    // the fourth click refused, and the next, 208 ms after the last shot, fires again.
    ASSERT_GE(fired.size(), 4u);
    EXPECT_EQ(fired[0], 0);
    EXPECT_EQ(fired[1], 12);
    EXPECT_EQ(fired[2], 24);
    EXPECT_EQ(Log_Count("stopped by burst"), 1);
    EXPECT_EQ(fired[3], 37);
    EXPECT_EQ(Gun.BurstAllowance, 1 - (static_cast<int>(fired.size()) - 4));
}

TEST_F(GunTest, RightClickThrowsTheLoadedPearlAwayForFivePoints) {
    LevelScore = 100;
    WinPoints = 50;
    Gun_RightClick(); // nothing loaded yet: the next pearl moves up
    ASSERT_NE(Gun.GunPc, nullptr);
    ASSERT_NE(Gun.GunPcNext, nullptr);
    EXPECT_FALSE(Gun.GunPc->state & PCS_GUN_NEXT);
    Piece* thrown = Gun.GunPc;
    Piece* next = Gun.GunPcNext;
    Gun_RightClick();
    EXPECT_FALSE(thrown->alive);
    EXPECT_EQ(Gun.GunPc, next);
    EXPECT_EQ(Gun.pc_switch_cnt, 2);
    EXPECT_EQ(LevelScore, 90);
    EXPECT_EQ(WinPoints, 60);
    LevelScore = 3;
    Gun_RightClick();
    EXPECT_EQ(LevelScore, 0);
}

TEST_F(GunTest, GunPearlsAreRecolouredOnlyWhenTheirColourLeftANonEmptyBoard) {
    struct Case {
        int gun_color;
        bool empty_board;
        bool recoloured;
    } cases[] = {
        {PC_RED, false, false}, {PC_GREEN, false, true}, {PC_GREEN, true, false}, {PC_JOKER, false, false}};
    for (const Case& c : cases) {
        Piece* p = Piece::Create(c.gun_color, 400, 500, 2, 2);
        if (c.empty_board)
            for (Piece* pc = Paths.pool[0].first_pc; pc; pc = Paths.pool[0].first_pc)
                pc->Destroy(0, pc->color, 0, 0);
        Gun_KeepColorValid(p);
        if (c.recoloured) {
            EXPECT_TRUE(p->color == PC_RED || p->color == PC_BLUE);
        } else {
            EXPECT_EQ(p->color, c.gun_color);
        }
        SetUp();
    }
}

TEST_F(GunTest, NewGunPearlsTakeTheColoursOfTheEndZone) {
    Paths.pool[0].pt_end_zone = 0; // every pearl heads for point 1: all in the end zone
    Paths.pool[0].first_pc->Set_Color(PC_GREEN);
    for (Piece* pc = Paths.pool[0].first_pc->pc_next; pc; pc = pc->pc_next)
        pc->pt_crt = 0; // the rest before the end zone
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Gun_ColorFromBoard(), PC_GREEN);
    Paths.pool[0].pt_end_zone = 5;
    EXPECT_EQ(Gun_ColorFromBoard(), -1);
}

TEST_F(GunTest, TurningSoundWaitsThreeHundredMsAndIgnoresTheWrapAtTheLeft) {
    for (int f = 0; f < 20; ++f) // straight up; the sound of that first turn has worn off
        Gun_Update();
    PtrX = 800;
    PtrY = 500; // a big turn
    Gun_Update();
    EXPECT_EQ(Gun.TurnSoundCooldown, 300);
    PtrX = 400;
    PtrY = 0;
    Gun_Update(); // another big turn, inside the 300 ms
    EXPECT_EQ(Gun.TurnSoundCooldown, 284);
    for (int f = 0; f < 20; ++f)
        Gun_Update();
    PtrX = 0;
    PtrY = 499; // just above the gun's left: nearly 180 degrees, then just below
    Gun_Update();
    int after_turn = Gun.TurnSoundCooldown;
    PtrY = 501;
    Gun_Update();
    EXPECT_EQ(Gun.TurnSoundCooldown, after_turn - 16);
}

TEST_F(GunTest, AimRayStopsAtThePearlAndIsOffWithTheGuideToggled) {
    const Piece* target = Paths.pool[0].first_pc;
    PtrX = static_cast<int>(target->x);
    PtrY = static_cast<int>(target->y);
    Gun_Update();
    ASSERT_EQ(Gun.AimHit, 1);
    double dx = Gun.AimEndX - target->x, dy = Gun.AimEndY - target->y;
    EXPECT_NEAR(std::sqrt(dx * dx + dy * dy), 28, 1.5);
    Gun_ToggleGuide();
    Gun_Update();
    EXPECT_EQ(Gun.AimHit, 0);
}
