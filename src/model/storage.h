#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace krizovky {

// Where a stored item belongs: the data files shipped beside the program
// (the combination table, the structures, the rules, the shipped tasks), the
// player's own data (own tasks), the state kept between starts (the record
// of results, the kept game, the games in progress), the configuration, and a
// file the player chose (a file dialog's answer, a tool's argument).
enum class Place { kShipped, kPlayerData, kState, kConfig, kChosen };

// A limit of read(): the whole item.
inline constexpr std::size_t kWholeItem = std::string::npos;

// The bytes the game keeps, by name within a place. On the desktop a name is
// a file's path (FileStorage); in memory the place and the name together are
// the key (MemoryStorage). Failures throw RunError with the texts of the file
// layer: "File not found" for an item that is not there, the system's text
// for any other failure.
class Storage {
  public:
    virtual ~Storage() = default;

    // The bytes of the item, at most limit of them; an item larger than
    // kMaxFileBytes read whole is refused with "File too large".
    virtual std::string read(Place place, const std::string& name,
                             std::size_t limit = kWholeItem) = 0;
    // Replaces the item with bytes at once: a write that fails leaves the
    // item as it was.
    virtual void replace(Place place, const std::string& name, std::string_view bytes) = 0;
    // The same through a work item of the given name, which the bytes go to
    // first and which then takes the item's place.
    virtual void replaceThrough(Place place, const std::string& name, const std::string& workName,
                                std::string_view bytes) = 0;
    // Whether the item is there, as a regular file on the desktop.
    virtual bool exists(Place place, const std::string& name) = 0;
    // Removes the item; nothing happens when it is not there or cannot go.
    virtual void remove(Place place, const std::string& name) = 0;
    // Sets a damaged item aside under a new name beside it ("name.damaged",
    // then "name.damaged-2", ...) and returns that name.
    virtual std::string setAside(Place place, const std::string& name) = 0;
    // A text that differs after any change of the item; "-" when it is not
    // there.
    virtual std::string stamp(Place place, const std::string& name) = 0;
    // Makes the folder that is to hold the item, with its missing parents,
    // where items live in folders.
    virtual void makeFolderFor(Place place, const std::string& name) = 0;
};

}  // namespace krizovky
