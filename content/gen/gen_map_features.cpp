// Features of the five lands on the level-choose map: woods in the meadows, rocks, a ship and
// a compass rose at sea, snowy mountains and pines in the north, a smoking volcano and crags in
// the south, crystal clusters and golden obelisks in the east. They keep clear of the roads,
// the cities and the treasures' places and are drawn back to front.
#include <algorithm>
#include <cmath>
#include "content/gen/gen_map.h"
#include "content/gen/gen_raster.h"

namespace {
enum Kind { TREE, PINE, PEAK, CRAG, CRYSTAL, OBELISK, ROCK };

struct Feature {
    double x, y, s; // foot point and size
    Kind kind;
    int tone, land;
};

// Places kept clear: the cities and the treasures shown on the map when they are won.
bool Reserved(double x, double y, double r) {
    static const double spots[][3] = {{190, 198, 30}, {320, 190, 28}, {495, 336, 28}, {555, 245, 28},
                                      {213, 340, 26}, {431, 199, 26}, {456, 405, 26}, {622, 254, 26},
                                      {687, 401, 26}, {465, 365, 48}, {70, 515, 40}};
    for (const auto& s : spots)
        if (std::hypot(s[0] - x, s[1] - y) < s[2] + r) return true;
    return false;
}

void Tree(cairo_t* cr, double x, double y, double s, int tone) {
    static const Gen_Rgb leaf[3] = {{0.16, 0.38, 0.12}, {0.22, 0.45, 0.14}, {0.3, 0.5, 0.12}};
    Gen_Glow(cr, x + s * 0.5, y + s * 0.1, s * 1.3, {0, 0.05, 0}, 0.5);
    cairo_rectangle(cr, x - s * 0.12, y - s * 0.6, s * 0.24, s * 0.6);
    Gen_SetColor(cr, {0.3, 0.18, 0.08});
    cairo_fill(cr);
    Gen_Rgb c = leaf[tone % 3];
    cairo_arc(cr, x, y - s * 1.05, s * 0.9, 0, 2 * M_PI);
    Gen_SetColor(cr, Gen_Mix(c, {0, 0, 0}, 0.55));
    cairo_fill(cr);
    Gen_Sphere(cr, x - s * 0.25, y - s * 0.95, s * 0.6, c);
    Gen_Sphere(cr, x + s * 0.3, y - s * 0.9, s * 0.55, Gen_Mix(c, {0, 0, 0}, 0.15));
    Gen_Sphere(cr, x, y - s * 1.35, s * 0.6, Gen_Mix(c, {0.6, 0.8, 0.2}, 0.2));
}

void Pine(cairo_t* cr, double x, double y, double s) {
    Gen_Glow(cr, x + s * 0.6, y, s * 1.1, {0.1, 0.15, 0.35}, 0.35);
    for (int k = 0; k < 3; ++k) {
        double top = y - s * (1.9 - k * 0.45), bot = y - s * (0.75 - k * 0.35), half = s * (0.45 + k * 0.2);
        cairo_new_path(cr);
        cairo_move_to(cr, x, top);
        cairo_line_to(cr, x + half, bot);
        cairo_line_to(cr, x - half, bot);
        cairo_close_path(cr);
        Gen_SetColor(cr, {0.08, 0.26, 0.2});
        cairo_fill(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, x, top);
        cairo_line_to(cr, x - half * 0.2, bot - s * 0.08);
        cairo_line_to(cr, x - half, bot);
        cairo_close_path(cr);
        Gen_SetColor(cr, {0.92, 0.96, 1}, 0.9);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, x - s * 0.08, y - s * 0.4, s * 0.16, s * 0.4);
    Gen_SetColor(cr, {0.25, 0.15, 0.1});
    cairo_fill(cr);
}

// A mountain: a lit west face and a shaded east face under a snow cap (snow covers the whole
// peak in the north; in the south the rock is black and the cap glows).
void Peak(cairo_t* cr, double x, double y, double s, bool fire, Gen_Rng& rng) {
    double top = y - s * 1.1, lean = rng.Range(-0.15, 0.15) * s;
    Gen_Rgb lit = fire ? Gen_Rgb{0.36, 0.3, 0.28} : Gen_Rgb{0.62, 0.66, 0.74};
    Gen_Rgb dark = fire ? Gen_Rgb{0.12, 0.09, 0.09} : Gen_Rgb{0.34, 0.4, 0.52};
    Gen_Glow(cr, x + s * 0.5, y, s * 0.9, {0, 0, 0.05}, 0.35);
    cairo_new_path(cr);
    cairo_move_to(cr, x - s, y);
    cairo_line_to(cr, x + lean, top);
    cairo_line_to(cr, x + s, y);
    cairo_close_path(cr);
    Gen_SetColor(cr, dark);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, x - s, y);
    cairo_line_to(cr, x + lean, top);
    cairo_line_to(cr, x + lean * 0.3 + s * 0.1, y - s * 0.3);
    cairo_line_to(cr, x - s * 0.2, y);
    cairo_close_path(cr);
    Gen_SetColor(cr, lit);
    cairo_fill(cr);
    // The cap: a jagged snow line a third of the way down.
    double cap = 0.38;
    cairo_new_path(cr);
    cairo_move_to(cr, x + lean, top);
    cairo_line_to(cr, x + lean + s * cap, top + s * 1.1 * cap);
    for (int k = 0; k <= 4; ++k) {
        double t = 1 - k / 4.0, px = x + lean + (t * 2 - 1) * s * cap;
        cairo_line_to(cr, px, top + s * 1.1 * cap * (k % 2 ? 0.75 : 1.05));
    }
    cairo_close_path(cr);
    Gen_SetColor(cr, fire ? Gen_Rgb{0.95, 0.4, 0.08} : Gen_Rgb{0.98, 0.99, 1}, fire ? 0.8 : 1);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, x - s, y);
    cairo_line_to(cr, x + lean, top);
    cairo_line_to(cr, x + s, y);
    cairo_set_line_width(cr, 1.2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Gen_SetColor(cr, {0.1, 0.08, 0.1}, 0.6);
    cairo_stroke(cr);
}

