// The drawing service on the software renderer: blend modes, the transform, images, fonts,
// decoders on broken data and the window frame limiter (driven by a virtual clock).
#include <gtest/gtest.h>
#include "tests/log_capture.h"
#include <unistd.h>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>
#include <png.h>
#include "engine/gfx.h"
#include "engine/image_decode.h"
#include "engine/stub_platform.h"
#include "engine/soft_renderer.h"
#include "shell/app_state.h"
#include "shell/log.h"

namespace {
// A platform with a virtual clock that records what the drawing service asks of it.
struct Test_Platform final : Stub_Platform {
    std::unique_ptr<Renderer> soft = Soft_CreateRenderer();
    std::vector<uint32_t> presents; // clock at each present
    std::vector<bool> vsyncs;
    int mouse_x = -1, mouse_y = -1;
    Test_Platform() {
        renderer = soft.get();
        clock = 1000;
    }
    void Present(bool vsync) override {
        presents.push_back(clock);
        vsyncs.push_back(vsync);
    }
    void Mouse_Move(int x, int y) override { mouse_x = x, mouse_y = y; }
};


class GfxTest : public ::testing::Test {
  protected:
    Test_Platform* platform = nullptr;
    void SetUp() override {
        auto p = std::make_unique<Test_Platform>();
        platform = p.get();
        Platform_Set(std::move(p));
        ASSERT_TRUE(Gfx_OpenScreen(800, 600, 0, 0));
        Log_Capture_Start();
    }
    void TearDown() override {
        Log_Capture_Stop();
        Platform_Set(nullptr);
    }
    uint32_t Pixel(int x, int y) {
        std::vector<uint32_t> px;
        EXPECT_TRUE(Gfx_ReadScreen(px));
        return px[size_t(y) * 800 + x] & 0xFFFFFF;
    }
    void Fill(uint32_t rgb) {
        Gfx_SetBlend(BLEND_SOLID);
        Gfx_SetAlpha(1);
        Gfx_SetColor(int(rgb >> 16), int((rgb >> 8) & 255), int(rgb & 255));
        Gfx_DrawRect(0, 0, 800, 600);
        Gfx_SetColor(255, 255, 255);
    }
};

// An unfiltered image whose pixels come from a function of (x, y).
template <class F> TImage* Make_Image(int w, int h, F pixel) {
    TImage* img = Gfx_CreateImage(w, h, 1, 0);
    Pixmap pm = Gfx_LockImage(img, 0, false, true);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            pm.Pixmap_WritePixel(x, y, pixel(x, y));
    Gfx_UnlockImage(img);
    return img;
}

bool Near(uint32_t a, uint32_t b) {
    for (int sh = 0; sh < 24; sh += 8)
        if (std::abs(int((a >> sh) & 255) - int((b >> sh) & 255)) > 1) return false;
    return true;
}

struct Blend_Case {
    int mode;
    uint32_t dst, src; // src: ARGB of the image pixel
    float alpha;       // drawing alpha
    int r, g, b;       // drawing colour (tint)
    uint32_t expected;
};

TEST_F(GfxTest, EachBlendModeGivesItsPixelResult) {
    const Blend_Case cases[] = {
        {BLEND_MASK, 0x0000FF, 0xFFFF0000, 0.6f, 255, 255, 255, 0xFF0000},  // alpha 0.6: drawn opaque
        {BLEND_MASK, 0x0000FF, 0xFFFF0000, 0.4f, 255, 255, 255, 0x0000FF},  // alpha 0.4: discarded
        {BLEND_MASK, 0x0000FF, 0x80FF0000, 1.0f, 255, 255, 255, 0xFF0000},  // texel alpha 128/255 >= 0.5
        {BLEND_MASK, 0x0000FF, 0x7FFF0000, 1.0f, 255, 255, 255, 0x0000FF},  // texel alpha 127/255 < 0.5
        {BLEND_SOLID, 0x0000FF, 0x10FF0000, 0.2f, 255, 255, 255, 0xFF0000}, // alpha ignored
        {BLEND_ALPHA, 0x000000, 0xFFFFFFFF, 0.5f, 255, 255, 255, 0x808080},
        {BLEND_ALPHA, 0x0000FF, 0xFFFF0000, 0.25f, 255, 255, 255, 0x4000BF},
        {BLEND_ALPHA, 0x0000FF, 0x80FFFFFF, 1.0f, 255, 0, 0, 0x80007F}, // texel alpha and tint
        {BLEND_LIGHT, 0x6432C8, 0xFF646464, 0.5f, 255, 255, 255, 0x9664FA},
        {BLEND_LIGHT, 0x646464, 0xFFC8C8C8, 1.0f, 255, 255, 255, 0xFFFFFF}, // saturates
        {BLEND_SHADE, 0xC86432, 0xFF80FF00, 0.3f, 255, 255, 255, 0x646400}, // dst x src colour
    };
    for (const Blend_Case& c : cases) {
        TImage* img = Make_Image(4, 4, [&](int, int) { return c.src; });
        Fill(c.dst);
        Gfx_SetBlend(c.mode);
        Gfx_SetAlpha(c.alpha);
        Gfx_SetColor(c.r, c.g, c.b);
        Gfx_DrawImage(img, 10, 10, 0);
        EXPECT_TRUE(Near(Pixel(11, 11), c.expected))
            << "mode " << c.mode << " got " << std::hex << Pixel(11, 11) << " want " << c.expected;
        Gfx_FreeImage(img);
    }
}

TEST_F(GfxTest, SettingAlphaModeTwiceChangesNothing) {
    Fill(0x000000);
    Gfx_SetBlend(BLEND_ALPHA);
    Gfx_SetAlpha(0.5f);
    Gfx_DrawRect(0, 0, 10, 10);
    Gfx_SetBlend(BLEND_ALPHA);
    EXPECT_EQ(Gfx_GetBlend(), BLEND_ALPHA);
    Gfx_DrawRect(20, 0, 10, 10);
    EXPECT_EQ(Pixel(5, 5), Pixel(25, 5));
    EXPECT_TRUE(Near(Pixel(25, 5), 0x808080));
}

TEST_F(GfxTest, AdjacentShapesNeitherOverlapNorLeaveGaps) {
    Fill(0x000000);
    Gfx_SetBlend(BLEND_ALPHA);
    Gfx_SetAlpha(0.5f);
    // Shared edges and quad diagonals run through pixel centres: each pixel is drawn once.
    Gfx_DrawRect(10.5f, 10.5f, 5, 5);
    Gfx_DrawRect(15.5f, 10.5f, 5, 5);
    Gfx_DrawRect(10.5f, 15.5f, 10, 3);
    Gfx_SetRotation(30);
    Gfx_DrawRect(100.25f, 100.5f, 20, 20);
    Gfx_SetRotation(0);
    std::vector<uint32_t> px;
    ASSERT_TRUE(Gfx_ReadScreen(px));
    auto blue = [&](int x, int y) { return px[size_t(y) * 800 + x] & 0xFF; };
    for (int y = 10; y < 18; ++y)
        for (int x = 10; x < 20; ++x)
            EXPECT_NEAR(int(blue(x, y)), 128, 1) << x << "," << y;
    for (int i = 9; i <= 20; ++i)
        EXPECT_EQ(blue(i, 9) + blue(i, 18) + blue(9, i) + blue(20, i), 0u) << i;
    for (uint32_t p : px)
        ASSERT_LE(p & 0xFF, 0x81u);
}

TEST_F(GfxTest, ShapesLandWhereTheyAreAskedAndStayInsideTheViewport) {
    Fill(0x000000);
    Gfx_Plot(10.7f, 20.2f);
    Gfx_DrawLine(5, 30, 15, 30);
    Gfx_DrawOval(100, 100, 20, 10);
    std::vector<uint32_t> px;
    ASSERT_TRUE(Gfx_ReadScreen(px));
    auto lit = [&](int x, int y) { return (px[size_t(y) * 800 + x] & 0xFFFFFF) != 0; };
    int plotted = 0;
    for (uint32_t p : px)
        if (p & 0xFFFFFF) ++plotted;
    EXPECT_TRUE(lit(10, 20));
    for (int x = 5; x <= 15; ++x)
        EXPECT_TRUE(lit(x, 30)) << x;
    EXPECT_FALSE(lit(4, 30) || lit(16, 30) || lit(10, 29) || lit(10, 31));
    EXPECT_TRUE(lit(110, 105) && lit(101, 105) && lit(118, 105) && lit(110, 101) && lit(110, 108));
    EXPECT_FALSE(lit(99, 105) || lit(120, 105) || lit(110, 99) || lit(110, 110) || lit(101, 101));
    EXPECT_GT(plotted, 12 + 140);
    EXPECT_LT(plotted, 12 + 170); // ellipse area 157

    Gfx_SetViewport(50, 60, 10, 20);
    Gfx_DrawRect(0, 0, 800, 600);
    Gfx_SetViewport(52, 62, 2, 2);
    Gfx_Cls();
    Gfx_SetViewport(0, 0, 800, 600);
    ASSERT_TRUE(Gfx_ReadScreen(px));
    EXPECT_TRUE(lit(50, 60) && lit(59, 79) && !lit(52, 62) && !lit(53, 63) && lit(54, 62));
    EXPECT_FALSE(lit(49, 60) || lit(60, 60) || lit(50, 59) || lit(50, 80));
}

TEST_F(GfxTest, NegativeHorizontalScaleMirrorsAboutTheHandle) {
    const uint32_t left = 0xFFFF0000, right = 0xFF00FF00, mid = 0xFF0000FF;
    TImage* img = Make_Image(4, 2, [&](int x, int) { return x == 0 ? left : x == 3 ? right : mid; });
    Gfx_SetHandle(img, 1, 0);
    Fill(0x000000);
    Gfx_SetScale(-1, 1);
    Gfx_DrawImage(img, 100, 100, 0);
    EXPECT_EQ(Pixel(100, 100), left & 0xFFFFFF); // the column left of the handle flips to its right
    EXPECT_EQ(Pixel(97, 101), right & 0xFFFFFF);
    EXPECT_EQ(Pixel(98, 100), mid & 0xFFFFFF);
    EXPECT_EQ(Pixel(101, 100), 0u);
    EXPECT_EQ(Pixel(96, 100), 0u);
    Gfx_FreeImage(img);
}

TEST_F(GfxTest, MidHandledImageTurnedNinetyDegreesStaysCentredAndTurnsClockwise) {
    const uint32_t marker = 0xFFFF0000, body = 0xFF00FF00;
    TImage* img = Make_Image(20, 10, [&](int x, int y) { return x < 2 && y < 2 ? marker : body; });
    Gfx_MidHandle(img);
    Fill(0x000000);
    Gfx_SetRotation(90);
    Gfx_DrawImage(img, 200, 200, 0);
    // Now 10 wide and 20 tall around (200, 200); the top-left corner went to the top right.
    EXPECT_EQ(Pixel(204, 190), marker & 0xFFFFFF);
    EXPECT_EQ(Pixel(195, 190), body & 0xFFFFFF);
    EXPECT_EQ(Pixel(195, 209), body & 0xFFFFFF);
    EXPECT_EQ(Pixel(194, 200), 0u);
    EXPECT_EQ(Pixel(205, 200), 0u);
    EXPECT_EQ(Pixel(200, 189), 0u);
    EXPECT_EQ(Pixel(200, 210), 0u);
    Gfx_FreeImage(img);
}

TEST_F(GfxTest, FlipsKeepTheMiddleOfAnOddSize) {
    TImage* row = Make_Image(5, 1, [](int x, int) { return uint32_t(x + 1); });
    Gfx_FlipImageX(row);
    Pixmap pm = Gfx_LockImage(row, 0, true, false);
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(pm.Pixmap_ReadPixel(x, 0), uint32_t(5 - x));
    Gfx_UnlockImage(row);
    TImage* col = Make_Image(1, 3, [](int, int y) { return uint32_t(y + 1); });
    Gfx_FlipImageY(col);
    pm = Gfx_LockImage(col, 0, true, false);
    EXPECT_EQ(pm.Pixmap_ReadPixel(0, 0), 3u);
    EXPECT_EQ(pm.Pixmap_ReadPixel(0, 1), 2u);
    EXPECT_EQ(pm.Pixmap_ReadPixel(0, 2), 1u);
    EXPECT_TRUE(col->frames[0].dirty);
    Gfx_FreeImage(row);
    Gfx_FreeImage(col);
}

TEST_F(GfxTest, NullImageIsHarmlessEverywhere) {
    Gfx_DrawImage(nullptr, 10, 10, 0);
    Gfx_MidHandle(nullptr);
    Gfx_FlipImageX(nullptr);
    Gfx_FlipImageY(nullptr);
    Gfx_UnlockImage(nullptr);
    Gfx_FreeImage(nullptr);
    EXPECT_EQ(Gfx_ImageWidth(nullptr), 0);
    EXPECT_EQ(Gfx_ImageHeight(nullptr), 0);
    EXPECT_EQ(Gfx_LockImage(nullptr, 0, true, true).Pixmap_ReadPixel(0, 0), 0u);
}

TEST(AnimWrapTest, AddsFrameTimeAndWrapsByCount) {
    FrameDt = 0.1f;
    EXPECT_NEAR(Anim_Wrap(3.5f, 4, 10), 0.5f, 1e-5);
    FrameDt = 0;
    EXPECT_NEAR(Anim_Wrap(11.9f, 4, 10), 3.9f, 1e-5);
    EXPECT_NEAR(Anim_Wrap(3.99f, 4, 10), 3.99f, 1e-5);
    App_StateReset();
}

constexpr char kCardo[] = "/usr/share/fonts/truetype/cardo/Cardob101.ttf";

TEST_F(GfxTest, TrueTypeFontDrawsTextAndHasAFixedLineHeight) {
    EXPECT_EQ(Gfx_TextWidth(""), 0); // built-in font
    EXPECT_GT(Gfx_TextWidth("Hi"), 0);
    TImageFont* font = Gfx_LoadFont(kCardo, 24, 5);
    ASSERT_NE(font, nullptr);
    Gfx_SetFont(font);
    EXPECT_EQ(Gfx_TextWidth(""), 0);
    int h = Gfx_TextHeight();
    EXPECT_GE(h, 24);
    EXPECT_EQ(Gfx_TextWidth("ab"), Gfx_TextWidth("a") + Gfx_TextWidth("b"));
    Fill(0x000000);
    Gfx_SetBlend(BLEND_ALPHA);
    Gfx_DrawText("Hello", 50, 50);
    EXPECT_EQ(Gfx_TextHeight(), h);
    std::vector<uint32_t> px;
    ASSERT_TRUE(Gfx_ReadScreen(px));
    int lit = 0, outside = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            if (!(px[size_t(y) * 800 + x] & 0xFFFFFF)) continue;
            bool inside = x >= 47 && x <= 53 + Gfx_TextWidth("Hello") && y >= 47 && y <= 53 + h;
            (inside ? lit : outside) += 1;
        }
    EXPECT_GT(lit, 100);
    EXPECT_EQ(outside, 0);
    Gfx_FreeFont(font);
    EXPECT_EQ(Gfx_GetFont(), nullptr);
    EXPECT_EQ(Gfx_LoadFont("/nonexistent/font.ttf", 12, 5), nullptr);
}

