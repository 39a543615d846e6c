// Recipes of the synthesised sounds, by file name below the sounds folder: effects (mono),
// ambience loops and music tracks (stereo). sound_gen.cpp renders and encodes them.
#pragma once
#include <string>
#include <vector>
#include "content/gen/synth.h"
#include "content/gen/synth_mix.h"

using Synth_Fill = void (*)(Synth_Buf& buf);

struct Synth_SfxRecipe {
    const char* file; // e.g. "click.wav"
    float seconds;    // buffer length: the sound dies away inside it
    Synth_Group group;
    double lufs; // momentary maximum the sound is brought to
    Synth_Fill fill;
};

// Short effects, 44 100 Hz mono.
extern const Synth_SfxRecipe kSynthSfx[];
extern const int kSynthSfxCount;

// Renders a looping ambience ("windy01.ogg", "rain01.ogg", "Torch.ogg", ...) into buf
// (22 050 Hz stereo); false for an unknown file.
bool Synth_RenderAmbience(const char* file, Synth_Buf& buf);
// Appends the ambience file names.
void Synth_AmbienceFiles(std::vector<std::string>& out);
// Renders music track 0..3 (22 050 Hz stereo, at least 90 s, loops cleanly).
void Synth_RenderMusic(int track, Synth_Buf& buf);
// Every file the recipes make: effects, then ambience loops, then the four music tracks.
std::vector<std::string> Synth_AllFiles();
