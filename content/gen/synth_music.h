// The music engine of the generator: a band of instruments (harp, whistle, fiddle, celesta,
// reed pipe, string pad, plucked bass, bouzouki strums, frame drum, shaker, drone) and an
// arranger that plays a track's written tunes through a list of sections, each with its own
// lead and its own set of accompanying layers, into a stereo loop of whole bars.
#pragma once
#include <cstdint>
#include <vector>
#include "content/gen/synth.h"

enum Synth_Voice { VOICE_NONE, VOICE_HARP, VOICE_WHISTLE, VOICE_FIDDLE, VOICE_CELESTA, VOICE_REED };

// Layers a section plays besides its lead (bit set).
enum Synth_Layer {
    LAYER_ACC = 1,   // the track's accompaniment pattern (arpeggio or strums)
    LAYER_BASS = 2,  // plucked bass on the pattern's bass steps
    LAYER_PAD = 4,   // sustained string chord, one per bar
    LAYER_DRUM = 8,  // frame drum pattern
    LAYER_PERC = 16, // shaker on the off steps
};

struct Synth_Section {
    int bars;         // a whole number of bars (4 or 8)
    char tune;        // 'A' or 'B': the written part it plays; '-' no tune
    Synth_Voice lead; // who plays the tune
    int layers;       // Synth_Layer bits
    bool varied;      // the tune with its long notes broken into turns and neighbours
    Synth_Voice echo; // a second voice doubling the tune (VOICE_NONE: none)
    int echo_shift;   // semitones the echo sits above (or below) the lead
};

struct Synth_MusicStyle {
    float tempo;        // counted beats per minute
    int beats;          // beats per bar
    int subdiv;         // steps per beat (2 simple time, 3 compound time)
    int root;           // MIDI note of the tonic
    int mode[7];        // scale, semitones above the tonic
    int chords_a[8];    // scale degree of the chord of each bar of the A part
    int chords_b[8];    // ... and of the B part (tuneless sections follow the A part)
    const char* tune_a; // 8 bars of "degree[:steps]" tokens; "r" rests, '|' marks bars
    const char* tune_b;
    int tune_base;         // MIDI note of degree 0 of the tunes
    const char* acc;       // per step: '0'..'5' arpeggio chord tone, 'S' strum, 's' soft strum, '.'
    const char* bass;      // per step: 'R' root, 'F' fifth, '.'
    const char* drum;      // per step: 'X' accent, 'x' soft, '.'
    Synth_Voice acc_voice; // VOICE_HARP for arpeggios and strums
    const Synth_Section* sections;
    int section_count;
    float lead_level, acc_level, bass_level, pad_level, drum_level, perc_level, drone_level;
    float reverb, room; // wet mix 0..1 and room size 0..1
    uint32_t seed;      // picks the small timing and level changes of the players
};

// Renders the arrangement (one pass of the sections) into a 22 050 Hz stereo buffer that
// loops without a seam.
void Synth_ArrangeMusic(const Synth_MusicStyle& style, Synth_Buf& buf);

// One instrument of the band, playing into a buffer. Wave tables are built once per band.
struct Synth_Band {
    Synth_Buf& buf;
    Synth_Noise rng;
    std::vector<float> reed, flute, saw_hi, saw_mid, saw_lo; // one-period wave tables

    Synth_Band(Synth_Buf& b, uint32_t seed);
    // A note of voice v starting at t seconds, held `seconds`, MIDI note, level, pan. `cut`
    // adds a grace note a scale step above (whistle and fiddle ornaments), in Hz, 0 none.
    void Play(Synth_Voice v, float t, float seconds, int note, float amp, float pan, float cut_hz = 0);
    void Pad(float t, float seconds, int note, float amp, float pan);
    void Bass(float t, int note, float amp);
    void Drum(float t, bool accent, float amp);
    void Shaker(float t, float amp);
    // Low drone on the tonic and fifth through the whole loop, tuned to whole cycles of it.
    void Drone(int root, float loop_s, float amp);
};
