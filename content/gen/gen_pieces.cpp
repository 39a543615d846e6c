// Art of the pearl modifiers, the coin and artefact items and the treasure icons; the pearl images
// themselves are drawn by gen_pearls.cpp.
#include <cmath>
#include <cstring>
#include <vector>
#include <algorithm>
#include <string>
#include "content/gen/gen_dialog_art.h"
#include "content/gen/gen_groups.h"
#include "content/gen/gen_pearls.h"

namespace {
double Phase(const Manifest_Entry& e, int f) {
    return e.frames > 1 ? static_cast<double>(f) / e.frames : 0;
}

// Strokes the current path as a glowing line: wide tinted halo, tinted body, white core.
void Glow_Stroke(cairo_t* cr, double w, Gen_Rgb c) {
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    const double widths[3] = {w * 3.2, w * 1.7, w * 0.7};
    const double alphas[3] = {0.25, 0.9, 1};
    for (int i = 0; i < 3; ++i) {
        cairo_new_path(cr);
        cairo_append_path(cr, path);
        cairo_set_line_width(cr, widths[i]);
        Gen_SetColor(cr, i == 2 ? Gen_Mix(c, {1, 1, 1}, 0.75) : c, alphas[i]);
        cairo_stroke(cr);
    }
    cairo_path_destroy(path);
}

void Chain_Link(cairo_t* cr, double cx, double cy, double len, double wid, double angle, bool edge) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_new_path(cr);
    if (edge)
        Gen_RoundRectPath(cr, -len / 2, -wid * 0.22, len, wid * 0.44, wid * 0.22);
    else
        Gen_RoundRectPath(cr, -len / 2, -wid / 2, len, wid, wid / 2);
    cairo_restore(cr);
    cairo_set_line_width(cr, edge ? 2.2 : 3.4);
    Gen_SetColor(cr, {0.12, 0.12, 0.14});
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, edge ? 1.2 : 2);
    Gen_SetColor(cr, edge ? Gen_Rgb{0.62, 0.64, 0.7} : Gen_Rgb{0.85, 0.87, 0.92});
    cairo_stroke(cr);
}

void Digit_Path(cairo_t* cr, double cx, double cy, double s, int d) {
    double w = s * 0.55, x0 = cx - w / 2, y0 = cy - s / 2;
    if (d == 2) {
        cairo_arc(cr, cx, y0 + w / 2, w / 2, M_PI * 1.1, M_PI * 2.25);
        cairo_line_to(cr, x0, y0 + s);
        cairo_line_to(cr, x0 + w, y0 + s);
    } else {
        cairo_arc(cr, cx, y0 + s * 0.27, s * 0.25, M_PI * 1.1, M_PI * 2.5);
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, y0 + s * 0.73, s * 0.25, M_PI * 1.5, M_PI * 2.9);
    }
}

