// The hint pictures' card, board pieces and marks, the hint arrow, and the dispatch by name.
#include "content/gen/gen_tutorial_art.h"
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include "content/gen/gen_board_theme.h"
#include "content/gen/gen_groups.h"
#include "content/gen/gen_map.h"
#include "content/gen/gen_raster.h"
#include "content/gen/gen_tutorial_art_kit.h"

namespace {
const Gen_Rgb kInk = {0.1, 0.06, 0.03};
const char* const kPearls[6] = {"./images/pieces/00_blue.png",    "./images/pieces/01_green.png",
                                "./images/pieces/02_magenta.png", "./images/pieces/03_orange.png",
                                "./images/pieces/04_red.png",     "./images/pieces/05_yellow.png"};
const char* const kMods[10] = {
    "./images/pieces/mods/mod_precision.png", "./images/pieces/mods/mod_reverse.png",
    "./images/pieces/mods/mod_bomb.png",      "./images/pieces/mods/mod_pause.png",
    "./images/pieces/mods/mod_rev_clear.png", "./images/pieces/mods/mod_fireball.png",
    "./images/pieces/mods/mod_chain.png",     "./images/pieces/mods/mod_score2x.png",
    "./images/pieces/mods/mod_score3x.png",   "./images/pieces/mods/mod_bomb_zone.png"};
// On the board a pearl of radius 14 is its 52-pixel ball drawn at 14/26; emblems are drawn at
// their own scale next to it.
constexpr double kBoardPearlScale = 14.0 / 26.0;
const double kModScale[10] = {0.55, 0.55, 0.55, 0.55, 0.55, 0.55, 0.58, 0.55, 0.55, 0.55};

// The arrow of the arrow hints, pointing along +x (the hint turns it toward its target).
void Hint_Arrow(cairo_t* cr) {
    Gen_Glow(cr, 34, 32, 30, {1, 0.9, 0.5}, 0.45);
    auto path = [&](double ox, double oy) {
        cairo_new_path(cr);
        cairo_move_to(cr, 60 + ox, 32 + oy);
        cairo_line_to(cr, 34 + ox, 8 + oy);
        cairo_line_to(cr, 34 + ox, 21 + oy);
        cairo_curve_to(cr, 20 + ox, 21 + oy, 10 + ox, 18 + oy, 4 + ox, 12 + oy);
        cairo_curve_to(cr, 6 + ox, 30 + oy, 16 + ox, 43 + oy, 34 + ox, 43 + oy);
        cairo_line_to(cr, 34 + ox, 56 + oy);
        cairo_close_path(cr);
    };
    path(2, 3);
    Gen_SetColor(cr, {0, 0, 0}, 0.45);
    cairo_fill(cr);
    path(0, 0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 4);
    Gen_SetColor(cr, kInk);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 8, 0, 56);
    cairo_pattern_add_color_stop_rgb(p, 0, 1, 0.96, 0.6);
    cairo_pattern_add_color_stop_rgb(p, 0.5, 1, 0.75, 0.15);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.78, 0.4, 0.05);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    path(0, 0);
    cairo_set_line_width(cr, 1.4);
    Gen_SetColor(cr, {1, 1, 0.85}, 0.8);
    cairo_stroke(cr);
}
} // namespace

Tut_Track::Tut_Track(double x0, double y0, double x1, double y1, double x2, double y2, double x3, double y3) {
    double px = x0, py = y0, carry = 0;
    x.push_back(x0), y.push_back(y0);
    for (int i = 1; i <= 2000; ++i) {
        double t = i / 2000.0, u = 1 - t;
        double qx = u * u * u * x0 + 3 * u * u * t * x1 + 3 * u * t * t * x2 + t * t * t * x3;
        double qy = u * u * u * y0 + 3 * u * u * t * y1 + 3 * u * t * t * y2 + t * t * t * y3;
        carry += std::hypot(qx - px, qy - py);
        px = qx, py = qy;
        if (carry >= 1) x.push_back(qx), y.push_back(qy), carry -= 1;
    }
}

