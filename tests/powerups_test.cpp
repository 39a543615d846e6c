#include <gtest/gtest.h>
#include <filesystem>
#include <stdlib.h>
#include "play/flame_orb.h"
#include "play/hammer.h"
#include "play/items.h"
#include "play/pc_mod_actions.h"
#include "play/powerups.h"
#include "play/score.h"
#include "play/target_removal.h"
#include "play/treasures.h"
#include "shell/paths.h"
#include "shell/players.h"
#include "tests/shooting_test_support.h"

namespace {
constexpr int R = PC_RED, B = PC_BLUE, P = PC_PUSHER;

class PowerUpsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Shooting_Test_Reset();
        ASSERT_NE(Shooting_Track(), nullptr);
        PowerUps_Init();
        PowerUps_InstallHooks();
        PcMod_Reset();
        Hammer_Reset();
        Items_Reset();
        NoCoins = NoHammer = 0;
        ArtPosCount = 0;
        WinPoints = WinPointsStart = 10000;
    }
    // Runs the delayed removals of smashes and detonations to their end.
    void Finish_Removals() {
        for (int i = 0; i < 200 && Target_Removal_Pending() > 0; ++i)
            Target_Removal_Update();
    }
};

int On_Board(const std::vector<Piece*>& row) {
    int n = 0;
    for (Piece* pc : row)
        n += On_Track(pc);
    return n;
}

int Count_Color(int c) {
    int n = 0;
    for (Piece* pc = Pieces.list_first; pc; pc = pc->list_next)
        n += pc->color == c;
    return n;
}
} // namespace

// Front: a matched red triple whose middle pearl carries the kind; behind it a gap-free blue run.
TEST_F(PowerUpsTest, EachKindDoesItsPartWhenMatchedAndNothingWhenDestroyed) {
    struct Case {
        int kind;
        int* timer; // the timer the kind sets, or null
        int value;
    } cases[] = {
        {0, &PcModPrecisionCnt, 20000},
        {1, &PcModReverseCnt, 2500},
        {2, nullptr, 0},
        {3, &PcModPauseCnt, 5000},
        {4, nullptr, 0},
        {5, &PcModFireballCnt, 1},
        {6, nullptr, 0},
        {7, &PcModScore2xCnt, 15000},
        {8, &PcModScore3xCnt, 10000},
        {9, nullptr, 0},
    };
    for (const Case& c : cases) {
        for (int matched = 0; matched < 2; ++matched) {
            SetUp();
            std::vector<Piece*> row = Row({R, R, R, B, B, B, B, B, B, B, B, B, B, P}, 700);
            std::vector<Piece*> blues(row.begin() + 3, row.end() - 1);
            row[1]->Set_Modifier(c.kind);
            ASSERT_NE(row[1]->mod0, nullptr);
            if (matched) {
                ASSERT_EQ(Check_Match(row[0], 1, 1), 1);
            } else {
                row[1]->Destroy(0, R, 0, 0);
            }
            Finish_Removals();
            std::string what = "kind " + std::to_string(c.kind) + (matched ? " matched" : " destroyed");
            if (c.timer) {
                EXPECT_EQ(*c.timer, matched ? c.value : 0) << what;
            }
            EXPECT_EQ(PowerUps_Stats.mods_fired, matched) << what;
            int blues_left = On_Board(blues);
            switch (c.kind) {
            case 2: // 7..11 picks among 11 pearls, repeats allowed: some go, the pusher stays
                EXPECT_EQ(blues_left < 10, matched == 1) << what;
                EXPECT_TRUE(On_Track(row.back())) << what;
                break;
            case 4:
                EXPECT_EQ(FlameOrbActive, matched) << what;
                EXPECT_EQ(Count_Color(PC_FLAME_ORB), matched) << what;
                break;
            case 6: // the chained pearl stays without its chain either way
                EXPECT_EQ(On_Track(row[1]), matched == 1) << what;
                break;
            case 9: // pearls closer than 84 units to the bomb go: the red behind it and one blue
                EXPECT_EQ(blues_left, matched ? 9 : 10) << what;
                EXPECT_EQ(On_Track(row[2]), matched == 0) << what;
                break;
            default:
                EXPECT_EQ(blues_left, 10) << what;
            }
        }
    }
    // Points per pearl under the score timers.
    PcModScore2xCnt = 1;
    EXPECT_EQ(Score_Points(1), 20);
    PcModScore3xCnt = 1;
    EXPECT_EQ(Score_Points(1), 30);
}

