// Art of the main menu (landscape, portal, tree and fog layers, flag, birds, panel, buttons),
// the player, options and credits dialogs, the level-choose map and the loading logos.
#include <cmath>
#include <string>
#include "content/gen/gen_groups.h"
#include "content/gen/gen_map.h"

namespace {
const Gen_Rgb kGold = {0.78, 0.64, 0.32};

void Landscape(cairo_t* cr, Gen_Rng& rng) {
    Gen_Backdrop(cr, 800, 600, {0.45, 0.6, 0.85}, {0.95, 0.8, 0.6}, {1, 1, 1}, rng, 30);
    static const Gen_Rgb hills[3] = {{0.3, 0.45, 0.35}, {0.22, 0.38, 0.22}, {0.15, 0.28, 0.14}};
    for (int k = 0; k < 3; ++k) {
        double base = 380 + k * 70;
        cairo_new_path(cr);
        cairo_move_to(cr, 0, 600);
        for (int x = 0; x <= 800; x += 20)
            cairo_line_to(cr, x, base - 40 * std::sin(x * 0.01 + k * 1.7) - 20 * std::sin(x * 0.027 + k));
        cairo_line_to(cr, 800, 600);
        cairo_close_path(cr);
        Gen_SetColor(cr, hills[k]);
        cairo_fill(cr);
    }
}

void Portal(cairo_t* cr) {
    Gen_Glow(cr, 350, 415, 120, {0.8, 0.9, 1}, 0.6);
    cairo_new_path(cr);
    cairo_rectangle(cr, 210, 330, 30, 160);
    cairo_rectangle(cr, 460, 330, 30, 160);
    cairo_rectangle(cr, 195, 310, 310, 28);
    Gen_SetColor(cr, {0.5, 0.48, 0.45});
    cairo_fill(cr);
}

void Tree(cairo_t* cr) {
    cairo_rectangle(cr, 60, 250, 40, 350);
    Gen_SetColor(cr, {0.2, 0.12, 0.06});
    cairo_fill(cr);
    for (int k = 0; k < 6; ++k)
        Gen_Glow(cr, 80 + 40 * std::cos(k), 220 + 30 * std::sin(k * 1.3), 90, {0.1, 0.25, 0.08}, 1);
}

void Bird(cairo_t* cr, double w, double h, double phase, bool left) {
    double flap = std::sin(2 * M_PI * phase) * h * 0.3, cx = w / 2, cy = h / 2;
    double dir = left ? -1 : 1;
    cairo_new_path(cr);
    cairo_move_to(cr, cx - w * 0.42, cy - flap);
    cairo_curve_to(cr, cx - w * 0.3, cy - flap * 0.5, cx - w * 0.1, cy - flap * 0.1 - 2, cx, cy + 2);
    cairo_curve_to(cr, cx + w * 0.1, cy - flap * 0.1 - 2, cx + w * 0.3, cy - flap * 0.5, cx + w * 0.42,
                   cy - flap);
    cairo_set_line_width(cr, 2.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    Gen_SetColor(cr, {0.1, 0.1, 0.12});
    cairo_stroke(cr);
    Gen_Sphere(cr, cx + dir * 3, cy + 2, 2.5, {0.15, 0.15, 0.18});
}

void Flag(cairo_t* cr, double w, double h, double phase) {
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 2);
    for (int x = 0; x <= w; x += 3)
        cairo_line_to(cr, x, 2 + 2.5 * std::sin(x * 0.3 - 2 * M_PI * phase) * x / w);
    for (int x = static_cast<int>(w); x >= 0; x -= 3)
        cairo_line_to(cr, x, h - 2 + 2.5 * std::sin(x * 0.3 - 2 * M_PI * phase) * x / w);
    cairo_close_path(cr);
    Gen_SetColor(cr, {0.75, 0.1, 0.12});
    cairo_fill(cr);
}

void Logo(cairo_t* cr, double w, double h, Gen_Rng& rng) {
    Gen_Backdrop(cr, static_cast<int>(w), static_cast<int>(h), {0.12, 0.12, 0.2}, {0.02, 0.02, 0.05},
                 {0.5, 0.6, 1}, rng, 8);
    for (int c = 0; c < 6; ++c)
        Gen_Pearl(cr, w / 2 + (c - 2.5) * h * 0.14, h / 2, h * 0.06, c, c / 6.0);
}
} // namespace

void Gen_DrawMenus(const Manifest_Entry& e, Gen_Canvas& c) {
    if (Gen_DrawMapArt(e, c)) return;
    cairo_t* cr = c.cr;
    Gen_Rng rng(e.name);
    double w = e.frame_w, h = e.frame_h;
    if (Gen_Has(e.name, "mm_bg.bmp")) return Landscape(cr, rng);
    if (e.format == FMT_JPG) return Logo(cr, w, h, rng);
    if (Gen_Has(e.name, "mm_layer_01_portal")) return Portal(cr);
    if (Gen_Has(e.name, "mm_layer_05_tree")) return Tree(cr);
    if (Gen_Has(e.name, "mm_layer_10_fog")) {
        for (int i = 0; i < 40; ++i)
            Gen_Glow(cr, rng.Range(0, w), rng.Range(h * 0.3, h * 0.8), rng.Range(40, 110), {1, 1, 1}, 0.12);
        return;
    }
    if (Gen_Has(e.name, "mm_flag") || Gen_Has(e.name, "mm_bird")) {
        for (int f = 0; f < e.frames; ++f) {
            c.Cell(e, f);
            if (Gen_Has(e.name, "mm_flag"))
                Flag(c.cr, w, h, static_cast<double>(f) / e.frames);
            else
                Bird(c.cr, w, h, static_cast<double>(f) / e.frames, Gen_Has(e.name, "_left"));
        }
        return;
    }
    if (Gen_Has(e.name, "studio_logo")) {
        Gen_Panel(cr, 0, 0, w, h, 16, {0.12, 0.12, 0.2}, {0.02, 0.02, 0.05}, kGold);
        for (int k = 0; k < 6; ++k)
            Gen_Pearl(cr, w / 2 + (k - 2.5) * h * 0.22, h / 2, h * 0.09, k, k / 6.0);
        return;
    }
    if (Gen_Has(e.name, "btn_check")) {
        Gen_Button(cr, w, h, "default", {0.3, 0.3, 0.35}, false);
        if (Gen_StateOf(e.name) == "checked")
            Gen_Star(cr, w / 2, h / 2, w * 0.35, w * 0.12, 4, 0, {1, 0.9, 0.4}, 1);
        return;
    }
    if (Gen_Has(e.name, "btn_") && !Gen_Has(e.name, "_bg")) {
        bool round = Gen_Has(e.name, "mm_btn_play") || Gen_Has(e.name, "btn_cursor");
        Gen_Button(cr, w, h, Gen_StateOf(e.name), round ? Gen_Rgb{0.65, 0.45, 0.15} : Gen_Rgb{0.3, 0.4, 0.62},
                   round);
        return;
    }
    Gen_Panel(cr, 0, 0, w, h, 20, {0.22, 0.28, 0.42}, {0.08, 0.1, 0.18}, kGold);
}
