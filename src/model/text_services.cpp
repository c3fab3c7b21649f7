#include "model/text_services.h"

namespace krizovky {

#if KRIZOVKY_USE_ICU
// In icu_text_services.cpp.
const TextServices& icuTextServices();
#elif defined(__EMSCRIPTEN__)
// In intl_text_services.cpp: the JavaScript engine's.
const TextServices& intlTextServices();
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
#elif defined(__EMSCRIPTEN__)
    return &intlTextServices();
#else
    return nullptr;
#endif
}

}  // namespace krizovky
