// The level-choose map images: the painted world, the bottom panel, the level and sub-pack
// nodes, the selection marker and the route arrows.
#include "content/gen/gen_map.h"
#include <cmath>
#include "content/gen/gen_groups.h"

namespace {
const Gen_Rgb kInk = {0.16, 0.09, 0.04};

void World(Gen_Canvas& c) {
    const Map_Roads& roads = Map_GetRoads();
    Map_Field field;
    Map_BuildField(roads, field);
    Map_PaintGround(c, field);
    Gen_Rng rng("lcm_bg");
    Map_DrawFeatures(c.cr, field, rng);
    Map_DrawRoads(c.cr, roads);
    Map_DrawCities(c.cr);
    // A soft vignette frames the map like an old painting.
    cairo_pattern_t* v = cairo_pattern_create_radial(400, 290, 300, 400, 290, 560);
    cairo_pattern_add_color_stop_rgba(v, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(v, 1, 0.08, 0.04, 0, 0.5);
    cairo_rectangle(c.cr, 0, 0, 800, 600);
    cairo_set_source(c.cr, v);
    cairo_fill(c.cr);
    cairo_pattern_destroy(v);
}

// A level node: a small gilded stone with a bright face, ringed dark so it reads on grass,
// sand, snow, basalt and gold alike.
void Level_Node(cairo_t* cr) {
    const double x = kMapPlainCx, y = kMapPlainCy;
    Gen_Glow(cr, x + 1.5, y + 2, 9, {0, 0, 0}, 0.6);
    cairo_arc(cr, x, y, 6.6, 0, 2 * M_PI);
    Gen_SetColor(cr, kInk);
    cairo_fill(cr);
    Gen_Sphere(cr, x, y, 5.6, {0.88, 0.66, 0.2});
    Gen_Sphere(cr, x, y, 3.6, {1, 0.96, 0.82});
}

// A sub-pack node: a round shield with a gold rim and a star, in three states.
void Subpack_Node(cairo_t* cr, const std::string& state) {
    const double x = kMapSubCx + (state == "pressed" ? 0.8 : 0), y = kMapSubCy + (state == "pressed" ? 1 : 0);
    bool hot = state == "hovered";
    if (hot) Gen_Glow(cr, x, y, 20, {1, 0.95, 0.6}, 0.7);
    Gen_Glow(cr, x + 2, y + 3, 16, {0, 0, 0}, state == "pressed" ? 0.4 : 0.6);
    cairo_arc(cr, x, y, 11.5, 0, 2 * M_PI);
    Gen_SetColor(cr, kInk);
    cairo_fill(cr);
    Gen_Sphere(cr, x, y, 10.4, hot ? Gen_Rgb{1, 0.84, 0.35} : Gen_Rgb{0.86, 0.62, 0.18});
    Gen_Rgb face = state == "pressed" ? Gen_Rgb{0.55, 0.12, 0.1}
                   : hot              ? Gen_Rgb{0.95, 0.28, 0.2}
                                      : Gen_Rgb{0.78, 0.16, 0.12};
    Gen_Sphere(cr, x, y, 7.4, face);
    Gen_Star(cr, x, y + 0.3, 5.6, 2.4, 5, 0, {0.25, 0.05, 0.02}, 0.6);
    Gen_Star(cr, x - 0.3, y - 0.3, 5, 2.1, 5, 0, {1, 0.93, 0.6}, 1);
}

// The selection marker: a gold ring with four pointers and sparkles; the map spins and
// pulses it, so it is symmetric under a quarter turn.
void Marker(cairo_t* cr) {
    const double c = 28;
    Gen_Glow(cr, c, c, 28, {1, 0.95, 0.6}, 0.45);
    Gen_Ring(cr, c, c, 19, 4.5, kInk, 0.8);
    Gen_Ring(cr, c, c, 19, 2.6, {1, 0.82, 0.3}, 1);
    Gen_Ring(cr, c - 0.4, c - 0.4, 19.6, 0.9, {1, 1, 0.85}, 0.9);
    for (int k = 0; k < 4; ++k) {
        double a = k * M_PI / 2;
        cairo_save(cr);
        cairo_translate(cr, c, c);
        cairo_rotate(cr, a);
        cairo_new_path(cr);
        cairo_move_to(cr, 15, 0);
        cairo_line_to(cr, 26, -5.5);
        cairo_line_to(cr, 24, 0);
        cairo_line_to(cr, 26, 5.5);
        cairo_close_path(cr);
        Gen_SetColor(cr, kInk, 0.9);
        cairo_set_line_width(cr, 2.2);
        cairo_stroke_preserve(cr);
        Gen_SetColor(cr, {1, 0.88, 0.4});
        cairo_fill(cr);
        cairo_restore(cr);
        double s = a + M_PI / 4;
        Gen_Star(cr, c + 20 * std::cos(s), c + 20 * std::sin(s), 4, 1, 4, 0, {1, 1, 0.9}, 0.95);
    }
}

// A route arrow pointing along +x (the map turns it toward the branch it offers).
void Arrow(cairo_t* cr, const std::string& state) {
    bool hot = state == "hovered", down = state == "pressed";
    double dx = down ? 1 : 0, dy = down ? 1 : 0;
    if (hot) Gen_Glow(cr, 24, 24, 24, {1, 1, 0.7}, 0.8);
    auto path = [&](double ox, double oy) {
        cairo_new_path(cr);
        cairo_move_to(cr, 44 + ox, 24 + oy);
        cairo_line_to(cr, 25 + ox, 6 + oy);
        cairo_line_to(cr, 25 + ox, 16 + oy);
        cairo_line_to(cr, 6 + ox, 16 + oy);
        cairo_line_to(cr, 6 + ox, 32 + oy);
        cairo_line_to(cr, 25 + ox, 32 + oy);
        cairo_line_to(cr, 25 + ox, 42 + oy);
        cairo_close_path(cr);
    };
    path(2 + dx, 3 + dy);
    Gen_SetColor(cr, {0, 0, 0}, down ? 0.25 : 0.45);
    cairo_fill(cr);
    path(dx, dy);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 3.5);
    Gen_SetColor(cr, kInk);
    cairo_stroke_preserve(cr);
    Gen_Rgb base = down ? Gen_Rgb{0.2, 0.55, 0.15} : hot ? Gen_Rgb{0.55, 0.95, 0.3} : Gen_Rgb{0.3, 0.78, 0.2};
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 6, 0, 42);
    Gen_Rgb hi = Gen_Mix(base, {1, 1, 0.8}, 0.45), lo = Gen_Mix(base, {0, 0, 0}, 0.35);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 0.5, base.r, base.g, base.b);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    path(dx, dy);
    cairo_set_line_width(cr, 1.3);
    Gen_SetColor(cr, {1, 0.9, 0.45}, 0.9);
    cairo_stroke(cr);
    cairo_move_to(cr, 9 + dx, 19.5 + dy);
    cairo_line_to(cr, 27 + dx, 19.5 + dy);
    cairo_line_to(cr, 27 + dx, 12 + dy);
    cairo_line_to(cr, 38 + dx, 23 + dy);
    Gen_SetColor(cr, {1, 1, 0.9}, 0.55);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

