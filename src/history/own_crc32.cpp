#include <array>

#include "history/checksum.h"

namespace krizovky {
namespace {

constexpr std::uint32_t kPolynomial = 0xEDB88320;

// The CRC of each byte value, the low bit first: eight steps of the division
// by the polynomial.
constexpr std::array<std::uint32_t, 256> crcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? kPolynomial ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kTable = crcTable();

}  // namespace

std::uint32_t ownCrc32(std::string_view bytes) {
    std::uint32_t c = 0xFFFFFFFF;
    for (char ch : bytes)
        c = kTable[(c ^ static_cast<unsigned char>(ch)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFF;
}

#if !KRIZOVKY_USE_ZLIB
std::uint32_t crc32Of(std::string_view bytes) {
    return ownCrc32(bytes);
}
#endif

}  // namespace krizovky
