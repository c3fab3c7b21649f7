// The text services of a WebAssembly build: the Czech collation and capitals
// of the JavaScript engine it runs in (Intl.Collator("cs") and
// toLocaleUpperCase("cs"), ICU's own data in a browser and in Node.js).
#include <emscripten.h>

#include <cstdlib>
#include <string>

#include "model/text_services.h"

// clang-format off
EM_JS(int, krizovky_has_czech_order, (), {
    try {
        return Intl.Collator.supportedLocalesOf(["cs"]).length > 0 ? 1 : 0;
    } catch (e) {
        return 0;
    }
});

EM_JS(int, krizovky_compare_names, (const char* a, int aLength, const char* b, int bLength), {
    if (!Module.czechCollator) Module.czechCollator = new Intl.Collator("cs");
    return Module.czechCollator.compare(UTF8ToString(a, aLength), UTF8ToString(b, bLength));
});

EM_JS(char*, krizovky_capitals, (const char* text, int length), {
    const upper = UTF8ToString(text, length).toLocaleUpperCase("cs");
    const size = lengthBytesUTF8(upper) + 1;
    const buffer = _malloc(size);
    stringToUTF8(upper, buffer, size);
    return buffer;
});
// clang-format on

namespace krizovky {
namespace {

class IntlTextServices : public TextServices {
  public:
    IntlTextServices() : czechOrder_(krizovky_has_czech_order() != 0) {}

    bool hasCzechOrder() const override { return czechOrder_; }

    int compareNames(std::string_view a, std::string_view b) const override {
        if (!czechOrder_) return a.compare(b);
        const int order = krizovky_compare_names(a.data(), static_cast<int>(a.size()), b.data(),
                                                 static_cast<int>(b.size()));
        return order < 0 ? -1 : order > 0 ? 1 : 0;
    }

    std::string capitals(std::string_view utf8) const override {
        char* upper = krizovky_capitals(utf8.data(), static_cast<int>(utf8.size()));
        std::string result(upper);
        std::free(upper);
        return result;
    }

  private:
    bool czechOrder_;
};

}  // namespace

const TextServices& intlTextServices() {
    static const IntlTextServices services;
    return services;
}

}  // namespace krizovky
