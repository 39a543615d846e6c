// Screen state 2 until the level-choose map exists: it leads straight on. Entered from the
// main menu it begins a match at level 1; entered after a completed level it starts the
// level that one reveals first (the main menu after the last level).
#pragma once

void Map_StandIn_Register();