void Flame_Path(cairo_t* cr, double cx, double cy, double s) {
    cairo_move_to(cr, cx, cy - s);
    cairo_curve_to(cr, cx + s * 0.2, cy - s * 0.5, cx + s * 0.75, cy - s * 0.2, cx + s * 0.6, cy + s * 0.35);
    cairo_curve_to(cr, cx + s * 0.45, cy + s * 0.8, cx - s * 0.45, cy + s * 0.8, cx - s * 0.6, cy + s * 0.35);
    cairo_curve_to(cr, cx - s * 0.72, cy - s * 0.1, cx - s * 0.25, cy - s * 0.3, cx, cy - s);
    cairo_close_path(cr);
}
void Treasure(cairo_t* cr, double cx, double cy, double s, int i) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    Gen_Glow(cr, cx, cy, s * 0.75, {1, 0.9, 0.5}, 0.5);
    if (i == 0) { // cauldron
        Gen_Sphere(cr, cx, cy + s * 0.08, s * 0.32, {0.2, 0.2, 0.22});
        cairo_save(cr);
        cairo_translate(cr, cx, cy - s * 0.16);
        cairo_scale(cr, 1, 0.3);
        Gen_Ring(cr, 0, 0, s * 0.3, s * 0.12, {0.45, 0.45, 0.5}, 1);
        cairo_restore(cr);
        Gen_Glow(cr, cx, cy - s * 0.22, s * 0.2, {0.5, 1, 0.6}, 0.7);
    } else if (i == 1) { // stone
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, 1, 0.8);
        Gen_Sphere(cr, 0, 0, s * 0.36, {0.55, 0.55, 0.5});
        cairo_restore(cr);
        Gen_SetColor(cr, {0.3, 0.6, 1}, 0.9);
        cairo_set_line_width(cr, s * 0.04);
        cairo_move_to(cr, cx - s * 0.1, cy - s * 0.12);
        cairo_line_to(cr, cx, cy + s * 0.12);
        cairo_line_to(cr, cx + s * 0.1, cy - s * 0.12);
        cairo_stroke(cr);
    } else if (i == 2 || i == 3) { // sword, spear
        bool sword = i == 2;
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, sword ? 0 : M_PI / 5);
        Gen_SetColor(cr, {0.85, 0.88, 0.95});
        cairo_set_line_width(cr, s * (sword ? 0.08 : 0.04));
        cairo_move_to(cr, 0, s * 0.4);
        cairo_line_to(cr, 0, -s * (sword ? 0.25 : 0.1));
        cairo_stroke(cr);
        if (sword) {
            Gen_SetColor(cr, {0.85, 0.65, 0.2});
            cairo_move_to(cr, -s * 0.15, -s * 0.25);
            cairo_line_to(cr, s * 0.15, -s * 0.25);
            cairo_stroke(cr);
            cairo_set_line_width(cr, s * 0.06);
            cairo_move_to(cr, 0, -s * 0.27);
            cairo_line_to(cr, 0, -s * 0.42);
            cairo_stroke(cr);
        } else {
            cairo_new_path(cr);
            cairo_move_to(cr, 0, -s * 0.45);
            cairo_line_to(cr, s * 0.08, -s * 0.18);
            cairo_line_to(cr, 0, -s * 0.1);
            cairo_line_to(cr, -s * 0.08, -s * 0.18);
            cairo_close_path(cr);
            Gen_SetColor(cr, {1, 0.6, 0.2});
            cairo_fill(cr);
        }
        cairo_restore(cr);
    } else { // amulet
        Gen_Ring(cr, cx, cy - s * 0.18, s * 0.22, s * 0.03, {0.85, 0.7, 0.3}, 1);
        Gen_Sphere(cr, cx, cy + s * 0.1, s * 0.2, {0.9, 0.72, 0.25});
        Gen_Sphere(cr, cx, cy + s * 0.1, s * 0.09, {0.2, 0.8, 0.5});
    }
}

int Index_Of(const std::string& name, const char* const* list, int n) {
    for (int i = 0; i < n; ++i)
        if (Gen_Has(name, list[i])) return i;
    return -1;
}

