// Texture pages of the drawing service: where the texture copy of every image frame lives.
// The frames of an animation strip stay together on one page; small images share atlas pages
// of their kind (sampling, mip-maps), so a frame of play draws from a handful of textures;
// large images and font pages have pages of their own.
#pragma once
#include <memory>
#include <vector>
#include "engine/gfx.h"

// Side of a shared page, the largest block of frames it takes, the largest page of its own.
constexpr int kPageSide = 2048, kPageMaxBlock = 1024, kPageMaxSide = 8192;
// Repeated edge around each frame: enough for bilinear sampling, and for the mip levels up to
// kPageMipLevels on pages that carry mip-maps (their frames sit on 8-texel boundaries).
constexpr int kPageGutter = 1, kPageMipGutter = 4, kPageMipLevels = 3;

// Places every frame of a freshly made image (strip together, shared page when small).
void Page_PlaceImage(TImage& image);
// Places one frame on a page of its own (font pages; frames drawn before being placed).
void Page_PlaceAlone(Gfx_Frame& frame);
// Takes a frame off its page; a page left empty is released with its texture.
void Page_Remove(Gfx_Frame& frame);
// The frame's pixels changed: its texture copy is refreshed before it is drawn again.
void Page_FrameChanged(Gfx_Frame& frame);
// Every live page, oldest first.
const std::vector<std::unique_ptr<Gfx_Page>>& Page_All();
