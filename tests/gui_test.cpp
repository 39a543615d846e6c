// Widgets and the modal slot driven by scripted mouse input through the pointer update.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "engine/gfx.h"
#include "engine/headless_platform.h"
#include "engine/input.h"
#include "engine/platform.h"
#include "gui/gui_btn.h"
#include "gui/gui_list.h"
#include "gui/gui_sound.h"
#include "gui/modal.h"
#include "play/pointer.h"
#include "shell/app_state.h"

namespace {
std::vector<std::string> g_events; // callbacks and sounds in call order
void Note(const std::string& s) {
    g_events.push_back(s);
}
int Count(const std::string& s) {
    int n = 0;
    for (const std::string& e : g_events)
        n += e == s;
    return n;
}
void Sound(int entry, float, int, int) {
    Note(entry == GUI_SFX_HOVER ? "hover" : "click");
}
void Up(GUIBtn* b) {
    Note("up" + std::to_string(b->id));
}
void Down(GUIBtn* b) {
    Note("down" + std::to_string(b->id));
}

struct GUI_Fixture : ::testing::Test {
    void SetUp() override {
        Platform_Set(Headless_CreatePlatform({}));
        Input_Reset();
        Pointer_StateReset();
        Modal_Reset();
        App_StateReset();
        g_events.clear();
        GUI_SetSoundOut(Sound);
    }
    void TearDown() override {
        GUI_SetSoundOut(nullptr);
        Modal_Reset();
        Platform_Set(nullptr);
    }
    // One frame of pointer input at (x, y) with the left button held or not.
    static void Frame(int x, int y, bool down) {
        Input_OnMouseMove(x, y);
        if (bool(Mouse_Down(1)) != down) Input_OnMouseButton(1, down);
        Pointer_Update();
    }
    // A 100 x 40 button at (100, 100).
    static std::unique_ptr<GUIBtn> Button(int id, int x = 100, int y = 100) {
        auto b = GUIBtn::Create(id, x, y);
        b->SetInfo_Hit(0, 0, 100, 40);
        b->SetInfo_Callback(Down, Up, nullptr);
        return b;
    }
};
} // namespace

TEST_F(GUI_Fixture, ButtonGoesThroughHoverPressAndClick) {
    auto b = Button(1);
    struct Step {
        int x, y;
        bool down;
        int states;
        int ups;
    } steps[] = {
        {10, 10, false, 0, 0},
        {150, 120, false, BTN_HOVERED, 0},
        {150, 120, true, BTN_HOVERED | BTN_PRESSED, 0},
        {160, 125, true, BTN_HOVERED | BTN_PRESSED, 0},
        {160, 125, false, BTN_HOVERED | BTN_CLICKED, 1},
        {160, 125, false, BTN_HOVERED | BTN_CLICKED, 1},
        {10, 10, false, 0, 1},
    };
    for (const Step& s : steps) {
        Frame(s.x, s.y, s.down);
        b->Update();
        EXPECT_EQ(b->states, s.states) << s.x << "," << s.y << " down " << s.down;
        EXPECT_EQ(Count("up1"), s.ups);
    }
    EXPECT_EQ(Count("down1"), 1);
    EXPECT_EQ(Count("hover"), 1);
    EXPECT_EQ(Count("click"), 1);
}

TEST_F(GUI_Fixture, PressDraggedOffAndReleasedIsNoClick) {
    auto b = Button(1);
    Frame(150, 120, false), b->Update();
    Frame(150, 120, true), b->Update();
    Frame(400, 400, true), b->Update();
    Frame(400, 400, false), b->Update();
    Frame(150, 120, false), b->Update();
    EXPECT_EQ(Count("up1"), 0);
    EXPECT_EQ(b->states, BTN_HOVERED);
    EXPECT_EQ(Count("hover"), 2); // left and came back
}

TEST_F(GUI_Fixture, OverlappingWidgetsGiveThePressToTheFirstInTheList) {
    GUI_List list;
    GUIBtn* first = list.Add(Button(1));
    GUIBtn* second = list.Add(Button(2, 120, 110));
    Frame(150, 120, false), list.Update_All();
    Frame(150, 120, true), list.Update_All();
    EXPECT_TRUE(first->states & BTN_PRESSED);
    EXPECT_EQ(second->states, BTN_HOVERED);
    EXPECT_EQ(LeftHit, 0); // consumed
}

TEST_F(GUI_Fixture, HitRectangleExcludesOnlyItsTopRow) {
    auto b = Button(1); // hit 100..200 x 100..140
    struct Case {
        int x, y, hovered;
    } cases[] = {{150, 100, 0}, {150, 101, 1}, {150, 140, 1}, {100, 120, 1}, {200, 120, 1}, {201, 120, 0}};
    for (const Case& c : cases) {
        Frame(c.x, c.y, false);
        EXPECT_EQ(b->IsHovered(), c.hovered) << c.x << "," << c.y;
    }
}

