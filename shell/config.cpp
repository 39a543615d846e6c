// config.txt: the default text, key look-up, number conversion, loading and write-through.
#include "shell/config.h"
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include "shell/app_state.h"
#include "shell/log.h"
#include "shell/paths.h"
#include "shell/players.h"

std::string PlayerNames[kConfigPlayers];
int PlayersCount = 10;
int SlowPc = 0;
float BgLight = 1.0f;

namespace {
// A settings file larger than this is not a settings file; only its start is read.
constexpr long kConfigMaxBytes = 64L * 1024 * 1024;

bool Read_Text(const std::string& file, std::string& out, bool& whole) {
    out.clear();
    whole = true;
    FILE* f = std::fopen(file.c_str(), "rb");
    if (!f) return false;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        out.append(buf, n);
        if (static_cast<long>(out.size()) >= kConfigMaxBytes) {
            whole = false;
            break;
        }
    }
    std::fclose(f);
    return true;
}

// Position of the value of key: just after the "=" of the first line that starts with
// key + "=", or npos. Only line starts count, so a player name that happens to contain
// "PLAYER1=" can't be mistaken for the PLAYER1 line.
size_t Value_Start(const std::string& text, const std::string& key) {
    if (key.empty()) return std::string::npos;
    std::string pattern = key + "=";
    size_t at = 0;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) at = 3; // a byte-order mark from an editor
    while (at != std::string::npos && at < text.size()) {
        if (text.compare(at, pattern.size(), pattern) == 0) return at + pattern.size();
        at = text.find('\n', at);
        if (at != std::string::npos) ++at;
    }
    return std::string::npos;
}

int Digit_Value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

std::string Clean_Name(std::string name, int slot) {
    if (name.size() <= kConfigNameMax) return name;
    size_t cut = kConfigNameMax;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
        --cut; // whole UTF-8 characters
    Log_Line("config.txt: name of PLAYER" + std::to_string(slot) + " cut to " + std::to_string(cut) +
             " bytes");
    name.resize(cut);
    return name;
}

// Value of key as a real in 0..1; the fallback when the key is missing.
float Volume_Value(const std::string& text, const char* key, float fallback) {
    std::string v = Config_GetValue(text, key);
    if (v.empty()) return fallback;
    float f = Config_Real(v);
    if (f < 0 || f > 1) {
        Log_Line(std::string("config.txt: ") + key + " out of range, clamped");
        f = f < 0 ? 0.0f : 1.0f;
    }
    return f;
}

int Int_Value(const std::string& text, const char* key, int fallback) {
    std::string v = Config_GetValue(text, key);
    return v.empty() ? fallback : Config_Int(v);
}
} // namespace

const std::string& Config_DefaultText() {
    static const std::string kText = "PLAYER0=New Player1\r\n"
                                     "PLAYER1=New Player2\r\n"
                                     "PLAYER2=New Player3\r\n"
                                     "PLAYER3=New Player4\r\n"
                                     "PLAYER4=New Player5\r\n"
                                     "PLAYER5=New Player6\r\n"
                                     "PLAYER6=New Player7\r\n"
                                     "PLAYER7=New Player7\r\n"
                                     "PLAYER8=New Player8\r\n"
                                     "PLAYER9=New Player9\r\n"
                                     "PLAYER_CRT=0\r\n"
                                     "PLAYERS_COUNT=10\r\n"
                                     "FX_VOL=0.8\r\n"
                                     "MUSIC_VOL=0.8\r\n"
                                     "AMBIENT_VOL=0.5\r\n"
                                     "WINDOWED_MODE=0\r\n"
                                     "LEVELS_COUNT=150\r\n"
                                     "SLOW_PC=0\r\n"
                                     "BG_LIGHT=1.00000000";
    return kText;
}

std::string Config_File() {
    return Paths_SaveDir() + "/config.txt";
}

std::string Config_GetValue(const std::string& text, const std::string& key) {
    size_t start = Value_Start(text, key);
    if (start == std::string::npos) return "";
    size_t end = text.find('\r', start);
    if (end == std::string::npos) return "";
    return text.substr(start, end - start);
}

