// The victory picture: the main menu's valley in golden festive light, the portal to the land of
// youth open and shining, and the five treasures won on the journey laid out on its steps. The
// victory screen draws the menu's flag, birds and tree over it, its words in dark blue at the top
// right and "press any key" in black at the bottom right, so both corners are kept light.
#include <cmath>
#include "content/gen/gen_dialog_art.h"
#include "content/gen/gen_dialog_kit.h"
#include "content/gen/gen_menu_art.h"

namespace {
const double kGateX = 350.5, kGateY = 400; // the middle of the portal's gateway

// Soft bright haze behind the places where the screen writes its words.
void Text_Light(cairo_t* cr) {
    cairo_pattern_t* p = cairo_pattern_create_radial(660, 80, 30, 660, 80, 300);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.98, 0.9, 0.75);
    cairo_pattern_add_color_stop_rgba(p, 0.55, 1, 0.96, 0.85, 0.5);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 0.95, 0.85, 0);
    cairo_rectangle(cr, 300, 0, 500, 360);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    Dlg_Spot(cr, 620, 578, 200, 110, {1, 0.95, 0.7}, 0.55);
}

// A pedestal of gold-trimmed marble on the steps, where one treasure rests.
void Pedestal(cairo_t* cr, double x, double base) {
    Dlg_Spot(cr, x + 4, base, 34, 7, {0, 0, 0}, 0.5);
    cairo_rectangle(cr, x - 24, base - 12, 48, 12);
    cairo_rectangle(cr, x - 18, base - 30, 36, 18);
    cairo_rectangle(cr, x - 26, base - 38, 52, 8);
    Dlg_FillRamp(cr, x - 26, 0, x + 26, 0,
                 {{0, {1, 0.97, 0.9}}, {0.6, {0.88, 0.84, 0.78}}, {1, {0.6, 0.56, 0.55}}}, true);
    Dlg_Outline(cr, 1.2, 0.6);
    for (double y : {base - 38.0, base - 12.0}) {
        cairo_rectangle(cr, x - (y < base - 20 ? 26 : 24), y, y < base - 20 ? 52 : 48, 3);
        Dlg_FillMetal(cr, kDlgGold, 0, y, 0, y + 3);
    }
}
} // namespace

void Dialog_Victory(const Manifest_Entry& e, Gen_Canvas& c) {
    cairo_t* cr = c.cr;
    Menu_Landscape(c, true);
    Text_Light(cr);
    Dlg_Rays(cr, kGateX, kGateY, 700, 22, 0.05, {1, 0.93, 0.7}, 0.14);
    Menu_Portal(c, true);
    Gen_Glow(cr, kGateX, kGateY + 10, 150, {1, 0.95, 0.75}, 0.55);
    // The five treasures on pedestals along the steps, the amulet, the key, in the middle.
    static const double at[5][2] = {{194, 0}, {272, 1}, {429, 2}, {507, 3}, {350.5, 4}};
    static const double size[5] = {30, 28, 30, 29, 30};
    for (int i = 0; i < 5; ++i) {
        double x = at[i][0], base = i == 4 ? 506 : 492;
        Pedestal(cr, x, base);
        Gen_Glow(cr, x, base - 62, 46, {1, 0.9, 0.55}, 0.55);
        Dlg_Treasure(cr, x, base - 64, size[i], static_cast<int>(at[i][1]));
    }
    Gen_Rng rng(e.name);
    for (int i = 0; i < 40; ++i) { // glitter drifting through the festive air
        double x = rng.Range(160, 780), y = rng.Range(20, 560);
        if (x > 480 && y < 190) continue; // keep the words' corner calm
        Dlg_Sparkle(cr, x, y, rng.Range(2.5, 7), rng.Range(0.4, 0.9));
    }
}
