// The map's screen steps: load, enter, leave, the frame (keys, buttons, marker, draw) and
// the actions of the panel buttons.
#include <cmath>
#include <string>
#include "content/level_catalogue.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "gui/dialog.h"
#include "gui/gui_factories.h"
#include "gui/gui_text.h"
#include "gui/later_hooks.h"
#include "gui/map_state.h"
#include "gui/modal.h"
#include "gui/msg_boxes.h"
#include "gui/picture_dialogs.h"
#include "play/level_run.h"
#include "play/level_state.h"
#include "play/match.h"
#include "play/treasures.h"
#include "shell/app_state.h"
#include "shell/log.h"
#include "shell/players.h"
#include "shell/resource.h"
#include "shell/screen.h"
#include "shell/texts.h"

LCM_State LCM;

namespace {
const std::string kBtnDir = ".\\Images\\LevelChooseMenu\\lcm_btns\\";
constexpr int kPanelX = 103, kPanelY = 539;
constexpr int kStartFont = 6;

TImage* Load(const std::string& name) {
    return Gfx_LoadImage(Asset_Path(name));
}
TImage* Load_Mid(const std::string& name) {
    TImage* img = Load(kBtnDir + name);
    Gfx_MidHandle(img);
    return img;
}

void Set_Flag(GUIBtn* b, int flag, bool on) {
    if (b) b->states = on ? (b->states | flag) : (b->states & ~flag);
}
bool Disabled(int id) {
    return !LCM.btn[id] || (LCM.btn[id]->states & BTN_DISABLED);
}

void Begin_Level() {
    Screen_Set(1);
}

// Starts the selected level; a pack's first level shows its city first.
void Start_Action(GUIBtn* = nullptr) {
    if (Disabled(MAP_BTN_START) || !LCM_Valid(LCM.selected)) return;
    int level = LCM.selected + 1;
    if (LCM.reason == 0)
        Dlg_NewRun(level);
    else
        LevelCrt = level;
    const LevelInfo* info = Level_Info(level);
    if (info && (info->flags & LEVEL_FLAG_CITY_BEFORE)) {
        LCM.city_no_start = 0;
        LCM.city = info->pack_id - 1;
        Dlg_OpenCity(LCM.city);
        return;
    }
    Begin_Level();
}

void Menu_Action(GUIBtn* = nullptr) {
    if (Disabled(MAP_BTN_MENU)) return;
    if (LCM.reason == 1 && LCM_Valid(LCM.selected) && Later.match_save_map) Later.match_save_map(LCM.selected + 1);
    Screen_Set(0);
}

void Treasures_Action(GUIBtn*) {
    int owned = Players.treasure_bits[CurrentPlayer >= 0 && CurrentPlayer < kPlayerSlots ? CurrentPlayer : 0];
    for (int i = 0; i < TREASURES_COUNT && !(owned & (1 << LCM.treasure_index)); ++i)
        if (owned & (1 << i)) LCM.treasure_index = i;
    Dlg_OpenTreasure(LCM.treasure_index);
}

void Load_Images() {
    if (LCM.bg) return;
    LCM.bg = Load(".\\Images\\levelchoosemenu\\lcm_bg.jpg");
    LCM.panel = Load(".\\Images\\levelchoosemenu\\lcm_interf.png");
    GUI_Factory_Shared& s = GUI_Shared;
    s.level_default = Load(kBtnDir + "btn_level_default.png");
    s.sub_default = Load(kBtnDir + "btn_subpack_default.png");
    s.sub_hovered = Load(kBtnDir + "btn_subpack_hovered.png");
    s.sub_pressed = Load(kBtnDir + "btn_subpack_pressed.png");
    s.level_marker = Load_Mid("btn_selected.png");
    s.arrow_default = Load_Mid("btn_arrow_default.png");
    s.arrow_hovered = Load_Mid("btn_arrow_hovered.png");
    s.arrow_pressed = Load_Mid("btn_arrow_pressed.png");
}

void Build_Buttons() {
    LCM.buttons.Clear();
    LCM.nodes.clear();
    LCM.selected = -1;
    LCM.btn[MAP_BTN_MENU] = LCM.buttons.Add(Large_Create(MAP_BTN_MENU, 109, 541, Menu_Action, TxtLevelChoose[0]));
    GUIBtn* start = LCM.buttons.Add(Large_Create(MAP_BTN_START, 312, 541, Start_Action, TxtLevelChoose[1]));
    start->caption_font = GUI_Font(kStartFont);
    start->caption_y -= 2;
    LCM.btn[MAP_BTN_START] = start;
    LCM.btn[MAP_BTN_TREASURES] =
        LCM.buttons.Add(Large_Create(MAP_BTN_TREASURES, 514, 541, Treasures_Action, TxtLevelChoose[2]));
    for (int id = MAP_ARROW_FIRST; id <= MAP_ARROW_LAST; ++id) {
        LCM.btn[id] = LCM.buttons.Add(LevelArrow_Create(id));
        Set_Flag(LCM.btn[id], BTN_HIDDEN, true);
    }
    int count = Catalogue.count < kPlayerLevels ? Catalogue.count : kPlayerLevels;
    for (int i = 0; i < count; ++i) {
        const LevelInfo& l = Catalogue.levels[i];
        LCM.nodes.push_back(LCM.buttons.Add(Level_Create(MAP_NODE, l.scr_x, l.scr_y, i)));
    }
}

void Panel_Reset() {
    int owned = Players.treasure_bits[CurrentPlayer >= 0 && CurrentPlayer < kPlayerSlots ? CurrentPlayer : 0] &
                ((1 << TREASURES_COUNT) - 1);
    Set_Flag(LCM.btn[MAP_BTN_TREASURES], BTN_DISABLED, owned == 0);
    for (int i = 0; i < TREASURES_COUNT; ++i)
        if (owned & (1 << i)) {
            LCM.treasure_index = i;
            break;
        }
    Set_Flag(LCM.btn[MAP_BTN_START], BTN_DISABLED, false);
    Set_Flag(LCM.btn[MAP_BTN_MENU], BTN_DISABLED, false);
    LCM.btn[MAP_BTN_START]->caption = TxtLevelChoose[1];
    LCM.btn[MAP_BTN_MENU]->caption = TxtLevelChoose[0];
    LCM.btn[MAP_BTN_TREASURES]->caption = TxtLevelChoose[2];
}

void Enter() {
    Mouse_Show();
    Panel_Reset();
    LCM.reason = MatchInProgress;
    LCM.arrow_crossroad = -1;
    if (LCM.reason == 0)
        LCM_FreshEntry();
    else if (LCM.reason == 1)
        LCM_AfterWin();
    else
        Log_Line("hmm.. LCM_Enter_Reason = " + std::to_string(LCM.reason));
}

void Leave() {
    Modal_Close();
}

void Debug_Keys() {
    if (DebugMode != 1) return;
    if (Key_Hit(VK_ADD)) {
        LCM_Select(LCM.selected + 1);
    } else if (Key_Hit(VK_SUBTRACT)) {
        LCM_Select(LCM.selected - 1);
    } else if (Key_Hit(VK_SPACE) && LCM_Valid(LCM.selected)) {
        LevelCrt = LCM.selected + 1;
        Level_MarkComplete();
    }
}

void Marker_Pulse() {
    LCM.marker_clock += static_cast<int>(FrameTime);
    if (!LCM_Valid(LCM.selected)) return;
    GUIBtn* n = LCM.nodes[LCM.selected];
    int a = LCM.marker_clock / 2;
    float s = static_cast<float>(std::sin(a * M_PI / 180.0));
    const LevelInfo& l = Catalogue.levels[LCM.selected];
    n->img_selected_scale = (l.flags & LEVEL_FLAG_SUBPACK) ? 0.835f + 0.165f * s : 0.5f + 0.1f * s;
    n->img_selected_rotate = a % 360;
}

void Draw() {
    Dlg_Plain(BLEND_ALPHA);
    Gfx_DrawImage(LCM.bg, 0, 0, 0);
    Gfx_DrawImage(LCM.panel, kPanelX, kPanelY, 0);
    LCM.buttons.Draw_All();
    Dlg_Plain(BLEND_ALPHA);
    int owned = Players.treasure_bits[CurrentPlayer >= 0 && CurrentPlayer < kPlayerSlots ? CurrentPlayer : 0];
    for (int i = 0; i < TREASURES_COUNT; ++i)
        if (owned & (1 << i)) Gfx_DrawImage(Treasures[i].img, Treasures[i].x, Treasures[i].y, 0);
}

void Frame() {
    if (Key_Hit(VK_ESCAPE))
        Menu_Action();
    else if (Key_Hit(VK_RETURN))
        Start_Action();
    if (ScreenState != 2) return;
    Debug_Keys();
    if (ScreenState != 2) return;
    LCM.buttons.Update_All();
    if (ScreenState != 2) return;
    Marker_Pulse();
    Draw();
}

void Clear_Route() {
    MatchInProgress = 0;
}
int City_Shown() {
    return LCM.city_no_start;
}
void Disable_Panel(int on) {
    for (int id = 0; id < MAP_NODE; ++id)
        Set_Flag(LCM.btn[id], BTN_DISABLED, on != 0);
}
} // namespace

void Map_Load() {
    Catalogue_Build();
    Load_Images();
    GUI_Shared.level_up = LCM_NodeUp;
    GUI_Shared.arrow_up = LCM_ArrowUp;
    Build_Buttons();
    LCM_Select(0);
    Later.map_clear_route = Clear_Route;
    Later.map_city_shown = City_Shown;
    Later.map_pack_entry = Begin_Level;
    Later.map_disable_buttons = Disable_Panel;
}

void Map_Register() {
    Screen_Register(2, {Enter, Leave, Frame});
}

GUIBtn* Map_Button(int id) {
    return id >= 0 && id < MAP_NODE ? LCM.btn[id] : nullptr;
}

GUIBtn* Map_Node(int level) {
    return LCM_Valid(level) ? LCM.nodes[level] : nullptr;
}

int Map_Selected() {
    return LCM.selected;
}

int Map_Reason() {
    return LCM.reason;
}

int Map_VictoryCount() {
    return LCM.victories;
}

int Map_ArrowsShown() {
    int n = 0;
    for (int id = MAP_ARROW_FIRST; id <= MAP_ARROW_LAST; ++id)
        n += LCM.btn[id] && !(LCM.btn[id]->states & BTN_HIDDEN);
    return n;
}
