// Sampled cubic Bezier segments: each segment of a track is sampled once into 12000 points
// with cumulative arc lengths, and every later position query is a lookup or a bisection
// in that table. Units are logical screen units.
#pragma once

constexpr int BZ_SAMPLES = 12000;                  // samples per segment
constexpr double BZ_STEP = 1.0 / (BZ_SAMPLES - 1); // parameter step between samples
constexpr float BZ_T_LAST = 11998.0f / 11999.0f;   // t put on a pearl re-entering a segment's end

// One control point of a track.
struct PPoint {
    float x = 0, y = 0;         // the point on the track
    int z = 0;                  // draw layer of pearls after they pass this point
    float bz1_x = 0, bz1_y = 0; // control point of the segment that arrives here
    float bz2_x = 0, bz2_y = 0; // control point of the segment that leaves here
    int speed = 0;              // target speed (units/s) of waves led on the segment starting here
};

// One sample of a segment.
struct Bz_Sample {
    double t;        // curve parameter
    double delta;    // straight distance from the previous sample (0 for the first)
    double dist_tot; // arc length from the segment start
    float x, y;      // position
};

// The table of one segment, stored field by field so that the arc-length searches read
// densely packed distances.
struct Bz_Samples {
    double dist_tot[BZ_SAMPLES]; // arc length from the segment start
    float x[BZ_SAMPLES], y[BZ_SAMPLES];
    double t[BZ_SAMPLES];     // curve parameter
    double delta[BZ_SAMPLES]; // straight distance from the previous sample
    Bz_Sample Sample(int i) const { return {t[i], delta[i], dist_tot[i], x[i], y[i]}; }
    double Length() const { return dist_tot[BZ_SAMPLES - 1]; } // segment length
};

struct Bz_Point {
    double x, y;
};

// Sample index of parameter t: trunc(t / BZ_STEP), kept inside the table.
int Sample_Index(double t);
// de Casteljau evaluation of the cubic through p0..p3 at t.
inline Bz_Point Bz_Eval(Bz_Point p0, Bz_Point p1, Bz_Point p2, Bz_Point p3, double t) {
    auto lerp = [t](Bz_Point a, Bz_Point b) {
        return Bz_Point{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
    };
    Bz_Point a = lerp(p0, p1), b = lerp(p1, p2), c = lerp(p2, p3);
    Bz_Point d = lerp(a, b), e = lerp(b, c);
    return lerp(d, e);
}
// Fills one table: t accumulated by adding BZ_STEP from 0, lengths summed sample to sample.
void Bz_Sample_Segment(Bz_Samples& table, double p0x, double p0y, double p1x, double p1y, double p2x,
                       double p2y, double p3x, double p3y);
// Parameter at arc-length offset dd (positive forward, negative backward) from t0 within the
// segment; a bisection over parameters quantised to 1/12000 (at most 100 steps).
double FindT(const Bz_Samples& table, double t0, double dd);
// Heading in degrees (0 along +x, 90 along +y) of the step from sample `from` to sample `to`.
float Bz_Heading(const Bz_Samples& table, int from, int to);
