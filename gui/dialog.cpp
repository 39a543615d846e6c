// Dialog skins, the shared button list and the text placement helpers.
#include "gui/dialog.h"
#include "gui/gui_focus.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "gui/gui_factories.h"
#include "gui/gui_text.h"
#include "shell/app_state.h"
#include "shell/fonts.h"
#include "shell/resource.h"

Dlg_Skin Dlg_Skins[DLG_SKIN_COUNT];
Dlg_State Dlg;

namespace {
const char* const kDlgDir = ".\\images\\GUI\\dlgs\\dlg";

// Which button images each skin has: 0 none, 1 default/hovered/pressed, 2 plus disabled.
const int kSkinButtons[DLG_SKIN_COUNT] = {1, 1, 1, 2, 0, 1, 0};

TImage* Load(const std::string& name) {
    return Gfx_LoadImage(Asset_Path(name));
}

// Keys that type nothing: shift, control, alt, pause, caps lock, the windows keys, the lock keys.
bool Types_Nothing(int code) {
    return (code >= 16 && code <= 20) || code == 91 || code == 92 || code == 144 || code == 145 ||
           (code >= 160 && code <= 165);
}
} // namespace

void Dialogs_Load() {
    for (int i = 0; i < DLG_SKIN_COUNT; ++i) {
        Dlg_Skin& s = Dlg_Skins[i];
        std::string stem = kDlgDir + std::to_string(i + 1);
        s.bg = Load(stem + "_bg.png");
        if (kSkinButtons[i] == 0) continue;
        s.btn_default = Load(stem + "_btn_default.png");
        s.btn_hovered = Load(stem + "_btn_hovered.png");
        s.btn_pressed = Load(stem + "_btn_pressed.png");
        if (kSkinButtons[i] == 2) s.btn_disabled = Load(stem + "_btn_disabled.png");
    }
}

int Dlg_W(int skin) {
    return skin >= 0 && skin < DLG_SKIN_COUNT ? Gfx_ImageWidth(Dlg_Skins[skin].bg) : 0;
}

int Dlg_H(int skin) {
    return skin >= 0 && skin < DLG_SKIN_COUNT ? Gfx_ImageHeight(Dlg_Skins[skin].bg) : 0;
}

void Dlg_Centre(int w, int h) {
    Dlg.x = ScreenCenterX - w / 2;
    Dlg.y = ScreenCenterY - h / 2;
}

void Dlg_Begin(int skin) {
    Dlg.buttons.Clear();
    Dlg.focus_keys = FOCUS_ALL_KEYS;
    Dlg_Centre(Dlg_W(skin), Dlg_H(skin));
}

GUIBtn* Dlg_Add(std::unique_ptr<GUIBtn> btn) {
    return Dlg.buttons.Add(std::move(btn));
}

GUIBtn* Dlg_Button(int id, int dx, int dy, GUIBtn_Callback up, int font) {
    return Dlg_Add(MsgBox_Create(id, Dlg.x + dx, Dlg.y + dy, up, font));
}

GUIBtn* Dlg_SkinButton(int skin, int id, int dx, int dy, GUIBtn_Callback up, const std::string& caption,
                       int font) {
    const Dlg_Skin& s = Dlg_Skins[skin];
    auto b = GUIBtn::Create(id, Dlg.x + dx, Dlg.y + dy);
    b->SetInfo_Img2(s.btn_default, BTN_HAS_DEFAULT, 1, 0);
    b->SetInfo_Img2(s.btn_hovered, BTN_HAS_HOVERED, 1, 0);
    b->SetInfo_Img2(s.btn_pressed, BTN_HAS_PRESSED, 1, 0);
    b->SetInfo_Callback(nullptr, up, nullptr);
    b->SetInfo_Hit(0, 0, Gfx_ImageWidth(s.btn_default), Gfx_ImageHeight(s.btn_default));
    b->SetInfo_Caption(caption, GUI_Font(font), 255, 255, 255, BTN_STYLE_CAPTION,
                       Gfx_ImageWidth(s.btn_hovered) / 2, Gfx_ImageHeight(s.btn_hovered) / 2);
    return Dlg_Add(std::move(b));
}

void Dlg_Plain(int blend) {
    Gfx_SetRotation(0);
    Gfx_SetScale(1, 1);
    Gfx_SetAlpha(1);
    Gfx_SetColor(255, 255, 255);
    Gfx_SetBlend(blend);
}

void Dlg_DrawBg(int skin) {
    Dlg_Plain(BLEND_ALPHA);
    if (skin >= 0 && skin < DLG_SKIN_COUNT) Gfx_DrawImage(Dlg_Skins[skin].bg, Dlg.x, Dlg.y, 0);
}

void Dlg_WrapCentred(int font, const std::string& text, int dx, int dy, int width) {
    Font_Select(font);
    Text_Wrap(text, Dlg.x + dx, Dlg.y + dy, width, 0, 1);
}

void Dlg_WrapLeft(int font, const std::string& text, int dx, int dy, int width) {
    Font_Select(font);
    Text_Wrap(text, Dlg.x + dx, Dlg.y + dy, width, 0, 0);
}

void Dlg_Centred(int font, const std::string& text, int dx, int dy) {
    Font_Select(font);
    Text_DrawCentred(text, Dlg.x + dx, Dlg.y + dy);
}

int Dlg_AnyKey() {
    int any = 0;
    while (Char_Get() != 0)
        any = 1;
    for (int code = 1; code < 256; ++code)
        if (Key_Hit(code) && !Types_Nothing(code)) any = 1;
    return any;
}
