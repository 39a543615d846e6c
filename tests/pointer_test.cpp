// The per-frame pointer state: movement, the movement sum, button edges, the wheel and the
// touch merge step.
#include <gtest/gtest.h>
#include "engine/headless_platform.h"
#include "engine/input.h"
#include "engine/platform.h"
#include "play/pointer.h"
#include "shell/app_state.h"

namespace {
struct Pointer_Fixture : ::testing::Test {
    void SetUp() override {
        Platform_Set(Headless_CreatePlatform({}));
        Input_Reset();
        Pointer_StateReset();
        App_StateReset();
    }
    void TearDown() override {
        Pointer_StateReset();
        Platform_Set(nullptr);
    }
};

bool Touch_Press(int& left_down, int& prev_left_down) {
    PtrX = PtrPrevX = 77;
    PtrY = PtrPrevY = 88;
    left_down = 1;
    prev_left_down = 0;
    return true;
}
} // namespace

TEST_F(Pointer_Fixture, MovementSumGrowsAndIsClearedByAPressOrAResting16thFrame) {
    struct Step {
        int x, y, frame;
        bool left;
        int accum;
    } steps[] = {
        {10, 0, 1, false, 10}, {10, 5, 2, false, 15},  {10, 5, 3, false, 15},
        {10, 5, 16, false, 0}, {20, 5, 17, false, 10}, {25, 5, 18, true, 0},
    };
    for (const Step& s : steps) {
        Input_OnMouseMove(s.x, s.y);
        if (bool(Mouse_Down(1)) != s.left) Input_OnMouseButton(1, s.left);
        FrameCounter = s.frame;
        Pointer_Update();
        EXPECT_EQ(MoveAccum, s.accum) << "frame " << s.frame;
    }
    EXPECT_EQ(LeftHit, 1);
}

TEST_F(Pointer_Fixture, ButtonEdgesLastOneFrame) {
    Input_OnMouseButton(2, true);
    Pointer_Update();
    EXPECT_EQ(RightHit, 1);
    Pointer_Update();
    EXPECT_EQ(RightHit, 0);
    EXPECT_EQ(RightDown, 1);
    Input_OnMouseButton(2, false);
    Pointer_Update();
    EXPECT_EQ(RightReleased, 1);
    Input_OnMouseButton(3, true);
    Pointer_Update();
    EXPECT_EQ(MiddleHit, 1);
}

TEST_F(Pointer_Fixture, WheelTurnOverridesVerticalOrWithTheMiddleButtonHorizontalMovement) {
    Input_OnMouseMove(50, 50);
    Pointer_Update();
    Input_OnMouseMove(53, 50);
    Input_OnWheel(2);
    Pointer_Update();
    EXPECT_EQ(Wheel, 2);
    EXPECT_EQ(PtrDX, 3);
    EXPECT_EQ(PtrDY, 8);
    Input_OnMouseButton(3, true);
    Input_OnWheel(-1);
    Pointer_Update();
    EXPECT_EQ(PtrDX, -4);
}

TEST_F(Pointer_Fixture, TouchStepJumpsWithoutMovementAndCountsAsAPress) {
    Pointer_SetTouchStep(Touch_Press);
    Pointer_Update();
    EXPECT_EQ(PtrX, 77);
    EXPECT_EQ(PtrDX, 0);
    EXPECT_EQ(LeftHit, 1);
}

TEST_F(Pointer_Fixture, LevelStartClearsEdgesButKeepsAHeldButtonFromPressingAgain) {
    Input_OnMouseButton(1, true);
    Pointer_Update();
    Pointer_Reset();
    EXPECT_EQ(LeftHit, 0);
    Pointer_Update();
    EXPECT_EQ(LeftHit, 0);
}