void Tut_Track::At(double s, double& px, double& py, double& heading) const {
    int n = static_cast<int>(x.size());
    int i = s < 0 ? 0 : s >= n - 2 ? n - 2 : static_cast<int>(s);
    px = x[i], py = y[i];
    heading = std::atan2(y[i + 1] - y[i], x[i + 1] - x[i]);
}

const Tut_Sprite& Tut_Kit::Get(const char* name, bool first_frame_only) {
    for (const Named& n : cache_)
        if (std::strcmp(n.name, name) == 0) return *n.s;
    cache_.push_back({name, std::make_unique<Tut_Sprite>(name, first_frame_only)});
    return *cache_.back().s;
}

void Tut_Kit::Pearl(int color, double x, double y, double turn, double r) {
    const char* name = color >= 0 && color < 6 ? kPearls[color]
                       : color == 20           ? "./images/pieces/20_fireball.png"
                                               : "./images/pieces/18_joker.png";
    Get(name, true).Draw(cr, 0, x, y, r / 26, turn);
}

void Tut_Kit::Emblem(int kind, double x, double y, double r) {
    if (kind < 0 || kind > 9) return;
    double s = r / 26 / kBoardPearlScale * kModScale[kind];
    Get(kMods[kind]).Draw(cr, 0, x, y, s, 0, 1, kind != 6);
}

void Tut_Kit::Chain(double x, double y, double r) {
    Emblem(6, x, y, r);
}

void Tut_Kit::Burst(int color, double x, double y, int f, double scale) {
    Gen_Rgb c = color >= 0 && color < 6 ? Gen_PearlColor(color) : Gen_Rgb{1, 0.9, 0.6};
    Get(".\\images\\FX\\explosion_grey.png").Tint(cr, f, x, y, scale, Gen_Mix(c, {1, 1, 1}, 0.35), 0.95);
}

void Tut_Kit::Gun(double x, double y, double angle, int load, int next, double scale) {
    double turn = angle - M_PI / 2, bx = std::cos(angle + M_PI), by = std::sin(angle + M_PI);
    Get(".\\Images\\Gun\\00.png").Draw(cr, 0, x, y, scale);
    Get(".\\Images\\Gun\\01.png").Draw(cr, 0, x, y, scale, turn);
    Get(".\\Images\\Gun\\02.png").Draw(cr, 0, x, y, scale, turn);
    if (next >= 0) Pearl(next, x + 40 * scale * bx, y + 40 * scale * by, angle, 14 * scale);
    if (load >= 0) Pearl(load, x + 10 * scale * bx, y + 10 * scale * by, angle, 14 * scale);
    Get(".\\Images\\Gun\\10.png").Draw(cr, 0, x, y, scale, turn);
    Get(".\\Images\\Gun\\11.png").Draw(cr, 0, x, y, scale, turn);
}

void Tut_Card(cairo_t* cr, double x, double y, double w, double h, int pack) {
    static const Gen_Rgb grounds[5][2] = {{{0.42, 0.58, 0.24}, {0.24, 0.38, 0.13}},
                                          {{0.92, 0.82, 0.6}, {0.76, 0.64, 0.42}},
                                          {{0.9, 0.95, 1}, {0.66, 0.76, 0.9}},
                                          {{0.34, 0.28, 0.26}, {0.14, 0.1, 0.1}},
                                          {{0.96, 0.93, 0.86}, {0.8, 0.74, 0.66}}};
    const Gen_Rgb* g = grounds[pack >= 0 && pack < 5 ? pack : 0];
    Gen_Glow(cr, x + w / 2 + 3, y + h / 2 + 4, w * 0.62, {0, 0, 0}, 0.5);
    Gen_RoundRectPath(cr, x, y, w, h, 12);
    cairo_clip(cr);
    cairo_pattern_t* p =
        cairo_pattern_create_radial(x + w * 0.4, y + h * 0.35, 5, x + w / 2, y + h / 2, w * 0.7);
    cairo_pattern_add_color_stop_rgb(p, 0, g[0].r, g[0].g, g[0].b);
    cairo_pattern_add_color_stop_rgb(p, 1, g[1].r, g[1].g, g[1].b);
    cairo_rectangle(cr, x, y, w, h);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    Gen_Rng rng("tutorial card " + std::to_string(pack));
    for (int i = 0; i < 40; ++i) // a little texture of the ground
        Gen_Glow(cr, x + rng.Range(0, w), y + rng.Range(0, h), rng.Range(4, 14),
                 Gen_Mix(g[1], {0, 0, 0}, 0.2), 0.18);
}

