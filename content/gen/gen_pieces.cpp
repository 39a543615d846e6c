// Art of the pearls, the pearl modifiers, the coin and artefact items and the treasures.
#include <cmath>
#include <cstring>
#include <string>
#include "content/gen/gen_groups.h"

namespace {
// The cell's frame count as a phase 0..1 of frame f.
double Phase(const Manifest_Entry& e, int f) {
    return e.frames > 1 ? static_cast<double>(f) / e.frames : 0;
}

void Joker(cairo_t* cr, double cx, double cy, double r, double phase) {
    for (int k = 0; k < 6; ++k) {
        double a0 = 2 * M_PI * (k / 6.0 + phase), a1 = a0 + 2 * M_PI / 6;
        cairo_move_to(cr, cx, cy);
        cairo_arc(cr, cx, cy, r, a0, a1);
        cairo_close_path(cr);
        Gen_SetColor(cr, Gen_PearlColor(k));
        cairo_fill(cr);
    }
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.4, r * 0.05, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.7);
    cairo_pattern_add_color_stop_rgba(p, 0.5, 1, 1, 1, 0.1);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0.5);
    cairo_set_source(cr, p);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// A digit 2 or 3 drawn as strokes in a box of height s centred at (cx, cy).
void Digit(cairo_t* cr, double cx, double cy, double s, int d) {
    double w = s * 0.55, x0 = cx - w / 2, y0 = cy - s / 2;
    cairo_new_path(cr);
    if (d == 2) {
        cairo_arc(cr, cx, y0 + w / 2, w / 2, M_PI * 1.1, M_PI * 2.25);
        cairo_line_to(cr, x0, y0 + s);
        cairo_line_to(cr, x0 + w, y0 + s);
    } else {
        cairo_arc(cr, cx, y0 + s * 0.27, s * 0.25, M_PI * 1.1, M_PI * 2.5);
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, y0 + s * 0.73, s * 0.25, M_PI * 1.5, M_PI * 2.9);
    }
    cairo_set_line_width(cr, s * 0.16);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void Flame(cairo_t* cr, double cx, double cy, double r, Gen_Rgb outer, Gen_Rgb inner) {
    for (int layer = 0; layer < 2; ++layer) {
        double s = layer ? r * 0.6 : r;
        cairo_new_path(cr);
        cairo_move_to(cr, cx, cy - s);
        cairo_curve_to(cr, cx + s * 0.9, cy - s * 0.2, cx + s * 0.8, cy + s * 0.8, cx, cy + s * 0.8);
        cairo_curve_to(cr, cx - s * 0.8, cy + s * 0.8, cx - s * 0.9, cy - s * 0.2, cx, cy - s);
        Gen_SetColor(cr, layer ? inner : outer, 0.95);
        cairo_fill(cr);
    }
}

void Chain_Link(cairo_t* cr, double cx, double cy, double r, double angle) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_scale(cr, 1, 0.55);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_set_line_width(cr, r * 0.35);
    Gen_SetColor(cr, {0.55, 0.55, 0.6});
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, r * 0.12);
    Gen_SetColor(cr, {0.85, 0.85, 0.9});
    cairo_stroke(cr);
}

void Coin(cairo_t* cr, double cx, double cy, double r, double phase, Gen_Rgb c) {
    double sx = std::fabs(std::cos(2 * M_PI * phase));
    if (sx < 0.08) sx = 0.08;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, sx, 1);
    Gen_Sphere(cr, 0, 0, r, c);
    Gen_Ring(cr, 0, 0, r * 0.78, r * 0.1, Gen_Mix(c, {0, 0, 0}, 0.4), 0.8);
    Gen_Star(cr, 0, 0, r * 0.5, r * 0.22, 5, 0, Gen_Mix(c, {1, 1, 1}, 0.4), 0.9);
    cairo_restore(cr);
}

