#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "model/memory_storage.h"
#include "model/storage.h"

namespace krizovky {

// The browser's own lasting store of items by key: localStorage in the
// page, a map in the tests.
class ItemStore {
  public:
    virtual ~ItemStore() = default;
    virtual std::optional<std::string> get(const std::string& key) = 0;
    // False when the store refuses the item (it is full); the old one stays.
    virtual bool put(const std::string& key, std::string_view bytes) = 0;
    virtual void remove(const std::string& key) = 0;
};

// Said when the browser's store refuses a write.
inline constexpr const char* kStoreFull = "Úložiště prohlížeče je plné.";

// The game's items in a browser. What belongs to the player (own tasks, the
// record, the kept games, the settings) lasts in the ItemStore under
// "krizovky/PLACE/NAME", each write replacing its item whole or not at all.
// The shipped data files, fetched by the page at start, and the files the
// player opens or downloads live in memory for the visit. A file the game
// writes as the player's choice ("&Ulož") waits in takeDownload() for the
// page to hand it to the browser.
class BrowserStorage : public Storage {
  public:
    explicit BrowserStorage(ItemStore& store) : store_(store) {}

    // The page's files, put before the game reads them.
    void putShipped(const std::string& name, std::string_view bytes);
    void putChosen(const std::string& name, std::string_view bytes);
    struct Download {
        std::string name;
        std::string bytes;
    };
    // The file written last as the player's choice, once; nothing when none
    // was written since.
    std::optional<Download> takeDownload();

    std::string read(Place place, const std::string& name, std::size_t limit = kWholeItem) override;
    void replace(Place place, const std::string& name, std::string_view bytes) override;
    void replaceThrough(Place place, const std::string& name, const std::string& workName,
                        std::string_view bytes) override;
    bool exists(Place place, const std::string& name) override;
    void remove(Place place, const std::string& name) override;
    std::string setAside(Place place, const std::string& name) override;
    std::string stamp(Place place, const std::string& name) override;
    void makeFolderFor(Place, const std::string&) override {}

  private:
    static bool lasting(Place place) { return place != Place::kShipped && place != Place::kChosen; }
    static std::string keyOf(Place place, const std::string& name);

    ItemStore& store_;
    MemoryStorage visit_;  // kShipped and kChosen
    std::optional<Download> download_;
};

#ifdef __EMSCRIPTEN__
// The page's localStorage, each item's bytes as a string of character codes
// 0 to 255.
class LocalStorageItems : public ItemStore {
  public:
    std::optional<std::string> get(const std::string& key) override;
    bool put(const std::string& key, std::string_view bytes) override;
    void remove(const std::string& key) override;
};
#endif

}  // namespace krizovky
