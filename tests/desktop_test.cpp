// The desktop side of the game: the command line's --help, --version and errors, and the gun
// played by keyboard and gamepad through the same event lines the scripted input reads.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <cstdio>
#include <regex>
#include <string>
#include "engine/input.h"
#include "engine/pad.h"
#include "engine/platform.h"
#include "engine/script.h"
#include "play/autoplay_hands.h"
#include "play/level_check.h"
#include "play/level_state.h"
#include "shell/log.h"
#include "shell/startup.h"
#include "play/gun_keys.h"
#include "shell/app_state.h"
#include "tests/shooting_test_support.h"

namespace {
// Runs the game binary; its exit code and the first line of its output (both streams).
int Run_Game(const std::string& args, std::string& first_line) {
    std::string cmd = std::string(ORBIVALE_GAME_EXE) + " " + args + " 2>&1";
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return -1;
    char buf[512] = {};
    first_line = std::fgets(buf, sizeof buf, p) ? buf : "";
    if (!first_line.empty() && first_line.back() == '\n') first_line.pop_back();
    while (std::fgets(buf, sizeof buf, p)) {
    }
    int status = pclose(p);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The input events of a script line, as the headless platform applies them.
void Apply(const Script_Event& e) {
    if (e.kind == "key_down") Input_OnKeyDown(e.a);
    if (e.kind == "key_up") Input_OnKeyUp(e.a);
    if (e.kind == "mouse_move") Input_OnMouseMove(e.a, e.b);
    if (e.kind == "pad_axis") Pad_OnAxis(e.a, e.value);
    if (e.kind == "pad_button") Pad_OnButton(e.a, e.b != 0);
    if (e.kind == "pad_disconnect") Pad_OnConnected(false);
}

class DesktopGunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Shooting_Test_Reset();
        Input_Reset();
        GunKeys_Reset();
        ASSERT_NE(Shooting_Track(), nullptr);
        Row({PC_RED, PC_RED, PC_BLUE}, 500);
        Input_OnMouseMove(400, 0); // the pointer straight above the gun at (400, 500)
        Play("", 20);              // loaded, and long enough since the level start
    }
    static int Flying() {
        int n = 0;
        for (Piece* pc = Pieces.list_first; pc; pc = pc->list_next)
            n += pc->move_state == 1;
        return n;
    }
    // Runs frames with the script's events before each of them; returns the shots fired.
    int Play(const std::string& script, int frames) {
        std::vector<Script_Event> events = Script_Parse(script);
        int shots = 0;
        for (int f = 0; f < frames; ++f) {
            for (const Script_Event& e : events)
                if (e.frame == f) Apply(e);
            FrameCounter += 1;
            Pointer_Update();
            int before = Flying();
            Gun_Update();
            shots += Flying() - before;
        }
        return shots;
    }
};
} // namespace

TEST(DesktopCliTest, HelpVersionAndUnknownOptionExitCodesAndFirstLines) {
    struct Case {
        const char* args;
        int code;
        const char* first_line; // a regular expression
    } cases[] = {
        {"--help", 0, "usage: orbivale .*--help.*"},
        {"--version", 0, "orbivale [0-9]+\\.[0-9]+\\.[0-9]+"},
        {"--bogus", 2, "orbivale: unknown option --bogus \\(try --help\\)"},
        {"--autoplay-input feet", 2, "orbivale: bad or missing value for --autoplay-input \\(try --help\\)"},
    };
    for (const Case& c : cases) {
        std::string line;
        EXPECT_EQ(Run_Game(c.args, line), c.code) << c.args;
        EXPECT_TRUE(std::regex_match(line, std::regex(c.first_line))) << c.args << ": " << line;
    }
}

