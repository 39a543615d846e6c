// Treasure, help, city, route hint and victory dialogs.
#include "gui/picture_dialogs.h"
#include <string>
#include "engine/gfx.h"
#include "engine/input.h"
#include "gui/dialog.h"
#include "gui/gui_factories.h"
#include "gui/later_hooks.h"
#include "gui/main_menu.h"
#include "gui/menu_sparkle.h"
#include "gui/modal.h"
#include "play/level_state.h"
#include "play/pointer.h"
#include "shell/app_state.h"
#include "shell/fonts.h"
#include "shell/players.h"
#include "shell/resource.h"
#include "shell/screen.h"
#include "shell/texts.h"

DlgTreasure DlgTreasures[TREASURE_COUNT];

namespace {
const std::string kDir = ".\\images\\GUI\\dlgs\\";
const char* const kTreasureNames[TREASURE_COUNT] = {"cauldron", "stone", "sword", "spear", "amulet"};
enum { kContinue = 4, kBack = 11, kPrev = 12, kNext = 13 };

struct Treasure_Layout {
    int text_x, text_y, text_dx, title_x, title_y, title_fit_w;
};
const Treasure_Layout kLayout[TREASURE_COUNT] = {
    {70, 320, 295, 210, 100, 330}, {70, 330, 300, 210, 100, 330}, {70, 320, 295, 250, 100, 250},
    {70, 340, 295, 262, 100, 225}, {52, 315, 323, 210, 100, 330},
};

struct City_Look {
    const char* name;
    int dx; // caption centre from the screen centre
    int r, g, b;
    bool tinted;
};
const City_Look kCities[4] = {
    {" Murias", -90, 255, 255, 255, false},
    {" Falias", 200, 19, 53, 114, true},
    {" Finias", 20, 26, 2, 0, true},
    {" Gorias", 75, 255, 255, 255, false},
};

struct Picture_Dialogs {
    TImage* help[2] = {};
    TImage* cities[4] = {};
    TImage* victory = nullptr;
    int treasure = 0;
    int page = 0;
    int from_tutorial = 0;
    int city = 0;
    int route_x = 0, route_y = 0; // point the map gave the route hint
};
Picture_Dialogs g;

TImage* Load(const std::string& name) {
    return Gfx_LoadImage(Asset_Path(kDir + name));
}

// Treasure dialog.
int Owned() {
    return Players.treasure_bits[CurrentPlayer] & ((1 << TREASURE_COUNT) - 1);
}
int Owned_Count() {
    int n = 0;
    for (int i = 0; i < TREASURE_COUNT; ++i)
        n += (Owned() >> i) & 1;
    return n;
}
void Step_Treasure(int dir) {
    for (int k = 1; k <= TREASURE_COUNT; ++k) {
        int i = ((g.treasure + dir * k) % TREASURE_COUNT + TREASURE_COUNT) % TREASURE_COUNT;
        if (Owned() & (1 << i)) {
            g.treasure = i;
            return;
        }
    }
}
void Treasure_Close(GUIBtn*) {
    Modal_Close();
}
void Treasure_Prev(GUIBtn*) {
    Step_Treasure(-1);
}
void Treasure_Next(GUIBtn*) {
    Step_Treasure(1);
}
void Treasure_Setup() {
    Dlg_Begin(DLG6);
    Dlg_Add(Large_Create(kContinue, Dlg.x + 121, Dlg.y + 435, Treasure_Close, TxtButtons[kContinue]));
    if (Owned_Count() > 1) {
        Dlg_SkinButton(DLG6, kPrev, 42, 437, Treasure_Prev, TxtButtons[kPrev], 6);
        Dlg_SkinButton(DLG6, kNext, 316, 437, Treasure_Next, TxtButtons[kNext], 6);
    }
}
void Treasure_Update() {
    if (Key_Hit(VK_ESCAPE) || Key_Hit(VK_RETURN) || Key_Hit(VK_SPACE)) return Treasure_Close(nullptr);
    Dlg.buttons.Update_All();
}
void Treasure_Draw() {
    const DlgTreasure& t = DlgTreasures[g.treasure];
    Dlg_DrawBg(DLG6);
    Gfx_DrawImage(t.img, Dlg.x, Dlg.y, 0);
    Dlg_Centred(t.font_title_id, TxtTreasureNames[g.treasure], t.title_x, t.title_y);
    Dlg_WrapLeft(t.font_id, TxtTreasureStory[g.treasure], t.text_x, t.text_y, t.text_dx);
    Dlg.buttons.Draw_All();
}

// Help pages.
void Help_Close(GUIBtn*) {
    Modal_Close();
    if (g.from_tutorial) {
        if (Later.tutorial_resume) Later.tutorial_resume();
    } else if (Later.open_options) {
        Later.open_options();
    }
}
void Help_Flip(GUIBtn*) {
    g.page = 1 - g.page;
}
void Help_Setup() {
    Dlg.buttons.Clear();
    Dlg_Centre(Gfx_ImageWidth(g.help[0]), Gfx_ImageHeight(g.help[0]));
    int close_id = g.from_tutorial ? kContinue : kBack;
    Dlg_SkinButton(DLG4, close_id, 318, 530, Help_Close, TxtButtons[close_id], 5);
    Dlg_SkinButton(DLG6, kPrev, 241, 534, Help_Flip, TxtButtons[kPrev], 6);
    Dlg_SkinButton(DLG6, kNext, 498, 534, Help_Flip, TxtButtons[kNext], 6);
}
void Help_Update() {
    if (Key_Hit(VK_ESCAPE) || Key_Hit(VK_RETURN) || Key_Hit(VK_SPACE)) return Help_Close(nullptr);
    Dlg.buttons.Update_All();
}
void Help_Draw() {
    Dlg_Plain(BLEND_SOLID);
    Gfx_DrawImage(g.help[g.page], Dlg.x, Dlg.y, 0);
    Dlg_Plain(BLEND_ALPHA);
    Dlg.buttons.Draw_All();
}

// City screen.
void City_Update() {
    int right = RightHit || Mouse_Hit(2);
    if (!Dlg_AnyKey() && !LeftHit && !right) return;
    Modal_Close();
    if (!(Later.map_city_shown && Later.map_city_shown()) && Later.map_pack_entry) Later.map_pack_entry();
}
void City_Draw() {
    const City_Look& c = kCities[g.city];
    Dlg_Plain(BLEND_SOLID);
    Gfx_DrawImage(g.cities[g.city], 0, 0, 0);
    Gfx_SetBlend(BLEND_ALPHA);
    int x = ScreenCenterX + c.dx;
    if (c.tinted) Gfx_SetColor(c.r, c.g, c.b);
    Font_Select(6);
    Text_DrawCentred(TxtApproaching + c.name, x, ScreenHeight - Gfx_TextHeight() - 30);
    Font_Select(4);
    Text_DrawCentred(TxtPressKey, x, ScreenHeight - Gfx_TextHeight() - 10);
    Gfx_SetColor(255, 255, 255);
}

// Route hint.
void Route_Setup() {
    int w = Dlg_W(DLG2), h = Dlg_H(DLG2);
    Dlg.buttons.Clear();
    Dlg.x = g.route_x + w > ScreenWidth ? g.route_x - w : g.route_x;
    Dlg.y = g.route_y + h > ScreenHeight ? g.route_y - h : g.route_y;
    Paused = 1;
}
void Route_Draw() {
    Dlg_DrawBg(DLG2);
    Dlg_WrapLeft(6, TxtMessages[10], 60, 75, Dlg_W(DLG2) - 120);
    Gfx_DrawImage(Dlg_Skins[DLG4].btn_disabled, Dlg.x + 121, Dlg.y + 170, 0);
}

// Victory screen.
void Victory_Setup() {
    if (Later.map_disable_buttons) Later.map_disable_buttons(1);
    MainMenu_BirdsClear();
}
void Victory_Update() {
    Menu_Sparkles_Update();
    Menu_Sparkles_Spawn_Portal();
    if (!Dlg_AnyKey()) return;
    Modal_Close();
    Screen_Set(0);
    if (Later.map_disable_buttons) Later.map_disable_buttons(0);
}
void Victory_Draw() {
    Dlg_Plain(BLEND_ALPHA);
    Gfx_DrawImage(g.victory, 0, 0, 0);
    MainMenu_DrawFlag(184, 112);
    MainMenu_BirdsFrame();
    MainMenu_DrawTree();
    Menu_Sparkles_Draw();
    Gfx_SetColor(27, 49, 86);
    Font_Select(4);
    Text_Wrap(TxtTitles[9], 495, 15, 310, 0, 0);
    Gfx_SetColor(0, 0, 0);
    Font_Select(3);
    Text_DrawCentred(TxtPressKey, 620, 580);
    Gfx_SetColor(255, 255, 255);
}
} // namespace

