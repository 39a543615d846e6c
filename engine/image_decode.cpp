// PNG through libpng and JPG through libjpeg, both with their errors turned into a jump back
// to the decoder (setjmp / longjmp) so a broken file fails cleanly. The setjmp functions keep
// no C++ objects of their own: every buffer belongs to the caller.
#include "engine/image_decode.h"
#include <cctype>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <png.h>
#include <jpeglib.h>
#include <jerror.h>
#include "shell/log.h"

namespace {
constexpr char kDecodeFailed[] = "Image decode failed: ";

bool Size_Ok(uint64_t w, uint64_t h) {
    return w > 0 && h > 0 && w <= kImageMaxSide && h <= kImageMaxSide;
}

// ---- PNG ----

struct Png_Job {
    const uint8_t* data;
    size_t size, pos;
    char msg[160];
    std::vector<uint8_t>* rgba; // caller-owned
    std::vector<png_bytep>* rows;
    int w, h;
};

void Png_ReadFn(png_structp png, png_bytep out, png_size_t n) {
    auto* job = static_cast<Png_Job*>(png_get_io_ptr(png));
    if (job->size - job->pos < n) png_error(png, "truncated data");
    std::memcpy(out, job->data + job->pos, n);
    job->pos += n;
}

void Png_ErrorFn(png_structp png, png_const_charp msg) {
    auto* job = static_cast<Png_Job*>(png_get_error_ptr(png));
    std::snprintf(job->msg, sizeof job->msg, "%s", msg ? msg : "error");
    png_longjmp(png, 1);
}

void Png_WarnFn(png_structp, png_const_charp) {}

bool Png_Run(Png_Job* job) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, job, Png_ErrorFn, Png_WarnFn);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, job, Png_ReadFn);
    png_set_user_limits(png, kImageMaxSide, kImageMaxSide);
    png_read_info(png, info);
    png_uint_32 w = png_get_image_width(png, info), h = png_get_image_height(png, info);
    if (!Size_Ok(w, h)) png_error(png, "image size out of range");
    png_set_expand(png);
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != size_t(w) * 4) png_error(png, "unexpected row layout");
    job->rgba->resize(size_t(w) * h * 4);
    job->rows->resize(h);
    for (png_uint_32 y = 0; y < h; ++y)
        (*job->rows)[y] = job->rgba->data() + size_t(y) * w * 4;
    png_read_image(png, job->rows->data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    job->w = int(w);
    job->h = int(h);
    return true;
}

bool Decode_Png(const uint8_t* data, size_t size, const std::string& name, Decoded_Image& out) {
    std::vector<uint8_t> rgba;
    std::vector<png_bytep> rows;
    Png_Job job{data, size, 0, "out of memory", &rgba, &rows, 0, 0};
    if (!Png_Run(&job)) return Image_Fail(name, job.msg);
    out.w = job.w;
    out.h = job.h;
    out.pixels.resize(size_t(job.w) * job.h);
    for (size_t i = 0; i < out.pixels.size(); ++i) {
        const uint8_t* p = &rgba[i * 4];
        out.pixels[i] = uint32_t(p[3]) << 24 | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    }
    return true;
}

// ---- JPG ----

struct Jpeg_Job {
    jpeg_error_mgr mgr;
    jmp_buf jump;
    char msg[JMSG_LENGTH_MAX];
    std::vector<uint8_t>* pixels; // caller-owned, 3 or 4 bytes per pixel
    int w, h, channels;
};

void Jpeg_ExitFn(j_common_ptr c) {
    auto* job = reinterpret_cast<Jpeg_Job*>(c->err);
    (*c->err->format_message)(c, job->msg);
    std::longjmp(job->jump, 1);
}

// Corrupt-data warnings (level -1) mean a damaged file: fail instead of showing a picture with
// grey or garbled blocks. Stray bytes between markers are harmless and let through.
void Jpeg_MessageFn(j_common_ptr c, int level) {
    if (level < 0 && c->err->msg_code != JWRN_EXTRANEOUS_DATA) Jpeg_ExitFn(c);
}

bool Jpeg_Run(const uint8_t* data, size_t size, Jpeg_Job* job) {
    jpeg_decompress_struct cinfo;
    cinfo.err = jpeg_std_error(&job->mgr);
    job->mgr.error_exit = Jpeg_ExitFn;
    job->mgr.emit_message = Jpeg_MessageFn;
    if (setjmp(job->jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    if (!Size_Ok(cinfo.image_width, cinfo.image_height)) {
        std::snprintf(job->msg, sizeof job->msg, "image size out of range");
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&cinfo);
    job->w = int(cinfo.output_width);
    job->h = int(cinfo.output_height);
    job->channels = cinfo.output_components;
    size_t stride = size_t(job->w) * job->channels;
    job->pixels->resize(stride * job->h);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = job->pixels->data() + stride * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return job->channels == 3 || job->channels == 4;
}

bool Decode_Jpeg(const uint8_t* data, size_t size, const std::string& name, Decoded_Image& out) {
    std::vector<uint8_t> px;
    Jpeg_Job job{};
    std::snprintf(job.msg, sizeof job.msg, "unsupported layout");
    job.pixels = &px;
    if (!Jpeg_Run(data, size, &job)) return Image_Fail(name, job.msg);
    int w = job.w, h = job.h, ch = job.channels;
    out.w = w;
    out.h = h;
    out.pixels.resize(size_t(w) * h);
    for (size_t i = 0; i < out.pixels.size(); ++i) {
        const uint8_t* p = &px[i * ch];
        uint32_t r = p[0], g = p[1], b = p[2];
        if (ch == 4) { // Adobe CMYK is stored inverted: r = c' x k' / 255
            r = (p[0] * p[3] + 127) / 255;
            g = (p[1] * p[3] + 127) / 255;
            b = (p[2] * p[3] + 127) / 255;
        }
        out.pixels[i] = 0xFF000000 | r << 16 | g << 8 | b;
    }
    return true;
}

bool Ends_With_Tga(const std::string& name) {
    if (name.size() < 4) return false;
    std::string ext = name.substr(name.size() - 4);
    for (char& c : ext)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".tga";
}
} // namespace

bool Image_Fail(const std::string& name, const std::string& why) {
    Log_Line(kDecodeFailed + name + " (" + why + ")");
    return false;
}

bool Image_Decode(const uint8_t* data, size_t size, const std::string& name, Decoded_Image& out) {
    out = Decoded_Image();
    if (!data || size == 0) return Image_Fail(name, "no data");
    static const uint8_t kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size >= 8 && std::memcmp(data, kPng, 8) == 0) return Decode_Png(data, size, name, out);
    if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF)
        return Decode_Jpeg(data, size, name, out);
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') return Image_DecodeBmp(data, size, name, out);
    if (Ends_With_Tga(name) || size >= 18) return Image_DecodeTga(data, size, name, out);
    return Image_Fail(name, "unknown format");
}
