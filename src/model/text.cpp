#include "model/text.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace krizovky {
namespace {

// One iconv conversion, run to the end of the input. An input sequence that
// cannot be converted is either reported (strict) or replaced and skipped.
bool convert(const char* to, const char* from, std::string_view in, std::string& out, bool strict,
             std::string_view replacement) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("no conversion from ") + from + " to " + to);
    out.clear();
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char buffer[512];
    bool ok = true;
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (rc != static_cast<std::size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        ok = false;
        if (strict) break;
        // EILSEQ or EINVAL: replace the offending input and go on after it. A
        // Windows-1250 byte stands alone; a UTF-8 sequence is skipped whole, its
        // lead byte with the continuation bytes after it.
        out.append(replacement);
        std::size_t step = 1;
        if (from == std::string_view("UTF-8"))
            while (step < inLeft && (static_cast<unsigned char>(inPtr[step]) & 0xC0) == 0x80)
                ++step;
        inPtr += step;
        inLeft -= step;
    }
    iconv_close(cd);
    return ok;
}

}  // namespace

std::string cp1250FromUtf8(std::string_view utf8) {
    std::string out;
    convert("WINDOWS-1250", "UTF-8", utf8, out, false, "?");
    return out;
}

bool tryCp1250FromUtf8(std::string_view utf8, std::string& out) {
    return convert("WINDOWS-1250", "UTF-8", utf8, out, true, "");
}

std::string utf8FromCp1250(std::string_view bytes) {
    std::string out;
    convert("UTF-8", "WINDOWS-1250", bytes, out, false, "\xEF\xBF\xBD");
    return out;
}

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos) end = bytes.size();
        std::size_t stop = end;
        if (stop > start && bytes[stop - 1] == '\r') --stop;
        lines.emplace_back(bytes.substr(start, stop - start));
        start = next;
    }
    return lines;
}

bool isBlankLine(std::string_view line) {
    for (char ch : line)
        if (static_cast<unsigned char>(ch) > ' ') return false;
    return true;
}

}  // namespace krizovky
