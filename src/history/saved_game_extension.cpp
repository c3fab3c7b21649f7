#include "history/saved_game_extension.h"

#include <algorithm>

#include "history/checksum.h"
#include "history/notes.h"

namespace krizovky {
namespace {

constexpr std::string_view kMagic = "KRZX";
constexpr std::size_t kNotesAt = 10;
constexpr std::size_t kSecondsAt = kNotesAt + 2 * kBoardSize * kBoardSize;
constexpr std::size_t kChecksumAt = kSecondsAt + 4;

void put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint32_t get(std::string_view in, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(in[at + static_cast<std::size_t>(i)]);
    return value;
}

}  // namespace

bool startsExtensionBlock(std::string_view bytes) {
    return bytes.substr(0, kMagic.size()) == kMagic;
}

bool SavedGameExtras::empty() const {
    return seconds == 0 &&
           std::all_of(notes.begin(), notes.end(), [](DigitSet set) { return set == 0; });
}

std::string encodeExtensionBlock(const SavedGameExtras& extras) {
    if (extras.empty()) return {};
    std::string out(kMagic);
    put(out, kExtensionVersion, 2);
    put(out, kExtensionBlockSize, 4);
    for (DigitSet set : extras.notes)
        put(out, set & kNoteDigits, 2);
    put(out, extras.seconds, 4);
    put(out, crc32Of(out), 4);
    return out;
}

bool decodeExtensionBlock(std::string_view in, SavedGameExtras& extras, std::string& problem) {
    extras = {};
    if (in.empty()) return true;
    auto refuse = [&](const std::string& reason) {
        problem = reason;
        return false;
    };
    if (in.size() < kNotesAt || !startsExtensionBlock(in)) return refuse("rozšíření je neúplné");
    if (const auto version = get(in, 4, 2); version != kExtensionVersion)
        return refuse("rozšíření má neznámou verzi " + std::to_string(version));
    if (const auto length = get(in, 6, 4); length != kExtensionBlockSize)
        return refuse("rozšíření udává délku " + std::to_string(length) + " místo " +
                      std::to_string(kExtensionBlockSize));
    if (in.size() != kExtensionBlockSize)
        return refuse("rozšíření má " + std::to_string(in.size()) + " bajtů místo " +
                      std::to_string(kExtensionBlockSize));
    if (get(in, kChecksumAt, 4) != crc32Of(in.substr(0, kChecksumAt)))
        return refuse("rozšíření má chybný kontrolní součet");
    for (std::size_t i = 0; i < extras.notes.size(); ++i) {
        const auto set = get(in, kNotesAt + 2 * i, 2);
        if ((set & ~kNoteDigits) != 0) return refuse("rozšíření má neplatné poznámky");
        extras.notes[i] = static_cast<DigitSet>(set);
    }
    extras.seconds = get(in, kSecondsAt, 4);
    extras.hasBlock = true;
    return true;
}

}  // namespace krizovky
