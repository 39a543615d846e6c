// Track geometry of the level design: smooth Bezier control points through a recipe's
// waypoints, dense samples of the result, the board checks and the artefact places.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include "content/gen/gen_levels.h"

namespace {
constexpr int kSamplesPerSegment = 48;
constexpr double kHandle = 1.0 / 3.0; // control arm length as a share of the neighbouring chord
constexpr double kHudBottom = 58;     // track centres stay below the HUD bar (pearl radius 14)
constexpr double kEdge = 22;          // and this far inside the other screen edges
constexpr double kGunClear = 90;      // radius around the gun no track enters
constexpr double kTrackGap = 34;      // nearest centre distance of two passes (pearls are 28 wide)
constexpr double kSameRun = 70;       // samples closer than this along one track are one pass
constexpr double kElemW = 160, kElemH = 100;

double Len(double x, double y) {
    return std::sqrt(x * x + y * y);
}

bool On_Screen(double x, double y) {
    return x >= kEdge && x <= 800 - kEdge && y >= kHudBottom && y <= 600 - kEdge;
}

Lv_Sample Mirrored(const Lv_Sample& s, int mirror) {
    Lv_Sample m = s;
    if (mirror & LV_MIRROR_X) m.x = 800 - m.x;
    if (mirror & LV_MIRROR_Y) m.y = 600 - m.y;
    return m;
}

bool In_Elem(const Lv_Elem& e, double x, double y, double pad) {
    return x >= e.x - pad && x <= e.x + kElemW + pad && y >= e.y - pad && y <= e.y + kElemH + pad;
}

void Sample_Segment(Lv_Curve& c, int i) {
    const Lv_Point &a = c.pts[i], &b = c.pts[i + 1];
    double px = a.x, py = a.y;
    for (int k = 1; k <= kSamplesPerSegment; ++k) {
        double t = double(k) / kSamplesPerSegment, u = 1 - t;
        double x = u * u * u * a.x + 3 * u * u * t * a.bz2_x + 3 * u * t * t * b.bz1_x + t * t * t * b.x;
        double y = u * u * u * a.y + 3 * u * u * t * a.bz2_y + 3 * u * t * t * b.bz1_y + t * t * t * b.y;
        c.length += Len(x - px, y - py);
        c.samples.push_back({x, y, c.length, i});
        px = x, py = y;
    }
}

// The samples of every track in a grid of cells, for neighbour searches.
struct Grid {
    static constexpr double kCell = 40;
    std::map<std::pair<int, int>, std::vector<std::pair<int, int>>> cells; // (track, sample)
    static std::pair<int, int> Key(double x, double y) {
        return {int(std::floor(x / kCell)), int(std::floor(y / kCell))};
    }
};
} // namespace

Lv_Curve Lv_MakeCurve(const Lv_Track& t) {
    Lv_Curve c;
    c.elems = t.elems;
    const std::vector<Lv_Way>& w = t.way;
    int n = int(w.size());
    for (int i = 0; i < n; ++i) {
        const Lv_Way& prev = w[i > 0 ? i - 1 : i];
        const Lv_Way& next = w[i + 1 < n ? i + 1 : i];
        double dx = next.x - prev.x, dy = next.y - prev.y, d = Len(dx, dy);
        if (d > 0) dx /= d, dy /= d;
        double in = i > 0 ? Len(w[i].x - prev.x, w[i].y - prev.y) : 40;
        double out = i + 1 < n ? Len(next.x - w[i].x, next.y - w[i].y) : 40;
        // The file holds whole numbers, so the curve is built from rounded points.
        Lv_Point p{std::round(w[i].x),
                   std::round(w[i].y),
                   w[i].z,
                   std::round(w[i].x - dx * in * kHandle),
                   std::round(w[i].y - dy * in * kHandle),
                   std::round(w[i].x + dx * out * kHandle),
                   std::round(w[i].y + dy * out * kHandle),
                   0};
        c.pts.push_back(p);
    }
    if (n > 0) c.samples.push_back({c.pts[0].x, c.pts[0].y, 0, 0});
    for (int i = 0; i + 1 < n; ++i) {
        c.pts[i].arc = c.length;
        Sample_Segment(c, i);
    }
    if (n > 0) c.pts[n - 1].arc = c.length;
    return c;
}

