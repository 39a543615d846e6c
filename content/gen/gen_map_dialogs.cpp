// Art of the main menu's player, options and credits dialogs and their widgets: a dark blue
// page in a carved wooden frame with gold trim, grooves where the buttons, the list entries and
// the slider knobs sit, enamel buttons, a gold slider knob and a check box.
#include <cmath>
#include "content/gen/gen_groups.h"
#include "content/gen/gen_map.h"
#include "content/gen/gen_raster.h"

namespace {
const Gen_Rgb kGold = {0.86, 0.68, 0.3};
const Gen_Rgb kInk = {0.1, 0.06, 0.03};
const Gen_Rgb kLabel = {0.96, 0.86, 0.56};

void Fill_Linear(cairo_t* cr, double y0, double y1, Gen_Rgb top, Gen_Rgb bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
}

// Wood grain: thin wavy darker lines across a band.
void Grain(cairo_t* cr, double w, double h, Gen_Rng& rng) {
    cairo_set_line_width(cr, 1);
    for (int i = 0; i < 60; ++i) {
        double y = rng.Range(0, h), a = rng.Range(1, 3), k = rng.Range(0.01, 0.03), ph = rng.Range(0, 6);
        cairo_new_path(cr);
        for (double x = 0; x <= w; x += 6)
            cairo_line_to(cr, x, y + a * std::sin(x * k + ph));
        Gen_SetColor(cr, {0.12, 0.06, 0.02}, rng.Range(0.1, 0.3));
        cairo_stroke(cr);
    }
}

// A gold corner ornament: a curl and a small gem.
void Corner(cairo_t* cr, double x, double y, double sx, double sy) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, sx, sy);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 30);
    cairo_curve_to(cr, 0, 10, 10, 0, 30, 0);
    cairo_move_to(cr, 6, 22);
    cairo_curve_to(cr, 6, 12, 12, 6, 22, 6);
    cairo_set_line_width(cr, 2.4);
    Gen_SetColor(cr, kInk, 0.6);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 1.4);
    Gen_SetColor(cr, kGold);
    cairo_stroke(cr);
    cairo_restore(cr);
    Gen_Sphere(cr, x + sx * 8, y + sy * 8, 4, {0.8, 0.12, 0.15});
}
} // namespace

void Map_DialogFrame(cairo_t* cr, double w, double h, Gen_Rng& rng) {
    const double r = 22, frame = 16;
    Gen_RoundRectPath(cr, 2, 2, w - 4, h - 4, r);
    Fill_Linear(cr, 0, h, {0.45, 0.27, 0.13}, {0.26, 0.14, 0.06});
    cairo_new_path(cr);
    cairo_save(cr);
    Gen_RoundRectPath(cr, 2, 2, w - 4, h - 4, r);
    cairo_clip(cr);
    Grain(cr, w, h, rng);
    cairo_restore(cr);
    Gen_RoundRectPath(cr, 2, 2, w - 4, h - 4, r);
    cairo_set_line_width(cr, 3);
    Gen_SetColor(cr, kInk);
    cairo_stroke(cr);
    Gen_RoundRectPath(cr, 5, 5, w - 10, h - 10, r - 3);
    cairo_set_line_width(cr, 1.2);
    Gen_SetColor(cr, {0.8, 0.55, 0.3}, 0.6);
    cairo_stroke(cr);
    // The page: deep blue lit from the top, with a faint pattern of rings like pearls.
    Gen_RoundRectPath(cr, frame, frame, w - 2 * frame, h - 2 * frame, r - 8);
    Fill_Linear(cr, frame, h - frame, {0.16, 0.27, 0.44}, {0.05, 0.09, 0.19});
    cairo_new_path(cr);
    cairo_save(cr);
    Gen_RoundRectPath(cr, frame, frame, w - 2 * frame, h - 2 * frame, r - 8);
    cairo_clip(cr);
    for (double y = frame + 14; y < h; y += 28)
        for (double x = frame + 14 + (static_cast<int>(y) / 28 % 2) * 14; x < w; x += 28)
            Gen_Ring(cr, x, y, 6, 1, {0.5, 0.7, 1}, 0.05);
    Gen_Glow(cr, w / 2, frame, w * 0.6, {0.5, 0.7, 1}, 0.18);
    cairo_restore(cr);
    Gen_RoundRectPath(cr, frame, frame, w - 2 * frame, h - 2 * frame, r - 8);
    cairo_set_line_width(cr, 4);
    Gen_SetColor(cr, kInk, 0.8);
    cairo_stroke(cr);
    Gen_RoundRectPath(cr, frame - 1, frame - 1, w - 2 * frame + 2, h - 2 * frame + 2, r - 7);
    cairo_set_line_width(cr, 2);
    Gen_SetColor(cr, kGold);
    cairo_stroke(cr);
    Gen_RoundRectPath(cr, frame + 3, frame + 3, w - 2 * frame - 6, h - 2 * frame - 6, r - 10);
    cairo_set_line_width(cr, 0.8);
    Gen_SetColor(cr, kGold, 0.5);
    cairo_stroke(cr);
    Corner(cr, frame + 4, frame + 4, 1, 1);
    Corner(cr, w - frame - 4, frame + 4, -1, 1);
    Corner(cr, frame + 4, h - frame - 4, 1, -1);
    Corner(cr, w - frame - 4, h - frame - 4, -1, -1);
}

