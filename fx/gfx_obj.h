// Effect objects: every transient visual of play (explosions, sparks, trails, swirls, floating
// texts) is a Gfx_Obj in one list held in a fixed pool. The object's `name` is its behaviour
// kind; FX_Update moves objects, the three layer passes age, draw and end them. Positions are
// screen units, angles degrees (0 along +x, 90 along +y), rates per ms unless said per s.
#pragma once
#include <string>

struct TImage;
struct Piece;

constexpr int FX_POOL_MAX = 16384; // effect objects alive at once
constexpr int FX_KIND_COUNT = 22;  // behaviour kinds 0..21

// Draw layers of the in-game frame.
enum { FX_LAYER_LOW = -10, FX_LAYER_MID = 10, FX_LAYER_TOP = 20 };

struct Gfx_Obj {
    int name = 0;            // behaviour kind 0..21
    TImage* image = nullptr; // image or strip drawn
    int img_slot = -1;       // entry of the effect image table, -1 another image (see FX_SetImage)
    float img_id = 0;        // current frame
    float x = 0, y = 0;      // position
    float z = 1;             // depth value (kind 0 moves it)
    float x_dest = 0, y_dest = 0;
    Piece* pc = nullptr; // target pearl (kinds 10 and 12)
    int pc_id = -1;      // its id: the target counts as gone once the pool slot holds another
    float move_speed = 0, move_accel = 0, move_angle = 0;       // units/s, deceleration or gravity, heading
    float rotate_speed = 0, rotate_accel = 0, rotate_angle = 0; // deg/s, deg/s^2, drawing rotation
    float Scale_x = 1, Scale_y = 1, Scale_speed = 0;
    float alpha = 1, Fadeout = 0, Fadein = 0; // alpha and its change rates
    int delay_start = 0;                      // ms before the object takes part
    int z_order = FX_LAYER_MID;               // layer -10, 10 or 20
    float step_x = 0, step_y = 0, step_z = 0; // velocity
    int state = 1;                            // phase of the kind
    int img_count = 1;                        // frames
    int anim_timer = 0, anim_period = 0;      // ms to the next frame, ms per frame
    float spd_x = 0, spd_y = 0;               // centre of a spiral (kind 11)
    int Red = 255, Green = 255, Blue = 255;   // drawing colour
    int data1 = 0;                            // kind 10: 1 match removal; kind 16: number shown
    std::string str;                          // kind 16: text
    int font = 0;                             // kind 16: font table entry

    // Pool and list bookkeeping.
    Gfx_Obj* next = nullptr;
    Gfx_Obj* prev = nullptr;
    bool alive = false;
    // What the last layer pass decided to draw: blend and colour of this frame.
    int draw_blend = 0;
    int draw_r = 255, draw_g = 255, draw_b = 255;
};

// The effect list in creation order, over a fixed pool.
struct FX_State {
    Gfx_Obj pool[FX_POOL_MAX];
    Gfx_Obj* free_list = nullptr;
    Gfx_Obj* first = nullptr;
    Gfx_Obj* last = nullptr;
    int count = 0;
    bool full_logged = false;        // one log line per level for a full pool
    bool target_gone_logged = false; // one log line per level for a target removed before its effect
    int clear_count = 0;             // FX_Clear calls: a pass that sees it change stops walking
};
extern FX_State FX;

// A new object of kind `kind` at (x, y), waiting `delay` ms, in layer z_order, state 1,
// appended to the list; null (and one log line) when the pool is full.
Gfx_Obj* FX_New(int kind, float x, float y, int delay, int z_order);
// Empties the list (level start).
void FX_Clear();
// Moves every object whose delay is over (the in-game update phase).
void FX_Update();
// One layer pass: counts delays down, ages every object of the layer, ends the finished ones
// and draws the rest, grouped by image so that a batching renderer issues few draw calls.
void FX_DrawLayer(int layer);
// Ages and draws one object at once; false when it ended (and was removed).
bool FX_DrawOne(Gfx_Obj* o);
// Removes one object from the list (harmless for an object already removed).
void FX_Remove(Gfx_Obj* o);
// Objects in the list.
int FX_Count();

// Per-kind rules, one table entry per kind (fx_kinds.cpp).
// Movement in FX_Update.
void FX_Move(Gfx_Obj* o);
// Ages one object for this frame and sets its draw_* fields; false when it ends.
bool FX_Age(Gfx_Obj* o);
// Draws an aged object with the drawing state its kind asks for.
void FX_Draw(const Gfx_Obj* o);