// The bottom panel of the map: a carved board with three recesses for the buttons.
void Panel(cairo_t* cr, double w, double h) {
    Gen_Rng rng("lcm_interf");
    cairo_save(cr);
    Gen_RoundRectPath(cr, 0, 4, w, h - 4, 14);
    cairo_clip(cr);
    Map_DialogFrame(cr, w, h + 30, rng);
    cairo_restore(cr);
    for (double x : {6.0, 209.0, 411.0}) // where the map places its three buttons
        Map_Recess(cr, x - 1, 1, 178, 52, 14);
}
} // namespace

bool Gen_DrawMapArt(const Manifest_Entry& e, Gen_Canvas& c) {
    cairo_t* cr = c.cr;
    if (Gen_Has(e.name, "lcm_bg.jpg")) return World(c), true;
    if (Gen_Has(e.name, "lcm_interf.png")) return Panel(cr, e.frame_w, e.frame_h), true;
    if (Gen_Has(e.name, "lcm_btns\\btn_level_")) return Level_Node(cr), true;
    if (Gen_Has(e.name, "lcm_btns\\btn_subpack_")) return Subpack_Node(cr, Gen_StateOf(e.name)), true;
    if (Gen_Has(e.name, "lcm_btns\\btn_selected")) return Marker(cr), true;
    if (Gen_Has(e.name, "lcm_btns\\btn_arrow_")) return Arrow(cr, Gen_StateOf(e.name)), true;
    return Map_DrawDialogArt(e, c);
}
