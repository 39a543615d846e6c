#include <gtest/gtest.h>
#include <cmath>
#include <fstream>
#include <sstream>
#include "tests/shooting_test_support.h"

namespace {
class ShotTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Shooting_Test_Reset();
        path = Shooting_Track();
        ASSERT_NE(path, nullptr);
    }
    Path* path = nullptr;
};
} // namespace

TEST_F(ShotTest, SideChoiceFollowsTheSegmentAndIsForcedAtPushersAndTheHole) {
    struct Case {
        bool falling_back;
        float shot_dx; // shot beside the hit pearl along the track, + toward the hole
        bool pusher, hole_ahead, in_front;
        const char* log; // forced-insertion line, or null
    } cases[] = {
        {false, 10, false, false, true, nullptr},
        {false, -10, false, false, false, nullptr},
        {true, 10, false, false, true, nullptr},
        {true, -10, false, false, false, nullptr},
        {false, -10, true, false, true, "----- INSERT FORCED in front"},
        {true, 10, true, false, true, "----- INSERT FORCED in front"},
        {false, 10, false, true, false, "----- INSERT FORCED behind bc of hole"},
        {true, -10, false, true, false, "----- INSERT FORCED behind bc of hole"},
        {false, 10, true, true, false, "----- INSERT FORCED behind bc of hole"},
    };
    for (const Case& c : cases) {
        SetUp();
        std::vector<Piece*> row = Row({PC_RED, c.pusher ? PC_PUSHER : PC_BLUE}, 428);
        Piece* hit = row[1];
        if (c.hole_ahead) row[0]->state |= PCS_IN_HOLE;
        hit->segm_dir = c.falling_back ? SEGM_BACK : SEGM_FORWARD;
        hit->angle = c.falling_back ? 180 : 0; // a falling-back pearl heads toward the start
        Piece shot;
        shot.x = hit->x + c.shot_dx;
        shot.y = hit->y - 20;
        EXPECT_EQ(Shot_Insert_In_Front(&shot, hit), c.in_front) << c.shot_dx << " " << c.falling_back;
        if (c.log) {
            EXPECT_EQ(Log_Count(c.log), 1) << c.log;
        }
    }
}

TEST_F(ShotTest, NearestOfTwoTouchedPearlsIsHit) {
    Piece* a = Add_Pearl(PC_RED, 400);
    Piece* b = Add_Pearl(PC_BLUE, 380);
    Piece shot;
    shot.x = 392;
    shot.y = 290;
    EXPECT_EQ(Shot_Nearest_Hit(&shot), a);
    shot.x = 388;
    EXPECT_EQ(Shot_Nearest_Hit(&shot), b);
}

TEST_F(ShotTest, ShotFliesEightHundredUnitsASecondAndDoubleUnderPrecision) {
    for (int precision : {0, 20000}) {
        SetUp();
        PcModPrecisionCnt = precision;
        Piece* shot = Shot_At(PC_RED, 100, 100, 0);
        for (int f = 0; f < 10; ++f)
            Shooting_Frame(false);
        EXPECT_NEAR(shot->x - 100, (precision ? 1600 : 800) * 0.16, 0.01);
    }
}

TEST_F(ShotTest, ShotGlidesIntoAPlaceholderThenMatchesOrResetsTheChain) {
    struct Case {
        int color;
        bool match;
    } cases[] = {{PC_RED, true}, {PC_BLUE, false}};
    for (const Case& c : cases) {
        SetUp();
        ScoreChainCnt = 2;
        std::vector<Piece*> row = Row({PC_RED, PC_RED, PC_BLUE, PC_BLUE}, 500);
        Piece* shot = Shot_At(c.color, row[0]->x + 5, 100, 90);
        int hit_frame = -1, gone_frame = -1;
        for (int f = 0; f < 100 && gone_frame < 0; ++f) {
            Shooting_Frame(false);
            if (hit_frame < 0 && shot->move_state == 3) {
                hit_frame = f;
                Piece* d = shot->pc_dummy_insert;
                ASSERT_NE(d, nullptr);
                EXPECT_EQ(d->color, PC_DUMMY);
                EXPECT_TRUE(d->state & PCS_HIDDEN);
                EXPECT_EQ(d->pc_next, row[0]); // in front of the hit pearl
                EXPECT_EQ(Log_Count("----- INSERT in front id = " + std::to_string(shot->id) +
                                    " dummy id = " + std::to_string(d->id)),
                          1);
            }
            if (hit_frame >= 0 && !shot->alive) gone_frame = f;
        }
        ASSERT_GE(hit_frame, 0);
        // 2 radii at 150 units/s: about 0.19 s, twelve frames of 16 ms.
        EXPECT_NEAR(gone_frame - hit_frame, 12, 1);
        if (c.match) {
            EXPECT_FALSE(On_Track(row[0]) || On_Track(row[1]));
            EXPECT_EQ(LevelScore, 30);
            EXPECT_EQ(ScoreChainCnt, 3);
        } else {
            Piece* front = path->first_pc;
            EXPECT_EQ(front->color, PC_BLUE);
            EXPECT_FALSE(front->state & PCS_HIDDEN);
            EXPECT_EQ(front->pc_next, row[0]);
            EXPECT_EQ(ScoreChainCnt, 0);
        }
    }
}

TEST_F(ShotTest, DestroyingAGlidingShotTakesItsPlaceholderAlong) {
    std::vector<Piece*> row = Row({PC_RED, PC_BLUE}, 500);
    Piece* shot = Shot_At(PC_BLUE, row[0]->x + 5, 200, 90);
    for (int f = 0; f < 30 && shot->move_state != 3; ++f)
        Shooting_Frame(false);
    ASSERT_EQ(shot->move_state, 3);
    Piece* d = shot->pc_dummy_insert;
    shot->Destroy(0, shot->color, 0, 0);
    EXPECT_FALSE(d->alive);
    EXPECT_EQ(path->first_pc, row[0]);
}

TEST_F(ShotTest, ScriptedShotsFromTheGunClearAFixtureRow) {
    std::ifstream in(std::string(ORBIVALE_FIXTURES) + "/paths/shot_row.txt", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    SetUp();
    Chain_Reset();
    ASSERT_EQ(Parse_Text(text.str()), 1);
    path = &Paths.pool[0];
    path->states |= PATH_STATE_GEN_DONE;
    std::vector<Piece*> row = Row({PC_BLUE, PC_RED, PC_RED, PC_BLUE}, 520);
    GunX = 400;
    GunY = 500;
    auto shoot = [&](int color, Piece* a, Piece* b) {
        PtrX = static_cast<int>((a->x + b->x) / 2);
        PtrY = static_cast<int>(a->y);
        for (int f = 0; f < 15; ++f) // the gun turns and loads
            Shooting_Frame();
        ASSERT_NE(Gun.GunPc, nullptr);
        Gun.GunPc->Set_Color(color);
        LeftHit = 1;
        Shooting_Frame();
        LeftHit = 0;
        for (int f = 0; f < 150; ++f)
            Shooting_Frame();
    };
    shoot(PC_RED, row[1], row[2]);
    EXPECT_FALSE(On_Track(row[1]) || On_Track(row[2]));
    EXPECT_EQ(LevelScore, 30);
    ASSERT_EQ(path->first_pc, row[0]); // the front blue fell back onto the tail blue
    ASSERT_EQ(row[0]->pc_next, row[3]);
    shoot(PC_BLUE, row[0], row[3]);
    EXPECT_TRUE(Paths_Empty());
    EXPECT_EQ(LevelScore, 60);
    EXPECT_EQ(ScoreChainCnt, 2);
}
