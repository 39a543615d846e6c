// Birds of the main menu.
#include "gui/mm_bird.h"
#include <algorithm>
#include <cmath>
#include "engine/gfx.h"
#include "shell/app_state.h"
#include "shell/random.h"

MMBird_Images MMBird_Img;

namespace {
constexpr int kMaxBirds = 3;
constexpr int kSpawnMinMs = 1000, kSpawnMaxMs = 10000;
constexpr float kBeatPerPixel = 0.85f;
constexpr float kPi = 3.14159265358979f;
} // namespace

void MMBird::Setup() {
    int d = Rand(0, 1);
    bool large = Rand(1, 2) == 1;
    const MMBird_Images& m = MMBird_Img;
    img = large ? (d == 0 ? m.large_right : m.large_left) : (d == 0 ? m.small_right : m.small_left);
    width = img ? Gfx_ImageWidth(img) : (large ? 36 : 30);
    img_id = static_cast<float>(Rand(0, 19));
    speed = static_cast<float>(Rand(35, 50));
    y = static_cast<float>(Rand(0, 85));
    y_dest = Rand(0, 85);
    if (d == 0) {
        x = static_cast<float>(-width);
        x_dest = ScreenWidth + width;
    } else {
        x = static_cast<float>(ScreenWidth + width);
        x_dest = -width;
    }
    angle = std::atan2(y_dest - y, x_dest - x) * 180.0f / kPi;
    dist_to_move = static_cast<float>(ScreenWidth + 2 * width);
    dist_moved_on_frame = 0;
    gone = false;
}

std::unique_ptr<MMBird> MMBird::Create() {
    auto b = std::make_unique<MMBird>();
    b->Setup();
    return b;
}

void MMBird::Move() {
    dist_moved_on_frame = speed * FrameDt;
    float rad = angle * kPi / 180.0f;
    x += dist_moved_on_frame * std::cos(rad);
    y += dist_moved_on_frame * std::sin(rad);
    dist_to_move -= dist_moved_on_frame;
    if (dist_to_move < 0) gone = true;
}

void MMBird::Animate() {
    img_id += dist_moved_on_frame * kBeatPerPixel;
    while (static_cast<int>(img_id) >= MMBIRD_CELLS)
        img_id -= MMBIRD_CELLS;
}

void MMBird::Draw() const {
    Gfx_DrawImage(img, x, y, static_cast<int>(img_id));
}

void MMBird_List::Frame() {
    for (auto& b : birds) {
        b->Move();
        if (b->gone) continue;
        b->Animate();
        b->Draw();
    }
    birds.erase(std::remove_if(birds.begin(), birds.end(), [](const auto& b) { return b->gone; }),
                birds.end());
    if (static_cast<int>(birds.size()) >= kMaxBirds) {
        spawn_countdown = Rand(kSpawnMinMs, kSpawnMaxMs);
        return;
    }
    spawn_countdown -= static_cast<int>(FrameTime);
    if (spawn_countdown < 0) {
        birds.push_back(MMBird::Create());
        spawn_countdown = Rand(kSpawnMinMs, kSpawnMaxMs);
    }
}

void MMBird_List::Clear() {
    birds.clear();
}