void PictureDialogs_Load() {
    int dlg6_h = Dlg_H(DLG6);
    for (int i = 0; i < TREASURE_COUNT; ++i) {
        const Treasure_Layout& l = kLayout[i];
        DlgTreasure& t = DlgTreasures[i];
        t.text_x = l.text_x;
        t.text_y = l.text_y;
        t.text_dx = l.text_dx;
        t.title_x = l.title_x;
        t.title_y = l.title_y;
        t.title_dx = 0;
        t.img = Load(std::string("treasures\\dlg_") + kTreasureNames[i] + ".png");
        t.font_id = Font_Fit(TxtTreasureStory[i], 5, l.text_dx, dlg6_h - l.text_y - 66);
        t.font_title_id = Font_Fit(TxtTreasureNames[i], 8, l.title_fit_w, 40);
    }
    for (int i = 0; i < 2; ++i)
        g.help[i] = Load("help\\help_" + std::to_string(i) + ".jpg");
    for (int i = 0; i < 4; ++i)
        g.cities[i] = Load("cities\\city_" + std::to_string(i) + ".jpg");
    g.victory = Load("victory\\victory_bg.jpg");
}

void Dlg_OpenTreasure(int i) {
    g.treasure = i >= 0 && i < TREASURE_COUNT ? i : 0;
    Modal_Open(Treasure_Setup, Treasure_Update, Treasure_Draw, 1);
}

int Dlg_TreasureShown() {
    return g.treasure;
}

void Dlg_OpenHelp(int page, int from_tutorial) {
    g.page = page == 1 ? 1 : 0;
    g.from_tutorial = from_tutorial;
    Modal_Open(Help_Setup, Help_Update, Help_Draw, 1);
}

int Dlg_HelpPage() {
    return g.page;
}

void Dlg_OpenCity(int city) {
    g.city = city >= 0 && city < 4 ? city : 0;
    Modal_Open(nullptr, City_Update, City_Draw, 1);
}

void Dlg_OpenRouteHint(int x, int y) {
    g.route_x = x;
    g.route_y = y;
    Modal_Open(Route_Setup, nullptr, Route_Draw, 0);
}

void Dlg_OpenVictory() {
    Modal_Open(Victory_Setup, Victory_Update, Victory_Draw, 1);
}
