// EBU R128 measurement through libebur128. The momentary loudness is read every 10 ms while
// the sound is fed in, followed by 400 ms of silence so the window passes over its end.
#include "content/gen/synth_measure.h"
#include <algorithm>
#include <cmath>
#include <ebur128.h>
#include <vector>

namespace {
// Feeds frames through the meter in 10 ms steps (plus a silent 400 ms) and fills the
// loudness fields; peaks are left to the caller.
template <typename T, typename Add>
bool Run_Meter(const T* samples, size_t frames, int channels, int rate, Add add, Synth_Loudness& out) {
    if (channels < 1 || rate < 8000 || !samples) return false;
    ebur128_state* st = ebur128_init(static_cast<unsigned>(channels), static_cast<unsigned long>(rate),
                                     EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK);
    if (!st) return false;
    size_t step = static_cast<size_t>(rate / 100);
    std::vector<T> silence(static_cast<size_t>(rate) * channels * 2 / 5, T(0));
    double m_max = -200;
    auto feed = [&](const T* p, size_t n) {
        for (size_t at = 0; at < n; at += step) {
            size_t k = std::min(step, n - at);
            add(st, p + at * channels, k);
            double m;
            if (ebur128_loudness_momentary(st, &m) == EBUR128_SUCCESS && std::isfinite(m))
                m_max = std::max(m_max, m);
        }
    };
    feed(samples, frames);
    feed(silence.data(), silence.size() / channels);
    double i;
    out.integrated = ebur128_loudness_global(st, &i) == EBUR128_SUCCESS && std::isfinite(i) ? i : -200;
    out.momentary_max = m_max;
    double tp = 0;
    for (int c = 0; c < channels; ++c) {
        double v;
        if (ebur128_true_peak(st, static_cast<unsigned>(c), &v) == EBUR128_SUCCESS) tp = std::max(tp, v);
    }
    out.true_peak = Synth_Db(tp);
    out.seconds = double(frames) / rate;
    ebur128_destroy(&st);
    return true;
}

// Sample peak, the end level (last 10 ms against the peak) and the clipped-sample count;
// `full` is the magnitude of full scale.
template <typename T>
void Peaks(const T* samples, size_t frames, int channels, int rate, double full, Synth_Loudness& out) {
    size_t n = frames * channels;
    size_t tail = std::min(n, static_cast<size_t>(rate / 100) * channels);
    double peak = 0, end = 0;
    int clipped = 0;
    for (size_t k = 0; k < n; ++k) {
        double v = std::fabs(double(samples[k])) / full;
        peak = std::max(peak, v);
        if (k >= n - tail) end = std::max(end, v);
        if (v >= 0.99997) ++clipped;
    }
    out.sample_peak = Synth_Db(peak);
    out.end_level = peak > 0 ? Synth_Db(end) - Synth_Db(peak) : 0;
    out.clipped = clipped;
}
} // namespace

double Synth_Db(double v) {
    return v > 1e-10 ? 20.0 * std::log10(v) : -200.0;
}

bool Synth_MeasureFloat(const float* samples, size_t frames, int channels, int rate, Synth_Loudness& out) {
    out = Synth_Loudness{};
    auto add = [](ebur128_state* st, const float* p, size_t k) { ebur128_add_frames_float(st, p, k); };
    if (!Run_Meter(samples, frames, channels, rate, add, out)) return false;
    Peaks(samples, frames, channels, rate, 1.0, out);
    return true;
}

bool Synth_MeasureShort(const int16_t* samples, size_t frames, int channels, int rate, Synth_Loudness& out) {
    out = Synth_Loudness{};
    auto add = [](ebur128_state* st, const int16_t* p, size_t k) {
        ebur128_add_frames_short(st, reinterpret_cast<const short*>(p), k);
    };
    if (!Run_Meter(samples, frames, channels, rate, add, out)) return false;
    Peaks(samples, frames, channels, rate, 32767.0, out);
    return true;
}

double Synth_PowerSum(const double* lufs, int count) {
    double p = 0;
    for (int k = 0; k < count; ++k)
        if (lufs[k] > -150) p += std::pow(10.0, lufs[k] / 10.0);
    return p > 0 ? 10.0 * std::log10(p) : -200.0;
}
