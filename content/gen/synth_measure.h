// Loudness measurement of sounds (EBU R128 through libebur128): integrated loudness, the
// largest momentary loudness (400 ms window), true peak and the level of the sound's end.
// Used by the generator after it writes each sound and by the content audit on the
// decoded files, so both see the same figures.
#pragma once
#include <cstddef>
#include <cstdint>

struct Synth_Loudness {
    double seconds = 0;
    double integrated = -200;    // LUFS; -200 when the sound is too short or silent
    double momentary_max = -200; // LUFS
    double true_peak = -200;     // dBTP, the loudest channel
    double sample_peak = -200;   // dBFS
    double end_level = 0;        // dB of the last 10 ms's peak below the sample peak (negative)
    int clipped = 0;             // samples at full scale
};

// Measures interleaved samples (frames x channels). False when libebur128 refuses the format.
bool Synth_MeasureFloat(const float* samples, size_t frames, int channels, int rate, Synth_Loudness& out);
bool Synth_MeasureShort(const int16_t* samples, size_t frames, int channels, int rate, Synth_Loudness& out);
// Loudness of uncorrelated sounds played together (the power sum of their loudnesses), as an
// ambience pair plays; -200 when none is given.
double Synth_PowerSum(const double* lufs, int count);
// dB of a level relative to 1 (full scale): 20 log10(v); -200 for 0.
double Synth_Db(double v);
