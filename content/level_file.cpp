// Level file reading: substring lookups over the whole text, the clamping of untrusted
// values, and the copy into the level globals.
#include "content/level_file.h"
#include <cstring>
#include <string_view>
#include "content/level_catalogue.h"
#include "content/text_int.h"
#include "play/level_state.h"
#include "shell/app_state.h"
#include "shell/log.h"
#include "shell/resource.h"

namespace {
// Log texts of the reader.
const char* const kFailedOpening = "Failed opening level file: ";
const char* const kIncbinLen = "IncbinLen=";
const char* const kParseError = "error parsing val at index=";

// Modifier keys in kind order 0..9.
const char* const kModKeys[PCMOD_KINDS] = {"PRECISION=", "REVERSE=", "BOMB=",    "PAUSE=",   "REV_CLEAR=",
                                           "FIREBALL=",  "CHAIN=",   "SCORE2X=", "SCORE3X=", "BOMB_ZONE="};

constexpr int kPerMilleMax = 1000;
constexpr int kPercentMax = 100;

struct Level_File_Module {
    std::string text; // the level text read last
};
Level_File_Module& M() {
    static Level_File_Module m;
    return m;
}

bool Is_Line_End(char c) {
    return c == '\r' || c == '\n' || c == '\0';
}

void Warn(const Level_Reader& r, const std::string& what) {
    Log_Line("Level file " + r.name + ": " + what);
}

int Clamped(const Level_Reader& r, const char* key, int value, int lo, int hi) {
    if (value >= lo && value <= hi) return value;
    int fixed = value < lo ? lo : hi;
    Warn(r, std::string(key) + std::to_string(value) + " clamped to " + std::to_string(fixed));
    return fixed;
}

bool On_Screen(int x, int y) {
    return x >= 0 && x <= ScreenWidth && y >= 0 && y <= ScreenHeight;
}

void Read_Gun(Level_Reader& r, LevelFile_Data& io) {
    int x = io.gun_x, y = io.gun_y;
    r.Level_Find_Pair("GUN_POS=", x, y);
    if (r.key_not_found) return;
    io.gun_x = Clamped(r, "GUN_POS= x ", x, 0, ScreenWidth);
    io.gun_y = Clamped(r, "GUN_POS= y ", y, 0, ScreenHeight);
}

void Read_Artefacts(Level_Reader& r, LevelFile_Data& io) {
    io.art_count = 0;
    for (int i = 0; i < ART_POS_MAX; ++i) {
        std::string key = "ARTEFACT_POS" + std::to_string(i) + "=";
        int x = 0, y = 0;
        r.Level_Find_Pair(key.c_str(), x, y);
        if (r.key_not_found) break;
        if (!On_Screen(x, y)) {
            Warn(r, key + std::to_string(x) + "," + std::to_string(y) + " is off screen, ignored");
            continue;
        }
        io.art[io.art_count++] = ArtPos{x, y};
    }
}

void Add_Color(Level_Reader& r, LevelFile_Data& io, int value) {
    if (value < 0 || value > 5) {
        Warn(r, "colour " + std::to_string(value) + " ignored");
    } else if (io.colors_count >= LEVEL_COLORS_MAX) {
        Warn(r, "more than 6 colours, " + std::to_string(value) + " ignored");
    } else {
        io.colors[io.colors_count++] = value;
    }
}

void Read_Colors(Level_Reader& r, LevelFile_Data& io) {
    io.colors_count = 0;
    const char* key = "COLORS=";
    size_t at = r.Level_Find(key);
    if (at == std::string_view::npos) return;
    size_t pos = at + std::strlen(key);
    int value = 0;
    bool have_value = false; // an empty field repeats the previous value, if there is one
    while (pos <= r.size) {
        size_t next = r.Level_Parse_Int_At(pos, value);
        bool empty = next == pos + 1;
        if (!empty || have_value) Add_Color(r, io, value);
        have_value = have_value || !empty;
        pos = next;
        if (r.At(pos - 1) != ',') break;
    }
}

int Not_Negative(const Level_Reader& r, const char* key, int value) {
    return value < 0 ? Clamped(r, key, value, 0, 0) : value;
}
} // namespace

Level_Reader::Level_Reader(const char* bytes, size_t n, std::string file_name)
    : text(bytes), size(bytes ? strnlen(bytes, n) : 0), name(std::move(file_name)) {}

size_t Level_Reader::Level_Find(const char* key) const {
    return std::string_view(text, size).find(key);
}

int Level_Reader::Level_Has_Word(const char* word) const {
    return Level_Find(word) != std::string_view::npos;
}

int Level_Reader::Level_Find_Int(const char* key) {
    key_not_found = 0;
    size_t at = Level_Find(key);
    if (at == std::string_view::npos) {
        key_not_found = 1;
        return 0;
    }
    size_t start = at + std::strlen(key), end = start;
    while (!Is_Line_End(At(end)))
        ++end;
    return Text_ToInt(text + start, end - start);
}

