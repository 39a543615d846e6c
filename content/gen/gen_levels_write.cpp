// Writes the level and path files of the design and checks that the design holds together:
// every level's board passes the geometry checks in its mirroring, boards are first used
// unmirrored, and the manifest lists exactly the boards and elements the levels name.
#include <cmath>
#include <cstdio>
#include <map>
#include <mutex>
#include "content/gen/gen_levels.h"
#include "content/gen/gen_levels_table.h"
#include "content/manifest.h"

namespace {
const char* const kModKeys[10] = {"PRECISION", "REVERSE", "BOMB",    "PAUSE",   "REV_CLEAR",
                                  "FIREBALL",  "CHAIN",   "SCORE2X", "SCORE3X", "BOMB_ZONE"};
constexpr int kSegmentsMax = 200; // segment tables a level may need (the game caps them at 256)

void Line(std::string& s, const char* fmt, int a, int b = 0, int c = 0, int d = 0) {
    char buf[128];
    std::snprintf(buf, sizeof buf, fmt, a, b, c, d);
    s += buf;
    s += "\r\n";
}

int Mirror_X(int x, int mirror) {
    return mirror & LV_MIRROR_X ? 800 - x : x;
}
int Mirror_Y(int y, int mirror) {
    return mirror & LV_MIRROR_Y ? 600 - y : y;
}

// The last point at least `left` units before the hole, kept inside [lo, pts - 2].
int Mark(const Lv_Curve& c, double left, int lo) {
    int n = int(c.pts.size()), best = lo;
    for (int i = 0; i < n - 1; ++i)
        if (c.length - c.pts[i].arc >= left) best = std::max(best, i);
    return std::min(best, n - 2);
}

void Write_Track(std::string& s, const Lv_Track& t, const Lv_Params& p, int tracks) {
    Lv_Curve c = Lv_MakeCurve(t);
    // Two tracks bring pearls toward the gun at once: each rolls at half speed after its
    // entry and carries a thinner share of the waves, or the board fills twice as fast.
    bool shared = tracks > 1;
    int speed = shared ? p.speed / 2 : p.speed, speed_end = shared ? p.speed_end / 2 : p.speed_end;
    int alarm = Mark(c, p.alarm_left, 2), end_zone = std::min(Mark(c, p.end_zone_left, 1), alarm - 1);
    s += "PATH\r\n";
    for (size_t i = 0; i < c.pts.size(); ++i) {
        const Lv_Point& q = c.pts[i];
        int spd = i == 0 || q.arc < p.rush * c.length ? p.speed_entry
                  : q.arc >= 0.8 * c.length           ? speed_end
                                                      : speed;
        char buf[200];
        std::snprintf(buf, sizeof buf, "PT: COORD=%d,%d,%d BZ1=%d,%d BZ2=%d,%d SPD=%d%s%s ENDPT\r\n",
                      int(q.x), int(q.y), q.z, int(q.bz1_x), int(q.bz1_y), int(q.bz2_x), int(q.bz2_y), spd,
                      int(i) == end_zone ? " END_ZONE" : "", int(i) == alarm ? " ALARM" : "");
        s += buf;
    }
    double share = shared ? 0.42 : 1.0;
    for (int w = 0; w < p.waves; ++w) {
        int balls = std::max(8, int((p.balls_first + p.balls_step * w) * share));
        Line(s, "BURST: BALLS=%d DELAY=%d MIN_PIECES=%d ENDBURST", balls, w == 0 ? p.delay / 2 : p.delay,
             p.min_pieces);
    }
    for (const Lv_Elem& e : c.elems)
        Line(s, "GRAPHIC_ELEM: COORD=%d,%d,%d IMG_FILE=%d ENDGE", e.x, e.y, e.z, e.img);
    s += "ENDPATH\r\n\r\n";
}

std::string Path_Text(const Lv_Board& b, const Lv_Params& p) {
    std::string s;
    for (const Lv_Track& t : b.tracks)
        Write_Track(s, t, p, int(b.tracks.size()));
    return s;
}

// Artefact places of each board, found once.
const std::vector<std::pair<int, int>>& Spots(int pack, int board) {
    static std::mutex m;
    static std::map<std::pair<int, int>, std::vector<std::pair<int, int>>> cache;
    std::lock_guard<std::mutex> lock(m);
    auto it = cache.find({pack, board});
    if (it == cache.end())
        it = cache.emplace(std::make_pair(pack, board), Lv_ArtefactSpots(*Lv_BoardOf(pack, board), 4)).first;
    return it->second;
}

std::string Level_Text(int pack, const Lv_Row& row, const Lv_Board& b, const Lv_Params& p) {
    std::string s;
    Line(s, "BOARD=%d", row.board);
    if (row.mirror & LV_MIRROR_X) s += "MIRRORED_X\r\n";
    if (row.mirror & LV_MIRROR_Y) s += "MIRRORED_Y\r\n";
    Line(s, "GUN_POS=%d,%d", Mirror_X(b.gun_x, row.mirror), Mirror_Y(b.gun_y, row.mirror));
    Line(s, "WIN_POINTS=%d", p.win_points);
    s += "SHADOW_OFFSET=5,5\r\n";
    for (int k = 0; k < 10; ++k)
        if (p.mods[k] > 0) s += std::string(kModKeys[k]) + "=" + std::to_string(p.mods[k]) + "\r\n";
    if (p.joker_path > 0) Line(s, "JOKER_ON_PATH=%d", p.joker_path);
    if (p.joker_gun > 0) Line(s, "JOKER_ON_GUN=%d", p.joker_gun);
    const std::vector<std::pair<int, int>>& spots = Spots(pack, row.board);
    for (int i = 0; i < p.artefacts && i < int(spots.size()); ++i)
        Line(s, "ARTEFACT_POS%d=%d,%d", i, Mirror_X(spots[i].first, row.mirror),
             Mirror_Y(spots[i].second, row.mirror));
    if (p.no_coins) s += "NO_COINS\r\n";
    if (p.no_hammer) s += "NO_HAMMER\r\n";
    s += "COLORS=";
    for (size_t i = 0; i < p.colors.size(); ++i)
        s += (i ? "," : "") + std::to_string(p.colors[i]);
    s += "\r\n";
    return s;
}

bool Check_Pack(int pack, std::string& err) {
    const char* name = kManifestPacks[pack].name;
    auto fail = [&](const std::string& what) {
        err = std::string(name) + ": " + what;
        return false;
    };
    if (Lv_BoardCount(pack) != Manifest_BoardCount(pack))
        return fail("board count differs from the manifest");
    std::map<int, bool> used;
    std::map<std::pair<int, int>, bool> checked;
    for (int n = 1; n <= kManifestPacks[pack].levels; ++n) {
        const Lv_Row* row = Lv_RowOf(pack, n);
        std::string lv = "level " + std::to_string(n) + ": ";
        if (!row || !Lv_BoardOf(pack, row->board)) return fail(lv + "no row or no such board");
        if (!used[row->board] && row->mirror != 0) return fail(lv + "first use of a board is mirrored");
        used[row->board] = true;
        if (checked.count({row->board, row->mirror})) continue;
        checked[{row->board, row->mirror}] = true;
        std::string why;
        if (!Lv_CheckBoard(*Lv_BoardOf(pack, row->board), row->mirror, why))
            return fail(lv + "board " + std::to_string(row->board) + ": " + why);
    }
    if (Lv_RowOf(pack, kManifestPacks[pack].levels + 1)) return fail("more rows than levels");
    for (int bd = 1; bd <= Lv_BoardCount(pack); ++bd) {
        const Lv_Board& b = *Lv_BoardOf(pack, bd);
        int elems = 0, segs = 0;
        for (const Lv_Track& t : b.tracks)
            elems += int(t.elems.size()), segs += int(t.way.size()) - 1;
        std::string bs = "board " + std::to_string(bd) + ": ";
        if (!used[bd]) return fail(bs + "no level uses it");
        if (elems != Manifest_BoardElemCount(pack, bd))
            return fail(bs + "element count differs from the manifest");
        if (segs > kSegmentsMax) return fail(bs + "too many segments");
    }
    return true;
}
} // namespace

bool Gen_LevelText(int pack, int number, bool path, std::string& out, std::string& err) {
    const Lv_Row* row = Lv_RowOf(pack, number);
    const Lv_Board* b = row ? Lv_BoardOf(pack, row->board) : nullptr;
    if (!b) {
        err = "no level design for this level";
        return false;
    }
    Lv_Params p = Lv_ParamsOf(pack, number);
    out = path ? Path_Text(*b, p) : Level_Text(pack, *row, *b, p);
    return true;
}

bool Gen_LevelsCheck(std::string& err) {
    for (int p = 0; p < kManifestPackCount; ++p)
        if (!Check_Pack(p, err)) return false;
    return true;
}
