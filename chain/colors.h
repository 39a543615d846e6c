// The level's colour table (at most six colours) and the colour choices for new pearls:
// the generator picks from the table, the gun from the colours still on the board.
#pragma once

constexpr int COLORS_MAX = 6;

struct Color {
    int val = 0;           // colour number 0..5
    int probability = 100; // stored, not used by the choice
};

struct Colors_State {
    Color table[COLORS_MAX];
    int count = 0;
};
extern Colors_State Colors;

void Colors_Clear();                      // empties the table (level start)
void Color_Add(int val, int probability); // appends while fewer than six are present
int Color_Get_New();                      // random entry's colour; 0 when the table is empty
int Color_Get_From_Path();                // random colour among the ordinary ones on the tracks