void Level_Reader::Level_Find_Pair(const char* key, int& a, int& b) {
    key_not_found = 0;
    size_t at = Level_Find(key);
    if (at == std::string_view::npos) {
        key_not_found = 1;
        return;
    }
    size_t start = at + std::strlen(key), comma = start;
    while (At(comma) != ',' && !Is_Line_End(At(comma)))
        ++comma;
    if (At(comma) != ',') {
        Warn(*this, std::string(key) + " has no comma on its line, ignored");
        key_not_found = 1;
        return;
    }
    size_t end = comma + 1;
    while (!Is_Line_End(At(end)))
        ++end;
    a = Text_ToInt(text + start, comma - start);
    b = Text_ToInt(text + comma + 1, end - comma - 1);
}

size_t Level_Reader::Level_Parse_Int_At(size_t pos, int& value) {
    size_t end = pos;
    while (At(end) != ',' && !Is_Line_End(At(end)))
        ++end;
    if (end == pos) {
        Log_Line(kParseError + std::to_string(pos));
        return pos + 1;
    }
    value = Text_ToInt(text + pos, end - pos);
    return end + 1;
}

void Level_File_Parse(const char* text, size_t size, const std::string& name, LevelFile_Data& io) {
    Level_Reader r(text, size, name);
    io.board = Not_Negative(r, "BOARD=", r.Level_Find_Int("BOARD="));
    io.mirror = (r.Level_Has_Word("MIRRORED_X") ? 2 : 0) | (r.Level_Has_Word("MIRRORED_Y") ? 1 : 0);
    Read_Gun(r, io);
    io.win_points = Not_Negative(r, "WIN_POINTS=", r.Level_Find_Int("WIN_POINTS="));
    r.Level_Find_Pair("SHADOW_OFFSET=", io.shadow_x, io.shadow_y);
    for (int k = 0; k < PCMOD_KINDS; ++k)
        io.mod_percent[k] = Clamped(r, kModKeys[k], r.Level_Find_Int(kModKeys[k]), 0, kPerMilleMax);
    io.joker_on_path = Clamped(r, "JOKER_ON_PATH=", r.Level_Find_Int("JOKER_ON_PATH="), 0, kPercentMax);
    io.joker_on_gun = Clamped(r, "JOKER_ON_GUN=", r.Level_Find_Int("JOKER_ON_GUN="), 0, kPercentMax);
    Read_Artefacts(r, io);
    io.no_coins = r.Level_Has_Word("NO_COINS");
    io.no_hammer = r.Level_Has_Word("NO_HAMMER");
    Read_Colors(r, io);
}

LevelFile_Data LevelFile_FromGlobals() {
    LevelFile_Data d;
    d.gun_x = GunX;
    d.gun_y = GunY;
    d.shadow_x = ShadowOffsetX;
    d.shadow_y = ShadowOffsetY;
    return d;
}

void Level_File_Apply(const LevelFile_Data& d) {
    BoardId = d.board;
    BoardMirror = d.mirror;
    GunX = d.gun_x;
    GunY = d.gun_y;
    WinPoints = WinPointsStart = d.win_points;
    ShadowOffsetX = d.shadow_x;
    ShadowOffsetY = d.shadow_y;
    for (int k = 0; k < PCMOD_KINDS; ++k)
        PcModTypes[k].percent = d.mod_percent[k];
    JokerOnPath = d.joker_on_path;
    JokerOnGun = d.joker_on_gun;
    for (int i = 0; i < ART_POS_MAX; ++i)
        ArtPositions[i] = i < d.art_count ? d.art[i] : ArtPos();
    ArtPosCount = d.art_count;
    NoCoins = d.no_coins;
    NoHammer = d.no_hammer;
    for (int i = 0; i < LEVEL_COLORS_MAX; ++i)
        LevelColors[i] = i < d.colors_count ? d.colors[i] : 0;
    LevelColorsCount = d.colors_count;
}

bool Level_File_Load(int level) {
    std::string name = Level_ContentName(level, "level_");
    if (name.empty()) {
        Log_Line(kFailedOpening + std::string("no level ") + std::to_string(level));
        return false;
    }
    std::string path = Asset_Path(name);
    Resource_Stream s;
    if (!Stream_Open(path, s)) {
        const Resource_Entry* e = Resource_Find(name);
        Log_Line(kFailedOpening + path);
        Log_Line(kIncbinLen + std::to_string(e ? e->size : 0));
        return false;
    }
    M().text.assign(reinterpret_cast<const char*>(s.data), s.size);
    LevelFile_Data d = LevelFile_FromGlobals();
    Level_File_Parse(M().text.data(), M().text.size(), name, d);
    Level_File_Apply(d);
    return true;
}

const std::string& Level_File_Text() {
    return M().text;
}
