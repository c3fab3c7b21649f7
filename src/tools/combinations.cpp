#include "tools/combinations.h"

#include <cstdio>
#include <map>
#include <optional>

#include "app/combination_finder.h"
#include "model/digit_set.h"
#include "tools/verb_options.h"

namespace krizovky {
namespace {

int fail(const std::string& text) {
    std::fprintf(stderr, "krizovky-tool combinations: %s\n", text.c_str());
    return 1;
}

// The digits 1..9 of "137", each once.
std::optional<DigitSet> digitsOf(const std::string& text) {
    DigitSet set = 0;
    for (char ch : text) {
        if (ch < '1' || ch > '9' || (set & digitBit(ch - '0')) != 0) return std::nullopt;
        set |= digitBit(ch - '0');
    }
    if (set == 0) return std::nullopt;
    return set;
}

}  // namespace

int printCombinations(const std::vector<std::string>& args) {
    const VerbOptions parsed = verbOptions(args, {"--length", "--sum", "--with", "--without"});
    if (!parsed.error.empty()) return fail(parsed.error);
    std::map<std::string, std::string> options = parsed.values;
    CombinationFilter filter;
    if (options.count("--length") != 0) {
        const auto length = wholeNumberOf(options["--length"], 1, 9);
        if (!length)
            return fail("--length is a whole number from 1 to 9, not \"" + options["--length"] +
                        "\"");
        filter.length = *length;
    }
    if (options.count("--sum") != 0) {
        const auto sum = wholeNumberOf(options["--sum"], 1, 45);
        if (!sum)
            return fail("--sum is a whole number from 1 to 45, not \"" + options["--sum"] + "\"");
        filter.sum = *sum;
    }
    for (const char* option : {"--with", "--without"}) {
        if (options.count(option) == 0) continue;
        const auto digits = digitsOf(options[option]);
        if (!digits)
            return fail(std::string(option) + " is digits 1 to 9, each once, not \"" +
                        options[option] + "\"");
        (std::string(option) == "--with" ? filter.required : filter.excluded) = *digits;
    }
    if (const DigitSet both = filter.required & filter.excluded; both != 0)
        return fail("--with and --without both name the digit " + std::to_string(digitOf(both)));
    for (const Combination& c : findCombinations(filter))
        std::printf("%d %d %s\n", c.digitCount, c.sum, c.digitText.c_str());
    return 0;
}

}  // namespace krizovky
