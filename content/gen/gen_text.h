// Words painted into pictures with the game's two fonts (the TrueType files the build embeds),
// through Cairo's FreeType faces, so painted texts match the texts the game draws itself.
#pragma once
#include <string>
#include "content/gen/gen_canvas.h"

// Font families, as the game's font table numbers them.
enum Gen_Family { GEN_SERIF = 0, GEN_UNCIAL = 1 };

// How a painted text looks: its fill, an optional dark shadow below it and an optional light
// or dark outline.
struct Gen_TextLook {
    Gen_Rgb fill = {1, 1, 1};
    double shadow = 0;  // alpha of the drop shadow, offset by size/16 down and right
    double outline = 0; // stroke width of the outline; 0 for none
    Gen_Rgb outline_c = {0, 0, 0};
};

// Selects the family at `size` pixels on cr; false when the font file can't be read (the
// text is then drawn in Cairo's own default font, still legible).
bool Gen_UseFont(cairo_t* cr, Gen_Family family, double size);
// Width of one line in the selected font.
double Gen_TextWidth(cairo_t* cr, const std::string& text);
// One line whose centre is at (cx, cy) (centred on the font's cap height).
void Gen_TextCentred(cairo_t* cr, const std::string& text, double cx, double cy, const Gen_TextLook& look);
// One line whose left end of the baseline is at (x, y).
void Gen_TextAt(cairo_t* cr, const std::string& text, double x, double y, const Gen_TextLook& look);
// Word-wrapped text, lines left-aligned from (x, top) within `width`, `line` pixels apart;
// `centred` centres each line in the width instead. Returns the height used.
double Gen_TextWrap(cairo_t* cr, const std::string& text, double x, double top, double width, double line,
                    bool centred, const Gen_TextLook& look);
