// Painted words: the game's fonts loaded once through FreeType and used as Cairo faces.
#include "content/gen/gen_text.h"
#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <mutex>
#include <vector>
#include "content/gen/gen_files.h"

namespace {
struct Faces {
    FT_Library lib = nullptr;
    cairo_font_face_t* face[2] = {nullptr, nullptr};
};

// The faces live for the whole run of the generator; Cairo locks a face while it renders it,
// so both drawing threads may share them.
const Faces& Loaded() {
    static Faces f;
    static std::once_flag once;
    std::call_once(once, [] {
        if (FT_Init_FreeType(&f.lib) != 0) return;
        const char* names[2] = {".\\fonts\\vinque.ttf", ".\\fonts\\UnZialish.ttf"};
        for (int i = 0; i < 2; ++i) {
            FT_Face ft = nullptr;
            if (FT_New_Face(f.lib, Gen_FontSource(names[i]).c_str(), 0, &ft) != 0) continue;
            f.face[i] = cairo_ft_font_face_create_for_ft_face(ft, 0);
        }
    });
    return f;
}

void Paint_Path(cairo_t* cr, const Gen_TextLook& look, double size) {
    if (look.shadow > 0) {
        cairo_save(cr);
        cairo_translate(cr, size / 16, size / 16);
        Gen_SetColor(cr, {0, 0, 0}, look.shadow);
        cairo_fill_preserve(cr);
        cairo_restore(cr);
    }
    if (look.outline > 0) {
        cairo_set_line_width(cr, look.outline);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        Gen_SetColor(cr, look.outline_c);
        cairo_stroke_preserve(cr);
    }
    Gen_SetColor(cr, look.fill);
    cairo_fill(cr);
}

double Size_Of(cairo_t* cr) {
    cairo_matrix_t m;
    cairo_get_font_matrix(cr, &m);
    return m.yy;
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> out;
    std::string w;
    for (char c : text) {
        if (c == ' ' || c == '\n' || c == '\r') {
            if (!w.empty()) out.push_back(w);
            if (c == '\n') out.push_back("\n");
            w.clear();
        } else {
            w += c;
        }
    }
    if (!w.empty()) out.push_back(w);
    return out;
}
} // namespace

bool Gen_UseFont(cairo_t* cr, Gen_Family family, double size) {
    cairo_font_face_t* f = Loaded().face[family == GEN_UNCIAL ? 1 : 0];
    if (f) cairo_set_font_face(cr, f);
    cairo_set_font_size(cr, size);
    return f != nullptr;
}

double Gen_TextWidth(cairo_t* cr, const std::string& text) {
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    return ext.x_advance;
}

void Gen_TextAt(cairo_t* cr, const std::string& text, double x, double y, const Gen_TextLook& look) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, text.c_str());
    Paint_Path(cr, look, Size_Of(cr));
}

void Gen_TextCentred(cairo_t* cr, const std::string& text, double cx, double cy, const Gen_TextLook& look) {
    cairo_text_extents_t ext;
    cairo_text_extents(cr, "H", &ext);
    Gen_TextAt(cr, text, cx - Gen_TextWidth(cr, text) / 2, cy - ext.y_bearing / 2, look);
}

double Gen_TextWrap(cairo_t* cr, const std::string& text, double x, double top, double width, double line,
                    bool centred, const Gen_TextLook& look) {
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    std::vector<std::string> lines(1);
    for (const std::string& w : Words(text)) {
        if (w == "\n") {
            lines.emplace_back();
            continue;
        }
        std::string next = lines.back().empty() ? w : lines.back() + " " + w;
        if (!lines.back().empty() && Gen_TextWidth(cr, next) > width)
            lines.push_back(w);
        else
            lines.back() = next;
    }
    double y = top + fe.ascent;
    for (const std::string& l : lines) {
        double lx = centred ? x + (width - Gen_TextWidth(cr, l)) / 2 : x;
        Gen_TextAt(cr, l, lx, y, look);
        y += line;
    }
    return lines.size() * line;
}
