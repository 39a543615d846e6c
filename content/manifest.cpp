// The content manifest: the table of every content name with its kind and frame layout.
#include "content/manifest.h"
#include <algorithm>
#include "engine/sound_files.h"
#include <cstdio>
#include <unordered_map>

const Manifest_Pack kManifestPacks[kManifestPackCount] = {
    {"Neutral", 26}, {"Water", 31}, {"Ice", 31}, {"Fire", 30}, {"Precious", 30}};

namespace {
// Decoration images per board, board 1 first, one row per pack; they match the level
// design (content/gen/gen_levels_boards.cpp), which the generator checks.
const std::vector<int> kBoardElems[kManifestPackCount] = {
    {0, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0}, {0, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0}, {0, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0},
    {0, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0}, {0, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0},
};

const char* const kPearlFiles[] = {"00_blue", "01_green", "02_magenta", "03_orange", "04_red", "05_yellow"};
const char* const kTreasures[] = {"cauldron", "stone", "sword", "spear", "amulet"};
const char* const kModFiles[] = {"precision", "reverse", "bomb",    "pause",   "rev_clear",
                                 "fireball",  "chain",   "score2x", "score3x", "bomb_zone"};

std::string Two(int n) {
    char b[16];
    std::snprintf(b, sizeof b, "%02d", n);
    return b;
}

Manifest_Format Format_Of(const std::string& name) {
    auto ends = [&](const char* ext) {
        std::string e(ext);
        return name.size() >= e.size() && name.compare(name.size() - e.size(), e.size(), e) == 0;
    };
    if (ends(".png")) return FMT_PNG;
    if (ends(".jpg")) return FMT_JPG;
    if (ends(".bmp")) return FMT_BMP;
    if (ends(".ogg")) return FMT_OGG;
    if (ends(".wav")) return FMT_WAV;
    if (ends(".ttf")) return FMT_TTF;
    return FMT_TXT;
}

struct Builder {
    std::vector<Manifest_Entry> out;
    std::string group;

