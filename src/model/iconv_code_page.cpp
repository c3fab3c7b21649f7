// The desktop's code-page conversion: iconv of the C library.
#include <iconv.h>

#include <cerrno>
#include <stdexcept>

#include "model/code_page.h"

namespace krizovky {
namespace {

const char* iconvName(CodePage page) {
    return page == CodePage::kUtf8 ? "UTF-8" : "WINDOWS-1250";
}

class IconvCodePageConverter : public CodePageConverter {
  public:
    // One iconv conversion, run to the end of the input.
    bool convert(CodePage toPage, CodePage fromPage, std::string_view in, std::string& out,
                 bool strict, std::string_view replacement) const override {
        const char* to = iconvName(toPage);
        const char* from = iconvName(fromPage);
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
            // EILSEQ or EINVAL: replace the offending input and go on after it.
            out.append(replacement);
            std::size_t step = 1;
            if (fromPage == CodePage::kUtf8)
                while (step < inLeft && (static_cast<unsigned char>(inPtr[step]) & 0xC0) == 0x80)
                    ++step;
            inPtr += step;
            inLeft -= step;
        }
        iconv_close(cd);
        return ok;
    }
};

}  // namespace

const CodePageConverter& iconvCodePageConverter() {
    static const IconvCodePageConverter converter;
    return converter;
}

}  // namespace krizovky
