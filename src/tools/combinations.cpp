#include "tools/combinations.h"

#include <charconv>
#include <cstdio>
#include <map>
#include <optional>

#include "app/combination_finder.h"
#include "model/digit_set.h"

namespace krizovky {
namespace {

int fail(const std::string& text) {
    std::fprintf(stderr, "krizovky-tool combinations: %s\n", text.c_str());
    return 1;
}

std::optional<int> numberOf(const std::string& text, int lowest, int highest) {
    int value = 0;
    const char* last = text.data() + text.size();
    auto [end, error] = std::from_chars(text.data(), last, value);
    if (text.empty() || end != last || error != std::errc() || value < lowest || value > highest)
        return std::nullopt;
    return value;
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
    std::map<std::string, std::string> options;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string& option = args[i];
        if (option != "--length" && option != "--sum" && option != "--with" &&
            option != "--without")
            return fail("unknown argument \"" + option + "\"");
        if (i + 1 == args.size()) return fail(option + " needs a value");
        if (!options.emplace(option, args[i + 1]).second) return fail(option + " given twice");
    }
    CombinationFilter filter;
    if (options.count("--length") != 0) {
        const auto length = numberOf(options["--length"], 1, 9);
        if (!length)
            return fail("--length is a whole number from 1 to 9, not \"" + options["--length"] +
                        "\"");
        filter.length = *length;
    }
    if (options.count("--sum") != 0) {
        const auto sum = numberOf(options["--sum"], 1, 45);
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
