#pragma once

#include <string>
#include <string_view>

namespace krizovky {

// What the game needs of a language library for names: the Czech alphabetical
// order and capitals. The desktop build gives ICU's, a WebAssembly build the
// JavaScript engine's (Intl); a build without either gets them from its
// front-end, installed at start-up.
class TextServices {
  public:
    virtual ~TextServices() = default;
    // False when the library has no Czech order after all (ICU without its
    // data): names are then sorted by their bytes.
    virtual bool hasCzechOrder() const = 0;
    // Below zero, zero or above zero as the UTF-8 name a comes before, with or
    // after b in the Czech alphabetical order.
    virtual int compareNames(std::string_view a, std::string_view b) const = 0;
    // The UTF-8 text in capitals, as Czech writes them.
    virtual std::string capitals(std::string_view utf8) const = 0;
};

// The services of the front-end, in place of the build's own; nullptr goes
// back to the build's own. Called before any other thread of the game starts;
// the services must outlive every use.
void installTextServices(const TextServices* services);

// The services installed, or the build's own (ICU's, Intl's); nullptr in a
// native build without ICU whose front-end has installed none.
const TextServices* textServices();

}  // namespace krizovky