TEST_F(GUI_Fixture, DisabledHiddenAndSilentWidgets) {
    auto disabled = Button(1);
    disabled->states |= BTN_DISABLED;
    auto hidden = Button(2);
    hidden->states |= BTN_HIDDEN;
    auto silent = Button(3);
    silent->flags |= BTN_SILENT;
    Frame(150, 120, false);
    Frame(150, 120, true);
    for (GUIBtn* b : {disabled.get(), hidden.get()}) {
        b->Update();
        EXPECT_EQ(b->states & (BTN_HOVERED | BTN_PRESSED), 0);
    }
    EXPECT_EQ(LeftHit, 1); // not consumed by the disabled or hidden widget
    silent->Update();
    EXPECT_TRUE(silent->states & BTN_PRESSED);
    EXPECT_EQ(Count("hover") + Count("click"), 0);
}

TEST_F(GUI_Fixture, SliderKnobStaysInItsRangeWithItsHitRectangle) {
    auto knob = GUIBtn::Create(1, 300, 100);
    knob->SetInfo_Hit(0, 0, 55, 55);
    knob->Slider_Setup(300, 501);
    Frame(320, 120, false), knob->Update();
    Frame(320, 120, true), knob->Update();
    int px = 320;
    for (int step : {-10, 100, 100, 100}) { // each move stays on the knob, which follows
        px += step;
        Frame(px, 120, true);
        knob->Update();
    }
    EXPECT_EQ(knob->x, 501);
    EXPECT_EQ(knob->hit_x_left, 501);
    EXPECT_EQ(knob->hit_x_right, 556);
}

TEST_F(GUI_Fixture, BackgroundStripPlaysOnceAndStopsOnFrameZero) {
    auto b = Button(1);
    b->flags |= BTN_HAS_BG;
    b->img_bg.count = 8;
    b->img_bg.anim_period = 50;
    b->states |= BTN_BG_RUNNING;
    FrameTime = 10;
    int frames = 0;
    while ((b->states & BTN_BG_RUNNING) && frames < 1000)
        b->Update(), ++frames;
    EXPECT_GT(frames * 10, 350);
    EXPECT_LT(frames * 10, 500);
    EXPECT_EQ(b->img_bg.crt, 0);
    b->Update();
    EXPECT_EQ(b->img_bg.crt, 0);
}

namespace {
void Setup_A() {
    Note("setup A");
}
void Update_A() {
    Note("update A");
}
void Draw_A() {
    Note("draw A");
}
void Update_B() {
    Note("update B");
}
void Draw_B() {
    Note("draw B");
}
void Close_In_Update() {
    Note("update C");
    Modal_Close();
}
} // namespace

TEST_F(GUI_Fixture, OpeningADialogReplacesTheOpenOneAndFlushesInput) {
    Modal_Open(Setup_A, Update_A, Draw_A, 0);
    Input_OnKeyDown(VK_RETURN);
    Modal_Open(nullptr, Update_B, Draw_B, 0);
    EXPECT_EQ(Key_Hit(VK_RETURN), 0);
    Modal_Update();
    Modal_Draw();
    EXPECT_EQ(g_events, (std::vector<std::string>{"setup A", "update B", "draw B"}));
    Modal_Close();
    Modal_Update();
    Modal_Draw();
    EXPECT_EQ(g_events.size(), 3u);
    EXPECT_EQ(Modal_Active(), 0);
}

TEST_F(GUI_Fixture, SwallowClearsTheFrameInputEvenWhenTheDialogClosedItself) {
    Modal_Open(nullptr, Close_In_Update, nullptr, 1);
    Input_OnKeyDown(VK_ESCAPE);
    Frame(150, 120, false);
    Frame(150, 120, true);
    ASSERT_EQ(LeftHit, 1);
    Modal_Update();
    EXPECT_EQ(Modal_Active(), 0);
    EXPECT_EQ(LeftHit, 0);
    EXPECT_EQ(MoveAccum, 0);
    EXPECT_EQ(Key_Hit(VK_ESCAPE), 0);
    EXPECT_EQ(Mouse_Hit(1), 0);
    // Once closed, the slot swallows nothing more.
    Input_OnKeyDown(VK_ESCAPE);
    Frame(150, 120, false);
    Frame(150, 120, true);
    Modal_Update();
    EXPECT_EQ(LeftHit, 1);
    EXPECT_EQ(Key_Hit(VK_ESCAPE), 1);
}

