// Sounds the chain simulation asks for, played through the sound manager; they keep the
// simulation's call sites in one place.
#pragma once

void ChainSound_WaveStart(bool fast); // a wave starts: fast roll when point 0's speed is above 100
void ChainSound_StringsConnect();     // two parts of a chain joined without a match
