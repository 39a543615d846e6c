// orbivale_fxsheet CONTENT_DIR OUT_DIR: pictures of the generated effect images, each drawn
// the way the game blends it (added as light or blended over) on black and on a mid-grey
// board: "fx_<name>.png" per animated strip (every frame) or large image, "fx_singles.png" for
// the rest.
#include <cairo.h>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>
#include "content/manifest.h"
#include "shell/paths.h"

namespace {
// Images the game blends over the board; every other effect image is added as light.
bool Blended_Over(const std::string& name) {
    static const char* const kOver[] = {"fragment2",     "alarm_spark", "chain_part", "FX_Hammer_start",
                                        "FX_Pause",      "FX_Rain1",    "FX_FOG.",    "FX_Dark_Spark",
                                        "newlife_heart", "dark_part"};
    for (const char* k : kOver)
        if (name.find(k) != std::string::npos) return true;
    return false;
}

std::string Stem(const std::string& name) {
    size_t a = name.find_last_of("\\/") + 1, b = name.rfind('.');
    return name.substr(a, b - a);
}

// Draws frame f of entry e from sheet s with its top-left at (x, y), scaled by k.
void Frame(cairo_t* cr, cairo_surface_t* s, const Manifest_Entry& e, int f, double x, double y, double k) {
    int cols = std::max(1, e.columns);
    cairo_save(cr);
    cairo_rectangle(cr, x, y, e.frame_w * k, e.frame_h * k);
    cairo_clip(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, k, k);
    cairo_set_source_surface(cr, s, -(f % cols) * e.frame_w, -(f / cols) * e.frame_h);
    cairo_set_operator(cr, Blended_Over(e.name) ? CAIRO_OPERATOR_OVER : CAIRO_OPERATOR_ADD);
    cairo_paint(cr);
    cairo_restore(cr);
}

void Background(cairo_t* cr, double x, double y, double w, double h, double grey) {
    cairo_set_source_rgb(cr, grey, grey, grey);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

void Strip_Sheet(const Manifest_Entry& e, const std::string& out) {
    cairo_surface_t* s = cairo_image_surface_create_from_png(Paths_ContentFile(e.name).c_str());
    double k = std::max(1.0, std::ceil(96.0 / std::min(e.frame_w, e.frame_h)));
    int per_row = std::max(1, std::min(e.frames, static_cast<int>(1400 / (e.frame_w * k + 4))));
    int rows = (e.frames + per_row - 1) / per_row;
    double cw = e.frame_w * k + 4, ch = e.frame_h * k + 4, bw = per_row * cw, bh = rows * ch;
    cairo_surface_t* img =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(bw), static_cast<int>(2 * bh));
    cairo_t* cr = cairo_create(img);
    for (int band = 0; band < 2; ++band) {
        Background(cr, 0, band * bh, bw, bh, band ? 0.45 : 0);
        for (int f = 0; f < e.frames; ++f)
            Frame(cr, s, e, f, (f % per_row) * cw + 2, band * bh + (f / per_row) * ch + 2, k);
    }
    cairo_surface_write_to_png(img, (out + "/fx_" + Stem(e.name) + ".png").c_str());
    cairo_destroy(cr);
    cairo_surface_destroy(img);
    cairo_surface_destroy(s);
}

void Singles_Sheet(const std::vector<const Manifest_Entry*>& list, const std::string& out) {
    const double cell = 140;
    int per_row = 8, rows = (static_cast<int>(list.size()) + per_row - 1) / per_row;
    cairo_surface_t* img = cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(per_row * cell),
                                                      static_cast<int>(2 * rows * cell));
    cairo_t* cr = cairo_create(img);
    for (int band = 0; band < 2; ++band) {
        Background(cr, 0, band * rows * cell, per_row * cell, rows * cell, band ? 0.45 : 0);
        for (size_t i = 0; i < list.size(); ++i) {
            const Manifest_Entry& e = *list[i];
            cairo_surface_t* s = cairo_image_surface_create_from_png(Paths_ContentFile(e.name).c_str());
            double k = std::min(4.0, (cell - 8) / std::max(e.frame_w, e.frame_h));
            if (k >= 1) k = std::floor(k);
            double x = (i % per_row) * cell + (cell - e.frame_w * k) / 2;
            double y = band * rows * cell + (i / per_row) * cell + (cell - e.frame_h * k) / 2;
            Frame(cr, s, e, 0, x, y, k);
            cairo_surface_destroy(s);
        }
    }
    cairo_surface_write_to_png(img, (out + "/fx_singles.png").c_str());
    cairo_destroy(cr);
    cairo_surface_destroy(img);
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: orbivale_fxsheet CONTENT_DIR OUT_DIR\n");
        return 2;
    }
    Paths_SetContentDir(argv[1]);
    std::vector<const Manifest_Entry*> singles;
    for (const Manifest_Entry& e : Manifest_All()) {
        if (e.group != "fx" || e.kind != KIND_IMAGE) continue;
        if (e.frames > 1 || e.frame_w >= 128)
            Strip_Sheet(e, argv[2]);
        else
            singles.push_back(&e);
    }
    Singles_Sheet(singles, argv[2]);
    return 0;
}
