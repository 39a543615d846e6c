// Every dialog of the game, opened over the screen it belongs to on the booted game, draws
// itself over that screen. With ORBIVALE_SHOTS_DIR set, each frame is also written there as
// <name>.png (scripts/shots-dialogs.sh), with two frames of the main menu to show its motion.
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>
#include <vector>
#include "engine/gfx.h"
#include "gui/modal.h"
#include "gui/msg_boxes.h"
#include "gui/picture_dialogs.h"
#include "play/level_state.h"
#include "play/treasures.h"
#include "shell/app_state.h"
#include "shell/screen.h"
#include "tests/harness.h"

namespace {
enum Where { MENU, MAP, LEVEL };

struct Shot {
    const char* name;
    Where over;
    void (*open)();
    int frames; // frames it runs before the picture is taken
};

const Shot kShots[] = {
    {"quit", MENU, Dlg_OpenQuit, 2},
    {"welcome", MENU, Dlg_OpenWelcome, 2},
    {"hints_toggled", MENU, Dlg_OpenHintsToggled, 2},
    {"help_page_1", MENU, [] { Dlg_OpenHelp(0, 0); }, 2},
    {"help_page_2", MENU, [] { Dlg_OpenHelp(1, 0); }, 2},
    {"city_water", MAP, [] { Dlg_OpenCity(0); }, 2},
    {"city_ice", MAP, [] { Dlg_OpenCity(1); }, 2},
    {"city_fire", MAP, [] { Dlg_OpenCity(2); }, 2},
    {"city_precious", MAP, [] { Dlg_OpenCity(3); }, 2},
    {"route_hint", MAP, [] { Dlg_OpenRouteHint(300, 200); }, 2},
    {"treasure", MAP, [] { Dlg_OpenTreasure(2); }, 2},
    {"victory", MAP, Dlg_OpenVictory, 40},
    {"ready", LEVEL, Dlg_OpenReady, 2},
    {"trade", LEVEL, Dlg_OpenTrade, 2},
    {"level_complete", LEVEL, Dlg_OpenLevelComplete, 2},
    {"last_life", LEVEL, Dlg_OpenLastLife, 2},
    {"try_again", LEVEL, Dlg_OpenTryAgain, 2},
    {"in_game_menu", LEVEL, Dlg_OpenInGameMenu, 2},
};

// Share of the screen's pixels that differ between two frames.
double Changed(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    size_t n = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        n += a[i] != b[i];
    return a.empty() ? 0 : static_cast<double>(n) / a.size();
}

void Save(const char* dir, const std::string& name, const std::vector<uint32_t>& px) {
    if (!dir) return;
    EXPECT_TRUE(Gfx_WritePng(std::string(dir) + "/" + name + ".png", px.data(), 800, 600)) << name;
}

// Puts the screen a dialog belongs to up, with no dialog open.
void Go(Harness& h, Where w) {
    Modal_Close();
    if (w == LEVEL) {
        h.StartLevel(1);
        h.Run(1);
        Modal_Close();
        Paused = 0;
        h.Run(90); // the pearls roll in
    } else if (ScreenState != (w == MAP ? 2 : 0)) {
        Screen_Set(w == MAP ? 2 : 0);
        h.Run(1);
        Modal_Close();
    }
    h.Run(1);
}
} // namespace

TEST(DialogShots, EveryDialogDrawsOverItsScreen) {
    const char* dir = std::getenv("ORBIVALE_SHOTS_DIR");
    Harness h(4);
    ASSERT_TRUE(h.booted);
    Modal_Close();
    h.Run(30);
    std::vector<uint32_t> menu_a = h.Screen();
    h.Run(30);
    std::vector<uint32_t> menu_b = h.Screen();
    EXPECT_GT(Changed(menu_a, menu_b), 0.001) << "the main menu moves";
    Save(dir, "main_menu_a", menu_a);
    Save(dir, "main_menu_b", menu_b);
    Treasure_Award(0);
    Treasure_Award(2);
    Treasure_Award(3);
    for (const Shot& s : kShots) {
        SCOPED_TRACE(s.name);
        Go(h, s.over);
        Lives = 3;
        std::vector<uint32_t> below = h.Screen();
        s.open();
        h.Run(s.frames);
        ASSERT_EQ(Modal_Active(), 1);
        std::vector<uint32_t> px = h.Screen();
        EXPECT_GT(Changed(below, px), 0.05) << "the dialog shows";
        Save(dir, s.name, px);
    }
}
