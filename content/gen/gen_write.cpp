// Image encoders and file helpers of the content generator.
#include "content/gen/gen_write.h"
#include <cstdio>
#include <filesystem>
#include <jpeglib.h>
#include <png.h>

namespace {
void Png_Write(png_structp png, png_bytep data, png_size_t len) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + len);
}
void Png_Flush(png_structp) {}

// Flattens straight RGBA onto black as RGB rows.
void Rgb_Of(const Gen_Canvas& c, std::vector<uint8_t>& rgb) {
    std::vector<uint8_t> rgba;
    c.To_Rgba(rgba);
    rgb.resize(static_cast<size_t>(c.w) * c.h * 3);
    for (size_t i = 0, n = static_cast<size_t>(c.w) * c.h; i < n; ++i)
        for (int k = 0; k < 3; ++k)
            rgb[i * 3 + k] = static_cast<uint8_t>(rgba[i * 4 + k] * rgba[i * 4 + 3] / 255);
}

void Put32(std::vector<uint8_t>& o, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        o[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
} // namespace

bool Gen_EncodePng(const Gen_Canvas& c, bool alpha, std::vector<uint8_t>& out) {
    std::vector<uint8_t> px;
    if (alpha)
        c.To_Rgba(px);
    else
        Rgb_Of(c, px);
    out.clear();
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_set_write_fn(png, &out, Png_Write, Png_Flush);
    png_set_IHDR(png, info, c.w, c.h, 8, alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 6);
    png_write_info(png, info);
    size_t stride = static_cast<size_t>(c.w) * (alpha ? 4 : 3);
    for (int y = 0; y < c.h; ++y)
        png_write_row(png, &px[y * stride]);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool Gen_EncodeJpg(const Gen_Canvas& c, int quality, std::vector<uint8_t>& out) {
    std::vector<uint8_t> rgb;
    Rgb_Of(c, rgb);
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &mem, &size);
    cinfo.image_width = c.w;
    cinfo.image_height = c.h;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = &rgb[static_cast<size_t>(cinfo.next_scanline) * c.w * 3];
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    out.assign(mem, mem + size);
    free(mem);
    return !out.empty();
}

void Gen_EncodeBmp(const Gen_Canvas& c, std::vector<uint8_t>& out) {
    std::vector<uint8_t> rgb;
    Rgb_Of(c, rgb);
    size_t row = (static_cast<size_t>(c.w) * 3 + 3) & ~static_cast<size_t>(3);
    size_t size = 54 + row * c.h;
    out.assign(size, 0);
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, static_cast<uint32_t>(size));
    Put32(out, 10, 54);
    Put32(out, 14, 40);
    Put32(out, 18, static_cast<uint32_t>(c.w));
    Put32(out, 22, static_cast<uint32_t>(c.h));
    out[26] = 1;  // planes
    out[28] = 24; // bits per pixel
    Put32(out, 34, static_cast<uint32_t>(row * c.h));
    for (int y = 0; y < c.h; ++y) {
        uint8_t* o = &out[54 + row * (c.h - 1 - y)];
        const uint8_t* s = &rgb[static_cast<size_t>(y) * c.w * 3];
        for (int x = 0; x < c.w; ++x) {
            o[x * 3 + 0] = s[x * 3 + 2];
            o[x * 3 + 1] = s[x * 3 + 1];
            o[x * 3 + 2] = s[x * 3 + 0];
        }
    }
}

bool Gen_WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

bool Gen_ReadFile(const std::string& path, std::vector<uint8_t>& out) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    out.clear();
    unsigned char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        out.insert(out.end(), buf, buf + n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}
