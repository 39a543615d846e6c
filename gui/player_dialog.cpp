// The player window and its in-place name editing.
#include "gui/player_dialog.h"
#include <string>
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/sound.h"
#include "gui/dialog.h"
#include "gui/gui_factories.h"
#include "gui/gui_focus.h"
#include "gui/gui_list.h"
#include "gui/gui_text.h"
#include "gui/later_hooks.h"
#include "gui/main_menu.h"
#include "gui/modal.h"
#include "gui/msg_boxes.h"
#include "gui/name_edit.h"
#include "play/ingame_steps.h"
#include "shell/app_state.h"
#include "shell/config.h"
#include "shell/fonts.h"
#include "shell/players.h"
#include "shell/resource.h"
#include "shell/screen.h"
#include "shell/texts.h"

namespace {
constexpr int kOffsetY = 45;
constexpr int kEntryFont = 2;
constexpr int kSfxNameInUse = 13; // ".\sounds\wop1.ogg"
const int kProgressSections[] = {0, 1, 2, 3, 4, 9, 10, 11};

struct Player_Window {
    TImage* bg = nullptr;
    int x = 0, y = 0;
    int editing = -1; // slot being renamed
    int selected = -1;
    int name_valid = 1;
    Name_Edit edit;
    bool replaced = false; // an action closed or replaced the window during this update
    int kept_slot = -1;    // what the name-in-use box hands back
    std::string kept_caption;
    int kept_selected = -1; // what the user-deleted box hands back
    int restore = -1;       // a hand-back the next set-up must apply again (-1 none)
};
Player_Window g;

int Player() {
    return CurrentPlayer >= 0 && CurrentPlayer < kPlayerSlots ? CurrentPlayer : 0;
}
GUIBtn* Entry(int slot) {
    return slot >= 0 && slot < kPlayerSlots ? Dlg.buttons.Find(PLR_ENTRY_FIRST + slot) : nullptr;
}

void Select_Only(int slot) {
    for (auto& b : Dlg.buttons.items)
        b->states &= ~BTN_SELECTED;
    if (GUIBtn* e = Entry(slot)) e->states |= BTN_SELECTED;
    g.selected = slot;
}

void Start_Edit(int slot) {
    GUIBtn* e = Entry(slot);
    if (!e) return;
    NameEdit_Start(g.edit, e->caption);
    g.editing = slot;
    g.name_valid = 1;
}

void Validate() {
    GUIBtn* e = Entry(g.editing);
    g.name_valid = 1;
    for (auto& b : Dlg.buttons.items)
        if (e && b.get() != e && b->caption == e->caption) g.name_valid = 0;
}

bool Commit() {
    GUIBtn* e = Entry(g.editing);
    if (!e) return true;
    Validate();
    if (!g.name_valid) {
        Sfx_Play(kSfxNameInUse, Player_FxVolume(), 1, ScreenCenterX, ScreenCenterY);
        g.kept_slot = g.editing;
        g.kept_caption = e->caption;
        g.replaced = true;
        Dlg_OpenNameInUse();
        return false;
    }
    PlayerNames[Player()] = e->caption;
    Config_SetValue("PLAYER" + std::to_string(Player()), e->caption);
    g.editing = -1;
    return true;
}
void Commit_Key() {
    Commit();
}

void Cancel() {
    if (GUIBtn* e = Entry(g.editing)) e->caption = Name_Shown(PlayerNames[g.editing]);
    g.editing = -1;
}

void Entry_Up(GUIBtn* b) {
    if (g.editing >= 0 || !b) return;
    int slot = b->id - PLR_ENTRY_FIRST;
    if (slot < 0 || slot >= kPlayerSlots) return;
    Select_Only(slot);
    CurrentPlayer = slot;
    Config_SetValue("PLAYER_CRT", std::to_string(slot));
    Start_Edit(slot);
}

void Play_Up(GUIBtn*) {
    if (g.editing >= 0 && !Commit()) return;
    g.replaced = true;
    Modal_Close();
    MainMenu_Play(0);
}

void Menu_Up(GUIBtn*) {
    g.replaced = true;
    Modal_Close();
    Screen_Set(0);
}

void Delete_Up(GUIBtn*) {
    int p = Player();
    g.editing = -1;
    Players_ResetSlot(p);
    for (int s : kProgressSections)
        Players_SaveSection(s);
    Step_Run(InGame_Steps.match_files_delete);
    g.kept_selected = g.selected;
    g.replaced = true;
    Dlg_OpenUserDeleted();
    PlayerNames[p] = "New Player" + std::to_string(p + 1);
    Config_SetValue("PLAYER" + std::to_string(p), PlayerNames[p]);
    if (GUIBtn* e = Entry(p)) e->caption = PlayerNames[p];
}

// The widgets go into the dialogs' shared list, so the keyboard focus ring walks them too; the
// name field keeps Left, Right and Tab for its cursor.
void Build() {
    Dlg.buttons.Clear();
    Dlg.focus_keys = FOCUS_UP_DOWN;
    Dlg.buttons.Add(Large_Create(PLR_BTN_PLAY, g.x + 273, g.y + 396, Play_Up, TxtPlayers[0]));
    Dlg.buttons.Add(Large_Create(PLR_BTN_MENU, g.x + 70, g.y + 396, Menu_Up, TxtPlayers[1]));
    Dlg.buttons.Add(Large_Create(PLR_BTN_DELETE, g.x + 172, g.y + 450, Delete_Up, TxtPlayers[2]));
    GUI_Shared.player_up = Entry_Up;
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        int dx = slot < 5 ? 43 : 274, dy = 78 + 59 * (slot % 5);
        auto e = MM_Players_Create(PLR_ENTRY_FIRST + slot, g.x + dx, g.y + dy);
        TImage* hov = e->img_hovered.img;
        int w = hov ? Gfx_ImageWidth(hov) : 203, h = hov ? Gfx_ImageHeight(hov) : 49;
        e->SetInfo_Caption("", GUI_Font(kEntryFont), 215, 245, 255, BTN_STYLE_CAPTION, w / 2, h / 2);
        Dlg.buttons.Add(std::move(e));
    }
}

