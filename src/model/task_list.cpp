#include "model/task_list.h"

#include <locale.h>

#include <algorithm>
#include <cstring>

#include "model/file_layer.h"
#include "model/task_reader.h"
#include "model/text.h"

namespace krizovky {
namespace {

locale_t czechLocale() {
    static locale_t locale = [] {
        for (const char* name : {"cs_CZ.UTF-8", "cs_CZ.utf8"}) {
            locale_t l = newlocale(LC_COLLATE_MASK | LC_CTYPE_MASK, name, static_cast<locale_t>(0));
            if (l != static_cast<locale_t>(0)) return l;
        }
        return static_cast<locale_t>(0);
    }();
    return locale;
}

}  // namespace

std::vector<std::string> taskNamesOfLines(const std::vector<std::string>& lines) {
    std::vector<std::string> names;
    for (const auto& line : lines)
        if (isNameLine(line)) names.push_back(nameOfLine(line));
    return names;
}

std::vector<std::string> readTaskNames(const std::string& path) {
    return taskNamesOfLines(splitLines(readFileBytes(path)));
}

bool czechCollationAvailable() { return czechLocale() != static_cast<locale_t>(0); }

void sortTaskNames(std::vector<std::string>& names) {
    locale_t locale = czechLocale();
    if (locale == static_cast<locale_t>(0)) {
        std::stable_sort(names.begin(), names.end());
        return;
    }
    // Collate on UTF-8 copies; names with a NUL byte compare up to it.
    std::vector<std::pair<std::string, std::size_t>> keyed;
    keyed.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) keyed.emplace_back(utf8FromCp1250(names[i]), i);
    std::stable_sort(keyed.begin(), keyed.end(), [locale](const auto& a, const auto& b) {
        return strcoll_l(a.first.c_str(), b.first.c_str(), locale) < 0;
    });
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (const auto& [key, index] : keyed) sorted.push_back(std::move(names[index]));
    names = std::move(sorted);
}

}  // namespace krizovky