void Tut_CardFrame(cairo_t* cr, double x, double y, double w, double h) {
    cairo_reset_clip(cr);
    cairo_pattern_t* v =
        cairo_pattern_create_radial(x + w / 2, y + h / 2, h * 0.35, x + w / 2, y + h / 2, w * 0.65);
    cairo_pattern_add_color_stop_rgba(v, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(v, 1, 0, 0, 0, 0.4);
    Gen_RoundRectPath(cr, x, y, w, h, 12);
    cairo_set_source(cr, v);
    cairo_fill(cr);
    cairo_pattern_destroy(v);
    Gen_RoundRectPath(cr, x, y, w, h, 12);
    cairo_set_line_width(cr, 4);
    Gen_SetColor(cr, kInk);
    cairo_stroke(cr);
    Gen_RoundRectPath(cr, x + 1, y + 1, w - 2, h - 2, 11);
    cairo_set_line_width(cr, 2);
    Gen_SetColor(cr, {0.88, 0.7, 0.32});
    cairo_stroke(cr);
    Gen_RoundRectPath(cr, x + 3.5, y + 3.5, w - 7, h - 7, 9);
    cairo_set_line_width(cr, 0.8);
    Gen_SetColor(cr, {1, 0.92, 0.6}, 0.5);
    cairo_stroke(cr);
}

void Tut_Groove(cairo_t* cr, const Tut_Track& t, int pack) {
    const Gen_BoardTheme& th = Gen_ThemeOf(pack);
    auto line = [&](double w, Gen_Rgb c, double a, double dx, double dy) {
        cairo_new_path(cr);
        for (size_t i = 0; i < t.x.size(); i += 2)
            cairo_line_to(cr, t.x[i] + dx, t.y[i] + dy);
        cairo_set_line_width(cr, w);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        Gen_SetColor(cr, c, a);
        cairo_stroke(cr);
    };
    const double k = kTutR / 14;
    line(54 * k, {0, 0, 0}, 0.35, 2, 3);
    line(48 * k, Gen_Mix(th.rim, {0, 0, 0}, 0.55), 1, 0, 0);
    line(44 * k, th.rim, 1, 0, 0);
    line(40 * k, Gen_Mix(th.rim, {1, 1, 1}, 0.35), 0.6, -0.7, -1);
    line(33 * k, Gen_Mix(th.groove, {0, 0, 0}, 0.4), 1, 0, 0);
    line(30 * k, th.groove, 1, 0.5, 0.8);
    line(26 * k, th.glow, th.glow_alpha, 0.4, 0.6);
    line(22 * k, th.floor, 1, 0.4, 0.6);
}

void Tut_Hole(cairo_t* cr, double x, double y, int pack) {
    const Gen_BoardTheme& th = Gen_ThemeOf(pack);
    Gen_Glow(cr, x + 2, y + 3, 22, {0, 0, 0}, 0.6);
    Gen_Ring(cr, x, y, 14, 7, Gen_Mix(th.rim, {0, 0, 0}, 0.5), 1);
    Gen_Ring(cr, x, y, 14, 5, th.rim, 1);
    cairo_arc(cr, x, y, 12, 0, 2 * M_PI);
    Gen_SetColor(cr, {0.02, 0.02, 0.03});
    cairo_fill(cr);
}

void Tut_ArcArrow(cairo_t* cr, double cx, double cy, double r, double a0, double a1, Gen_Rgb c) {
    double dir = a1 > a0 ? 1 : -1, tip = a1, body = a1 - dir * 0.35;
    for (int pass = 0; pass < 2; ++pass) {
        cairo_new_path(cr);
        if (dir > 0)
            cairo_arc(cr, cx, cy, r, a0, body);
        else
            cairo_arc_negative(cr, cx, cy, r, a0, body);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cr, pass ? 4.5 : 8);
        Gen_SetColor(cr, pass ? c : kInk, pass ? 1 : 0.85);
        cairo_stroke(cr);
        double bx = cx + r * std::cos(body), by = cy + r * std::sin(body);
        double tx = cx + r * std::cos(tip), ty = cy + r * std::sin(tip);
        double nx = std::cos(body) * (pass ? 7 : 9), ny = std::sin(body) * (pass ? 7 : 9);
        cairo_new_path(cr);
        cairo_move_to(cr, tx + (tx - bx) * (pass ? 0 : 0.25), ty + (ty - by) * (pass ? 0 : 0.25));
        cairo_line_to(cr, bx + nx, by + ny);
        cairo_line_to(cr, bx - nx, by - ny);
        cairo_close_path(cr);
        Gen_SetColor(cr, pass ? c : kInk, pass ? 1 : 0.85);
        cairo_fill(cr);
    }
}

