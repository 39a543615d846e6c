// Roads, signposts and cities of the level-choose map. Each land paves its road its own way
// (a dirt track, a boardwalk, packed snow, ash between glowing edges, marble), and a signpost
// stands at every fork of the route.
#include <algorithm>
#include <cmath>
#include "content/gen/gen_map.h"

namespace {
struct Road_Look {
    Gen_Rgb glow; // wide soft halo (alpha 0 for none)
    double glow_a;
    Gen_Rgb edge;  // dark rim
    Gen_Rgb body;  // paving
    Gen_Rgb marks; // dashes along the middle or planks across
    bool planks;
};
const Road_Look kLooks[5] = {
    {{0, 0, 0}, 0, {0.28, 0.2, 0.1}, {0.84, 0.72, 0.5}, {0.62, 0.48, 0.3}, false},
    {{0, 0, 0}, 0, {0.3, 0.2, 0.1}, {0.72, 0.54, 0.32}, {0.42, 0.28, 0.14}, true},
    {{0, 0, 0}, 0, {0.25, 0.36, 0.55}, {0.95, 0.97, 1}, {0.62, 0.74, 0.9}, false},
    {{1, 0.45, 0.08}, 0.35, {0.06, 0.02, 0.02}, {0.5, 0.4, 0.36}, {0.3, 0.22, 0.2}, false},
    {{0, 0, 0}, 0, {0.45, 0.26, 0.05}, {1, 0.95, 0.82}, {0.86, 0.62, 0.2}, false},
};

// Appends the part of the road in land `pack` as sub-paths.
bool Road_Path(cairo_t* cr, const std::vector<Map_Pt>& road, int pack, double dx, double dy) {
    bool any = false, open = false;
    cairo_new_path(cr);
    for (size_t i = 0; i < road.size(); ++i) {
        bool mine = road[i].pack == pack || (i + 1 < road.size() && road[i + 1].pack == pack);
        if (!mine) {
            open = false;
            continue;
        }
        if (!open) cairo_new_sub_path(cr);
        cairo_line_to(cr, road[i].x + dx, road[i].y + dy);
        open = any = true;
    }
    return any;
}

void Stroke(cairo_t* cr, double w, Gen_Rgb c, double a) {
    cairo_set_line_width(cr, w);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Gen_SetColor(cr, c, a);
    cairo_stroke(cr);
}

// A wooden signpost with one board per branch, the boards pointing along the branches.
void Signpost(cairo_t* cr, double x, double y, const std::vector<double>& angles) {
    Gen_Glow(cr, x + 2, y + 3, 9, {0, 0, 0}, 0.45);
    cairo_rectangle(cr, x - 1.6, y - 22, 3.2, 22);
    Gen_SetColor(cr, {0.3, 0.18, 0.08});
    cairo_fill(cr);
    cairo_rectangle(cr, x - 0.6, y - 22, 1, 22);
    Gen_SetColor(cr, {0.62, 0.42, 0.22});
    cairo_fill(cr);
    for (size_t i = 0; i < angles.size(); ++i) {
        double by = y - 20 + 5.5 * static_cast<double>(i), dir = std::cos(angles[i]) >= 0 ? 1 : -1;
        cairo_new_path(cr);
        cairo_move_to(cr, x - dir * 3, by - 2.2);
        cairo_line_to(cr, x + dir * 9, by - 2.2);
        cairo_line_to(cr, x + dir * 12, by);
        cairo_line_to(cr, x + dir * 9, by + 2.2);
        cairo_line_to(cr, x - dir * 3, by + 2.2);
        cairo_close_path(cr);
        Gen_SetColor(cr, i == 0 ? Gen_Rgb{0.82, 0.62, 0.34} : Gen_Rgb{0.74, 0.52, 0.28});
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 0.9);
        Gen_SetColor(cr, {0.25, 0.14, 0.05});
        cairo_stroke(cr);
    }
    Gen_Sphere(cr, x, y - 22.5, 1.8, {0.9, 0.75, 0.3});
}

// Nearest distance from (x, y) to any road sample.
double Road_Distance(const Map_Roads& r, double x, double y) {
    double best = 1e9;
    for (const auto& road : r.roads)
        for (const Map_Pt& p : road)
            best = std::min(best, std::hypot(p.x - x, p.y - y));
    return best;
}

void Signposts(cairo_t* cr, const Map_Roads& r) {
    for (size_t i = 0; i < r.nodes.size(); ++i) {
        const Map_Pt& n = r.nodes[i];
        bool fork = (r.node_flags[i] & 0x08) && !(r.node_flags[i] & 0x01);
        if (!fork) continue;
        // The post stands where the ground is freest within a short walk of the fork.
        double bx = n.x, by = n.y, best = -1;
        for (int k = 0; k < 24; ++k) {
            double a = k * M_PI / 12, x = n.x + 22 * std::cos(a), y = n.y + 22 * std::sin(a);
            double d = std::min(Road_Distance(r, x, y), Road_Distance(r, x, y - 14));
            for (const Map_Pt& m : r.nodes)
                d = std::min(d, std::hypot(m.x - x, m.y - y) - 6);
            if (d > best) best = d, bx = x, by = y + 8;
        }
        std::vector<double> angles;
        for (const auto& road : r.roads)
            for (size_t k = 0; k + 12 < road.size(); ++k)
                if (std::hypot(road[k].x - n.x, road[k].y - n.y) < 1.5) {
                    angles.push_back(std::atan2(road[k + 12].y - n.y, road[k + 12].x - n.x));
                    break;
                }
        Signpost(cr, bx, by, angles);
    }
}
} // namespace

void Map_DrawRoads(cairo_t* cr, const Map_Roads& r) {
    for (int pass = 0; pass < 5; ++pass)
        for (int pack = 0; pack < 5; ++pack) {
            const Road_Look& l = kLooks[pack];
            for (const auto& road : r.roads) {
                if (!Road_Path(cr, road, pack, pass == 0 ? 1.5 : 0, pass == 0 ? 2 : 0)) continue;
                switch (pass) {
                case 0:
                    if (l.glow_a > 0) {
                        cairo_path_t* p = cairo_copy_path(cr);
                        Stroke(cr, 14, l.glow, l.glow_a * 0.5);
                        cairo_append_path(cr, p);
                        cairo_path_destroy(p);
                    }
                    Stroke(cr, 9, {0, 0, 0}, 0.3);
                    break;
                case 1:
                    Stroke(cr, 8, l.edge, 0.9);
                    break;
                case 2:
                    Stroke(cr, 5.5, l.body, 1);
                    break;
                case 3: // lit upper edge of the paving
                    cairo_new_path(cr);
                    Road_Path(cr, road, pack, -0.6, -0.8);
                    Stroke(cr, 2, Gen_Mix(l.body, {1, 1, 1}, 0.5), 0.5);
                    break;
                default:
                    if (l.planks) {
                        const double dash[2] = {1.1, 1.9};
                        cairo_set_dash(cr, dash, 2, 0);
                        Stroke(cr, 5.5, l.marks, 0.8);
                    } else {
                        const double dash[2] = {2.5, 3.5};
                        cairo_set_dash(cr, dash, 2, 0);
                        Stroke(cr, 1.2, l.marks, 0.8);
                    }
                    cairo_set_dash(cr, nullptr, 0, 0);
                    break;
                }
            }
        }
    Signposts(cr, r);
}
