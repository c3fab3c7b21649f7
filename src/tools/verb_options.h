#pragma once

#include <charconv>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace krizovky {

// The words "--name value ..." after a verb, by name; error says the first
// word that is no allowed name, a name without its value or one given twice,
// as the verbs print it after their own name.
struct VerbOptions {
    std::map<std::string, std::string> values;
    std::string error;
};

inline VerbOptions verbOptions(const std::vector<std::string>& args,
                               std::initializer_list<std::string_view> allowed) {
    VerbOptions options;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string& option = args[i];
        bool known = false;
        for (const std::string_view name : allowed)
            known = known || option == name;
        if (!known)
            options.error = "unknown argument \"" + option + "\"";
        else if (i + 1 == args.size())
            options.error = option + " needs a value";
        else if (!options.values.emplace(option, args[i + 1]).second)
            options.error = option + " given twice";
        if (!options.error.empty()) return options;
    }
    return options;
}

// A whole number from lowest to highest written as it is, nothing else.
inline std::optional<int> wholeNumberOf(const std::string& text, int lowest, int highest) {
    int value = 0;
    const char* last = text.data() + text.size();
    auto [end, error] = std::from_chars(text.data(), last, value);
    if (text.empty() || end != last || error != std::errc() || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

}  // namespace krizovky
