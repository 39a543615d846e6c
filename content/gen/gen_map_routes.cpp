// Roads of the level-choose map: smooth lines through the node centres of the level catalogue,
// the crossroads leading into the side packs, and the distance field the painting uses to keep
// its features off the roads and to shape the five lands.
#include <algorithm>
#include <cmath>
#include <mutex>
#include "content/gen/gen_map.h"
#include "content/gen/gen_raster.h"
#include "content/level_catalogue.h"

namespace {
// Catmull-Rom spline through the points, about one sample per pixel.
void Smooth_Line(const std::vector<Map_Pt>& p, std::vector<Map_Pt>& out) {
    for (size_t i = 0; i + 1 < p.size(); ++i) {
        const Map_Pt& a = p[i > 0 ? i - 1 : i];
        const Map_Pt& b = p[i];
        const Map_Pt& c = p[i + 1];
        const Map_Pt& d = p[i + 2 < p.size() ? i + 2 : i + 1];
        int n = std::max(2, static_cast<int>(std::hypot(c.x - b.x, c.y - b.y)));
        for (int k = 0; k < n; ++k) {
            double t = static_cast<double>(k) / n, t2 = t * t, t3 = t2 * t;
            auto cr = [&](double v0, double v1, double v2, double v3) {
                return 0.5 * (2 * v1 + (-v0 + v2) * t + (2 * v0 - 5 * v1 + 4 * v2 - v3) * t2 +
                              (-v0 + 3 * v1 - 3 * v2 + v3) * t3);
            };
            out.push_back({cr(a.x, b.x, c.x, d.x), cr(a.y, b.y, c.y, d.y), c.pack});
        }
    }
    out.push_back(p.back());
}

void Build(Map_Roads& r) {
    Catalogue_Build();
    for (int i = 0; i < Catalogue.count; ++i) {
        const LevelInfo& e = Catalogue.levels[i];
        bool sub = (e.flags & LEVEL_FLAG_SUBPACK) != 0;
        r.nodes.push_back({e.scr_x + (sub ? kMapSubCx : kMapPlainCx),
                           e.scr_y + (sub ? kMapSubCy : kMapPlainCy), e.pack_id});
        r.node_flags.push_back(e.flags);
    }
    // One road per pack in level order; a side pack's road starts at the crossroad that
    // reveals its first level.
    for (int pack = 0; pack < PACKS_COUNT; ++pack) {
        std::vector<Map_Pt> pts;
        for (int i = 0; i < Catalogue.count; ++i) {
            const LevelInfo& e = Catalogue.levels[i];
            if (e.pack_id != pack) continue;
            if (pts.empty())
                for (int j = 0; j < Catalogue.count; ++j) {
                    const LevelInfo& x = Catalogue.levels[j];
                    if (x.pack_id == pack || !(x.flags & LEVEL_FLAG_CROSSROAD)) continue;
                    for (int b = 1; b < x.reveals_count && b < LEVEL_REVEALS_MAX; ++b)
                        if (x.reveals_level[b] == i) pts.push_back({r.nodes[j].x, r.nodes[j].y, pack});
                }
            pts.push_back(r.nodes[i]);
        }
        if (pts.size() < 2) continue;
        r.roads.emplace_back();
        Smooth_Line(pts, r.roads.back());
    }
}
} // namespace

const Map_Roads& Map_GetRoads() {
    static Map_Roads roads;
    static std::once_flag once;
    std::call_once(once, [] { Build(roads); });
    return roads;
}

double Map_Field::At(int k, double x, double y) const {
    const std::vector<float>& d = k < 0 ? any : dist[k];
    double gx = std::min(std::max(x / kStep, 0.0), kW - 1.001),
           gy = std::min(std::max(y / kStep, 0.0), kH - 1.001);
    int ix = static_cast<int>(gx), iy = static_cast<int>(gy);
    double tx = gx - ix, ty = gy - iy;
    const float* r0 = &d[static_cast<size_t>(iy) * kW + ix];
    const float* r1 = r0 + kW;
    return (r0[0] * (1 - tx) + r0[1] * tx) * (1 - ty) + (r1[0] * (1 - tx) + r1[1] * tx) * ty;
}

void Map_BuildField(const Map_Roads& roads, Map_Field& f) {
    const size_t n = static_cast<size_t>(Map_Field::kW) * Map_Field::kH;
    for (auto& d : f.dist)
        d.assign(n, 1e4f);
    f.any.assign(n, 1e4f);
    for (int gy = 0; gy < Map_Field::kH; ++gy)
        for (int gx = 0; gx < Map_Field::kW; ++gx) {
            double x = gx * Map_Field::kStep, y = gy * Map_Field::kStep;
            size_t at = static_cast<size_t>(gy) * Map_Field::kW + gx;
            for (const auto& road : roads.roads)
                for (size_t i = 0; i < road.size(); i += 2) {
                    float d = static_cast<float>(std::hypot(road[i].x - x, road[i].y - y));
                    float& slot = f.dist[road[i].pack][at];
                    slot = std::min(slot, d);
                    f.any[at] = std::min(f.any[at], d);
                }
        }
}

void Map_LandShares(const Map_Field& f, double x, double y, double share[5]) {
    // Anchors pull a land out to the edges of the map: the sea to the west and south-west, the
    // ice to the north, the fire round its volcano and to the south, the gold to the east.
    struct Anchor {
        int land;
        double x, y;
    };
    static const Anchor anchors[] = {{1, 30, 250},  {1, 40, 420},  {1, 90, 560},  {1, 230, 590},
                                     {1, 130, 470}, {2, 320, 20},  {2, 430, 25},  {2, 540, 60},
                                     {2, 230, 40},  {2, 365, 160}, {3, 465, 360}, {3, 440, 580},
                                     {3, 560, 590}, {4, 780, 120}, {4, 780, 260}, {4, 740, 20},
                                     {4, 610, 215}, {0, 40, 60},   {0, 770, 560}, {0, 700, 470}};
    double score[5];
    for (int k = 0; k < 5; ++k)
        score[k] = f.At(k, x, y);
    for (const Anchor& a : anchors)
        score[a.land] = std::min(score[a.land], std::hypot(a.x - x, a.y - y) + 20);
    score[0] -= 6; // the meadows hold the land between the others
    double best = 1e9;
    for (int k = 0; k < 5; ++k) {
        score[k] += 34 * (Gen_Fbm(x / 70, y / 70, 3, 50 + k) - 0.5);
        best = std::min(best, score[k]);
    }
    double sum = 0;
    for (int k = 0; k < 5; ++k)
        sum += share[k] = std::exp(-(score[k] - best) / 5.0);
    for (int k = 0; k < 5; ++k)
        share[k] /= sum;
}
