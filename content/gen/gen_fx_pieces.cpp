// Art of the effect pieces blended over the board: glossy pearl shards and steel chain pieces
// that tumble frame by frame, the new-life heart, the alarm spark and smoke puffs with embers.
#include <cmath>
#include <string>
#include "content/gen/gen_fx_draw.h"

namespace {
bool Named(const Manifest_Entry& e, const char* file) {
    return e.name == std::string(".\\images\\FX\\") + file + ".png";
}

// Tumble of a flat piece: turned by `spin` in the image plane and foreshortened to `squash`
// across an axis tilted by `tilt`; used while building a path, so strokes keep their width.
void Tumble(cairo_t* cr, double cx, double cy, double spin, double tilt, double squash) {
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, spin + tilt);
    cairo_scale(cr, squash, 1);
    cairo_rotate(cr, -tilt);
}

// Pearl shard (tinted by the game): a light grey curved sliver whose lit face flips as it
// tumbles, with a glossy edge and a thin dark outline that keeps it readable on bright ground.
void Fragment(const Manifest_Entry& e, Gen_Canvas& c) {
    static const double kShard[][2] = {{-10, -1.5}, {-3, -7}, {8.5, -5}, {10, 0.5}, {1, 5}, {-6, 5.5}};
    for (int f = 0; f < e.frames; ++f) {
        double a = 2 * M_PI * f / e.frames, ca = std::cos(a);
        double squash = std::max(0.14, std::abs(ca));
        c.Cell(e, f);
        cairo_t* cr = c.cr;
        cairo_save(cr);
        Tumble(cr, 16, 12, a * 0.5, 0.5, squash);
        cairo_new_path(cr);
        for (const auto& p : kShard)
            cairo_line_to(cr, p[0], p[1]);
        cairo_close_path(cr);
        cairo_restore(cr);
        double lit = ca > 0 ? 0.72 + 0.28 * ca : 0.58 - 0.2 * ca;
        cairo_pattern_t* g = cairo_pattern_create_linear(4, 2, 26, 22);
        cairo_pattern_add_color_stop_rgb(g, 0, std::min(1.0, lit + 0.25), std::min(1.0, lit + 0.25),
                                         std::min(1.0, lit + 0.25));
        cairo_pattern_add_color_stop_rgb(g, 1, lit * 0.62, lit * 0.62, lit * 0.64);
        cairo_set_source(cr, g);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(g);
        cairo_set_line_width(cr, 1);
        Gen_SetColor(cr, {0.25, 0.25, 0.28}, 0.7);
        cairo_stroke(cr);
        cairo_save(cr);
        Tumble(cr, 16, 12, a * 0.5, 0.5, squash);
        cairo_new_path(cr);
        cairo_move_to(cr, -8.5, -2);
        cairo_curve_to(cr, -5, -6, 2, -6.5, 7.5, -4.2);
        cairo_restore(cr);
        cairo_set_line_width(cr, 1.4);
        Gen_SetColor(cr, {1, 1, 1}, 0.55 + 0.4 * std::abs(ca));
        cairo_stroke(cr);
    }
}

// Path of chain piece `kind` (0 whole link, 1 open link, 2 half link, 3 bent bit, 4 broken
// ring) in piece units round (0, 0).
void Chain_Path(cairo_t* cr, int kind) {
    cairo_new_path(cr);
    switch (kind) {
    case 0:
        cairo_save(cr);
        cairo_scale(cr, 1, 0.55);
        cairo_arc(cr, 0, 0, 17, 0, 2 * M_PI);
        cairo_restore(cr);
        break;
    case 1:
        cairo_save(cr);
        cairo_scale(cr, 1, 0.55);
        cairo_arc(cr, 0, 0, 17, 0.7, 2 * M_PI - 0.7);
        cairo_restore(cr);
        break;
    case 2:
        cairo_move_to(cr, 8, -9);
        cairo_line_to(cr, -4, -9);
        cairo_arc_negative(cr, -4, 0, 9, -M_PI / 2, M_PI / 2);
        cairo_line_to(cr, 8, 9);
        break;
    case 3:
        cairo_move_to(cr, -12, 6);
        cairo_curve_to(cr, -8, -8, 4, -10, 12, -4);
        break;
    default:
        cairo_arc(cr, 0, 0, 10, 0.9, 2 * M_PI - 0.3);
        break;
    }
}

// Steel chain pieces thrown off a broken chain, tumbling over the 16 frames: a dark edge, a
// steel body and a bright highlight line, stroked at constant width.
void Chain_Part(const Manifest_Entry& e, Gen_Canvas& c, int kind) {
    for (int f = 0; f < e.frames; ++f) {
        double a = 2 * M_PI * f / e.frames;
        double squash = std::max(0.2, std::abs(std::cos(a)));
        double shine = 0.75 + 0.25 * std::cos(a);
        c.Cell(e, f);
        cairo_t* cr = c.cr;
        const double widths[3] = {7.5, 5.2, 1.6};
        const Gen_Rgb cols[3] = {
            {0.12, 0.12, 0.15}, {0.52 * shine, 0.55 * shine, 0.6 * shine}, {0.95, 0.96, 1}};
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        for (int layer = 0; layer < 3; ++layer) {
            cairo_save(cr);
            double off = layer == 2 ? -1.2 : 0;
            Tumble(cr, 32 + off, 32 + off, a + kind * 1.3, 0.4 + kind, squash);
            Chain_Path(cr, kind);
            cairo_restore(cr);
            cairo_set_line_width(cr, widths[layer]);
            Gen_SetColor(cr, cols[layer], layer == 2 ? 0.45 + 0.45 * shine : 1);
            cairo_stroke(cr);
        }
    }
}

