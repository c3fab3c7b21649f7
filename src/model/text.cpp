#include "model/text.h"

#include <stdexcept>

#include "model/code_page.h"

namespace krizovky {
namespace {

// One conversion by the converter of the build or the front-end.
bool convert(CodePage to, CodePage from, std::string_view in, std::string& out, bool strict,
             std::string_view replacement) {
    const CodePageConverter* converter = codePageConverter();
    if (converter == nullptr)
        throw std::runtime_error(std::string("no conversion from ") +
                                 (from == CodePage::kUtf8 ? "UTF-8" : "WINDOWS-1250") + " to " +
                                 (to == CodePage::kUtf8 ? "UTF-8" : "WINDOWS-1250"));
    return converter->convert(to, from, in, out, strict, replacement);
}

// True for valid UTF-8 that holds some multi-byte sequence: text that a
// Windows-1250 file with Czech letters is practically never.
bool isUtf8BeyondAscii(std::string_view bytes) {
    bool beyond = false;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t code = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > bytes.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = code << 6 | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are no UTF-8.
        if ((length == 3 && code < 0x800) || (length == 4 && code < 0x10000) ||
            (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return false;
        beyond = true;
        i += length;
    }
    return beyond;
}

}  // namespace

std::string cp1250FromUtf8(std::string_view utf8) {
    std::string out;
    convert(CodePage::kWindows1250, CodePage::kUtf8, utf8, out, false, "?");
    return out;
}

bool tryCp1250FromUtf8(std::string_view utf8, std::string& out) {
    return convert(CodePage::kWindows1250, CodePage::kUtf8, utf8, out, true, "");
}

std::string utf8FromCp1250(std::string_view bytes) {
    std::string out;
    convert(CodePage::kUtf8, CodePage::kWindows1250, bytes, out, false, "\xEF\xBF\xBD");
    return out;
}

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    LineCursor cursor(bytes);
    for (std::string_view line; cursor.next(line);)
        lines.emplace_back(line);
    return lines;
}

bool LineCursor::next(std::string_view& line) {
    if (start_ >= bytes_.size()) return false;
    std::size_t end = bytes_.find('\n', start_);
    const std::size_t following = end == std::string_view::npos ? bytes_.size() : end + 1;
    if (end == std::string_view::npos) end = bytes_.size();
    std::size_t stop = end;
    if (stop > start_ && bytes_[stop - 1] == '\r') --stop;
    line = bytes_.substr(start_, stop - start_);
    start_ = following;
    return true;
}

std::string windows1250Text(std::string bytes) {
    static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    const bool marked = std::string_view(bytes).starts_with(kByteOrderMark);
    if (!marked && !isUtf8BeyondAscii(bytes)) return bytes;
    std::string_view utf8(bytes);
    if (marked) utf8.remove_prefix(kByteOrderMark.size());
    std::string converted;
    if (!tryCp1250FromUtf8(utf8, converted)) return bytes;
    return converted;
}

bool isBlankLine(std::string_view line) {
    for (char ch : line)
        if (static_cast<unsigned char>(ch) > ' ') return false;
    return true;
}

}  // namespace krizovky
