#include <gtest/gtest.h>
#include <map>
#include <utility>
#include "tests/chain_test_support.h"

namespace {
class GenerateTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Chain_Test_Reset();
        for (int c = 0; c < 6; ++c)
            Color_Add(c, 100);
    }
    Path& Load(const std::string& bursts, int spd = 300) {
        EXPECT_EQ(Parse_Text(Straight_Track(4000, spd, bursts)), 1);
        return Paths.pool[Paths.count - 1];
    }
    // One frame without the pusher check, so every generated pearl stays to be looked at.
    void Frame() {
        Pieces_Pre_Frame();
        for (int i = 0; i < Paths.count; ++i)
            Paths.pool[i].Generate_Piece();
        Paths_Compute_Segments();
        Paths_Move();
    }
    // Generates one pearl on an otherwise empty board and returns its colour and modifier kind.
    std::pair<int, int> One_Pearl(Path& path) {
        int before = Pieces.next_piece_id;
        path.Generate_Piece();
        if (Pieces.next_piece_id == before) return {-1, -1};
        Piece* pc = path.last_pc;
        std::pair<int, int> r{pc->color, pc->mod0_id};
        pc->Destroy_Basic();
        return r;
    }
};
} // namespace

TEST_F(GenerateTest, WavesEndWithAPusherAndTheLastWaveRepeats) {
    Load("BURST BALLS=21 DELAY=500 ENDBURST BURST BALLS=1 DELAY=200 ENDBURST BURST BALLS=4 DELAY=100 "
         "ENDBURST");
    std::map<int, std::pair<int, int>> seen; // id -> colour, burst
    for (int f = 0; f < 600; ++f) {
        Frame();
        for (Piece* pc = Pieces.list_first; pc; pc = pc->list_next)
            seen[pc->id] = {pc->color, pc->burst_id};
    }
    ASSERT_GE(seen.size(), 34u);
    for (int id = 0; id < 20; ++id)
        EXPECT_LT(seen[id].first, 6) << id;
    EXPECT_EQ(seen[20], std::make_pair(int(PC_PUSHER), 0));
    EXPECT_EQ(seen[21], std::make_pair(int(PC_PUSHER), 1)); // a one-pearl wave is a lone pusher
    for (int wave = 0; wave < 3; ++wave) {
        int first = 22 + 4 * wave;
        for (int id = first; id < first + 3; ++id)
            EXPECT_EQ(seen[id].second, 2 + wave) << id;
        EXPECT_EQ(seen[first + 3], std::make_pair(int(PC_PUSHER), 2 + wave));
    }
}

TEST_F(GenerateTest, PearlsOfAWaveStartOneContactBehindTheOneAhead) {
    Load("BURST BALLS=5 ENDBURST");
    for (int f = 0; f < 60; ++f)
        Frame();
    Path& p = Paths.pool[0];
    ASSERT_EQ(p.bursts_count, 1);
    for (Piece* pc = p.first_pc; pc && pc->pc_next; pc = pc->pc_next) {
        if (pc->burst_id == pc->pc_next->burst_id) {
            EXPECT_NEAR(pc->pc_next->Compute_Dist_On_Bezier(pc, 0), 28, 0.7); // two samples of 1/3 unit
        }
    }
}

TEST_F(GenerateTest, MinPiecesEndsTheWaitEarly) {
    for (int min_pieces : {5, 0}) {
        SetUp();
        Path& p = Load("BURST BALLS=6 DELAY=100000 MIN_PIECES=" + std::to_string(min_pieces) +
                       " ENDBURST BURST BALLS=3 ENDBURST");
        for (int f = 0; f < 1000 && p.burst_id == 0; ++f)
            Frame();
        for (int f = 0; f < 10; ++f)
            Frame(); // the pusher rolls clear of the start
        EXPECT_GT(p.burst_delay_cnt, 90000);
        p.first_pc->Destroy_Basic(); // five of the wave left
        int created = Pieces.next_piece_id;
        Frame();
        EXPECT_EQ(Pieces.next_piece_id, created); // this frame is not ready yet
        Frame();
        if (min_pieces) {
            EXPECT_EQ(Pieces.next_piece_id, created + 1);
            EXPECT_EQ(p.last_pc->burst_id, 1);
        } else {
            EXPECT_EQ(Pieces.next_piece_id, created);
            EXPECT_GT(p.burst_delay_cnt, 90000);
        }
    }
}

