// TGA images: decoded as the resource loader decodes a ".tga" file; a decoded picture is
// checked for the size it claims.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include "engine/image_decode.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Fuzz_Init();
    Decoded_Image img;
    if (Image_Decode(data, size, "fuzz.tga", img) &&
        (img.w <= 0 || img.h <= 0 || img.pixels.size() != static_cast<size_t>(img.w) * img.h))
        abort();
    return 0;
}
