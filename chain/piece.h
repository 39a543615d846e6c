// A pearl: on a track, flying from the gun, waiting in the gun or sinking into the hole.
// Pearls live in a fixed pool, are listed in creation order in the pearl list and carry a
// unique id. Distances are screen units, speeds units/s, angles degrees (90 = +y, clockwise).
#pragma once
#include "chain/gobj.h"

struct Path;
struct PcMod;

constexpr int PIECES_MAX = 4096; // pearls alive at once (pool size)

// Colour numbers.
enum {
    PC_BLUE = 0,
    PC_GREEN = 1,
    PC_MAGENTA = 2,
    PC_ORANGE = 3,
    PC_RED = 4,
    PC_YELLOW = 5,
    PC_PUSHER = 16,
    PC_FLAME_ORB = 17,
    PC_JOKER = 18,
    PC_ALARM = 19,
    PC_FIREBALL = 20,
    PC_WIN = 21,
    PC_DUMMY = 64
};

// State bits.
enum {
    PCS_JOINED = 0x1,      // segment joined the one behind this frame; match check due
    PCS_LEADER = 0x2,      // leads its segment (moves by its own speed)
    PCS_HIDDEN = 0x4,      // not drawn (insertion placeholder)
    PCS_PUSHED = 0x10,     // pushed forward by an insertion this frame
    PCS_SLOW = 0x40,       // falling back slowly (facing colours cannot match)
    PCS_HOVERED = 0x80,    // highlighted by the hammer
    PCS_ANIM_BACK = 0x100, // rolling animation runs backward
    PCS_FIREBALL = 0x200,  // fireball shot
    PCS_IN_HOLE = 0x400,   // sinking into the hole
    PCS_GUN_NEXT = 0x800,  // the gun's next pearl (small scale)
    PCS_HOLE_MARK = 0x1000,
    PCS_FREE_RUN = 0x2000,
    PCS_FALLEN = 0x4000 // fell through the hole; skipped by the movement
};

// Segment directions.
enum { SEGM_FORWARD = 0, SEGM_BACK = 2 };

struct Piece : GObj {
    int color = 0;                        // colour number (see enum)
    float x = 0, y = 0;                   // centre
    float x_old = 0, y_old = 0;           // centre at frame start
    float img_crt = 0;                    // animation frame, 0 <= value < img_count
    int img_count = 1;                    // animation frames in use
    int anim_timer = 0, anim_period = 50; // ms
    float anim_angle = 0;                 // rotation used when drawing
    int shade_x = 0, shade_y = 0;         // shadow offset of the level (not drawn)
    float scale = 1, alpha = 1;
    int pt_crt = 1, pt_crt_old = 1; // control point the pearl heads for (on segment pt_crt - 1)
    int path_id = -1;               // track index, -1 off track
    float move_left_next_pt = 0, move_next_pt = 0; // straight distance left to / from the next point
    float t = 0;                                   // parameter on the current segment
    double bz_dist = 0, bz_dist_old = 0;           // arc length from the segment start; at frame start
    float spd = 0;                                 // current speed
    float angle = 0;                               // heading from the samples
    float accel = 400, deccel = -400;
    float spd_target = 0;         // speed approached while moving forward
    float moved_on_frame = 0;     // distance of the last move (drives the rolling animation)
    float spd_free_move = 800;    // flight speed
    float spd_insert = 200;       // insertion glide speed
    int move_state = 0;           // 0 on a track, 1 flying, 2 in the gun, 3 inserting
    int state = 0, state_old = 0; // PCS_* bits; value at frame start
    float radius = 14;
    Piece* pc_next = nullptr; // neighbour behind (toward the start)
    int pc_next_id = -1;
    Piece* pc_prev = nullptr; // neighbour ahead (toward the hole)
    int pc_prev_id = -1;
    int segm_dir = 0, segm_dir_old = 0; // SEGM_FORWARD or SEGM_BACK
    int segm_id = -1, segm_id_old = -1; // segment number counted from the tail
    int burst_id = -1;                  // wave the pearl belongs to
    int change_segm_cnt = 0;            // frames a beginning gap has been tolerated (max 32)
    int id = 0;                         // unique number
    Piece* pc_dummy_insert = nullptr;   // insertion placeholder of a gliding shot
    int pc_dummy_insert_id = -1;
    double angle_to_dummy = 0, dist_to_dummy = 0;
    int dummy_reversed = 0;
    int pc_insert_id = -1; // placeholder: id of its shot
    float gap_coef = 0;
    Piece* dummy_pushing_me = nullptr; // insertion placeholder pushing this pearl this frame
    int dummy_pushing_me_id = -1;
    PcMod* mod0 = nullptr; // attached modifier
    int mod0_id = -1;      // its kind
    int special = -1;
    float special_bg_alpha = 0;
    int explode_delay = 0; // ms until a pending explosion removes the pearl; 0 none
    int rev_clear_bodycount = 0;
    float in_hole_alpha = 1, in_hole_scale = 1, in_hole_scale_in = 1;
    int prev_died_in_hole = 0;
    float data1 = 0;
    float spd_on_path = 0; // saved with the pearl, no behaviour
    float insert_x = 0, insert_y = 0, insert_to_move = 0;
    int timer = 0;

