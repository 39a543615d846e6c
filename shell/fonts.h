// The twenty image fonts of the game and the text services the screens use: centred text,
// word-wrapped text (also used only to measure), fitting a text into a box by choosing a
// smaller font, and formatting a time. Positions are screen units; sizes are pixels.
#pragma once
#include <string>

struct TImageFont;

struct Font {
    TImageFont* img = nullptr; // the image font; null until loaded (selects the built-in font)
    int size = 0;              // pixel size it is made at
    int type_name = 0;         // family: 0 ".\fonts\vinque.ttf", 1 ".\fonts\UnZialish.ttf"
};

constexpr int kFontCount = 20;
extern Font Fonts[kFontCount]; // indexed as the screens refer to fonts

extern int WrapMaxWidth; // widest line of the last Text_Wrap, pixels
extern int WrapHeight;   // total height of the last Text_Wrap, pixels

// Drops every entry's image font (not freed) and selects entry 0; sizes and families are fixed.
void Fonts_Reset();
// Loads all twenty entries, in the order 0..5, 16, 6, 19, 7, 17, 8, 18, 9, 10..15. A reload
// replaces each slot's image font; the old one stays alive for holders of its pointer.
void Fonts_LoadAll();
// Selects entry `index` as the current font (an index outside 0..19 selects entry 0).
void Font_Select(int index);
// The index last selected with Font_Select.
int Font_Current();

// Draws text in the current font centred on (x, y).
void Text_DrawCentred(const std::string& text, float x, float y);
// Word-wraps text to lines narrower than width in the current font, top line at y; "\r"
// plus the next character breaks a line. measure_only 1 draws nothing; centred 1 centres
// every line on x + width / 2. Sets WrapMaxWidth and returns WrapHeight. A word too wide
// for a line of its own is broken where it reaches the width.
int Text_Wrap(const std::string& text, float x, float y, int width, int measure_only, int centred);
// From entry `index` down through the smaller sizes of its family, the first font whose
// wrapped text is at most height high; that font stays selected. Logs "no font is small
// enough" and keeps the smallest tried when none fits.
int Font_Fit(const std::string& text, int index, int width, int height);
// "MM:SS", or "H:MM:SS" from one hour on; negative seconds count as 0.
std::string Time_Format(int seconds);
