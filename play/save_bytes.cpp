// Little-endian encoding of the saved match records.
#include "play/save_bytes.h"
#include <algorithm>

void Bytes_PutI32(uint8_t* at, int32_t v) {
    uint32_t u = static_cast<uint32_t>(v);
    for (int k = 0; k < 4; ++k)
        at[k] = static_cast<uint8_t>(u >> (8 * k));
}

void Bytes_PutF32(uint8_t* at, float v) {
    uint32_t u;
    std::memcpy(&u, &v, 4);
    Bytes_PutI32(at, static_cast<int32_t>(u));
}

void Bytes_PutF64(uint8_t* at, double v) {
    uint64_t u;
    std::memcpy(&u, &v, 8);
    for (int k = 0; k < 8; ++k)
        at[k] = static_cast<uint8_t>(u >> (8 * k));
}

int32_t Bytes_GetI32(const uint8_t* at) {
    uint32_t u = 0;
    for (int k = 0; k < 4; ++k)
        u |= static_cast<uint32_t>(at[k]) << (8 * k);
    return static_cast<int32_t>(u);
}

float Bytes_GetF32(const uint8_t* at) {
    uint32_t u = static_cast<uint32_t>(Bytes_GetI32(at));
    float v;
    std::memcpy(&v, &u, 4);
    return v;
}

double Bytes_GetF64(const uint8_t* at) {
    uint64_t u = 0;
    for (int k = 0; k < 8; ++k)
        u |= static_cast<uint64_t>(at[k]) << (8 * k);
    double v;
    std::memcpy(&v, &u, 8);
    return v;
}

void Bytes_RecordImage(const uint8_t* data, size_t stored_size, size_t ours_size,
                       std::vector<uint8_t>& image) {
    image.assign(ours_size, 0);
    std::memcpy(image.data(), data, std::min(stored_size, ours_size));
}

uint32_t Bytes_Hash(const uint8_t* data, size_t size) {
    uint32_t h = 2166136261u;
    for (size_t k = 0; k < size; ++k) {
        h ^= data[k];
        h *= 16777619u;
    }
    return h;
}
