// The music engine of the generator: instruments (harp, whistle, drone, frame drum) and an
// arranger that turns a compact tune description into a stereo loop of whole bars.
#pragma once
#include <cstdint>
#include "content/gen/synth.h"

struct Synth_MusicStyle {
    float tempo;          // counted beats per minute
    int beats;            // beats per bar
    int subdiv;           // steps per beat (2 simple time, 3 compound time)
    int root;             // MIDI note of the tonic
    int mode[7];          // scale, semitones above the tonic
    int chords[8];        // scale degree of the chord of each bar, cycling every 8 bars
    const char* harp;     // per step of a bar: '0'..'5' chord tone to pluck, '.' rest
    const char* drum;     // per step of a bar: 'X' accent, 'x' soft, '.' rest
    const char* melody;   // per 4-bar block: 'A', 'B' phrases, 'a', 'b' varied, '-' no tune
    const char* drums_on; // per 4-bar block: '1' drum plays, '0' silent
    float density;        // chance that an off-beat step starts a tune note
    float harp_level, whistle_level, drone_level, drum_level;
    float reverb;  // wet mix 0..1
    uint32_t seed; // picks the tune
};

// Renders the arrangement (one pass of `melody`, a whole number of bars) into a 22 050 Hz
// stereo buffer that loops without a seam.
void Synth_ArrangeMusic(const Synth_MusicStyle& style, Synth_Buf& buf);
