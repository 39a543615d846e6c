// The main menu on the booted game: its birds cross the sky and leave, never more than three
// at once, and each of its six buttons, clicked through the script, opens what it names.
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include "engine/input.h"
#include "gui/later_hooks.h"
#include "gui/main_menu.h"
#include "gui/mm_bird.h"
#include "gui/modal.h"
#include "play/level_state.h"
#include "shell/app_state.h"
#include "tests/harness.h"

namespace {
// What the menu asked of the modules that own the other screens.
struct Calls {
    int players = 0, options = 0, scores = 0, highlight = -2, after_ok = -2;
};
Calls g_calls;
int g_saved_match = 0;

void Install_Recorders() {
    g_calls = Calls();
    Later = Later_Hooks();
    Later.open_players = [] { ++g_calls.players; };
    Later.open_options = [] { ++g_calls.options; };
    Later.hs_open = [](int highlight, int after_ok) {
        ++g_calls.scores;
        g_calls.highlight = highlight;
        g_calls.after_ok = after_ok;
    };
    Later.match_exists = [] { return g_saved_match; };
}

// The menu switched to the level-choose map; where the map is still a stand-in it leads
// straight on into the first level.
bool Left_For_The_Map() {
    return ScreenState == 2 || ScreenState == 1;
}

// A script that points at (x, y) and clicks there a few frames later.
std::string Click_At(int x, int y) {
    return "20 mouse_move " + std::to_string(x) + " " + std::to_string(y) + "\n24 click " +
           std::to_string(x) + " " + std::to_string(y) + "\n";
}
} // namespace

TEST(MainMenuTest, ABirdFliesFromOneSideToTheOtherAndIsRemoved) {
    Harness h(5);
    ASSERT_TRUE(h.booted);
    bool seen[2] = {false, false}; // flying right, flying left
    for (int tries = 0; tries < 20 && !(seen[0] && seen[1]); ++tries) {
        MMBird_List list;
        list.birds.push_back(MMBird::Create());
        list.spawn_countdown = 1 << 30; // no second bird
        const MMBird start = *list.birds[0];
        bool right = start.x_dest > start.x;
        SCOPED_TRACE(right ? "flying right" : "flying left");
        EXPECT_TRUE(start.x + start.width <= 0 || start.x >= ScreenWidth) << "starts off the screen";
        FrameTime = 100;
        FrameDt = 0.1f;
        MMBird last = start;
        int frames = 0;
        for (; frames < 1000 && !list.birds.empty(); ++frames) {
            last = *list.birds[0];
            list.Frame();
        }
        ASSERT_TRUE(list.birds.empty()) << "removed once across";
        EXPECT_TRUE(right ? last.x + last.speed * FrameDt >= ScreenWidth - 1
                          : last.x + last.width - last.speed * FrameDt <= 1)
            << "left the screen at x " << last.x;
        float seconds = frames * FrameDt, dist = static_cast<float>(ScreenWidth + 2 * start.width);
        EXPECT_NEAR(seconds, dist / start.speed, 0.2f);
        EXPECT_GE(start.speed, 35);
        EXPECT_LE(start.speed, 50);
        seen[right ? 0 : 1] = true;
    }
    EXPECT_TRUE(seen[0] && seen[1]) << "birds come from both sides";
}

TEST(MainMenuTest, NeverMoreThanThreeBirdsFlyAtOnce) {
    Harness h(3, "", 200); // long frames: two virtual minutes pass quickly
    ASSERT_TRUE(h.booted);
    Modal_Close();
    int most = 0;
    for (int i = 0; i < 600; ++i) {
        h.Run(1);
        ASSERT_EQ(ScreenState, 0);
        most = std::max(most, MainMenu_BirdCount());
        ASSERT_LE(MainMenu_BirdCount(), 3) << "frame " << i;
    }
    EXPECT_EQ(most, 3) << "the sky fills up to three birds";
}

TEST(MainMenuTest, EachButtonOpensWhatItNames) {
    struct Case {
        const char* name;
        int x, y;        // where the click lands
        int saved_match; // what the saved-match store answers
        void (*check)();
    };
    const Case cases[] = {
        {"play", 679, 183, 0,
         [] {
             EXPECT_TRUE(Left_For_The_Map()) << "screen " << ScreenState;
             EXPECT_EQ(Relaxed_Mode, 0);
         }},
        {"play with a saved match asks to continue", 679, 183, 1,
         [] {
             EXPECT_EQ(ScreenState, 0);
             EXPECT_EQ(Modal_Active(), 1);
         }},
        {"relaxed play", 678, 279, 0,
         [] {
             EXPECT_TRUE(Left_For_The_Map()) << "screen " << ScreenState;
             EXPECT_EQ(Relaxed_Mode, 1);
         }},
        {"user", 678, 327, 0, [] { EXPECT_EQ(g_calls.players, 1); }},
        {"options", 678, 376, 0, [] { EXPECT_EQ(g_calls.options, 1); }},
        {"high scores", 678, 424, 0,
         [] {
             EXPECT_EQ(g_calls.scores, 1);
             EXPECT_EQ(g_calls.highlight, -1);
             EXPECT_EQ(g_calls.after_ok, 0);
         }},
        {"exit asks first", 678, 472, 0,
         [] {
             EXPECT_EQ(Modal_Active(), 1);
             EXPECT_EQ(QuitRequested, 0);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h(9, Click_At(c.x, c.y));
        ASSERT_TRUE(h.booted);
        Modal_Close(); // a first run's welcome box
        Install_Recorders();
        g_saved_match = c.saved_match;
        h.Run(40);
        c.check();
        Later = Later_Hooks();
    }
}

TEST(MainMenuTest, TheExitButtonsQuestionQuitsOnYes) {
    Harness h(9, Click_At(678, 472) + "40 key 13\n");
    ASSERT_TRUE(h.booted);
    Modal_Close();
    h.Run(60);
    EXPECT_EQ(QuitRequested, 1);
}
