// orbivale_artsheet CONTENT_DIR OUT_DIR: pictures of the generated art, each also in grey:
// "pack_<Pack>.png" (level 1 of every pack: board, elements, a chain along the first track,
// the gun, an item and the interface), "board_<Pack>_<N>.png" (every board as it is),
// "chain.png" (every colour, joker and specials close up,
// rolling frames side by side) and "gun.png" (the firing frames of the gun).
#include <cairo.h>
#include <cmath>
#include <cstdio>
#include <jpeglib.h>
#include <string>
#include <vector>
#include "content/gen/gen_track.h"
#include "content/gen/gen_write.h"
#include "content/manifest.h"
#include "content/text_int.h"
#include "shell/paths.h"

namespace {
cairo_surface_t* Load(const std::string& name) {
    std::string file = Paths_ContentFile(name);
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".png") == 0)
        return cairo_image_surface_create_from_png(file.c_str());
    std::vector<uint8_t> bytes;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 800, 600);
    if (!Gen_ReadFile(file, bytes)) return s;
    jpeg_decompress_struct d;
    jpeg_error_mgr err;
    d.err = jpeg_std_error(&err);
    jpeg_create_decompress(&d);
    jpeg_mem_src(&d, bytes.data(), bytes.size());
    jpeg_read_header(&d, TRUE);
    d.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d);
    std::vector<uint8_t> row(d.output_width * 3);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    while (d.output_scanline < d.output_height && d.output_scanline < 600) {
        int y = d.output_scanline;
        uint8_t* rp = row.data();
        jpeg_read_scanlines(&d, &rp, 1);
        uint32_t* out = reinterpret_cast<uint32_t*>(data + y * stride);
        for (unsigned x = 0; x < d.output_width && x < 800; ++x)
            out[x] = 0xff000000u | row[x * 3] << 16 | row[x * 3 + 1] << 8 | row[x * 3 + 2];
    }
    jpeg_finish_decompress(&d);
    jpeg_destroy_decompress(&d);
    cairo_surface_mark_dirty(s);
    return s;
}

// Draws frame `frame` of a strip (cells of w x h, 8 a row) centred at (x, y).
void Draw(cairo_t* cr, const std::string& name, int w, int h, int frame, double x, double y, double scale = 1,
          double angle_deg = 0, bool add = false, double alpha = 1) {
    cairo_surface_t* s = Load(name);
    int cols = std::max(1, cairo_image_surface_get_width(s) / w);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle_deg * M_PI / 180);
    cairo_scale(cr, scale, scale);
    cairo_rectangle(cr, -w / 2.0, -h / 2.0, w, h);
    cairo_clip(cr);
    cairo_set_source_surface(cr, s, -w / 2.0 - (frame % cols) * w, -h / 2.0 - (frame / cols) * h);
    if (add) cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
    cairo_surface_destroy(s);
}

void Save(cairo_surface_t* s, const std::string& out) {
    cairo_surface_write_to_png(s, (out + ".png").c_str());
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s), w = cairo_image_surface_get_width(s);
    for (int y = 0; y < cairo_image_surface_get_height(s); ++y)
        for (int x = 0; x < w; ++x) {
            uint32_t& p = reinterpret_cast<uint32_t*>(data + y * stride)[x];
            uint32_t l = (((p >> 16) & 255) * 30 + ((p >> 8) & 255) * 59 + (p & 255) * 11) / 100;
            p = 0xff000000u | l << 16 | l << 8 | l;
        }
    cairo_surface_mark_dirty(s);
    cairo_surface_write_to_png(s, (out + "_grey.png").c_str());
}

int Key(const std::string& text, const char* key, int index) {
    size_t at = text.find(key);
    if (at == std::string::npos) return 0;
    at += std::string(key).size();
    for (int i = 0; i < index; ++i)
        at = text.find(',', at) + 1;
    return Text_ToInt(text.c_str() + at, text.size() - at);
}

