#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "model/storage.h"

namespace krizovky {

// Items kept in memory, by place and name: for the tests, and for a build
// without a file system. Names are keys and nothing more: an item needs no
// folder.
class MemoryStorage : public Storage {
  public:
    std::string read(Place place, const std::string& name, std::size_t limit = kWholeItem) override;
    void replace(Place place, const std::string& name, std::string_view bytes) override;
    void replaceThrough(Place place, const std::string& name, const std::string& workName,
                        std::string_view bytes) override;
    bool exists(Place place, const std::string& name) override;
    void remove(Place place, const std::string& name) override;
    std::string setAside(Place place, const std::string& name) override;
    std::string stamp(Place place, const std::string& name) override;
    void makeFolderFor(Place, const std::string&) override {}

    // Every following replacing write fails with the text error, as a full
    // disk would make it fail, and leaves the item as it was; nullopt for
    // none.
    void failWrites(std::optional<std::string> error) { writeError_ = std::move(error); }

  private:
    struct Item {
        std::string bytes;
        std::uint64_t change = 0;  // the number of the change that wrote it
    };
    using Key = std::pair<Place, std::string>;
    void put(const Key& key, std::string bytes);

    std::map<Key, Item> items_;
    std::uint64_t changes_ = 0;
    std::optional<std::string> writeError_;
};

}  // namespace krizovky
