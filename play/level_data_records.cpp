// Byte layout of every record of the level-state file: one field table per record, walked by
// the writer and the reader alike. Reference slots and pad bytes are in no table, so they are
// written as 0 and never read.
#include <cmath>
#include "play/level_data.h"
#include "play/save_bytes.h"

namespace {
constexpr Rec_Field<Piece> PI(int off, int Piece::*m) {
    return {off, m, nullptr, nullptr};
}
constexpr Rec_Field<Piece> PF(int off, float Piece::*m) {
    return {off, nullptr, m, nullptr};
}
constexpr Rec_Field<Piece> PD(int off, double Piece::*m) {
    return {off, nullptr, nullptr, m};
}

const Rec_Field<Piece> kPieceFields[] = {
    PI(0, &Piece::z),
    PI(12, &Piece::color),
    PF(16, &Piece::x),
    PF(20, &Piece::y),
    PF(24, &Piece::x_old),
    PF(28, &Piece::y_old),
    PF(32, &Piece::img_crt),
    PI(36, &Piece::img_count),
    PI(40, &Piece::anim_timer),
    PI(44, &Piece::anim_period),
    PF(48, &Piece::anim_angle),
    PI(52, &Piece::shade_x),
    PI(56, &Piece::shade_y),
    PF(60, &Piece::scale),
    PF(64, &Piece::alpha),
    PI(68, &Piece::pt_crt),
    PI(72, &Piece::pt_crt_old),
    PI(76, &Piece::path_id),
    PF(80, &Piece::move_left_next_pt),
    PF(84, &Piece::move_next_pt),
    PF(88, &Piece::t),
    PD(96, &Piece::bz_dist),
    PD(104, &Piece::bz_dist_old),
    PF(112, &Piece::spd),
    PF(116, &Piece::angle),
    PF(120, &Piece::accel),
    PF(124, &Piece::deccel),
    PF(128, &Piece::spd_target),
    PF(132, &Piece::moved_on_frame),
    PF(136, &Piece::spd_free_move),
    PF(140, &Piece::spd_on_path),
    PF(144, &Piece::spd_insert),
    PI(148, &Piece::move_state),
    PI(152, &Piece::state),
    PI(156, &Piece::state_old),
    PF(160, &Piece::radius),
    PI(168, &Piece::pc_next_id),
    PI(176, &Piece::pc_prev_id),
    PI(180, &Piece::segm_dir),
    PI(184, &Piece::segm_dir_old),
    PI(188, &Piece::segm_id),
    PI(192, &Piece::segm_id_old),
    PI(196, &Piece::burst_id),
    PF(200, &Piece::insert_x),
    PF(204, &Piece::insert_y),
    PF(208, &Piece::insert_to_move),
    PI(212, &Piece::change_segm_cnt),
    PI(216, &Piece::id),
    PI(224, &Piece::pc_dummy_insert_id),
    PD(232, &Piece::angle_to_dummy),
    PD(240, &Piece::dist_to_dummy),
    PI(248, &Piece::dummy_reversed),
    PI(252, &Piece::pc_insert_id),
    PF(256, &Piece::gap_coef),
    PI(264, &Piece::dummy_pushing_me_id),
    PI(272, &Piece::mod0_id),
    PI(276, &Piece::special),
    PF(280, &Piece::special_bg_alpha),
    PI(284, &Piece::explode_delay),
    PI(288, &Piece::rev_clear_bodycount),
    PF(292, &Piece::in_hole_alpha),
    PF(296, &Piece::in_hole_scale),
    PF(300, &Piece::in_hole_scale_in),
    PI(304, &Piece::prev_died_in_hole),
    PI(308, &Piece::timer),
    PF(312, &Piece::data1),
};

const Rec_Field<LD_Path> kPathFields[] = {
    Field_I(0, &LD_Path::first_pc_id),
    Field_I(4, &LD_Path::last_pc_id),
    Field_I(8, &LD_Path::hole_pc_id),
    Field_I(12, &LD_Path::hole_pc2_id),
    Field_I(16, &LD_Path::alarm_pc_id),
    Field_I(20, &LD_Path::burst_crt),
    Field_I(24, &LD_Path::burst_pieces_left),
    Field_I(28, &LD_Path::burst_delay_cnt),
    Field_I(32, &LD_Path::burst_delay_pc_burst_id),
    Field_I(36, &LD_Path::burst_id),
    Field_I(40, &LD_Path::states),
    Field_I(44, &LD_Path::cnt_mods_disabled),
    Field_I(48, &LD_Path::alarm_active),
    Field_I(52, &LD_Path::alarm_timer_gen),
    Field_F(56, &LD_Path::alarm_pc_alpha),
};

const Rec_Field<Item> kItemFields[] = {
    Field_I(0, &Item::name),    Field_F(4, &Item::x),          Field_F(8, &Item::y),
    Field_F(12, &Item::img_id), Field_I(16, &Item::timer_die), Field_I(20, &Item::state),
    Field_F(24, &Item::scale),  Field_F(28, &Item::scale_max), Field_I(32, &Item::item_type),
    Field_I(36, &Item::img_dx), Field_I(40, &Item::img_dy),    Field_I(44, &Item::img_no),
    Field_I(48, &Item::score),
};

const Rec_Field<LD_Gun> kGunFields[] = {
    Field_I(0, &LD_Gun::angle),   Field_I(4, &LD_Gun::angle_dest),  Field_I(8, &LD_Gun::anim_timer),
    Field_I(12, &LD_Gun::pc_id),  Field_I(16, &LD_Gun::pc_next_id), Field_I(20, &LD_Gun::pc_switch_cnt),
    Field_I(24, &LD_Gun::firing),
};

const Rec_Field<LD_Header> kHeaderFields[] = {
    Field_I(0, &LD_Header::headersize),         Field_I(4, &LD_Header::pieces_count),
    Field_I(8, &LD_Header::pieces_offset),      Field_I(12, &LD_Header::piece_recsize),
    Field_I(16, &LD_Header::paths_count),       Field_I(20, &LD_Header::paths_offset),
    Field_I(24, &LD_Header::path_recsize),      Field_I(28, &LD_Header::items_count),
    Field_I(32, &LD_Header::items_offset),      Field_I(36, &LD_Header::item_recsize),
    Field_I(40, &LD_Header::gun_offset),        Field_I(44, &LD_Header::gun_recsize),
    Field_I(48, &LD_Header::pieces_rev_count),  Field_I(52, &LD_Header::pieces_rev_offset),
    Field_I(56, &LD_Header::piece_rev_recsize), Field_I(60, &LD_Header::space5),
};
} // namespace

