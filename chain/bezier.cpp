// Segment sampling and the parameter search.
#include "chain/bezier.h"
#include <cmath>

int Sample_Index(double t) {
    double k = t / BZ_STEP;
    if (!(k > 0)) return 0; // also NaN
    if (k >= BZ_SAMPLES - 1) return BZ_SAMPLES - 1;
    return static_cast<int>(k);
}

Bz_Point Bz_Eval(Bz_Point p0, Bz_Point p1, Bz_Point p2, Bz_Point p3, double t) {
    auto lerp = [t](Bz_Point a, Bz_Point b) {
        return Bz_Point{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
    };
    Bz_Point a = lerp(p0, p1), b = lerp(p1, p2), c = lerp(p2, p3);
    Bz_Point d = lerp(a, b), e = lerp(b, c);
    return lerp(d, e);
}

void Bz_Sample_Segment(Bz_Samples& table, double p0x, double p0y, double p1x, double p1y, double p2x,
                       double p2y, double p3x, double p3y) {
    Bz_Point p0{p0x, p0y}, p1{p1x, p1y}, p2{p2x, p2y}, p3{p3x, p3y};
    Bz_Point prev = p0;
    double cumulative = 0, t = 0;
    for (int k = 0; k < BZ_SAMPLES; ++k) {
        Bz_Point p = Bz_Eval(p0, p1, p2, p3, t);
        double d = std::hypot(p.x - prev.x, p.y - prev.y);
        cumulative += d;
        table.samples[k] = {t, d, cumulative, static_cast<float>(p.x), static_cast<float>(p.y)};
        prev = p;
        t += BZ_STEP;
    }
}

double FindT(const Bz_Samples& table, double t0, double dd) {
    double target = table.samples[Sample_Index(t0)].dist_tot + dd;
    double lo = 0, hi = t0;
    if (dd > 0) lo = t0, hi = 1;
    double r = 0;
    for (int n = 0; n < 100; ++n) {
        int k = static_cast<int>((lo + hi) * 6000);
        r = k / 12000.0;
        if (r == lo || r == hi) break;
        // r differs from hi <= 1, so k stays below 12000; the clamp guards a t0 above 1.
        if (k > BZ_SAMPLES - 1) k = BZ_SAMPLES - 1;
        if (k < 0) k = 0;
        if (table.samples[k].dist_tot >= target)
            hi = r;
        else
            lo = r;
    }
    return r;
}

float Bz_Heading(const Bz_Samples& table, int from, int to) {
    const Bz_Sample& a = table.samples[from];
    const Bz_Sample& b = table.samples[to];
    return static_cast<float>(std::atan2(b.y - a.y, b.x - a.x) * 180.0 / M_PI);
}
