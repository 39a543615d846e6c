// Art of the boards: one opaque background per board, themed by pack, with the board's
// tracks carved into it (a groove along the sampled centre line, a mouth where pearls enter
// and a hole at the end), and the element images (bridges) that cover a track where it
// passes under. Nothing on a board may read as text: mirrored levels flip the image.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include "content/gen/gen_board_theme.h"
#include "content/gen/gen_groups.h"
#include "content/gen/gen_raster.h"
#include "content/gen/gen_track.h"

namespace {
int Pack_Of(const std::string& name) {
    for (int p = 0; p < kManifestPackCount; ++p)
        if (Gen_Has(name, (std::string("\\Boards\\") + kManifestPacks[p].name + "\\").c_str())) return p;
    return 0;
}

int Number_After(const std::string& name, const char* key) {
    size_t at = name.rfind(key);
    return at == std::string::npos ? 0 : std::atoi(name.c_str() + at + std::strlen(key));
}

// The centre line as a Cairo path, every third sample.
void Line_Path(cairo_t* cr, const std::vector<Gen_TrackSample>& line) {
    cairo_new_path(cr);
    for (size_t i = 0; i < line.size(); i += 3)
        cairo_line_to(cr, line[i].x, line[i].y);
    cairo_line_to(cr, line.back().x, line.back().y);
}

void Stroke_Line(cairo_t* cr, const std::vector<Gen_TrackSample>& line, double w, Gen_Rgb c, double a,
                 double dx = 0, double dy = 0) {
    cairo_save(cr);
    cairo_translate(cr, dx, dy);
    Line_Path(cr, line);
    cairo_restore(cr);
    cairo_set_line_width(cr, w);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Gen_SetColor(cr, c, a);
    cairo_stroke(cr);
}

// The groove of one track: shadow, rim with a lit edge, channel and its floor.
void Groove(cairo_t* cr, const std::vector<Gen_TrackSample>& line, const Gen_BoardTheme& t) {
    Stroke_Line(cr, line, 54, {0, 0, 0}, 0.35, 3, 4);
    Stroke_Line(cr, line, 48, Gen_Mix(t.rim, {0, 0, 0}, 0.55), 1);
    Stroke_Line(cr, line, 44, t.rim, 1);
    Stroke_Line(cr, line, 40, Gen_Mix(t.rim, {1, 1, 1}, 0.35), 0.6, -1, -1.5);
    Stroke_Line(cr, line, 38, t.rim, 1, 0.5, 0.5);
    Stroke_Line(cr, line, 33, Gen_Mix(t.groove, {0, 0, 0}, 0.4), 1);
    Stroke_Line(cr, line, 30, t.groove, 1, 0.8, 1.2);
    // A thin glow along both walls of the floor (light, water glint, lava).
    Stroke_Line(cr, line, 26, t.glow, t.glow_alpha, 0.5, 0.8);
    Stroke_Line(cr, line, 22, t.floor, 1, 0.5, 0.8);
}

// A round opening ringed with the rim colour; `depth` darkens its inside (a hole is deeper
// than a mouth).
void Opening(cairo_t* cr, double x, double y, double r, const Gen_BoardTheme& t, double depth) {
    Gen_Glow(cr, x + 3, y + 4, r + 14, {0, 0, 0}, 0.6);
    Gen_Ring(cr, x, y, r + 3, 10, Gen_Mix(t.rim, {0, 0, 0}, 0.5), 1);
    Gen_Ring(cr, x, y, r + 3, 7, t.rim, 1);
    Gen_Ring(cr, x - 0.8, y - 1, r + 3.5, 2, Gen_Mix(t.rim, {1, 1, 1}, 0.45), 0.8);
    cairo_pattern_t* p = cairo_pattern_create_radial(x + r * 0.15, y + r * 0.2, 0, x, y, r);
    cairo_pattern_add_color_stop_rgb(p, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgb(p, 0.55 + 0.35 * (1 - depth), 0.02, 0.02, 0.03);
    Gen_Rgb edge = Gen_Mix(t.groove, {0, 0, 0}, 0.3 + 0.4 * depth);
    cairo_pattern_add_color_stop_rgb(p, 1, edge.r, edge.g, edge.b);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    Gen_Ring(cr, x, y, r + 9, 1.5, t.glow, t.glow_alpha * 0.8);
}

// Start of the visible track: the first sample at least 10 units inside the screen.
size_t First_Visible(const std::vector<Gen_TrackSample>& line) {
    for (size_t i = 0; i < line.size(); ++i)
        if (line[i].x > 10 && line[i].x < 790 && line[i].y > 10 && line[i].y < 590) return i;
    return 0;
}

void Draw_Tracks(cairo_t* cr, const Gen_BoardTracks& tracks, const Gen_BoardTheme& t) {
    for (const auto& line : tracks.lines)
        if (!line.empty()) Groove(cr, line, t);
    for (const auto& line : tracks.lines) {
        if (line.empty()) continue;
        const Gen_TrackSample& m = line[First_Visible(line)];
        Opening(cr, m.x, m.y, 21, t, 0.4);
        Opening(cr, line.back().x, line.back().y, 23, t, 1);
    }
}

void Draw_Background(const Manifest_Entry& e, Gen_Canvas& c) {
    int pack = Pack_Of(e.name), board = Number_After(e.name, "board_");
    const Gen_BoardTheme& t = Gen_ThemeOf(pack);
    Gen_Rng rng(e.name);
    Gen_PaintGround(c, pack, board, rng);
    Gen_BoardTracks tracks;
    if (Gen_LoadBoardTracks(pack, board, tracks)) Draw_Tracks(c.cr, tracks, t);
    // A soft vignette keeps the eye on the board's middle.
    cairo_pattern_t* v = cairo_pattern_create_radial(400, 300, 260, 400, 300, 560);
    cairo_pattern_add_color_stop_rgba(v, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(v, 1, 0, 0, 0, 0.35);
    cairo_rectangle(c.cr, 0, 0, 800, 600);
    cairo_set_source(c.cr, v);
    cairo_fill(c.cr);
    cairo_pattern_destroy(v);
}

// The track point nearest to (x, y) over all tracks, with the track's heading there.
bool Nearest(const Gen_BoardTracks& tracks, double x, double y, double& px, double& py, double& angle) {
    double best = 1e18;
    for (const auto& line : tracks.lines)
        for (size_t i = 0; i + 1 < line.size(); i += 2) {
            double d = std::hypot(line[i].x - x, line[i].y - y);
            if (d >= best) continue;
            best = d;
            px = line[i].x;
            py = line[i].y;
            size_t j = std::min(line.size() - 1, i + 8), k = i >= 8 ? i - 8 : 0;
            angle = std::atan2(line[j].y - line[k].y, line[j].x - line[k].x);
        }
    return best < 1e17;
}

void Draw_Element(const Manifest_Entry& e, Gen_Canvas& c) {
    int pack = Pack_Of(e.name), board = Number_After(e.name, "board_"), img = Number_After(e.name, "_elem_");
    const Gen_BoardTheme& t = Gen_ThemeOf(pack);
    Gen_Rng rng(e.name);
    Gen_BoardTracks tracks;
    double cx = e.frame_w / 2.0, cy = e.frame_h / 2.0, angle = 0;
    if (Gen_LoadBoardTracks(pack, board, tracks))
        for (const Gen_TrackElem& el : tracks.elems) {
            if (el.img != img) continue;
            double px = 0, py = 0;
            if (Nearest(tracks, el.x + cx, el.y + cy, px, py, angle)) cx = px - el.x, cy = py - el.y;
            break;
        }
    Gen_DrawBridge(c, cx, cy, angle, pack, t, rng);
}
} // namespace

void Gen_DrawBoards(const Manifest_Entry& e, Gen_Canvas& c) {
    if (e.format == FMT_JPG)
        Draw_Background(e, c);
    else
        Draw_Element(e, c);
}
