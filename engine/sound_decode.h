// Decoding of sound files held in memory: Ogg Vorbis (libvorbisfile) and PCM or float WAV.
// Input is untrusted: sizes are checked, and damaged data gives false and a log line that
// names the file, never a crash.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include "engine/audio_out.h"

constexpr float kSoundMaxSeconds = 600.0f; // longer sounds are refused

// Decodes by content (an "OggS" or "RIFF....WAVE" start), whatever the name says; name is
// only used in log lines.
bool Sound_Decode(const uint8_t* data, size_t size, const std::string& name, Sound_Pcm& out);
bool Sound_DecodeOgg(const uint8_t* data, size_t size, const std::string& name, Sound_Pcm& out);
bool Sound_DecodeWav(const uint8_t* data, size_t size, const std::string& name, Sound_Pcm& out);
// Opens a content path ("incbin::" + name, or a file) and decodes it.
bool Sound_Load(const std::string& path, Sound_Pcm& out);
