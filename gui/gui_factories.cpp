// Widget factories. A missing image keeps the widget usable: its hit rectangle and caption
// centre fall back to the image's nominal cell size.
#include "gui/gui_factories.h"
#include "content/level_catalogue.h"
#include "engine/gfx.h"
#include "gui/gui_text.h"

GUI_Factory_Shared GUI_Shared;

namespace {
const char* const kLargeStem = ".\\images\\mainmenu\\dlg_options\\btn_large";
const char* const kMainMenuStem = ".\\images\\mainmenu\\mm_btns\\mm_btn_normal";
const char* const kSmallStem = ".\\images\\mainmenu\\dlg_options\\btn_small";
const char* const kCursorStem = ".\\images\\mainmenu\\dlg_options\\btn_cursor";
const char* const kCheckStem = ".\\images\\mainmenu\\dlg_options\\btn_check";
const char* const kPlayersStem = ".\\images\\mainmenu\\dlg_players\\btn_players";
const char* const kMsgBoxStem = ".\\images\\GUI\\dlgs\\dlg1_btn";

struct Size {
    int w, h;
};

Size Size_Of(const TImage* img, Size fallback) {
    return img ? Size{Gfx_ImageWidth(img), Gfx_ImageHeight(img)} : fallback;
}

// Loads the sets in the given order, one image each; returns the size of the set named by
// `measure` (or the cell size when it failed to load).
Size Load_Sets(GUIBtn& b, const char* stem, std::initializer_list<int> sets, Size cell, int measure) {
    Size size = cell;
    for (int set : sets) {
        TImage* img = b.SetInfo_Img(stem, set, 1, 0, cell.w, cell.h);
        if (set == measure) size = Size_Of(img, cell);
    }
    return size;
}

void Centred_Caption(GUIBtn& b, const std::string& text, int font, Size image) {
    b.SetInfo_Caption(text, GUI_Font(font), 255, 255, 255, BTN_STYLE_CAPTION, image.w / 2, image.h / 2);
}

std::unique_ptr<GUIBtn> Captioned(int id, int x, int y, GUIBtn_Callback up, const char* stem, Size cell,
                                  const std::string& text, int font) {
    auto b = GUIBtn::Create(id, x, y);
    Size hov =
        Load_Sets(*b, stem, {BTN_HAS_HOVERED, BTN_HAS_PRESSED, BTN_HAS_DEFAULT}, cell, BTN_HAS_HOVERED);
    b->SetInfo_Callback(nullptr, up, nullptr);
    b->SetInfo_Hit(0, 0, hov.w, hov.h);
    Centred_Caption(*b, text, font, hov);
    return b;
}
} // namespace

std::unique_ptr<GUIBtn> Large_Create(int id, int x, int y, GUIBtn_Callback up, const std::string& text) {
    return Captioned(id, x, y, up, kLargeStem, {176, 49}, text, GUI_FONT_LARGE_BTN);
}

std::unique_ptr<GUIBtn> MM_Create(int id, int x, int y, GUIBtn_Callback up) {
    return Captioned(id, x, y, up, kMainMenuStem, {185, 50}, GUI_Text(GUI_TEXTS_MAIN_MENU, id),
                     GUI_FONT_MAIN_MENU);
}

std::unique_ptr<GUIBtn> Opt_Small_Create(int id, int x, int y, GUIBtn_Callback up) {
    return Captioned(id, x, y, up, kSmallStem, {62, 62}, GUI_Text(GUI_TEXTS_OPTIONS, id), GUI_FONT_OPTIONS);
}

std::unique_ptr<GUIBtn> Opt_Slider_Create(int id, int x, int y, GUIBtn_Callback up, GUIBtn_Callback move) {
    auto b = GUIBtn::Create(id, x, y);
    Size hov = Load_Sets(*b, kCursorStem, {BTN_HAS_HOVERED, BTN_HAS_DEFAULT, BTN_HAS_PRESSED}, {55, 55},
                         BTN_HAS_HOVERED);
    b->SetInfo_Callback(nullptr, up, move);
    b->SetInfo_Hit(0, 0, hov.w, hov.h);
    b->Slider_Setup(x, x + GUI_SLIDER_RANGE);
    return b;
}

