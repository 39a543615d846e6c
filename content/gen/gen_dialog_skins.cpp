// The seven dialog skins and their buttons, and the in-game menu window: the menu dialogs'
// carved frame and blue page (gen_map.h) with a gold crest, grooves where each skin's buttons
// sit and the dividers of its layout, so every box reads as one family with the menus.
#include <cmath>
#include "content/gen/gen_dialog_art.h"
#include "content/gen/gen_groups.h"
#include "content/gen/gen_map.h"
#include "content/gen/gen_text.h"
#include "content/gen/gen_ui_art.h"

namespace {
const Gen_Rgb kGold = {0.86, 0.68, 0.32};

struct Slot {
    double x, y, w, h;
};

// Button places of each skin (relative to the dialog's origin) as the dialogs lay them out.
struct Skin_Layout {
    Slot slots[3];
    int count;
    double divider_y; // a gold rule across the page; 0 for none
};

const Skin_Layout kSkins[7] = {
    {{{39, 187, 160, 44}, {205, 187, 160, 44}}, 2, 0},                    // questions with two answers
    {{{121, 170, 160, 44}}, 1, 0},                                        // notices with one button
    {{{189, 287, 176, 49}}, 1, 200},                                      // level complete
    {{{175, 196, 130, 40}}, 1, 0},                                        // hint with a picture
    {{{140, 377, 176, 49}, {140, 429, 176, 49}}, 2, 0},                   // high scores
    {{{121, 435, 176, 49}, {42, 437, 60, 44}, {316, 437, 60, 44}}, 3, 0}, // treasures
    {{{175, 358, 130, 40}}, 1, 147},                                      // two hints
};

// The page behind the high scores: a faint band behind every other row.
void Score_Rows(cairo_t* cr) {
    for (int i = 0; i < 10; ++i) {
        if (i % 2) continue;
        Gen_RoundRectPath(cr, 58, 106 + i * 25.5, 340, 25, 8);
        Gen_SetColor(cr, {0.5, 0.7, 1}, 0.07);
        cairo_fill(cr);
    }
    Dialog_Rule(cr, 70, 386, 100);
    Dialog_Rule(cr, 70, 386, 366);
}

// The treasure skin: a lit niche where the treasure picture stands, and a rule under it.
void Treasure_Niche(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 209, 215);
    cairo_scale(cr, 1.5, 1);
    Gen_Glow(cr, 0, 0, 95, {0.55, 0.75, 1}, 0.22);
    cairo_restore(cr);
    Dialog_Rule(cr, 60, 358, 128);
    Dialog_Rule(cr, 60, 358, 306);
}
} // namespace

void Dialog_Crest(cairo_t* cr, double cx, double cy) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 44, cy);
    cairo_curve_to(cr, cx - 30, cy - 10, cx - 16, cy - 12, cx, cy - 16);
    cairo_curve_to(cr, cx + 16, cy - 12, cx + 30, cy - 10, cx + 44, cy);
    cairo_curve_to(cr, cx + 30, cy + 10, cx + 16, cy + 12, cx, cy + 16);
    cairo_curve_to(cr, cx - 16, cy + 12, cx - 30, cy + 10, cx - 44, cy);
    cairo_close_path(cr);
    Gen_SetColor(cr, {0.3, 0.17, 0.07});
    cairo_fill_preserve(cr);
    Gen_GoldStroke(cr, 2.2);
    Gen_Sphere(cr, cx, cy, 9, {0.25, 0.55, 0.95});
    Gen_Ring(cr, cx, cy, 10, 2, kGold, 1);
    for (int s : {-1, 1}) {
        Gen_Sphere(cr, cx + s * 24, cy, 4, {0.85, 0.15, 0.18});
        Gen_Star(cr, cx + s * 37, cy, 4, 1.5, 4, 0, {1, 0.9, 0.6}, 1);
    }
}

void Dialog_Rule(cairo_t* cr, double x0, double x1, double y) {
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, 0, x1, 0);
    cairo_pattern_add_color_stop_rgba(p, 0, kGold.r, kGold.g, kGold.b, 0);
    cairo_pattern_add_color_stop_rgba(p, 0.5, kGold.r, kGold.g, kGold.b, 0.9);
    cairo_pattern_add_color_stop_rgba(p, 1, kGold.r, kGold.g, kGold.b, 0);
    cairo_rectangle(cr, x0, y - 1, x1 - x0, 2);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    Gen_Star(cr, (x0 + x1) / 2, y, 6, 2, 4, 0, {1, 0.88, 0.55}, 1);
}

void Dialog_Skin(const Manifest_Entry& e, Gen_Canvas& c, int skin) {
    cairo_t* cr = c.cr;
    double w = e.frame_w, h = e.frame_h;
    Gen_Rng rng(e.name);
    Map_DialogFrame(cr, w, h, rng);
    if (skin < 0 || skin >= 7) return;
    const Skin_Layout& l = kSkins[skin];
    if (skin == 4) Score_Rows(cr);
    if (skin == 5) Treasure_Niche(cr);
    if (l.divider_y > 0) Dialog_Rule(cr, 40, w - 40, l.divider_y);
    for (int i = 0; i < l.count; ++i) {
        const Slot& s = l.slots[i];
        Map_Recess(cr, s.x - 3, s.y - 3, s.w + 6, s.h + 6, s.h / 2.5);
    }
    Dialog_Crest(cr, w / 2, 16);
}

void Dialog_Button(const Manifest_Entry& e, Gen_Canvas& c) {
    Gen_JewelButton(c.cr, e.frame_w, e.frame_h, e.frame_h * 0.36, Gen_StateOf(e.name), {0.12, 0.32, 0.55});
}

void Dialog_InGameMenu(const Manifest_Entry& e, Gen_Canvas& c) {
    cairo_t* cr = c.cr;
    double w = e.frame_w, h = e.frame_h;
    Gen_Rng rng(e.name);
    Map_DialogFrame(cr, w, h, rng);
    for (double y : {138.0, 189.0, 241.0})
        Map_Recess(cr, 118, y - 3, 182, 55, 18);
    // A banner with the pause word over the three choices.
    double bw = 200, bx = (w - bw) / 2, by = 48;
    Gen_RoundRectPath(cr, bx, by, bw, 52, 16);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, by, 0, by + 52);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.5, 0.31, 0.15);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.27, 0.14, 0.06);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    Gen_GoldStroke(cr, 2.5);
    Map_Text(cr, 1, 32, w / 2, by + 37, "PAUSE", {1, 0.86, 0.45});
    Dialog_Rule(cr, 60, w - 60, 304);
    Dialog_Crest(cr, w / 2, 16);
}
