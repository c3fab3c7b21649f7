#pragma once

#include <cstdint>
#include <string_view>

namespace krizovky {

// The CRC-32 of the bytes (the reflected polynomial 0xEDB88320, as zip and PNG
// use it): zlib's in a build with zlib, ownCrc32 in one without.
std::uint32_t crc32Of(std::string_view bytes);

// The program's own CRC-32, the same value as zlib's, from a table computed
// at compile time.
std::uint32_t ownCrc32(std::string_view bytes);

}  // namespace krizovky