std::unique_ptr<GUIBtn> Opt_Check_Create(int id, int x, int y, GUIBtn_Callback down) {
    auto b = GUIBtn::Create(id, x, y);
    Size def = Load_Sets(*b, kCheckStem, {BTN_HAS_CHECK, BTN_HAS_DEFAULT}, {34, 34}, BTN_HAS_DEFAULT);
    b->SetInfo_Callback(down, nullptr, nullptr);
    b->SetInfo_Hit(0, 0, def.w, def.h);
    return b;
}

std::unique_ptr<GUIBtn> Level_Create(int id, int x, int y, int level) {
    auto b = GUIBtn::Create(id, x, y);
    const GUI_Factory_Shared& s = GUI_Shared;
    b->custom_data1 = level;
    const LevelInfo* info = Level_Info(level + 1);
    bool subpack = info && (info->flags & LEVEL_FLAG_SUBPACK);
    TImage* def = subpack ? s.sub_default : s.level_default;
    if (subpack) {
        b->SetInfo_Img2(s.sub_hovered, BTN_HAS_HOVERED, 1, 0);
        b->SetInfo_Img2(s.sub_pressed, BTN_HAS_PRESSED, 1, 0);
    }
    b->SetInfo_Img2(def, BTN_HAS_DEFAULT, 1, 0);
    b->SetInfo_Img2(s.level_marker, BTN_HAS_SELECTED, 1, 0);
    b->img_selected_x = subpack ? 12 : 19;
    b->img_selected_y = subpack ? 13 : 19;
    b->img_selected_scale = subpack ? 1.0f : 0.6f;
    b->img_selected_centered = 1;
    b->SetInfo_Callback(nullptr, s.level_up, nullptr);
    b->SetInfo_Hit(0, 0, Gfx_ImageWidth(def), Gfx_ImageHeight(def));
    return b;
}

std::unique_ptr<GUIBtn> LevelArrow_Create(int id) {
    auto b = GUIBtn::Create(id, 0, 0);
    const GUI_Factory_Shared& s = GUI_Shared;
    b->SetInfo_Img2(s.arrow_hovered, BTN_HAS_HOVERED, 1, 0);
    b->SetInfo_Img2(s.arrow_pressed, BTN_HAS_PRESSED, 1, 0);
    b->SetInfo_Img2(s.arrow_default, BTN_HAS_DEFAULT, 1, 0);
    b->SetInfo_Callback(nullptr, s.arrow_up, nullptr);
    int w = Gfx_ImageWidth(s.arrow_default), h = Gfx_ImageHeight(s.arrow_default);
    b->SetInfo_Hit(-w / 2, -h / 2, w, h);
    return b;
}

std::unique_ptr<GUIBtn> MM_Players_Create(int id, int x, int y) {
    auto b = GUIBtn::Create(id, x, y);
    Size def =
        Load_Sets(*b, kPlayersStem, {BTN_HAS_HOVERED, BTN_HAS_PRESSED, BTN_HAS_DEFAULT, BTN_HAS_SELECTED},
                  {203, 49}, BTN_HAS_DEFAULT);
    b->flags |= BTN_SELECTED_ON_TOP;
    b->SetInfo_Callback(nullptr, GUI_Shared.player_up, nullptr);
    b->SetInfo_Hit(0, 0, def.w, def.h);
    return b;
}

std::unique_ptr<GUIBtn> MsgBox_Create(int id, int x, int y, GUIBtn_Callback up, int font) {
    auto b = GUIBtn::Create(id, x, y);
    Size cell{0, 0};
    Size def = Load_Sets(*b, kMsgBoxStem, {BTN_HAS_DEFAULT}, cell, BTN_HAS_DEFAULT);
    Size hov = Load_Sets(*b, kMsgBoxStem, {BTN_HAS_HOVERED}, def, BTN_HAS_HOVERED);
    Load_Sets(*b, kMsgBoxStem, {BTN_HAS_PRESSED}, def, 0);
    b->SetInfo_Callback(nullptr, up, nullptr);
    b->SetInfo_Hit(0, 0, def.w, def.h);
    Centred_Caption(*b, GUI_Text(GUI_TEXTS_MSGBOX, id), font, hov);
    return b;
}
