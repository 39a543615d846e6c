// The content manifest: every content name the game loads, with its kind and, for images,
// the frame layout its loader asks for. The generator writes one file per entry; the content
// audit checks that each entry is embedded and decodes to that layout.
#pragma once
#include <string>
#include <vector>

enum Manifest_Kind { KIND_IMAGE, KIND_SOUND, KIND_FONT, KIND_TEXT };
enum Manifest_Format { FMT_PNG, FMT_JPG, FMT_BMP, FMT_OGG, FMT_WAV, FMT_TTF, FMT_TXT };

struct Manifest_Entry {
    std::string name; // exact content name (separators and letter case kept)
    Manifest_Kind kind;
    Manifest_Format format; // from the name's extension
    std::string group;      // generator group that makes it ("pieces", "boards", "sounds"...)
    int frame_w = 0;        // images: one frame's width in pixels
    int frame_h = 0;        // images: one frame's height in pixels
    int frames = 0;         // images: frames the loader asks for (1 = single image)
    int columns = 0;        // images: cells per row of the sheet (frames fill rows left to right)
    bool alpha = false;     // images: needs a transparent background (PNG)

    int Rows() const { return columns ? (frames + columns - 1) / columns : 0; }
    int SheetWidth() const { return frame_w * columns; }
    int SheetHeight() const { return frame_h * Rows(); }
};

// One pack of levels: folder name and number of levels.
struct Manifest_Pack {
    const char* name;
    int levels;
};
constexpr int kManifestPackCount = 5;
// Neutral 26, Water 31, Ice 31, Fire 30, Precious 30, in pack order.
extern const Manifest_Pack kManifestPacks[kManifestPackCount];

// Boards of a pack are numbered from 1 to Manifest_BoardCount(pack).
int Manifest_BoardCount(int pack);
// Number of decoration images of a board (numbered from 1); 0 for an unknown board.
int Manifest_BoardElemCount(int pack, int board);

// Every entry, built once, in a fixed order; no name appears twice.
const std::vector<Manifest_Entry>& Manifest_All();
// The entry with exactly this name, or null.
const Manifest_Entry* Manifest_Find(const std::string& name);

// Content names built the way the loaders build them.
std::string Manifest_LevelName(int pack, int number); // number within the pack, from 1
std::string Manifest_PathName(int pack, int number);
std::string Manifest_BoardBgName(int pack, int board);
std::string Manifest_BoardElemName(int pack, int board, int elem);
