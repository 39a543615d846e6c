// Key, character and mouse counters, flushing and the application events.
#include <gtest/gtest.h>
#include "engine/headless_platform.h"
#include "engine/input.h"
#include "engine/platform.h"

namespace {
struct Input_Fixture : ::testing::Test {
    void SetUp() override {
        Platform_Set(Headless_CreatePlatform({}));
        Input_Reset();
    }
    void TearDown() override { Platform_Set(nullptr); }
};
}  // namespace

TEST_F(Input_Fixture, KeyHitCountsPressesOnceAndResets) {
    Input_OnKeyDown(VK_ESCAPE);
    Input_OnKeyUp(VK_ESCAPE);
    Input_OnKeyDown(VK_ESCAPE);
    EXPECT_EQ(Key_Hit(VK_ESCAPE), 2);
    EXPECT_EQ(Key_Hit(VK_ESCAPE), 0);
    EXPECT_EQ(Key_Down(VK_ESCAPE), 1);
}

TEST_F(Input_Fixture, FlushForgetsAHeldKeyUntilItsNextPress) {
    Input_OnKeyDown('G');
    Input_OnChar('g');
    Keys_Flush();
    EXPECT_EQ(Key_Down('G'), 0);
    EXPECT_EQ(Key_Hit('G'), 0);
    EXPECT_EQ(Char_Get(), 0);
    Input_OnKeyDown('G');
    EXPECT_EQ(Key_Down('G'), 1);
}

TEST_F(Input_Fixture, CharactersComeOutOldestFirst) {
    for (int c : {int('a'), 8, 13}) Input_OnChar(c);
    EXPECT_EQ(Char_Get(), 'a');
    EXPECT_EQ(Char_Get(), 8);
    EXPECT_EQ(Char_Get(), 13);
    EXPECT_EQ(Char_Get(), 0);
}

TEST_F(Input_Fixture, MouseButtonsWheelAndFlush) {
    Input_OnMouseButton(2, true);
    Input_OnMouseButton(2, false);
    Input_OnMouseButton(1, true);
    Input_OnWheel(3);
    Input_OnWheel(-1);
    EXPECT_EQ(Mouse_Hit(2), 1);
    EXPECT_EQ(Mouse_Hit(2), 0);
    EXPECT_EQ(Mouse_Down(1), 1);
    EXPECT_EQ(Mouse_Z(), 2);
    EXPECT_EQ(Mouse_ZSpeed(), 2);
    EXPECT_EQ(Mouse_ZSpeed(), 0);
    Mouse_Flush();
    EXPECT_EQ(Mouse_Down(1), 0);
    EXPECT_EQ(Mouse_Hit(1), 0);
    EXPECT_EQ(Mouse_Z(), 0);
}

TEST_F(Input_Fixture, CloseRequestReadsOnceAndFocusSetsSuspended) {
    Input_OnClose();
    EXPECT_EQ(App_CloseRequested(), 1);
    EXPECT_EQ(App_CloseRequested(), 0);
    Input_OnFocus(false);
    EXPECT_EQ(App_Suspended(), 1);
    Input_OnFocus(true);
    EXPECT_EQ(App_Suspended(), 0);
}

TEST_F(Input_Fixture, OutOfRangeCodesAreIgnored) {
    Input_OnKeyDown(300);
    Input_OnKeyDown(-1);
    Input_OnMouseButton(7, true);
    EXPECT_EQ(Key_Hit(300), 0);
    EXPECT_EQ(Key_Down(-1), 0);
    EXPECT_EQ(Mouse_Hit(7), 0);
}
