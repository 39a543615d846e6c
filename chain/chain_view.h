// A stand-alone view of the chain simulation: loads one path file from disk with a fixed
// colour table and lets waves roll along its tracks, one update and draw per frame.
// Used by the headless developer mode that writes screenshots of a path file.
#pragma once
#include <string>

// Resets the chain state and reads path_file (a disk file); false when no track was loaded.
bool ChainView_Load(const std::string& path_file);
// Updates the chain by the frame time and draws it: background, track curves, pearls.
void ChainView_Frame();