void Chain(cairo_t* cr, const std::vector<Gen_TrackSample>& line, size_t count) {
    static const char* const files[] = {"00_blue",   "01_green", "02_magenta",
                                        "03_orange", "04_red",   "05_yellow"};
    static const char* const mods[] = {"precision", "reverse",  "bomb", "pause",
                                       "rev_clear", "fireball", "chain"};
    double along = 0;
    size_t placed = 0;
    for (size_t i = 1; i + 8 < line.size() && placed < count; ++i) {
        along += std::hypot(line[i].x - line[i - 1].x, line[i].y - line[i - 1].y);
        if (along < 28.0 * placed + 20) continue;
        double a = std::atan2(line[i + 4].y - line[i].y, line[i + 4].x - line[i].x) * 180 / M_PI;
        int colour = (placed * 7 / 3 + placed / 5) % 6;
        std::string dir = "./images/pieces/";
        if (placed % 11 == 7) {
            std::string m = mods[placed / 11 % 7];
            bool chain = m == "chain";
            if (chain) Draw(cr, dir + "mods/mod_chain.png", 64, 64, 0, line[i].x, line[i].y, 0.58, a);
            Draw(cr, dir + files[colour] + ".png", 64, 64, static_cast<int>(along) % 63, line[i].x, line[i].y,
                 0.55, a);
            if (!chain)
                Draw(cr, dir + "mods/mod_" + m + ".png", 120, 120, 0, line[i].x, line[i].y, 0.55, a, true,
                     0.9);
        } else if (placed == 2) {
            Draw(cr, dir + "16_pusher.png", 40, 40, 0, line[i].x, line[i].y, 1, a);
        } else if (placed % 13 == 12) {
            Draw(cr, dir + "18_joker.png", 64, 64, static_cast<int>(along) % 64, line[i].x, line[i].y, 0.55,
                 a);
        } else {
            Draw(cr, dir + files[colour] + ".png", 64, 64, static_cast<int>(along) % 63, line[i].x, line[i].y,
                 0.55, a);
        }
        ++placed;
    }
}

void Gun(cairo_t* cr, double x, double y, double angle, int frame, int colour) {
    const std::string g = ".\\Images\\Gun\\";
    static const char* const files[] = {"00_blue",   "01_green", "02_magenta",
                                        "03_orange", "04_red",   "05_yellow"};
    Draw(cr, g + "00.png", 120, 120, 0, x, y);
    Draw(cr, g + "01.png", 157, 157, frame, x, y, 1, angle - 90);
    Draw(cr, g + "02.png", 157, 157, 0, x, y, 1, angle - 90);
    double c = std::cos(angle * M_PI / 180), s = std::sin(angle * M_PI / 180);
    Draw(cr, "./images/pieces/" + std::string(files[(colour + 2) % 6]) + ".png", 64, 64, 0, x - 40 * c,
         y - 40 * s, 0.55, angle);
    if (frame == 0)
        Draw(cr, "./images/pieces/" + std::string(files[colour]) + ".png", 64, 64, 0, x - 10 * c, y - 10 * s,
             0.55, angle);
    Draw(cr, g + "10.png", 157, 157, 0, x, y, 1, angle - 90);
    Draw(cr, g + "11.png", 157, 157, frame, x, y, 1, angle - 90);
}

void Pack_Sheet(int pack, const std::string& out_dir) {
    std::vector<uint8_t> bytes;
    Gen_ReadFile(Paths_ContentFile(Manifest_LevelName(pack, 1)), bytes);
    std::string level(bytes.begin(), bytes.end());
    bytes.clear();
    Gen_ReadFile(Paths_ContentFile(Manifest_PathName(pack, 1)), bytes);
    Gen_BoardTracks tracks;
    Gen_ParseTracks(std::string(bytes.begin(), bytes.end()), tracks);
    int board = Key(level, "BOARD=", 0);
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 800, 600);
    cairo_t* cr = cairo_create(s);
    cairo_surface_t* bg = Load(Manifest_BoardBgName(pack, board));
    cairo_set_source_surface(cr, bg, 0, 0);
    cairo_paint(cr);
    cairo_surface_destroy(bg);
    for (const auto& line : tracks.lines)
        Chain(cr, line, 22);
    for (const Gen_TrackElem& e : tracks.elems) {
        cairo_surface_t* el = Load(Manifest_BoardElemName(pack, board, e.img));
        cairo_set_source_surface(cr, el, e.x, e.y);
        cairo_paint(cr);
        cairo_surface_destroy(el);
    }
    int gx = Key(level, "GUN_POS=", 0), gy = Key(level, "GUN_POS=", 1);
    Gun(cr, gx ? gx : 400, gy ? gy : 300, 200, 0, pack % 6);
    Draw(cr, "./images/items/item_02.png", 52, 52, 3, 250, 420, 0.8);
    Draw(cr, "./images/items/item_05.png", 52, 52, 9, 560, 230);
    Draw(cr, ".\\Images\\InGame\\IG_Interf\\ig_interf_bg.png", 800, 140, 0, 400, 70);
    cairo_save(cr);
    cairo_rectangle(cr, 470, 6, 150, 22);
    cairo_clip(cr);
    Draw(cr, ".\\Images\\InGame\\IG_Interf\\ig_interf_pb.png", 240, 22, 0, 590, 17);
    cairo_restore(cr);
    Draw(cr, ".\\Images\\Hammer\\hammer1.png", 64, 64, 0, 702 + 2 + 32, 64 - 3 + 32);
    for (int i = 0; i < 5; ++i) {
        static const int at[8][2] = {{754, 50},  {768, 78}, {754, 107}, {725, 123},
                                     {697, 106}, {684, 78}, {697, 51},  {724, 40}};
        Draw(cr, ".\\Images\\Hammer\\hammer_fill_" + std::to_string(i) + ".png", 24, 24, 0, at[i][0] + 12,
             at[i][1] + 12);
    }
    Draw(cr, ".\\Images\\InGame\\IG_btns\\ig_btn_menu_default.png", 109, 40, 0, 740, 575);
    cairo_destroy(cr);
    Save(s, out_dir + "/pack_" + kManifestPacks[pack].name);
    cairo_surface_destroy(s);
}