void Map_Recess(cairo_t* cr, double x, double y, double w, double h, double r) {
    Gen_RoundRectPath(cr, x, y, w, h, r);
    Fill_Linear(cr, y, y + h, {0.02, 0.03, 0.07}, {0.1, 0.14, 0.24});
    cairo_set_line_width(cr, 1.2);
    Gen_SetColor(cr, {0.5, 0.65, 0.9}, 0.35);
    cairo_stroke(cr);
    Gen_RoundRectPath(cr, x + 1, y + 1, w - 2, h - 2, r - 1);
    cairo_set_line_width(cr, 1.5);
    Gen_SetColor(cr, {0, 0, 0}, 0.5);
    cairo_stroke(cr);
}

namespace {
// A title plaque across the top of a dialog.
void Title(cairo_t* cr, double w, const std::string& text) {
    double pw = 220, x = (w - pw) / 2;
    Gen_RoundRectPath(cr, x, 4, pw, 44, 14);
    Fill_Linear(cr, 4, 48, {0.55, 0.34, 0.16}, {0.3, 0.16, 0.06});
    cairo_set_line_width(cr, 2.5);
    Gen_SetColor(cr, kInk);
    cairo_stroke(cr);
    Gen_RoundRectPath(cr, x + 4, 8, pw - 8, 36, 11);
    cairo_set_line_width(cr, 1.5);
    Gen_SetColor(cr, kGold);
    cairo_stroke(cr);
    Map_Text(cr, 1, 28, w / 2, 36, text, {1, 0.86, 0.45});
}

// A groove for a slider with a label above it and its icon beside it.
void Slider_Groove(cairo_t* cr, double knob_x, double knob_y, const std::string& label, int icon) {
    double y = knob_y + 27.5, x0 = knob_x + 27.5, x1 = x0 + 201;
    Map_Text(cr, 0, 17, (x0 + x1) / 2, knob_y + 2, label, kLabel, 2);
    Gen_RoundRectPath(cr, x0 - 8, y - 6, x1 - x0 + 16, 12, 6);
    Fill_Linear(cr, y - 6, y + 6, {0.02, 0.02, 0.05}, {0.15, 0.2, 0.32});
    cairo_set_line_width(cr, 1.5);
    Gen_SetColor(cr, kGold, 0.8);
    cairo_stroke(cr);
    for (int k = 0; k <= 10; ++k) { // ticks, taller at the ends and the middle
        double x = x0 + k * 20.1, t = k % 5 == 0 ? 6 : 3;
        cairo_move_to(cr, x, y + 9);
        cairo_line_to(cr, x, y + 9 + t);
    }
    cairo_set_line_width(cr, 1.2);
    Gen_SetColor(cr, kGold, 0.7);
    cairo_stroke(cr);
    double ix = x1 + 52, iy = y;
    Gen_Glow(cr, ix, iy, 20, {0.5, 0.7, 1}, 0.2);
    Gen_SetColor(cr, kLabel);
    cairo_set_line_width(cr, 2.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (icon == 0) { // music: two beamed notes
        cairo_save(cr);
        cairo_translate(cr, ix - 8, iy + 7);
        cairo_scale(cr, 1.3, 1);
        cairo_arc(cr, 0, 0, 3.5, 0, 2 * M_PI);
        cairo_restore(cr);
        cairo_save(cr);
        cairo_translate(cr, ix + 8, iy + 4);
        cairo_scale(cr, 1.3, 1);
        cairo_arc(cr, 0, 0, 3.5, 0, 2 * M_PI);
        cairo_restore(cr);
        cairo_fill(cr);
        cairo_move_to(cr, ix - 4, iy + 7);
        cairo_line_to(cr, ix - 4, iy - 11);
        cairo_line_to(cr, ix + 12, iy - 14);
        cairo_line_to(cr, ix + 12, iy + 4);
        cairo_stroke(cr);
    } else if (icon == 1) { // effects: a speaker
        cairo_move_to(cr, ix - 12, iy - 4);
        cairo_line_to(cr, ix - 6, iy - 4);
        cairo_line_to(cr, ix + 1, iy - 10);
        cairo_line_to(cr, ix + 1, iy + 10);
        cairo_line_to(cr, ix - 6, iy + 4);
        cairo_line_to(cr, ix - 12, iy + 4);
        cairo_close_path(cr);
        cairo_fill(cr);
        for (int k = 1; k <= 2; ++k) {
            cairo_new_path(cr);
            cairo_arc(cr, ix + 1, iy, 5 + k * 4.5, -0.8, 0.8);
            cairo_stroke(cr);
        }
    } else { // ambience: a bird over waves
        cairo_move_to(cr, ix - 10, iy - 6);
        cairo_curve_to(cr, ix - 6, iy - 12, ix - 2, iy - 10, ix, iy - 5);
        cairo_curve_to(cr, ix + 2, iy - 10, ix + 6, iy - 12, ix + 10, iy - 6);
        cairo_stroke(cr);
        for (int k = 0; k < 2; ++k) {
            cairo_new_path(cr);
            for (double x = -12; x <= 12; x += 1)
                cairo_line_to(cr, ix + x, iy + 5 + k * 6 + 2 * std::sin(x * 0.5));
            cairo_stroke(cr);
        }
    }
}

void Players_Bg(cairo_t* cr, double w, double h) {
    Gen_Rng rng("dlg_players_bg");
    Map_DialogFrame(cr, w, h, rng);
    Title(cr, w, "Players");
    for (int s = 0; s < 10; ++s) {
        double x = s < 5 ? 43 : 274, y = 78 + 59 * (s % 5);
        Map_Recess(cr, x - 3, y - 3, 209, 55, 16);
        Gen_Sphere(cr, x - 14, y + 24.5, 5, Gen_PearlColor(s % 6));
    }
    const double buttons[3][2] = {{273, 396}, {70, 396}, {172, 450}};
    for (const auto& b : buttons)
        Map_Recess(cr, b[0] - 3, b[1] - 3, 182, 55, 16);
}

void Options_Bg(cairo_t* cr, double w, double h) {
    Gen_Rng rng("dlg_options_bg");
    Map_DialogFrame(cr, w, h, rng);
    Title(cr, w, "Options");
    Slider_Groove(cr, 91, 129, "Music", 0);
    Slider_Groove(cr, 91, 197, "Sound effects", 1);
    Slider_Groove(cr, 91, 264, "Ambience", 2);
    const double buttons[3][2] = {{140, 325}, {140, 377}, {140, 429}};
    for (const auto& b : buttons)
        Map_Recess(cr, b[0] - 3, b[1] - 3, 182, 55, 16);
    Map_Recess(cr, 109, 330, 40, 40, 8);
    for (double x : {68.0, 326.0}) {
        cairo_new_path(cr);
        cairo_arc(cr, x + 31, 371 + 31, 33, 0, 2 * M_PI);
        Fill_Linear(cr, 371 - 2, 371 + 64, {0.02, 0.03, 0.07}, {0.1, 0.14, 0.24});
        cairo_set_line_width(cr, 1.2);
        Gen_SetColor(cr, {0.5, 0.65, 0.9}, 0.35);
        cairo_stroke(cr);
    }
}

// The studio's badge: a gold ribbon threaded with the six pearls, kept in the top band of the
// credits page (the title is written below it).
void Studio_Logo(cairo_t* cr) {
    Gen_RoundRectPath(cr, 26, 22, 160, 30, 15);
    Fill_Linear(cr, 22, 52, {0.6, 0.38, 0.14}, {0.32, 0.17, 0.05});
    cairo_set_line_width(cr, 2);
    Gen_SetColor(cr, kInk);
    cairo_stroke(cr);
    Gen_RoundRectPath(cr, 29, 25, 154, 24, 12);
    cairo_set_line_width(cr, 1.2);
    Gen_SetColor(cr, kGold);
    cairo_stroke(cr);
    for (int k = 0; k < 6; ++k)
        Gen_Pearl(cr, 48 + k * 23.2, 37, 9, k, k / 6.0);
}

void Credits_Bg(cairo_t* cr, double w, double h) {
    Gen_Rng rng("dlg_credits_bg");
    Map_DialogFrame(cr, w, h, rng);
    Gen_RoundRectPath(cr, 40, 130, w - 80, h - 230, 14);
    Fill_Linear(cr, 130, h - 100, {0.04, 0.07, 0.15}, {0.08, 0.12, 0.22});
    cairo_set_line_width(cr, 1.2);
    Gen_SetColor(cr, kGold, 0.5);
    cairo_stroke(cr);
    Map_Recess(cr, 119, 432, 182, 55, 16);
}

// Enamel push button (the large and small option buttons and the player entries).
void Enamel(cairo_t* cr, double w, double h, const std::string& state, bool round) {
    bool hot = state == "hovered", down = state == "pressed", sel = state == "selected";
    double inset = down ? 3 : 2, r = round ? std::min(w, h) / 2 - inset : 15;
    Gen_Rgb face = down  ? Gen_Rgb{0.07, 0.15, 0.3}
                   : hot ? Gen_Rgb{0.18, 0.38, 0.64}
                         : Gen_Rgb{0.11, 0.25, 0.48};
    if (sel) face = {0.5, 0.32, 0.1};
    if (hot || sel) Gen_Glow(cr, w / 2, h / 2, std::max(w, h) * 0.6, {1, 0.9, 0.5}, 0.25);
    Gen_RoundRectPath(cr, inset, inset, w - 2 * inset, h - 2 * inset, r);
    Fill_Linear(cr, inset, h - inset, Gen_Mix(face, {1, 1, 1}, down ? 0.03 : 0.18),
                Gen_Mix(face, {0, 0, 0}, 0.5));
    cairo_set_line_width(cr, 3);
    Gen_SetColor(cr, kInk);
    cairo_stroke(cr);
    Gen_RoundRectPath(cr, inset + 1.5, inset + 1.5, w - 2 * inset - 3, h - 2 * inset - 3, r - 1.5);
    cairo_set_line_width(cr, 1.8);
    Gen_SetColor(cr, hot || sel ? Gen_Rgb{1, 0.9, 0.55} : kGold);
    cairo_stroke(cr);
    // Gloss over the upper half.
    cairo_save(cr);
    Gen_RoundRectPath(cr, inset + 4, inset + 3, w - 2 * inset - 8, (h - 2 * inset) * 0.45, r - 4);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, inset + 3, 0, inset + 3 + (h - 2 * inset) * 0.45);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, down ? 0.05 : 0.16);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
    if (sel)
        for (double x : {14.0, w - 14})
            Gen_Star(cr, x, h / 2, 6, 2.4, 4, 0, {1, 0.95, 0.6}, 0.95);
}

