#include "model/task_list.h"

#include <unicode/ucol.h>

#include <algorithm>
#include <memory>

#include "model/task_reader.h"
#include "model/text.h"

namespace krizovky {
namespace {

// The Czech collation of ICU: digits before letters, "ch" after "h", capitals
// next to their small letters. Opened once; nullptr when ICU has no data.
UCollator* czechCollator() {
    static std::unique_ptr<UCollator, void (*)(UCollator*)> collator = [] {
        UErrorCode status = U_ZERO_ERROR;
        UCollator* c = ucol_open("cs", &status);
        if (U_FAILURE(status)) {
            if (c) ucol_close(c);
            c = nullptr;
        }
        return std::unique_ptr<UCollator, void (*)(UCollator*)>(c, ucol_close);
    }();
    return collator.get();
}

}  // namespace

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

bool czechCollationAvailable() {
    return czechCollator() != nullptr;
}

void sortTaskNames(std::vector<std::string>& names) {
    UCollator* collator = czechCollator();
    if (collator == nullptr) {
        std::stable_sort(names.begin(), names.end());
        return;
    }
    // Collate UTF-8 copies.
    std::vector<std::pair<std::string, std::size_t>> keyed;
    keyed.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        keyed.emplace_back(utf8FromCp1250(names[i]), i);
    std::stable_sort(keyed.begin(), keyed.end(), [collator](const auto& a, const auto& b) {
        UErrorCode status = U_ZERO_ERROR;
        UCollationResult order =
            ucol_strcollUTF8(collator, a.first.data(), static_cast<int32_t>(a.first.size()),
                             b.first.data(), static_cast<int32_t>(b.first.size()), &status);
        return U_SUCCESS(status) && order == UCOL_LESS;
    });
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (const auto& [key, index] : keyed)
        sorted.push_back(std::move(names[index]));
    names = std::move(sorted);
}

}  // namespace krizovky
