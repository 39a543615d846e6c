#include <gtest/gtest.h>
#include "tests/chain_test_support.h"

namespace {
class ChainMoveTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Chain_Test_Reset();
        ASSERT_EQ(Parse_Text(Straight_Track(800, 0)), 1);
        path = &Paths.pool[0];
        path->states |= PATH_STATE_GEN_DONE; // the tests place their own pearls
    }
    Path* path = nullptr;
};
} // namespace

TEST_F(ChainMoveTest, SmallGapsJoinAndYoungGapsAreToleratedForThirtyTwoFrames) {
    struct Case {
        double gap;
        int tolerated_frames; // frames the gap stays inside one segment (-1: never splits)
    } cases[] = {{0.5, -1}, {1.5, 32}, {2.5, 0}};
    for (const Case& c : cases) {
        SetUp();
        Piece* q = Add_Pearl(PC_RED, 300);
        Piece* p = Add_Pearl(PC_RED, 300 - 28);
        path->Compute_Segments(); // touching: one segment
        Place_At(q, 300 + c.gap);
        int frames = 0;
        for (; frames < 40; ++frames) {
            Pieces_Pre_Frame();
            path->Compute_Segments();
            if (q->segm_id != p->segm_id) break;
        }
        if (c.tolerated_frames < 0) {
            EXPECT_EQ(frames, 40) << c.gap;
        } else {
            EXPECT_EQ(frames, c.tolerated_frames) << c.gap;
            EXPECT_EQ(q->segm_dir, SEGM_BACK);
            EXPECT_TRUE(p->state & PCS_LEADER);
        }
    }
}

TEST_F(ChainMoveTest, GapFallsBackFastOnlyWhenTheFacingColoursCanMatch) {
    struct Case {
        int front, back;
        bool slow;
    } cases[] = {{PC_RED, PC_RED, false},
                 {PC_RED, PC_BLUE, true},
                 {PC_JOKER, PC_BLUE, false},
                 {PC_BLUE, PC_JOKER, false},
                 {PC_GREEN, PC_PUSHER, false}};
    for (const Case& c : cases) {
        SetUp();
        Piece* q = Add_Pearl(c.front, 500);
        Add_Pearl(c.back, 200);
        q->spd = 80;
        Chain_Sim_Frame();
        EXPECT_EQ(bool(q->state & PCS_SLOW), c.slow);
        Chain_Sim_Frame(); // the direction changed: rolling starts again from 0
        EXPECT_NEAR(q->spd, 400 * FrameDt, 1e-3);
        for (int f = 0; f < 100; ++f)
            Chain_Sim_Frame();
        EXPECT_NEAR(q->spd, c.slow ? 25 : 200, 1e-3) << c.front << "/" << c.back;
    }
}

TEST_F(ChainMoveTest, FollowersStayOneContactBehindTheirLeader) {
    ASSERT_EQ(Parse_Text("PATH PT COORD=0,300,8 BZ2=150,100 SPD=150 ENDPT PT COORD=400,300,8 BZ1=250,500 "
                         "BZ2=550,100 ENDPT PT COORD=800,300,8 BZ1=650,500 ENDPT BURST BALLS=3 ENDBURST "
                         "ENDPATH\r\n\r\n"),
              1);
    Paths.pool[1].states |= PATH_STATE_GEN_DONE;
    Piece* pcs[5];
    for (int i = 0; i < 5; ++i) {
        pcs[i] = Piece::Create_OnPath(PC_RED, 0, 300, 1);
        pcs[i]->burst_id = 0;
        Place_At(pcs[i], 400 - 28 * i);
    }
    for (int f = 0; f < 120; ++f)
        Chain_Sim_Frame();
    EXPECT_GT(Arc(pcs[0]), 550);
    for (int i = 0; i + 1 < 5; ++i)
        EXPECT_NEAR(pcs[i + 1]->Compute_Dist_On_Bezier(pcs[i], 0), 28, 0.1) << i;
}

TEST_F(ChainMoveTest, WaveCatchingItsPusherMergesAndRemovesThePusher) {
    Piece* a = Add_Pearl(PC_RED, 400, 0);
    Piece* b = Add_Pearl(PC_BLUE, 372, 0);
    Piece* pusher = Add_Pearl(PC_PUSHER, 344, 0);
    Piece* c = Add_Pearl(PC_GREEN, 330, 1); // overlaps the pusher: the next wave caught up
    int pusher_id = pusher->id;
    Pushers_Update();
    EXPECT_EQ(Id_To_Pc(pusher_id), nullptr);
    EXPECT_EQ(a->burst_id, 1);
    EXPECT_EQ(b->burst_id, 1);
    EXPECT_EQ(b->pc_next, c);
}

TEST_F(ChainMoveTest, PusherWithAGapBehindStaysAndALonePusherGoes) {
    Add_Pearl(PC_RED, 400, 0);
    Piece* kept = Add_Pearl(PC_PUSHER, 372, 0);
    Piece* lone = Add_Pearl(PC_PUSHER, 200, 1);
    Add_Pearl(PC_GREEN, 100, 2);
    int kept_id = kept->id, lone_id = lone->id;
    Pushers_Update();
    EXPECT_NE(Id_To_Pc(kept_id), nullptr);
    EXPECT_EQ(Id_To_Pc(lone_id), nullptr);
}

TEST_F(ChainMoveTest, RollBackSendsTailPearlsIntoTheQueueOnePerFrame) {
    Piece* pcs[3];
    for (int i = 0; i < 3; ++i)
        pcs[i] = Add_Pearl(PC_RED, 70 - 28 * i);
    int stored_after[40] = {};
    for (int f = 0; f < 40; ++f) {
        Pieces_Pre_Frame();
        path->Compute_Segments();
        for (Piece* pc = path->first_pc; pc; pc = pc->pc_next)
            pc->segm_dir = SEGM_BACK; // a roll-back runs
        path->Move_Pieces();
        stored_after[f] = Pieces.rev_count;
        if (f > 0) {
            EXPECT_LE(stored_after[f] - stored_after[f - 1], 1);
        }
    }
    EXPECT_EQ(Pieces.rev_count, 3);
    EXPECT_EQ(path->first_pc, nullptr);
    EXPECT_EQ(Pieces.rev_queue[0], pcs[2]); // the tail left first
}

TEST_F(ChainMoveTest, FrozenBoardMovesOnlyPushedPearls) {
    Piece* q = Add_Pearl(PC_RED, 500);
    Add_Pearl(PC_BLUE, 200);
    double start = Arc(q);
    PcModPauseCnt = -1;
    for (int f = 0; f < 30; ++f)
        Chain_Sim_Frame();
    EXPECT_EQ(Arc(q), start);
}

TEST(ChainDemoTest, FasterWaveCatchesTheSlowerOneAndTheyMerge) {
    Chain_Test_Reset();
    for (int c = 0; c < 6; ++c)
        Color_Add(c, 100);
    Chain_Hooks.Hole_Enter = [](Piece* pc) { pc->Destroy_Basic(); };
    ASSERT_TRUE(Path_File_Parse(ORBIVALE_FIXTURES "/paths/demo_path.txt", Path_File_Context{}));
    ASSERT_EQ(Paths.count, 1);
    bool merged = false;
    for (int f = 0; f < 900 && !merged; ++f) {
        Chain_Sim_Frame();
        for (Piece* pc = Pieces.list_first; pc; pc = pc->list_next)
            merged = merged || (pc->id < 13 && pc->burst_id != 0); // a first-wave pearl joined a later wave
    }
    EXPECT_TRUE(merged);
}