// ---- decoders ----

std::vector<uint8_t> Encode_Jpeg(int w, int h) {
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &mem, &size);
    c.image_width = JDIMENSION(w);
    c.image_height = JDIMENSION(h);
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_start_compress(&c, TRUE);
    std::vector<uint8_t> row(size_t(w) * 3);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            row[x * 3] = uint8_t(x * 4), row[x * 3 + 1] = uint8_t(y * 4), row[x * 3 + 2] = 200;
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::vector<uint8_t> out(mem, mem + size);
    free(mem);
    return out;
}

std::vector<uint8_t> Test_Png(int w, int h) {
    std::vector<uint32_t> px(size_t(w) * h);
    for (size_t i = 0; i < px.size(); ++i)
        px[i] = 0x80000000u | uint32_t(i * 2654435761u & 0xFFFFFF);
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(Gfx_EncodePng(px.data(), w, h, bytes));
    return bytes;
}

// Damages compressed pixel data (PNG: the checksums no longer match).
void Flip_Middle_Bytes(std::vector<uint8_t>& b) {
    for (size_t i = b.size() / 2; i < b.size() / 2 + 40; ++i)
        b[i] ^= 0x5A;
}

// Overwrites the code counts of the first Huffman table with impossible values.
void Break_Huffman_Table(std::vector<uint8_t>& b) {
    for (size_t i = 0; i + 21 < b.size(); ++i)
        if (b[i] == 0xFF && b[i + 1] == 0xC4) {
            std::memset(&b[i + 5], 0xFF, 16);
            return;
        }
}

