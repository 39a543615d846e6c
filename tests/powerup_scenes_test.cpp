// Every power-up set off on a real level through the whole game (headless): the level goes
// on without trouble and the power-up's state is what it should be. With ORBIVALE_SHOTS_DIR
// set, each scene's frame is also written there as <name>.png (scripts/shots-powerups.sh).
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>
#include "chain/path.h"
#include "chain/piece.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "gui/modal.h"
#include "play/gun.h"
#include "play/hammer.h"
#include "play/items.h"
#include "play/level_state.h"
#include "play/level_values.h"
#include "play/pc_mod_actions.h"
#include "tests/harness.h"

namespace {
constexpr int kLevel = 6;
constexpr int kRollIn = 300; // frames until the chains are on the board

// The n-th pearl from the front of track 0 that is on the screen.
Piece* Pearl(int n) {
    Piece* last = nullptr;
    for (Piece* pc = Paths.pool[0].first_pc; pc; pc = pc->pc_next) {
        if (pc->color > 6 || pc->x < 20 || pc->x > 780 || pc->y < 60 || pc->y > 580) continue;
        last = pc;
        if (n-- == 0) return pc;
    }
    return last;
}

// Fires kind as if the pearl n were matched.
void Fire_Kind(int kind, int n = 4) {
    Piece* pc = Pearl(n);
    ASSERT_NE(pc, nullptr);
    pc->Set_Modifier(kind);
    pc->Remove_By_Set(0);
}

void Click(int x, int y) {
    Input_OnMouseMove(x, y);
    Input_OnMouseButton(1, true);
}

struct Scene {
    const char* name;
    void (*start)(Harness& h);
    int frames; // frames run after the start
    bool (*ok)();
};

const Scene kScenes[] = {
    {"precision_beam", [](Harness&) { Fire_Kind(0); }, 20, [] { return PcModPrecisionCnt > 0; }},
    {"freeze", [](Harness&) { Fire_Kind(3); }, 20, [] { return PcModPauseCnt > 0; }},
    {"rollback", [](Harness&) { Fire_Kind(1); }, 40, [] { return PcModReverseCnt > 0; }},
    {"flame_orb", [](Harness&) { Fire_Kind(4, 8); }, 50,
     [] {
         for (Piece* pc = Pieces.list_first; pc; pc = pc->list_next)
             if (pc->color == PC_FLAME_ORB) return true;
         return PowerUps_Stats.mods_fired >= 1;
     }},
    {"fireball",
     [](Harness& h) {
         Fire_Kind(5);
         h.Run(30);
         Piece* pc = Pearl(2);
         Click(static_cast<int>(pc->x), static_cast<int>(pc->y));
     },
     12, [] { return PcModFireballCnt == 0; }},
    {"area_bomb", [](Harness&) { Fire_Kind(9, 6); }, 6, [] { return PowerUps_Stats.mods_fired >= 1; }},
    {"chain",
     [](Harness&) {
         for (int n = 1; n < 12; n += 3)
             Pearl(n)->Set_Modifier(6);
     },
     2, [] { return Pearl(1)->mod0 != nullptr; }},
    {"double_score", [](Harness&) { Fire_Kind(7); }, 20, [] { return PcModScore2xCnt > 0; }},
    {"hammer_smash",
     [](Harness& h) {
         HammerScore = 900;
         h.Run(2);
         int x = HAMMER_ICON_X + Hammers[1].off_x + Hammers[1].img_dx / 2;
         int y = HAMMER_ICON_Y + Hammers[1].off_y + Hammers[1].img_dy / 2;
         Click(x, y);
         h.Run(1);
         Input_OnMouseButton(1, false);
         h.Run(1);
         Piece* pc = Pearl(5);
         Click(static_cast<int>(pc->x), static_cast<int>(pc->y));
         h.Run(1);
         Input_OnMouseButton(1, false);
     },
     20, [] { return PowerUps_Stats.smashes == 1; }},
    {"coin_hit",
     [](Harness& h) {
         NoCoins = 0; // the scene shows a coin on a level that has none of its own
         Item_Create(1, static_cast<float>(GunX + 90), static_cast<float>(GunY - 60));
         Input_OnMouseMove(GunX + 180, GunY - 120);
         h.Run(60); // the coin grows while the gun turns toward it
         Click(GunX + 180, GunY - 120);
     },
     10, [] { return PowerUps_Stats.items_shot == 1; }},
};
} // namespace

TEST(PowerUpScenes, EveryPowerUpPlaysOnARealLevel) {
    const char* dir = std::getenv("ORBIVALE_SHOTS_DIR");
    Harness h(11);
    ASSERT_TRUE(h.booted);
    for (const Scene& s : kScenes) {
        h.StartLevel(kLevel);
        Modal_Reset();
        Paused = 0;
        h.Run(kRollIn);
        ASSERT_NE(Pearl(12), nullptr) << s.name;
        s.start(h);
        h.Run(s.frames);
        Input_OnMouseButton(1, false);
        EXPECT_TRUE(s.ok()) << s.name;
        EXPECT_EQ(Losing, 0) << s.name;
        if (dir) {
            std::vector<uint32_t> px = h.Screen();
            EXPECT_TRUE(Gfx_WritePng(std::string(dir) + "/" + s.name + ".png", px.data(), 800, 600))
                << s.name;
        }
    }
}
