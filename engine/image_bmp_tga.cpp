// Small BMP and TGA readers. Every field is checked against the data size before it is used.
#include <cstring>
#include "engine/image_decode.h"

namespace {
uint32_t U16(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8;
}
uint32_t U32(const uint8_t* p) {
    return U16(p) | U16(p + 2) << 16;
}
int32_t S32(const uint8_t* p) {
    return static_cast<int32_t>(U32(p));
}

// Extracts the channel selected by mask, scaled to 0..255.
uint32_t Mask_Channel(uint32_t v, uint32_t mask) {
    if (!mask) return 0;
    int shift = 0;
    while (!((mask >> shift) & 1))
        ++shift;
    uint32_t bits = mask >> shift, x = (v & mask) >> shift;
    return bits ? (x * 255 + bits / 2) / bits : 0;
}

bool Bmp_Masks(const uint8_t* d, size_t size, uint32_t hdr, uint32_t comp, int bpp, uint32_t m[3]) {
    if (bpp == 16)
        m[0] = 0x7C00, m[1] = 0x03E0, m[2] = 0x001F;
    else
        m[0] = 0xFF0000, m[1] = 0xFF00, m[2] = 0xFF;
    if (comp != 3) return true;
    if (size < 14 + 40 + 12 || hdr < 40) return false;
    for (int i = 0; i < 3; ++i)
        m[i] = U32(d + 54 + 4 * i);
    return true;
}
} // namespace