int Config_Int(const std::string& value) {
    size_t i = 0;
    while (i < value.size() && (value[i] == ' ' || value[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '-' || value[i] == '+')) negative = value[i++] == '-';
    int base = 10;
    if (i < value.size() && value[i] == '%')
        base = 2, ++i;
    else if (i < value.size() && value[i] == '$')
        base = 16, ++i;
    long long v = 0;
    for (; i < value.size() && Digit_Value(value[i]) < base; ++i) {
        v = v * base + Digit_Value(value[i]);
        if (v > static_cast<long long>(INT_MAX) + 1) v = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) v = -v;
    if (v > INT_MAX) v = INT_MAX;
    return static_cast<int>(v);
}

float Config_Real(const std::string& value) {
    // Only a plain decimal number is taken (no "inf", "nan" or hexadecimal forms).
    size_t i = 0;
    while (i < value.size() && (value[i] == ' ' || value[i] == '\t'))
        ++i;
    size_t from = i;
    auto digits = [&]() {
        size_t d = 0;
        while (i < value.size() && value[i] >= '0' && value[i] <= '9')
            ++i, ++d;
        return d;
    };
    if (i < value.size() && (value[i] == '-' || value[i] == '+')) ++i;
    size_t count = digits();
    if (i < value.size() && value[i] == '.') ++i, count += digits();
    if (count == 0) return 0;
    if (i < value.size() && (value[i] == 'e' || value[i] == 'E')) {
        size_t mark = i++;
        if (i < value.size() && (value[i] == '-' || value[i] == '+')) ++i;
        if (digits() == 0) i = mark;
    }
    std::string number = value.substr(from, std::min<size_t>(i - from, 400));
    double d = std::strtod(number.c_str(), nullptr);
    if (!std::isfinite(d) || d > 3.0e38 || d < -3.0e38) return d < 0 ? -3.0e38f : 3.0e38f;
    return static_cast<float>(d);
}

std::string Config_FormatVolume(float volume) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%#.9g", static_cast<double>(volume));
    return buf;
}

void Config_Load() {
    std::string file = Config_File();
    std::string text;
    bool whole = true;
    if (!Read_Text(file, text, whole)) {
        Paths_WriteAtomic(file, Config_DefaultText().data(), Config_DefaultText().size());
        if (!Read_Text(file, text, whole)) text = Config_DefaultText();
    }
    if (!whole)
        Log_Line("config.txt is larger than " + std::to_string(kConfigMaxBytes) +
                 " bytes; only its start is read");
    for (int n = 0; n < kConfigPlayers; ++n) {
        std::string name = Config_GetValue(text, "PLAYER" + std::to_string(n));
        PlayerNames[n] = name.empty() ? "Anonymous" : Clean_Name(name, n);
    }
    int crt = Int_Value(text, "PLAYER_CRT", 0);
    if (crt < 0 || crt >= kConfigPlayers) {
        Log_Line("config.txt: PLAYER_CRT=" + std::to_string(crt) + " is not a player slot, using 0");
        crt = 0;
    }
    CurrentPlayer = crt;
    Players.fx_volume[crt] = Volume_Value(text, "FX_VOL", 0.8f);
    Players.music_volume[crt] = Volume_Value(text, "MUSIC_VOL", 0.8f);
    Players.ambient_volume[crt] = Volume_Value(text, "AMBIENT_VOL", 0.7f);
    WindowedMode = Int_Value(text, "WINDOWED_MODE", 0) != 0 ? 1 : 0;
    PlayersCount = Int_Value(text, "PLAYERS_COUNT", 10);
    SlowPc = Int_Value(text, "SLOW_PC", 0);
    std::string light = Config_GetValue(text, "BG_LIGHT");
    BgLight = light.empty() ? 1.0f : Config_Real(light);
    LevelsCount = Int_Value(text, "LEVELS_COUNT", 10);
}

void Config_SetValue(const std::string& key, const std::string& value) {
    std::string file = Config_File();
    std::string text;
    bool whole = true;
    if (!Read_Text(file, text, whole)) {
        Log_Line("config.txt can't be read; " + key + " not saved");
        return;
    }
    if (!whole) {
        Log_Line("config.txt is too large to rewrite; " + key + " not saved");
        return;
    }
    std::string clean = value;
    for (char& c : clean)
        if (c == '\r' || c == '\n') c = ' ';
    std::string out;
    size_t start = Value_Start(text, key);
    if (start == std::string::npos) {
        // A hand-edited or damaged file without the key: add its line rather than lose the value.
        Log_Line("config.txt has no " + key + " line; it is added");
        out = text;
        if (!out.empty() && out.back() != '\n') out += "\r\n";
        out += key + "=" + clean + "\r\n";
    } else {
        size_t end = text.find('\r', start);
        // A last line without a line break: replaced to the end and ended, so it reads back.
        std::string rest = end == std::string::npos ? "\r\n" : text.substr(end);
        out = text.substr(0, start) + clean + rest;
    }
    Paths_WriteAtomic(file, out.data(), out.size());
}

void Config_Reset() {
    for (std::string& n : PlayerNames)
        n.clear();
    LevelsCount = 10;
    PlayersCount = 10;
    SlowPc = 0;
    BgLight = 1.0f;
}
