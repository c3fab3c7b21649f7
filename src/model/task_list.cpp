#include "model/task_list.h"

#include <algorithm>

#include "model/task_reader.h"
#include "model/text.h"
#include "model/text_services.h"

namespace krizovky {

std::vector<std::string> taskNamesOfLines(const std::vector<std::string>& lines) {
    std::vector<std::string> names;
    for (const auto& line : lines)
        if (isNameLine(line)) names.push_back(nameOfLine(line));
    return names;
}

std::vector<std::string> taskNamesOfText(std::string_view text) {
    std::vector<std::string> names;
    LineCursor cursor(text);
    for (std::string_view line; cursor.next(line);)
        if (isNameLine(line)) names.push_back(nameOfLine(line));
    return names;
}

std::vector<std::string> readTaskNames(const std::string& path) {
    return taskNamesOfText(readTaskFile(path));
}

std::vector<std::string> readTaskNames(Storage& storage, Place place, const std::string& name) {
    return taskNamesOfText(readTaskFile(storage, place, name));
}

bool czechCollationAvailable() {
    const TextServices* services = textServices();
    return services != nullptr && services->hasCzechOrder();
}

void sortTaskNames(std::vector<std::string>& names) {
    if (!czechCollationAvailable()) {
        std::stable_sort(names.begin(), names.end());
        return;
    }
    // Collate UTF-8 copies.
    std::vector<std::pair<std::string, std::size_t>> keyed;
    keyed.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        keyed.emplace_back(utf8FromCp1250(names[i]), i);
    const TextServices* services = textServices();
    std::stable_sort(keyed.begin(), keyed.end(), [services](const auto& a, const auto& b) {
        return services->compareNames(a.first, b.first) < 0;
    });
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (const auto& [key, index] : keyed)
        sorted.push_back(std::move(names[index]));
    names = std::move(sorted);
}

}  // namespace krizovky