void Gem(cairo_t* cr, double cx, double cy, double r, double phase, Gen_Rgb c) {
    Gen_Glow(cr, cx, cy, r * (1.5 + 0.3 * std::sin(2 * M_PI * phase)), c, 0.6);
    const double pts[6][2] = {{0, -1}, {0.8, -0.35}, {0.55, 0.9}, {-0.55, 0.9}, {-0.8, -0.35}, {0, -1}};
    cairo_new_path(cr);
    for (auto& p : pts)
        cairo_line_to(cr, cx + p[0] * r, cy + p[1] * r);
    cairo_pattern_t* g = cairo_pattern_create_linear(cx - r, cy - r, cx + r, cy + r);
    Gen_Rgb hi = Gen_Mix(c, {1, 1, 1}, 0.6), lo = Gen_Mix(c, {0, 0, 0}, 0.5);
    cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    Gen_Star(cr, cx + r * 0.3 * std::cos(2 * M_PI * phase), cy - r * 0.3, r * 0.35, r * 0.06, 4, 0, {1, 1, 1},
             0.9);
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

void Draw_Pearl_Entry(const Manifest_Entry& e, Gen_Canvas& c) {
    static const char* const colours[] = {"00_", "01_", "02_", "03_", "04_", "05_"};
    int colour = Index_Of(e.name, colours, 6);
    double cx = e.frame_w / 2.0, cy = e.frame_h / 2.0;
    for (int f = 0; f < e.frames; ++f) {
        c.Cell(e, f);
        cairo_t* cr = c.cr;
        if (colour >= 0) Gen_Pearl(cr, cx, cy, 26, colour, Phase(e, f));
        if (Gen_Has(e.name, "18_joker")) Joker(cr, cx, cy, 26, Phase(e, f));
        if (Gen_Has(e.name, "16_pusher")) {
            Gen_Star(cr, cx, cy, 19, 12, 10, 0, {0.35, 0.2, 0.05}, 1);
            Gen_Sphere(cr, cx, cy, 13, {0.6, 0.38, 0.12});
        }
        if (Gen_Has(e.name, "17_rev_clear")) {
            Gen_Glow(cr, cx, cy, 78, {1, 0.45, 0.05}, 0.8);
            Flame(cr, cx, cy, 40, {1, 0.45, 0.1}, {1, 0.9, 0.4});
        }
        if (Gen_Has(e.name, "19_alarm")) {
            Gen_Glow(cr, cx, cy, 20, {1, 0.2, 0.1}, 0.8);
            Gen_Sphere(cr, cx, cy, 14, {0.95, 0.15, 0.1});
            Gen_Ring(cr, cx, cy, 9, 2, {1, 1, 1}, 0.8);
        }
        if (Gen_Has(e.name, "20_fireball")) {
            Gen_Glow(cr, cx, cy, 32, {1, 0.4, 0}, 0.9);
            Gen_Sphere(cr, cx, cy, 22, {1, 0.55, 0.1});
            Flame(cr, cx, cy, 16, {1, 0.8, 0.2}, {1, 1, 0.7});
        }
        if (Gen_Has(e.name, "21_win")) {
            Gen_Glow(cr, cx, cy, 32, {1, 0.9, 0.4}, 0.7);
            Gen_Sphere(cr, cx, cy, 25, {0.95, 0.8, 0.3});
            Gen_Star(cr, cx, cy, 15, 6, 5, 0, {1, 1, 0.85}, 0.9);
        }
        if (Gen_Has(e.name, "hovered")) {
            Gen_Ring(cr, cx, cy, 28, 4, {1, 1, 1}, 0.85);
            Gen_Glow(cr, cx, cy, 32, {1, 1, 0.8}, 0.3);
        }
    }
}

void Draw_Mod_Entry(const Manifest_Entry& e, Gen_Canvas& c) {
    static const char* const kinds[] = {"mod_precision.", "mod_reverse",  "mod_bomb.", "mod_pause",
                                        "mod_rev_clear",  "mod_fireball", "mod_chain", "mod_score2x",
                                        "mod_score3x",    "mod_bomb_zone"};
    cairo_t* cr = c.cr;
    double cx = e.frame_w / 2.0, cy = e.frame_h / 2.0;
    if (Gen_Has(e.name, "precision_circle")) {
        Gen_Glow(cr, cx, cy, cx, {0.6, 0.9, 1}, 0.7);
        Gen_Ring(cr, cx, cy, cx * 0.7, 3, {0.8, 1, 1}, 0.8);
        return;
    }
    if (Gen_Has(e.name, "precision_part")) {
        Gen_Glow(cr, cx, cy, cx, {0.8, 1, 1}, 1);
        return;
    }
    int kind = Index_Of(e.name, kinds, 10);
    Gen_Emblem(cr, cx, cy, cx, kind);
}
} // namespace

Gen_Rgb Gen_PearlColor(int color) {
    static const Gen_Rgb kColors[6] = {{0.1, 0.35, 0.95}, {0.1, 0.75, 0.15}, {0.85, 0.15, 0.75},
                                       {1.0, 0.55, 0.05}, {0.9, 0.08, 0.08}, {0.98, 0.9, 0.1}};
    return kColors[color >= 0 && color < 6 ? color : 0];
}

