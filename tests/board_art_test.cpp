// The board backgrounds show their tracks: along the centre line the game samples from a
// board's first level, the pixels differ from those 40 units to either side.
#include <gtest/gtest.h>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>
#include "content/embedded.h"
#include "content/manifest.h"
#include "content/text_int.h"
#include "engine/image_decode.h"
#include "shell/resource.h"
#include "tests/chain_test_support.h"

namespace {
std::string Text_Of(const std::string& name) {
    const Resource_Entry* r = Resource_Find(name);
    return r ? std::string(reinterpret_cast<const char*>(r->bytes), r->size) : "";
}

// The first level of the pack whose BOARD= is `board`, or 0.
int First_Level(int pack, int board) {
    for (int n = 1; n <= kManifestPacks[pack].levels; ++n) {
        std::string level = Text_Of(Manifest_LevelName(pack, n));
        size_t at = level.find("BOARD=");
        if (at != std::string::npos && Text_ToInt(level.c_str() + at + 6, level.size() - at - 6) == board)
            return n;
    }
    return 0;
}

int Luma(const Decoded_Image& img, double x, double y) {
    int ix = static_cast<int>(x), iy = static_cast<int>(y);
    uint32_t p = img.pixels[static_cast<size_t>(iy) * img.w + ix];
    return static_cast<int>(((p >> 16) & 255) * 30 + ((p >> 8) & 255) * 59 + (p & 255) * 11) / 100;
}

bool Inside(double x, double y) {
    return x >= 1 && y >= 1 && x < 799 && y < 599;
}

// Points of every track's centre line, a few units apart.
std::vector<std::pair<float, float>> Line_Points() {
    std::vector<std::pair<float, float>> out;
    for (int t = 0; t < Paths.count; ++t)
        for (int seg = 0; seg < Paths.pool[t].Segments(); ++seg) {
            const Bz_Samples& s = Paths.pool[t].Table(seg);
            for (int i = 0; i < BZ_SAMPLES; i += 100)
                out.push_back({s.x[i], s.y[i]});
        }
    return out;
}

bool Near(const std::vector<std::pair<float, float>>& pts, double x, double y, double r) {
    for (const auto& p : pts)
        if ((p.first - x) * (p.first - x) + (p.second - y) * (p.second - y) < r * r) return true;
    return false;
}

// Share of the pixel pairs, a centre-line sample (every 10 units) and the ground 40 units to
// one side of it, that differ by more than 12 grey levels. A side point that lies on another
// loop of a track (closer than 24 units to any centre line) is not ground and is skipped.
double Groove_Share(const Decoded_Image& img) {
    int tested = 0, differ = 0;
    std::vector<std::pair<float, float>> pts = Line_Points();
    for (int t = 0; t < Paths.count; ++t) {
        const Path& p = Paths.pool[t];
        for (int seg = 0; seg < p.Segments(); ++seg) {
            const Bz_Samples& s = p.Table(seg);
            double next = 0;
            for (int i = 1; i < BZ_SAMPLES; ++i) {
                if (s.dist_tot[i] < next) continue;
                next = s.dist_tot[i] + 10;
                double dx = s.x[i] - s.x[i - 1], dy = s.y[i] - s.y[i - 1], len = std::hypot(dx, dy);
                if (len <= 0 || !Inside(s.x[i], s.y[i])) continue;
                for (int side = -1; side <= 1; side += 2) {
                    double x = s.x[i] - side * dy / len * 40, y = s.y[i] + side * dx / len * 40;
                    if (!Inside(x, y) || Near(pts, x, y, 24)) continue;
                    ++tested;
                    differ += std::abs(Luma(img, s.x[i], s.y[i]) - Luma(img, x, y)) > 12;
                }
            }
        }
    }
    return tested ? static_cast<double>(differ) / tested : 0;
}

class BoardArtTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Resource_Clear();
        Content_RegisterEmbedded();
        Chain_Test_Reset();
    }
    void TearDown() override { Resource_Clear(); }
};
} // namespace

TEST_F(BoardArtTest, EveryBoardShowsItsTrackAlongTheSampledCentreLine) {
    for (int pack = 0; pack < kManifestPackCount; ++pack)
        for (int board = 1; board <= Manifest_BoardCount(pack); ++board) {
            int level = First_Level(pack, board);
            if (level == 0) continue; // a board no level uses is never shown
            std::string bg = Manifest_BoardBgName(pack, board),
                        path = Text_Of(Manifest_PathName(pack, level));
            const Resource_Entry* r = Resource_Find(bg);
            Decoded_Image img;
            ASSERT_TRUE(r && Image_Decode(r->bytes, r->size, bg, img)) << bg;
            ASSERT_EQ(img.w * img.h, 800 * 600) << bg;
            Chain_Reset();
            ASSERT_GT(Parse_Text(path), 0) << Manifest_PathName(pack, level);
            EXPECT_GT(Groove_Share(img), 0.9) << bg << " along " << Manifest_PathName(pack, level);
        }
}
