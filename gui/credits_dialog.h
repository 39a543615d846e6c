// The credits window: the studio picture, the people who made the game and the version line;
// "back" returns to the options window.
#pragma once

extern const char* const CreditsText; // the credits, word-wrapped into the window

void CreditsDialog_Load();
void CreditsDialog_Open();
// "Orbivale Version " and the build's version.
const char* CreditsDialog_VersionLine();