TEST_F(PowerUpsTest, AModifierPearlSinkingIntoTheHoleFiresNothing) {
    Relaxed_Mode = 1;
    Piece* pc = Add_Pearl(R, 790);
    pc->Set_Modifier(0);
    for (int i = 0; i < 200 && pc->alive; ++i) {
        Pieces_Pre_Frame();
        pc->spd = pc->spd_target = 300;
        Paths_Compute_Segments();
        Paths_Move();
    }
    EXPECT_FALSE(pc->alive);
    EXPECT_EQ(PcModPrecisionCnt, 0);
    EXPECT_EQ(PowerUps_Stats.mods_fired, 0);
}

TEST_F(PowerUpsTest, FlameOrbBurnsSevenPearlsOrStopsBeforeAPusher) {
    struct Case {
        int reds; // pearls ahead of the pusher
        int left; // chain pearls left afterwards
    } cases[] = {{10, 4}, {4, 1}};
    for (const Case& c : cases) {
        SetUp();
        std::vector<int> colors(c.reds, R);
        colors.push_back(P);
        std::vector<Piece*> row = Row(colors, 760);
        Piece* orb = FlameOrb_Launch(&Paths.pool[0]);
        ASSERT_NE(orb, nullptr);
        int id = orb->id;
        PcModPauseCnt = -1; // the chain stands still
        for (int i = 0; i < 400 && orb->alive && orb->id == id; ++i)
            Shots_Update();
        EXPECT_FALSE(orb->alive && orb->id == id) << c.reds;
        EXPECT_EQ(On_Board(row), c.left) << c.reds;
        EXPECT_TRUE(On_Track(row.back())) << c.reds; // the pusher stays
    }
}

TEST_F(PowerUpsTest, HammerLevelsFollowTheChargeAndTheRing) {
    struct Case {
        int points, state, level;
        int ring_full; // ring segments at alpha 1
    } cases[] = {{0, 0, 0, 0},   {299, 0, 0, 0},  {300, 1, 0, 0}, {600, 1, 0, 4},
                 {900, 1, 1, 0}, {2399, 1, 1, 7}, {2400, 1, 2, 0}};
    for (const Case& c : cases) {
        Hammer_Reset();
        HammerScore = c.points;
        Hammer_Update();
        EXPECT_EQ(HammerState, c.state) << c.points;
        EXPECT_EQ(HammerLevel, c.level) << c.points;
        int full = 0;
        for (const HammerFill& f : HammerFills)
            full += f.alpha == 1;
        EXPECT_EQ(full, c.ring_full) << c.points;
    }
    NoHammer = 1;
    Hammer_Reset();
    HammerScore = 5000;
    Hammer_Update();
    EXPECT_EQ(HammerState, 0);
}

