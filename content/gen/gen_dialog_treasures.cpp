// The five treasures of the realm, painted large: the steaming cauldron, the standing stone with
// its glowing spirals, the shining sword, the flaming spear and the amulet with the six pearls.
// The treasure dialog shows each one in the niche of its skin, under the title the dialog writes.
#include <cmath>
#include "content/gen/gen_dialog_art.h"
#include "content/gen/gen_dialog_kit.h"
#include "content/gen/gen_groups.h"

namespace {
const Gen_Rgb kInk = {0.1, 0.05, 0.02};

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

// A wisp of steam rising from (x, y), swaying as it thins out.
void Steam(cairo_t* cr, double x, double y, double sway, double height) {
    for (int k = 0; k < 3; ++k) {
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + sway, y - height * 0.3, x - sway, y - height * 0.65, x + sway * 0.5,
                       y - height);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cr, 16 - k * 5);
        Gen_SetColor(cr, {0.85, 1, 0.88}, 0.1 + k * 0.08);
        cairo_stroke(cr);
    }
}

void Cauldron(cairo_t* cr) {
    for (int k = -1; k <= 1; ++k) { // three legs
        cairo_move_to(cr, k * 50 - 9, 55);
        cairo_line_to(cr, k * 58 - 7, 92);
        cairo_line_to(cr, k * 58 + 9, 92);
        cairo_line_to(cr, k * 50 + 9, 55);
        cairo_close_path(cr);
        Dlg_FillMetal(cr, kDlgIron, k * 58 - 10, 0, k * 58 + 10, 0, true);
        Dlg_Outline(cr, 2);
    }
    cairo_move_to(cr, -84, -30); // the belly
    cairo_curve_to(cr, -100, 40, -50, 82, 0, 82);
    cairo_curve_to(cr, 50, 82, 100, 40, 84, -30);
    cairo_close_path(cr);
    Dlg_FillMetal(cr, kDlgIron, -95, -40, 95, 40, true);
    Dlg_Outline(cr, 2.5);
    for (int side = -1; side <= 1; side += 2) { // ring handles
        Gen_Ring(cr, side * 90, -14, 13, 6, kDlgGold.dark, 1);
        Gen_Ring(cr, side * 90, -14, 13, 3, kDlgGold.mid, 1);
        Gen_Ring(cr, side * 90, -15, 12, 1, kDlgGold.light, 0.9);
    }
    // A gold band round the belly with studs and three gems.
    cairo_move_to(cr, -92, 6);
    cairo_curve_to(cr, -50, 32, 50, 32, 92, 6);
    cairo_line_to(cr, 90, 22);
    cairo_curve_to(cr, 50, 48, -50, 48, -90, 22);
    cairo_close_path(cr);
    Dlg_FillMetal(cr, kDlgGold, 0, 6, 0, 46, true);
    Dlg_Outline(cr, 1.5);
    for (int k = -4; k <= 4; ++k) {
        double t = k / 4.5, x = t * 80, y = 28 + 12 * (1 - t * t);
        if (k % 2 == 0)
            Dlg_Gem(cr, x, y, k == 0 ? 8 : 6, k == 0 ? Gen_Rgb{0.1, 0.8, 0.35} : Gen_Rgb{0.9, 0.1, 0.2});
        else
            Gen_Sphere(cr, x, y, 3, kDlgGold.light);
    }
    Ellipse(cr, 0, -30, 88, 19); // the rim and the glowing broth
    Dlg_FillMetal(cr, kDlgGold, -88, -40, 88, -20, true);
    Dlg_Outline(cr, 2);
    Ellipse(cr, 0, -29, 76, 13);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, -30, 4, 0, -30, 80);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.95, 1, 0.6);
    cairo_pattern_add_color_stop_rgb(p, 0.5, 0.4, 0.9, 0.35);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.08, 0.35, 0.12);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    const double bubbles[][3] = {{-40, -30, 5}, {-12, -26, 4}, {22, -32, 6}, {48, -28, 3.5}, {5, -34, 3}};
    for (const auto& b : bubbles) {
        Gen_Ring(cr, b[0], b[1], b[2], 1.3, {0.9, 1, 0.8}, 0.9);
        Gen_Star(cr, b[0] - b[2] * 0.4, b[1] - b[2] * 0.4, 2, 0.5, 4, 0, {1, 1, 1}, 0.9);
    }
    Gen_Glow(cr, 0, -40, 70, {0.6, 1, 0.5}, 0.4);
    Steam(cr, -30, -38, 14, 70);
    Steam(cr, 10, -40, -12, 85);
    Steam(cr, 42, -36, 10, 62);
}

