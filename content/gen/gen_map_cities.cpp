// The four cities of the level-choose map, each where its pack's route begins: a harbour town
// with a lighthouse on the coast, an ice citadel in the snow, a black fortress under the
// volcano and a domed golden palace in the east.
#include <cmath>
#include "content/gen/gen_map.h"

namespace {
const Gen_Rgb kInk = {0.12, 0.07, 0.04};

// A house: walls, a pitched roof and a lit window; (x, y) is the middle of its base.
void House(cairo_t* cr, double x, double y, double w, double h, Gen_Rgb wall, Gen_Rgb roof) {
    cairo_rectangle(cr, x - w / 2, y - h, w, h);
    Gen_SetColor(cr, wall);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.9);
    Gen_SetColor(cr, kInk, 0.8);
    cairo_stroke(cr);
    cairo_rectangle(cr, x + w / 2 - w * 0.35, y - h, w * 0.35, h);
    Gen_SetColor(cr, {0, 0, 0}, 0.22);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, x - w / 2 - 1.5, y - h);
    cairo_line_to(cr, x, y - h - w * 0.55);
    cairo_line_to(cr, x + w / 2 + 1.5, y - h);
    cairo_close_path(cr);
    Gen_SetColor(cr, roof);
    cairo_fill_preserve(cr);
    Gen_SetColor(cr, kInk, 0.8);
    cairo_stroke(cr);
    cairo_rectangle(cr, x - w * 0.2, y - h * 0.65, w * 0.22, h * 0.3);
    Gen_SetColor(cr, {1, 0.85, 0.4});
    cairo_fill(cr);
}

// A round tower with a cone roof and a pennant.
void Tower(cairo_t* cr, double x, double y, double w, double h, Gen_Rgb wall, Gen_Rgb roof, Gen_Rgb flag) {
    cairo_pattern_t* p = cairo_pattern_create_linear(x - w / 2, 0, x + w / 2, 0);
    Gen_Rgb lit = Gen_Mix(wall, {1, 1, 1}, 0.3), dark = Gen_Mix(wall, {0, 0, 0}, 0.4);
    cairo_pattern_add_color_stop_rgb(p, 0, lit.r, lit.g, lit.b);
    cairo_pattern_add_color_stop_rgb(p, 1, dark.r, dark.g, dark.b);
    cairo_rectangle(cr, x - w / 2, y - h, w, h);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, 0.9);
    Gen_SetColor(cr, kInk, 0.8);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, x - w / 2 - 1.5, y - h);
    cairo_line_to(cr, x, y - h - w * 1.2);
    cairo_line_to(cr, x + w / 2 + 1.5, y - h);
    cairo_close_path(cr);
    Gen_SetColor(cr, roof);
    cairo_fill_preserve(cr);
    Gen_SetColor(cr, kInk, 0.8);
    cairo_stroke(cr);
    double top = y - h - w * 1.2;
    cairo_move_to(cr, x, top);
    cairo_line_to(cr, x, top - 5);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, x, top - 5);
    cairo_line_to(cr, x + 6, top - 3.8);
    cairo_line_to(cr, x, top - 2.6);
    Gen_SetColor(cr, flag);
    cairo_fill(cr);
    cairo_rectangle(cr, x - w * 0.15, y - h * 0.7, w * 0.3, h * 0.22);
    Gen_SetColor(cr, {1, 0.85, 0.4});
    cairo_fill(cr);
}

void Dome(cairo_t* cr, double x, double y, double r, Gen_Rgb c) {
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.4, y - r * 0.6, 0, x, y, r * 1.2);
    Gen_Rgb hi = Gen_Mix(c, {1, 1, 1}, 0.6), lo = Gen_Mix(c, {0, 0, 0}, 0.4);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, 0.9);
    Gen_SetColor(cr, kInk, 0.8);
    cairo_stroke(cr);
    cairo_move_to(cr, x, y - r);
    cairo_line_to(cr, x, y - r - 4);
    cairo_stroke(cr);
}

void Ground_Shadow(cairo_t* cr, double x, double y, double w) {
    cairo_save(cr);
    cairo_translate(cr, x + 3, y + 1);
    cairo_scale(cr, w, w * 0.35);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    Gen_SetColor(cr, {0, 0, 0}, 0.3);
    cairo_fill(cr);
}

void Harbour(cairo_t* cr, double x, double y) {
    Ground_Shadow(cr, x, y, 26);
    const Gen_Rgb roofs[3] = {{0.75, 0.22, 0.14}, {0.2, 0.38, 0.66}, {0.82, 0.45, 0.16}};
    Tower(cr, x - 16, y - 2, 6, 22, {0.95, 0.93, 0.88}, {0.75, 0.15, 0.12}, {1, 0.85, 0.2}); // lighthouse
    Gen_Glow(cr, x - 16, y - 29, 9, {1, 0.95, 0.6}, 0.8);
    House(cr, x - 2, y - 4, 10, 9, {0.92, 0.85, 0.7}, roofs[0]);
    House(cr, x + 11, y - 6, 11, 10, {0.95, 0.9, 0.78}, roofs[1]);
    House(cr, x + 5, y + 5, 10, 8, {0.9, 0.82, 0.66}, roofs[2]);
    House(cr, x - 12, y + 7, 9, 8, {0.95, 0.88, 0.72}, roofs[1]);
}