void Crystal(cairo_t* cr, double x, double y, double s, int tone, Gen_Rng& rng) {
    static const Gen_Rgb gems[4] = {{0.9, 0.12, 0.25}, {0.1, 0.75, 0.4}, {0.2, 0.45, 1}, {0.7, 0.25, 0.95}};
    Gen_Rgb g = gems[tone % 4];
    Gen_Glow(cr, x, y - s * 0.5, s * 1.6, Gen_Mix(g, {1, 1, 1}, 0.4), 0.35);
    Gen_Glow(cr, x + s * 0.4, y + 1, s * 0.9, {0.3, 0.15, 0}, 0.4);
    for (int k = 0; k < 3; ++k) {
        double a = (k - 1) * 0.45 + rng.Range(-0.1, 0.1), len = s * (k == 1 ? 1.6 : 1.0), w = s * 0.28;
        cairo_save(cr);
        cairo_translate(cr, x + (k - 1) * s * 0.3, y);
        cairo_rotate(cr, a);
        cairo_new_path(cr);
        cairo_move_to(cr, -w, 0);
        cairo_line_to(cr, -w, -len * 0.75);
        cairo_line_to(cr, 0, -len);
        cairo_line_to(cr, w, -len * 0.75);
        cairo_line_to(cr, w, 0);
        cairo_close_path(cr);
        Gen_SetColor(cr, Gen_Mix(g, {0, 0, 0}, 0.35));
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 0.8);
        Gen_SetColor(cr, Gen_Mix(g, {0, 0, 0}, 0.7));
        cairo_stroke(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, -w, 0);
        cairo_line_to(cr, -w, -len * 0.75);
        cairo_line_to(cr, 0, -len);
        cairo_line_to(cr, 0, 0);
        cairo_close_path(cr);
        Gen_SetColor(cr, Gen_Mix(g, {1, 1, 1}, 0.35));
        cairo_fill(cr);
        cairo_restore(cr);
    }
    Gen_Star(cr, x - s * 0.2, y - s * 1.3, s * 0.5, s * 0.1, 4, 0, {1, 1, 1}, 0.9);
}

