// The hole at the last point of every track: a pearl that arrives sinks (shrinks and fades)
// while the chain behind pushes on; when it vanishes with the chain still behind it, or a
// third pearl arrives, the level is lost. Relaxed play turns each loss into a point penalty.
#pragma once

struct Piece;

constexpr int HOLE_PENALTY = 5;         // relaxed play: points a sunk pearl costs
constexpr int HOLE_PENALTY_PUSHER = 20; // relaxed play: points a sunk pusher costs

// A pearl passed its track's last point: with a pearl already fallen through the level is
// lost (relaxed play: that pearl is removed instead), then the pearl enters the hole.
void Hole_Arrive(Piece* pc);
// Relaxed play instead of a loss: removes pc, which was the track's fallen-through pearl
// (which 1) or its sinking pearl (which 0), and deducts the points (the gauge gets them back).
void Hole_Die_Relaxed(Piece* pc, int which);
// The level is lost through the hole (once per lose sequence).
void Hole_Lose();