namespace {
// Two dialogs sharing one widget list: a button of the first closes it and opens the second,
// whose set-up rebuilds the list the first dialog's update is still walking.
GUI_List g_dialog_buttons;
void Setup_Second();
void Update_Dialog() {
    Note("update");
    g_dialog_buttons.Update_All();
    Note("update done");
}
void Draw_Dialog() {
    Note("draw " + std::to_string(g_dialog_buttons.items.front()->id));
}
void Open_Second(GUIBtn*) {
    Modal_Close();
    Modal_Open(Setup_Second, Update_Dialog, Draw_Dialog, 1);
}
void Setup_First() {
    g_dialog_buttons.Clear();
    auto b = GUIBtn::Create(1, 100, 100);
    b->SetInfo_Hit(0, 0, 100, 40);
    b->SetInfo_Callback(nullptr, Open_Second, nullptr);
    g_dialog_buttons.Add(std::move(b));
    g_dialog_buttons.Add(GUIBtn::Create(9, 0, 0)); // walked after the button that rebuilds
}
void Setup_Second() {
    Note("setup second");
    g_dialog_buttons.Clear();
    g_dialog_buttons.Add(GUIBtn::Create(2, 300, 300));
}
} // namespace

TEST_F(GUI_Fixture, DialogOpenedFromItsOwnButtonTakesOverAfterTheUpdate) {
    Modal_Open(Setup_First, Update_Dialog, Draw_Dialog, 1);
    Frame(150, 120, false), Modal_Update();
    Frame(150, 120, true), Modal_Update();
    g_events.clear();
    Frame(150, 120, false);
    Modal_Update();
    Modal_Draw();
    EXPECT_EQ(g_events, (std::vector<std::string>{"update", "update done", "setup second", "draw 2"}));
    EXPECT_EQ(Modal_Active(), 1);
    EXPECT_EQ(g_dialog_buttons.items.size(), 1u);
    EXPECT_TRUE(g_dialog_buttons.retired.empty());
    g_dialog_buttons.Clear();
}

namespace {
TImage* Solid(uint32_t argb) {
    TImage* img = Gfx_CreateImage(4, 4, 1, 0);
    Pixmap pm = Gfx_LockImage(img, 0, false, true);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            pm.Pixmap_WritePixel(x, y, argb);
    Gfx_UnlockImage(img);
    return img;
}

uint32_t Pixel_At(int x, int y) {
    std::vector<uint32_t> px;
    EXPECT_TRUE(Gfx_ReadScreen(px));
    return px.empty() ? 0 : px[size_t(y) * 800 + x] & 0xFFFFFF;
}
} // namespace

TEST_F(GUI_Fixture, DrawShowsTheImageOfTheStrongestState) {
    ASSERT_TRUE(Gfx_OpenScreen(800, 600, 0, 0));
    TImage* def = Solid(0xFF0000FF);
    TImage* hov = Solid(0xFF00FF00);
    TImage* prs = Solid(0xFFFF0000);
    TImage* chk = Solid(0xFFFFFF00);
    TImage* dis = Solid(0xFF00FFFF);
    struct Case {
        int states, flags;
        uint32_t rgb;
    } cases[] = {
        {BTN_PRESSED | BTN_HOVERED | BTN_DISABLED, 0x7F, 0xFF0000},
        {BTN_DISABLED | BTN_HOVERED, 0x7F, 0x00FFFF},
        {BTN_HOVERED | BTN_CHECKED, 0x7F, 0x00FF00},
        {BTN_CHECKED, 0x7F, 0xFFFF00},
        {BTN_CHECKED, BTN_HAS_DEFAULT, 0x0000FF},
        {0, 0, 0x000000},
        {BTN_HIDDEN, 0x7F, 0x000000},
    };
    for (const Case& c : cases) {
        Gfx_Cls();
        auto b = GUIBtn::Create(1, 10, 10);
        b->SetInfo_Img2(def, BTN_HAS_DEFAULT, 1, 0);
        b->SetInfo_Img2(hov, BTN_HAS_HOVERED, 1, 0);
        b->SetInfo_Img2(prs, BTN_HAS_PRESSED, 1, 0);
        b->SetInfo_Img2(chk, BTN_HAS_CHECK, 1, 0);
        b->SetInfo_Img2(dis, BTN_HAS_DISABLED, 1, 0);
        b->flags = c.flags;
        b->states = c.states;
        b->Draw();
        EXPECT_EQ(Pixel_At(11, 11), c.rgb) << std::hex << c.states << " " << c.flags;
    }
    // Disabled without its own image: the default image at alpha 0.7.
    Gfx_Cls();
    auto b = GUIBtn::Create(1, 10, 10);
    b->SetInfo_Img2(def, BTN_HAS_DEFAULT, 1, 0);
    b->states = BTN_DISABLED;
    b->Draw();
    EXPECT_NEAR(int(Pixel_At(11, 11) & 255), 178, 2);
    for (TImage* img : {def, hov, prs, chk, dis})
        Gfx_FreeImage(img);
}
