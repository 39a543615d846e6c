// The font table and the text services over the drawing service's image fonts.
#include "shell/fonts.h"
#include <cstdio>
#include "engine/gfx.h"
#include "shell/log.h"
#include "shell/resource.h"

Font Fonts[kFontCount] = {{nullptr, 12, 0}, {nullptr, 14, 0}, {nullptr, 16, 0}, {nullptr, 18, 0},
                          {nullptr, 20, 0}, {nullptr, 22, 0}, {nullptr, 24, 0}, {nullptr, 28, 0},
                          {nullptr, 32, 0}, {nullptr, 40, 0}, {nullptr, 14, 1}, {nullptr, 16, 1},
                          {nullptr, 18, 1}, {nullptr, 20, 1}, {nullptr, 22, 1}, {nullptr, 24, 1},
                          {nullptr, 23, 0}, {nullptr, 30, 0}, {nullptr, 36, 0}, {nullptr, 26, 0}};
int WrapMaxWidth = 0;
int WrapHeight = 0;

namespace {
const char* const kFamilyFile[2] = {".\\fonts\\vinque.ttf", ".\\fonts\\UnZialish.ttf"};
const int kLoadOrder[kFontCount] = {0, 1, 2, 3, 4, 5, 16, 6, 19, 7, 17, 8, 18, 9, 10, 11, 12, 13, 14, 15};

int g_current = 0;

struct WrapState {
    float x, y;
    int width;
    int measure_only, centred;
    float top;
    std::string line;
};

void Emit(WrapState& w) {
    if (w.measure_only != 1) {
        if (w.centred == 1)
            Text_DrawCentred(w.line, w.x + w.width / 2, w.top + Gfx_TextHeight() / 2);
        else
            Gfx_DrawText(w.line, w.x, w.top);
    }
    int lw = Gfx_TextWidth(w.line);
    if (lw > WrapMaxWidth) WrapMaxWidth = lw;
    w.top += Gfx_TextHeight();
    w.line.clear();
}

// The entry of the same family with the largest size below entry `index`'s, or -1.
int Next_Smaller(int index) {
    int best = -1;
    for (int j = 0; j < kFontCount; ++j) {
        if (Fonts[j].type_name != Fonts[index].type_name || Fonts[j].size >= Fonts[index].size) continue;
        if (best < 0 || Fonts[j].size > Fonts[best].size) best = j;
    }
    return best;
}
} // namespace

void Fonts_Reset() {
    for (Font& f : Fonts)
        f.img = nullptr;
    g_current = 0;
}

void Fonts_LoadAll() {
    for (int i : kLoadOrder) {
        Fonts[i].img = Gfx_LoadFont(Asset_Path(kFamilyFile[Fonts[i].type_name]), Fonts[i].size, 5);
    }
}

void Font_Select(int index) {
    if (index < 0 || index >= kFontCount) index = 0;
    g_current = index;
    Gfx_SetFont(Fonts[index].img);
}

int Font_Current() {
    return g_current;
}

void Text_DrawCentred(const std::string& text, float x, float y) {
    Gfx_DrawText(text, static_cast<int>(x) - Gfx_TextWidth(text) * 0.5f,
                 static_cast<int>(y) - Gfx_TextHeight() * 0.5f);
}

int Text_Wrap(const std::string& text, float x, float y, int width, int measure_only, int centred) {
    WrapMaxWidth = 0;
    WrapState w{x, y, width, measure_only, centred, y, ""};
    int word_start = -1;
    int len = static_cast<int>(text.size());
    int i = 0;
    while (i < len) {
        char c = text[i];
        if (word_start == -1 && c != ' ') word_start = i;
        if (word_start != -1 && c == ' ') word_start = -1;
        if (c == '\r') {
            Emit(w);
            i += 2;
            continue;
        }
        w.line.push_back(c);
        if (Gfx_TextWidth(w.line) >= width) {
            int keep = word_start == -1 ? static_cast<int>(w.line.size())
                                        : static_cast<int>(w.line.size()) + word_start - i - 1;
            if (word_start != -1 && keep > 0) {
                // Take the word back and start the next line with it.
                w.line.resize(keep);
                i = word_start - 1;
            } else if (word_start != -1 && w.line.size() > 1) {
                // The word alone is too wide: break it before the character that overflowed,
                // which starts the next line (as the start of the word's remainder).
                w.line.pop_back();
                Emit(w);
                word_start = i;
                continue;
            }
            Emit(w);
        }
        i += 1;
    }
    if (i > 1) Emit(w);
    WrapHeight = static_cast<int>(w.top - y);
    return WrapHeight;
}

int Font_Fit(const std::string& text, int index, int width, int height) {
    if (index < 0 || index >= kFontCount) index = 0;
    while (true) {
        Font_Select(index);
        Text_Wrap(text, 0, 0, width, 1, 0);
        if (WrapHeight <= height) return index;
        int smaller = Next_Smaller(index);
        if (smaller < 0) {
            Log_Line("no font is small enough");
            return index;
        }
        index = smaller;
    }
}

std::string Time_Format(int seconds) {
    int s = seconds < 0 ? 0 : seconds;
    char buf[32];
    std::string out;
    if (s / 3600 >= 1) {
        out = std::to_string(s / 3600) + ":";
        s %= 3600;
    }
    std::snprintf(buf, sizeof buf, "%02d:%02d", s / 60, s % 60);
    return out + buf;
}