void Obelisk(cairo_t* cr, double x, double y, double s) {
    Gen_Glow(cr, x + s * 0.6, y, s * 0.9, {0.3, 0.12, 0}, 0.45);
    double w = s * 0.3, h = s * 2.2;
    cairo_new_path(cr);
    cairo_move_to(cr, x - w, y);
    cairo_line_to(cr, x - w * 0.7, y - h);
    cairo_line_to(cr, x, y - h - w);
    cairo_line_to(cr, x + w * 0.7, y - h);
    cairo_line_to(cr, x + w, y);
    cairo_close_path(cr);
    Gen_SetColor(cr, {0.62, 0.38, 0.08});
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, x - w, y);
    cairo_line_to(cr, x - w * 0.7, y - h);
    cairo_line_to(cr, x, y - h - w);
    cairo_line_to(cr, x, y);
    cairo_close_path(cr);
    Gen_SetColor(cr, {1, 0.88, 0.45});
    cairo_fill(cr);
    Gen_Sphere(cr, x, y - h - w - 1, w * 0.6, {0.95, 0.2, 0.3});
}

void Crag(cairo_t* cr, double x, double y, double s) {
    Gen_Glow(cr, x, y - s * 0.2, s * 1.4, {1, 0.35, 0.05}, 0.25);
    cairo_new_path(cr);
    cairo_move_to(cr, x - s, y);
    cairo_line_to(cr, x - s * 0.5, y - s * 0.9);
    cairo_line_to(cr, x - s * 0.1, y - s * 0.6);
    cairo_line_to(cr, x + s * 0.3, y - s * 1.3);
    cairo_line_to(cr, x + s, y);
    cairo_close_path(cr);
    Gen_SetColor(cr, {0.1, 0.07, 0.07});
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    Gen_SetColor(cr, {0.9, 0.35, 0.05}, 0.7);
    cairo_stroke(cr);
    cairo_move_to(cr, x - s * 0.5, y - s * 0.9);
    cairo_line_to(cr, x - s * 0.7, y);
    cairo_move_to(cr, x + s * 0.3, y - s * 1.3);
    cairo_line_to(cr, x + s * 0.05, y);
    Gen_SetColor(cr, {0.4, 0.33, 0.3}, 0.8);
    cairo_stroke(cr);
}

// A rock standing out of the sea, foam round its foot.
void Sea_Rock(cairo_t* cr, double x, double y, double s) {
    cairo_save(cr);
    cairo_translate(cr, x, y + s * 0.3);
    cairo_scale(cr, 1.6, 0.6);
    cairo_arc(cr, 0, 0, s, 0, 2 * M_PI);
    cairo_restore(cr);
    Gen_SetColor(cr, {0.95, 1, 1}, 0.55);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, x - s * 1.2, y + s * 0.3);
    cairo_line_to(cr, x - s * 0.6, y - s * 0.7);
    cairo_line_to(cr, x + s * 0.1, y - s);
    cairo_line_to(cr, x + s * 0.9, y - s * 0.3);
    cairo_line_to(cr, x + s * 1.2, y + s * 0.3);
    cairo_close_path(cr);
    Gen_SetColor(cr, {0.3, 0.3, 0.32});
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, x - s * 1.2, y + s * 0.3);
    cairo_line_to(cr, x - s * 0.6, y - s * 0.7);
    cairo_line_to(cr, x + s * 0.1, y - s);
    cairo_line_to(cr, x, y + s * 0.3);
    cairo_close_path(cr);
    Gen_SetColor(cr, {0.62, 0.6, 0.56});
    cairo_fill(cr);
}

