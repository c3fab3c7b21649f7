#include "model/code_page.h"

namespace krizovky {

#if KRIZOVKY_USE_ICONV
// In iconv_code_page.cpp.
const CodePageConverter& iconvCodePageConverter();
#endif

namespace {

const CodePageConverter* installed = nullptr;

}  // namespace

void installCodePageConverter(const CodePageConverter* converter) {
    installed = converter;
}

const CodePageConverter* codePageConverter() {
    if (installed != nullptr) return installed;
#if KRIZOVKY_USE_ICONV
    return &iconvCodePageConverter();
#else
    return nullptr;
#endif
}

}  // namespace krizovky
