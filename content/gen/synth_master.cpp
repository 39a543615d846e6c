// Finishing touches on a rendered sound before it is encoded: a clean end for effects and a
// peak limiter, so a sound can reach its loudness without clipping.
#include <algorithm>
#include <cmath>
#include <vector>
#include "content/gen/synth.h"

namespace {
float Peak(const Synth_Buf& b, int from, int to) {
    float m = 0;
    for (int i = std::max(from, 0); i < to; ++i)
        for (int c = 0; c < b.channels; ++c)
            m = std::max(m, std::fabs(b.s[static_cast<size_t>(i) * b.channels + c]));
    return m;
}
} // namespace

void Synth_ShapeEnd(Synth_Buf& b, float below_db) {
    int n = b.Frames();
    float peak = Peak(b, 0, n);
    if (n == 0 || peak <= 0) return;
    float floor = peak * std::pow(10.0f, (below_db - 6.0f) / 20.0f);
    int last = 0;
    for (int i = 0; i < n; ++i)
        for (int c = 0; c < b.channels; ++c)
            if (std::fabs(b.s[static_cast<size_t>(i) * b.channels + c]) > floor) last = i;
    if (last >= n - b.rate / 100) {
        // Still sounding at the end of its buffer: fade the last fifth (at least 60 ms) out.
        int fade = std::min(n, std::max(n / 5, b.rate * 60 / 1000));
        for (int i = n - fade; i < n; ++i) {
            float u = float(n - i) / fade;
            for (int c = 0; c < b.channels; ++c)
                b.s[static_cast<size_t>(i) * b.channels + c] *= u * u;
        }
        last = n;
    }
    // Drop what follows the last sample above a floor a little under the wanted end level,
    // keeping 40 ms after it (padded with silence where the buffer is shorter), so the sound
    // ends in its own decay and the encoder's smearing of a late transient stays inside.
    b.s.resize(static_cast<size_t>(last + b.rate * 40 / 1000) * b.channels, 0.0f);
}

void Synth_Limit(Synth_Buf& b, float ceiling) {
    int n = b.Frames();
    int la = std::max(1, b.rate * 3 / 2000); // 1.5 ms look-ahead
    std::vector<float> need(static_cast<size_t>(n), 1.0f);
    for (int i = 0; i < n; ++i) {
        float m = 0;
        for (int c = 0; c < b.channels; ++c)
            m = std::max(m, std::fabs(b.s[static_cast<size_t>(i) * b.channels + c]));
        if (m > ceiling) need[static_cast<size_t>(i)] = ceiling / m;
    }
    // The gain at i is the mean of the window minima around it: each of them is at most the
    // gain sample i needs, so the mean is too, and the gain moves smoothly.
    std::vector<float> lo(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        float m = 1;
        for (int j = std::max(0, i - la); j <= std::min(n - 1, i + la); ++j)
            m = std::min(m, need[static_cast<size_t>(j)]);
        lo[static_cast<size_t>(i)] = m;
    }
    float release = 1.0f - std::exp(-1.0f / (0.04f * b.rate)); // 40 ms back to unity
    float g = 1;
    for (int i = 0; i < n; ++i) {
        float sum = 0;
        int cnt = 0;
        for (int j = std::max(0, i - la); j <= std::min(n - 1, i + la); ++j, ++cnt)
            sum += lo[static_cast<size_t>(j)];
        g = std::min(sum / cnt, g + (1 - g) * release);
        for (int c = 0; c < b.channels; ++c)
            b.s[static_cast<size_t>(i) * b.channels + c] *= g;
    }
}

void Synth_Gain(Synth_Buf& b, double db) {
    float g = static_cast<float>(std::pow(10.0, db / 20.0));
    for (float& v : b.s)
        v *= g;
}
