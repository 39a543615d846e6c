// The file names of the game's sounds below ".\sounds\": one table shared by the sound
// manager, which loads them, and the content manifest, which makes them. No dependencies.
#pragma once

constexpr int kSfxSlots = 31;     // effect table size
constexpr int kAmbienceFiles = 6; // ambience slots with a file of their own
constexpr int kMusicTracks = 4;   // music tracks with a file

// Effect slot 0..30 (null for the empty slots 25..27), ambience slot 0..5 (slots 6..8 share
// other slots' sounds; "windy01.ogg" serves two slots) and music track 0..3; null outside.
const char* Sfx_File(int index);
const char* Ambience_File(int slot);
const char* Music_File(int track);
