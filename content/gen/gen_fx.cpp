// Art of the effect sprites (explosions, halos, sparks, fragments, chain parts, rings) and of
// the weather particles (snow, rain, fog, sparks). Effects are tinted by the game, so most
// are drawn in light greys and white.
#include <cmath>
#include <string>
#include "content/gen/gen_groups.h"

namespace {
bool Is(const Manifest_Entry& e, const char* file) {
    return e.name == std::string(".\\images\\FX\\") + file + ".png";
}

void Shard(cairo_t* cr, double cx, double cy, double s, double angle, Gen_Rgb c) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_new_path(cr);
    cairo_move_to(cr, -s, -s * 0.3);
    cairo_line_to(cr, s * 0.7, -s * 0.6);
    cairo_line_to(cr, s, s * 0.4);
    cairo_line_to(cr, -s * 0.4, s * 0.5);
    cairo_close_path(cr);
    Gen_SetColor(cr, c, 0.95);
    cairo_fill(cr);
    cairo_restore(cr);
}

void Snowflake(cairo_t* cr, double cx, double cy, double r, int arms_extra) {
    Gen_SetColor(cr, {1, 1, 1}, 0.95);
    cairo_set_line_width(cr, r * 0.18);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int k = 0; k < 6; ++k) {
        double a = k * M_PI / 3, ca = std::cos(a), sa = std::sin(a);
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + r * ca, cy + r * sa);
        for (int j = 0; j < arms_extra; ++j) {
            double m = r * (0.45 + 0.25 * j);
            for (int side = -1; side <= 1; side += 2) {
                double b = a + side * 0.7;
                cairo_move_to(cr, cx + m * ca, cy + m * sa);
                cairo_line_to(cr, cx + m * ca + r * 0.3 * std::cos(b), cy + m * sa + r * 0.3 * std::sin(b));
            }
        }
    }
    cairo_stroke(cr);
}

void Heart(cairo_t* cr, double cx, double cy, double s) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx, cy + s * 0.45);
    cairo_curve_to(cr, cx - s * 0.9, cy - s * 0.15, cx - s * 0.4, cy - s * 0.75, cx, cy - s * 0.25);
    cairo_curve_to(cr, cx + s * 0.4, cy - s * 0.75, cx + s * 0.9, cy - s * 0.15, cx, cy + s * 0.45);
    Gen_SetColor(cr, {0.95, 0.15, 0.25});
    cairo_fill(cr);
    Gen_Glow(cr, cx - s * 0.2, cy - s * 0.2, s * 0.25, {1, 1, 1}, 0.6);
}

// One cell of an animated strip, t = 0 at the first cell and 1 at the last.
void Strip_Cell(const Manifest_Entry& e, cairo_t* cr, int f, double t, Gen_Rng& rng) {
    double w = e.frame_w, h = e.frame_h, cx = w / 2, cy = h / 2, r = std::min(w, h) / 2;
    const Gen_Rgb white = {1, 1, 1};
    if (Is(e, "explosion_grey")) {
        Gen_Glow(cr, cx, cy, r * (0.4 + 0.6 * t), {0.9, 0.9, 0.9}, 1 - t);
        Gen_Ring(cr, cx, cy, r * (0.2 + 0.7 * t), r * 0.15 * (1 - t) + 1, white, 1 - t);
    } else if (Is(e, "fragment2")) {
        Shard(cr, cx, cy, r * 0.8, 2 * M_PI * t, {0.85, 0.85, 0.85});
    } else if (Is(e, "spark8")) {
        Gen_Star(cr, cx, cy, r, r * 0.3, 4, M_PI / 2 * t, white, 1 - 0.7 * t);
    } else if (e.name.find("chain_part") != std::string::npos) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, 2 * M_PI * t + (e.name[e.name.size() - 5] - '0'));
        cairo_scale(cr, 1, 0.5);
        Gen_Ring(cr, 0, 0, r * 0.45, r * 0.18, {0.65, 0.65, 0.7}, 1);
        cairo_restore(cr);
    } else if (Is(e, "rev_clear_sparks")) {
        Gen_Glow(cr, cx + rng.Range(-8, 8), cy + rng.Range(-8, 8), r * 0.8, {1, 0.55, 0.1}, 0.9);
    } else if (Is(e, "Hammer_Smash1")) {
        Gen_Star(cr, cx, cy, r * (0.3 + 0.7 * t), r * (0.1 + 0.3 * t), 8, t, {1, 0.95, 0.8}, 1 - 0.8 * t);
    } else if (Is(e, "circle_wave")) {
        Gen_Ring(cr, cx, cy, r * (0.1 + 0.85 * t), 2 + 4 * (1 - t), white, 1 - 0.9 * t);
    } else if (Is(e, "FX_Random_Bomb")) {
        Gen_Glow(cr, cx, cy, r * 0.5 + f, {1, 1, 0.85}, 1 - 0.6 * t);
        Gen_Star(cr, cx, cy, r * (0.5 + 0.5 * t), r * 0.12, 6, t * 2, white, 1 - t);
    } else if (Is(e, "newlife_sparks")) {
        Gen_Star(cr, cx, cy, r, r * 0.25, f ? 5 : 4, 0, {1, 0.85, 0.9}, 1);
    } else if (Is(e, "dark_parts")) {
        Gen_Glow(cr, cx, cy, r, {0.15, 0.1, 0.1}, 0.9 - 0.2 * f);
    }
}

