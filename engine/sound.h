// The game's sound manager: the effect table played on a pool of 64 channels and panned by
// the screen x of their cause, music cross-faded on two channels, and looping ambience per
// pack cross-faded between two pairs of channels. Volumes are the current player's.
#pragma once
#include "engine/audio_out.h"
#include "engine/sound_files.h"

// Effect table indices (sounds below ".\sounds\").
constexpr int kSfxClick = 0;           // "click.wav": button click
constexpr int kSfxHover = 1;           // "hover.wav": button hover
constexpr int kSfxHitString1 = 2;      // "pearl_hitstring01.ogg": a shot hits a string
constexpr int kSfxHitString2 = 3;      // "pearl_hitstring02.ogg": a shot hits a string
constexpr int kSfxMatch1 = 4;          // "pearl_match_01.ogg" .. 7 "pearl_match_04.ogg" (Sfx_PlayMatch)
constexpr int kSfxBowRelease = 8;      // "bow_release.ogg": the gun fires
constexpr int kSfxBowTurn = 9;         // "bow_turn.ogg": the gun turns fast
constexpr int kSfxRollSlow = 10;       // "pearl_rollslow.ogg": a wave starts rolling in
constexpr int kSfxRollFast = 11;       // "pearl_rollinfast.ogg": a wave starts rolling in fast
constexpr int kSfxStringsConnect = 12; // "pearl_stringsconnect.ogg": two strings join
constexpr int kSfxWop = 13;            // "wop1.ogg": players dialog
constexpr int kSfxSuccess1 = 14;       // "success_sound_01.ogg" .. 16 (Sfx_PlaySuccess)
constexpr int kSfxGetHammer = 17;      // "Gethammer.ogg": the hammer becomes available
constexpr int kSfxHammer = 18;         // "hammer.ogg": a hammer strike
constexpr int kSfxLevelWin = 19;       // "level_win.ogg"
constexpr int kSfxFireball = 20;       // "pearl_fireball.ogg"
constexpr int kSfxPrecision = 21;      // "pearl_precision.ogg"
constexpr int kSfxFreeze = 22;         // "pearl_freeze.ogg"
constexpr int kSfxFlameOrb = 23;       // "pearl_reverse_clearer.ogg"
constexpr int kSfxRollBack = 24;       // "pearl_rollback.ogg"
constexpr int kSfxBomb = 28;           // "pearl_bomb.ogg" (25..27 stay empty)
constexpr int kSfxGetLife = 29;        // "getlife.ogg": the win gauge becomes full
constexpr int kSfxLevelLose = 30;      // "level_lose.ogg"
constexpr int kMusicSlots = 5;         // music tracks 0..3 used, 4 never filled
constexpr int kAmbienceSlots = 9;      // ambience table size
constexpr int kAmbienceNone = 6;       // a secondary ambience slot of 6 means none

extern int MusicSlot;            // current music track 0..3
extern float WeatherSoundFactor; // 0..1 weather scale of the ambience primary (set by the weather)
extern float MatchRate;          // rate of the next match sound, 0.5 .. towards 1
extern int MatchRateTimer;       // ms until MatchRate falls back to 0.5


// Opens the output (OpenAL, else silent), loads the ambience table and, when it is not yet
// loaded, the effect table. Start-up, after the images.
void Audio_Init();
// Stops everything, frees the output and puts every table and value back to its start (tests).
void Sound_Reset();
// The output in use (null before Audio_Init).
Audio_Out* Sound_Output();

// Plays effect `sound` (table index) at volume 0..1 and rate (1 normal), panned by screen x
// (0 left, 400 centre, 800 right); y is unused. Nothing when the player's FX volume is 0.
// When all 64 effect channels are busy every effect stops and this one is dropped.
void Sfx_Play(int sound, float volume, float rate, float x, float y);
// Sfx_Play at the player's FX volume, rate 1.
void Sfx_PlayAt(int sound, float x);
// One of the four match chimes at rate MatchRate, which then rises a quarter of the way to 1.
void Sfx_PlayMatch(float x, float y);
// One of the three success sounds at half the FX volume.
void Sfx_PlaySuccess(float x, float y);
// Per frame, first of the audio updates: MatchRate returns to 0.5 after 2 s without a match.
// Also moves the silent output's play positions on by FrameTime.
void MatchRate_Update();

// Makes track 0..3 current and decodes it on first use; presents the back buffer once
// first unless skip_present is 1.
void Music_Load(int track, int skip_present);
// Starts track 0..3; its first play cross-fades from the old music over 5 s, later plays cut
// over at once. False when the music volume is 0 or the track can't be loaded.
bool Music_Play(int track);
// Per frame: restarts an ended track, fades the new channel in and the old one out.
void Music_Update();

// A level of pack 0..4 starts: a new pack cross-fades to its ambience, the same pack keeps
// what plays.
void Ambience_StartLevel(int pack_id);
// The main menu is entered: cross-fades to the menu's wind.
void Ambience_StartMenu();
// Per frame: fades, restarts the loops, the repeat with pauses of the slot-8 secondary.
void Ambience_Update();
// While suspended, every loop iteration: music and ambience channels to volume 0 (effects
// keep playing); the next updates restore them. Also advances the silent output's time.
void Audio_Mute();

// Module state exposed for tests and diagnostics.
struct Sound_Debug {
    int music_current, music_old; // music channel indices 0/1 of MusicCurrent and MusicOld
    float music_fade_in, music_fade_out;
    int amb_cur0, amb_cur1, amb_old0, amb_old1; // ambience channel indices 0..3
    int amb_primary, amb_secondary, amb_last_pack, amb_state, amb_old_state, amb_repeat_timer;
    float amb_fade_in, amb_old_volume;
    int effect_buffer[kSfxSlots]; // buffer ids of the effect table (0 empty)
    int music_buffer[kMusicSlots];
    int ambience_buffer[kAmbienceSlots];
};
Sound_Debug Sound_GetDebug();
