// The one-line name editor shared by the player window and the welcome box, and the player
// window's rules for names: keys and typing as a table of cases, duplicates refused, empty
// names shown as "Anonymous", names with any bytes edited safely.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "engine/input.h"
#include "gui/gui_btn.h"
#include "gui/later_hooks.h"
#include "gui/modal.h"
#include "gui/name_edit.h"
#include "gui/player_dialog.h"
#include "shell/app_state.h"
#include "shell/config.h"
#include "shell/players.h"
#include "shell/utf8.h"
#include "tests/harness.h"

namespace {
int g_enters = 0, g_escapes = 0;

// One frame of the editor after the given key presses (0: none) and typed characters.
void Frame(Name_Edit& e, std::string& text, int key, const std::vector<int>& chars = {}) {
    if (key) Input_OnKeyDown(key);
    for (int c : chars)
        Input_OnChar(c);
    Name_Edit_Calls calls;
    calls.on_enter = [] { ++g_enters; };
    calls.on_escape = [] { ++g_escapes; };
    NameEdit_Frame(e, text, calls);
    if (key) Input_OnKeyUp(key);
    Keys_Flush();
}

std::vector<int> Chars(const std::string& s) {
    std::vector<int> out;
    for (size_t i = 0; i < s.size();)
        out.push_back(static_cast<int>(Utf8_Next(s, i)));
    return out;
}
} // namespace