TEST_F(GfxTest, BrokenPngAndJpgBytesFailWithALogLine) {
    struct Source {
        const char* name;
        std::vector<uint8_t> bytes;
        void (*corrupt)(std::vector<uint8_t>&);
    };
    Source sources[] = {{"pic.png", Test_Png(64, 64), Flip_Middle_Bytes},
                        {"pic.jpg", Encode_Jpeg(64, 64), Break_Huffman_Table}};
    for (const Source& s : sources) {
        Decoded_Image img;
        ASSERT_TRUE(Image_Decode(s.bytes.data(), s.bytes.size(), s.name, img)) << s.name;
        EXPECT_EQ(img.w, 64);
        std::vector<uint8_t> cut(s.bytes.begin(), s.bytes.begin() + long(s.bytes.size() / 2));
        std::vector<uint8_t> bad = s.bytes;
        s.corrupt(bad);
        std::vector<uint8_t> header_only(s.bytes.begin(), s.bytes.begin() + 20);
        for (const auto* broken : {&cut, &bad, &header_only}) {
            g_log.clear();
            EXPECT_FALSE(Image_Decode(broken->data(), broken->size(), s.name, img)) << s.name;
            ASSERT_EQ(g_log.size(), 1u) << s.name;
            EXPECT_NE(g_log[0].find(s.name), std::string::npos);
        }
    }
    EXPECT_EQ(Gfx_LoadImage("/nonexistent/none.png"), nullptr);
}

