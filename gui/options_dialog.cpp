// The options window.
#include "gui/options_dialog.h"
#include <string>
#include "engine/gfx.h"
#include "engine/input.h"
#include "gui/credits_dialog.h"
#include "gui/dialog.h"
#include "gui/gui_factories.h"
#include "gui/gui_focus.h"
#include "gui/gui_list.h"
#include "gui/later_hooks.h"
#include "gui/modal.h"
#include "gui/msg_boxes.h"
#include "gui/picture_dialogs.h"
#include "shell/app_state.h"
#include "shell/config.h"
#include "shell/graphics_start.h"
#include "shell/players.h"
#include "shell/resource.h"
#include "shell/texts.h"

namespace {
constexpr int kOffsetX = 5, kOffsetY = 43;
constexpr int kSectionHints = 5, kSectionHintsOff = 11;
constexpr int kHintDone = 0x03; // shown and suppressed

struct Slider_Info {
    int id, x, y;
    const char* key;
    int section;
    float* table;
};
const Slider_Info kSliders[3] = {
    {OPT_SLIDER_FX, 91, 197, "FX_VOL", 6, Players.fx_volume},
    {OPT_SLIDER_MUSIC, 91, 129, "MUSIC_VOL", 7, Players.music_volume},
    {OPT_SLIDER_AMBIENT, 91, 264, "AMBIENT_VOL", 8, Players.ambient_volume},
};

struct Options_Window {
    TImage* bg = nullptr;
    int x = 0, y = 0;
};
Options_Window g;

int Player() {
    return CurrentPlayer >= 0 && CurrentPlayer < kPlayerSlots ? CurrentPlayer : 0;
}
GUIBtn* Find(int id) {
    return Dlg.buttons.Find(id);
}
const Slider_Info* Slider_Of(const GUIBtn* b) {
    for (const Slider_Info& s : kSliders)
        if (b && s.id == b->id) return &s;
    return nullptr;
}

void Close(GUIBtn*) {
    Modal_Close();
}

// The knob's place is the volume: its left end 0, its right end 1. Written through at once,
// so the sound manager plays at the new volume from the next frame on.
void Slider_Store(GUIBtn* b) {
    const Slider_Info* s = Slider_Of(b);
    if (!s) return;
    int span = b->slider_x_max - b->slider_x_min;
    float v = span > 0 ? static_cast<float>(b->x - b->slider_x_min) / static_cast<float>(span) : 0.0f;
    if (v < 0) v = 0;
    if (v > 1) v = 1;
    s->table[Player()] = v;
    Config_SetValue(s->key, Config_FormatVolume(v));
    Players_SaveSection(s->section);
}
void Slider_Move(GUIBtn* b) {
    if (b->states2 & BTN_DRAGGING) Slider_Store(b);
}

void Setup();

void Toggle_Fullscreen(GUIBtn*) {
    Window_ToggleMode(); // reopens the screen, reloads the fonts and stores WINDOWED_MODE
    Setup();
}

void Toggle_Hints(GUIBtn*) {
    int p = Player();
    Players.hints_off[p] = Players.hints_off[p] == 1 ? 0 : 1;
    Players_SaveSection(kSectionHintsOff);
    bool off = Players.hints_off[p] == 1;
    if (GUIBtn* b = Find(OPT_BTN_HINTS)) b->caption = TxtHintToggle[off ? 1 : 0];
    for (int h = 0; h < kPlayerHints; ++h) {
        int32_t& f = Players.hint_flags[p * kPlayerHints + h];
        f = off ? (f | kHintDone) : (f & ~kHintDone);
    }
    Players_SaveSection(kSectionHints);
    Dlg_OpenHintsToggled();
}

void Credits(GUIBtn*) {
    CreditsDialog_Open();
}
void Help(GUIBtn*) {
    Dlg_OpenHelp(0, 0);
}

// The widgets go into the dialogs' shared list, so the keyboard focus ring walks them too.
void Build() {
    GUI_List& l = Dlg.buttons;
    l.Clear();
    Dlg.focus_keys = FOCUS_ALL_KEYS;
    l.Add(Large_Create(OPT_BTN_FULLSCREEN, 0, 0, Toggle_Fullscreen, TxtOptions[1]));
    l.Add(Large_Create(OPT_BTN_HINTS, 0, 0, Toggle_Hints, TxtHintToggle[0]));
    l.Add(Large_Create(OPT_BTN_MENU, 0, 0, Close, TxtOptions[0]));
    l.Add(Opt_Small_Create(OPT_BTN_CREDITS, 0, 0, Credits));
    l.Add(Opt_Small_Create(OPT_BTN_HELP, 0, 0, Help));
    for (const Slider_Info& s : kSliders)
        l.Add(Opt_Slider_Create(s.id, 0, 0, Slider_Store, Slider_Move));
    GUIBtn* check = l.Add(Opt_Check_Create(OPT_CHECK_FULLSCREEN, 0, 0, nullptr));
    check->states |= BTN_DISABLED;
}

// Places a widget at (dx, dy) from the origin, its caption moving with it.
void Place(int id, int dx, int dy) {
    GUIBtn* b = Find(id);
    if (!b) return;
    int ox = b->x, oy = b->y;
    b->SetPos(g.x + dx, g.y + dy);
    b->caption_x += b->x - ox;
    b->caption_y += b->y - oy;
}

void Setup() {
    Build();
    g.x = ScreenCenterX - Gfx_ImageWidth(g.bg) / 2 + kOffsetX;
    g.y = ScreenCenterY - Gfx_ImageHeight(g.bg) / 2 + kOffsetY;
    Place(OPT_BTN_FULLSCREEN, 140, 325);
    Place(OPT_BTN_HINTS, 140, 377);
    Place(OPT_BTN_MENU, 140, 429);
    Place(OPT_BTN_CREDITS, 68, 371);
    Place(OPT_BTN_HELP, 326, 371);
    Place(OPT_CHECK_FULLSCREEN, 112, 333);
    if (GUIBtn* c = Find(OPT_CHECK_FULLSCREEN))
        c->states = WindowedMode == 1 ? (c->states & ~BTN_CHECKED) : (c->states | BTN_CHECKED);
    for (const Slider_Info& s : kSliders) {
        GUIBtn* b = Find(s.id);
        if (!b) continue;
        int min = g.x + s.x;
        b->Slider_Setup(min, min + GUI_SLIDER_RANGE);
        float v = s.table[Player()];
        if (!(v >= 0)) v = 0;
        if (v > 1) v = 1;
        b->SetPos(min + static_cast<int>(GUI_SLIDER_RANGE * v), g.y + s.y);
    }
    if (GUIBtn* h = Find(OPT_BTN_HINTS)) h->caption = TxtHintToggle[Players.hints_off[Player()] == 1 ? 1 : 0];
}

void Update() {
    if (Key_Hit(VK_ESCAPE)) return Close(nullptr);
    Dlg.buttons.Update_All();
}

void Draw() {
    Dlg_Plain(BLEND_ALPHA);
    Gfx_DrawImage(g.bg, static_cast<float>(g.x), static_cast<float>(g.y), 0);
    Dlg.buttons.Draw_All();
}
} // namespace

void OptionsDialog_Load() {
    g.bg = Gfx_LoadImage(Asset_Path(".\\images\\mainmenu\\dlg_options\\dlg_options_bg" + LanguageSuffix + ".png"));
    Later.open_options = OptionsDialog_Open;
}

void OptionsDialog_Open() {
    Modal_Open(Setup, Update, Draw, 1);
}

GUIBtn* OptionsDialog_Button(int id) {
    return Dlg.buttons.Find(id);
}