    // Bookkeeping of the pool and the pearl list (not part of the saved record).
    Piece* list_prev = nullptr;
    Piece* list_next = nullptr;
    bool alive = false;  // taken from the pool
    bool listed = false; // in the pearl list

    Piece() { gobj_kind = GOBJ_PIECE; }

    void Setup(int c, int px, int py, int pz, int mstate);
    static Piece* Create(int c, int px, int py, int pz, int mstate); // null when the pool is full
    static Piece* Create_OnPath(int c, int px, int py, int track);
    Path* Get_Path() const;
    int Get_Image_Count() const;
    float Get_Orig_Scale() const;
    void Set_Z(int nz, int after, Piece* other);
    void Set_Modifier(int kind);
    void Set_Color(int c);
    void Set_Next(Piece* pc);
    void Set_Prev(Piece* pc);
    void Die_Quietly();
    void Destroy_Basic(); // out of chain, draw list and pearl list, modifier emblem dropped; no effect

    void Path_Insert_Last();
    void Path_Insert_After(Piece* other);  // becomes the neighbour behind other
    void Path_Insert_Before(Piece* other); // becomes the neighbour ahead of other
    void Remove_From_Path();

    // Signed arc length to other along the track (positive when other is further on).
    double Compute_Dist_On_Bezier(const Piece* other, int use_old) const;
    bool IsVisible() const;

    int Go_Next_Point();
    int Go_Prev_Point();
    void Accelerate(float target);
    int Move_OnPathBzSmpl_Pushed(double d);
    int Move_OnPathBzSmpl_FallingBack(double d);
    void Move_OnPathBzSmpl_Tail_Pushed(int point, double pt);
    void Move_OnPathBzSmpl_Tail_FallingBack(int point, double pt);
    void Animate_Moving();
    void Place_At_Start(); // point 0, heading for point 1
    void Draw();           // drawing module
    void Draw_Hovered();   // drawing module

    // Shots (chain/shot*.cpp).
    void Move_Free();                       // one frame of flight (move_state 1)
    void Move_Insert();                     // one frame of the glide into its placeholder (move_state 3)
    int Hit_Test(const Piece* other) const; // 1 when the two pearls touch or overlap
    void Check_Passed_Gap();                // adds to gap_coef for every gap between segments crossed
    // Removal (chain/match*.cpp).
    void Remove_By_Set(int index); // removal as member `index` of a set: modifier action or explosion
    // Removal from everything; kind 1 exploded by a match, 2 popped, 0 and 3 silent; delay ms of
    // the effects, n the size of the set it belonged to.
    void Destroy(int kind, int c, int delay, int n);
    // The hole (chain/hole.cpp).
    void Hole_Enter();               // becomes the track's sinking pearl
    void Hole_Exit();                // climbs out of the hole (its segment fell back)
    int Hole_Enter_Fallen_Through(); // sinking pearl falls through; 0 when that lost the level
    void Hole_Exit_Fallen_Through(); // the fallen-through pearl moves up to sinking
    int Hole_Move();                 // one frame in the hole; 0 when the level was lost
};

// The pearl list and the roll-back queue.
struct Pieces_State {
    Piece* list_first = nullptr; // pearl list in creation order (returning pearls at the front)
    Piece* list_last = nullptr;
    int list_count = 0;
    int next_piece_id = 0;
    Piece* rev_queue[PIECES_MAX] = {}; // last in, first out; rev_queue[rev_count - 1] is the front
    int rev_count = 0;
    bool pool_full_logged = false;
};
extern Pieces_State Pieces;

void Pieces_Reset();     // frees every pearl, empties list and queue, ids from 0
Piece* Id_To_Pc(int id); // first listed pearl with that id, else null
Piece* Find_By_Id(int id);
void Pieces_List_Add_Front(Piece* pc);
void Pieces_List_Remove(Piece* pc);
void Pieces_Pre_Frame();
void Pushers_Update();
void Rev_Store(Piece* pc);
void Rev_Release();
int Pieces_Count_Burst(const Path* path, int burst_id); // pearls of the track stamped with burst_id
