#include <gtest/gtest.h>
#include "tests/shooting_test_support.h"

namespace {
class MatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Shooting_Test_Reset();
        ASSERT_NE(Shooting_Track(), nullptr);
    }
};

constexpr int R = PC_RED, B = PC_BLUE, J = PC_JOKER, G = PC_GREEN;
} // namespace

TEST_F(MatchTest, JokersMatchAnyColourAndJoinRunsOnBothSides) {
    struct Case {
        std::vector<int> row; // front first
        int start;            // index of the pearl the check starts at
        int removed;
    } cases[] = {
        {{R, R, J, R}, 3, 4},       // red red joker red
        {{R, R, J, B, B}, 2, 5},    // a joker between a red and a blue run joins both
        {{G, R, J, B, B, G}, 1, 2}, // a red start takes the joker but not the blue beyond it
        {{R, J, B, B, G}, 0, 2},    // likewise from the other end: too few
        {{R, R, B, R}, 3, 0},
    };
    for (const Case& c : cases) {
        SetUp();
        std::vector<Piece*> row = Row(c.row, 500);
        int got = Check_Match(row[c.start], 1, 1);
        int left = 0;
        for (Piece* pc : row)
            left += On_Track(pc);
        EXPECT_EQ(got, c.removed >= 3 ? 1 : 0) << c.start;
        EXPECT_EQ(static_cast<int>(c.row.size()) - left, c.removed >= 3 ? c.removed : 0) << c.start;
        if (c.removed < 3 && c.removed > 0) {
            EXPECT_EQ(Match.count, c.removed);
        }
    }
}

TEST_F(MatchTest, PearlsAcrossAGapDoNotMatch) {
    std::vector<Piece*> front = Row({R, R}, 500);
    Piece* behind = Add_Pearl(R, 400);
    Paths.pool[0].Compute_Segments();
    ASSERT_NE(front[1]->segm_id, behind->segm_id);
    EXPECT_EQ(Check_Match(behind, 1, 1), 0);
    EXPECT_EQ(Check_Match(front[0], 1, 1), 0);
    EXPECT_TRUE(On_Track(front[0]) && On_Track(front[1]) && On_Track(behind));
}

TEST_F(MatchTest, FiveSetExplodesTwoHundredThirtyMsApartWithFiveHalosEach) {
    std::vector<Piece*> row = Row({G, R, R, R, R, R, G}, 500);
    std::vector<float> xs;
    for (int i = 1; i <= 5; ++i)
        xs.push_back(row[i]->x);
    ASSERT_EQ(Check_Match(row[1], 1, 1), 1);
    EXPECT_EQ(LongestSet, 5);
    EXPECT_EQ(LevelScore, 50); // scored as a chain step
    ASSERT_EQ(g_shoot.halos.size(), 25u);
    for (int i = 0; i < 5; ++i) { // collection order: the start pearl, then the ones behind it
        std::vector<int> delays;
        for (const Halo_Call& h : g_shoot.halos)
            if (h.x == xs[i]) delays.push_back(h.delay);
        int d = 230 * i;
        EXPECT_EQ(delays, (std::vector<int>{d, d + 300, d + 600, d + 900, d + 1200})) << i;
    }
}

TEST_F(MatchTest, MatchedPearlWithTheChainModifierStaysOnTheTrack) {
    std::vector<Piece*> row = Row({R, R, R}, 500);
    row[1]->Set_Modifier(6);
    ASSERT_NE(row[1]->mod0, nullptr);
    ASSERT_EQ(Check_Match(row[0], 1, 1), 1);
    EXPECT_FALSE(On_Track(row[0]));
    EXPECT_TRUE(On_Track(row[1]));
    EXPECT_EQ(row[1]->mod0, nullptr);
    EXPECT_FALSE(On_Track(row[2]));
}

TEST_F(MatchTest, JoinOfMatchingColoursRemovesTheSetAsACombo) {
    Row({B, R, R}, 560); // front part, falls back toward the rest
    Add_Pearl(R, 440);
    Add_Pearl(B, 412);
    for (int f = 0; f < 200 && LevelScore == 0; ++f)
        Chain_Sim_Frame();
    EXPECT_EQ(ScoreComboCnt, 1);
    EXPECT_EQ(LevelScore, 30);
    int colours[2], n = 0;
    for (Piece* pc = Paths.pool[0].first_pc; pc; pc = pc->pc_next)
        colours[n < 2 ? n : 1] = pc->color, ++n;
    EXPECT_EQ(n, 2);
    EXPECT_EQ(colours[0], B);
    EXPECT_EQ(colours[1], B);
}
