// Art of the boards: one opaque background per board, themed by pack (meadow, water, ice,
// fire, precious stones), and the decoration images (stone arches that tracks pass under).
#include <cmath>
#include <string>
#include "content/gen/gen_groups.h"

namespace {
struct Theme {
    const char* pack;
    Gen_Rgb top, bottom, blotch, stone;
};
const Theme kThemes[] = {
    {"Neutral", {0.35, 0.5, 0.25}, {0.2, 0.3, 0.12}, {0.6, 0.7, 0.35}, {0.55, 0.5, 0.42}},
    {"Water", {0.1, 0.35, 0.55}, {0.04, 0.15, 0.3}, {0.3, 0.6, 0.8}, {0.45, 0.55, 0.6}},
    {"Ice", {0.7, 0.85, 0.95}, {0.4, 0.55, 0.7}, {1, 1, 1}, {0.75, 0.85, 0.92}},
    {"Fire", {0.45, 0.12, 0.05}, {0.15, 0.03, 0.02}, {1, 0.45, 0.1}, {0.35, 0.25, 0.22}},
    {"Precious", {0.3, 0.15, 0.4}, {0.12, 0.05, 0.18}, {0.95, 0.8, 0.35}, {0.6, 0.5, 0.65}},
};

const Theme& Theme_Of(const std::string& name) {
    for (const Theme& t : kThemes)
        if (name.find(std::string("\\Boards\\") + t.pack + "\\") != std::string::npos) return t;
    return kThemes[0];
}

// A low pattern of tiles or ripples so a board is not a flat gradient.
void Pattern(cairo_t* cr, const Theme& t, Gen_Rng& rng) {
    cairo_set_line_width(cr, 1.5);
    for (int i = 0; i < 40; ++i) {
        double x = rng.Range(0, 800), y = rng.Range(0, 600), r = rng.Range(30, 90);
        Gen_SetColor(cr, t.blotch, 0.08);
        cairo_new_path(cr);
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        cairo_stroke(cr);
    }
}

void Arch(cairo_t* cr, double w, double h, Gen_Rgb stone, Gen_Rng& rng) {
    cairo_new_path(cr);
    cairo_move_to(cr, 4, h - 4);
    cairo_line_to(cr, 4, h * 0.35);
    cairo_curve_to(cr, 4, 4, w - 4, 4, w - 4, h * 0.35);
    cairo_line_to(cr, w - 4, h - 4);
    cairo_line_to(cr, w - 30, h - 4);
    cairo_line_to(cr, w - 30, h * 0.45);
    cairo_curve_to(cr, w - 30, h * 0.2, 30, h * 0.2, 30, h * 0.45);
    cairo_line_to(cr, 30, h - 4);
    cairo_close_path(cr);
    Gen_SetColor(cr, stone);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2);
    Gen_SetColor(cr, Gen_Mix(stone, {0, 0, 0}, 0.5));
    cairo_stroke(cr);
    for (int i = 0; i < 12; ++i)
        Gen_Glow(cr, rng.Range(8, w - 8), rng.Range(h * 0.2, h - 8), rng.Range(3, 8),
                 Gen_Mix(stone, {1, 1, 1}, 0.4), 0.3);
}
} // namespace

void Gen_DrawBoards(const Manifest_Entry& e, Gen_Canvas& c) {
    const Theme& t = Theme_Of(e.name);
    Gen_Rng rng(e.name);
    if (e.format == FMT_JPG) {
        Gen_Backdrop(c.cr, e.frame_w, e.frame_h, t.top, t.bottom, t.blotch, rng, 60);
        Pattern(c.cr, t, rng);
    } else {
        Arch(c.cr, e.frame_w, e.frame_h, t.stone, rng);
    }
}