// Glyph of modifier kind 0..9 in a 120-unit box centred on the origin (the pearl under it has
// a radius of about 26 there).
void Emblem_Glyph(cairo_t* cr, int kind, Gen_Rgb t) {
    cairo_new_path(cr);
    switch (kind) {
    case 0: // precision: cross hairs
        cairo_arc(cr, 0, 0, 15, 0, 2 * M_PI);
        for (int k = 0; k < 4; ++k) {
            double a = k * M_PI / 2;
            cairo_move_to(cr, 7 * std::cos(a), 7 * std::sin(a));
            cairo_line_to(cr, 25 * std::cos(a), 25 * std::sin(a));
        }
        Glow_Stroke(cr, 3, t);
        Gen_Glow(cr, 0, 0, 6, {1, 1, 1}, 1);
        break;
    case 1: // roll-back: a turning arrow
        cairo_arc_negative(cr, 0, 0, 16, M_PI * 0.15, -M_PI * 1.35);
        Glow_Stroke(cr, 3.4, t);
        cairo_new_path(cr);
        cairo_move_to(cr, 16 * std::cos(M_PI * 0.15) - 8, 16 * std::sin(M_PI * 0.15) - 2);
        cairo_line_to(cr, 16 * std::cos(M_PI * 0.15), 16 * std::sin(M_PI * 0.15) + 9);
        cairo_line_to(cr, 16 * std::cos(M_PI * 0.15) + 8, 16 * std::sin(M_PI * 0.15) - 3);
        Glow_Stroke(cr, 3.4, t);
        break;
    case 2: // stardust
        Gen_Star(cr, -6, -4, 16, 3.5, 4, 0, t, 0.9);
        Gen_Star(cr, -6, -4, 11, 2.5, 4, 0, {1, 1, 1}, 1);
        Gen_Star(cr, 12, 10, 9, 2.2, 4, 0.4, t, 0.9);
        Gen_Star(cr, 12, -14, 6, 1.6, 4, 0.2, {1, 1, 1}, 1);
        break;
    case 3: // freeze: snowflake
        for (int k = 0; k < 6; ++k) {
            double a = k * M_PI / 3, c = std::cos(a), s = std::sin(a);
            cairo_move_to(cr, 0, 0);
            cairo_line_to(cr, 22 * c, 22 * s);
            for (int side = -1; side <= 1; side += 2) {
                double b = a + side * 0.75;
                cairo_move_to(cr, 12 * c, 12 * s);
                cairo_line_to(cr, 12 * c + 8 * std::cos(b), 12 * s + 8 * std::sin(b));
            }
        }
        Glow_Stroke(cr, 2.4, t);
        break;
    case 4: // flame orb
        Flame_Path(cr, 0, 2, 20);
        Glow_Stroke(cr, 2.8, t);
        Flame_Path(cr, 0, 8, 9);
        Gen_SetColor(cr, {1, 0.95, 0.6}, 0.9);
        cairo_fill(cr);
        break;
    case 5: // fireball: a comet
        for (int k = -1; k <= 1; ++k) {
            cairo_move_to(cr, -4, k * 7);
            cairo_line_to(cr, -24, k * 10);
        }
        Glow_Stroke(cr, 2.4, t);
        Gen_Glow(cr, 6, 0, 16, t, 1);
        Gen_Glow(cr, 6, 0, 8, {1, 1, 0.85}, 1);
        break;
    case 7:
    case 8: // double and triple score: x2, x3
        cairo_move_to(cr, -20, -8);
        cairo_line_to(cr, -6, 8);
        cairo_move_to(cr, -6, -8);
        cairo_line_to(cr, -20, 8);
        Digit_Path(cr, 9, 0, 24, kind == 7 ? 2 : 3);
        Glow_Stroke(cr, 3.2, t);
        break;
    default: // area bomb: a round bomb with a lit fuse
        cairo_arc(cr, -3, 4, 13, 0, 2 * M_PI);
        Glow_Stroke(cr, 2.6, t);
        cairo_new_path(cr);
        cairo_move_to(cr, 6, -6);
        cairo_curve_to(cr, 10, -14, 16, -14, 16, -20);
        Glow_Stroke(cr, 2, t);
        Gen_Star(cr, 17, -21, 9, 2, 4, 0.3, {1, 1, 0.8}, 1);
        break;
    }
}

void Chain_Ring(cairo_t* cr, double cx, double cy, double s) {
    for (int k = 0; k < 10; ++k) {
        double a = k * M_PI / 5;
        Chain_Link(cr, cx + s * 27.5 * std::cos(a), cy + s * 27.5 * std::sin(a), s * 13, s * 8.5,
                   a + M_PI / 2, k % 2);
    }
}

