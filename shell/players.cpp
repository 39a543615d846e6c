// config.bin: the section table, little-endian reading and writing, defaults and the checks
// that keep a damaged file from breaking the game.
#include "shell/players.h"
#include <algorithm>
#include <cmath>
#include <cstring>
#include <sys/stat.h>
#include <vector>
#include "shell/app_state.h"
#include "shell/log.h"
#include "shell/paths.h"

Players_Tables Players;
int CurrentPlayer = 0;

namespace {
struct Section {
    size_t offset, size;
    uint8_t* table; // in-memory table; every value is 4 bytes (int32 or real32)
};

Section Section_Of(int k) {
    Players_Tables& t = Players;
    uint8_t* tables[12] = {
        reinterpret_cast<uint8_t*>(t.level_state),    reinterpret_cast<uint8_t*>(t.reserved_a),
        reinterpret_cast<uint8_t*>(t.reserved_b),     reinterpret_cast<uint8_t*>(t.route_bits),
        reinterpret_cast<uint8_t*>(t.successor),      reinterpret_cast<uint8_t*>(t.hint_flags),
        reinterpret_cast<uint8_t*>(t.fx_volume),      reinterpret_cast<uint8_t*>(t.music_volume),
        reinterpret_cast<uint8_t*>(t.ambient_volume), reinterpret_cast<uint8_t*>(t.treasure_bits),
        reinterpret_cast<uint8_t*>(t.last_level),     reinterpret_cast<uint8_t*>(t.hints_off)};
    if (k < 0 || k >= kPlayersSections) return {0, 0, nullptr};
    if (k < 5) return {8000u * k, 8000, tables[k]};
    if (k == 5) return {40000, 840, tables[5]};
    if (k < 12) return {40840 + 40u * (k - 6), 40, tables[k]};
    return {41080 + 8u * (k - 12), 8, reinterpret_cast<uint8_t*>(&t.high_scores[k - 12])};
}

// Values are 4-byte little-endian on disk whatever the host order.
void Decode(const uint8_t* in, size_t bytes, uint8_t* table) {
    for (size_t i = 0; i + 4 <= bytes; i += 4) {
        uint32_t v = in[i] | in[i + 1] << 8 | in[i + 2] << 16 | static_cast<uint32_t>(in[i + 3]) << 24;
        std::memcpy(table + i, &v, 4);
    }
}

void Encode(const uint8_t* table, size_t bytes, uint8_t* out) {
    for (size_t i = 0; i + 4 <= bytes; i += 4) {
        uint32_t v;
        std::memcpy(&v, table + i, 4);
        for (int b = 0; b < 4; ++b)
            out[i + b] = static_cast<uint8_t>(v >> (8 * b));
    }
}

bool Write_Image(size_t length) {
    std::vector<uint8_t> image(length, 0);
    for (int k = 0; k < kPlayersSections; ++k) {
        Section s = Section_Of(k);
        if (s.offset + s.size <= length) Encode(s.table, s.size, image.data() + s.offset);
    }
    return Paths_WriteAtomic(Players_File(), image.data(), image.size());
}

// Masks unknown bits out of every entry of a table; logs how many entries changed.
void Keep_Bits(int32_t* table, int count, int32_t allowed, const char* what) {
    int fixed = 0;
    for (int i = 0; i < count; ++i)
        if (table[i] & ~allowed) table[i] &= allowed, ++fixed;
    if (fixed)
        Log_Line("config.bin: " + std::to_string(fixed) + " " + what + " entries had unknown bits, cleared");
}

void Keep_Range(int32_t* table, int count, int32_t lo, int32_t hi, int32_t fallback, const char* what) {
    int fixed = 0;
    for (int i = 0; i < count; ++i)
        if (table[i] < lo || table[i] > hi) table[i] = fallback, ++fixed;
    if (fixed) Log_Line("config.bin: " + std::to_string(fixed) + " " + what + " entries out of range, reset");
}

void Keep_Volumes(float* table, float fallback, const char* what) {
    int fixed = 0;
    for (int p = 0; p < kPlayerSlots; ++p) {
        float& v = table[p];
        if (std::isnan(v))
            v = fallback, ++fixed;
        else if (v < 0 || v > 1)
            v = v < 0 ? 0.0f : 1.0f, ++fixed;
    }
    if (fixed)
        Log_Line("config.bin: " + std::to_string(fixed) + " " + what + " volumes out of range, clamped");
}

void Validate() {
    const int levels = kPlayerSlots * kPlayerLevels;
    Keep_Bits(Players.level_state, levels, kLevelOpen | kLevelDone, "level state");
    Keep_Bits(Players.hint_flags, kPlayerSlots * kPlayerHints, 3, "tutorial hint");
    Keep_Range(Players.successor, levels, -1, kCatalogueLevels - 1, -1, "chosen successor");
    Keep_Range(Players.last_level, kPlayerSlots, 0, kPlayerLevels - 1, 0, "last level");
    Keep_Range(Players.hints_off, kPlayerSlots, 0, 1, 1, "hints switch");
    Keep_Volumes(Players.fx_volume, 0.9f, "FX");
    Keep_Volumes(Players.music_volume, 0.9f, "music");
    Keep_Volumes(Players.ambient_volume, 1.0f, "ambience");
    int fixed = 0;
    for (HS_Slot& h : Players.high_scores)
        if (h.user < -1 || h.user >= kPlayerSlots) h = {-1, 0}, ++fixed;
    if (fixed)
        Log_Line("config.bin: " + std::to_string(fixed) + " high-score entries name no player, emptied");
}

void Create_Defaults() {
    FirstRun = 1;
    for (int p = 0; p < kPlayerSlots; ++p) {
        Players_ResetSlot(p);
        Players.fx_volume[p] = 0.9f;
        Players.music_volume[p] = 0.9f;
        Players.ambient_volume[p] = 1.0f;
    }
    Write_Image(kPlayersFileSize);
}
} // namespace