TEST_F(DesktopGunTest, KeyAndPadEventsTurnTheGunAndFireWithinItsRate) {
    // 180 degrees a second with Left/Right or the d-pad, 30 with Shift: 30 frames of 16 ms
    // turn it 86.4 or 14.4 degrees from straight up (-90).
    struct Case {
        const char* what;
        const char* script;
        int frames;
        float angle;
        int shots;
    } cases[] = {
        {"Right held", "0 key_down 39\n30 key_up 39", 40, -3.6f, 0},
        {"Shift+Left held", "0 key_down 160\n0 key_down 37\n30 key_up 37", 40, -104.4f, 0},
        {"d-pad right held", "0 pad_button dpright down\n30 pad_button dpright up", 40, -3.6f, 0},
        {"stick right", "0 pad_axis leftx 1\n0 pad_axis lefty 0", 5, 0, 0},
        {"stick beyond its range is clamped", "0 pad_axis leftx 5\n0 pad_axis lefty 5", 5, 45, 0},
        {"stick resting in its dead zone", "0 pad_axis 0 0.3\n0 pad_axis 1 0.1", 5, -90, 0},
        {"mouse moved after the keys", "0 key_down 39\n10 key_up 39\n20 mouse_move 800 500", 25, 0, 0},
        {"Space held with key repeat", "0 key_down 32\n5 key_down 32\n10 key_down 32\n15 key_down 32", 60,
         -90, 1},
        {"Space tapped four times quickly",
         "0 key_down 32\n1 key_up 32\n12 key_down 32\n13 key_up 32\n24 key_down 32\n25 key_up 32\n"
         "36 key_down 32\n37 key_up 32",
         40, -90, 3},
        {"pad A tapped", "0 pad_button a down\n1 pad_button a up", 10, -90, 1},
        {"stick then A", "0 pad_axis leftx -1\n2 pad_button a down\n3 pad_button a up", 10, 180, 1},
    };
    for (const Case& c : cases) {
        SetUp();
        int shots = Play(c.script, c.frames);
        EXPECT_NEAR(Gun.angle, c.angle, 0.01f) << c.what;
        EXPECT_EQ(shots, c.shots) << c.what;
    }
}

TEST_F(DesktopGunTest, TabAndPadXSwapTheNextPearlIn) {
    Play("0 key_down 9\n1 key_up 9", 3);
    EXPECT_EQ(Gun.pc_switch_cnt, 1);
    Play("0 pad_button x down\n1 pad_button x up", 3);
    EXPECT_EQ(Gun.pc_switch_cnt, 2);
}

TEST_F(DesktopGunTest, PadUnpluggedWhileHoldingReleasesItsButtonsAndKeys) {
    Play("0 pad_button dpleft down\n0 pad_button a down\n0 pad_axis leftx 0.9", 2);
    ASSERT_EQ(Pad_Down(PAD_A), 1);
    Play("0 pad_disconnect", 1);
    float x, y;
    Pad_Stick(0, x, y);
    EXPECT_EQ(Pad_Down(PAD_A), 0);
    EXPECT_EQ(Key_Down(VK_LEFT), 0);
    EXPECT_EQ(Key_Down(VK_RETURN), 0);
    EXPECT_EQ(x, 0);
    float angle = Gun.angle;
    Play("", 10); // nothing turns or fires any more
    EXPECT_FLOAT_EQ(Gun.angle, angle);
}

TEST(DesktopAutoplayTest, TheBuiltInPlayerWinsTheFirstLevelWithKeysAndWithThePad) {
    for (int input : {HANDS_KEYS, HANDS_PAD}) {
        App_Options o;
        o.seed_given = true;
        o.seed = 1;
        o.autoplay_input = input;
        o.save_dir = ::testing::TempDir() + "orbivale_desktop_autoplay";
        ASSERT_TRUE(LevelCheck_Boot(o));
        Relaxed_Mode = 0;
        Check_Try t = LevelCheck_Try(1, 1, CHECK_CAP_MS);
        App_Shutdown();
        Platform_Set(nullptr);
        Log_SetQuiet(false);
        EXPECT_EQ(t.won, 1) << "input " << input;
        EXPECT_GT(t.shots, 10) << "input " << input;
    }
}