void Closeups(const std::string& out_dir) {
    static const char* const files[] = {"00_blue", "01_green",  "02_magenta", "03_orange",
                                        "04_red",  "05_yellow", "18_joker"};
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 800, 600);
    cairo_t* cr = cairo_create(s);
    cairo_surface_t* bg = Load(Manifest_BoardBgName(0, 1));
    cairo_set_source_surface(cr, bg, 0, 0);
    cairo_paint(cr);
    cairo_surface_destroy(bg);
    for (int k = 0; k < 7; ++k)
        for (int f = 0; f < 8; ++f) // a row per colour at double size, every 4th frame
            Draw(cr, std::string("./images/pieces/") + files[k] + ".png", 64, 64, f * 4, 60 + f * 64,
                 40 + k * 64, 1.1);
    const char* special[] = {"16_pusher", "19_alarm", "20_fireball", "21_win"};
    const int size[] = {40, 40, 64, 64};
    for (int k = 0; k < 4; ++k)
        Draw(cr, std::string("./images/pieces/") + special[k] + ".png", size[k], size[k], 0,
             620 + (k % 2) * 80, 60 + (k / 2) * 80, 1.1);
    Draw(cr, "./images/pieces/17_rev_clear.png", 160, 160, 0, 660, 260, 0.9);
    static const char* const mods[] = {"precision", "reverse", "bomb",    "pause",   "rev_clear",
                                       "fireball",  "chain",   "score2x", "score3x", "bomb_zone"};
    for (int k = 0; k < 10; ++k) {
        double x = 40 + k * 76, y = 530;
        bool chain = k == 6;
        if (chain) Draw(cr, "./images/pieces/mods/mod_chain.png", 64, 64, 0, x, y, 0.58 * 2);
        Draw(cr, std::string("./images/pieces/") + files[k % 6] + ".png", 64, 64, 0, x, y, 0.55 * 2);
        if (!chain)
            Draw(cr, "./images/pieces/mods/mod_" + std::string(mods[k]) + ".png", 120, 120, 0, x, y, 0.55 * 2,
                 0, true, 0.9);
    }
    cairo_destroy(cr);
    Save(s, out_dir + "/chain");
    cairo_surface_destroy(s);
}

void Gun_Sheet(const std::string& out_dir) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 800, 600);
    cairo_t* cr = cairo_create(s);
    for (int pack = 0; pack < 5; ++pack) {
        cairo_surface_t* bg = Load(Manifest_BoardBgName(pack, 1));
        cairo_set_source_surface(cr, bg, -pack * 160.0, 0);
        cairo_rectangle(cr, pack * 160, 0, 160, 600);
        cairo_fill(cr);
        cairo_surface_destroy(bg);
        for (int k = 0; k < 3; ++k)
            Gun(cr, pack * 160 + 80, 100 + k * 190, -90 + pack * 30, k * 3 + pack % 2, (pack + k) % 6);
    }
    Draw(cr, ".\\Images\\Gun\\pointer_03.png", 32, 32, 0, 80, 20, 1.5);
    cairo_destroy(cr);
    Save(s, out_dir + "/gun");
    cairo_surface_destroy(s);
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: orbivale_artsheet CONTENT_DIR OUT_DIR\n");
        return 2;
    }
    Paths_SetContentDir(argv[1]);
    for (int p = 0; p < kManifestPackCount; ++p)
        Pack_Sheet(p, argv[2]);
    for (int p = 0; p < kManifestPackCount; ++p)
        for (int b = 1; b <= Manifest_BoardCount(p); ++b) {
            cairo_surface_t* bg = Load(Manifest_BoardBgName(p, b));
            cairo_surface_write_to_png(bg, (std::string(argv[2]) + "/board_" + kManifestPacks[p].name + "_" +
                                            std::to_string(b) + ".png")
                                               .c_str());
            cairo_surface_destroy(bg);
        }
    Closeups(argv[2]);
    Gun_Sheet(argv[2]);
    return 0;
}
