// One bird passing over the main menu: it enters at one side at a random height, flies in a
// straight line to the other side at 35..50 pixels per second, beats its wings by the
// distance flown and is removed once it has crossed.
#pragma once
#include <memory>
#include <vector>

struct TImage;

// The four strips (21 cells each) a bird picks from.
struct MMBird_Images {
    TImage* small_left = nullptr;  // 30 x 30, flies to the left
    TImage* small_right = nullptr; // 30 x 30, flies to the right
    TImage* large_left = nullptr;  // 36 x 36
    TImage* large_right = nullptr;
};
extern MMBird_Images MMBird_Img;

constexpr int MMBIRD_CELLS = 21;

struct MMBird {
    float x = 0, y = 0;            // top-left, screen units
    int x_dest = 0, y_dest = 0;    // destination
    float img_id = 0;              // animation cell, 0 <= img_id < 21
    TImage* img = nullptr;         // the strip
    float speed = 0;               // pixels per second
    float angle = 0;               // heading, degrees (0 along +x, 90 along +y)
    float dist_to_move = 0;        // distance still to fly
    float dist_moved_on_frame = 0; // distance flown in the current frame
    int width = 0;                 // cell width of the strip
    bool gone = false;             // flown its distance; removed by the list

    // Random side, size, heights and speed.
    void Setup();
    static std::unique_ptr<MMBird> Create();
    // Flies by speed x frame seconds; marks itself gone when the distance is flown.
    void Move();
    // Wing beats follow the distance flown.
    void Animate();
    void Draw() const;
};

// The birds in flight, in creation order, with the spawn countdown (ms).
struct MMBird_List {
    std::vector<std::unique_ptr<MMBird>> birds;
    int spawn_countdown = 0;
    // Every bird moves, animates and draws; the gone ones are dropped; a new bird comes
    // when the countdown runs out while fewer than three fly.
    void Frame();
    void Clear();
};