void LD_WritePiece(const Piece& pc, uint8_t* out) {
    Rec_Write(kPieceFields, pc, out);
}
void LD_ReadPiece(const uint8_t* in, Piece& pc) {
    Rec_Read(kPieceFields, in, pc);
}

void LD_CopyPiece(const Piece& from, Piece& to) {
    for (const Rec_Field<Piece>& fd : kPieceFields) {
        if (fd.i) to.*fd.i = from.*fd.i;
        if (fd.f) to.*fd.f = from.*fd.f;
        if (fd.d) to.*fd.d = from.*fd.d;
    }
}

bool LD_PieceFinite(const Piece& pc) {
    for (const Rec_Field<Piece>& fd : kPieceFields) {
        if (fd.f && !std::isfinite(pc.*fd.f)) return false;
        if (fd.d && !std::isfinite(pc.*fd.d)) return false;
    }
    return true;
}

void LD_WritePath(const LD_Path& p, uint8_t* out) {
    Rec_Write(kPathFields, p, out);
}
void LD_ReadPath(const uint8_t* in, LD_Path& p) {
    Rec_Read(kPathFields, in, p);
}
void LD_WriteItem(const Item& it, uint8_t* out) {
    Rec_Write(kItemFields, it, out);
}
void LD_ReadItem(const uint8_t* in, Item& it) {
    Rec_Read(kItemFields, in, it);
}
void LD_WriteGun(const LD_Gun& g, uint8_t* out) {
    Rec_Write(kGunFields, g, out);
}
void LD_ReadGun(const uint8_t* in, LD_Gun& g) {
    Rec_Read(kGunFields, in, g);
}
void LD_WriteHeader(const LD_Header& h, uint8_t* out) {
    Rec_Write(kHeaderFields, h, out);
}
void LD_ReadHeader(const uint8_t* in, LD_Header& h) {
    Rec_Read(kHeaderFields, in, h);
}
