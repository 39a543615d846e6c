// The options window: a volume slider dragged changes the volume the sound manager plays at
// and the stored settings; the hints switch and the full-screen switch with its check box.
#include <gtest/gtest.h>
#include <fstream>
#include <sstream>
#include <string>
#include "engine/input.h"
#include "gui/gui_btn.h"
#include "gui/modal.h"
#include "gui/options_dialog.h"
#include "shell/app_state.h"
#include "shell/config.h"
#include "shell/players.h"
#include "tests/harness.h"

namespace {
std::string Config_Text() {
    std::ifstream in(Config_File(), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

struct OptionsWindowTest : ::testing::Test {
    Harness h{9};
    void SetUp() override {
        ASSERT_TRUE(h.booted);
        Modal_Reset();
        OptionsDialog_Open();
        h.Run(1);
    }
    void TearDown() override { Modal_Reset(); }
    static int Cx(const GUIBtn* b) { return (b->hit_x_left + b->hit_x_right) / 2; }
    static int Cy(const GUIBtn* b) { return (b->hit_y_top + b->hit_y_bottom) / 2; }
    // Presses on the knob, moves the pointer by dx in small steps, releases.
    void Drag(const GUIBtn* b, int dx) {
        int x = Cx(b), y = Cy(b);
        Input_OnMouseMove(x, y);
        h.Run(1);
        Input_OnMouseButton(1, true);
        h.Run(1);
        int step = dx > 0 ? 10 : -10;
        for (int moved = 0; moved != dx; moved += step) {
            x += step;
            Input_OnMouseMove(x, y);
            h.Run(1);
        }
        Input_OnMouseButton(1, false);
        h.Run(1);
    }
    void Click(const GUIBtn* b) {
        Input_OnMouseMove(Cx(b), Cy(b));
        h.Run(1);
        Input_OnMouseButton(1, true);
        h.Run(1);
        Input_OnMouseButton(1, false);
        h.Run(1);
    }
};
} // namespace

TEST_F(OptionsWindowTest, SliderMovesTheVolumeAndStoresIt) {
    struct Case {
        int id;
        float (*volume)();
        const char* key;
        int dx;
        float expected;
    } cases[] = {
        {OPT_SLIDER_FX, Player_FxVolume, "FX_VOL", 400, 1.0f},
        {OPT_SLIDER_FX, Player_FxVolume, "FX_VOL", -400, 0.0f},
        {OPT_SLIDER_MUSIC, Player_MusicVolume, "MUSIC_VOL", -400, 0.0f},
        {OPT_SLIDER_AMBIENT, Player_AmbientVolume, "AMBIENT_VOL", 400, 1.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        Drag(OptionsDialog_Button(c.id), c.dx);
        EXPECT_FLOAT_EQ(c.volume(), c.expected);
        EXPECT_FLOAT_EQ(Config_Real(Config_GetValue(Config_Text(), c.key)), c.expected);
    }
    Drag(OptionsDialog_Button(OPT_SLIDER_FX), 100); // from the left end: about half way
    EXPECT_NEAR(Player_FxVolume(), 100.0f / 201.0f, 0.06f);
    Modal_Reset();
    OptionsDialog_Open(); // the knob stands where the stored volume puts it
    h.Run(1);
    const GUIBtn* fx = OptionsDialog_Button(OPT_SLIDER_FX);
    EXPECT_EQ(fx->x - fx->slider_x_min, static_cast<int>(201 * Player_FxVolume()));
}

TEST_F(OptionsWindowTest, HintsSwitchMarksEveryHintAndBack) {
    int p = CurrentPlayer;
    Players.hints_off[p] = 0;
    Players.hint_flags[p * kPlayerHints + 4] = 0;
    Click(OptionsDialog_Button(OPT_BTN_HINTS));
    EXPECT_EQ(Players.hints_off[p], 1);
    for (int i = 0; i < kPlayerHints; ++i)
        EXPECT_EQ(Players.hint_flags[p * kPlayerHints + i] & 3, 3) << i;
    Input_OnKeyDown(VK_RETURN); // the hints-toggled box leads back to the options
    h.Run(2);
    Input_OnKeyUp(VK_RETURN);
    EXPECT_EQ(OptionsDialog_Button(OPT_BTN_HINTS)->caption, "enable hints");
    Click(OptionsDialog_Button(OPT_BTN_HINTS));
    EXPECT_EQ(Players.hints_off[p], 0);
    for (int i = 0; i < kPlayerHints; ++i)
        EXPECT_EQ(Players.hint_flags[p * kPlayerHints + i] & 3, 0) << i;
}

TEST_F(OptionsWindowTest, FullScreenButtonSwitchesTheWindowAndTheCheckBoxFollows) {
    int before = WindowedMode;
    EXPECT_EQ((OptionsDialog_Button(OPT_CHECK_FULLSCREEN)->states & BTN_CHECKED) != 0, before == 0);
    Click(OptionsDialog_Button(OPT_CHECK_FULLSCREEN)); // shows the state only
    EXPECT_EQ(WindowedMode, before);
    Click(OptionsDialog_Button(OPT_BTN_FULLSCREEN));
    EXPECT_EQ(WindowedMode, 1 - before);
    EXPECT_EQ((OptionsDialog_Button(OPT_CHECK_FULLSCREEN)->states & BTN_CHECKED) != 0, WindowedMode == 0);
    EXPECT_EQ(Config_Int(Config_GetValue(Config_Text(), "WINDOWED_MODE")), WindowedMode);
}
