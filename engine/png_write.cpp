// PNG encoding of ARGB pixels (screenshots) into memory, then one atomic file write.
#include <csetjmp>
#include <cstdio>
#include <png.h>
#include "engine/gfx.h"
#include "shell/log.h"
#include "shell/paths.h"

namespace {
constexpr char kPngWriteFailed[] = "PNG write failed: ";

struct Png_Out {
    std::vector<uint8_t>* bytes; // caller-owned
    std::vector<uint8_t>* row;   // caller-owned, one RGBA row
};

void Write_Fn(png_structp png, png_bytep data, png_size_t n) {
    auto* out = static_cast<Png_Out*>(png_get_io_ptr(png));
    out->bytes->insert(out->bytes->end(), data, data + n);
}
void Flush_Fn(png_structp) {}
void Error_Fn(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void Warn_Fn(png_structp, png_const_charp) {}

bool Encode(Png_Out* out, const uint32_t* argb, int w, int h) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, Error_Fn, Warn_Fn);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, out, Write_Fn, Flush_Fn);
    png_set_IHDR(png, info, png_uint_32(w), png_uint_32(h), 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < h; ++y) {
        uint8_t* r = out->row->data();
        for (int x = 0; x < w; ++x) {
            uint32_t p = argb[size_t(y) * w + x];
            r[x * 4] = uint8_t(p >> 16);
            r[x * 4 + 1] = uint8_t(p >> 8);
            r[x * 4 + 2] = uint8_t(p);
            r[x * 4 + 3] = uint8_t(p >> 24);
        }
        png_write_row(png, r);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}
} // namespace

bool Gfx_EncodePng(const uint32_t* argb, int w, int h, std::vector<uint8_t>& out) {
    out.clear();
    if (!argb || w <= 0 || h <= 0) return false;
    std::vector<uint8_t> row(size_t(w) * 4);
    Png_Out sink{&out, &row};
    return Encode(&sink, argb, w, h);
}

bool Gfx_WritePng(const std::string& file, const uint32_t* argb, int w, int h) {
    std::vector<uint8_t> bytes;
    if (!Gfx_EncodePng(argb, w, h, bytes)) {
        Log_Line(kPngWriteFailed + file);
        return false;
    }
    return Paths_WriteAtomic(file, bytes.data(), bytes.size());
}