// The new-life heart: glossy red with a dark edge, a rim light and a soft pink glow behind it.
void Heart(const Manifest_Entry& e, Gen_Canvas& c) {
    c.Cell(e, 0);
    cairo_t* cr = c.cr;
    Gen_Glow(cr, 24, 24, 23.5, {1, 0.55, 0.65}, 0.5);
    auto path = [cr](double s) {
        cairo_new_path(cr);
        cairo_move_to(cr, 24, 24 + s * 0.62);
        cairo_curve_to(cr, 24 - s * 1.05, 24 - s * 0.05, 24 - s * 0.55, 24 - s * 0.85, 24, 24 - s * 0.32);
        cairo_curve_to(cr, 24 + s * 0.55, 24 - s * 0.85, 24 + s * 1.05, 24 - s * 0.05, 24, 24 + s * 0.62);
        cairo_close_path(cr);
    };
    path(20);
    cairo_pattern_t* g = cairo_pattern_create_radial(18, 17, 1, 24, 24, 22);
    cairo_pattern_add_color_stop_rgb(g, 0, 1, 0.55, 0.6);
    cairo_pattern_add_color_stop_rgb(g, 0.5, 0.92, 0.1, 0.2);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.55, 0.02, 0.08);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_set_line_width(cr, 1.6);
    Gen_SetColor(cr, {0.4, 0, 0.05});
    cairo_stroke(cr);
    path(16.5);
    cairo_set_line_width(cr, 1.2);
    Gen_SetColor(cr, {1, 0.75, 0.8}, 0.45);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, 17.5, 16.5);
    cairo_rotate(cr, -0.6);
    cairo_scale(cr, 1, 0.55);
    Gen_Glow(cr, 0, 0, 6, {1, 1, 1}, 0.95);
    cairo_restore(cr);
}

// Alarm spark: a hot red-orange spark with a yellow-white middle.
void Alarm_Spark(const Manifest_Entry& e, Gen_Canvas& c) {
    Fx_Light l(16, 16);
    l.Glow(8, 8, 7.6, {1, 0.22, 0.05}, 1.9, 0.8);
    l.Streak(1.5, 8, 14.5, 8, 1, {1, 0.6, 0.3}, 1, 1);
    l.Streak(8, 1.5, 8, 14.5, 1, {1, 0.6, 0.3}, 1, 1);
    l.Glow(8, 8, 3.6, {1, 0.95, 0.7}, 2.6, 1.5);
    l.Put(c, e, 0, 1);
}

// Smoke puff: dark grey-brown noisy billow; with embers, a few glowing orange spots inside.
void Smoke(const Manifest_Entry& e, Gen_Canvas& c, int frame, int seed, bool embers) {
    double m = e.frame_w / 2.0, r = m - 1;
    Gen_Rng rng("smoke" + std::to_string(seed));
    double spots[4][2];
    for (auto& s : spots)
        s[0] = m + rng.Range(-0.4, 0.4) * r, s[1] = m + rng.Range(-0.4, 0.4) * r;
    Fx_Paint(c, e, frame, [&](double x, double y) {
        double dx = x - m, dy = y - m, d = std::sqrt(dx * dx + dy * dy);
        double n = Gen_Fbm(dx / (r * 0.45) + seed, dy / (r * 0.45) - seed, 4, seed);
        double reach = r * (0.6 + 0.4 * n);
        if (d >= reach) return Gen_Px{{0, 0, 0}, 0};
        double body = Fx_Smooth(0, 0.45, 1 - d / reach);
        Gen_Rgb col = Gen_Mix({0.2, 0.17, 0.16}, {0.06, 0.05, 0.05}, n);
        double heat = 0;
        for (int i = 0; embers && i < 4; ++i) {
            double sx = x - spots[i][0], sy = y - spots[i][1];
            heat += std::exp(-(sx * sx + sy * sy) / (r * r * 0.02));
        }
        heat = std::min(1.0, heat);
        col = Gen_Mix(col, Gen_Mix({0.9, 0.3, 0.04}, {1, 0.75, 0.3}, heat * heat), heat);
        return Gen_Px{col, std::min(1.0, body + 0.3 * heat)};
    });
}
} // namespace

void Fx_DrawPieces(const Manifest_Entry& e, Gen_Canvas& c) {
    if (Named(e, "fragment2")) return Fragment(e, c);
    for (int k = 0; k < 5; ++k)
        if (Named(e, ("chain_part" + std::to_string(k)).c_str())) return Chain_Part(e, c, k);
    if (Named(e, "newlife_heart")) return Heart(e, c);
    if (Named(e, "alarm_spark")) return Alarm_Spark(e, c);
    if (Named(e, "dark_part")) return Smoke(e, c, 0, 3, false);
    if (Named(e, "dark_parts")) {
        for (int f = 0; f < e.frames; ++f)
            Smoke(e, c, f, 11 + f * 4, true);
        return;
    }
    Fx_Light l(e.frame_w, e.frame_h);
    double m = std::min(e.frame_w, e.frame_h) / 2.0;
    for (int f = 0; f < e.frames; ++f) {
        l.Glow(e.frame_w / 2.0, e.frame_h / 2.0, m, {1, 1, 1}, 2, 1.5);
        l.Put(c, e, f);
    }
}
