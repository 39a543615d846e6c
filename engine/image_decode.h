// Image file decoding from bytes in memory: PNG (any colour type and depth), JPG, BMP and
// TGA into 32-bit ARGB. Corrupt, truncated or oversized data fails with one log line naming
// the file; the decoders never read past the given bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Largest accepted width or height, pixels.
constexpr int kImageMaxSide = 8192;

struct Decoded_Image {
    int w = 0, h = 0;
    std::vector<uint32_t> pixels; // w * h ARGB, row by row from the top
};

// Decodes data (format recognised by its first bytes; TGA, which has none, by the name's
// ".tga" ending or as the last try); name is used only in the log line. False on failure.
bool Image_Decode(const uint8_t* data, size_t size, const std::string& name, Decoded_Image& out);
// The log line written for a failure: "Image decode failed: " + name + " (" + why + ")".
bool Image_Fail(const std::string& name, const std::string& why);
// Small readers used by Image_Decode (bounds-checked; BMP is always opaque).
bool Image_DecodeBmp(const uint8_t* data, size_t size, const std::string& name, Decoded_Image& out);
bool Image_DecodeTga(const uint8_t* data, size_t size, const std::string& name, Decoded_Image& out);
