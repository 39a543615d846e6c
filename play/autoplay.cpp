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
#include "play/autoplay_tools.h"
#include "play/gun.h"
#include "play/hammer.h"
#include "play/level_state.h"
#include "play/pointer.h"
#include "shell/app_state.h"

namespace {
constexpr int kThrowGap = 1500;               // ms between two throw-aways
constexpr int kAfterThrow = 250;              // ms before the next pearl is aimed
constexpr int kReadMin = 400, kReadMax = 800; // ms a dialog is read before the key
constexpr int kRetryKey = 700;                // ms before a key is pressed again
constexpr float kBetterBy = 20;               // next pearl this much better: throw
constexpr float kKeepShare = 0.7f;            // a tracked target keeps this share of its rating
constexpr float kItemOver = 160;              // a shot rated below this gives way to an item
constexpr float kItemDanger = 0.5f;           // no item hunting with a chain this close to its hole
constexpr int kToolWait = 120;                // ms a press on the hammer or its icon takes to act

// A player's pace and hand.
struct Profile {
    int shot_gap_min, shot_gap_max; // ms from a shot until the next aim begins
    int aim_min, aim_max;           // ms of aiming (reaction) before the click
    float jitter;                   // aim error, screen units
    double lead;                    // share of the chains' motion allowed for
    int throws_in_row;              // throw-aways before a shot must follow
    bool hammer_full_only;          // the hammer only at its third level
};
// Expert: under three shots a second. Casual: about one a second, 250-400 ms reaction.
constexpr Profile kProfiles[2] = {{340, 480, 90, 190, 1.5f, 1.0, 2, false},
                                  {650, 800, 250, 400, 5.0f, 0.3, 1, true}};
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
    int shot_gap = 0;
    int tool_wait = 0; // ms before the hammer is handled again
    Profile prof = kProfiles[0];
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
    return g.prof.jitter * (static_cast<float>(Next() % 2001) / 1000.0f - 1);
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
// a won level, Escape to retry after a lost match, Enter or Escape on the roll-back offer.
int Dialog_Key() {
    if (Rollback_Offer_Up()) return g.cfg.trade_lives ? VK_RETURN : VK_ESCAPE;
    if (Winning) return VK_RETURN;
    if (Losing) return VK_ESCAPE;
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
    if (g.throws_in_row >= g.prof.throws_in_row || g.since_throw < kThrowGap) return false;
    Aim_Shot next = Aim_Best(Gun.GunPcNext->color, g.jx, g.jy);
    return next.value >= AIM_USEFUL && next.value >= cur.value + kBetterBy;
}

bool Shot_On_Its_Way() {
    return Aim_Shot_Flying() || Aim_Shot_Gliding();
}

// A coin or artefact in a clear line is worth more than an ordinary shot while no chain is
// close to its hole; the shot at it is aimed like a throw-off.
void Item_Instead(bool busy, int color, Aim_Shot& cur) {
    if (busy || color == PC_FIREBALL || cur.value >= kItemOver || Aim_Danger() >= kItemDanger) return;
    int px, py;
    if (!Tool_Item_Shot(px, py)) return;
    cur = Aim_Shot{};
    cur.kind = AIM_VOID;
    cur.ptr_x = px;
    cur.ptr_y = py;
    cur.set_size = 1;
    cur.value = kItemOver;
    g.stats.item_shots += 1;
}

void Press(int x, int y, int button) {
    Move(x, y);
    Button(button, true);
    g.held_button = button;
}

// The hammer: armed from its icon when a smash is worth it, then struck on the chosen pearl
// (an armed hammer with nothing worth smashing any more is put down with the right button).
bool Hammer_Step(int ms) {
    if (HammerState == 0) {
        g.tool_wait = 0;
        return false;
    }
    if (g.tool_wait > 0) { // the last press on the icon or the board takes effect first
        g.tool_wait -= ms;
        return true;
    }
    if (g.since_shot >= g.shot_gap && Hands_Take_Hammer(Tool_Hammer_Target(g.prof.hammer_full_only))) {
        // keys and pad: the gun turns to the target and H / Y strikes
        g.phase = kIdle;
        g.stats.smashes += 1;
        g.since_shot = 0;
        g.shot_gap = Between(g.prof.shot_gap_min, g.prof.shot_gap_max);
        return true;
    }
    if (HammerState == 2) {
        const Piece* target = Tool_Hammer_Target(g.prof.hammer_full_only);
        g.phase = kIdle;
        g.tool_wait = kToolWait;
        if (!target) {
            Press(PtrX, PtrY, kMouseRight);
            return true;
        }
        Press(static_cast<int>(target->x), static_cast<int>(target->y), kMouseLeft);
        g.stats.smashes += 1;
        g.since_shot = 0;
        g.shot_gap = Between(g.prof.shot_gap_min, g.prof.shot_gap_max);
        return true;
    }
    if (g.since_shot < g.shot_gap || !Tool_Hammer_Target(g.prof.hammer_full_only)) return false;
    g.phase = kIdle;
    g.tool_wait = kToolWait;
    int x, y;
    Tool_Hammer_Icon(x, y);
    Press(x, y, kMouseLeft);
    return true;
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
    Item_Instead(busy, color, cur);
    if (cur.kind == AIM_NONE || (busy && cur.set_size < 3)) return;
    g.plan = cur;
    g.plan_color = color;
    g.phase = kAiming;
    g.wait = Between(g.prof.aim_min, g.prof.aim_max);
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
    g.shot_gap = Between(g.prof.shot_gap_min, g.prof.shot_gap_max);
}

void Play(int ms) {
    g.since_shot += ms;
    g.since_throw += ms;
    if (g.held_button) return;
    Aim_See();
    if (Hammer_Step(ms) || !Gun.GunPc) return;
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
    g.prof = kProfiles[config.profile == AUTOPLAY_CASUAL ? 1 : 0];
    g.shot_gap = g.prof.shot_gap_min;
    Aim_Set_Lead(g.prof.lead);
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