void Knob(cairo_t* cr, const std::string& state) {
    bool hot = state == "hovered", down = state == "pressed";
    double c = 27.5 + (down ? 0.7 : 0);
    if (hot) Gen_Glow(cr, c, c, 27, {1, 0.95, 0.6}, 0.6);
    Gen_Glow(cr, c + 2, c + 3, 20, {0, 0, 0}, 0.55);
    cairo_arc(cr, c, c, 16, 0, 2 * M_PI);
    Gen_SetColor(cr, kInk);
    cairo_fill(cr);
    Gen_Sphere(cr, c, c, 14.8, hot ? Gen_Rgb{1, 0.84, 0.4} : down ? Gen_Rgb{0.7, 0.5, 0.18} : kGold);
    for (int k = 0; k < 12; ++k) { // milled rim
        double a = k * M_PI / 6;
        cairo_move_to(cr, c + 11.5 * std::cos(a), c + 11.5 * std::sin(a));
        cairo_line_to(cr, c + 14.3 * std::cos(a), c + 14.3 * std::sin(a));
    }
    cairo_set_line_width(cr, 1.2);
    Gen_SetColor(cr, {0.35, 0.2, 0.05}, 0.7);
    cairo_stroke(cr);
    Gen_Sphere(cr, c, c, 7.5, down ? Gen_Rgb{0.5, 0.06, 0.1} : Gen_Rgb{0.85, 0.12, 0.18});
}

