// Board layouts of the five packs. Every pack has twelve boards made from the same twelve
// recipe families with the pack's own sizes: later packs have shorter tracks, tighter
// spirals and more double tracks. Board n of a pack is family n:
//   1 spiral entering along the top       7 serpentine whose second row runs through a tunnel
//   2 serpentine, three rows above and    8 two serpentines: one above the gun, one below
//     three below the gun                 9 spiral entering along the bottom
//   3 rounded rectangular spiral          10 columns with a tunnel on the top crossing
//   4 loop that crosses its own entry     11 spiral around a gun set lower
//     under a bridge                      12 two column tracks, one each side of the gun
//   5 two interleaved spirals
//   6 columns left and right of the gun
// Elements: an element is 160 x 100, centred on the place where a track runs under it
// horizontally in layer 18; a track crossing over it runs vertically in layer 8 (board 4).
// Tunnels (boards 7, 10) have only the lower pass. The art of a board is drawn from the
// first level that uses it, which is never mirrored; levels mirror boards through
// MIRRORED_X / MIRRORED_Y only where the mirrored tracks still pass the board checks.
#include <cmath>
#include "content/gen/gen_levels_recipes.h"

namespace {
constexpr int kBoardsPerPack = 12;

// Sizes that change from pack to pack.
struct Pack_Shape {
    double turns; // turns of the single spirals
    double inner; // inner radius factor of spirals (share of the outer radius)
    int rows;     // serpentine rows above and below the gun
    int rect_quarters;
    double dturns; // turns of each arm of the double spiral
};
const Pack_Shape kShapes[5] = {
    {2.5, 0.44, 3, 10, 1.5}, // Neutral
    {2.3, 0.46, 3, 9, 1.4},  // Water
    {2.2, 0.47, 3, 9, 1.3},  // Ice
    {2.0, 0.50, 2, 8, 1.25}, // Fire
    {1.9, 0.52, 2, 7, 1.2},  // Precious
};

Lv_Board One(Lv_Builder& b, int gx, int gy, double dx = 0, double dy = 0) {
    Lv_Board out;
    out.tracks.push_back(b.Enter(dx, dy).t);
    out.gun_x = gx, out.gun_y = gy;
    return out;
}

Lv_Board Spiral_Board(const Pack_Shape& s, double a0, int gx, int gy, double rx, double ry) {
    Lv_Builder b;
    b.Spiral(gx, gy, a0, s.turns, rx, ry, rx * s.inner, std::max(112.0, ry * s.inner));
    // The entry runs in along the spiral's first heading (clockwise: sin a0, -cos a0 back).
    return One(b, gx, gy, std::sin(a0 * M_PI / 180), -std::cos(a0 * M_PI / 180));
}

std::vector<double> Row_Heights(int n, double from, double pitch) {
    std::vector<double> ys;
    for (int i = 0; i < n; ++i)
        ys.push_back(from + pitch * i);
    return ys;
}

Lv_Board Serpentine(const Pack_Shape& s) {
    Lv_Builder b;
    std::vector<double> top = Row_Heights(s.rows, 82, 56),
                        bottom = Row_Heights(s.rows, 538 - 56 * (s.rows - 1), 56);
    bool right = s.rows % 2 == 1; // the top block ends on the right
    b.Rows(top, 110, 660);
    double x = right ? 660 : 110, side = right ? 1 : -1;
    b.To(x + side * 55, top.back() + 45).To(x + side * 70, (top.back() + bottom[0]) / 2);
    b.To(x + side * 55, bottom[0] - 45);
    b.Rows(bottom, x, right ? 110 : 660);
    return One(b, 400, 318);
}

Lv_Board Rect_Spiral(const Pack_Shape& s) {
    Lv_Builder b;
    b.RectSpiral(400, 318, 362, 248, 16, s.rect_quarters, 135, true);
    return One(b, 400, 318);
}

Lv_Board Alpha_Loop() {
    Lv_Builder b;
    b.To(60, 470).Under(250, 470, 1, 1).To(470, 470).To(600, 455).To(690, 385).To(712, 290);
    b.To(675, 185).To(580, 112).To(420, 88).To(270, 104).To(165, 170).To(130, 270);
    b.To(170, 350).To(235, 400).To(250, 470).To(262, 530).To(330, 553).To(480, 553).To(600, 540);
    return One(b, 420, 300);
}

Lv_Board Double_Spiral(const Pack_Shape& s) {
    Lv_Board out;
    for (double a0 : {270.0, 90.0}) {
        Lv_Builder b;
        b.Spiral(400, 318, a0, s.dturns, 350, 240, 175, 118);
        out.tracks.push_back(b.Enter(std::sin(a0 * M_PI / 180), -std::cos(a0 * M_PI / 180)).t);
    }
    return out;
}

Lv_Board Columns(bool tunnel) {
    Lv_Builder b;
    b.Cols({70, 135, 200}, 540, 150);
    b.To(218, 112);
    if (tunnel) b.Under(400, 100, 1, 1);
    b.To(582, 112);
    b.Cols({600, 665, 730}, 150, 540);
    return One(b, 400, 340);
}

Lv_Board Tunnel_Serpentine(const Pack_Shape& s) {
    Lv_Builder b;
    b.To(110, 82).To(250, 82).To(390, 82).To(530, 82).To(660, 82).Turn(660, 82, 140, 1).To(660, 140);
    b.Under(390, 140, -1, 1).To(110, 140);
    if (s.rows == 3) b.Turn(110, 140, 196, -1).Rows({196}, 110, 660);
    double y = s.rows == 3 ? 196 : 140, x = s.rows == 3 ? 660 : 110, side = s.rows == 3 ? 1 : -1;
    b.To(x + side * 55, y + 45).To(x + side * 70, 318).To(x + side * 55, 440);
    b.Rows(s.rows == 3 ? std::vector<double>{484, 540} : std::vector<double>{490}, x, 400 - side * 150);
    return One(b, 400, 318);
}

Lv_Board Double_Serpentine(const Pack_Shape& s) {
    Lv_Board out;
    Lv_Builder a, b;
    a.Rows(Row_Heights(s.rows, 82, 58), 110, 680);
    b.Rows(s.rows == 3 ? std::vector<double>{540, 482, 424} : std::vector<double>{540, 482}, 690, 120);
    out.tracks.push_back(a.Enter().t);
    out.tracks.push_back(b.Enter().t);
    return out;
}

Lv_Board Double_Columns() {
    Lv_Board out;
    Lv_Builder a, b;
    a.Cols({70, 135, 200}, 540, 130);
    b.Cols({730, 665, 600}, 540, 130);
    out.tracks.push_back(a.Enter().t);
    out.tracks.push_back(b.Enter().t);
    out.gun_y = 330;
    return out;
}

Lv_Board Make(int pack, int n) {
    const Pack_Shape& s = kShapes[pack];
    switch (n) {
    case 1:
        return Spiral_Board(s, 270, 400, 318, 345, 238);
    case 2:
        return Serpentine(s);
    case 3:
        return Rect_Spiral(s);
    case 4:
        return Alpha_Loop();
    case 5:
        return Double_Spiral(s);
    case 6:
        return Columns(false);
    case 7:
        return Tunnel_Serpentine(s);
    case 8:
        return Double_Serpentine(s);
    case 9:
        return Spiral_Board(s, 90, 400, 318, 345, 238);
    case 10:
        return Columns(true);
    case 11:
        return Spiral_Board(s, 250, 400, 340, 340, 222);
    default:
        return Double_Columns();
    }
}

struct All_Boards {
    std::vector<Lv_Board> packs[5];
    All_Boards() {
        for (int p = 0; p < 5; ++p)
            for (int n = 1; n <= kBoardsPerPack; ++n)
                packs[p].push_back(Make(p, n));
    }
};
const All_Boards& Boards() {
    static const All_Boards all;
    return all;
}
} // namespace

int Lv_BoardCount(int pack) {
    return pack >= 0 && pack < 5 ? kBoardsPerPack : 0;
}

const Lv_Board* Lv_BoardOf(int pack, int board) {
    if (board < 1 || board > Lv_BoardCount(pack)) return nullptr;
    return &Boards().packs[pack][board - 1];
}
