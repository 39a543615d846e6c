// The precision beam: a line of dots from the gun's mouth along the barrel to the first pearl
// it meets or the screen's edge, drawn after the pearls while the precision timer runs.
#pragma once

constexpr int BEAM_START = 55;   // units from the gun centre where the dots begin
constexpr int BEAM_DOT_STEP = 4; // units between two dots

// Start-up: the dot image.
void Precision_LoadImages();
// End of the beam from the gun centre along the barrel: the first point within one pearl
// radius of a chain pearl, or the first point off the screen. Screen units.
void Precision_BeamEnd(float& x, float& y);
void Precision_DrawBeam();
