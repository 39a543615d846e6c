// The one widget type of menus and dialogs: push buttons, check boxes, slider knobs, map
// nodes and arrows, list entries. A rectangle with up to seven image sets, a caption, a hit
// rectangle and three callbacks; its owner updates and draws it once per frame.
#pragma once
#include <memory>
#include <string>

struct TImage;
struct TImageFont;
struct GUIBtn;

using GUIBtn_Callback = void (*)(GUIBtn* btn);

// `states` bits.
constexpr int BTN_HOVERED = 0x01;    // the pointer is over the hit rectangle
constexpr int BTN_PRESSED = 0x02;    // left button went down on the widget and is held
constexpr int BTN_CLICKED = 0x04;    // a full press and release happened; kept until the pointer leaves
constexpr int BTN_BG_RUNNING = 0x08; // one run of the background strip is playing
constexpr int BTN_CHECKED = 0x10;
constexpr int BTN_DISABLED = 0x20;
constexpr int BTN_SELECTED = 0x40;
constexpr int BTN_HIDDEN = 0x80;

// `flags` bits: the first seven name image sets (and select them in SetInfo_Img).
constexpr int BTN_HAS_DEFAULT = 0x01;
constexpr int BTN_HAS_HOVERED = 0x02;
constexpr int BTN_HAS_PRESSED = 0x04;
constexpr int BTN_HAS_BG = 0x08;
constexpr int BTN_HAS_CHECK = 0x10;
constexpr int BTN_HAS_SELECTED = 0x20;
constexpr int BTN_HAS_DISABLED = 0x40;
constexpr int BTN_STYLE_CAPTION = 0x80;    // set by SetInfo_Caption's style; read by nothing
constexpr int BTN_SILENT = 0x100;          // no hover or click sound
constexpr int BTN_SELECTED_ON_TOP = 0x200; // the selection marker is drawn over the widget

constexpr int BTN_TYPE_SLIDER = 0x01; // `types`: a slider knob
constexpr int BTN_DRAGGING = 0x01;    // `states2`: the knob is being dragged

// One image set: image, current frame, frame count, ms per frame, countdown to the next frame.
struct GUIBtn_Img {
    TImage* img = nullptr;
    int crt = 0;
    int count = 0;
    int anim_period = 0;
    int anim_timer = 0;
    bool owned = false; // loaded by the widget (freed with it) rather than shared
};

struct GUIBtn {
    int x = 0, y = 0; // top-left of the images, screen units
    int id = 0;       // owner's number; for factory buttons also the caption's text id
    int rotate = 0;   // degrees, main image
    GUIBtn_Img img_default, img_hovered, img_pressed, img_bg, img_check, img_selected;
    int img_selected_x = 0, img_selected_y = 0; // subtracted from (x, y) to place the marker
    float img_selected_scale = 1.0f;
    int img_selected_rotate = 0;   // degrees
    int img_selected_centered = 0; // 1: marker moved by half its size (mid-handled images)
    GUIBtn_Img img_disabled;       // one image, no frames
    int hit_x_left = 0, hit_y_top = 0, hit_x_right = 0, hit_y_bottom = 0; // absolute screen units
    std::string caption;                                                  // "" for none
    TImageFont* caption_font = nullptr;                                   // shared with the font table
    int caption_r = 0, caption_g = 0, caption_b = 0;
    int caption_x = 0, caption_y = 0; // absolute centre of the caption
    GUIBtn_Callback On_MouseLeftDown = nullptr;
    GUIBtn_Callback On_MouseLeftUp = nullptr;
    GUIBtn_Callback On_MouseMove = nullptr;
    int states = 0;                         // BTN_HOVERED ... BTN_HIDDEN
    int flags = 0;                          // BTN_HAS_* and behaviour bits
    int types = 0;                          // BTN_TYPE_SLIDER
    int states2 = 0;                        // BTN_DRAGGING
    int slider_x_min = 0, slider_x_max = 0; // range of x for a slider knob
    int custom_data1 = 0, custom_data2 = 0; // owner data

    GUIBtn() = default;
    ~GUIBtn();
    GUIBtn(const GUIBtn&) = delete;
    GUIBtn& operator=(const GUIBtn&) = delete;

    // Initial state: images, caption and font dropped, frames and marker placement zeroed,
    // marker scale 1, callbacks null, states, flags, types, states2 and rotate 0.
    void Setup();
    // New widget with id at (x, y), set up.
    static std::unique_ptr<GUIBtn> Create(int id, int x, int y);
    // Moves the widget and its hit rectangle; the caption centre stays.
    void SetPos(int nx, int ny);
    // 1 when enabled and the pointer is inside the hit rectangle (its top row excluded).
    int IsHovered() const;
    // Makes the widget a slider knob whose x stays within [min, max].
    void Slider_Setup(int min, int max);
    // Drag: follows the pointer's horizontal motion while pressed.
    void Slider_Update();
    // One frame of interaction and background animation.
    void Update();
    // Draws the widget with the current drawing state's blend, colour and transform reset.
    void Draw();
    void SetInfo_Callback(GUIBtn_Callback down, GUIBtn_Callback up, GUIBtn_Callback move);
    // Loads stem + the suffix of the first set bit of which ("_default.png" ...): one image
    // when frames is 1, else a strip of frames cells of cell_w x cell_h; the widget owns it.
    // Returns the image (null when it failed to load); flags gain which either way.
    TImage* SetInfo_Img(const std::string& stem, int which, int frames, int period, int cell_w, int cell_h);
    // The same with an image shared with its loader.
    void SetInfo_Img2(TImage* image, int which, int frames, int period);
    // Caption, font and colour; centre at (x + dx, y + dy) now; style 0x80 goes into flags.
    void SetInfo_Caption(const std::string& text, TImageFont* font, int r, int g, int b, int style, int dx,
                         int dy);
    // Hit rectangle from (x + dx, y + dy), w by h.
    void SetInfo_Hit(int dx, int dy, int w, int h);
    // The image set named by a single BTN_HAS_* bit; null for other values.
    GUIBtn_Img* Img_Set(int bit);

  private:
    void Drop_Images();
    void Animate_Bg();
    void Draw_Marker();
    GUIBtn_Img* Main_Image();
};
