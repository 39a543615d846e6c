// The main menu's animated strips: the pennant on the castle tower, whose cloth waves with a
// travelling fold over its 20 cells, and the passing birds, whose wings beat once over 21.
#include <cmath>
#include "content/gen/gen_groups.h"
#include "content/gen/gen_menu_art.h"
#include "content/gen/gen_raster.h"
#include "content/gen/gen_ui_art.h"

namespace {
// Vertical offset of the cloth at u (0 at the pole, 1 at the tip) in phase t.
double Wave(double u, double t) {
    return u * 3.2 * std::sin(2 * M_PI * (u * 1.3 - t)) + u * u * 1.5;
}
} // namespace

void Menu_Flag(const Manifest_Entry& e, Gen_Canvas& c) {
    const int n = 4;
    for (int f = 0; f < e.frames; ++f) {
        double t = static_cast<double>(f) / e.frames;
        int ox, oy;
        Gen_CellOrigin(e, f, ox, oy);
        cairo_surface_flush(c.surface);
        for (int y = 0; y < e.frame_h; ++y)
            for (int x = 0; x < e.frame_w; ++x) {
                double sr = 0, sg = 0, sb = 0, cover = 0;
                for (int sy = 0; sy < n; ++sy)
                    for (int sx = 0; sx < n; ++sx) {
                        double px = x + (sx + 0.5) / n, py = y + (sy + 0.5) / n;
                        double u = px / e.frame_w, v = (py - 2 - Wave(u, t)) / (e.frame_h - 6 - u * 3);
                        // Swallow-tailed pennant: the notch bites in from the tip.
                        double notch = std::fabs(v - 0.5) < (u - 0.72) * 1.6 ? 1 : 0;
                        if (v < 0 || v > 1 || u > 0.98 || notch) continue;
                        double slope = std::cos(2 * M_PI * (u * 1.3 - t));
                        double shade = 0.78 + 0.3 * slope * u + 0.1 * (0.5 - v);
                        Gen_Rgb col = {0.72, 0.1, 0.12};
                        if (v < 0.16 || v > 0.84) col = {0.95, 0.75, 0.3}; // gold hems
                        if (std::hypot(u - 0.32, (v - 0.5) * 0.66) < 0.11)
                            col = {1, 0.9, 0.5}; // the pearl device
                        sr += col.r * shade, sg += col.g * shade, sb += col.b * shade, cover += 1;
                    }
                if (cover > 0)
                    Gen_Over(c, ox + x, oy + y, {sr / cover, sg / cover, sb / cover}, cover / (n * n));
            }
        cairo_surface_mark_dirty(c.surface);
    }
}

namespace {
// One wing from the shoulder (0, 0) to a tip lifted by `lift` (-1 down .. 1 up), span s.
void Wing(cairo_t* cr, double s, double lift, double dir, Gen_Rgb col) {
    double tip_y = -lift * s * 0.46, tip_x = -dir * s * 0.2;
    cairo_new_path(cr);
    cairo_move_to(cr, dir * s * 0.1, 0);
    cairo_curve_to(cr, dir * s * 0.09, tip_y * 0.55, dir * s * 0.02, tip_y * 0.9, tip_x, tip_y);
    cairo_curve_to(cr, -dir * s * 0.13, tip_y * 0.5, -dir * s * 0.17, tip_y * 0.15, -dir * s * 0.12,
                   s * 0.02);
    cairo_close_path(cr);
    Gen_SetColor(cr, col);
    cairo_fill(cr);
}
} // namespace

void Menu_Bird(const Manifest_Entry& e, Gen_Canvas& c) {
    double dir = Gen_Has(e.name, "_left") ? -1 : 1; // heading
    double s = e.frame_w;
    for (int f = 0; f < e.frames; ++f) {
        c.Cell(e, f);
        cairo_t* cr = c.cr;
        double ph = 2 * M_PI * f / e.frames;
        double lift = std::cos(ph), bob = std::sin(ph) * s * 0.04;
        cairo_translate(cr, s / 2, s * 0.52 + bob);
        Gen_Rgb dark = {0.16, 0.15, 0.2}, mid = {0.32, 0.3, 0.36};
        cairo_save(cr); // far wing, seen a little behind the body
        cairo_translate(cr, dir * s * 0.04, -s * 0.02);
        cairo_scale(cr, 0.85, 0.9);
        Wing(cr, s, lift, dir, Gen_Mix(dark, {0, 0, 0}, 0.3));
        cairo_restore(cr);
        cairo_new_path(cr); // body, head and forked tail
        cairo_save(cr);
        cairo_scale(cr, 1, 0.42);
        cairo_arc(cr, 0, 0, s * 0.2, 0, 2 * M_PI);
        cairo_restore(cr);
        Gen_SetColor(cr, mid);
        cairo_fill(cr);
        cairo_arc(cr, dir * s * 0.2, -s * 0.03, s * 0.07, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_move_to(cr, dir * s * 0.26, -s * 0.05);
        cairo_line_to(cr, dir * s * 0.34, -s * 0.01);
        cairo_line_to(cr, dir * s * 0.25, 0);
        Gen_SetColor(cr, {0.85, 0.6, 0.2});
        cairo_fill(cr);
        cairo_move_to(cr, -dir * s * 0.15, 0);
        cairo_line_to(cr, -dir * s * 0.4, -s * 0.06);
        cairo_line_to(cr, -dir * s * 0.3, s * 0.01);
        cairo_line_to(cr, -dir * s * 0.4, s * 0.08);
        cairo_close_path(cr);
        Gen_SetColor(cr, dark);
        cairo_fill(cr);
        Wing(cr, s, lift, dir, dark); // near wing over the body
        cairo_save(cr);
        cairo_scale(cr, 1, 0.42);
        cairo_arc(cr, 0, s * 0.06, s * 0.14, 0, M_PI);
        cairo_restore(cr);
        Gen_SetColor(cr, {0.8, 0.78, 0.75}, 0.5); // pale belly
        cairo_fill(cr);
    }
    c.Whole();
}
