// The level-state file: encoding the running level, decoding a file with every section
// checked against its length, and the save and load with the copy kept from the save before.
#include "play/level_data.h"
#include <unistd.h>
#include <cstdio>
#include <fstream>
#include <iterator>
#include "chain/path.h"
#include "chain/pc_mod.h"
#include "play/gun.h"
#include "play/match_file.h"
#include "play/save_bytes.h"
#include "shell/log.h"
#include "shell/paths.h"

namespace {
constexpr int kRecordMax = 1 << 16; // no record of any version is this big
// Far past a full board's level state; stops a link to an endless device.
constexpr size_t kLevelDataReadLimit = size_t(64) << 20;

int Id_Of(const Piece* pc) {
    return pc ? pc->id : -1;
}

// A pearl as its record: the references as ids, the modifier as its kind.
Piece Piece_Record(const Piece& pc) {
    Piece rec = pc;
    rec.pc_next_id = Id_Of(pc.pc_next);
    rec.pc_prev_id = Id_Of(pc.pc_prev);
    rec.pc_dummy_insert_id = Id_Of(pc.pc_dummy_insert);
    rec.dummy_pushing_me_id = Id_Of(pc.dummy_pushing_me);
    rec.mod0_id = pc.mod0 ? pc.mod0->id : -1;
    return rec;
}

LD_Path Path_Record(const Path& p) {
    LD_Path r;
    r.first_pc_id = Id_Of(p.first_pc);
    r.last_pc_id = Id_Of(p.last_pc);
    r.hole_pc_id = Id_Of(p.hole_pc);
    r.hole_pc2_id = Id_Of(p.hole_pc2);
    r.alarm_pc_id = Id_Of(p.alarm_pc);
    r.burst_crt = p.burst_crt;
    r.burst_pieces_left = p.burst_pieces_left;
    r.burst_delay_cnt = p.burst_delay_cnt;
    r.burst_delay_pc_burst_id = p.burst_delay_pc_burst_id;
    r.burst_id = p.burst_id;
    r.states = 0;
    r.cnt_mods_disabled = p.cnt_mods_disabled;
    r.alarm_active = p.alarm_active;
    r.alarm_timer_gen = p.alarm_timer_gen;
    r.alarm_pc_alpha = p.alarm_pc_alpha;
    return r;
}

LD_Gun Gun_Record() {
    LD_Gun g;
    g.angle = static_cast<int>(Gun.angle);
    g.angle_dest = static_cast<int>(Gun.angle_dest);
    g.anim_timer = Gun.anim_timer;
    g.pc_id = Id_Of(Gun.GunPc);
    g.pc_next_id = Id_Of(Gun.GunPcNext);
    g.pc_switch_cnt = Gun.pc_switch_cnt;
    g.firing = Gun.firing;
    return g;
}

uint8_t* Grow(std::vector<uint8_t>& out, size_t n) {
    size_t at = out.size();
    out.resize(at + n, 0);
    return out.data() + at;
}

// A section of count records of recsize bytes at offset lies inside the file and the pool.
bool Section_Fits(const char* name, int count, int offset, int recsize, int max_count, size_t size) {
    bool ok = count >= 0 && count <= max_count;
    if (ok && count > 0)
        ok = recsize > 0 && recsize <= kRecordMax && offset >= LD_HEADER_SIZE &&
             static_cast<int64_t>(offset) + static_cast<int64_t>(count) * recsize <=
                 static_cast<int64_t>(size);
    if (!ok)
        Log_Line(std::string("level state: the ") + name + " section (" + std::to_string(count) +
                 " records of " + std::to_string(recsize) + " bytes at " + std::to_string(offset) +
                 ") does not fit the file of " + std::to_string(size) + " bytes");
    return ok;
}

template <typename T>
void Read_Records(const uint8_t* data, int count, int offset, int recsize, size_t ours,
                  void (*read)(const uint8_t*, T&), std::vector<T>& out) {
    std::vector<uint8_t> image;
    out.clear();
    out.reserve(static_cast<size_t>(count));
    for (int k = 0; k < count; ++k) {
        Bytes_RecordImage(data + offset + static_cast<size_t>(k) * recsize, static_cast<size_t>(recsize),
                          ours, image);
        out.emplace_back();
        read(image.data(), out.back());
    }
}

// The stamp a level-state file carries (bytes 60..63 of its header), 0 when unreadable.
int Stamp_Of(const std::string& file) {
    uint8_t head[LD_HEADER_SIZE];
    std::ifstream in(file, std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(head), sizeof head)) return 0;
    return Bytes_GetI32(head + 60);
}

