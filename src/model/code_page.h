#pragma once

#include <string>
#include <string_view>

namespace krizovky {

enum class CodePage { kUtf8, kWindows1250 };

// The conversion between the files' code page, Windows-1250, and UTF-8, a
// library's: iconv of the C library on the desktop, the front-end's where
// there is no iconv.
class CodePageConverter {
  public:
    virtual ~CodePageConverter() = default;
    // The text in the code page from, converted to the code page to, into out.
    // An input sequence that cannot be converted is either reported (strict:
    // the conversion stops there and returns false) or becomes replacement
    // (the conversion goes on after it and returns false at the end). A
    // Windows-1250 byte stands alone; a UTF-8 sequence is skipped whole, its
    // lead byte with the continuation bytes after it.
    virtual bool convert(CodePage to, CodePage from, std::string_view in, std::string& out,
                         bool strict, std::string_view replacement) const = 0;
};

// The converter of the front-end, in place of the build's own; nullptr goes
// back to the build's own. Called before any other thread of the game starts;
// the converter must outlive every use.
void installCodePageConverter(const CodePageConverter* converter);

// The converter installed, or the build's own (iconv's); nullptr in a build
// without iconv whose front-end has installed none.
const CodePageConverter* codePageConverter();

}  // namespace krizovky
