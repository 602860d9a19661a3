#pragma once
// Little-endian numbers read from stored bytes (file headers), whatever the
// machine's byte order. The caller has checked that the bytes are there.
#include <cstdint>

inline std::uint32_t ReadU16(const std::uint8_t* p) {
    return p[0] | (p[1] << 8);
}
inline std::uint32_t ReadU32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline std::int32_t ReadI32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(ReadU32(p));
}
