// Fonts and level files of the generated content, and the check of what the levels name.
#include "content/gen/gen_files.h"
#include <cstdlib>
#include "content/gen/gen_levels.h"
#include "content/gen/gen_write.h"

namespace {
// Splits name ".\data\packs\<Pack>\level_NNN.txt" into its pack folder, stem and number.
bool Level_Parts(const std::string& name, std::string& pack, std::string& stem, int& number) {
    const std::string head = ".\\data\\packs\\";
    if (name.compare(0, head.size(), head) != 0) return false;
    size_t slash = name.find('\\', head.size());
    size_t under = name.rfind('_');
    if (slash == std::string::npos || under == std::string::npos || under < slash) return false;
    pack = name.substr(head.size(), slash - head.size());
    stem = name.substr(slash + 1, under - slash); // "level_" or "path_"
    number = std::atoi(name.c_str() + under + 1);
    return number > 0;
}

// Tokens as the path reader sees them: runs of characters between = : , space CR LF.
std::vector<std::string> Tokens(const std::string& text) {
    std::vector<std::string> out;
    std::string cur;
    for (char c : text) {
        if (c == '=' || c == ':' || c == ',' || c == ' ' || c == '\r' || c == '\n') {
            if (!cur.empty()) out.push_back(cur);
            cur.clear();
        } else {
            cur.push_back(c);
        }
    }
    if (!cur.empty()) out.push_back(cur);
    return out;
}

// Level and path files come from the level design; the whole design is checked once.
bool Level_File(const std::string& name, std::vector<uint8_t>& out, std::string& err) {
    static std::string design_err;
    static const bool design_ok = Gen_LevelsCheck(design_err);
    std::string pack, stem;
    int number = 0, p = 0;
    if (!Level_Parts(name, pack, stem, number)) {
        err = "not a level or path name";
        return false;
    }
    if (!design_ok) {
        err = "level design: " + design_err;
        return false;
    }
    while (p < kManifestPackCount && pack != kManifestPacks[p].name)
        ++p;
    std::string text;
    if (p == kManifestPackCount || !Gen_LevelText(p, number, stem == "path_", text, err)) {
        if (err.empty()) err = "unknown pack " + pack;
        return false;
    }
    out.assign(text.begin(), text.end());
    return true;
}
} // namespace

std::string Gen_FontSource(const std::string& name) {
    if (name == ".\\fonts\\vinque.ttf") return "/usr/share/fonts/truetype/cardo/Cardob101.ttf";
    if (name == ".\\fonts\\UnZialish.ttf")
        return "/usr/share/fonts/truetype/klaudia-berenika/Klaudia-Bold.ttf";
    return "";
}

bool Gen_CopiedFile(const Manifest_Entry& e, const std::string& data_dir, std::vector<uint8_t>& out,
                    std::string& err) {
    (void)data_dir;
    if (e.kind != KIND_FONT) return Level_File(e.name, out, err);
    std::string file = Gen_FontSource(e.name);
    if (file.empty() || !Gen_ReadFile(file, out) || out.empty()) {
        err = "can't read " + file;
        return false;
    }
    return true;
}

bool Gen_CheckLevelRefs(int pack, int number, const std::string& level_text, const std::string& path_text,
                        std::string& err) {
    std::string where = Manifest_LevelName(pack, number) + ": ";
    size_t at = level_text.find("BOARD=");
    int board = at == std::string::npos ? 0 : std::atoi(level_text.c_str() + at + 6);
    if (!Manifest_Find(Manifest_BoardBgName(pack, board))) {
        err = where + "no image " + Manifest_BoardBgName(pack, board);
        return false;
    }
    std::vector<std::string> t = Tokens(path_text);
    for (size_t i = 0; i + 1 < t.size(); ++i) {
        if (t[i] != "IMG_FILE") continue;
        std::string elem = Manifest_BoardElemName(pack, board, std::atoi(t[i + 1].c_str()));
        if (!Manifest_Find(elem)) {
            err = where + "no image " + elem;
            return false;
        }
    }
    return true;
}