void Citadel(cairo_t* cr, double x, double y) {
    Ground_Shadow(cr, x, y, 24);
    const Gen_Rgb ice = {0.72, 0.86, 1}, roof = {0.3, 0.5, 0.85}, flag = {0.2, 0.6, 1};
    cairo_rectangle(cr, x - 15, y - 14, 30, 14);
    Gen_SetColor(cr, Gen_Mix(ice, {0.4, 0.5, 0.7}, 0.4));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.9);
    Gen_SetColor(cr, kInk, 0.7);
    cairo_stroke(cr);
    for (int k = 0; k < 6; ++k) { // battlements with snow
        cairo_rectangle(cr, x - 15 + k * 5.4, y - 17, 3, 3);
        Gen_SetColor(cr, {0.96, 0.98, 1});
        cairo_fill(cr);
    }
    Tower(cr, x - 14, y, 8, 22, ice, roof, flag);
    Tower(cr, x + 14, y, 8, 22, ice, roof, flag);
    Tower(cr, x, y - 6, 10, 26, {0.85, 0.93, 1}, roof, flag);
    cairo_arc(cr, x, y - 3, 3.5, M_PI, 2 * M_PI);
    cairo_line_to(cr, x + 3.5, y);
    cairo_line_to(cr, x - 3.5, y);
    Gen_SetColor(cr, {0.15, 0.2, 0.35});
    cairo_fill(cr);
}

void Fortress(cairo_t* cr, double x, double y) {
    Gen_Glow(cr, x, y - 12, 30, {1, 0.4, 0.05}, 0.35);
    Ground_Shadow(cr, x, y, 24);
    const Gen_Rgb wall = {0.24, 0.18, 0.17}, roof = {0.1, 0.06, 0.06}, flag = {0.95, 0.2, 0.05};
    cairo_rectangle(cr, x - 16, y - 13, 32, 13);
    Gen_SetColor(cr, wall);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.9);
    Gen_SetColor(cr, {1, 0.4, 0.1}, 0.6);
    cairo_stroke(cr);
    Tower(cr, x - 15, y, 9, 20, wall, roof, flag);
    Tower(cr, x + 15, y, 9, 20, wall, roof, flag);
    Tower(cr, x, y - 4, 11, 27, {0.3, 0.22, 0.2}, roof, flag);
    for (int k = -1; k <= 1; k += 2) {
        cairo_rectangle(cr, x + k * 8 - 1.5, y - 9, 3, 4);
        Gen_SetColor(cr, {1, 0.55, 0.1});
        cairo_fill(cr);
    }
}

void Palace(cairo_t* cr, double x, double y) {
    Gen_Glow(cr, x, y - 14, 30, {1, 0.9, 0.5}, 0.4);
    Ground_Shadow(cr, x, y, 26);
    const Gen_Rgb marble = {0.97, 0.93, 0.84}, gold = {1, 0.78, 0.25};
    cairo_rectangle(cr, x - 18, y - 12, 36, 12);
    Gen_SetColor(cr, marble);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.9);
    Gen_SetColor(cr, kInk, 0.7);
    cairo_stroke(cr);
    for (int k = 0; k < 5; ++k) { // colonnade
        cairo_rectangle(cr, x - 15 + k * 7, y - 11, 2, 10);
        Gen_SetColor(cr, {0.75, 0.62, 0.4});
        cairo_fill(cr);
    }
    for (int k = -1; k <= 1; k += 2) {
        cairo_rectangle(cr, x + k * 17 - 3, y - 22, 6, 22);
        Gen_SetColor(cr, marble);
        cairo_fill_preserve(cr);
        Gen_SetColor(cr, kInk, 0.7);
        cairo_stroke(cr);
        Dome(cr, x + k * 17, y - 22, 4, gold);
    }
    cairo_rectangle(cr, x - 8, y - 20, 16, 8);
    Gen_SetColor(cr, marble);
    cairo_fill_preserve(cr);
    Gen_SetColor(cr, kInk, 0.7);
    cairo_stroke(cr);
    Dome(cr, x, y - 20, 9, gold);
    Gen_Sphere(cr, x, y - 33, 1.8, {0.95, 0.15, 0.3});
}
} // namespace

void Map_DrawCities(cairo_t* cr) {
    Harbour(cr, 190, 208);
    Citadel(cr, 320, 204);
    Fortress(cr, 495, 348);
    Palace(cr, 555, 258);
}
