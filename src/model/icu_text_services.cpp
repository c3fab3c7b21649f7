// The desktop's text services: ICU's Czech collation and capitals.
#include <unicode/locid.h>
#include <unicode/ucol.h>
#include <unicode/unistr.h>

#include <memory>

#include "model/text_services.h"

namespace krizovky {
namespace {

class IcuTextServices : public TextServices {
  public:
    // The Czech collation of ICU: digits before letters, "ch" after "h",
    // capitals next to their small letters. Opened once; nullptr when ICU has
    // no data.
    IcuTextServices() : collator_(nullptr, ucol_close) {
        UErrorCode status = U_ZERO_ERROR;
        UCollator* c = ucol_open("cs", &status);
        if (U_FAILURE(status)) {
            if (c) ucol_close(c);
            c = nullptr;
        }
        collator_.reset(c);
    }

    bool hasCzechOrder() const override { return collator_ != nullptr; }

    int compareNames(std::string_view a, std::string_view b) const override {
        if (collator_ == nullptr) return a.compare(b);
        UErrorCode status = U_ZERO_ERROR;
        UCollationResult order =
            ucol_strcollUTF8(collator_.get(), a.data(), static_cast<int32_t>(a.size()), b.data(),
                             static_cast<int32_t>(b.size()), &status);
        if (U_FAILURE(status)) return 0;
        return order == UCOL_LESS ? -1 : order == UCOL_GREATER ? 1 : 0;
    }

    std::string capitals(std::string_view utf8) const override {
        icu::UnicodeString text = icu::UnicodeString::fromUTF8(
            icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
        text.toUpper(icu::Locale("cs"));
        std::string result;
        text.toUTF8String(result);
        return result;
    }

  private:
    std::unique_ptr<UCollator, void (*)(UCollator*)> collator_;
};

}  // namespace

const TextServices& icuTextServices() {
    static const IcuTextServices services;
    return services;
}

}  // namespace krizovky
