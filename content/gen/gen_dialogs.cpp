// Art of the dialogs: the seven dialog skins and their button sets, the victory, help and city
// pictures, the tutorial arrow and the tutorial hint pictures.
#include <cmath>
#include <cstdlib>
#include <string>
#include "content/gen/gen_dialog_art.h"
#include "content/gen/gen_groups.h"

namespace {
void Picture(const Manifest_Entry& e, cairo_t* cr) {
    Gen_Rng rng(e.name);
    Gen_Rgb top = {0.25, 0.35, 0.55}, bottom = {0.08, 0.1, 0.2}, blotch = {0.8, 0.85, 1};
    if (Gen_Has(e.name, "help_"))
        top = {0.85, 0.78, 0.6}, bottom = {0.65, 0.55, 0.38}, blotch = {1, 0.95, 0.8};
    if (Gen_Has(e.name, "city_")) {
        static const Gen_Rgb skies[4][2] = {{{0.5, 0.65, 0.4}, {0.15, 0.25, 0.1}},
                                            {{0.35, 0.55, 0.75}, {0.1, 0.2, 0.35}},
                                            {{0.8, 0.9, 1}, {0.45, 0.6, 0.75}},
                                            {{0.75, 0.35, 0.15}, {0.25, 0.05, 0.02}}};
        int i = std::abs(e.name[e.name.size() - 5] - '0') % 4;
        top = skies[i][0], bottom = skies[i][1];
    }
    Gen_Backdrop(cr, e.frame_w, e.frame_h, top, bottom, blotch, rng, 50);
    if (Gen_Has(e.name, "city_") || Gen_Has(e.name, "victory")) { // a skyline of towers
        Gen_Rgb wall = Gen_Mix(bottom, {0, 0, 0}, 0.5);
        for (int i = 0; i < 9; ++i) {
            double x = 120 + i * 64 + rng.Range(-10, 10), tw = rng.Range(30, 56), th = rng.Range(80, 240);
            cairo_rectangle(cr, x, 600 - 120 - th, tw, th + 120);
            cairo_move_to(cr, x - 6, 600 - 120 - th);
            cairo_line_to(cr, x + tw / 2, 600 - 170 - th);
            cairo_line_to(cr, x + tw + 6, 600 - 120 - th);
            Gen_SetColor(cr, wall, 0.95);
            cairo_fill(cr);
        }
    }
    if (Gen_Has(e.name, "help_")) { // ruled lines as a page
        Gen_SetColor(cr, {0.45, 0.35, 0.2}, 0.35);
        cairo_set_line_width(cr, 2);
        for (int y = 120; y < 500; y += 36) {
            cairo_move_to(cr, 120, y);
            cairo_line_to(cr, 680, y);
        }
        cairo_stroke(cr);
    }
}

void Tutorial_Picture(const Manifest_Entry& e, cairo_t* cr) {
    int id = std::atoi(e.name.c_str() + e.name.rfind('\\') + 1);
    Gen_Panel(cr, 0, 0, e.frame_w, e.frame_h, 12, {0.25, 0.3, 0.45}, {0.1, 0.12, 0.2}, {0.78, 0.64, 0.32});
    double cx = e.frame_w / 2.0, cy = e.frame_h / 2.0;
    for (int k = -2; k <= 2; ++k)
        if (k != 0) Gen_Pearl(cr, cx + k * 30, cy + 20, 14, (id + k + 6) % 6, 0);
    static const int emblem[21] = {-1, -1, 1, -1, -1, -1, -1, -1, 3, -1, -1, -1, 5, 9, 0, 4, -1, -1, 2, 6, 7};
    Gen_Pearl(cr, cx, cy + 20, 14, id % 6, 0);
    if (id >= 0 && id < 21 && emblem[id] >= 0) Gen_Emblem(cr, cx, cy + 20, 30, emblem[id]);
    if (id == 3) Gen_Glow(cr, cx, cy - 30, 18, {1, 1, 1}, 0.8);
    if (id >= 9 && id <= 11) Gen_Star(cr, cx, cy - 28, 20, 8, 5, 0, {0.95, 0.8, 0.3}, 1);
    if (id == 16 || id == 17)
        Gen_Sphere(cr, cx, cy - 28, 16, id == 16 ? Gen_Rgb{0.95, 0.78, 0.2} : Gen_Rgb{0.2, 0.8, 0.4});
}

void Arrow(cairo_t* cr, double w, double h) {
    cairo_new_path(cr);
    cairo_move_to(cr, w - 4, h / 2);
    cairo_line_to(cr, w * 0.45, 6);
    cairo_line_to(cr, w * 0.45, h * 0.35);
    cairo_line_to(cr, 4, h * 0.35);
    cairo_line_to(cr, 4, h * 0.65);
    cairo_line_to(cr, w * 0.45, h * 0.65);
    cairo_line_to(cr, w * 0.45, h - 6);
    cairo_close_path(cr);
    Gen_SetColor(cr, {1, 0.85, 0.3});
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2);
    Gen_SetColor(cr, {0.45, 0.3, 0.05});
    cairo_stroke(cr);
}

// Skin number 0..6 of a "dlgN_..." name, or -1.
int Skin_Of(const std::string& name) {
    size_t at = name.rfind("\\dlg");
    if (at == std::string::npos || at + 4 >= name.size()) return -1;
    int n = name[at + 4] - '1';
    return n >= 0 && n < 7 && name[at + 5] == '_' ? n : -1;
}
} // namespace

void Gen_DrawDialogs(const Manifest_Entry& e, Gen_Canvas& c) {
    cairo_t* cr = c.cr;
    if (e.format == FMT_JPG) return Picture(e, cr);
    if (Gen_Has(e.name, "\\Tutorial\\")) return Tutorial_Picture(e, cr);
    if (Gen_Has(e.name, "arrow.png")) return Arrow(cr, e.frame_w, e.frame_h);
    if (Gen_Has(e.name, "_btn_")) return Dialog_Button(e, c);
    Dialog_Skin(e, c, Skin_Of(e.name));
}
