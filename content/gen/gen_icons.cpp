// The desktop icon of the game: the gun on its brass turntable aiming at an arc of pearls on
// a dark board disc, drawn from the same art as the game. Written as PNGs at the hicolor
// sizes and as one scalable SVG (every part of it is vector art).
#include "content/gen/gen_icons.h"
#include <cairo-svg.h>
#include <cmath>
#include <cstdio>
#include "content/gen/gen_groups.h"
#include "content/gen/gen_write.h"

namespace {
constexpr double kUnits = 256;                      // the icon is drawn in 256 x 256 units
constexpr double kGunAngle = -40;                   // degrees, 0 along +x, 90 along +y: up and to the right
constexpr double kArcRadius = 96;                   // units from the centre to the pearls of the arc
constexpr double kPearlRadius = 21;                 // units
constexpr int kArcColors[] = {0, 0, 1, 3, 3, 3, 5}; // a run of three oranges ready to vanish

void Board_Disc(cairo_t* cr) {
    cairo_pattern_t* p = cairo_pattern_create_radial(110, 100, 10, 128, 128, 124);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.16, 0.26, 0.42);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.04, 0.07, 0.15);
    cairo_arc(cr, 128, 128, 124, 0, 2 * M_PI);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    Gen_Ring(cr, 128, 128, 121, 5, {0.85, 0.68, 0.3}, 1);
    // The groove the pearls roll in.
    cairo_set_line_width(cr, 2 * kPearlRadius + 6);
    Gen_SetColor(cr, {0, 0, 0}, 0.35);
    cairo_arc(cr, 128, 128, kArcRadius, 0.2 * M_PI, 1.45 * M_PI);
    cairo_stroke(cr);
}

void Pearl_Arc(cairo_t* cr) {
    const int n = sizeof kArcColors / sizeof kArcColors[0];
    const double step = 2 * std::asin(kPearlRadius / kArcRadius); // touching pearls
    for (int i = 0; i < n; ++i) {
        double a = 0.32 * M_PI + i * step;
        Gen_Pearl(cr, 128 + kArcRadius * std::cos(a), 128 + kArcRadius * std::sin(a), kPearlRadius,
                  kArcColors[i], 0.15 * i);
    }
}

void Gun(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 128, 128);
    // The gun's art points down (+y); the game turns it by the angle - 90 degrees.
    cairo_rotate(cr, (kGunAngle - 90) * M_PI / 180);
    cairo_scale(cr, 1.05, 1.05);
    cairo_translate(cr, -78.5, -78.5);
    Gen_GunPicture(cr);
    cairo_restore(cr);
    // The loaded pearl in the groove of the stock, and a shot on its way.
    double rad = kGunAngle * M_PI / 180;
    Gen_Pearl(cr, 128 + 10 * std::cos(rad), 128 + 10 * std::sin(rad), 13, 3, 0.3);
    Gen_Pearl(cr, 128 + 82 * std::cos(rad), 128 + 82 * std::sin(rad), 15, 3, 0.6);
}

void Draw_Icon(cairo_t* cr, double size) {
    cairo_save(cr);
    cairo_scale(cr, size / kUnits, size / kUnits);
    Board_Disc(cr);
    Pearl_Arc(cr);
    Gun(cr);
    cairo_restore(cr);
}

bool Write_Png(int size, const std::string& file) {
    Gen_Canvas c(size, size);
    Draw_Icon(c.cr, size);
    std::vector<uint8_t> bytes;
    return Gen_EncodePng(c, true, bytes) && Gen_WriteFile(file, bytes);
}

bool Write_Svg(const std::string& file) {
    cairo_surface_t* s = cairo_svg_surface_create(file.c_str(), kUnits, kUnits);
    cairo_t* cr = cairo_create(s);
    Draw_Icon(cr, kUnits);
    cairo_destroy(cr);
    cairo_surface_finish(s);
    bool ok = cairo_surface_status(s) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    return ok;
}
} // namespace

bool Gen_WriteIcons(const std::string& dir) {
    // Parent folders first: Gen_WriteFile makes them for the PNGs, cairo does not for the SVG.
    bool ok = true;
    for (int size : kIconSizes) {
        std::string sz = std::to_string(size);
        ok = ok && Write_Png(size, dir + "/" + sz + "x" + sz + "/apps/orbivale.png");
    }
    ok = ok && Gen_WriteFile(dir + "/scalable/apps/orbivale.svg", {}) &&
         Write_Svg(dir + "/scalable/apps/orbivale.svg");
    if (!ok) std::fprintf(stderr, "contentgen: can't write the icons into %s\n", dir.c_str());
    return ok;
}