void Volcano(cairo_t* cr) {
    const double x = 465, y = 392;
    Gen_Glow(cr, x, y - 10, 70, {1, 0.35, 0.05}, 0.35);
    cairo_new_path(cr);
    cairo_move_to(cr, x - 52, y);
    cairo_curve_to(cr, x - 30, y - 10, x - 16, y - 40, x - 11, y - 52);
    cairo_line_to(cr, x + 11, y - 52);
    cairo_curve_to(cr, x + 16, y - 40, x + 30, y - 10, x + 52, y);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(x - 50, 0, x + 50, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.42, 0.34, 0.3);
    cairo_pattern_add_color_stop_rgb(p, 0.45, 0.26, 0.2, 0.18);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.08, 0.05, 0.05);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, 1.5);
    Gen_SetColor(cr, {0.06, 0.03, 0.03});
    cairo_stroke(cr);
    // Lava welling over the rim and running down the flanks.
    const double flows[3][3] = {{-6, -22, 34}, {3, 8, 46}, {8, 28, 30}};
    for (const auto& fl : flows) {
        cairo_move_to(cr, x + fl[0], y - 51);
        cairo_curve_to(cr, x + fl[0] + fl[1] * 0.3, y - 38, x + fl[1] * 0.8, y - 20, x + fl[1],
                       y - 52 + fl[2]);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cr, 4.5);
        Gen_SetColor(cr, {0.85, 0.22, 0.02}, 0.9);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 2);
        Gen_SetColor(cr, {1, 0.8, 0.3});
        cairo_stroke(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, x, y - 52);
    cairo_scale(cr, 1, 0.35);
    cairo_arc(cr, 0, 0, 11, 0, 2 * M_PI);
    cairo_restore(cr);
    Gen_SetColor(cr, {1, 0.7, 0.2});
    cairo_fill(cr);
    Gen_Glow(cr, x, y - 54, 16, {1, 0.9, 0.5}, 0.8);
    // Smoke drifting east.
    for (int k = 0; k < 7; ++k)
        Gen_Glow(cr, x + 4 + k * 6, y - 62 - k * 4, 8 + k * 1.6, {0.25, 0.2, 0.2}, 0.55 - k * 0.06);
}

// Ship with a white sail out at sea.
void Ship(cairo_t* cr, double x, double y) {
    Gen_Ring(cr, x, y + 3, 11, 1.2, {0.9, 1, 1}, 0.4);
    cairo_new_path(cr);
    cairo_move_to(cr, x - 12, y - 2);
    cairo_line_to(cr, x + 12, y - 2);
    cairo_line_to(cr, x + 8, y + 4);
    cairo_line_to(cr, x - 9, y + 4);
    cairo_close_path(cr);
    Gen_SetColor(cr, {0.42, 0.24, 0.1});
    cairo_fill(cr);
    cairo_rectangle(cr, x - 0.7, y - 22, 1.4, 20);
    Gen_SetColor(cr, {0.25, 0.14, 0.06});
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, x + 1, y - 21);
    cairo_curve_to(cr, x + 11, y - 15, x + 11, y - 8, x + 1, y - 4);
    cairo_close_path(cr);
    Gen_SetColor(cr, {0.98, 0.96, 0.9});
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, x - 1, y - 18);
    cairo_curve_to(cr, x - 7, y - 12, x - 7, y - 8, x - 1, y - 5);
    cairo_close_path(cr);
    Gen_SetColor(cr, {0.85, 0.82, 0.78});
    cairo_fill(cr);
    cairo_rectangle(cr, x, y - 25, 6, 3);
    Gen_SetColor(cr, {0.8, 0.1, 0.1});
    cairo_fill(cr);
}

void Compass(cairo_t* cr, double x, double y) {
    Gen_Glow(cr, x, y, 38, {0.9, 0.95, 1}, 0.25);
    Gen_Ring(cr, x, y, 26, 2, {0.22, 0.14, 0.06}, 0.8);
    Gen_Ring(cr, x, y, 22, 1, {0.95, 0.85, 0.55}, 0.8);
    Gen_Star(cr, x, y, 20, 4, 4, M_PI / 4, {0.22, 0.14, 0.06}, 0.7);
    Gen_Star(cr, x, y, 30, 5, 4, 0, {0.22, 0.14, 0.06}, 0.9);
    Gen_Star(cr, x, y, 28, 4, 4, 0, {0.98, 0.9, 0.6}, 1);
    cairo_new_path(cr);
    cairo_move_to(cr, x, y - 28);
    cairo_line_to(cr, x + 4, y);
    cairo_line_to(cr, x - 4, y);
    cairo_close_path(cr);
    Gen_SetColor(cr, {0.8, 0.15, 0.1});
    cairo_fill(cr);
    Gen_Sphere(cr, x, y, 3, {0.9, 0.75, 0.3});
    Map_Text(cr, 0, 13, x, y - 32, "N", {0.98, 0.92, 0.7}, 2);
}

