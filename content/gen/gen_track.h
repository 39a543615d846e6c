// Tracks of a board as the content generator sees them: the first level that uses the board, its path file's
// control points and board elements, and each track's centre line sampled from the same cubic Bezier segments
// the game samples.
#pragma once
#include <string>
#include <vector>

// One sampled point of a track's centre line, in screen units.
struct Gen_TrackSample {
    double x, y;
    int z; // draw layer of the control point the segment leads to
};

// A board element placed by a path file: top-left corner, draw layer, image number.
struct Gen_TrackElem {
    int x, y, z, img;
};

struct Gen_BoardTracks {
    std::vector<std::vector<Gen_TrackSample>> lines; // one centre line per track, start first
    std::vector<Gen_TrackElem> elems;                // every element of every track, file order
};

// Reads the tracks of a path file text. Samples are about one unit apart.
void Gen_ParseTracks(const std::string& path_text, Gen_BoardTracks& out);
// The tracks of board `board` of pack `pack` from the level files already in the content
// folder: those of the first level naming the board, as written (a mirrored level flips both
// its board and its track, so the unmirrored coordinates fit the image). False when no level
// names the board.
bool Gen_LoadBoardTracks(int pack, int board, Gen_BoardTracks& out);
