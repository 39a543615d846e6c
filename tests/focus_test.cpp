// The keyboard focus ring: arrow keys and Tab walk a screen's or dialog's buttons, Enter
// presses the focused one, and a dialog's own Enter works as long as nothing is focused.
#include <gtest/gtest.h>
#include "engine/input.h"
#include "gui/dialog.h"
#include "gui/gui_focus.h"
#include "gui/later_hooks.h"
#include "gui/modal.h"
#include "gui/msg_boxes.h"
#include "shell/app_state.h"
#include "tests/harness.h"

namespace {
void Press(Harness& h, int key) {
    Input_OnKeyDown(key);
    h.Run(1);
    Input_OnKeyUp(key);
}

struct FocusTest : ::testing::Test {
    Harness h{3};
    void SetUp() override {
        ASSERT_TRUE(h.booted);
        Modal_Close(); // the first run's welcome box
        h.Run(2);
        ASSERT_EQ(ScreenState, 0);
        QuitRequested = 0;
    }
    void TearDown() override { Later = Later_Hooks(); }
};
} // namespace

TEST_F(FocusTest, QuitBoxFollowsTheFocusAndKeepsItsOwnEnter) {
    struct Case {
        const char* name;
        int moves[3]; // keys pressed before Enter (0 ends)
        int quits;
    };
    const Case cases[] = {
        {"no focus: Enter is the box's yes", {0}, 1},
        {"Tab to yes", {VK_TAB, 0}, 1},
        {"Tab twice to no", {VK_TAB, VK_TAB, 0}, 0},
        {"Left from nothing wraps to no", {VK_LEFT, 0}, 0},
        {"Right, Right, Right wraps back to yes", {VK_RIGHT, VK_RIGHT, VK_RIGHT}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QuitRequested = 0;
        Dlg_OpenQuit();
        for (int k : c.moves)
            if (k) Press(h, k);
        Press(h, VK_RETURN);
        EXPECT_EQ(QuitRequested, c.quits);
        EXPECT_EQ(Modal_Active(), 0);
        Modal_Close();
    }
}

TEST_F(FocusTest, MainMenuButtonsAreWalkedByArrowsAndPressedByEnter) {
    int options = 0;
    static int* counter = nullptr;
    counter = &options;
    Later.open_options = [] { ++*counter; };
    // Down from nothing reaches Play first; Relaxed, Player and Options follow.
    for (int i = 0; i < 4; ++i)
        Press(h, VK_DOWN);
    Press(h, VK_RETURN);
    EXPECT_EQ(options, 1);
    EXPECT_EQ(ScreenState, 0);
    // Up from Options passes Player, Relaxed and Play, then wraps to Exit: the quit box.
    for (int i = 0; i < 4; ++i)
        Press(h, VK_UP);
    Press(h, VK_RETURN);
    EXPECT_EQ(Modal_Active(), 1);
    EXPECT_EQ(QuitRequested, 0);
}

TEST(FocusRing, SkipsHiddenDisabledAndDeadButtons) {
    GUI_List list;
    auto add = [&](int states, bool live) {
        auto b = GUIBtn::Create(0, 0, 0);
        b->states |= states;
        if (live)
            b->SetInfo_Callback(
                nullptr, [](GUIBtn*) {}, nullptr);
        return list.Add(std::move(b));
    };
    GUIBtn* first = add(0, true);
    add(BTN_HIDDEN, true);
    add(BTN_DISABLED, true);
    add(0, false);
    GUIBtn* last = add(0, true);
    EXPECT_TRUE(GUI_Focus_Set(list, first));
    Input_Reset();
    Input_OnKeyDown(VK_DOWN);
    EXPECT_TRUE(GUI_Focus_Keys(list));
    EXPECT_EQ(GUI_Focus_Get(list), last);
    last->states |= BTN_HIDDEN; // a focused button that goes away gives the focus up
    GUI_Focus_Keys(list);
    EXPECT_EQ(GUI_Focus_Get(list), nullptr);
    EXPECT_FALSE(GUI_Focus_Set(list, last));
}
