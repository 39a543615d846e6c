// File output of the content generator: PNG, JPG and BMP encoders for a canvas, and
// whole-file read and write.
#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "content/gen/gen_canvas.h"

// 8-bit RGBA PNG (alpha true) or RGB PNG; false when libpng fails.
bool Gen_EncodePng(const Gen_Canvas& c, bool alpha, std::vector<uint8_t>& out);
// Baseline JPG at quality 0..100; the canvas is flattened onto black.
bool Gen_EncodeJpg(const Gen_Canvas& c, int quality, std::vector<uint8_t>& out);
// 24-bit uncompressed BMP, bottom-up rows.
void Gen_EncodeBmp(const Gen_Canvas& c, std::vector<uint8_t>& out);

// Writes the bytes, creating the parent folders; false on any error.
bool Gen_WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
// Reads a whole file; false when it can't be read.
bool Gen_ReadFile(const std::string& path, std::vector<uint8_t>& out);