    void Add(const std::string& name, Manifest_Kind kind) {
        Manifest_Entry e;
        e.name = name;
        e.kind = kind;
        e.format = Format_Of(name);
        e.group = group;
        out.push_back(e);
    }
    // An image of `frames` cells of w x h; sheets keep at most 8 cells per row.
    void Image(const std::string& name, int w, int h, int frames = 1) {
        Add(name, KIND_IMAGE);
        Manifest_Entry& e = out.back();
        e.frame_w = w;
        e.frame_h = h;
        e.frames = frames;
        e.columns = frames <= 8 ? frames : 8;
        e.alpha = e.format == FMT_PNG;
    }
    // The button image set stem + "_" + state + ".png" for each state.
    void Buttons(const std::string& stem, std::initializer_list<const char*> states, int w, int h) {
        for (const char* s : states)
            Image(stem + "_" + s + ".png", w, h);
    }
};

void Add_Pieces(Builder& b) {
    b.group = "pieces";
    const std::string dir = "./images/pieces/";
    for (const char* f : kPearlFiles)
        b.Image(dir + f + ".png", 64, 64, 64);
    b.Image(dir + "16_pusher.png", 40, 40);
    b.Image(dir + "17_rev_clear.png", 160, 160, 1);
    b.Image(dir + "18_joker.png", 64, 64, 64);
    b.Image(dir + "19_alarm.png", 40, 40);
    b.Image(dir + "20_fireball.png", 64, 64);
    b.Image(dir + "21_win.png", 64, 64);
    b.Image(dir + "hovered.png", 64, 64);
    for (const char* f : kModFiles) {
        bool chain = std::string(f) == "chain";
        b.Image(dir + "mods/mod_" + f + ".png", chain ? 64 : 120, chain ? 64 : 120, 1);
    }
    b.Image(dir + "mods/mod_precision_circle.png", 192, 192);
    b.Image(dir + "mods/mod_precision_part.png", 8, 8);
    for (int i = 0; i < 8; ++i)
        b.Image("./images/items/item_" + Two(i) + ".png", 52, 52, 32);
    for (const char* t : kTreasures)
        b.Image(std::string(".\\images\\treasures\\") + t + ".png", 64, 64);
    for (const char* t : kTreasures)
        b.Image(std::string(".\\images\\GUI\\dlgs\\treasures\\dlg_") + t + ".png", 418, 300);
}

void Add_Fx(Builder& b) {
    b.group = "fx";
    const std::string d = ".\\images\\FX\\";
    struct Fx {
        const char* file;
        int w, h, frames;
    };
    static const Fx fx[] = {
        {"explosion_grey", 80, 80, 13},  {"grey_halo1", 128, 128, 1},     {"grey_halo3", 128, 128, 1},
        {"fragment2", 32, 24, 32},       {"spark4", 16, 16, 1},           {"spark8", 8, 8, 32},
        {"spark3", 16, 16, 1},           {"spark_mm", 32, 32, 1},         {"alarm_spark", 16, 16, 1},
        {"fireball_spark", 32, 32, 1},   {"chain_part0", 64, 64, 16},     {"chain_part1", 64, 64, 16},
        {"chain_part2", 64, 64, 16},     {"chain_part3", 64, 64, 16},     {"chain_part4", 64, 64, 16},
        {"rev_clear_sparks", 70, 70, 3}, {"FX_Hammer_start1", 32, 32, 1}, {"FX_Hammer_start2", 32, 32, 1},
        {"FX_Pause", 128, 128, 1},       {"Hammer_Smash1", 128, 128, 20}, {"circle_wave", 64, 64, 32},
        {"FX_Random_Bomb", 80, 51, 20},  {"small_fire_part", 32, 32, 1},  {"Snow_Flake1", 16, 16, 1},
        {"Snow_Flake2", 16, 16, 1},      {"Snow_Flake3", 16, 16, 1},      {"FX_Rain1", 8, 32, 1},
        {"FX_FOG", 256, 128, 1},         {"FX_Fire_FOG", 256, 128, 1},    {"FX_Dark_Spark", 16, 16, 1},
        {"FX_Spark_Fire", 16, 16, 1},    {"newlife_sparks", 24, 24, 2},   {"newlife_heart", 48, 48, 1},
        {"win_pc_spark", 16, 16, 1},     {"dark_part", 16, 16, 1},        {"dark_parts", 36, 36, 3},
    };
    for (const Fx& f : fx)
        b.Image(d + f.file + ".png", f.w, f.h, f.frames);
}

void Add_Gun(Builder& b) {
    b.group = "gun";
    const std::string g = ".\\Images\\Gun\\";
    b.Image(g + "00.png", 120, 120);
    b.Image(g + "01.png", 157, 157, 14);
    b.Image(g + "02.png", 157, 157);
    b.Image(g + "10.png", 157, 157);
    b.Image(g + "11.png", 157, 157, 14);
    for (int c = 0; c < 6; ++c)
        b.Image(g + "pointer_" + Two(c) + ".png", 32, 32);
    b.Image(g + "pointer_joker.png", 32, 32);
    b.Image(g + "pointer_fireball.png", 32, 32);
    const std::string h = ".\\Images\\Hammer\\";
    const int size[3] = {64, 74, 90};
    for (int i = 0; i < 3; ++i) {
        std::string n = std::to_string(i + 1);
        b.Image(h + "hammer" + n + ".png", size[i], size[i], 32);
        b.Image(h + "hammer" + n + "_gray.png", size[i], size[i]);
    }
    for (int i = 0; i < 8; ++i)
        b.Image(h + "hammer_fill_" + std::to_string(i) + ".png", 24, 24);
}

void Add_Hud(Builder& b) {
    b.group = "hud";
    b.Image(".\\Images\\InGame\\IG_Interf\\ig_interf_bg.png", 800, 140);
    b.Image(".\\Images\\InGame\\IG_Interf\\ig_interf_pb.png", 240, 22);
    b.Buttons(".\\Images\\InGame\\IG_btns\\ig_btn_menu", {"hovered", "pressed", "default"}, 109, 40);
    b.Image(".\\Images\\InGame\\IG_Options\\ig_options_bg.png", 418, 340);
}

void Add_Boards(Builder& b) {
    b.group = "boards";
    for (int p = 0; p < kManifestPackCount; ++p)
        for (int bd = 1; bd <= Manifest_BoardCount(p); ++bd) {
            b.Image(Manifest_BoardBgName(p, bd), 800, 600);
            for (int e = 1; e <= Manifest_BoardElemCount(p, bd); ++e)
                b.Image(Manifest_BoardElemName(p, bd, e), 160, 100);
        }
}

void Add_Dialogs(Builder& b) {
    b.group = "dialogs";
    const std::string d = ".\\images\\GUI\\dlgs\\";
    struct Skin {
        int w, h, btn_w, btn_h;
        bool buttons, disabled;
    };
    static const Skin skins[7] = {
        {404, 240, 160, 44, true, false}, {404, 230, 160, 44, true, false}, {540, 350, 160, 44, true, false},
        {480, 260, 130, 40, true, true},  {456, 520, 0, 0, false, false},   {418, 500, 60, 44, true, false},
        {480, 420, 0, 0, false, false},
    };
    for (int i = 0; i < 7; ++i) {
        const Skin& s = skins[i];
        std::string stem = d + "dlg" + std::to_string(i + 1);
        b.Image(stem + "_bg.png", s.w, s.h);
        if (s.buttons) b.Buttons(stem + "_btn", {"default", "hovered", "pressed"}, s.btn_w, s.btn_h);
        if (s.disabled) b.Image(stem + "_btn_disabled.png", s.btn_w, s.btn_h);
    }
    b.Image(d + "victory\\victory_bg.jpg", 800, 600);
    for (int i = 0; i < 2; ++i)
        b.Image(d + "help\\help_" + std::to_string(i) + ".jpg", 800, 600);
    for (int i = 0; i < 4; ++i)
        b.Image(d + "cities\\city_" + std::to_string(i) + ".jpg", 800, 600);
    b.Image(d + "tutorial\\arrow.png", 64, 64);
    const int pictures[] = {2, 3, 5, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
    for (int id : pictures)
        b.Image(".\\Images\\GUI\\Dlgs\\Tutorial\\" + Two(id) + ".png", 180, 140);
}

void Add_Menus(Builder& b) {
    b.group = "menus";
    const std::string m = ".\\images\\mainmenu\\";
    b.Image(".\\images\\GUI\\logo_loading.jpg", 400, 300);
    b.Image(".\\images\\GUI\\logo_loading_publisher.jpg", 400, 300);
    b.Image(m + "mm_bg.bmp", 800, 600);
    b.Image(m + "mm_interface.png", 235, 420);
    b.Image(m + "mm_layer_01_portal.png", 800, 600);
    b.Image(m + "mm_layer_05_tree.png", 800, 600);
    b.Image(m + "mm_layer_10_fog.png", 800, 240);
    b.Image(m + "mm_flag.png", 30, 20, 20);
    b.Image(m + "mm_bird30_left.png", 30, 30, 21);
    b.Image(m + "mm_bird30_right.png", 30, 30, 21);
    b.Image(m + "mm_bird36_left.png", 36, 36, 21);
    b.Image(m + "mm_bird36_right.png", 36, 36, 21);
    b.Image(m + "mm_logo_studio.jpg", 160, 64);
    b.Buttons(m + "mm_btns\\mm_btn_play", {"hovered", "pressed", "default"}, 88, 89);
    b.Buttons(m + "mm_btns\\mm_btn_normal", {"hovered", "pressed", "default"}, 185, 50);
    const std::string o = m + "dlg_options\\";
    b.Buttons(o + "btn_large", {"hovered", "pressed", "default"}, 176, 49);
    b.Buttons(o + "btn_small", {"hovered", "pressed", "default"}, 62, 62);
    b.Buttons(o + "btn_cursor", {"hovered", "default", "pressed"}, 55, 55);
    b.Buttons(o + "btn_check", {"checked", "default"}, 34, 34);
    b.Image(o + "dlg_options_bg.png", 456, 500);
    b.Buttons(m + "dlg_players\\btn_players", {"hovered", "pressed", "default", "selected"}, 203, 49);
    b.Image(m + "dlg_players\\dlg_players_bg.png", 520, 510);
    b.Image(m + "dlg_credits\\dlg_credits_bg.png", 420, 500);
    b.Image(m + "dlg_credits\\studio_logo.png", 200, 100);
    b.Image(".\\Images\\levelchoosemenu\\lcm_bg.jpg", 800, 600);
    b.Image(".\\Images\\levelchoosemenu\\lcm_interf.png", 594, 61);
    const std::string l = ".\\Images\\LevelChooseMenu\\lcm_btns\\";
    b.Image(l + "btn_level_default.png", 32, 32);
    b.Buttons(l + "btn_subpack", {"default", "hovered", "pressed"}, 44, 44);
    b.Image(l + "btn_selected.png", 56, 56);
    b.Buttons(l + "btn_arrow", {"default", "hovered", "pressed"}, 48, 48);
}

void Add_Sounds(Builder& b) {
    b.group = "sounds";
    std::vector<std::string> files;
    auto add = [&](const char* f) {
        if (f && std::find(files.begin(), files.end(), f) == files.end()) files.push_back(f);
    };
    for (int i = 0; i < kSfxSlots; ++i) add(Sfx_File(i));
    for (int i = 0; i < kAmbienceFiles; ++i) add(Ambience_File(i));
    for (int i = 0; i < kMusicTracks; ++i) add(Music_File(i));
    for (const std::string& f : files)
        b.Add(".\\sounds\\" + f, KIND_SOUND);
}

void Add_Fonts_And_Levels(Builder& b) {
    b.group = "fonts";
    b.Add(".\\fonts\\vinque.ttf", KIND_FONT);
    b.Add(".\\fonts\\UnZialish.ttf", KIND_FONT);
    b.group = "levels";
    for (int p = 0; p < kManifestPackCount; ++p)
        for (int n = 1; n <= kManifestPacks[p].levels; ++n) {
            b.Add(Manifest_LevelName(p, n), KIND_TEXT);
            b.Add(Manifest_PathName(p, n), KIND_TEXT);
        }
}

struct ManifestModule {
    std::vector<Manifest_Entry> all;
    std::unordered_map<std::string, size_t> index;
};

const ManifestModule& M() {
    static const ManifestModule m = [] {
        Builder b;
        Add_Pieces(b);
        Add_Fx(b);
        Add_Gun(b);
        Add_Hud(b);
        Add_Boards(b);
        Add_Dialogs(b);
        Add_Menus(b);
        Add_Sounds(b);
        Add_Fonts_And_Levels(b);
        ManifestModule mm;
        mm.all = std::move(b.out);
        for (size_t i = 0; i < mm.all.size(); ++i)
            mm.index.emplace(mm.all[i].name, i);
        return mm;
    }();
    return m;
}

std::string Pack_Dir(int pack) {
    return std::string(".\\data\\packs\\") + kManifestPacks[pack].name;
}

std::string Three(int n) {
    char b[16];
    std::snprintf(b, sizeof b, "%03d", n);
    return b;
}
} // namespace

int Manifest_BoardCount(int pack) {
    return pack >= 0 && pack < kManifestPackCount ? static_cast<int>(kBoardElems[pack].size()) : 0;
}

int Manifest_BoardElemCount(int pack, int board) {
    if (board < 1 || board > Manifest_BoardCount(pack)) return 0;
    return kBoardElems[pack][board - 1];
}

const std::vector<Manifest_Entry>& Manifest_All() {
    return M().all;
}

const Manifest_Entry* Manifest_Find(const std::string& name) {
    auto it = M().index.find(name);
    return it == M().index.end() ? nullptr : &M().all[it->second];
}

std::string Manifest_LevelName(int pack, int number) {
    return Pack_Dir(pack) + "\\level_" + Three(number) + ".txt";
}
std::string Manifest_PathName(int pack, int number) {
    return Pack_Dir(pack) + "\\path_" + Three(number) + ".txt";
}

std::string Manifest_BoardBgName(int pack, int board) {
    std::string bb = Two(board);
    return std::string(".\\Images\\Boards\\") + kManifestPacks[pack].name + "\\board_" + bb + "\\board_" +
           bb + "_bg.jpg";
}

std::string Manifest_BoardElemName(int pack, int board, int elem) {
    std::string bb = Two(board);
    return std::string(".\\Images\\Boards\\") + kManifestPacks[pack].name + "\\board_" + bb + "\\board_" +
           bb + "_elem_" + Two(elem) + ".png";
}
