// The effect recipes: each makes the objects of one visual with the right image, kind and
// parameters. Positions are screen units, delays ms from now, colours pearl colour numbers,
// headings degrees. Burst sizes follow the frame rate, continuous trails the frame time, so
// slow machines make fewer particles and the rate per second stays the same. A recipe whose
// image is missing, or that meets a full pool, makes what it can and nothing more. The
// recipes sit in namespace fx: the rest of the game calls them through play/fx_calls, whose
// forwarding functions carry the same names.
#pragma once
#include <string>

struct Piece;
struct Gfx_Obj;

namespace fx {

// A new object of `kind` showing image slot `slot` (FX_Image_Slot); null when the image is
// missing or the pool is full.
Gfx_Obj* FX_NewImage(int kind, int slot, float x, float y, int delay, int z_order);

// Pearls: removal, shots, the gun, the alarm and the fireball.
void FX_PearlBurst(float x, float y, int color, int delay);              // puff of a popped pearl or a hit
void FX_PearlHalo(float x, float y, int color, int delay);               // ring wave of a matched pearl
void FX_PearlHaloBig(float x, float y, int color, int delay);            // glow under a matched pearl
void FX_ShotTrail(float x, float y, int color, int delay);               // glint behind a flying shot
void FX_MuzzleFlash(float x, float y, float factor, int color);          // sparks from the gun's mouth
void FX_Fragments(float x, float y, int color, float factor, int delay); // shards of a matched pearl
void FX_SubSpark(float x, float y, int r, int g, int b);                 // small spark left by another
void FX_AlarmSpark(float x, float y);                                    // alarm pearl meets the chain
void FX_FireballTrail(float x, float y);                                 // flames behind a fireball
void FX_ChainBreak(float x, float y);                                    // chain emblem breaks in five

// Power-ups and the hammer.
void FX_HammerChargeA(int image, float x, float y, int delay); // image 1 or 2: hammer charge spark
void FX_HammerChargeB(int image, float x, float y, int delay);
void FX_Freeze(float x, float y);                             // frost wave with its sound
void FX_HammerSmash(Piece* pc, float dx, float dy, int mode); // vortex that removes pc at its end
void FX_ReverseSwirl(float x, float y);                       // sixteen spiral rings
void FX_StarBurst(Piece* pc);                                 // comet that destroys pc at its end
void FX_ScoreSparkle(float x, float y, int delay, int frame); // ring sparkle of a score bonus
void FX_FlameTrail(float x, float y);                         // flames behind a flame orb
void FX_AreaBomb(float x, float y);                           // fiery blast of an area bomb

// Interface, win and lose.
void FX_GaugeSparkle(int waves); // sparkles along the filled gauge
void FX_TextPopup(const std::string& text, int font, float x, float y, float heading, int number);
void FX_NewLife();                     // heart and sparks from the lives text
void FX_WinSparkle(float x, float y);  // glints behind a win pearl
void FX_WinBurst(float x, float y);    // burst where a win pearl ends
void FX_MenuSparkle(float x, float y); // one sparkle (main menu, victory)
void FX_PusherFire(float x, float y);  // dark flames behind a leaving pusher
} // namespace fx