// One glowing spiral carved into the stone.
void Spiral(cairo_t* cr, double cx, double cy, double r, double turn) {
    cairo_new_path(cr);
    for (int i = 0; i <= 60; ++i) {
        double t = i / 60.0, a = turn + t * 2.6 * 2 * M_PI, rr = r * (0.12 + 0.88 * t);
        cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double widths[] = {9, 5, 2.2};
    const double alphas[] = {0.18, 0.45, 1};
    const Gen_Rgb cols[] = {{0.3, 0.8, 1}, {0.45, 0.9, 1}, {0.85, 1, 1}};
    for (int k = 0; k < 3; ++k) {
        cairo_set_line_width(cr, widths[k]);
        Gen_SetColor(cr, cols[k], alphas[k]);
        cairo_stroke_preserve(cr);
    }
    cairo_new_path(cr);
}

// Tufts of grass round the foot of the stone.
void Grass(cairo_t* cr) {
    for (int k = -4; k <= 4; ++k) {
        double x = k * 17 + (k % 2) * 4, top = 60 + std::abs(k) * 4;
        for (int b = -1; b <= 1; ++b) {
            cairo_move_to(cr, x - 9, 88);
            cairo_curve_to(cr, x - 5, 78, x + b * 4, 70, x + b * 9, top + std::abs(b) * 7);
            cairo_curve_to(cr, x + b * 3, 72, x + 3, 80, x + 8, 88);
            cairo_close_path(cr);
            Gen_SetColor(cr, Gen_Mix({0.16, 0.38, 0.1}, {0.5, 0.75, 0.22}, (b + 1) / 2.0 * 0.7 + 0.15));
            cairo_fill(cr);
        }
    }
}

void Stone(cairo_t* cr) {
    Dlg_Spot(cr, 6, 84, 86, 16, {0, 0, 0}, 0.5);
    cairo_move_to(cr, -50, 82); // the standing stone
    cairo_curve_to(cr, -58, 20, -52, -50, -34, -80);
    cairo_curve_to(cr, -18, -104, 26, -102, 38, -70);
    cairo_curve_to(cr, 52, -30, 56, 30, 50, 82);
    cairo_close_path(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    Dlg_FillRamp(cr, -56, 0, 56, 0,
                 {{0, {0.72, 0.72, 0.76}}, {0.45, {0.52, 0.53, 0.58}}, {1, {0.22, 0.22, 0.28}}});
    Gen_Rng rng("standing stone");
    for (int i = 0; i < 420; ++i) { // granite grain
        double x = rng.Range(-58, 58), y = rng.Range(-105, 85);
        cairo_arc(cr, x, y, rng.Range(0.6, 2.2), 0, 2 * M_PI);
        Gen_SetColor(cr, rng.Next() < 0.5 ? Gen_Rgb{0.95, 0.95, 0.98} : Gen_Rgb{0.12, 0.12, 0.16},
                     rng.Range(0.1, 0.35));
        cairo_fill(cr);
    }
    for (int i = 0; i < 14; ++i) { // lichen
        Gen_Glow(cr, rng.Range(-50, 50), rng.Range(20, 80), rng.Range(6, 14), {0.55, 0.62, 0.3}, 0.45);
    }
    cairo_move_to(cr, 30, -86); // a crack
    cairo_line_to(cr, 22, -60);
    cairo_line_to(cr, 30, -40);
    cairo_line_to(cr, 24, -12);
    cairo_set_line_width(cr, 1.6);
    Gen_SetColor(cr, {0.1, 0.1, 0.14}, 0.7);
    cairo_stroke(cr);
    cairo_restore(cr);
    Dlg_Outline(cr, 2.5);
    Gen_Glow(cr, -2, -20, 60, {0.3, 0.8, 1}, 0.25);
    Grass(cr);
    Spiral(cr, -16, -40, 20, 0);
    Spiral(cr, 16, -40, 20, M_PI);
    Spiral(cr, 0, -8, 20, M_PI / 2);
    for (int i = 0; i < 6; ++i) { // ogham notches down the edge
        cairo_move_to(cr, -38 + i * 0.4, 10 + i * 11);
        cairo_line_to(cr, -26 + i * 0.4, 12 + i * 11);
    }
    cairo_set_line_width(cr, 2.5);
    Gen_SetColor(cr, {0.55, 0.92, 1}, 0.9);
    cairo_stroke(cr);
}

void Sword(cairo_t* cr) {
    for (int k = 0; k < 5; ++k) // the light along the blade
        Gen_Glow(cr, 0, -40 + k * 45, 44 - k * 4, {0.75, 0.9, 1}, 0.45);
    cairo_move_to(cr, -12, -68); // the blade, guard to point
    cairo_line_to(cr, -11, 120);
    cairo_line_to(cr, 0, 152);
    cairo_line_to(cr, 11, 120);
    cairo_line_to(cr, 12, -68);
    cairo_close_path(cr);
    Dlg_FillMetal(cr, kDlgSilver, -12, 0, 12, 0, true);
    Dlg_Outline(cr, 1.6);
    cairo_move_to(cr, 0, -64); // the fuller
    cairo_line_to(cr, 0, 118);
    cairo_set_line_width(cr, 3);
    Gen_SetColor(cr, {1, 1, 1}, 0.9);
    cairo_stroke(cr);
    cairo_move_to(cr, -52, -80); // the crossguard, curving toward the blade
    cairo_curve_to(cr, -30, -70, 30, -70, 52, -80);
    cairo_line_to(cr, 56, -68);
    cairo_curve_to(cr, 30, -58, -30, -58, -56, -68);
    cairo_close_path(cr);
    Dlg_FillMetal(cr, kDlgGold, 0, -82, 0, -58, true);
    Dlg_Outline(cr, 1.6);
    Gen_Sphere(cr, -56, -74, 6, kDlgGold.mid);
    Gen_Sphere(cr, 56, -74, 6, kDlgGold.mid);
    Gen_RoundRectPath(cr, -7, -122, 14, 52, 4); // the leather grip
    Dlg_FillRamp(cr, -7, 0, 7, 0, {{0, {0.55, 0.3, 0.15}}, {1, {0.22, 0.1, 0.04}}}, true);
    Dlg_Outline(cr, 1.4);
    for (double y = -118; y < -72; y += 7) {
        cairo_move_to(cr, -7, y);
        cairo_line_to(cr, 7, y + 4);
    }
    cairo_set_line_width(cr, 1.4);
    Gen_SetColor(cr, kInk, 0.6);
    cairo_stroke(cr);
    cairo_arc(cr, 0, -134, 13, 0, 2 * M_PI); // the pommel with its gem
    Dlg_FillMetal(cr, kDlgGold, -13, -147, 13, -121, true);
    Dlg_Outline(cr, 1.6);
    Dlg_Gem(cr, 0, -134, 7, {0.2, 0.45, 1});
    Dlg_Gem(cr, 0, -66, 8, {0.95, 0.12, 0.2});
}

// A tongue of flame licking up from (x, y) toward angle `a` (radians; -pi/2 is up).
void Flame(cairo_t* cr, double x, double y, double len, double width, double a, double bend) {
    double ux = std::cos(a), uy = std::sin(a), nx = -uy, ny = ux;
    const Gen_Rgb cols[3] = {{0.9, 0.2, 0.02}, {1, 0.55, 0.05}, {1, 0.92, 0.45}};
    for (int k = 0; k < 3; ++k) {
        double l = len * (1 - k * 0.25), w = width * (1 - k * 0.3);
        double tx = x + ux * l + nx * bend, ty = y + uy * l + ny * bend;
        cairo_move_to(cr, x - nx * w, y - ny * w);
        cairo_curve_to(cr, x - nx * w + ux * l * 0.5, y - ny * w + uy * l * 0.5, tx - nx * w * 0.2,
                       ty - ny * w * 0.2, tx, ty);
        cairo_curve_to(cr, tx + nx * w * 0.6, ty + ny * w * 0.6, x + nx * w + ux * l * 0.4,
                       y + ny * w + uy * l * 0.4, x + nx * w, y + ny * w);
        cairo_close_path(cr);
        Gen_SetColor(cr, cols[k], 0.85);
        cairo_fill(cr);
    }
}

void Spear(cairo_t* cr) {
    Gen_RoundRectPath(cr, -5, -62, 10, 212, 4); // the ash shaft
    Dlg_FillRamp(cr, -5, 0, 5, 0, {{0, {0.75, 0.52, 0.3}}, {1, {0.32, 0.18, 0.08}}}, true);
    Dlg_Outline(cr, 1.4);
    for (double y : {-10.0, 60.0, 140.0}) { // gold bands
        cairo_rectangle(cr, -6.5, y, 13, 9);
        Dlg_FillMetal(cr, kDlgGold, -6.5, 0, 6.5, 0, true);
        Dlg_Outline(cr, 1);
    }
    for (int k = -1; k <= 1; k += 2) { // red ribbons under the head
        cairo_move_to(cr, 0, -50);
        cairo_curve_to(cr, k * 16, -30, k * 4, -10, k * 20, 12);
        cairo_curve_to(cr, k * 12, -8, k * 10, -28, 0, -42);
        cairo_close_path(cr);
        Gen_SetColor(cr, {0.8, 0.08, 0.1});
        cairo_fill_preserve(cr);
        Dlg_Outline(cr, 1);
    }
    // Flames around the head, then the leaf-shaped blade itself glowing hot.
    Gen_Glow(cr, 0, -100, 80, {1, 0.5, 0.1}, 0.6);
    const double tongues[][4] = {{-16, -70, -2.2, 50}, {16, -70, -0.9, 52},  {-12, -110, -2.0, 58},
                                 {12, -110, -1.1, 60}, {0, -140, -1.57, 50}, {-8, -90, -1.9, 40},
                                 {8, -92, -1.25, 42}};
    for (const auto& t : tongues)
        Flame(cr, t[0], t[1], t[3], 12, t[2], t[0] > 0 ? 8 : -8);
    cairo_move_to(cr, 0, -160);
    cairo_curve_to(cr, 20, -130, 22, -90, 6, -66);
    cairo_line_to(cr, -6, -66);
    cairo_curve_to(cr, -22, -90, -20, -130, 0, -160);
    cairo_close_path(cr);
    Dlg_FillMetal(cr, kDlgGold, -20, -110, 20, -110, true);
    Dlg_Outline(cr, 1.6);
    cairo_move_to(cr, 0, -156);
    cairo_line_to(cr, 0, -70);
    cairo_set_line_width(cr, 2);
    Gen_SetColor(cr, {1, 0.97, 0.8}, 0.9);
    cairo_stroke(cr);
    cairo_move_to(cr, -7, -68); // the socket
    cairo_line_to(cr, 7, -68);
    cairo_line_to(cr, 6, -50);
    cairo_line_to(cr, -6, -50);
    cairo_close_path(cr);
    Dlg_FillMetal(cr, kDlgBronze, -7, 0, 7, 0, true);
    Dlg_Outline(cr, 1.2);
}

void Amulet(cairo_t* cr) {
    for (int i = 0; i < 40; ++i) { // the chain, laid round the disc through the bail
        double a = -M_PI / 2 + (i + 0.5) * 2 * M_PI / 40, x = 88 * std::cos(a), y = -2 + 66 * std::sin(a);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, std::atan2(66 * std::cos(a), -88 * std::sin(a)));
        cairo_scale(cr, 1, i % 2 ? 0.45 : 1);
        cairo_arc(cr, 0, 0, 4.5, 0, 2 * M_PI);
        cairo_restore(cr);
        cairo_set_line_width(cr, 2.2);
        Gen_SetColor(cr, kDlgGold.dark);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 1.2);
        Gen_SetColor(cr, i % 2 ? kDlgGold.light : kDlgGold.mid);
        cairo_stroke(cr);
    }
    Dlg_Rays(cr, 0, 8, 120, 16, 0.1, {1, 0.9, 0.55}, 0.35);
    cairo_arc(cr, 0, -66, 10, 0, 2 * M_PI); // the bail
    Gen_Ring(cr, 0, -66, 9, 5, kDlgGold.dark, 1);
    Gen_Ring(cr, 0, -66, 9, 2.5, kDlgGold.light, 1);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 8, 64, 0, 2 * M_PI); // the disc
    Dlg_FillMetal(cr, kDlgGold, -50, -50, 50, 60, true);
    Dlg_Outline(cr, 2);
    Gen_Ring(cr, 0, 8, 56, 2, kDlgGold.dark, 0.8);
    Gen_Ring(cr, 0, 8, 33, 2, kDlgGold.dark, 0.8);
    for (int i = 0; i < 24; ++i) { // beading between the rings
        double a = i * 2 * M_PI / 24;
        Gen_Sphere(cr, 60 * std::cos(a), 8 + 60 * std::sin(a), 2.2, kDlgGold.light);
    }
    for (int i = 0; i < 6; ++i) { // the six pearls of the game's colours
        double a = -M_PI / 2 + i * M_PI / 3;
        Gen_Pearl(cr, 44 * std::cos(a), 8 + 44 * std::sin(a), 10, i, 0);
    }
    Dlg_Gem(cr, 0, 8, 26, {0.1, 0.75, 0.45});
}
} // namespace