TEST_F(GenerateTest, EmptyBoardSkipsTheWaitOfEveryTrack) {
    Path& a = Load("BURST BALLS=2 DELAY=100000 ENDBURST");
    Path& b = Load("BURST BALLS=2 DELAY=100000 ENDBURST");
    for (int f = 0; f < 40; ++f)
        Frame();
    ASSERT_GT(a.burst_delay_cnt, 0);
    ASSERT_GT(b.burst_delay_cnt, 0);
    while (Pieces.list_first)
        Pieces.list_first->Destroy_Basic();
    PcModPauseCnt = 3000;
    a.Generate_Piece();
    b.Generate_Piece();
    EXPECT_EQ(PcModPauseCnt, 0);
    EXPECT_NE(a.last_pc, nullptr);
    EXPECT_NE(b.last_pc, nullptr);
}

TEST_F(GenerateTest, FullGaugeStopsAtTheNextWaveBoundaryOnly) {
    Path& p = Load("BURST BALLS=4 ENDBURST");
    Frame();
    ASSERT_EQ(Pieces.next_piece_id, 1);
    WinPoints = 0;
    for (int f = 0; f < 200; ++f)
        Frame();
    EXPECT_EQ(Pieces.next_piece_id, 4); // the begun wave is finished
    EXPECT_TRUE(p.states & PATH_STATE_GEN_DONE);
}

TEST_F(GenerateTest, JokerChanceIsBelowTheSetting) {
    Path& p = Load("BURST BALLS=1000000 ENDBURST");
    for (int setting : {5, 1}) {
        JokerOnPath = setting;
        int jokers = 0;
        for (int i = 0; i < 10000; ++i)
            jokers += One_Pearl(p).first == PC_JOKER;
        if (setting == 5) {
            EXPECT_GT(jokers, 300); // 4 %
            EXPECT_LT(jokers, 500);
        } else {
            EXPECT_EQ(jokers, 0);
        }
    }
}

TEST_F(GenerateTest, ModifiersKeepThreePearlsApart) {
    Path& p = Load("BURST BALLS=1000000 ENDBURST");
    PcModTypes[2].percent = 1000;
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(One_Pearl(p).second, i % 4 == 0 ? 2 : -1) << i;
}

TEST_F(GenerateTest, TutorialForcesItsKindOnTheFirstWaveOnly) {
    Path& p = Load("BURST BALLS=6 ENDBURST BURST BALLS=6 ENDBURST");
    PcModForced1 = 3;
    PcModTypes[0].percent = 1000; // skipped on the first wave
    int kinds[12];
    for (int& k : kinds)
        k = One_Pearl(p).second;
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(kinds[i], i == 4 ? 3 : -1) << i; // second-to-last pearl
    EXPECT_EQ(kinds[8], 0); // the second wave uses the level's chances (after the three-pearl gap)
}

TEST_F(GenerateTest, RolledBackPearlsReturnLastOutFirstIn) {
    Path& p = Load("BURST BALLS=10 ENDBURST");
    Piece* a = Add_Pearl(PC_RED, 300);
    Piece* b = Add_Pearl(PC_GREEN, 200);
    Piece* c = Add_Pearl(PC_BLUE, 100);
    for (Piece* pc : {c, b, a})
        Rev_Store(pc);
    EXPECT_EQ(p.first_pc, nullptr);
    PcModReverseCnt = 100;
    p.Generate_Piece();
    EXPECT_EQ(Pieces.rev_count, 3);
    PcModReverseCnt = 0;
    int created = Pieces.next_piece_id;
    for (Piece* want : {a, b, c}) {
        p.Generate_Piece();
        EXPECT_EQ(p.last_pc, want);
        EXPECT_EQ(want->pt_crt, 1);
        EXPECT_EQ(want->bz_dist, 0.0);
    }
    EXPECT_EQ(Pieces.next_piece_id, created);
    EXPECT_EQ(p.first_pc, a);
}
