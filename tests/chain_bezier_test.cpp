#include <gtest/gtest.h>
#include "tests/chain_test_support.h"

namespace {
Bz_Samples& Straight120() {
    static Bz_Samples* tab = [] {
        auto* t = new Bz_Samples;
        Bz_Sample_Segment(*t, 0, 0, 40, 0, 80, 0, 120, 0);
        return t;
    }();
    return *tab;
}
} // namespace

TEST(BezierTest, StraightSegmentHasItsLengthAndFindTHalfwayIsOneHalf) {
    const Bz_Samples& tab = Straight120();
    EXPECT_NEAR(tab.Length(), 120.0, 1e-3);
    EXPECT_EQ(tab.t[0], 0.0);
    EXPECT_NEAR(tab.x[BZ_SAMPLES - 1], 120.0f, 1e-3);
    EXPECT_NEAR(FindT(tab, 0, 60), 0.5, 1e-3);
    EXPECT_NEAR(FindT(tab, 0.75, -30), 0.5, 1e-3);
}

TEST(BezierTest, FindTWithZeroOffsetKeepsTheArcLength) {
    const Bz_Samples& tab = Straight120();
    double t = FindT(tab, 0.4, 0);
    EXPECT_NEAR(tab.dist_tot[Sample_Index(t)], tab.dist_tot[Sample_Index(0.4)],
                0.05); // within the quantisation
}

TEST(BezierTest, ZeroLengthSegmentKeepsEverySearchInsideTheTable) {
    Bz_Samples tab;
    Bz_Sample_Segment(tab, 50, 50, 50, 50, 50, 50, 50, 50);
    EXPECT_EQ(tab.Length(), 0.0);
    for (double dd : {-5.0, 0.0, 5.0}) {
        double t = FindT(tab, 0.5, dd);
        EXPECT_GE(t, 0.0);
        EXPECT_LE(t, 1.0);
    }
    EXPECT_GE(FindT(tab, 1.0, 10), 0.0);
}

class TrackPosTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Chain_Test_Reset();
        // Three straight segments of 100 along y = 300.
        ASSERT_EQ(
            Parse_Text("PATH PT COORD=0,300,8 BZ2=33,300 ENDPT PT COORD=100,300,8 BZ1=66,300 BZ2=133,300 "
                       "ENDPT PT COORD=200,300,8 BZ1=166,300 BZ2=233,300 ENDPT PT COORD=300,300,8 "
                       "BZ1=266,300 ENDPT BURST BALLS=3 ENDBURST ENDPATH\r\n\r\n"),
            1);
        path = &Paths.pool[0];
    }
    Path* path = nullptr;
};

TEST_F(TrackPosTest, MovesPastEitherEndStopAtTheEnd) {
    struct Case {
        bool forward;
        int seg;
        double t, dist;
        int want_seg;
        double want_t;
        int want_result;
    } cases[] = {
        {true, 0, 0.5, 120, 1, 0.7, 0},   // crosses one point
        {true, 1, 0.2, 5000, 2, 1.0, 0},  // past the hole: last segment, t = 1
        {false, 2, 0.5, 120, 1, 0.3, 0},  // back across one point
        {false, 1, 0.5, 5000, 0, 0.0, 1}, // back past the start
    };
    for (const Case& c : cases) {
        int seg = -1;
        double t = -1;
        int r = c.forward ? path->Compute_New_Pos(c.seg, c.t, c.dist, seg, t)
                          : path->Compute_New_Pos_Back(c.seg, c.t, c.dist, seg, t);
        EXPECT_EQ(r, c.want_result);
        EXPECT_EQ(seg, c.want_seg);
        EXPECT_NEAR(t, c.want_t, 2e-3);
    }
}

TEST_F(TrackPosTest, DistanceAlongTheTrackIsSignedTowardTheHole) {
    Piece* a = Add_Pearl(PC_RED, 40);
    Piece* b = Add_Pearl(PC_RED, 70);
    Piece* c = Add_Pearl(PC_RED, 250);
    EXPECT_NEAR(a->Compute_Dist_On_Bezier(b, 0), 30, 0.05);
    EXPECT_NEAR(b->Compute_Dist_On_Bezier(a, 0), -30, 0.05);
    EXPECT_NEAR(a->Compute_Dist_On_Bezier(c, 0), 210, 0.05);
    EXPECT_NEAR(c->Compute_Dist_On_Bezier(a, 1), -210, 0.05);
}
