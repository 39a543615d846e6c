// The level-choose map's route rules over a small catalogue: the next level after a win,
// treasures at pack ends, the way back to the crossroad, the arrows for the open branches,
// the city picture when a pack is entered, and victory after the final level.
#include <gtest/gtest.h>
#include <string>
#include "content/level_catalogue.h"
#include "engine/input.h"
#include "gui/gui_btn.h"
#include "gui/later_hooks.h"
#include "gui/map.h"
#include "gui/modal.h"
#include "play/level_run.h"
#include "play/level_state.h"
#include "play/match.h"
#include "shell/app_state.h"
#include "shell/players.h"
#include "shell/screen.h"
#include "tests/harness.h"

namespace {
// Catalogue index: 0 start, 1 crossroad (onward 2, side A 3-4, side B 5-6), 2 final;
// 4 and 6 end their packs, give treasures 0 and 1 and lead back to the crossroad.
enum { kStart = 0, kCross = 1, kFinal = 2, kA1 = 3, kAEnd = 4, kB1 = 5, kBEnd = 6 };

void Build_Fixture() {
    Catalogue_Reset();
    Catalogue_NewPack(0);
    Level_Add(100, 100, LEVEL_FLAG_SUBPACK, 0);
    LevelInfo* cross = Level_Add(200, 200, LEVEL_FLAG_CROSSROAD, 0);
    Level_Add(300, 300, LEVEL_FLAG_FINAL, 0);
    cross->reveals_level[1] = kA1;
    cross->reveals_level[2] = kB1;
    cross->reveals_count = 3;
    for (int pack = 1; pack <= 2; ++pack) {
        Catalogue_NewPack(pack);
        Level_Add(100 * pack, 400, LEVEL_FLAG_CITY_BEFORE | LEVEL_FLAG_SUBPACK, 0);
        LevelInfo* end = Level_Add(100 * pack + 50, 450, LEVEL_FLAG_PACK_END, LEVEL_GIVES_TREASURE);
        end->goodie = pack - 1;
        end->branch_level = kCross;
        end->reveals_count = 0;
        end->reveals_level[0] = -1;
    }
    LevelsCount = Catalogue.count;
}

int32_t& State(int i) {
    return Players.level_state[CurrentPlayer * kPlayerLevels + i];
}
int32_t& Routes(int i) {
    return Players.route_bits[CurrentPlayer * kPlayerLevels + i];
}
int32_t& Successor(int i) {
    return Players.successor[CurrentPlayer * kPlayerLevels + i];
}
bool Hidden(int level) {
    return Map_Node(level)->states & BTN_HIDDEN;
}
bool Disabled(const GUIBtn* b) {
    return b->states & BTN_DISABLED;
}

struct MapRouteTest : ::testing::Test {
    Harness h{3};
    void SetUp() override {
        ASSERT_TRUE(h.booted);
        Modal_Reset();
        Build_Fixture();
        Map_Load();
        Players_ResetSlot(CurrentPlayer);
    }
    void TearDown() override {
        Modal_Reset();
        Catalogue_Reset();
        Catalogue_Build();
        Map_Load();
    }
    // The level of number `level` (1-based) was just won: the game's own completion step.
    void Win(int level) {
        Screen_Set(1);
        Modal_Reset();
        LevelCrt = level;
        Level_MarkComplete();
    }
    void Click(const GUIBtn* b) {
        int x = (b->hit_x_left + b->hit_x_right) / 2, y = (b->hit_y_top + b->hit_y_bottom) / 2;
        Input_OnMouseMove(x, y);
        h.Run(1);
        Input_OnMouseButton(1, true);
        h.Run(1);
        Input_OnMouseButton(1, false);
        h.Run(1);
    }
};
} // namespace

TEST_F(MapRouteTest, NewPlayerSeesOneSelectedNodeAndNoTreasures) {
    MatchInProgress = 0;
    Screen_Set(2);
    h.Run(1);
    for (int i = 0; i < Catalogue.count; ++i)
        EXPECT_EQ(Hidden(i), i != kStart) << i;
    EXPECT_FALSE(Disabled(Map_Node(kStart)));
    EXPECT_EQ(Map_Selected(), kStart);
    EXPECT_TRUE(Disabled(Map_Button(MAP_BTN_TREASURES)));
    EXPECT_EQ(Map_Reason(), 0);
}

