// The level-state file: every pearl, track counter, item, the gun and the roll-back queue of
// a level left in the middle. A 64-byte header gives each section's count, position and record
// size; records are little-endian and written field by field. Reading checks every count,
// position and size against the file before it reads, and every value before the game sees it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>
#include "chain/piece.h"
#include "play/items.h"

constexpr int LD_HEADER_SIZE = 64;
constexpr int LD_PIECE_SIZE = 316;
constexpr int LD_PATH_SIZE = 60;
constexpr int LD_ITEM_SIZE = 52;
constexpr int LD_GUN_SIZE = 28;

struct LD_Header {
    int headersize = LD_HEADER_SIZE;
    int pieces_count = 0, pieces_offset = 0, piece_recsize = 0;
    int paths_count = 0, paths_offset = 0, path_recsize = 0;
    int items_count = 0, items_offset = 0, item_recsize = 0;
    int gun_offset = 0, gun_recsize = 0;
    int pieces_rev_count = 0, pieces_rev_offset = 0, piece_rev_recsize = 0;
    int space5 = 0; // stamp of the match file this state belongs to; 0 in files that carry none
};

// The saved counters of one track (its pearls are references by id).
struct LD_Path {
    int first_pc_id = -1, last_pc_id = -1, hole_pc_id = -1, hole_pc2_id = -1, alarm_pc_id = -1;
    int burst_crt = 0, burst_pieces_left = 0, burst_delay_cnt = 0, burst_delay_pc_burst_id = 0;
    int burst_id = 0, states = 0, cnt_mods_disabled = 0, alarm_active = 0, alarm_timer_gen = 0;
    float alarm_pc_alpha = 0;
};

struct LD_Gun {
    int angle = 0, angle_dest = 0, anim_timer = 0; // degrees truncated; ms
    int pc_id = -1, pc_next_id = -1;               // loaded and waiting pearl, -1 none
    int pc_switch_cnt = 0, firing = 0;
};

// A decoded level-state file. Pearl records keep their reference ids; no pointer is set.
struct LD_File {
    LD_Header header;
    std::vector<Piece> pieces;
    std::vector<LD_Path> paths;
    std::vector<Item> items;
    LD_Gun gun;
    bool has_gun = false;
    std::vector<Piece> rev; // roll-back queue, front (released next) first
};

// Name of the level state kept from the save before, used while the match file still
// belongs to it (a crash between the two writes of a save).
std::string LevelData_OldName(int slot);

// The running level as file bytes, stamped with the match file it belongs to.
void LevelData_Encode(uint32_t stamp, std::vector<uint8_t>& out);
// Decodes file bytes; false (logged) when the header or a section doesn't fit the bytes or
// the pools. Record values are not checked here.
bool LevelData_Decode(const uint8_t* data, size_t size, LD_File& out);
// Lays a decoded state over the level that was just started: pearls, tracks, items, gun and
// queue, then the references from their ids. Records that can't be used are dropped with a
// log line; false (nothing changed) when the state doesn't fit the level's tracks.
bool LevelData_Apply(const LD_File& file);

// Writes the level-state file of slot (the previous one is kept under LevelData_OldName).
bool LevelData_Save(int slot, uint32_t stamp);
// Reads the level-state file of slot that belongs to the match file with stamp and applies
// it. When none can be used it is logged (a damaged file kept as ".bad") and the level stays
// at its start; false then.
bool LevelData_Load(int slot, uint32_t stamp);

// Record tables (level_data_records.cpp).
void LD_WritePiece(const Piece& pc, uint8_t* out);
void LD_ReadPiece(const uint8_t* in, Piece& pc);
void LD_CopyPiece(const Piece& from, Piece& to); // the saved fields only
bool LD_PieceFinite(const Piece& pc);            // every real field is a number
void LD_WritePath(const LD_Path& p, uint8_t* out);
void LD_ReadPath(const uint8_t* in, LD_Path& p);
void LD_WriteItem(const Item& it, uint8_t* out);
void LD_ReadItem(const uint8_t* in, Item& it);
void LD_WriteGun(const LD_Gun& g, uint8_t* out);
void LD_ReadGun(const uint8_t* in, LD_Gun& g);
void LD_WriteHeader(const LD_Header& h, uint8_t* out);
void LD_ReadHeader(const uint8_t* in, LD_Header& h);
