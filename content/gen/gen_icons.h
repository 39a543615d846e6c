// The desktop icon: PNGs at the hicolor theme's sizes and a scalable SVG, laid out as the
// theme folder expects (<dir>/48x48/apps/orbivale.png, <dir>/scalable/apps/orbivale.svg).
#pragma once
#include <string>

// Pixel sizes of the PNG icons.
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

// Writes every icon below dir; false (with a message on standard error) on any failure.
bool Gen_WriteIcons(const std::string& dir);
