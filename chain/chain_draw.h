// Drawing of the chain simulation: pearl, emblem and board element images, and the developer
// overlays of the tracks (curves) and of the chains (links, ids, states). Loading the images
// also installs the draw functions of the draw list.
#pragma once

struct TImage;

void Pieces_Load_Images();      // pearl images and modifier emblems; installs the draw functions
TImage* Piece_Image(int color); // image of a pearl colour, null when none
void Paths_Draw();              // chain overlay of every track (only while Dev_ChainOverlay is on)
void Paths_Draw_Curves();       // developer overlay of every segment: end squares and the curve