void Tut_Arrow(cairo_t* cr, double x0, double y0, double x1, double y1, Gen_Rgb c, double width) {
    double a = std::atan2(y1 - y0, x1 - x0), len = std::hypot(x1 - x0, y1 - y0);
    cairo_save(cr);
    cairo_translate(cr, x0, y0);
    cairo_rotate(cr, a);
    double head = width * 2.4;
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -width / 2);
    cairo_line_to(cr, len - head, -width / 2);
    cairo_line_to(cr, len - head, -width * 1.4);
    cairo_line_to(cr, len, 0);
    cairo_line_to(cr, len - head, width * 1.4);
    cairo_line_to(cr, len - head, width / 2);
    cairo_line_to(cr, 0, width / 2);
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 2.5);
    Gen_SetColor(cr, kInk, 0.85);
    cairo_stroke_preserve(cr);
    Gen_SetColor(cr, c);
    cairo_fill(cr);
    cairo_restore(cr);
}

void Tut_Halo(cairo_t* cr, double x, double y, Gen_Rgb c, double r) {
    Gen_Glow(cr, x, y, r * 1.9, Gen_Mix(c, {1, 1, 1}, 0.5), 0.55);
    Gen_Ring(cr, x, y, r + 2, 2, {1, 1, 0.9}, 0.85);
}

void Tut_Label(cairo_t* cr, double x, double y, double size, const char* text, Gen_Rgb c) {
    Map_Text(cr, 0, size, x, y, text, c, 2.5);
}

bool Gen_DrawTutorialArt(const Manifest_Entry& e, Gen_Canvas& c) {
    if (Gen_Has(e.name, "tutorial\\arrow.png")) return Hint_Arrow(c.cr), true;
    if (!Gen_Has(e.name, "\\Tutorial\\")) return false;
    int id = std::atoi(e.name.c_str() + e.name.rfind('\\') + 1);
    // The coin and artefact pictures share their box with text from x 150 on.
    bool narrow = id == 16 || id == 17;
    double x = 10, y = narrow ? 16 : 10, w = narrow ? 132 : 160, h = narrow ? 112 : 120;
    Tut_Kit kit(c.cr);
    cairo_save(c.cr);
    bool drawn = Tut_DrawScene(kit, id, x, y, w, h);
    cairo_restore(c.cr);
    if (drawn) Tut_CardFrame(c.cr, x, y, w, h);
    return drawn;
}
