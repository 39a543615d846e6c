// Images: loading through the stream layer, cutting animation strips, handles, pixel access
// and in-place mirroring. Frames keep their pixels so textures can be rebuilt at any time.
#include <algorithm>
#include "engine/gfx_font.h"
#include "engine/gfx_page.h"
#include "engine/gfx_state.h"
#include "engine/image_decode.h"
#include "shell/log.h"
#include "shell/resource.h"

namespace {
constexpr char kImageMissing[] = "Image not found: ";
constexpr char kBadCells[] = "Image cells out of range: ";
constexpr uint64_t kMaxPixels = 64ull << 20; // all frames of one image together

Gfx_Frame Make_Frame(int w, int h, int flags) {
    Gfx_Frame f;
    f.w = w;
    f.h = h;
    f.filtered = (flags & 1) != 0;
    f.mipmapped = (flags & 2) != 0;
    return f;
}

// Flag 4: the mask colour (black) becomes transparent.
void Apply_Mask(std::vector<uint32_t>& px, int flags) {
    if (!(flags & 4)) return;
    for (uint32_t& p : px)
        if ((p & 0xFFFFFF) == 0) p = 0;
}

bool Load_Pixels(const std::string& path, Decoded_Image& img) {
    Resource_Stream s;
    if (!Stream_Open(path, s)) {
        Log_Line(kImageMissing + path);
        return false;
    }
    return Image_Decode(s.data, s.size, path, img);
}
} // namespace

TImage* Gfx_LoadImage(const std::string& path, int flags) {
    Decoded_Image img;
    if (!Load_Pixels(path, img)) return nullptr;
    auto* image = new TImage();
    image->width = img.w;
    image->height = img.h;
    image->flags = flags;
    image->frames.push_back(Make_Frame(img.w, img.h, flags));
    image->frames[0].pixels = std::move(img.pixels);
    Apply_Mask(image->frames[0].pixels, flags);
    Page_PlaceImage(*image);
    return image;
}

TImage* Gfx_LoadAnimImage(const std::string& path, int cell_w, int cell_h, int first, int count, int flags) {
    Decoded_Image img;
    if (!Load_Pixels(path, img)) return nullptr;
    int cols = cell_w > 0 ? img.w / cell_w : 0, rows = cell_h > 0 ? img.h / cell_h : 0;
    if (cols <= 0 || rows <= 0 || first < 0 || count <= 0 || int64_t(first) + count > int64_t(cols) * rows) {
        Log_Line(kBadCells + path);
        return nullptr;
    }
    auto* image = new TImage();
    image->width = cell_w;
    image->height = cell_h;
    image->flags = flags;
    image->frames.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        int cell = first + i, cx = (cell % cols) * cell_w, cy = (cell / cols) * cell_h;
        Gfx_Frame f = Make_Frame(cell_w, cell_h, flags);
        f.pixels.resize(size_t(cell_w) * cell_h);
        for (int y = 0; y < cell_h; ++y) {
            const uint32_t* src = &img.pixels[size_t(cy + y) * img.w + cx];
            std::copy(src, src + cell_w, &f.pixels[size_t(y) * cell_w]);
        }
        Apply_Mask(f.pixels, flags);
        image->frames.push_back(std::move(f));
    }
    Page_PlaceImage(*image);
    return image;
}

TImage* Gfx_CreateImage(int w, int h, int frames, int flags) {
    if (w <= 0 || h <= 0 || frames <= 0 || w > kImageMaxSide || h > kImageMaxSide ||
        uint64_t(w) * h * frames > kMaxPixels)
        return nullptr;
    auto* image = new TImage();
    image->width = w;
    image->height = h;
    image->flags = flags;
    for (int i = 0; i < frames; ++i) {
        image->frames.push_back(Make_Frame(w, h, flags));
        image->frames.back().pixels.assign(size_t(w) * h, 0);
    }
    Page_PlaceImage(*image);
    return image;
}

void Gfx_FreeImage(TImage* image) {
    if (!image) return;
    for (Gfx_Frame& f : image->frames)
        Page_Remove(f);
    delete image;
}

void Gfx_PrepareTextures() {
    Renderer* r = Gfx_ScreenRenderer();
    if (!r || !r->Makes_Textures()) return;
    Font_MakeCommonGlyphs();
    r->Prepare_Textures();
}

void Gfx_MidHandle(TImage* image) {
    if (!image) return;
    image->handle_x = static_cast<float>(image->width) * 0.5f;
    image->handle_y = static_cast<float>(image->height) * 0.5f;
}

void Gfx_SetHandle(TImage* image, float x, float y) {
    if (!image) return;
    image->handle_x = x;
    image->handle_y = y;
}

int Gfx_ImageWidth(const TImage* image) {
    return image ? image->width : 0;
}
int Gfx_ImageHeight(const TImage* image) {
    return image ? image->height : 0;
}

uint32_t Pixmap::Pixmap_ReadPixel(int x, int y) const {
    if (!frame || x < 0 || y < 0 || x >= frame->w || y >= frame->h) return 0;
    return frame->pixels[size_t(y) * frame->w + x];
}

void Pixmap::Pixmap_WritePixel(int x, int y, uint32_t argb) {
    if (!frame || x < 0 || y < 0 || x >= frame->w || y >= frame->h) return;
    frame->pixels[size_t(y) * frame->w + x] = argb;
}

Pixmap Gfx_LockImage(TImage* image, int frame, bool, bool) {
    Pixmap pm;
    if (!image || frame < 0 || frame >= static_cast<int>(image->frames.size())) return pm;
    image->locked_frame = frame;
    pm.frame = &image->frames[size_t(frame)];
    return pm;
}

void Gfx_UnlockImage(TImage* image) {
    if (!image || image->locked_frame < 0 || image->locked_frame >= static_cast<int>(image->frames.size()))
        return;
    Page_FrameChanged(image->frames[size_t(image->locked_frame)]);
    image->locked_frame = -1;
}

void Gfx_FlipImageX(TImage* image) {
    Pixmap pm = Gfx_LockImage(image, 0, true, true);
    if (!pm.frame) return;
    int w = pm.frame->w;
    for (int y = 0; y < pm.frame->h; ++y) {
        uint32_t* row = &pm.frame->pixels[size_t(y) * w];
        for (int j = 0; j < w / 2; ++j)
            std::swap(row[j], row[w - j - 1]);
    }
    Gfx_UnlockImage(image);
}

void Gfx_FlipImageY(TImage* image) {
    Pixmap pm = Gfx_LockImage(image, 0, true, true);
    if (!pm.frame) return;
    int w = pm.frame->w, h = pm.frame->h;
    for (int j = 0; j < h / 2; ++j)
        std::swap_ranges(&pm.frame->pixels[size_t(j) * w], &pm.frame->pixels[size_t(j) * w] + w,
                         &pm.frame->pixels[size_t(h - j - 1) * w]);
    Gfx_UnlockImage(image);
}