TEST_F(PowerUpsTest, SmashesRemoveOnePearlFivePearlsOrAColour) {
    struct Case {
        int points;
        std::vector<int> row;
        int target;
        int left;
    } cases[] = {
        {300, {R, B, R, B, R, B, R}, 3, 6},
        {900, {R, B, R, B, R, B, R}, 3, 2},
        {900, {R, B, P, B, R, B, R}, 3, 4}, // stops at the pusher on that side
        {2400, {R, B, R, B, R, B, R}, 2, 3},
    };
    for (const Case& c : cases) {
        SetUp();
        std::vector<Piece*> row = Row(c.row, 600);
        HammerScore = c.points;
        Hammer_Update();
        Hammer_ButtonClicked();
        ASSERT_EQ(HammerState, 2);
        Pieces_Pre_Frame();
        PtrX = static_cast<int>(row[c.target]->x);
        PtrY = static_cast<int>(row[c.target]->y);
        LeftReleased = 1;
        Hammer_Input();
        EXPECT_EQ(LeftReleased, 0);
        Finish_Removals();
        EXPECT_EQ(On_Board(row), c.left) << c.points;
        EXPECT_EQ(HammerScore, 0);
        Hammer_Update();
        EXPECT_EQ(HammerState, 0);
    }
    // An armed hammer over an empty board spends nothing at level 0 and breaks nothing.
    SetUp();
    HammerScore = 300;
    Hammer_Update();
    Hammer_ButtonClicked();
    LeftReleased = 1;
    Hammer_Input();
    EXPECT_EQ(HammerScore, 300);
}

TEST_F(PowerUpsTest, ShotCollectsAGrownItemWithItsPointsAndIsDestroyed) {
    struct Case {
        int kind;
        int gauge_drop; // points the gauge loses
    } cases[] = {{0, 0}, {4, 100}};
    for (const Case& c : cases) {
        SetUp();
        Item* it = Item_Create(c.kind, 400, 100);
        ASSERT_NE(it, nullptr);
        Piece* shot = Shot_At(R, 400, 130, 270);
        shot->Move_Free(); // still growing: not collected
        EXPECT_EQ(Items.count, 1);
        for (int i = 0; i < 100 && Items.list[0].state == 0; ++i)
            Items_Update();
        shot->x = 400;
        shot->y = 130;
        shot->Move_Free();
        EXPECT_EQ(Items.count, 0) << c.kind;
        EXPECT_FALSE(shot->alive) << c.kind;
        EXPECT_EQ(LevelScore, ItemInfos[c.kind].score) << c.kind;
        EXPECT_EQ(WinPointsStart - WinPoints, c.gauge_drop) << c.kind;
        EXPECT_EQ(PowerUps_Stats.items_shot, 1);
    }
}

TEST_F(PowerUpsTest, NoCoinsLevelsMakeNoCoinsButArtefactsStillCome) {
    NoCoins = 1;
    EXPECT_EQ(Item_Create(2, 100, 100), nullptr);
    EXPECT_NE(Item_Create(5, 100, 100), nullptr);
    Items_Reset();
    ArtPositions[0] = ArtPos{300, 200};
    ArtPosCount = 1;
    for (int t = 0; t <= ARTEFACT_WAIT_MS; t += 16)
        Items_Update();
    ASSERT_EQ(Items.count, 1);
    EXPECT_EQ(Items.list[0].item_type, 1);
    EXPECT_EQ(Items.list[0].x, 300);
    Items_Reset();
    ArtPosCount = 0;
    for (int t = 0; t <= 2 * ARTEFACT_WAIT_MS; t += 16)
        Items_Update();
    EXPECT_EQ(Items.count, 0);
}

TEST(TreasureTest, ATreasureStaysCountedAfterThePlayersFileIsReadAgain) {
    char tmpl[] = "/tmp/orbivale_tr_XXXXXX";
    std::string dir = mkdtemp(tmpl);
    Paths_SetSaveDir(dir);
    Players_Reset();
    Players_Load();
    CurrentPlayer = 2;
    Treasure_Award(3);
    Treasure_Award(7); // no such treasure
    EXPECT_EQ(Treasures_Count(), 1);
    Players_Reset();
    CurrentPlayer = 2;
    EXPECT_EQ(Treasures_Count(), 0);
    Players_Load();
    EXPECT_TRUE(Treasure_Owned(3));
    EXPECT_EQ(Treasures_Count(), 1);
    CurrentPlayer = 0;
    EXPECT_EQ(Treasures_Count(), 0);
    std::filesystem::remove_all(dir);
}
