// Game images rendered by their own art groups for the hint pictures.
#include <string>
#include "content/gen/gen_groups.h"
#include "content/gen/gen_tutorial_art.h"

Tut_Sprite::Tut_Sprite(const char* name, bool first_frame_only) {
    e = Manifest_Find(name);
    Gen_DrawFn draw = e ? Gen_DrawFnOf(e->group) : nullptr;
    if (!draw) return;
    // A pearl strip turns the same way whatever its length, so its first frame alone is drawn.
    Manifest_Entry one = *e;
    if (first_frame_only) one.frames = one.columns = 1;
    frames = one.frames;
    canvas = new Gen_Canvas(one.SheetWidth(), one.SheetHeight());
    draw(one, *canvas);
    canvas->Whole();
    cairo_surface_flush(canvas->surface);
}

Tut_Sprite::~Tut_Sprite() {
    delete canvas;
}

namespace {
// Puts the transform for frame f of the sheet centred at (cx, cy); returns false without a sheet.
bool Place(const Tut_Sprite& s, cairo_t* cr, int f, double cx, double cy, double scale, double turn,
           double& fx, double& fy) {
    if (!s.canvas || s.frames <= 0) return false;
    f = f < 0 ? 0 : f >= s.frames ? s.frames - 1 : f;
    int cols = s.e->columns > 0 && s.frames > 1 ? s.e->columns : 1;
    fx = (f % cols) * s.e->frame_w;
    fy = (f / cols) * s.e->frame_h;
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, turn);
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, -s.e->frame_w / 2.0, -s.e->frame_h / 2.0);
    cairo_rectangle(cr, 0, 0, s.e->frame_w, s.e->frame_h);
    cairo_clip(cr);
    return true;
}
} // namespace

void Tut_Sprite::Draw(cairo_t* cr, int f, double cx, double cy, double scale, double turn, double alpha,
                      bool add) const {
    cairo_save(cr);
    double fx, fy;
    if (Place(*this, cr, f, cx, cy, scale, turn, fx, fy)) {
        if (add) cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
        cairo_set_source_surface(cr, canvas->surface, -fx, -fy);
        cairo_paint_with_alpha(cr, alpha);
    }
    cairo_restore(cr);
}

void Tut_Sprite::Tint(cairo_t* cr, int f, double cx, double cy, double scale, Gen_Rgb c, double alpha,
                      double turn) const {
    cairo_save(cr);
    double fx, fy;
    if (Place(*this, cr, f, cx, cy, scale, turn, fx, fy)) {
        cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
        cairo_push_group(cr);
        cairo_set_source_surface(cr, canvas->surface, -fx, -fy);
        cairo_paint(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_MULTIPLY);
        cairo_set_source_rgb(cr, c.r, c.g, c.b);
        cairo_paint(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_DEST_IN);
        cairo_set_source_surface(cr, canvas->surface, -fx, -fy);
        cairo_paint(cr);
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, alpha);
    }
    cairo_restore(cr);
}
