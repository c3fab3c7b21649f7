#include "model/text_services.h"

namespace krizovky {

#if KRIZOVKY_USE_ICU
// In icu_text_services.cpp.
const TextServices& icuTextServices();
#endif

namespace {

const TextServices* installed = nullptr;

}  // namespace

void installTextServices(const TextServices* services) {
    installed = services;
}

const TextServices* textServices() {
    if (installed != nullptr) return installed;
#if KRIZOVKY_USE_ICU
    return &icuTextServices();
#else
    return nullptr;
#endif
}

}  // namespace krizovky