TEST(NameEditTest, KeysAndTyping) {
    struct Case {
        const char* name;
        const char* start;
        int cursor_before;
        int key;
        const char* typed;
        const char* text_after;
        int cursor_after;
    };
    const Case cases[] = {
        {"type at the end", "Ann", 3, 0, "a", "Anna", 4},
        {"type in the middle", "Ana", 1, 0, "n", "Anna", 2},
        {"backspace", "Anna", 4, VK_BACK, "", "Ann", 3},
        {"backspace at the start", "Anna", 0, VK_BACK, "", "Anna", 0},
        {"delete", "Anna", 0, VK_DELETE, "", "nna", 0},
        {"delete at the end", "Anna", 4, VK_DELETE, "", "Anna", 4},
        {"left stops at 0", "Ab", 0, VK_LEFT, "", "Ab", 0},
        {"right stops at the end", "Ab", 2, VK_RIGHT, "", "Ab", 2},
        {"home", "Abc", 2, VK_HOME, "", "Abc", 0},
        {"end", "Abc", 1, VK_END, "", "Abc", 3},
        {"eleven characters at most", "Abcdefghij", 10, 0, "kl", "Abcdefghijk", 11},
        {"control characters type nothing", "A", 1, 0, "\t\x01\x1f", "A", 1},
        {"several bytes per character", "Zoë", 3, VK_BACK, "", "Zo", 2},
        {"insert after a wide character", "Zoë", 2, 0, "é", "Zoéë", 3},
        {"invalid bytes are characters", "\xff\xfe", 2, VK_BACK, "", "\xff", 1},
        {"cursor past a shortened text", "Ab", 9, VK_LEFT, "", "Ab", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Input_Reset();
        Name_Edit e;
        std::string text = c.start;
        NameEdit_Start(e, text);
        e.cursor = c.cursor_before;
        Frame(e, text, c.key, Chars(c.typed));
        EXPECT_EQ(text, c.text_after);
        EXPECT_EQ(e.cursor, c.cursor_after);
    }
}

TEST(NameEditTest, EnterOnlyWithANameAndEscapeTypesNothing) {
    Input_Reset();
    g_enters = g_escapes = 0;
    Name_Edit e;
    std::string text;
    NameEdit_Start(e, text);
    Frame(e, text, VK_RETURN);
    EXPECT_EQ(g_enters, 0); // an empty name can't be accepted
    Frame(e, text, VK_ESCAPE, {'x'});
    EXPECT_EQ(g_escapes, 1);
    EXPECT_EQ(text, "");
    text = "Bo";
    Frame(e, text, VK_RETURN);
    EXPECT_EQ(g_enters, 1);
    EXPECT_EQ(Name_Shown(""), "Anonymous");
    EXPECT_EQ(Name_Shown("Bo"), "Bo");
}

struct PlayerWindowTest : ::testing::Test {
    Harness h{5};
    void SetUp() override {
        ASSERT_TRUE(h.booted);
        Modal_Reset();
    }
    void Press(int key) {
        Input_OnKeyDown(key);
        h.Run(1);
        Input_OnKeyUp(key);
    }
    void Click(const GUIBtn* b) {
        Input_OnMouseMove((b->hit_x_left + b->hit_x_right) / 2, (b->hit_y_top + b->hit_y_bottom) / 2);
        h.Run(1);
        Input_OnMouseButton(1, true);
        h.Run(1);
        Input_OnMouseButton(1, false);
        h.Run(1);
    }
    GUIBtn* Entry(int slot) { return PlayerDialog_Button(PLR_ENTRY_FIRST + slot); }
};

TEST_F(PlayerWindowTest, EmptyNamesReadAnonymousAndDuplicatesAreRefused) {
    PlayerNames[3] = "";
    PlayerNames[4] = "Maeve";
    Later.open_players();
    h.Run(1);
    EXPECT_EQ(Entry(3)->caption, "Anonymous");
    Click(Entry(0));
    ASSERT_EQ(PlayerDialog_Editing(), 0);
    EXPECT_EQ(CurrentPlayer, 0);
    for (int i = 0; i < 20; ++i) // clear the old name
        Press(VK_BACK);
    for (int c : Chars("Maeve"))
        Input_OnChar(c);
    h.Run(1);
    EXPECT_EQ(Entry(0)->caption, "Maeve");
    Press(VK_RETURN);
    EXPECT_NE(PlayerNames[0], "Maeve"); // the name-in-use box is up instead
    Press(VK_RETURN);                   // its "OK": back to the window, still editing
    h.Run(1);
    EXPECT_EQ(PlayerDialog_Editing(), 0);
    EXPECT_EQ(Entry(0)->caption, "Maeve");
    Press(VK_BACK);
    Input_OnChar('a');
    h.Run(1);
    Press(VK_RETURN);
    EXPECT_EQ(PlayerNames[0], "Maeva");
    EXPECT_EQ(PlayerDialog_Editing(), -1);
}

TEST_F(PlayerWindowTest, AnyBytesInANameShowAndEdit) {
    PlayerNames[2] = std::string("\x01\xff\xc3(\r\n", 6) + std::string(58, 'w'); // 64 bytes
    Later.open_players();
    h.Run(1);
    Click(Entry(2));
    ASSERT_EQ(PlayerDialog_Editing(), 2);
    for (int i = 0; i < 5; ++i)
        h.Run(20); // the cursor blinks over the caption
    Press(VK_HOME);
    Press(VK_DELETE);
    Press(VK_END);
    Press(VK_BACK);
    EXPECT_EQ(Entry(2)->caption.size(), 62u);
    Press(VK_RETURN);
    EXPECT_EQ(PlayerNames[2].size(), 62u);
}

TEST_F(PlayerWindowTest, DeleteClearsTheCurrentPlayersProgress) {
    CurrentPlayer = 2;
    Players.level_state[2 * kPlayerLevels + 5] = 7;
    Players.successor[2 * kPlayerLevels + 9] = 26;
    Players.treasure_bits[2] = 3;
    Players.last_level[2] = 5;
    Later.open_players();
    h.Run(1);
    Click(PlayerDialog_Button(PLR_BTN_DELETE));
    EXPECT_EQ(PlayerNames[2], "New Player3");
    EXPECT_EQ(Players.level_state[2 * kPlayerLevels + 0], kLevelOpen);
    EXPECT_EQ(Players.level_state[2 * kPlayerLevels + 5], 0);
    EXPECT_EQ(Players.successor[2 * kPlayerLevels + 9], -1);
    EXPECT_EQ(Players.treasure_bits[2], 0);
    EXPECT_EQ(Players.last_level[2], 0);
    EXPECT_EQ(Modal_Active(), 1); // "User deleted."
    Press(VK_RETURN);
    h.Run(1);
    EXPECT_EQ(Entry(2)->caption, "New Player3");
    EXPECT_TRUE(Entry(2)->states & BTN_SELECTED);
}