void Apply_Restore(int name_in_use);

void Setup() {
    Build();
    for (int slot = 0; slot < kPlayerSlots; ++slot)
        if (GUIBtn* e = Entry(slot)) e->caption = Name_Shown(PlayerNames[slot]);
    Select_Only(Player());
    g.editing = -1;
    if (g.restore >= 0) Apply_Restore(g.restore);
    g.restore = -1;
}

void Update() {
    g.restore = -1;
    g.replaced = false;
    if (g.editing < 0) {
        if (Key_Hit(VK_ESCAPE)) return Menu_Up(nullptr);
    } else if (GUIBtn* e = Entry(g.editing)) {
        Name_Edit_Calls calls;
        calls.on_enter = Commit_Key;
        calls.on_escape = Cancel;
        calls.on_each_frame = Validate;
        NameEdit_Frame(g.edit, e->caption, calls);
    }
    if (!g.replaced) Dlg.buttons.Update_All();
}

void Draw() {
    Dlg_Plain(BLEND_ALPHA);
    Gfx_DrawImage(g.bg, static_cast<float>(g.x), static_cast<float>(g.y), 0);
    Dlg.buttons.Draw_All();
    GUIBtn* e = Entry(g.editing);
    if (!e) return;
    Font_Select(kEntryFont);
    int x = e->caption_x - Gfx_TextWidth(e->caption) / 2;
    int y = e->caption_y - Gfx_TextHeight() / 2;
    NameEdit_DrawCursor(g.edit, e->caption, kEntryFont, x, y);
}

void Apply_Restore(int name_in_use) {
    if (name_in_use) {
        GUIBtn* e = Entry(g.kept_slot);
        if (!e) return;
        e->caption = g.kept_caption;
        Select_Only(g.kept_slot);
        Start_Edit(g.kept_slot);
    } else if (g.kept_selected >= 0) {
        Select_Only(g.kept_selected);
    }
}
// The boxes reopen the window from inside their own update, so its set-up may still be to come:
// the hand-back is applied now and once more by that set-up.
void Restore(int name_in_use) {
    Apply_Restore(name_in_use);
    g.restore = name_in_use;
}
} // namespace

void PlayerDialog_Load() {
    g.bg = Gfx_LoadImage(Asset_Path(".\\images\\mainmenu\\dlg_players\\dlg_players_bg.png"));
    g.x = ScreenCenterX - Gfx_ImageWidth(g.bg) / 2;
    g.y = ScreenCenterY - Gfx_ImageHeight(g.bg) / 2 + kOffsetY;
    Later.open_players = PlayerDialog_Open;
    Later.players_restore = Restore;
}

void PlayerDialog_Open() {
    Modal_Open(Setup, Update, Draw, 1);
}

GUIBtn* PlayerDialog_Button(int id) {
    return Dlg.buttons.Find(id);
}

int PlayerDialog_Editing() {
    return g.editing;
}
