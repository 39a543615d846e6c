// Reader of path files: the tracks of a board (control points, waves, board elements) as a
// token stream driven by a small state machine. The reader takes bytes, so tests feed text
// from memory; Path_File_Parse opens a content path and hands its bytes over.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Level settings the reader applies: mirroring, and the board the element images belong to.
struct Path_File_Context {
    int mirror = 0;          // bits: 2 mirror left-right, 1 mirror top-bottom
    int board_id = 0;        // BOARD= of the level
    std::string pack_folder; // "Neutral", "Water", ...
};

// One token of the text: [start, start + len); len 0 when there is none left.
struct Path_Token {
    size_t start = 0;
    size_t len = 0;
};

// Next token at or after pos. A token counts only if a separator ends it and at least one
// more character follows that separator; the text ends at its size or at a NUL.
Path_Token Token_Next(const char* text, size_t size, size_t pos);
// Parses a whole path file into the track pool; returns the number of tracks it added.
int Path_File_Parse_Text(const uint8_t* data, size_t size, const std::string& name,
                         const Path_File_Context& ctx);
// Opens path (a content path or a disk file) and parses it; false when it cannot be opened.
bool Path_File_Parse(const std::string& path, const Path_File_Context& ctx);
