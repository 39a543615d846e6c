// Widget state, interaction and drawing.
#include "gui/gui_btn.h"
#include "engine/gfx.h"
#include "gui/gui_sound.h"
#include "shell/fonts.h"
#include "play/pointer.h"
#include "shell/app_state.h"
#include "shell/resource.h"

namespace {
// File suffixes of the image sets, by bit position 0..6.
const char* const kSuffixes[7] = {"_default.png", "_hovered.png",  "_pressed.png", "_bg.png",
                                  "_checked.png", "_selected.png", "_disabled.png"};
constexpr float kDisabledAlpha = 0.7f;

void Release(GUIBtn_Img& set) {
    if (set.owned && set.img) Gfx_FreeImage(set.img);
    set = GUIBtn_Img();
}
} // namespace

GUIBtn::~GUIBtn() {
    Drop_Images();
}

void GUIBtn::Drop_Images() {
    for (GUIBtn_Img* s :
         {&img_default, &img_hovered, &img_pressed, &img_bg, &img_check, &img_selected, &img_disabled})
        Release(*s);
}

void GUIBtn::Setup() {
    Drop_Images();
    caption.clear();
    caption_font = nullptr;
    img_selected_x = img_selected_y = 0;
    img_selected_rotate = 0;
    img_selected_centered = 0;
    img_selected_scale = 1.0f;
    On_MouseLeftDown = On_MouseLeftUp = On_MouseMove = nullptr;
    states = flags = types = states2 = 0;
    rotate = 0;
}

std::unique_ptr<GUIBtn> GUIBtn::Create(int id, int x, int y) {
    auto b = std::make_unique<GUIBtn>();
    b->id = id;
    b->x = x;
    b->y = y;
    b->Setup();
    return b;
}

void GUIBtn::SetPos(int nx, int ny) {
    int dx = nx - x, dy = ny - y;
    x = nx;
    y = ny;
    hit_x_left += dx;
    hit_x_right += dx;
    hit_y_top += dy;
    hit_y_bottom += dy;
}

int GUIBtn::IsHovered() const {
    if (states & BTN_DISABLED) return 0;
    return hit_x_left <= PtrX && PtrX <= hit_x_right && hit_y_top < PtrY && PtrY <= hit_y_bottom;
}

void GUIBtn::Slider_Setup(int min, int max) {
    types |= BTN_TYPE_SLIDER;
    slider_x_min = min;
    slider_x_max = max;
}

void GUIBtn::Slider_Update() {
    if (states & BTN_PRESSED)
        states2 |= BTN_DRAGGING;
    else
        states2 &= ~BTN_DRAGGING;
    if (!(states2 & BTN_DRAGGING) || PtrDX == 0) return;
    int nx = x + PtrDX;
    if (nx < slider_x_min) nx = slider_x_min;
    if (nx > slider_x_max) nx = slider_x_max;
    SetPos(nx, y);
}

void GUIBtn::Update() {
    if (states & (BTN_DISABLED | BTN_HIDDEN)) return;
    if (types & BTN_TYPE_SLIDER) Slider_Update();
    bool silent = flags & BTN_SILENT;
    if (IsHovered()) {
        if (!(states & (BTN_HOVERED | BTN_PRESSED)) && !silent)
            GUI_Sound_Play(GUI_SFX_HOVER, 1.0f, PtrX, PtrY);
        states |= BTN_HOVERED;
        if (MoveAccum != 0 && On_MouseMove) On_MouseMove(this);
    } else {
        states &= ~(BTN_HOVERED | BTN_PRESSED | BTN_CLICKED);
    }
    if (states & BTN_HOVERED) {
        if (LeftHit) {
            states |= BTN_PRESSED;
            if (!silent) GUI_Sound_Play(GUI_SFX_CLICK, 1.0f, PtrX, PtrY);
            LeftHit = 0;
            if (On_MouseLeftDown) On_MouseLeftDown(this);
        }
        if (LeftReleased && (states & BTN_PRESSED)) {
            states = (states | BTN_CLICKED) & ~BTN_PRESSED;
            LeftReleased = 0;
            if (On_MouseLeftUp) On_MouseLeftUp(this);
        }
    }
    Animate_Bg();
}

void GUIBtn::Animate_Bg() {
    if (!(flags & BTN_HAS_BG) || img_bg.count <= 1 || !(states & BTN_BG_RUNNING)) return;
    img_bg.anim_timer -= int(FrameTime);
    if (img_bg.anim_timer >= 0) return;
    img_bg.anim_timer = img_bg.anim_period;
    if (++img_bg.crt >= img_bg.count) {
        img_bg.crt = 0;
        states &= ~BTN_BG_RUNNING;
    }
}

GUIBtn_Img* GUIBtn::Img_Set(int bit) {
    switch (bit) {
    case BTN_HAS_DEFAULT:
        return &img_default;
    case BTN_HAS_HOVERED:
        return &img_hovered;
    case BTN_HAS_PRESSED:
        return &img_pressed;
    case BTN_HAS_BG:
        return &img_bg;
    case BTN_HAS_CHECK:
        return &img_check;
    case BTN_HAS_SELECTED:
        return &img_selected;
    case BTN_HAS_DISABLED:
        return &img_disabled;
    default:
        return nullptr;
    }
}

