#include "model/memory_storage.h"

#include "model/errors.h"
#include "model/file_layer.h"
#include "model/player_folders.h"

namespace krizovky {

void MemoryStorage::put(const Key& key, std::string bytes) {
    items_[key] = {std::move(bytes), ++changes_};
}

std::string MemoryStorage::read(Place place, const std::string& name, std::size_t limit) {
    const auto item = items_.find({place, name});
    if (item == items_.end()) throw RunError(kFileNotFound);
    const std::string& bytes = item->second.bytes;
    if (limit == kWholeItem && bytes.size() > kMaxFileBytes) throw RunError("File too large");
    return bytes.substr(0, limit);
}

void MemoryStorage::replace(Place place, const std::string& name, std::string_view bytes) {
    if (name.empty()) throw RunError(kFileNotFound);
    if (writeError_) throw RunError(*writeError_);
    put({place, name}, std::string(bytes));
}

void MemoryStorage::replaceThrough(Place place, const std::string& name, const std::string&,
                                   std::string_view bytes) {
    // The work item would be gone again once the write is over, done or not.
    replace(place, name, bytes);
}

bool MemoryStorage::exists(Place place, const std::string& name) {
    return items_.count({place, name}) > 0;
}

void MemoryStorage::remove(Place place, const std::string& name) {
    items_.erase({place, name});
}

std::string MemoryStorage::setAside(Place place, const std::string& name) {
    const auto item = items_.find({place, name});
    if (item == items_.end()) throw RunError(kFileNotFound);
    const std::string aside =
        setAsideName(name, [&](const std::string& taken) { return exists(place, taken); });
    std::string bytes = std::move(item->second.bytes);
    items_.erase(item);
    put({place, aside}, std::move(bytes));
    return aside;
}

std::string MemoryStorage::stamp(Place place, const std::string& name) {
    const auto item = items_.find({place, name});
    return item == items_.end() ? "-" : std::to_string(item->second.change);
}

}  // namespace krizovky
