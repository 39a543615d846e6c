// The high-score table: where a score enters (older entries stay above on ties, a full
// table drops its last entry, a score too low enters nowhere), that every insertion reaches
// the players file, and the dialog's reset and OK.
#include <gtest/gtest.h>
#include <vector>
#include "engine/input.h"
#include "gui/high_scores.h"
#include "gui/later_hooks.h"
#include "gui/modal.h"
#include "gui/msg_boxes.h"
#include "play/level_state.h"
#include "shell/app_state.h"
#include "shell/players.h"
#include "tests/harness.h"

namespace {
void Fill(const std::vector<HS_Slot>& entries) {
    HS_Reset();
    for (size_t i = 0; i < entries.size(); ++i)
        Players.high_scores[i] = entries[i];
}
std::vector<int> Scores() {
    std::vector<int> out;
    for (const HS_Slot& e : Players.high_scores)
        out.push_back(e.score);
    return out;
}
const std::vector<HS_Slot> kFull = {{0, 1000}, {1, 900}, {2, 800}, {3, 700}, {4, 600},
                                    {5, 500},  {6, 400}, {7, 300}, {8, 200}, {9, 100}};

void Press(Harness& h, int key) {
    Input_OnKeyDown(key);
    h.Run(1);
    Input_OnKeyUp(key);
    h.Run(1);
}
} // namespace

TEST(HighScores, ScoresEnterBelowEqualOnesAndPushTheRestDown) {
    struct Case {
        const char* name;
        std::vector<HS_Slot> table;
        int user, score, rank;
        std::vector<int> after; // scores of the ten entries afterwards
    };
    const Case cases[] = {
        {"0 on an empty table", {}, 1, 0, -1, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"first score", {}, 1, 50, 0, {50, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"tie stays below the older entries",
         {{0, 500}, {1, 400}, {2, 300}, {3, 300}, {4, 200}},
         5,
         300,
         4,
         {500, 400, 300, 300, 300, 200, 0, 0, 0, 0}},
        {"best of a full table", kFull, 3, 1500, 0, {1500, 1000, 900, 800, 700, 600, 500, 400, 300, 200}},
        {"last place of a full table", kFull, 3, 150, 9, {1000, 900, 800, 700, 600, 500, 400, 300, 200, 150}},
        {"equal to the last of a full table",
         kFull,
         3,
         100,
         -1,
         {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100}},
        {"too low", kFull, 3, 10, -1, {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100}},
    };
    Harness h(1);
    ASSERT_TRUE(h.booted);
    for (const Case& c : cases) {
        Fill(c.table);
        CurrentPlayer = c.user;
        ASSERT_TRUE(Later.hs_place) << c.name;
        EXPECT_EQ(Later.hs_place(c.score), c.rank) << c.name;
        EXPECT_EQ(Scores(), c.after) << c.name;
        EXPECT_TRUE(c.rank < 0 || Players.high_scores[c.rank].user == c.user) << c.name;
    }
    // Every insertion is written through: the file holds the last table.
    Fill({{2, 42}, {3, 41}, {4, 40}, {5, 39}});
    HS_Insert(2, 7, 40);
    std::vector<int> want = Scores();
    HS_Reset();
    Players_Load();
    EXPECT_EQ(Scores(), want);
    EXPECT_EQ(Players.high_scores[2].user, 7);
    EXPECT_EQ(Players.high_scores[4].user, 5);
}

TEST(HighScores, ResetEmptiesTheTableAndTheDialogKeepsItsHighlight) {
    Harness h(1);
    ASSERT_TRUE(h.booted);
    h.StartLevel(1);
    Modal_Reset();
    Fill(kFull);
    HS_Insert(0, 2, 5000);
    Later.hs_open(0, 1);
    h.Run(3);
    EXPECT_EQ(HS_Highlight(), 0);
    EXPECT_GT(HS_PulseClock(), 0);
    Later.hs_reset();
    Later.hs_reopen();
    h.Run(1);
    EXPECT_EQ(HS_Highlight(), 0);
    for (const HS_Slot& e : Players.high_scores)
        EXPECT_EQ(e.user, -1);
    Players_Load();
    for (const HS_Slot& e : Players.high_scores)
        EXPECT_EQ(e.user, -1) << "the reset reaches the file";
    // From a game over, OK leads on to the try-again box; from the main menu it just closes.
    Press(h, VK_RETURN);
    EXPECT_EQ(Modal_Active(), 1);
    Press(h, VK_RETURN); // the try-again box's "menu"
    EXPECT_EQ(ScreenState, 0);
    Later.hs_open(-1, 0);
    h.Run(1);
    Press(h, VK_ESCAPE);
    EXPECT_EQ(Modal_Active(), 0);
}