void GUIBtn::SetInfo_Callback(GUIBtn_Callback down, GUIBtn_Callback up, GUIBtn_Callback move) {
    On_MouseLeftDown = down;
    On_MouseLeftUp = up;
    On_MouseMove = move;
}

TImage* GUIBtn::SetInfo_Img(const std::string& stem, int which, int frames, int period, int cell_w,
                            int cell_h) {
    flags |= which;
    for (int i = 0; i < 7; ++i) {
        int bit = 1 << i;
        if (!(which & bit)) continue;
        std::string path = Asset_Path(stem + kSuffixes[i]);
        TImage* img = frames == 1 ? Gfx_LoadImage(path) : Gfx_LoadAnimImage(path, cell_w, cell_h, 0, frames);
        GUIBtn_Img* set = Img_Set(bit);
        Release(*set);
        set->img = img;
        set->owned = true;
        if (bit != BTN_HAS_DISABLED) {
            set->count = frames;
            set->anim_period = period;
        }
        return img;
    }
    return nullptr;
}

void GUIBtn::SetInfo_Img2(TImage* image, int which, int frames, int period) {
    flags |= which;
    for (int i = 0; i < 7; ++i) {
        int bit = 1 << i;
        if (!(which & bit)) continue;
        GUIBtn_Img* set = Img_Set(bit);
        Release(*set);
        set->img = image;
        set->owned = false;
        if (bit != BTN_HAS_DISABLED) {
            set->count = frames;
            set->anim_period = period;
        }
        return;
    }
}

void GUIBtn::SetInfo_Caption(const std::string& text, TImageFont* font, int r, int g, int b, int style,
                             int dx, int dy) {
    caption = text;
    caption_font = font;
    caption_r = r;
    caption_g = g;
    caption_b = b;
    flags |= style & BTN_STYLE_CAPTION;
    caption_x = x + dx;
    caption_y = y + dy;
}

void GUIBtn::SetInfo_Hit(int dx, int dy, int w, int h) {
    hit_x_left = x + dx;
    hit_y_top = y + dy;
    hit_x_right = x + dx + w;
    hit_y_bottom = y + dy + h;
}

GUIBtn_Img* GUIBtn::Main_Image() {
    if ((states & BTN_PRESSED) && (flags & BTN_HAS_PRESSED)) return &img_pressed;
    if ((states & BTN_DISABLED) && (flags & BTN_HAS_DISABLED)) return &img_disabled;
    if ((states & BTN_HOVERED) && (flags & BTN_HAS_HOVERED)) return &img_hovered;
    if ((states & BTN_CHECKED) && (flags & BTN_HAS_CHECK)) return &img_check;
    if (flags & BTN_HAS_DEFAULT) return &img_default;
    return nullptr;
}

void GUIBtn::Draw_Marker() {
    Gfx_SetScale(img_selected_scale, img_selected_scale);
    Gfx_SetRotation(float(img_selected_rotate));
    int mx = x - img_selected_x, my = y - img_selected_y;
    if (img_selected_centered == 1) {
        mx += Gfx_ImageWidth(img_selected.img) / 2;
        my += Gfx_ImageHeight(img_selected.img) / 2;
    }
    Gfx_DrawImage(img_selected.img, float(mx), float(my), img_selected.crt);
}

void GUIBtn::Draw() {
    if (states & BTN_HIDDEN) return;
    bool marker = (states & BTN_SELECTED) && (flags & BTN_HAS_SELECTED);
    bool on_top = flags & BTN_SELECTED_ON_TOP;
    if (flags & BTN_HAS_BG) Gfx_DrawImage(img_bg.img, float(x), float(y), img_bg.crt);
    if (marker && !on_top) Draw_Marker();
    Gfx_SetScale(1, 1);
    Gfx_SetRotation(float(rotate));
    GUIBtn_Img* main = Main_Image();
    Gfx_SetColor(255, 255, 255);
    Gfx_SetAlpha((states & BTN_DISABLED) && !(flags & BTN_HAS_DISABLED) ? kDisabledAlpha : 1.0f);
    Gfx_SetBlend(BLEND_ALPHA);
    if (main) Gfx_DrawImage(main->img, float(x), float(y), main == &img_disabled ? 0 : main->crt);
    if (!caption.empty()) {
        int r, g, b;
        Gfx_GetColor(r, g, b);
        Gfx_SetColor(caption_r, caption_g, caption_b);
        Gfx_SetFont(caption_font);
        Text_DrawCentred(caption, float(caption_x), float(caption_y));
        Gfx_SetColor(r, g, b);
    }
    Gfx_SetAlpha(1.0f);
    Gfx_SetBlend(BLEND_ALPHA);
    if (marker && on_top) {
        Gfx_SetScale(1, 1);
        Gfx_DrawImage(img_selected.img, float(x - img_selected_x), float(y - img_selected_y),
                      img_selected.crt);
    }
    Gfx_SetRotation(0);
}
