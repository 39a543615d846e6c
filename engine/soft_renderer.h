// The software renderer: an 800 x 600 ARGB back buffer that rasterises the drawing service's
// triangles exactly (top-left fill rule, five blend modes, nearest or bilinear sampling), so
// tests, screenshots and headless runs give the same pixels on every machine.
#pragma once
#include <memory>
#include "engine/renderer.h"

// A new software renderer; its buffer starts opaque black.
std::unique_ptr<Renderer> Soft_CreateRenderer();
