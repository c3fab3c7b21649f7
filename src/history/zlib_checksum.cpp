// The desktop's CRC-32: zlib's.
#include <zlib.h>

#include "history/checksum.h"

namespace krizovky {

std::uint32_t crc32Of(std::string_view bytes) {
    return static_cast<std::uint32_t>(crc32(crc32(0, nullptr, 0),
                                            reinterpret_cast<const Bytef*>(bytes.data()),
                                            static_cast<uInt>(bytes.size())));
}

}  // namespace krizovky