TEST_F(MapRouteTest, AfterAWinTheRouteWalksOn) {
    struct Case {
        const char* name;
        int won;          // level number just won
        int routes;       // branches taken at the crossroad before
        int successor;    // chosen direction at the crossroad before
        int owned;        // treasures owned before
        int selected;     // expected selection
        int arrows;       // arrows offered
        int routes_after; // branches taken at the crossroad after
        int owned_after;
        int modal;    // a dialog is up (treasure, route hint, victory)
        int victory;  // the victory screen opened
    };
    const Case cases[] = {
        {"won level: the next one", kStart + 1, 0, -1, 0, kCross, 0, 0, 0, 0, 0},
        {"crossroad: arrows for the side routes", kCross + 1, 0, -1, 0, kStart, 2, 0, 0, 1, 0},
        {"crossroad with a direction kept", kCross + 1, 0x2, kA1, 0, kA1, 0, 0x2, 0, 0, 0},
        {"stored direction out of the catalogue", kCross + 1, 0, 9999, 0, kStart, 2, 0, 0, 1, 0},
        {"pack end: treasure, the other side route", kAEnd + 1, 0x2, kA1, 0, kB1, 0, 0x6, 0x1, 1, 0},
        {"pack end replayed: no new treasure", kAEnd + 1, 0x2, kA1, 0x1, kB1, 0, 0x6, 0x1, 0, 0},
        {"last side route done: the way onward", kBEnd + 1, 0x6, kB1, 0x1, kFinal, 0, 0x7, 0x3, 1, 0},
        {"final level: victory", kFinal + 1, 0x7, kFinal, 0x3, kFinal, 0, 0x7, 0x3, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Players_ResetSlot(CurrentPlayer);
        Routes(kCross) = c.routes;
        Successor(kCross) = c.successor;
        Players.treasure_bits[CurrentPlayer] = c.owned;
        Map_Load();
        int victories = Map_VictoryCount();
        Win(c.won);
        EXPECT_EQ(ScreenState, 2);
        EXPECT_EQ(Map_Reason(), 1);
        if (!c.victory) {
            EXPECT_EQ(Map_Selected(), c.selected);
        }
        EXPECT_EQ(Map_ArrowsShown(), c.arrows);
        EXPECT_EQ(Routes(kCross), c.routes_after);
        EXPECT_EQ(Players.treasure_bits[CurrentPlayer], c.owned_after);
        EXPECT_EQ(Modal_Active(), c.modal);
        EXPECT_EQ(Map_VictoryCount() - victories, c.victory);
        for (int i = 0; i < Catalogue.count; ++i) // only "start" goes on after a win
            if (i != Map_Selected()) {
                EXPECT_TRUE(Disabled(Map_Node(i))) << "node " << i;
            }
        EXPECT_EQ(Disabled(Map_Button(MAP_BTN_START)), c.arrows > 0 || c.victory);
    }
}

TEST_F(MapRouteTest, ArrowChoosesABranchAndTheCityLeadsIntoIt) {
    Win(kCross + 1);
    ASSERT_EQ(Map_ArrowsShown(), 2);
    EXPECT_TRUE(Hidden(kFinal)); // the way onward waits until the side routes are done
    const GUIBtn* to_b = nullptr;
    for (int id = MAP_ARROW_FIRST; id <= MAP_ARROW_LAST; ++id) {
        const GUIBtn* a = Map_Button(id);
        if (!(a->states & BTN_HIDDEN) && a->custom_data1 == kB1) to_b = a;
    }
    ASSERT_NE(to_b, nullptr);
    Input_OnKeyDown(VK_ESCAPE); // no way back to the menu while the choice is open
    h.Run(1);
    Input_OnKeyUp(VK_ESCAPE);
    EXPECT_EQ(ScreenState, 2);
    Click(to_b);
    EXPECT_EQ(Routes(kCross), 1 << 2);
    EXPECT_EQ(Successor(kCross), kB1);
    EXPECT_EQ(LevelCrt, kB1 + 1);
    EXPECT_TRUE(Hidden(kA1)); // the branch not chosen
    EXPECT_EQ(Modal_Active(), 1); // the city picture
    EXPECT_EQ(ScreenState, 2);
    Input_OnKeyDown(VK_SPACE);
    h.Run(1);
    Input_OnKeyUp(VK_SPACE);
    EXPECT_EQ(ScreenState, 1);
    EXPECT_EQ(LevelCrt, kB1 + 1);
}

TEST_F(MapRouteTest, StartShowsTheCityOnlyWhenAPackIsEntered) {
    struct Case {
        int selected;
        int city;
    } cases[] = {{kCross, 0}, {kA1, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selected);
        Players_ResetSlot(CurrentPlayer);
        State(c.selected) = kLevelOpen;
        Players.last_level[CurrentPlayer] = c.selected;
        MatchInProgress = 0;
        Screen_Set(0);
        Modal_Reset();
        Screen_Set(2);
        h.Run(1);
        ASSERT_EQ(Map_Selected(), c.selected);
        Click(Map_Button(MAP_BTN_START));
        EXPECT_EQ(LevelCrt, c.selected + 1);
        EXPECT_EQ(Lives, MATCH_START_LIVES);
        EXPECT_EQ(ScreenState, c.city ? 2 : 1);
        if (!c.city) continue;
        EXPECT_EQ(Modal_Active(), 1);
        Input_OnKeyDown(VK_SPACE);
        h.Run(1);
        Input_OnKeyUp(VK_SPACE);
        EXPECT_EQ(ScreenState, 1);
    }
}

TEST_F(MapRouteTest, StoredValuesOutsideTheCatalogueAreNeverUsed) {
    Players.last_level[CurrentPlayer] = 1 << 30;
    Successor(kCross) = -77;
    Routes(kCross) = -1;
    MatchInProgress = 0;
    Screen_Set(2);
    h.Run(2);
    EXPECT_EQ(Map_Selected(), kStart);
    Win(1 << 20);
    EXPECT_EQ(ScreenState, 0); // past the last level: the main menu
    MatchInProgress = 1;
    LevelCrt = -3;
    Screen_Set(2);
    h.Run(2);
    EXPECT_EQ(ScreenState, 2);
}
