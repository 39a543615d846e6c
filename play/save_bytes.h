// Little-endian byte records of the saved match files: each record is described once by a
// table of fields (offset, kind, member) that both the writer and the reader walk, so the
// bytes on disk never depend on the compiler's layout of the in-memory record.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

// 32-bit little-endian two's complement and IEEE-754 values at a byte position.
void Bytes_PutI32(uint8_t* at, int32_t v);
void Bytes_PutF32(uint8_t* at, float v);
void Bytes_PutF64(uint8_t* at, double v);
int32_t Bytes_GetI32(const uint8_t* at);
float Bytes_GetF32(const uint8_t* at);
double Bytes_GetF64(const uint8_t* at);

// One field of record type T at a byte offset: exactly one of the three members is set.
template <typename T> struct Rec_Field {
    int offset = 0;
    int T::*i = nullptr;
    float T::*f = nullptr;
    double T::*d = nullptr;
};
template <typename T> constexpr Rec_Field<T> Field_I(int off, int T::*m) {
    return {off, m, nullptr, nullptr};
}
template <typename T> constexpr Rec_Field<T> Field_F(int off, float T::*m) {
    return {off, nullptr, m, nullptr};
}
template <typename T> constexpr Rec_Field<T> Field_D(int off, double T::*m) {
    return {off, nullptr, nullptr, m};
}

// Writes every field of rec into out[0 .. size); bytes no field covers stay as they are
// (callers hand in a zeroed buffer, so reference slots and pad bytes are written as 0).
template <typename T, size_t N> void Rec_Write(const Rec_Field<T> (&table)[N], const T& rec, uint8_t* out) {
    for (const Rec_Field<T>& fd : table) {
        if (fd.i) Bytes_PutI32(out + fd.offset, rec.*fd.i);
        if (fd.f) Bytes_PutF32(out + fd.offset, rec.*fd.f);
        if (fd.d) Bytes_PutF64(out + fd.offset, rec.*fd.d);
    }
}

// Reads every field of rec from a full-size record image in.
template <typename T, size_t N> void Rec_Read(const Rec_Field<T> (&table)[N], const uint8_t* in, T& rec) {
    for (const Rec_Field<T>& fd : table) {
        if (fd.i) rec.*fd.i = Bytes_GetI32(in + fd.offset);
        if (fd.f) rec.*fd.f = Bytes_GetF32(in + fd.offset);
        if (fd.d) rec.*fd.d = Bytes_GetF64(in + fd.offset);
    }
}

// A record of ours_size bytes taken from a stored record of stored_size bytes at data: a
// shorter stored record leaves the rest zero, a longer one is cut to ours (never read past).
void Bytes_RecordImage(const uint8_t* data, size_t stored_size, size_t ours_size,
                       std::vector<uint8_t>& image);

// 32-bit FNV-1a of a byte run (the stamp that pairs a level-state file with its match file).
uint32_t Bytes_Hash(const uint8_t* data, size_t size);
