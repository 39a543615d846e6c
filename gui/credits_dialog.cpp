// The credits window.
#include "gui/credits_dialog.h"
#include <string>
#include "engine/gfx.h"
#include "gui/dialog.h"
#include "gui/gui_factories.h"
#include "gui/gui_focus.h"
#include "gui/gui_list.h"
#include "gui/later_hooks.h"
#include "gui/modal.h"
#include "shell/app_state.h"
#include "shell/fonts.h"
#include "shell/options.h"
#include "shell/resource.h"
#include "shell/texts.h"

const char* const CreditsText =
    "Game design, programming and art: the Orbivale team. Music and sound: generated for the game. "
    "Fonts: the game's two open fonts. Thanks to everyone who played the early builds and "
    "sent us their high scores.";

namespace {
const std::string kDir = ".\\images\\mainmenu\\dlg_credits\\";
constexpr int kOffsetX = 10, kOffsetY = 41;

struct Credits_Window {
    TImage* bg = nullptr;
    TImage* studio = nullptr;
    int x = 0, y = 0;
    std::string version;
};
Credits_Window g;

void Back(GUIBtn*) {
    Modal_Close();
    if (Later.open_options) Later.open_options();
}

void Place() {
    g.x = ScreenCenterX - Gfx_ImageWidth(g.bg) / 2 + kOffsetX;
    g.y = ScreenCenterY - Gfx_ImageHeight(g.bg) / 2 + kOffsetY;
    Dlg.buttons.Clear();
    Dlg.focus_keys = FOCUS_ALL_KEYS;
    Dlg.buttons.Add(Large_Create(0, g.x + 122, g.y + 435, Back, TxtCreditsBack[0]));
}

void Update() {
    Dlg.buttons.Update_All();
}

void Draw() {
    Dlg_Plain(BLEND_ALPHA);
    float x = static_cast<float>(g.x), y = static_cast<float>(g.y);
    Gfx_DrawImage(g.bg, x, y, 0);
    Gfx_DrawImage(g.studio, x, y, 0);
    Font_Select(6);
    Gfx_DrawText(TxtCreditsTitle, x + 60, y + 60);
    Font_Select(3);
    Text_Wrap(CreditsText, x + 100, y + 150, Gfx_ImageWidth(g.bg) - 150, 0, 0);
    Gfx_SetFont(nullptr);
    Gfx_SetColor(255, 255, 255);
    Gfx_DrawText(g.version, x + 50, y + Gfx_ImageHeight(g.bg) - Gfx_TextHeight() - 70);
    Dlg.buttons.Draw_All();
}
} // namespace

void CreditsDialog_Load() {
    g.bg = Gfx_LoadImage(Asset_Path(kDir + "dlg_credits_bg.png"));
    g.studio = Gfx_LoadImage(Asset_Path(kDir + "studio_logo.png"));
    g.version = std::string("Orbivale Version ") + Options_Version();
}

void CreditsDialog_Open() {
    Modal_Open(Place, Update, Draw, 1);
}

const char* CreditsDialog_VersionLine() {
    return g.version.c_str();
}
