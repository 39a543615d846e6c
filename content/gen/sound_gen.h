// Sound synthesis for the content generator: turns a sound content name into the bytes of
// its file (Ogg Vorbis for ".ogg", PCM WAV for ".wav"). Deterministic.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// False when the name is not a known sound or encoding failed.
bool Sound_Generate(const std::string& name, std::vector<uint8_t>& out);
// Prints the measurement of every sound generated so far (group, length, loudness against
// its target, true peak, end level) and the loudness of each pack's ambience pair.
void Sound_PrintSummary(FILE* f);
