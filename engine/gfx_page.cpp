// Shelf packing of image frames onto texture pages. Pages only hold places: the pixels stay
// with the frames, and a GPU back end copies them (with the repeated edges) when it makes
// the texture. Space freed on a shared page is not reused; the page goes when it is empty.
#include "engine/gfx_page.h"
#include <algorithm>
#include <cmath>
#include "engine/gfx_state.h"

namespace {
constexpr int kWhiteBlock = 8; // opaque white corner of every shared page, for flat colour

// Never destroyed: images held by static objects (dialog buttons) are freed during static
// destruction, after a plain static vector of pages would already be gone.
std::vector<std::unique_ptr<Gfx_Page>>& Pages() {
    static auto* pages = new std::vector<std::unique_ptr<Gfx_Page>>();
    return *pages;
}

Gfx_Page* New_Page(int w, int h, bool filtered, bool mipmapped, bool shared, int gutter) {
    auto page = std::make_unique<Gfx_Page>();
    page->w = w;
    page->h = h;
    page->filtered = filtered;
    page->mipmapped = page->mips_needed = page->mip_allowed = mipmapped;
    page->shared = shared;
    page->gutter = gutter;
    if (shared) {
        page->white_x = page->white_y = kWhiteBlock / 2;
        page->shelf_x = page->shelf_h = kWhiteBlock;
    }
    Pages().push_back(std::move(page));
    return Pages().back().get();
}

// The newest shared page of a kind with room for a block of bw x bh, made when there is none.
Gfx_Page* Shared_Page(bool filtered, bool mipmapped, int bw, int bh, int& x, int& y) {
    Gfx_Page* page = nullptr;
    for (auto it = Pages().rbegin(); it != Pages().rend() && !page; ++it)
        if ((*it)->shared && (*it)->filtered == filtered && (*it)->mipmapped == mipmapped) page = it->get();
    for (int tries = 0; tries < 2; ++tries) {
        if (page) {
            if (page->shelf_x + bw > page->w) {
                page->shelf_x = 0;
                page->shelf_y += page->shelf_h;
                page->shelf_h = 0;
            }
            if (page->shelf_y + bh <= page->h) {
                x = page->shelf_x;
                y = page->shelf_y;
                page->shelf_x += bw;
                page->shelf_h = std::max(page->shelf_h, bh);
                return page;
            }
        }
        page = New_Page(kPageSide, kPageSide, filtered, mipmapped, true,
                        mipmapped ? kPageMipGutter : kPageGutter);
    }
    return nullptr;
}

int Round_Up(int v, int step) {
    return (v + step - 1) / step * step;
}
} // namespace

void Page_PlaceImage(TImage& image) {
    if (image.frames.empty()) return;
    int n = int(image.frames.size()), fw = image.width, fh = image.height;
    bool filtered = (image.flags & 1) != 0,
         mip = filtered && (image.flags & 2) && (image.flags & GFX_SHRINKS);
    int g = mip ? kPageMipGutter : kPageGutter, align = mip ? 1 << kPageMipLevels : 1;
    int cw = Round_Up(fw + 2 * g, align), ch = Round_Up(fh + 2 * g, align);
    // Frames in a grid about as wide as tall.
    int cols = std::clamp(int(std::lround(std::sqrt(double(n) * ch / cw))), 1, n);
    int rows = (n + cols - 1) / cols;
    Gfx_Page* page = nullptr;
    int x0 = 0, y0 = 0;
    if (int64_t(cols) * cw <= kPageMaxBlock && int64_t(rows) * ch <= kPageMaxBlock) {
        page = Shared_Page(filtered, mip, cols * cw, rows * ch, x0, y0);
    } else if (n == 1) {
        g = 0; // alone on its page: the texture's own edge clamping does the rest
        page = New_Page(fw, fh, filtered, mip, false, 0);
        cw = fw, ch = fh;
    } else {
        cols = std::clamp(kPageMaxSide / std::max(cw, 1), 1, n);
        rows = (n + cols - 1) / cols;
        page = New_Page(cols * cw, rows * ch, filtered, mip, false, g);
    }
    if (!page) return;
    for (int i = 0; i < n; ++i) {
        Gfx_Frame& f = image.frames[size_t(i)];
        f.page = page;
        f.page_x = x0 + (i % cols) * cw + g;
        f.page_y = y0 + (i / cols) * ch + g;
        page->frames.push_back(&f);
    }
    page->mip_allowed = page->mip_allowed || (image.flags & 2);
}

void Page_PlaceAlone(Gfx_Frame& frame) {
    if (frame.page) return;
    Gfx_Page* page = New_Page(frame.w, frame.h, frame.filtered, false, false, 0);
    frame.page = page;
    frame.page_x = frame.page_y = 0;
    page->frames.push_back(&frame);
}

void Page_Remove(Gfx_Frame& frame) {
    Gfx_Page* page = frame.page;
    frame.page = nullptr;
    if (!page) return;
    auto& fr = page->frames;
    fr.erase(std::remove(fr.begin(), fr.end(), &frame), fr.end());
    if (!fr.empty()) return;
    if (Renderer* r = Gfx_ScreenRenderer()) r->Free_Page(*page);
    auto& all = Pages();
    all.erase(std::remove_if(all.begin(), all.end(), [page](const auto& p) { return p.get() == page; }),
              all.end());
}

void Page_FrameChanged(Gfx_Frame& frame) {
    frame.dirty = true;
    if (frame.page) frame.page->dirty = true;
}

const std::vector<std::unique_ptr<Gfx_Page>>& Page_All() {
    return Pages();
}
