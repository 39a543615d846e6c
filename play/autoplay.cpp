// The built-in player's hands and pace: a look after every frame, a choice of target when the
// gun is loaded and the last shot is long enough ago, a short aim while the pointer follows
// the target, then the click; the right button when the loaded pearl is useless and the next
// one is better; a key for the dialogs after a moment's reading.
#include "play/autoplay.h"
#include "chain/piece.h"
#include "chain/path.h"
#include "engine/input.h"
#include "gui/modal.h"
#include "play/autoplay_aim.h"
#include "play/autoplay_hands.h"
#include "play/gun.h"
#include "play/level_state.h"
#include "shell/app_state.h"

namespace {
constexpr int kShotGapMin = 340, kShotGapMax = 480; // ms between shots: under three a second
constexpr int kAimMin = 90, kAimMax = 190;          // ms of aiming before the click
constexpr int kThrowGap = 1500;                     // ms between two throw-aways
constexpr int kThrowsInRow = 2;                     // throw-aways before a shot must follow
constexpr int kAfterThrow = 250;                    // ms before the next pearl is aimed
constexpr int kReadMin = 400, kReadMax = 800;       // ms a dialog is read before the key
constexpr int kRetryKey = 700;                      // ms before a key is pressed again
constexpr float kBetterBy = 20;                     // next pearl this much better: throw
constexpr float kJitter = 1.5f;                     // hand unsteadiness, screen units
constexpr float kKeepShare = 0.7f;                  // a tracked target keeps this share of its rating
enum { kIdle, kAiming };
enum { kMouseLeft = 1, kMouseRight = 2 };

struct Autoplay_Module {
    bool on = false;
    Autoplay_Config cfg;
    uint64_t rng = 1;
    Autoplay_Stats stats;
    std::string* recorder = nullptr;
    int phase = kIdle;
    int wait = 0;       // ms left of the aim
    int since_shot = 0; // ms since the last shot or throw-away
    int shot_gap = kShotGapMin;
    int since_throw = kThrowGap;
    int throws_in_row = 0;
    int read = -1;       // ms left before the dialog's key; -1 no dialog seen
    int held_button = 0; // button pressed after the last frame, released after this one
    int held_key = 0;
    Aim_Shot plan;
    int plan_color = -1;
    float jx = 0, jy = 0; // unsteadiness of this aim
};
Autoplay_Module g;

uint32_t Next() {
    g.rng ^= g.rng << 13;
    g.rng ^= g.rng >> 7;
    g.rng ^= g.rng << 17;
    return static_cast<uint32_t>(g.rng >> 16);
}
int Between(int lo, int hi) {
    return lo + static_cast<int>(Next() % static_cast<uint32_t>(hi - lo + 1));
}
float Wobble() {
    return kJitter * (static_cast<float>(Next() % 2001) / 1000.0f - 1);
}

void Record(const std::string& event) {
    if (g.recorder) *g.recorder += std::to_string(FrameCounter) + " " + event + "\n";
}

void Move(int x, int y) {
    if (Hands_Move(x, y)) return;
    Record("mouse_move " + std::to_string(x) + " " + std::to_string(y));
    Input_OnMouseMove(x, y);
}
void Button(int b, bool down) {
    if (Hands_Button(b, down)) return;
    Record(std::string(down ? "mouse_down " : "mouse_up ") + std::to_string(b));
    Input_OnMouseButton(b, down);
}
void Key(int code, bool down) {
    if (Hands_Key(code, down)) return;
    Record(std::string(down ? "key_down " : "key_up ") + std::to_string(code));
    if (down)
        Input_OnKeyDown(code);
    else
        Input_OnKeyUp(code);
}

void Release_Held() {
    if (g.held_button) Button(g.held_button, false);
    if (g.held_key) Key(g.held_key, false);
    g.held_button = g.held_key = 0;
}

bool Rollback_Offer_Up() {
    if (Winning || Losing || LevelTime == 0) return false;
    for (int i = 0; i < Paths.count; ++i)
        if (Paths.pool[i].alarm_active) return true;
    return false;
}

// The key a person presses on the open dialog: Space on the ready box, Enter to go on after
// a won level or to retry after a lost match, Enter or Escape on the roll-back offer.
int Dialog_Key() {
    if (Rollback_Offer_Up()) return g.cfg.trade_lives ? VK_RETURN : VK_ESCAPE;
    if (Winning || Losing) return VK_RETURN;
    return VK_SPACE;
}

void Dialog(int ms) {
    g.phase = kIdle;
    if (g.read < 0) g.read = Between(kReadMin, kReadMax);
    g.read -= ms;
    if (g.read > 0) return;
    g.held_key = Dialog_Key();
    Key(g.held_key, true);
    g.read = kRetryKey;
}

void Throw() {
    Button(kMouseRight, true);
    g.held_button = kMouseRight;
    g.stats.throws += 1;
    g.throws_in_row += 1;
    g.since_throw = 0;
    g.since_shot = 0;
    g.shot_gap = kAfterThrow;
}

bool Worth_Throwing(int color, const Aim_Shot& cur) {
    if (cur.value >= AIM_USEFUL || !Gun.GunPcNext || color == PC_FIREBALL) return false;
    if (g.throws_in_row >= kThrowsInRow || g.since_throw < kThrowGap) return false;
    Aim_Shot next = Aim_Best(Gun.GunPcNext->color, g.jx, g.jy);
    return next.value >= AIM_USEFUL && next.value >= cur.value + kBetterBy;
}

bool Shot_On_Its_Way() {
    return Aim_Shot_Flying() || Aim_Shot_Gliding();
}

// busy: a shot is still on its way; only a clear match elsewhere is worth not waiting for it.
void Plan(bool busy) {
    int color = Gun.GunPc->color;
    g.jx = Wobble();
    g.jy = Wobble();
    Aim_Shot cur = Aim_Best(color, g.jx, g.jy);
    if (!busy && Worth_Throwing(color, cur)) {
        Throw();
        return;
    }
    if (cur.kind == AIM_NONE || (busy && cur.set_size < 3)) return;
    g.plan = cur;
    g.plan_color = color;
    g.phase = kAiming;
    g.wait = Between(kAimMin, kAimMax);
    Move(cur.ptr_x, cur.ptr_y);
}

void Fire() {
    g.phase = kIdle;
    int color = Gun.GunPc->color;
    Aim_Shot shot = g.plan;
    bool kept = color == g.plan_color && Aim_Track(color, g.jx, g.jy, shot) &&
                shot.value >= kKeepShare * g.plan.value - 5;
    if (!kept) {
        shot = Aim_Best(color, g.jx, g.jy);
        if (shot.kind == AIM_NONE || (Shot_On_Its_Way() && shot.set_size < 3)) return;
    }
    Move(shot.ptr_x, shot.ptr_y);
    Aim_Set_Busy(shot.hit_id);
    Button(kMouseLeft, true);
    g.held_button = kMouseLeft;
    g.stats.shots += 1;
    g.throws_in_row = 0;
    g.since_shot = 0;
    g.shot_gap = Between(kShotGapMin, kShotGapMax);
}

void Play(int ms) {
    g.since_shot += ms;
    g.since_throw += ms;
    if (!Gun.GunPc || g.held_button) return;
    Aim_See();
    if (g.phase == kIdle) {
        if (g.since_shot >= g.shot_gap) Plan(Shot_On_Its_Way());
        return;
    }
    g.wait -= ms;
    if (g.wait > 0 || !Hands_OnTarget()) {
        Aim_Shot shot = g.plan;
        if (Gun.GunPc->color == g.plan_color && Aim_Track(g.plan_color, g.jx, g.jy, shot)) {
            g.plan.ptr_x = shot.ptr_x, g.plan.ptr_y = shot.ptr_y;
            Move(shot.ptr_x, shot.ptr_y);
        }
        return;
    }
    Fire();
}
} // namespace

void Autoplay_Start(const Autoplay_Config& config) {
    std::string* recorder = g.recorder;
    g = Autoplay_Module{};
    g.recorder = recorder;
    g.on = true;
    g.cfg = config;
    g.rng = 0x9E3779B97F4A7C15ull ^ (static_cast<uint64_t>(config.seed) * 0xD1B54A32D192ED03ull);
    if (g.rng == 0) g.rng = 1;
    Hands_Start(config.input, Record);
}

void Autoplay_Stop() {
    if (g.on) Release_Held(), Hands_Stop();
    g.on = false;
}

bool Autoplay_Active() {
    return g.on;
}

void Autoplay_AfterFrame() {
    if (!g.on) return;
    int ms = FrameTime >= 1 ? static_cast<int>(FrameTime) : 1;
    Release_Held();
    Hands_Frame();
    if (Modal_Active()) {
        Dialog(ms);
        return;
    }
    g.read = -1;
    if (ScreenState != 1 || Paused || Losing || Winning) {
        g.phase = kIdle;
        return;
    }
    Play(ms);
}

const Autoplay_Stats& Autoplay_GetStats() {
    return g.stats;
}

void Autoplay_SetRecorder(std::string* out) {
    g.recorder = out;
}