void Dlg_Treasure(cairo_t* cr, double cx, double cy, double s, int treasure) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, s / 100, s / 100);
    switch (treasure) {
    case 0:
        Cauldron(cr);
        break;
    case 1:
        Stone(cr);
        break;
    case 2:
        cairo_rotate(cr, -53 * M_PI / 180);
        Sword(cr);
        break;
    case 3:
        cairo_rotate(cr, -50 * M_PI / 180);
        Spear(cr);
        break;
    default:
        Amulet(cr);
        break;
    }
    cairo_restore(cr);
}

void Dialog_Treasure(const Manifest_Entry& e, Gen_Canvas& c, int treasure) {
    (void)e;
    cairo_t* cr = c.cr;
    // Where each treasure stands in the niche below the title, and how large.
    static const double place[5][3] = {
        {209, 222, 78}, {209, 206, 90}, {200, 212, 90}, {196, 212, 86}, {209, 214, 78}};
    int t = treasure >= 0 && treasure < 5 ? treasure : 0;
    double x = place[t][0], y = place[t][1], s = place[t][2];
    // The light behind the treasure fades out before the edges of the niche.
    cairo_push_group(cr);
    Gen_Glow(cr, x, y, 150, {1, 0.88, 0.5}, 0.35);
    Dlg_Rays(cr, x, y, 170, 14, 0.2, {1, 0.92, 0.65}, 0.18);
    cairo_pattern_t* fade = cairo_pattern_create_linear(0, 110, 0, 300);
    cairo_pattern_add_color_stop_rgba(fade, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(fade, 0.25, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(fade, 0.8, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(fade, 1, 0, 0, 0, 0);
    cairo_pop_group_to_source(cr);
    cairo_mask(cr, fade);
    cairo_pattern_destroy(fade);
    if (t != 2 && t != 3) Dlg_Spot(cr, x, y + s * 0.95, s * 1.1, s * 0.2, {0, 0, 0}, 0.45);
    Dlg_Treasure(cr, x, y, s, t);
    Gen_Rng rng(e.name);
    for (int i = 0; i < 7; ++i)
        Dlg_Sparkle(cr, x + rng.Range(-s * 1.2, s * 1.2), y + rng.Range(-s * 0.9, s * 0.9), rng.Range(5, 11),
                    rng.Range(0.6, 1));
}