void Draw_Mod_Entry(const Manifest_Entry& e, Gen_Canvas& c) {
    static const char* const kinds[] = {"mod_precision.", "mod_reverse",  "mod_bomb.", "mod_pause",
                                        "mod_rev_clear",  "mod_fireball", "mod_chain", "mod_score2x",
                                        "mod_score3x",    "mod_bomb_zone"};
    cairo_t* cr = c.cr;
    double cx = e.frame_w / 2.0, cy = e.frame_h / 2.0;
    if (Gen_Has(e.name, "precision_circle")) { // light blend at the gun: a soft cyan aura
        Gen_Glow(cr, cx, cy, cx, {0.35, 0.75, 1}, 0.55);
        Gen_Ring(cr, cx, cy, cx * 0.62, 10, {0.4, 0.85, 1}, 0.25);
        Gen_Ring(cr, cx, cy, cx * 0.62, 2.5, {0.85, 1, 1}, 0.7);
        for (int k = 0; k < 12; ++k)
            Gen_Star(cr, cx + cx * 0.62 * std::cos(k * M_PI / 6), cy + cx * 0.62 * std::sin(k * M_PI / 6), 7,
                     1.5, 4, 0, {0.9, 1, 1}, 0.8);
        return;
    }
    if (Gen_Has(e.name, "precision_part")) { // one dot of the beam
        Gen_Glow(cr, cx, cy, cx, {0.5, 0.9, 1}, 1);
        Gen_Glow(cr, cx, cy, cx * 0.5, {1, 1, 1}, 1);
        return;
    }
    int kind = Index_Of(e.name, kinds, 10);
    Gen_Emblem(cr, cx, cy, cx, kind);
}

