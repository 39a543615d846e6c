// Reading and sampling the tracks of a board for the board art.
#include "content/gen/gen_track.h"
#include <cmath>
#include <cstdint>
#include <cstring>
#include "content/gen/gen_write.h"
#include "content/manifest.h"
#include "content/text_int.h"
#include "shell/paths.h"

namespace {
bool Is_Separator(char c) {
    return c == '=' || c == ':' || c == ',' || c == ' ' || c == '\r' || c == '\n';
}

std::vector<std::string> Tokens(const std::string& text) {
    std::vector<std::string> out;
    std::string cur;
    for (char c : text) {
        if (c == '\0') break;
        if (Is_Separator(c)) {
            if (!cur.empty()) out.push_back(cur);
            cur.clear();
        } else {
            cur.push_back(c);
        }
    }
    return out;
}

struct Point {
    double x, y, bz1_x, bz1_y, bz2_x, bz2_y;
    int z;
};

// de Casteljau evaluation, as the game's sampler does it.
void Eval(const double p[4][2], double t, double& x, double& y) {
    double q[4][2];
    std::memcpy(q, p, sizeof q);
    for (int level = 3; level > 0; --level)
        for (int i = 0; i < level; ++i)
            for (int k = 0; k < 2; ++k)
                q[i][k] = q[i][k] + t * (q[i + 1][k] - q[i][k]);
    x = q[0][0];
    y = q[0][1];
}

std::vector<Gen_TrackSample> Sample(const std::vector<Point>& pts) {
    std::vector<Gen_TrackSample> line;
    for (size_t i = 0; i + 1 < pts.size(); ++i) {
        const Point &a = pts[i], &b = pts[i + 1];
        const double p[4][2] = {{a.x, a.y}, {a.bz2_x, a.bz2_y}, {b.bz1_x, b.bz1_y}, {b.x, b.y}};
        double len = std::hypot(p[1][0] - p[0][0], p[1][1] - p[0][1]) +
                     std::hypot(p[2][0] - p[1][0], p[2][1] - p[1][1]) +
                     std::hypot(p[3][0] - p[2][0], p[3][1] - p[2][1]);
        int n = std::max(8, std::min(20000, static_cast<int>(len)));
        for (int k = i ? 1 : 0; k <= n; ++k) {
            Gen_TrackSample s;
            Eval(p, static_cast<double>(k) / n, s.x, s.y);
            s.z = b.z;
            line.push_back(s);
        }
    }
    return line;
}

int Value(const std::vector<std::string>& t, size_t& i) {
    if (++i >= t.size()) return 0;
    return Text_ToInt(t[i].data(), t[i].size());
}

std::string Read_Text(const std::string& name) {
    std::vector<uint8_t> bytes;
    if (!Gen_ReadFile(Paths_ContentFile(name), bytes)) return "";
    return std::string(bytes.begin(), bytes.end());
}
} // namespace

void Gen_ParseTracks(const std::string& path_text, Gen_BoardTracks& out) {
    std::vector<std::string> t = Tokens(path_text);
    Point v{};
    int ge_x = 0, ge_y = 0, ge_z = 0, img = 0;
    std::vector<Point> pts;
    bool in_path = false, elem = false; // elem: inside a GRAPHIC_ELEM block
    for (size_t i = 0; i < t.size(); ++i) {
        const std::string& w = t[i];
        if (w == "PATH") {
            in_path = true;
            pts.clear();
        } else if (!in_path) {
            continue;
        } else if (w == "PT" || w == "GRAPHIC_ELEM") {
            elem = w == "GRAPHIC_ELEM";
        } else if (w == "COORD") {
            int x = Value(t, i), y = Value(t, i), z = Value(t, i);
            if (elem)
                ge_x = x, ge_y = y, ge_z = z;
            else
                v.x = x, v.y = y, v.z = z;
        } else if (w == "BZ1") {
            v.bz1_x = Value(t, i);
            v.bz1_y = Value(t, i);
        } else if (w == "BZ2") {
            v.bz2_x = Value(t, i);
            v.bz2_y = Value(t, i);
        } else if (w == "IMG_FILE") {
            img = Value(t, i);
        } else if (w == "ENDPT") {
            pts.push_back(v);
        } else if (w == "ENDGE") {
            out.elems.push_back({ge_x, ge_y, ge_z, img});
        } else if (w == "ENDPATH") {
            if (pts.size() >= 2) out.lines.push_back(Sample(pts));
            in_path = false;
        } else if (w == "SPD" || w == "BALLS" || w == "DELAY" || w == "MIN_PIECES") {
            Value(t, i);
        }
    }
}

bool Gen_LoadBoardTracks(int pack, int board, Gen_BoardTracks& out) {
    for (int n = 1; n <= kManifestPacks[pack].levels; ++n) {
        std::string level = Read_Text(Manifest_LevelName(pack, n));
        size_t at = level.find("BOARD=");
        if (at == std::string::npos || Text_ToInt(level.c_str() + at + 6, level.size() - at - 6) != board)
            continue;
        Gen_ParseTracks(Read_Text(Manifest_PathName(pack, n)), out);
        return true;
    }
    return false;
}