// Writes a PNG of the given colour type with libpng (rows already in that layout).
std::vector<uint8_t> Write_Png(int w, int h, int depth, int type, const std::vector<uint8_t>& rows,
                               const std::vector<png_color>& palette = {},
                               const std::vector<uint8_t>& trns = {}) {
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep d, png_size_t n) {
            auto* o = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(p));
            o->insert(o->end(), d, d + n);
        },
        nullptr);
    png_set_IHDR(png, info, png_uint_32(w), png_uint_32(h), depth, type, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!palette.empty()) png_set_PLTE(png, info, palette.data(), int(palette.size()));
    if (!trns.empty()) png_set_tRNS(png, info, trns.data(), int(trns.size()), nullptr);
    png_write_info(png, info);
    size_t stride = rows.size() / size_t(h);
    for (int y = 0; y < h; ++y)
        png_write_row(png, rows.data() + stride * size_t(y));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

TEST(ImageDecodeTest, PaletteGreyAnd16BitPngBecomeArgb) {
    Decoded_Image img;
    auto pal = Write_Png(2, 1, 8, PNG_COLOR_TYPE_PALETTE, {0, 1}, {{255, 0, 0}, {0, 0, 255}}, {128});
    ASSERT_TRUE(Image_Decode(pal.data(), pal.size(), "pal.png", img));
    EXPECT_EQ(img.pixels[0], 0x80FF0000u);
    EXPECT_EQ(img.pixels[1], 0xFF0000FFu);
    auto grey16 = Write_Png(2, 1, 16, PNG_COLOR_TYPE_GRAY, {0xFF, 0xFF, 0x80, 0x00});
    ASSERT_TRUE(Image_Decode(grey16.data(), grey16.size(), "grey16.png", img));
    EXPECT_EQ(img.pixels[0], 0xFFFFFFFFu);
    EXPECT_EQ(img.pixels[1], 0xFF808080u);
    auto grey2 = Write_Png(4, 1, 2, PNG_COLOR_TYPE_GRAY, {0x1B}); // levels 0, 1, 2, 3
    ASSERT_TRUE(Image_Decode(grey2.data(), grey2.size(), "grey2.png", img));
    EXPECT_EQ(img.pixels[1], 0xFF555555u);
    EXPECT_EQ(img.pixels[3], 0xFFFFFFFFu);
}