void Check(cairo_t* cr, bool checked) {
    Gen_RoundRectPath(cr, 3, 3, 28, 28, 6);
    Fill_Linear(cr, 3, 31, {0.05, 0.07, 0.14}, {0.18, 0.24, 0.38});
    cairo_set_line_width(cr, 2.5);
    Gen_SetColor(cr, kInk);
    cairo_stroke(cr);
    Gen_RoundRectPath(cr, 4.5, 4.5, 25, 25, 5);
    cairo_set_line_width(cr, 1.5);
    Gen_SetColor(cr, kGold);
    cairo_stroke(cr);
    if (!checked) return;
    cairo_new_path(cr);
    cairo_move_to(cr, 8, 17);
    cairo_line_to(cr, 14.5, 24);
    cairo_line_to(cr, 27, 7);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 6);
    Gen_SetColor(cr, kInk, 0.8);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 3.6);
    Gen_SetColor(cr, {0.45, 0.95, 0.35});
    cairo_stroke(cr);
}
} // namespace

bool Map_DrawDialogArt(const Manifest_Entry& e, Gen_Canvas& c) {
    cairo_t* cr = c.cr;
    double w = e.frame_w, h = e.frame_h;
    std::string state = Gen_StateOf(e.name);
    if (Gen_Has(e.name, "dlg_players_bg")) return Players_Bg(cr, w, h), true;
    if (Gen_Has(e.name, "dlg_options_bg")) return Options_Bg(cr, w, h), true;
    if (Gen_Has(e.name, "dlg_credits_bg")) return Credits_Bg(cr, w, h), true;
    if (Gen_Has(e.name, "dlg_credits\\studio_logo")) return Studio_Logo(cr), true;
    if (Gen_Has(e.name, "dlg_options\\btn_large_")) return Enamel(cr, w, h, state, false), true;
    if (Gen_Has(e.name, "dlg_options\\btn_small_")) return Enamel(cr, w, h, state, true), true;
    if (Gen_Has(e.name, "dlg_options\\btn_cursor_")) return Knob(cr, state), true;
    if (Gen_Has(e.name, "dlg_options\\btn_check_")) return Check(cr, state == "checked"), true;
    if (Gen_Has(e.name, "dlg_players\\btn_players_")) return Enamel(cr, w, h, state, false), true;
    return false;
}