// A coin turning about its vertical axis; `phase` 0..1 is one turn.
void Coin(cairo_t* cr, double cx, double cy, double r, double phase, Gen_Rgb c) {
    double turn = 2 * M_PI * phase, sx = std::cos(turn);
    double w = std::max(std::fabs(sx), 0.06), edge = r * 0.16 * std::sin(turn);
    Gen_Glow(cr, cx, cy, r * 1.2, Gen_Mix(c, {1, 1, 1}, 0.5), 0.25);
    for (int i = 6; i >= 1; --i) { // the rim seen from the side
        cairo_save(cr);
        cairo_translate(cr, cx + edge * i / 6.0, cy);
        cairo_scale(cr, w, 1);
        cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
        cairo_restore(cr);
        Gen_SetColor(cr, Gen_Mix(c, {0, 0, 0}, 0.45));
        cairo_fill(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, w, 1);
    cairo_pattern_t* p = cairo_pattern_create_linear(-r, -r, r, r);
    Gen_Rgb hi = Gen_Mix(c, {1, 1, 1}, 0.55), lo = Gen_Mix(c, {0, 0, 0}, 0.3);
    double glint = 0.5 + 0.4 * std::sin(turn * 2);
    cairo_pattern_add_color_stop_rgb(p, 0, lo.r, lo.g, lo.b);
    cairo_pattern_add_color_stop_rgb(p, glint, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
    cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    Gen_Ring(cr, 0, 0, r * 0.8, r * 0.09, Gen_Mix(c, {0, 0, 0}, 0.35), 0.9);
    Gen_Star(cr, 0.6, 0.8, r * 0.52, r * 0.22, 5, 0, Gen_Mix(c, {0, 0, 0}, 0.45), 0.8);
    Gen_Star(cr, 0, 0, r * 0.5, r * 0.21, 5, 0, Gen_Mix(c, {1, 1, 1}, 0.45), 1);
    cairo_restore(cr);
    cairo_set_line_width(cr, 1);
}

// A cut gem of `sides` facets with a glint that sweeps across it.
void Gem(cairo_t* cr, double cx, double cy, double r, double phase, Gen_Rgb c, int sides) {
    Gen_Glow(cr, cx, cy, r * 1.6, c, 0.35 + 0.15 * std::sin(2 * M_PI * phase));
    std::vector<double> px, py;
    for (int i = 0; i < sides; ++i) {
        double a = -M_PI / 2 + i * 2 * M_PI / sides;
        px.push_back(cx + r * std::cos(a));
        py.push_back(cy + r * std::sin(a) * 1.08);
    }
    for (int i = 0; i < sides; ++i) { // outer facets, each lit by the turning light
        int j = (i + 1) % sides;
        double a = (i + 0.5) * 2 * M_PI / sides, lit = 0.5 + 0.5 * std::cos(a - 2 * M_PI * phase);
        cairo_new_path(cr);
        cairo_move_to(cr, px[i], py[i]);
        cairo_line_to(cr, px[j], py[j]);
        cairo_line_to(cr, cx + (px[j] - cx) * 0.55, cy + (py[j] - cy) * 0.55);
        cairo_line_to(cr, cx + (px[i] - cx) * 0.55, cy + (py[i] - cy) * 0.55);
        cairo_close_path(cr);
        Gen_SetColor(cr, Gen_Mix(Gen_Mix(c, {0, 0, 0}, 0.45), Gen_Mix(c, {1, 1, 1}, 0.45), lit));
        cairo_fill(cr);
    }
    cairo_new_path(cr);
    for (int i = 0; i < sides; ++i)
        cairo_line_to(cr, cx + (px[i] - cx) * 0.55, cy + (py[i] - cy) * 0.55);
    cairo_close_path(cr);
    Gen_SetColor(cr, Gen_Mix(c, {1, 1, 1}, 0.2 + 0.2 * std::cos(2 * M_PI * phase)));
    cairo_fill(cr);
    cairo_new_path(cr);
    for (int i = 0; i < sides; ++i)
        cairo_line_to(cr, px[i], py[i]);
    cairo_close_path(cr);
    cairo_set_line_width(cr, 1.2);
    Gen_SetColor(cr, Gen_Mix(c, {0, 0, 0}, 0.6));
    cairo_stroke(cr);
    double g = std::max(0.0, std::sin(2 * M_PI * phase));
    Gen_Star(cr, cx - r * 0.35, cy - r * 0.4, r * 0.7 * g + 1, r * 0.08, 4, 0, {1, 1, 1}, 0.95 * g);
}

void Draw_Item(const Manifest_Entry& e, Gen_Canvas& c) {
    int kind = e.name[e.name.size() - 5] - '0';
    static const Gen_Rgb metal[4] = {
        {0.8, 0.48, 0.22}, {0.78, 0.8, 0.86}, {0.98, 0.78, 0.2}, {0.55, 0.85, 0.95}};
    static const Gen_Rgb gem[4] = {{0.1, 0.8, 0.35}, {0.92, 0.1, 0.22}, {0.15, 0.4, 1}, {0.7, 0.25, 0.95}};
    static const int sides[4] = {8, 6, 5, 7};
    for (int f = 0; f < e.frames; ++f) {
        c.Cell(e, f);
        if (kind >= 0 && kind < 4)
            Coin(c.cr, 26, 26, 20, Phase(e, f), metal[kind]);
        else
            Gem(c.cr, 26, 26, 17, Phase(e, f), gem[(kind - 4) & 3], sides[(kind - 4) & 3]);
    }
}
} // namespace

void Gen_Emblem(cairo_t* cr, double cx, double cy, double r, int kind) {
    static const Gen_Rgb tint[10] = {{0.3, 0.85, 1}, {0.3, 1, 0.45}, {1, 0.85, 0.3},   {0.55, 0.8, 1},
                                     {1, 0.5, 0.1},  {1, 0.3, 0.08}, {0.7, 0.7, 0.75}, {1, 0.8, 0.2},
                                     {1, 0.6, 0.15}, {1, 0.25, 0.15}};
    double s = r / 60;
    if (kind == 6) return Chain_Ring(cr, cx, cy, r / 32);
    Gen_Rgb t = tint[kind >= 0 && kind < 10 ? kind : 0];
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, s, s);
    Gen_Glow(cr, 0, 0, 46, t, 0.3);
    Gen_Ring(cr, 0, 0, 30, 2.5, t, 0.8);
    Emblem_Glyph(cr, kind, t);
    cairo_restore(cr);
}

void Gen_DrawPieces(const Manifest_Entry& e, Gen_Canvas& c) {
    static const char* const treasures[] = {"cauldron", "stone", "sword", "spear", "amulet"};
    if (Gen_Has(e.name, "/mods/")) return Draw_Mod_Entry(e, c);
    if (Gen_Has(e.name, "/pieces/")) {
        Gen_DrawPearlEntry(e, c);
        return;
    }
    if (Gen_Has(e.name, "/items/")) return Draw_Item(e, c);
    int t = Index_Of(e.name, treasures, 5);
    if (Gen_Has(e.name, "dlg_")) return Dialog_Treasure(e, c, t);
    Treasure(c.cr, e.frame_w / 2.0, e.frame_h / 2.0, e.frame_w, t);
}
