// Scoring of the level run: the value of removed pearls, chain and combo steps, the win
// gauge, and the extra life for every 30 000 points of the match score. Score_Add is the
// only way the score changes.
#pragma once

struct Piece;

constexpr int EXTRA_LIFE_BAND = 30000; // match points per extra life
constexpr int CHAIN_BONUS_FROM = 4;    // chain step from which each step earns the bonus
constexpr int CHAIN_BONUS = 100;       // points of that bonus

// Adds points (negative removes them) to the level score and the hammer charge, both kept
// at 0 or above; to_gauge 1 also takes them off the gauge. An extra life when the match score
// enters a new 30 000 band.
void Score_Add(int points, int to_gauge);
// Value of n removed pearls: 10 each, 20 under double score, 30 under triple score.
int Score_Points(int n);
// A set of n pearls removed by a shot; first is its first pearl (null when gone), where the
// "chain" text appears.
void Score_Chain(int n, const Piece* first = nullptr);
// A set of n pearls removed where two parts of a chain joined; first as above.
void Score_Combo(int n, const Piece* first = nullptr);
// A shot made no match: the chain / combo count starts again.
void Score_ChainReset();
void Score_ComboReset();
// Gauge size and remaining points both v.
void Set_WinPoints(int v);
// Remaining gauge points less v, not below 0 (a negative v refills the gauge).
void WinPoints_Sub(int v);
// Level start: level score, chain and combo counters and bonuses to 0, ScoreStartLevel = Score.
void Score_LevelReset();
