// The flame orb: a special pearl (colour 17) that grows out of a track's hole, rolls back
// toward the start and burns up to seven chain pearls on its way; a pusher stops it.
#pragma once

struct Path;
struct Piece;

constexpr int FLAME_ORB_BURNS = 7;               // pearls an orb burns before it goes out
constexpr float FLAME_ORB_SPEED = 600;           // speed it approaches, units/s
constexpr float FLAME_ORB_ACCEL = 900;           // units/s^2
constexpr float FLAME_ORB_SCALE = 0.55f;         // full drawing scale
constexpr float FLAME_ORB_BURN_SHRINK = 0.0275f; // scale lost per burnt pearl

// A new orb at the hole end of path, growing out of the hole; null without a usable track or
// when the pearl pool is full.
Piece* FlameOrb_Launch(Path* path);
// One frame of an orb: trail, growth out of the hole or the roll back, then the burning.
void FlameOrb_Update(Piece* orb);