TEST(ImageDecodeTest, BmpAndTgaReadersHonourRowOrder) {
    // 2 x 2, 24-bit, bottom-up: the first stored row is the bottom one; rows pad to 4 bytes.
    std::vector<uint8_t> bmp = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  40,
                                0,   0,   0,  2, 0, 0, 0, 2, 0, 0, 0,  1, 0, 24, 0};
    bmp.resize(54, 0);
    const uint8_t rows[] = {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0};
    bmp.insert(bmp.end(), rows, rows + sizeof rows);
    Decoded_Image img;
    ASSERT_TRUE(Image_Decode(bmp.data(), bmp.size(), "a.bmp", img));
    EXPECT_EQ(img.pixels[0], 0xFF0000FFu); // top-left: blue
    EXPECT_EQ(img.pixels[2], 0xFFFF0000u); // bottom-left: red
    EXPECT_FALSE(Image_Decode(bmp.data(), 60, "cut.bmp", img));
    // 3 x 1 run-length TGA, 32-bit, top-left origin: a run of two, then one raw pixel.
    std::vector<uint8_t> tga = {0, 0, 10, 0,    0,    0, 0, 0, 0, 0,    0, 0, 3, 0,
                                1, 0, 32, 0x28, 0x81, 1, 2, 3, 4, 0x00, 5, 6, 7, 8};
    ASSERT_TRUE(Image_Decode(tga.data(), tga.size(), "a.tga", img));
    EXPECT_EQ(img.pixels[0], 0x04030201u);
    EXPECT_EQ(img.pixels[1], 0x04030201u);
    EXPECT_EQ(img.pixels[2], 0x08070605u);
    EXPECT_FALSE(Image_Decode(tga.data(), tga.size() - 2, "cut.tga", img));
    // Found by fuzzing: a true-colour TGA with an unused palette of a 7-bit depth read four bytes
    // for each one-byte entry, past the end of the data.
    std::vector<uint8_t> odd_palette = {0, 1, 2, 0, 0, 1, 0, 7, 0, 0, 0, 0, 1, 0, 1, 0, 32, 0, 9};
    EXPECT_FALSE(Image_Decode(odd_palette.data(), odd_palette.size(), "pal.tga", img));
}