// True when the level-state file is the one the slot's match file on disk belongs with.
bool Belongs_To_Match(int slot, const std::string& file) {
    uint8_t mch[MATCH_FILE_SIZE];
    std::ifstream in(Match_FileName(slot), std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(mch), sizeof mch)) return false;
    uint32_t stamp = Bytes_Hash(mch, sizeof mch);
    int stamp_of = Stamp_Of(file);
    return stamp_of != 0 && stamp_of == static_cast<int>(stamp == 0 ? 1 : stamp);
}

// Reads and decodes file; found is false when there is no such file.
bool Decode_File(const std::string& file, LD_File& out, bool& found) {
    std::vector<uint8_t> bytes;
    found = Paths_ReadFile(file, bytes, kLevelDataReadLimit);
    return found && LevelData_Decode(bytes.data(), bytes.size(), out);
}
} // namespace

std::string LevelData_OldName(int slot) {
    return Paths_SaveDir() + "/match_" + std::to_string(slot) + ".lvl.old";
}

void LevelData_Encode(uint32_t stamp, std::vector<uint8_t>& out) {
    out.assign(LD_HEADER_SIZE, 0);
    LD_Header h;
    h.pieces_offset = LD_HEADER_SIZE;
    h.piece_recsize = h.piece_rev_recsize = LD_PIECE_SIZE;
    h.path_recsize = LD_PATH_SIZE;
    h.item_recsize = LD_ITEM_SIZE;
    h.gun_recsize = LD_GUN_SIZE;
    for (const Piece* pc = Pieces.list_first; pc; pc = pc->list_next, ++h.pieces_count)
        LD_WritePiece(Piece_Record(*pc), Grow(out, LD_PIECE_SIZE));
    h.paths_offset = static_cast<int>(out.size());
    h.paths_count = Paths.count;
    for (int i = 0; i < Paths.count; ++i)
        LD_WritePath(Path_Record(Paths.pool[i]), Grow(out, LD_PATH_SIZE));
    h.items_offset = static_cast<int>(out.size());
    h.items_count = Items.count;
    for (int i = 0; i < Items.count; ++i)
        LD_WriteItem(Items.list[i], Grow(out, LD_ITEM_SIZE));
    h.gun_offset = static_cast<int>(out.size());
    LD_WriteGun(Gun_Record(), Grow(out, LD_GUN_SIZE));
    h.pieces_rev_offset = static_cast<int>(out.size());
    h.pieces_rev_count = Pieces.rev_count;
    for (int k = Pieces.rev_count - 1; k >= 0; --k)
        LD_WritePiece(Piece_Record(*Pieces.rev_queue[k]), Grow(out, LD_PIECE_SIZE));
    h.space5 = static_cast<int>(stamp == 0 ? 1 : stamp);
    LD_WriteHeader(h, out.data());
}