void Gen_Pearl(cairo_t* cr, double cx, double cy, double r, int color, double phase) {
    Gen_Rgb c = Gen_PearlColor(color);
    Gen_Sphere(cr, cx, cy, r, c);
    // Three spots on the surface turn with the phase, so the strip reads as a rolling pearl.
    cairo_save(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_clip(cr);
    for (int k = 0; k < 3; ++k) {
        double a = 2 * M_PI * (phase + k / 3.0), depth = std::cos(a);
        if (depth <= 0) continue;
        cairo_save(cr);
        cairo_translate(cr, cx + r * 0.1, cy + r * 0.75 * std::sin(a));
        cairo_scale(cr, 1, 0.25 + 0.75 * depth);
        Gen_Glow(cr, 0, 0, r * 0.45, Gen_Mix(c, {1, 1, 1}, 0.5), 0.45 * depth);
        cairo_restore(cr);
    }
    cairo_restore(cr);
}

void Gen_Emblem(cairo_t* cr, double cx, double cy, double r, int kind) {
    static const Gen_Rgb tint[10] = {{0.7, 0.95, 1}, {0.3, 1, 0.4},  {1, 0.9, 0.4},    {0.6, 0.85, 1},
                                     {1, 0.5, 0.1},  {1, 0.3, 0.1},  {0.7, 0.7, 0.75}, {1, 0.85, 0.2},
                                     {1, 0.7, 0.1},  {0.9, 0.2, 0.1}};
    Gen_Rgb t = tint[kind >= 0 && kind < 10 ? kind : 0];
    if (kind == 6) { // chain wrapped round the pearl
        for (int k = 0; k < 6; ++k) {
            double a = k * M_PI / 3;
            Chain_Link(cr, cx + r * 0.62 * std::cos(a), cy + r * 0.62 * std::sin(a), r * 0.28, a + M_PI / 2);
        }
        return;
    }
    Gen_Glow(cr, cx, cy, r, t, 0.35);
    Gen_Ring(cr, cx, cy, r * 0.78, r * 0.08, t, 0.9);
    double s = r * 0.35;
    Gen_SetColor(cr, t, 0.95);
    cairo_set_line_width(cr, r * 0.07);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    switch (kind) {
    case 0: // precision: cross hairs
        Gen_Ring(cr, cx, cy - r * 0.62, s * 0.4, r * 0.05, t, 0.95);
        break;
    case 1: // reverse: a turning arrow over the top
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, r * 0.62, M_PI * 1.15, M_PI * 1.85);
        cairo_stroke(cr);
        Gen_Star(cr, cx - r * 0.55, cy - r * 0.32, s * 0.35, s * 0.1, 3, 0, t, 0.95);
        break;
    case 2: // stardust
        for (int k = 0; k < 4; ++k)
            Gen_Star(cr, cx + r * 0.62 * std::cos(k * M_PI / 2 + 0.6),
                     cy + r * 0.62 * std::sin(k * M_PI / 2 + 0.6), s * 0.45, s * 0.15, 4, 0, t, 0.95);
        break;
    case 3: // freeze: snowflake arms on the ring
        for (int k = 0; k < 6; ++k) {
            double a = k * M_PI / 3;
            cairo_move_to(cr, cx + r * 0.5 * std::cos(a), cy + r * 0.5 * std::sin(a));
            cairo_line_to(cr, cx + r * 0.95 * std::cos(a), cy + r * 0.95 * std::sin(a));
        }
        cairo_stroke(cr);
        break;
    case 4:
    case 5: // flame orb, fireball
        Flame(cr, cx, cy - r * 0.62, s * 0.7, t, {1, 0.95, 0.5});
        break;
    case 7:
    case 8: // double, triple score: the digit above the pearl
        Digit(cr, cx, cy - r * 0.6, s, kind == 7 ? 2 : 3);
        break;
    default: // area bomb: a burst around the ring
        Gen_Star(cr, cx, cy, r * 0.98, r * 0.8, 12, 0, t, 0.6);
        break;
    }
}

void Gen_DrawPieces(const Manifest_Entry& e, Gen_Canvas& c) {
    static const char* const treasures[] = {"cauldron", "stone", "sword", "spear", "amulet"};
    if (Gen_Has(e.name, "/mods/")) return Draw_Mod_Entry(e, c);
    if (Gen_Has(e.name, "/pieces/")) return Draw_Pearl_Entry(e, c);
    if (Gen_Has(e.name, "/items/")) {
        int kind = e.name[e.name.size() - 5] - '0';
        static const Gen_Rgb metal[4] = {
            {0.8, 0.5, 0.25}, {0.8, 0.82, 0.86}, {0.95, 0.78, 0.2}, {0.85, 0.95, 1}};
        static const Gen_Rgb gem[4] = {{0.1, 0.8, 0.3}, {0.9, 0.1, 0.2}, {0.15, 0.35, 1}, {0.7, 0.2, 0.9}};
        for (int f = 0; f < e.frames; ++f) {
            c.Cell(e, f);
            if (kind < 4)
                Coin(c.cr, 26, 26, 21, Phase(e, f), metal[kind]);
            else
                Gem(c.cr, 26, 26, 15, Phase(e, f), gem[(kind - 4) & 3]);
        }
        return;
    }
    int t = Index_Of(e.name, treasures, 5);
    if (Gen_Has(e.name, "dlg_"))
        Treasure(c.cr, e.frame_w / 2.0, 200, 160, t);
    else
        Treasure(c.cr, e.frame_w / 2.0, e.frame_h / 2.0, e.frame_w, t);
}
