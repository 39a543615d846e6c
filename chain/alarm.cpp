// Alarm state per track, the roll-back offer, and the alarm pearls rolling back from the hole.
#include "chain/alarm.h"
#include <algorithm>
#include <cmath>
#include "chain/path.h"
#include "chain/piece.h"
#include "gui/modal.h"
#include "play/fx_calls.h"
#include "play/ingame_dialogs.h"
#include "play/level_state.h"
#include "shell/app_state.h"

namespace {
void Open_Offer_From_Table() {
    if (InGame_Dialogs.open_rollback_offer) InGame_Dialogs.open_rollback_offer();
}

void Alarm_Pc_Gone(Path& path, bool sparks) {
    Piece* a = path.alarm_pc;
    if (sparks)
        for (int i = 0; i < ALARM_SPARKS; ++i)
            FX_AlarmSpark(a->x, a->y);
    a->Die_Quietly();
    path.alarm_pc = nullptr;
    path.alarm_pc_id = -1;
}

// The alarm pearl rolls back; it stops at the first chain pearl it meets.
void Alarm_Pc_Move(Path& path) {
    Piece* a = path.alarm_pc;
    a->Accelerate(ALARM_PC_SPEED);
    if (!a->Move_OnPathBzSmpl_FallingBack(a->spd * FrameDt)) {
        // It reached the start and removed itself.
        path.alarm_pc = nullptr;
        path.alarm_pc_id = -1;
        return;
    }
    for (Piece* pc = path.first_pc; pc; pc = pc->pc_next) {
        if (!a->Hit_Test(pc)) continue;
        double along = std::abs(a->Compute_Dist_On_Bezier(pc, 1));
        if (along < ALARM_STOP_FACTOR * (a->radius + pc->radius)) {
            Alarm_Pc_Gone(path, true);
            return;
        }
    }
}
} // namespace

int (*Alarm_Dialog_Open)() = Modal_Active;
void (*Alarm_Open_Offer)() = Open_Offer_From_Table;

void Alarm_Hooks_Reset() {
    Alarm_Dialog_Open = Modal_Active;
    Alarm_Open_Offer = Open_Offer_From_Table;
}

void Path::Alarm_Update() {
    if (Relaxed_Mode == 1) return;
    if (alarm_last_trigger_time != 0)
        alarm_last_trigger_time = std::max(0, alarm_last_trigger_time - static_cast<int>(FrameTime));
    alarm_active = first_pc && first_pc->pt_crt > alarm_pt ? 1 : 0;
    if (alarm_active) {
        if (Lives > 0 && RollbackOffer == 1 && alarm_last_trigger_time == 0) {
            alarm_dlg_triggered = 1;
            alarm_last_trigger_time = ALARM_TRIGGER_INTERVAL;
            if (Alarm_Open_Offer) Alarm_Open_Offer();
        }
        if (!(Alarm_Dialog_Open && Alarm_Dialog_Open())) {
            alarm_timer_gen -= static_cast<int>(FrameTime);
            if (alarm_timer_gen < 0 && !alarm_pc) {
                Alarm_Pc_Create();
                alarm_timer_gen = ALARM_PERIOD_GENERATE;
            }
        }
    }
    if (!alarm_pc) return;
    if (alarm_pc_alpha < 1) {
        alarm_pc_alpha = std::min(1.0f, alarm_pc_alpha + FrameDt);
        alarm_pc->alpha = alarm_pc_alpha;
        return;
    }
    Alarm_Pc_Move(*this);
    if (alarm_pc && !first_pc) Alarm_Pc_Gone(*this, true);
}