bool LevelData_Decode(const uint8_t* data, size_t size, LD_File& out) {
    out = LD_File{};
    if (size < 4) {
        Log_Line("level state: the file holds no header");
        return false;
    }
    int hs = Bytes_GetI32(data);
    if (hs >= LD_HEADER_SIZE + 1) {
        Log_Line("level header too big! aborting..");
        return false;
    }
    if (hs < 4 || static_cast<size_t>(hs) > size) {
        Log_Line("level state: header size " + std::to_string(hs) + " does not fit the file of " +
                 std::to_string(size) + " bytes");
        return false;
    }
    std::vector<uint8_t> image;
    Bytes_RecordImage(data, static_cast<size_t>(hs), LD_HEADER_SIZE, image);
    LD_Header& h = out.header;
    LD_ReadHeader(image.data(), h);
    if (!Section_Fits("pearl", h.pieces_count, h.pieces_offset, h.piece_recsize, PIECES_MAX, size) ||
        !Section_Fits("path", h.paths_count, h.paths_offset, h.path_recsize, PATHS_MAX, size) ||
        !Section_Fits("item", h.items_count, h.items_offset, h.item_recsize, ITEMS_MAX, size) ||
        !Section_Fits("roll-back", h.pieces_rev_count, h.pieces_rev_offset, h.piece_rev_recsize,
                      PIECES_MAX - h.pieces_count, size))
        return false;
    out.has_gun = h.gun_recsize > 0;
    if (out.has_gun && !Section_Fits("gun", 1, h.gun_offset, h.gun_recsize, 1, size)) return false;
    Read_Records(data, h.pieces_count, h.pieces_offset, h.piece_recsize, LD_PIECE_SIZE, LD_ReadPiece,
                 out.pieces);
    Read_Records(data, h.paths_count, h.paths_offset, h.path_recsize, LD_PATH_SIZE, LD_ReadPath, out.paths);
    Read_Records(data, h.items_count, h.items_offset, h.item_recsize, LD_ITEM_SIZE, LD_ReadItem, out.items);
    Read_Records(data, h.pieces_rev_count, h.pieces_rev_offset, h.piece_rev_recsize, LD_PIECE_SIZE,
                 LD_ReadPiece, out.rev);
    if (out.has_gun) {
        Bytes_RecordImage(data + h.gun_offset, static_cast<size_t>(h.gun_recsize), LD_GUN_SIZE, image);
        LD_ReadGun(image.data(), out.gun);
    }
    return true;
}

bool LevelData_Save(int slot, uint32_t stamp) {
    std::vector<uint8_t> bytes;
    LevelData_Encode(stamp, bytes);
    std::string file = LevelData_FileName(slot), old = LevelData_OldName(slot);
    // The state that belongs to the match file on disk stays readable under the old name
    // until the match file of the new one is in place. A state the match file doesn't name
    // (a save cut short) is simply replaced; the old copy is then still the right one.
    if (Belongs_To_Match(slot, file)) {
        unlink(old.c_str());
        if (link(file.c_str(), old.c_str()) != 0) std::rename(file.c_str(), old.c_str());
    }
    if (!Paths_WriteAtomic(file, bytes.data(), bytes.size())) {
        Log_Line("cant create level file!");
        return false;
    }
    return true;
}

bool LevelData_Load(int slot, uint32_t stamp) {
    int want = static_cast<int>(stamp == 0 ? 1 : stamp);
    std::string names[2] = {LevelData_FileName(slot), LevelData_OldName(slot)};
    bool any = false;
    for (const std::string& file : names) {
        LD_File ld;
        bool found = false;
        bool ok = Decode_File(file, ld, found);
        any = any || found;
        if (!found) continue;
        if (!ok) {
            Log_Line("level state " + file + " is damaged");
            std::rename(file.c_str(), (file + ".bad").c_str());
            continue;
        }
        if (ld.header.space5 != 0 && ld.header.space5 != want) continue; // another save's state
        if (!LevelData_Apply(ld)) continue;
        Log_Line("LevelData Loaded");
        return true;
    }
    if (!any) Log_Line("LevelData_Load(): cant open file!");
    Log_Line("LevelData_Load(): no level state of this match; the level starts afresh");
    return false;
}
