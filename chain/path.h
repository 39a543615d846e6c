// Tracks: the fixed pool of 16 track objects with their control points, sampled segments,
// waves (bursts), board elements and the chain of pearls rolling on each. Positions are
// logical screen units; the front of a chain is toward the last point (the hole).
#pragma once
#include <memory>
#include <string>
#include "chain/bezier.h"
#include "chain/gobj.h"

struct Piece;
struct TImage;

constexpr int PATHS_MAX = 16;                // tracks per level
constexpr int PATH_POINTS_MAX = 1024;        // control points per track
constexpr int PATH_BURSTS_MAX = 256;         // waves per track
constexpr int PATH_GELEMS_MAX = 32;          // board elements per track
constexpr int SAMPLE_TABLES_MAX = 256;       // segment tables allocated over all tracks (memory cap)
constexpr int PATH_STATE_GEN_DONE = 1;       // Path.states bit: generation finished for this level
constexpr int ALARM_PERIOD_GENERATE = 3000;  // ms between alarm pearls
constexpr int ALARM_TRIGGER_INTERVAL = 2000; // ms of cooldown after the roll-back offer

// One wave of pearls.
struct Burst {
    int pieces_count = 0; // pearls in the wave (the last one is a pusher)
    int delay_after = 0;  // ms to wait after the wave before the next one
    int delay_pc = 0;     // the wait ends when at most this many of the wave are left; 0 never
};

// A decorative board image drawn in a track's layer.
struct GElem : GObj {
    int x = 0, y = 0;      // top-left corner
    TImage* img = nullptr; // null when it failed to load (never drawn)
    int img_id_file = 0;   // number of the board's element image
    GElem() { gobj_kind = GOBJ_GELEM; }
};

struct Path {
    PPoint pts[PATH_POINTS_MAX];
    int pts_count = 0;
    std::unique_ptr<Bz_Samples> bzs_sampled[PATH_POINTS_MAX]; // one table per segment, kept for reuse
    GElem GElems[PATH_GELEMS_MAX];
    int GElems_Count = 0;
    Burst bursts[PATH_BURSTS_MAX];
    int bursts_count = 0;
    int burst_crt = 0;               // current wave
    int burst_pieces_left = 0;       // pearls of the current wave not yet generated
    int burst_delay_cnt = 0;         // ms to wait before the next pearl
    int burst_delay_pc = 0;          // MIN_PIECES of the wave that just ended
    int burst_delay_pc_burst_id = 0; // burst_id of the wave that just ended
    int burst_id = 0;                // running number of waves begun; stamped on new pearls
    int id = 0;                      // index of the track (file order)
    Piece* first_pc = nullptr;       // front pearl (closest to the hole)
    int first_pc_id = -1;
    Piece* last_pc = nullptr; // tail pearl (closest to the start)
    int last_pc_id = -1;
    Piece* hole_pc = nullptr; // pearl sinking into the hole
    int hole_pc_id = -1;
    Piece* hole_pc2 = nullptr; // pearl that fell through and still occupies the hole
    int hole_pc2_id = -1;
    float first_pc_t = 0;      // t of the front pearl after the last move
    int first_pc_pt = 0;       // pt_crt of the front pearl after the last move
    int states = 0;            // PATH_STATE_* bits
    double total_length = 0;   // length of the whole track
    int cnt_mods_disabled = 0; // pearls still to generate before a modifier is allowed
    int pt_end_zone = -1;      // point index of the end zone
    int alarm_pt = -1;         // point index of the alarm
    int alarm_active = 0;
    int alarm_timer_gen = 0;
    Piece* alarm_pc = nullptr;
    int alarm_pc_id = -1;
    float alarm_pc_alpha = 0;
    int alarm_dlg_triggered = 0;
    int alarm_last_trigger_time = 0;
    Piece* win_pc = nullptr;
    int win_pc_id = -1;

    static Path* Create(); // next pool entry, reset; null when 16 are in use
    void PPoint_Add(float x, float y, int z, float bz1_x, float bz1_y, float bz2_x, float bz2_y, int speed);
    void Burst_Add(int balls, int delay, int min_pieces);
    void GElem_Add(int x, int y, int z, int img_id_file);
    void Burst_Set_Crt(int i); // makes wave i current with all its pearls pending
    bool Samples_Compute();    // samples every segment; false (and a log line) past the memory cap
    void GElem_Load_Images(int mirror, int board_id, const char* pack_folder);
    void Alarm_Reset();
    void
    Alarm_Update(); // per frame after the chain moved: alarm state, offer, alarm pearls (chain/alarm.cpp)
    void Alarm_Pc_Create(); // an alarm pearl leaves the hole, invisible at first
    void Win_Pc_Create();   // the level is won: a win pearl rises from the hole (chain/win_pearl.cpp)

    int Segments() const { return pts_count - 1; }
    const Bz_Samples& Table(int seg) const; // table of segment seg, clamped to the track
    double Seg_Length(int seg) const { return Table(seg).Length(); }
    // Position dist >= 0 further along / back along the track from (seg, t); returns 1 only when
    // going back reached the start of the track.
    int Compute_New_Pos(int seg, double t, double dist, int& out_seg, double& out_t) const;
    int Compute_New_Pos_Back(int seg, double t, double dist, int& out_seg, double& out_t) const;

    void Set_First(Piece* pc);
    void Set_Last(Piece* pc);
    void Generate_Piece();   // one frame of wave generation (chain/generate.cpp)
    void Compute_Segments(); // one frame of segment grouping (chain/segments.cpp)
    void Move_Pieces();      // one frame of chain movement (chain/chain_move.cpp)
};

// The pool and the number of tracks in use.
struct Paths_State {
    Path pool[PATHS_MAX];
    int count = 0;            // tracks in use: pool[0 .. count-1]
    int tables_allocated = 0; // segment tables alive over the whole pool
};
extern Paths_State Paths;

// Resource name of a board element image: ".\Images\Boards\<pack>\board_BB\board_BB_elem_II.png".
std::string GElem_Image_Name(const char* pack_folder, int board_id, int img_id_file);
void Paths_Reset();     // no track in use (level start, before the path file)
void Paths_Drop_Last(); // gives the most recently created track back to the pool (rejected track)
bool Paths_Empty();     // no track holds a pearl
Path* Path_Get(int id); // track in use with that id, else null
// Per-frame drivers over the tracks in use.
void Paths_Generate(); // skipped while the G key is held (chain/paths_generate.cpp)
void Paths_Compute_Segments();
void Paths_Move();