void Collect(const Map_Field& f, Gen_Rng& rng, std::vector<Feature>& out) {
    for (int i = 0; i < 5200; ++i) {
        double x = rng.Range(4, 796), y = rng.Range(8, 600), share[5];
        Map_LandShares(f, x, y, share);
        int land = static_cast<int>(std::max_element(share, share + 5) - share);
        if (share[land] < 0.85) continue;
        double road = f.At(-1, x, y), s = 0;
        Kind kind = TREE;
        double grove = Gen_Fbm(x / 55, y / 55, 3, 70 + land);
        switch (land) {
        case 0:
            if (grove < 0.54) continue;
            kind = TREE, s = rng.Range(4.5, 7);
            break;
        case 1:
            if (Map_SeaDepth(f, x, y) < 10 || rng.Next() > 0.012) continue;
            kind = ROCK, s = rng.Range(3, 6);
            break;
        case 2:
            if (road > 34 && rng.Next() < 0.35) {
                kind = PEAK, s = rng.Range(14, 24);
            } else {
                if (grove < 0.5) continue;
                kind = PINE, s = rng.Range(4.5, 7);
            }
            break;
        case 3:
            if (rng.Next() > 0.05) continue;
            kind = road > 32 && rng.Next() < 0.4 ? PEAK : CRAG,
            s = kind == PEAK ? rng.Range(12, 18) : rng.Range(5, 8);
            break;
        default:
            if (rng.Next() > 0.09) continue;
            kind = rng.Next() < 0.6 ? CRYSTAL : OBELISK, s = rng.Range(5, 8);
            break;
        }
        double clear = kind == PEAK ? s * 1.15 : s * 1.6;
        if (road < clear + 7 || f.At(-1, x, y - s) < clear + 7 || Reserved(x, y, clear)) continue;
        if (land == 1 && kind != ROCK) continue;
        if (land == 2 && Map_SeaDepth(f, x, y) > 0) continue;
        bool crowded = false;
        for (const Feature& o : out)
            if (std::hypot(o.x - x, o.y - y) < (o.s + s) * (kind == PEAK || o.kind == PEAK ? 0.8 : 0.75)) {
                crowded = true;
                break;
            }
        if (!crowded) out.push_back({x, y, s, kind, rng.Int(0, 11), land});
    }
}
} // namespace

void Map_DrawFeatures(cairo_t* cr, const Map_Field& f, Gen_Rng& rng) {
    std::vector<Feature> all;
    Collect(f, rng, all);
    std::stable_sort(all.begin(), all.end(), [](const Feature& a, const Feature& b) { return a.y < b.y; });
    bool volcano = false;
    for (const Feature& t : all) {
        if (!volcano && t.y > 392) Volcano(cr), volcano = true;
        switch (t.kind) {
        case TREE:
            Tree(cr, t.x, t.y, t.s, t.tone);
            break;
        case PINE:
            Pine(cr, t.x, t.y, t.s);
            break;
        case PEAK: {
            Gen_Rng local(std::to_string(t.x) + "peak");
            Peak(cr, t.x, t.y, t.s, t.land == 3, local);
            break;
        }
        case CRAG:
            Crag(cr, t.x, t.y, t.s);
            break;
        case CRYSTAL:
            Crystal(cr, t.x, t.y, t.s, t.tone, rng);
            break;
        case OBELISK:
            Obelisk(cr, t.x, t.y, t.s);
            break;
        case ROCK:
            Sea_Rock(cr, t.x, t.y, t.s);
            break;
        }
    }
    if (!volcano) Volcano(cr);
    Ship(cr, 62, 300);
    Compass(cr, 70, 515);
}
