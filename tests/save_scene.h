// A level in the middle of play for the saved-match tests: pearls in several segments, a
// gliding shot, a roll-back running with pearls in its queue, double score running, the
// hammer half charged and a coin on the board.
#pragma once
#include <gtest/gtest.h>
#include <set>
#include <vector>
#include "chain/path.h"
#include "chain/piece.h"
#include "chain/shot.h"
#include "gui/modal.h"
#include "play/gun.h"
#include "play/items.h"
#include "play/level_data.h"
#include "play/level_state.h"
#include "play/level_values.h"
#include "play/match_file.h"
#include "play/save_bytes.h"
#include "tests/harness.h"

constexpr int kSceneLevel = 6;

// The n-th pearl from the front of track 0 with an ordinary colour.
inline Piece* Scene_Pearl(int n) {
    for (Piece* pc = Paths.pool[0].first_pc; pc; pc = pc->pc_next)
        if (pc->color <= PC_YELLOW && n-- == 0) return pc;
    return nullptr;
}

inline void Scene_Build(Harness& h) {
    h.StartLevel(kSceneLevel);
    Modal_Reset();
    Paused = 0;
    h.Run(300);
    ASSERT_NE(Scene_Pearl(14), nullptr);
    Scene_Pearl(6)->Destroy(0, 0, 0, 0); // a gap: two segments
    Scene_Pearl(3)->Set_Modifier(7);
    PcModScore2xCnt = 5000;
    PcModReverseCnt = 3000;
    HammerScore = 600;
    NoCoins = 0;
    ASSERT_NE(Item_Create(1, 300, 200), nullptr);
    Rev_Store(Paths.pool[0].last_pc);
    h.Run(2);
    Piece* shot = Gun.GunPc;
    ASSERT_NE(shot, nullptr);
    Gun_Forget(shot);
    shot->move_state = 1;
    shot->state &= ~PCS_GUN_NEXT;
    Piece* hit = Scene_Pearl(10);
    shot->x = hit->x + 20;
    shot->y = hit->y;
    Shot_Begin_Insert(shot, hit);
    h.Run(1);
}

// What the scene promises, checked on the live game.
inline void Scene_Expect_Mid_Play() {
    bool gliding = false;
    std::set<int> segments;
    for (Piece* pc = Pieces.list_first; pc; pc = pc->list_next) {
        gliding = gliding || pc->move_state == 3;
        if (pc->path_id == 0 && pc->move_state == 0) segments.insert(pc->segm_id);
    }
    EXPECT_TRUE(gliding);
    EXPECT_GE(segments.size(), 2u);
    EXPECT_GT(Pieces.rev_count, 0);
    EXPECT_GT(PcModScore2xCnt, 0);
    EXPECT_GT(HammerScore, 300);
    EXPECT_GT(Items.count, 0);
}

// The running game as the two files would hold it.
inline std::vector<uint8_t> Scene_Bytes() {
    uint8_t m[MATCH_FILE_SIZE];
    Match_Encode(Match_FromGame(LevelCrt, 1), m);
    std::vector<uint8_t> out(m, m + MATCH_FILE_SIZE);
    std::vector<uint8_t> lvl;
    LevelData_Encode(Bytes_Hash(m, sizeof m), lvl);
    out.insert(out.end(), lvl.begin(), lvl.end());
    return out;
}
