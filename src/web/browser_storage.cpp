#include "web/browser_storage.h"

#include "model/errors.h"
#include "model/file_layer.h"
#include "model/player_folders.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace krizovky {

std::string BrowserStorage::keyOf(Place place, const std::string& name) {
    static constexpr const char* kPlaces[] = {"shipped", "data", "state", "config", "chosen"};
    const std::string_view path = name.starts_with('/') ? std::string_view(name).substr(1) : name;
    return std::string("krizovky/") + kPlaces[static_cast<int>(place)] + "/" + std::string(path);
}

void BrowserStorage::putShipped(const std::string& name, std::string_view bytes) {
    visit_.replace(Place::kShipped, name, bytes);
}

void BrowserStorage::putChosen(const std::string& name, std::string_view bytes) {
    visit_.replace(Place::kChosen, name, bytes);
}

std::optional<BrowserStorage::Download> BrowserStorage::takeDownload() {
    std::optional<Download> download = std::move(download_);
    download_.reset();
    return download;
}

std::string BrowserStorage::read(Place place, const std::string& name, std::size_t limit) {
    if (!lasting(place)) return visit_.read(place, name, limit);
    std::optional<std::string> bytes = store_.get(keyOf(place, name));
    if (!bytes) throw RunError(kFileNotFound);
    if (limit == kWholeItem && bytes->size() > kMaxFileBytes) throw RunError("File too large");
    return bytes->substr(0, limit);
}

void BrowserStorage::replace(Place place, const std::string& name, std::string_view bytes) {
    if (name.empty()) throw RunError(kFileNotFound);
    if (!lasting(place)) {
        visit_.replace(place, name, bytes);
        if (place == Place::kChosen) download_ = Download{fileNameOf(name), std::string(bytes)};
        return;
    }
    if (!store_.put(keyOf(place, name), bytes)) throw RunError(kStoreFull);
}

void BrowserStorage::replaceThrough(Place place, const std::string& name, const std::string&,
                                    std::string_view bytes) {
    // Each item is written whole or not at all: no work item is needed.
    replace(place, name, bytes);
}

bool BrowserStorage::exists(Place place, const std::string& name) {
    if (!lasting(place)) return visit_.exists(place, name);
    return store_.get(keyOf(place, name)).has_value();
}

void BrowserStorage::remove(Place place, const std::string& name) {
    if (!lasting(place)) return visit_.remove(place, name);
    store_.remove(keyOf(place, name));
}

std::string BrowserStorage::setAside(Place place, const std::string& name) {
    if (!lasting(place)) return visit_.setAside(place, name);
    std::optional<std::string> bytes = store_.get(keyOf(place, name));
    if (!bytes) throw RunError(kFileNotFound);
    const std::string aside =
        setAsideName(name, [&](const std::string& taken) { return exists(place, taken); });
    if (!store_.put(keyOf(place, aside), *bytes)) throw RunError(kStoreFull);
    store_.remove(keyOf(place, name));
    return aside;
}

std::string BrowserStorage::stamp(Place place, const std::string& name) {
    if (!lasting(place)) return visit_.stamp(place, name);
    const std::optional<std::string> bytes = store_.get(keyOf(place, name));
    if (!bytes) return "-";
    // FNV-1a over the bytes, with their count: the item's content is its
    // stamp, since the store keeps no time of change.
    std::uint64_t hash = 14695981039346656037ull;
    for (const char byte : *bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ull;
    }
    return std::to_string(bytes->size()) + ":" + std::to_string(hash);
}

#ifdef __EMSCRIPTEN__

// clang-format off
EM_JS(int, krizovky_item_size, (const char* key), {
    try {
        const value = localStorage.getItem(UTF8ToString(key));
        return value == null ? -1 : value.length;
    } catch (e) {
        return -1;
    }
});

EM_JS(void, krizovky_item_read, (const char* key, unsigned char* buffer), {
    const value = localStorage.getItem(UTF8ToString(key));
    for (let i = 0; i < value.length; ++i) HEAPU8[buffer + i] = value.charCodeAt(i) & 255;
});

EM_JS(int, krizovky_item_write, (const char* key, const unsigned char* bytes, int length), {
    let value = "";
    for (let i = 0; i < length; i += 8192)
        value += String.fromCharCode.apply(null, HEAPU8.subarray(bytes + i, bytes + Math.min(i + 8192, length)));
    try {
        localStorage.setItem(UTF8ToString(key), value);
        return 1;
    } catch (e) {
        return 0;
    }
});

EM_JS(void, krizovky_item_remove, (const char* key), {
    try {
        localStorage.removeItem(UTF8ToString(key));
    } catch (e) {
    }
});
// clang-format on

std::optional<std::string> LocalStorageItems::get(const std::string& key) {
    const int size = krizovky_item_size(key.c_str());
    if (size < 0) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (size > 0) krizovky_item_read(key.c_str(), reinterpret_cast<unsigned char*>(bytes.data()));
    return bytes;
}

bool LocalStorageItems::put(const std::string& key, std::string_view bytes) {
    return krizovky_item_write(key.c_str(), reinterpret_cast<const unsigned char*>(bytes.data()),
                               static_cast<int>(bytes.size())) != 0;
}

void LocalStorageItems::remove(const std::string& key) {
    krizovky_item_remove(key.c_str());
}

#endif

}  // namespace krizovky