bool Image_DecodeBmp(const uint8_t* d, size_t size, const std::string& name, Decoded_Image& out) {
    if (size < 26) return Image_Fail(name, "truncated BMP header");
    uint32_t offset = U32(d + 10), hdr = U32(d + 14);
    bool core = hdr == 12;
    if (!core && (hdr < 40 || size < 54)) return Image_Fail(name, "bad BMP header");
    int64_t w = core ? int64_t(U16(d + 18)) : S32(d + 18);
    int64_t h = core ? int64_t(U16(d + 20)) : S32(d + 22);
    int bpp = int(core ? U16(d + 24) : U16(d + 28));
    uint32_t comp = core ? 0 : U32(d + 30);
    bool top_down = h < 0;
    if (top_down) h = -h;
    if (w <= 0 || h <= 0 || w > kImageMaxSide || h > kImageMaxSide)
        return Image_Fail(name, "BMP size out of range");
    if (!(comp == 0 || (comp == 3 && (bpp == 16 || bpp == 32))))
        return Image_Fail(name, "unsupported BMP compression");
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        return Image_Fail(name, "unsupported BMP depth");
    uint32_t masks[3];
    if (!Bmp_Masks(d, size, hdr, comp, bpp, masks)) return Image_Fail(name, "truncated BMP masks");
    uint32_t palette[256] = {};
    if (bpp <= 8) {
        size_t entry = core ? 3 : 4, pal_at = 14 + size_t(hdr);
        uint32_t used = core ? 0 : U32(d + 46);
        size_t n = (used == 0 || used > (1u << bpp)) ? (1u << bpp) : used;
        for (size_t i = 0; i < n && pal_at + (i + 1) * entry <= size; ++i) {
            const uint8_t* p = d + pal_at + i * entry;
            palette[i] = uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
        }
    }
    size_t stride = ((size_t(w) * bpp + 31) / 32) * 4;
    if (offset > size || (size - offset) / stride < size_t(h))
        return Image_Fail(name, "truncated BMP pixels");
    out.w = int(w);
    out.h = int(h);
    out.pixels.assign(size_t(w) * h, 0);
    for (int64_t y = 0; y < h; ++y) {
        const uint8_t* row = d + offset + stride * size_t(top_down ? y : h - 1 - y);
        uint32_t* dst = &out.pixels[size_t(y) * w];
        for (int64_t x = 0; x < w; ++x) {
            uint32_t c;
            if (bpp <= 8) {
                size_t bit = size_t(x) * bpp;
                uint32_t idx = (row[bit / 8] >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
                c = palette[idx];
            } else if (bpp == 24) {
                const uint8_t* p = row + x * 3;
                c = uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
            } else {
                uint32_t v = bpp == 16 ? U16(row + x * 2) : U32(row + x * 4);
                c = Mask_Channel(v, masks[0]) << 16 | Mask_Channel(v, masks[1]) << 8 |
                    Mask_Channel(v, masks[2]);
            }
            dst[x] = 0xFF000000 | c;
        }
    }
    return true;
}

namespace {
struct Tga_Reader {
    const uint8_t* d;
    size_t size, pos;
    int depth; // bits per stored pixel or palette entry
    // Reads one value of 8, 15, 16, 24 or 32 bits; false for any other width or past the end.
    bool Take(uint32_t& out, int bits) {
        size_t n = bits == 8 ? 1 : bits == 15 || bits == 16 ? 2 : bits == 24 ? 3 : bits == 32 ? 4 : 0;
        if (n == 0 || pos > size || size - pos < n) return false;
        const uint8_t* p = d + pos;
        pos += n;
        if (bits == 8)
            out = p[0];
        else if (bits == 15 || bits == 16)
            out = U16(p);
        else if (bits == 24)
            out = 0xFF000000 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
        else
            out = U32(p);
        return true;
    }
};

uint32_t Tga_Colour(uint32_t v, int bits, bool grey) {
    if (bits == 8) return grey ? 0xFF000000 | v << 16 | v << 8 | v : v;
    if (bits == 15 || bits == 16) {
        auto c5 = [](uint32_t x) { return (x << 3) | (x >> 2); };
        return 0xFF000000 | c5((v >> 10) & 31) << 16 | c5((v >> 5) & 31) << 8 | c5(v & 31);
    }
    return v;
}
} // namespace

bool Image_DecodeTga(const uint8_t* d, size_t size, const std::string& name, Decoded_Image& out) {
    if (size < 18) return Image_Fail(name, "truncated TGA header");
    int id_len = d[0], cmap_type = d[1], type = d[2];
    uint32_t cmap_first = U16(d + 3), cmap_len = U16(d + 5);
    int cmap_depth = d[7], w = int(U16(d + 12)), h = int(U16(d + 14)), depth = d[16], desc = d[17];
    int base = type & ~8;
    bool rle = (type & 8) != 0, mapped = base == 1, grey = base == 3;
    if ((base != 1 && base != 2 && base != 3) || cmap_type > 1 || (mapped && cmap_type != 1))
        return Image_Fail(name, "unsupported or unknown image format");
    bool depth_ok = mapped || grey ? depth == 8 : (depth == 15 || depth == 16 || depth == 24 || depth == 32);
    // A palette is read even when the pixels don't use it, so its depth must be one we read.
    if (!depth_ok || (cmap_type == 1 && cmap_depth != 15 && cmap_depth != 16 && cmap_depth != 24 && cmap_depth != 32))
        return Image_Fail(name, "unsupported TGA depth");
    if (w <= 0 || h <= 0 || w > kImageMaxSide || h > kImageMaxSide)
        return Image_Fail(name, "TGA size out of range");
    Tga_Reader rd{d, size, 18 + size_t(id_len), depth};
    if (rd.pos > size) return Image_Fail(name, "truncated TGA header");
    std::vector<uint32_t> cmap;
    if (cmap_type == 1) {
        cmap.resize(cmap_len);
        for (uint32_t i = 0; i < cmap_len; ++i) {
            if (!rd.Take(cmap[i], cmap_depth)) return Image_Fail(name, "truncated TGA palette");
            cmap[i] = Tga_Colour(cmap[i], cmap_depth, false);
        }
    }
    auto colour = [&](uint32_t v) {
        if (!mapped) return Tga_Colour(v, depth, grey);
        return v >= cmap_first && v - cmap_first < cmap.size() ? cmap[v - cmap_first] : 0xFF000000u;
    };
    size_t total = size_t(w) * h;
    std::vector<uint32_t> px(total);
    for (size_t i = 0; i < total;) {
        size_t run = 1;
        bool repeat = false;
        if (rle) {
            if (rd.pos >= size) return Image_Fail(name, "truncated TGA pixels");
            uint8_t head = d[rd.pos++];
            run = size_t(head & 127) + 1;
            repeat = (head & 128) != 0;
            if (run > total - i) run = total - i;
        }
        uint32_t v = 0;
        for (size_t k = 0; k < run; ++k) {
            if ((k == 0 || !repeat) && !rd.Take(v, depth)) return Image_Fail(name, "truncated TGA pixels");
            px[i++] = colour(v);
        }
    }
    bool top = (desc & 0x20) != 0, right_to_left = (desc & 0x10) != 0;
    out.w = w;
    out.h = h;
    out.pixels.resize(total);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int sy = top ? y : h - 1 - y, sx = right_to_left ? w - 1 - x : x;
            out.pixels[size_t(y) * w + x] = px[size_t(sy) * w + sx];
        }
    return true;
}
