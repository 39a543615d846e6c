// Segment sampling and the parameter search.
#include "chain/bezier.h"
#include <cmath>

int Sample_Index(double t) {
    double k = t / BZ_STEP;
    if (!(k > 0)) return 0; // also NaN
    if (k >= BZ_SAMPLES - 1) return BZ_SAMPLES - 1;
    return static_cast<int>(k);
}

void Bz_Sample_Segment(Bz_Samples& table, double p0x, double p0y, double p1x, double p1y, double p2x,
                       double p2y, double p3x, double p3y) {
    Bz_Point p0{p0x, p0y}, p1{p1x, p1y}, p2{p2x, p2y}, p3{p3x, p3y};
    Bz_Point prev = p0;
    double cumulative = 0, t = 0;
    for (int k = 0; k < BZ_SAMPLES; ++k) {
        Bz_Point p = Bz_Eval(p0, p1, p2, p3, t);
        double dx = p.x - prev.x, dy = p.y - prev.y;
        double d = std::sqrt(dx * dx + dy * dy);
        cumulative += d;
        table.t[k] = t;
        table.delta[k] = d;
        table.dist_tot[k] = cumulative;
        table.x[k] = static_cast<float>(p.x);
        table.y[k] = static_cast<float>(p.y);
        prev = p;
        t += BZ_STEP;
    }
}

namespace {
// First index whose distance is at least target (BZ_SAMPLES when none), searched outward from
// guess. The distances never decrease, so "dist_tot[k] >= target" is the same as "k >= index".
int First_At_Least(const Bz_Samples& tab, double target, int guess) {
    const double* d = tab.dist_tot;
    int lo, hi; // d[lo] < target (or lo = -1), d[hi] >= target (or hi = BZ_SAMPLES)
    if (d[guess] >= target) {
        hi = guess;
        int step = 1;
        lo = hi - step;
        while (lo >= 0 && d[lo] >= target) {
            hi = lo;
            step *= 2;
            lo = hi - step;
        }
        if (lo < -1) lo = -1;
    } else {
        lo = guess;
        int step = 1;
        hi = lo + step;
        while (hi < BZ_SAMPLES && !(d[hi] >= target)) {
            lo = hi;
            step *= 2;
            hi = lo + step;
        }
        if (hi > BZ_SAMPLES) hi = BZ_SAMPLES;
    }
    while (hi - lo > 1) {
        int mid = lo + (hi - lo) / 2;
        if (d[mid] >= target)
            hi = mid;
        else
            lo = mid;
    }
    return hi;
}
} // namespace

double FindT(const Bz_Samples& table, double t0, double dd) {
    int i0 = Sample_Index(t0);
    double target = table.dist_tot[i0] + dd;
    // Where the target lies, found near the sample an even spacing predicts; the bisection
    // below then needs no further table reads.
    double spacing = table.Length() / (BZ_SAMPLES - 1);
    double guess = spacing > 0 ? i0 + dd / spacing : i0;
    int g = !(guess > 0) ? 0 : (guess >= BZ_SAMPLES - 1 ? BZ_SAMPLES - 1 : static_cast<int>(guess));
    int first = First_At_Least(table, target, g);
    double lo = 0, hi = t0;
    if (dd > 0) lo = t0, hi = 1;
    double r = 0;
    for (int n = 0; n < 100; ++n) {
        int k = static_cast<int>((lo + hi) * 6000);
        r = k / 12000.0;
        if (r == lo || r == hi) break;
        if (k >= first) // dist_tot[k] >= target
            hi = r;
        else
            lo = r;
    }
    return r;
}

float Bz_Heading(const Bz_Samples& table, int from, int to) {
    return static_cast<float>(std::atan2(table.y[to] - table.y[from], table.x[to] - table.x[from]) * 180.0 /
                              M_PI);
}