bool Lv_CheckBoard(const Lv_Board& b, int mirror, std::string& err) {
    char msg[160];
    Lv_Sample gun = Mirrored({double(b.gun_x), double(b.gun_y), 0, 0}, mirror);
    std::vector<Lv_Curve> curves;
    for (const Lv_Track& t : b.tracks)
        curves.push_back(Lv_MakeCurve(t));
    Grid grid;
    for (size_t ti = 0; ti < curves.size(); ++ti) {
        const std::vector<Lv_Sample>& s = curves[ti].samples;
        if (curves[ti].pts.size() < 3) {
            err = "track " + std::to_string(ti) + " has fewer than three points";
            return false;
        }
        Lv_Sample first = Mirrored(s.front(), mirror);
        if (first.x >= 0 && first.x <= 800 && first.y <= 600) {
            std::snprintf(msg, sizeof msg, "track %zu starts on the screen (%.0f,%.0f)", ti, first.x,
                          first.y);
            return err = msg, false;
        }
        bool inside = false;
        for (size_t i = 0; i < s.size(); ++i) {
            Lv_Sample m = Mirrored(s[i], mirror);
            inside = inside || On_Screen(m.x, m.y);
            bool hud = m.y < kHudBottom && m.x > -14 && m.x < 814;
            const char* why = hud                              ? "under the HUD bar"
                              : inside && !On_Screen(m.x, m.y) ? "off the screen"
                                                               : nullptr;
            if (!why && Len(m.x - gun.x, m.y - gun.y) < kGunClear) why = "too near the gun";
            if (why) {
                std::snprintf(msg, sizeof msg, "track %zu %s at (%.0f,%.0f)", ti, why, m.x, m.y);
                return err = msg, false;
            }
            grid.cells[Grid::Key(s[i].x, s[i].y)].push_back({int(ti), int(i)});
        }
    }
    for (size_t ti = 0; ti < curves.size(); ++ti)
        for (const Lv_Sample& a : curves[ti].samples) {
            auto key = Grid::Key(a.x, a.y);
            for (int gx = key.first - 1; gx <= key.first + 1; ++gx)
                for (int gy = key.second - 1; gy <= key.second + 1; ++gy) {
                    auto it = grid.cells.find({gx, gy});
                    if (it == grid.cells.end()) continue;
                    for (auto [tj, j] : it->second) {
                        const Lv_Sample& o = curves[tj].samples[j];
                        if (int(ti) == tj && std::fabs(o.arc - a.arc) < kSameRun) continue;
                        if (Len(o.x - a.x, o.y - a.y) >= kTrackGap) continue;
                        bool bridged = false;
                        for (const Lv_Curve& c : curves)
                            for (const Lv_Elem& e : c.elems)
                                bridged = bridged || (In_Elem(e, a.x, a.y, 8) && In_Elem(e, o.x, o.y, 8));
                        if (bridged) continue;
                        std::snprintf(msg, sizeof msg, "tracks %zu and %d touch at (%.0f,%.0f)", ti, tj, a.x,
                                      a.y);
                        return err = msg, false;
                    }
                }
        }
    return true;
}

namespace {
// Nearest distance from sample s of any track to the straight shot from the gun to (x, y).
double Shot_Clearance(const std::vector<Lv_Curve>& curves, double gx, double gy, double x, double y) {
    double dx = x - gx, dy = y - gy, len2 = dx * dx + dy * dy, clear = 1e9;
    for (const Lv_Curve& c : curves)
        for (size_t i = 0; i < c.samples.size(); i += 4) {
            const Lv_Sample& s = c.samples[i];
            double f = std::clamp(((s.x - gx) * dx + (s.y - gy) * dy) / len2, 0.0, 1.0);
            clear = std::min(clear, Len(gx + f * dx - s.x, gy + f * dy - s.y));
        }
    return clear;
}
} // namespace

std::vector<std::pair<int, int>> Lv_ArtefactSpots(const Lv_Board& b, int n) {
    std::vector<Lv_Curve> curves;
    for (const Lv_Track& t : b.tracks)
        curves.push_back(Lv_MakeCurve(t));
    struct Spot {
        int x, y;
        double clear;
        bool open; // a shot from the gun reaches it without crossing a track
    };
    std::vector<Spot> cand;
    for (int y = 100; y <= 540; y += 10)
        for (int x = 60; x <= 740; x += 10) {
            double clear = Len(x - b.gun_x, y - b.gun_y) - 70;
            for (const Lv_Curve& c : curves) {
                for (size_t i = 0; i < c.samples.size(); i += 2)
                    clear = std::min(clear, Len(x - c.samples[i].x, y - c.samples[i].y));
                for (const Lv_Elem& e : c.elems)
                    if (In_Elem(e, x, y, 30)) clear = 0;
            }
            if (clear >= 46)
                cand.push_back({x, y, clear, Shot_Clearance(curves, b.gun_x, b.gun_y, x, y) > 24});
        }
    // Places a shot can reach come first; the rest of the list is filled from the others.
    std::vector<std::pair<int, int>> out;
    for (int pass = 0; pass < 2; ++pass)
        while (int(out.size()) < n) {
            int best = -1;
            double best_score = 0;
            for (size_t i = 0; i < cand.size(); ++i) {
                if (pass == 0 && !cand[i].open) continue;
                double score = cand[i].clear;
                for (auto [x, y] : out)
                    score = std::min(score, Len(cand[i].x - x, cand[i].y - y) / 3);
                if (score > best_score + 1e-9) best = int(i), best_score = score;
            }
            if (best < 0 || best_score < 40) break;
            out.push_back({cand[best].x, cand[best].y});
        }
    return out;
}