void Single(const Manifest_Entry& e, cairo_t* cr, Gen_Rng& rng) {
    double w = e.frame_w, h = e.frame_h, cx = w / 2, cy = h / 2, r = std::min(w, h) / 2;
    const Gen_Rgb white = {1, 1, 1};
    if (Is(e, "grey_halo1") || Is(e, "grey_halo3")) {
        Gen_Ring(cr, cx, cy, r * 0.7, r * 0.12, white, 0.8);
        Gen_Glow(cr, cx, cy, r, {0.9, 0.9, 0.9}, 0.5);
    } else if (Is(e, "FX_Pause")) {
        Gen_Glow(cr, cx, cy, r, {0.7, 0.9, 1}, 0.6);
        Snowflake(cr, cx, cy, r * 0.8, 2);
    } else if (Is(e, "Snow_Flake1") || Is(e, "Snow_Flake2") || Is(e, "Snow_Flake3")) {
        Snowflake(cr, cx, cy, r * 0.9, e.name[e.name.size() - 5] - '1');
    } else if (Is(e, "FX_Rain1")) {
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
        cairo_pattern_add_color_stop_rgba(p, 0, 0.8, 0.9, 1, 0);
        cairo_pattern_add_color_stop_rgba(p, 1, 0.8, 0.9, 1, 0.8);
        Gen_RoundRectPath(cr, cx - 1.5, 1, 3, h - 2, 1.5);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    } else if (Is(e, "FX_FOG") || Is(e, "FX_Fire_FOG")) {
        Gen_Rgb c = Is(e, "FX_FOG") ? Gen_Rgb{0.9, 0.92, 0.95} : Gen_Rgb{1, 0.45, 0.15};
        for (int i = 0; i < 14; ++i)
            Gen_Glow(cr, rng.Range(w * 0.25, w * 0.75), rng.Range(h * 0.35, h * 0.65),
                     rng.Range(h * 0.2, h * 0.45), c, 0.18);
    } else if (Is(e, "newlife_heart")) {
        Heart(cr, cx, cy, r * 1.6);
    } else if (Is(e, "spark4") || Is(e, "spark3") || Is(e, "win_pc_spark") || Is(e, "spark_mm")) {
        Gen_Glow(cr, cx, cy, r, white, 0.7);
        Gen_Star(cr, cx, cy, r, r * 0.2, 4, 0, white, 0.9);
    } else if (Is(e, "FX_Hammer_start1") || Is(e, "FX_Hammer_start2")) {
        Gen_Glow(cr, cx, cy, r, {1, 0.9, 0.5}, 0.9);
        Gen_Star(cr, cx, cy, r * 0.8, r * 0.2, Is(e, "FX_Hammer_start1") ? 4 : 6, 0, white, 1);
    } else if (Is(e, "fireball_spark") || Is(e, "small_fire_part") || Is(e, "FX_Spark_Fire")) {
        Gen_Glow(cr, cx, cy, r, {1, 0.5, 0.1}, 1);
        Gen_Glow(cr, cx, cy, r * 0.45, {1, 0.95, 0.6}, 1);
    } else if (Is(e, "FX_Dark_Spark") || Is(e, "dark_part")) {
        Gen_Glow(cr, cx, cy, r, {0.35, 0.2, 0.3}, 1);
    } else { // alarm spark and any other plain spark
        Gen_Glow(cr, cx, cy, r, {1, 0.85, 0.8}, 1);
    }
}
} // namespace

void Gen_DrawFx(const Manifest_Entry& e, Gen_Canvas& c) {
    Gen_Rng rng(e.name);
    if (e.frames == 1) {
        c.Cell(e, 0);
        Single(e, c.cr, rng);
        return;
    }
    for (int f = 0; f < e.frames; ++f) {
        c.Cell(e, f);
        Strip_Cell(e, c.cr, f, e.frames > 1 ? f / (e.frames - 1.0) : 0, rng);
    }
}
