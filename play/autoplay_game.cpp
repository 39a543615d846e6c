// The whole-game driver: a small state machine over the screens, at a person's pace (a short
// look before each action, a press and a release on separate frames).
#include "play/autoplay_game.h"
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>
#include "engine/input.h"
#include "gui/gui_btn.h"
#include "gui/map.h"
#include "gui/modal.h"
#include "play/level_state.h"
#include "play/match.h"
#include "shell/app_state.h"
#include "shell/screen.h"

namespace {
constexpr int kLookMin = 300, kLookMax = 700; // ms before acting on a screen
constexpr int kPlayX = 635 + 44, kPlayY = 138 + 44; // the main menu's round "Play" button
const char* const kName = "Autoplay";
enum { kIdle, kPress, kRelease };

struct Game_Run {
    bool on = false;
    bool finished = false;
    Autoplay_Config cfg;
    uint64_t rng = 1;
    int wait = 0;
    int click = kIdle;
    int held_key = 0;
    bool named = false;
    int prev_state = -1;
    int prev_losing = 0;
    int victories_seen = 0;
    AutoGame_Totals totals;
    std::vector<int> route; // levels won, in order
    std::chrono::steady_clock::time_point started;
};
Game_Run g;

int Between(int lo, int hi) {
    g.rng ^= g.rng << 13;
    g.rng ^= g.rng >> 7;
    g.rng ^= g.rng << 17;
    return lo + static_cast<int>((g.rng >> 16) % static_cast<uint64_t>(hi - lo + 1));
}

void Say(const std::string& line) {
    std::printf("autoplay: %s\n", line.c_str());
    std::fflush(stdout);
}

void Look() {
    g.wait = Between(kLookMin, kLookMax);
}

void Click_At(int x, int y) {
    Input_OnMouseMove(x, y);
    g.click = kPress;
}
void Click(const GUIBtn* b) {
    Click_At((b->hit_x_left + b->hit_x_right) / 2, (b->hit_y_top + b->hit_y_bottom) / 2);
}
void Key(int code) {
    Input_OnKeyDown(code);
    g.held_key = code;
}

// The hands: a press after the move, a release after the press, a key let go.
bool Hands_Busy() {
    if (g.held_key) {
        Input_OnKeyUp(g.held_key);
        g.held_key = 0;
        Look();
        return true;
    }
    if (g.click == kPress) {
        Input_OnMouseButton(1, true);
        g.click = kRelease;
        return true;
    }
    if (g.click == kRelease) {
        Input_OnMouseButton(1, false);
        g.click = kIdle;
        Look();
        return true;
    }
    return false;
}

void End_Run() {
    g.finished = true;
    QuitRequested = 1;
}

// Outcomes of levels, seen from the level state as it changes.
void Watch() {
    if (ScreenState == 1 && Losing == 1 && g.prev_losing == 0) {
        g.totals.levels += 1;
        bool over = Lives < 1;
        Say("level " + std::to_string(LevelCrt) + " lost, score " + std::to_string(Score) + ", lives " +
            std::to_string(over ? 0 : Lives - 1) + (over ? " - game over" : ""));
        if (over) {
            g.totals.game_overs += 1;
            End_Run();
        }
    }
    if (g.prev_state == 1 && ScreenState == 2 && MatchInProgress == 1) {
        g.totals.levels += 1;
        g.totals.wins += 1;
        g.route.push_back(LevelCrt);
        Say("level " + std::to_string(LevelCrt) + " won, score " + std::to_string(Score) + ", lives " +
            std::to_string(Lives));
    }
    g.prev_losing = ScreenState == 1 ? Losing : 0;
    g.prev_state = ScreenState;
}

void Main_Menu() {
    if (!Modal_Active()) return Click_At(kPlayX, kPlayY);
    if (FirstRun == 1 && !g.named) { // the welcome box asks for a name
        for (const char* c = kName; *c; ++c)
            Input_OnChar(*c);
        g.named = true;
        Look();
        return;
    }
    Key(VK_RETURN); // the name is typed; or the continue box: go on with the saved match
}

void Choose_Arrow() {
    std::vector<GUIBtn*> shown;
    for (int id = MAP_ARROW_FIRST; id <= MAP_ARROW_LAST; ++id) {
        GUIBtn* a = Map_Button(id);
        if (a && !(a->states & BTN_HIDDEN)) shown.push_back(a);
    }
    if (shown.empty()) return;
    GUIBtn* a = shown[Between(0, static_cast<int>(shown.size()) - 1)];
    Say("crossroad after level " + std::to_string(LevelCrt) + ": takes the way to level " +
        std::to_string(a->custom_data1 + 1));
    Click(a);
}

void Level_Map() {
    if (Map_VictoryCount() > g.victories_seen) {
        g.victories_seen = Map_VictoryCount();
        g.totals.victory = 1;
        Say("victory");
        return End_Run();
    }
    if (Map_ArrowsShown() > 0) return Choose_Arrow();
    if (Modal_Active()) return Key(VK_ESCAPE); // treasure or city picture
    GUIBtn* start = Map_Button(MAP_BTN_START);
    if (start && !(start->states & BTN_DISABLED)) Click(start);
}
} // namespace

void AutoGame_Start(const Autoplay_Config& level_player) {
    g = Game_Run{};
    g.on = true;
    g.cfg = level_player;
    g.rng = 0xA0761D6478BD642Full ^ (static_cast<uint64_t>(level_player.seed) * 0x9E3779B97F4A7C15ull);
    if (g.rng == 0) g.rng = 1;
    g.started = std::chrono::steady_clock::now();
    Look();
}

bool AutoGame_Active() {
    return g.on;
}

void AutoGame_AfterFrame() {
    if (!g.on || g.finished) return;
    Watch();
    if (g.finished) return;
    if (ScreenState == 1) {
        if (!Autoplay_Active()) Autoplay_Start(g.cfg);
        Autoplay_AfterFrame();
        return;
    }
    if (Autoplay_Active()) Autoplay_Stop();
    if (Hands_Busy()) return;
    g.wait -= FrameTime >= 1 ? static_cast<int>(FrameTime) : 1;
    if (g.wait > 0) return;
    Look();
    if (ScreenState == 2)
        Level_Map();
    else
        Main_Menu();
}

void AutoGame_Finish() {
    if (!g.on) return;
    g.on = false;
    if (Autoplay_Active()) Autoplay_Stop();
    std::string route;
    for (int level : g.route)
        route += (route.empty() ? "" : " ") + std::to_string(level);
    double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - g.started).count();
    Say("route: " + (route.empty() ? std::string("(none)") : route));
    char line[160];
    std::snprintf(line, sizeof line, "levels played %d, won %d, game overs %d, victory %s, %d frames, %.1f s",
                  g.totals.levels, g.totals.wins, g.totals.game_overs, g.totals.victory ? "yes" : "no",
                  FrameCounter, secs);
    Say(line);
}

const AutoGame_Totals& AutoGame_GetTotals() {
    return g.totals;
}