std::string Players_File() {
    return Paths_SaveDir() + "/config.bin";
}

size_t Players_SectionOffset(int section) {
    return Section_Of(section).offset;
}
size_t Players_SectionSize(int section) {
    return Section_Of(section).size;
}

void Players_Load() {
    std::vector<uint8_t> bytes;
    if (!Paths_ReadFile(Players_File(), bytes, kPlayersFileSize + 1)) {
        Create_Defaults();
        return;
    }
    FirstRun = 0;
    if (bytes.size() > kPlayersFileSize)
        Log_Line("config.bin is longer than " + std::to_string(kPlayersFileSize) +
                 " bytes; the rest is ignored");
    else if (bytes.size() < kPlayersFileSize)
        Log_Line("config.bin is short (" + std::to_string(bytes.size()) +
                 " bytes); missing sections keep their start values");
    for (int k = 0; k < kPlayersSections; ++k) {
        Section s = Section_Of(k);
        if (s.offset >= bytes.size()) continue;
        size_t n = std::min(s.size, bytes.size() - s.offset);
        Decode(bytes.data() + s.offset, n, s.table);
    }
    Validate();
}

bool Players_SaveSection(int section) {
    Section s = Section_Of(section);
    if (!s.table) {
        Log_Line("config.bin: no section " + std::to_string(section));
        return false;
    }
    // The file is rewritten whole from memory (the master copy) at its present length, or
    // longer when this section lies beyond its end; a missing file is written complete.
    struct stat st;
    size_t length = kPlayersFileSize;
    if (stat(Players_File().c_str(), &st) == 0 && st.st_size >= 0)
        length = std::min(static_cast<size_t>(st.st_size), kPlayersFileSize);
    length = std::max(length, s.offset + s.size);
    return Write_Image(length);
}

void Players_ResetSlot(int p) {
    if (p < 0 || p >= kPlayerSlots) return;
    for (int i = 0; i < kPlayerLevels; ++i) {
        int k = p * kPlayerLevels + i;
        Players.level_state[k] = 0;
        Players.reserved_a[k] = 0;
        Players.reserved_b[k] = 0;
        Players.route_bits[k] = 0;
        Players.successor[k] = -1;
    }
    Players.level_state[p * kPlayerLevels] = kLevelOpen;
    Players.treasure_bits[p] = 0;
    Players.last_level[p] = 0;
    Players.hints_off[p] = 0;
}

void Players_Reset() {
    std::memset(&Players, 0, sizeof Players);
    CurrentPlayer = 0;
}

namespace {
int Safe_Player() {
    return CurrentPlayer >= 0 && CurrentPlayer < kPlayerSlots ? CurrentPlayer : 0;
}
} // namespace

float Player_FxVolume() {
    return Players.fx_volume[Safe_Player()];
}
float Player_MusicVolume() {
    return Players.music_volume[Safe_Player()];
}
float Player_AmbientVolume() {
    return Players.ambient_volume[Safe_Player()];
}