TEST_F(GfxTest, AnimImageCutsCellsAcrossThenDown) {
    // 3 x 2 cells of 2 x 2 pixels, cell i coloured i + 1.
    std::vector<uint32_t> px(6 * 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            px[size_t(y) * 6 + x] = 0xFF000000u | uint32_t((y / 2) * 3 + x / 2 + 1);
    char dir[] = "/tmp/gfx_test_XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    std::string file = std::string(dir) + "/strip.png";
    ASSERT_TRUE(Gfx_WritePng(file, px.data(), 6, 4));
    TImage* img = Gfx_LoadAnimImage(file, 2, 2, 1, 4);
    ASSERT_NE(img, nullptr);
    ASSERT_EQ(img->frames.size(), 4u);
    EXPECT_EQ(Gfx_ImageWidth(img), 2);
    for (int f = 0; f < 4; ++f)
        EXPECT_EQ(img->frames[size_t(f)].pixels[3], 0xFF000000u | uint32_t(f + 2));
    EXPECT_EQ(Gfx_LoadAnimImage(file, 2, 2, 3, 4), nullptr); // only 6 cells
    Gfx_FreeImage(img);
    std::remove(file.c_str());
    rmdir(dir);
}

// ---- pacing ----

TEST_F(GfxTest, WindowLimiterAlternatesSixteenAndSeventeenMilliseconds) {
    platform->clock = 5000;
    ASSERT_TRUE(Gfx_OpenScreen(800, 600, 0, 60));
    for (int i = 0; i < 60; ++i)
        Gfx_Present();
    ASSERT_EQ(platform->presents.size(), 60u);
    EXPECT_EQ(platform->presents[0], 5016u);
    EXPECT_EQ(platform->presents[1], 5033u);
    EXPECT_EQ(platform->presents[2], 5050u);
    EXPECT_EQ(platform->presents[59], 6000u); // exactly one second for 60 frames
    for (bool v : platform->vsyncs)
        EXPECT_FALSE(v);
    // A late frame moves the due time to now: the next frame is a whole period later.
    platform->clock += 100;
    Gfx_Present();
    Gfx_Present();
    EXPECT_EQ(platform->presents[60], 6100u);
    EXPECT_EQ(platform->presents[61], 6117u); // the 16/17 pattern carries on
}

TEST_F(GfxTest, FullScreenUsesVsyncAndCentresThePointer) {
    ASSERT_TRUE(Gfx_OpenScreen(800, 600, 32, 60));
    EXPECT_EQ(platform->mouse_x, 400);
    EXPECT_EQ(platform->mouse_y, 300);
    uint32_t before = platform->clock;
    Gfx_Present();
    EXPECT_EQ(platform->clock, before);
    ASSERT_TRUE(Gfx_OpenScreen(800, 600, 0, 0));
    Gfx_Present();
    EXPECT_EQ(platform->clock, before);
    EXPECT_EQ(platform->vsyncs, (std::vector<bool>{true, false}));
}

TEST_F(GfxTest, ImagesStayDrawableAfterTheScreenIsReopened) {
    TImage* img = Make_Image(2, 2, [](int, int) { return 0xFF123456u; });
    ASSERT_TRUE(Gfx_OpenScreen(800, 600, 32, 60));
    Fill(0x000000);
    Gfx_DrawImage(img, 5, 5, 0);
    EXPECT_EQ(Pixel(5, 5), 0x123456u);
    Gfx_FreeImage(img);
}
} // namespace
