#pragma once

#include <map>
#include <string>

#include "model/storage.h"

namespace krizovky {

// The desktop's storage: the file system through the file layer. A name is a
// path, used as it is when it is absolute or when its place has no folder;
// a relative name of a place with a folder lies in that folder.
class FileStorage : public Storage {
  public:
    FileStorage() = default;
    // The folders of the places, each ending in "/".
    explicit FileStorage(std::map<Place, std::string> folders) : folders_(std::move(folders)) {}

    std::string read(Place place, const std::string& name, std::size_t limit = kWholeItem) override;
    void replace(Place place, const std::string& name, std::string_view bytes) override;
    void replaceThrough(Place place, const std::string& name, const std::string& workName,
                        std::string_view bytes) override;
    bool exists(Place place, const std::string& name) override;
    void remove(Place place, const std::string& name) override;
    std::string setAside(Place place, const std::string& name) override;
    std::string stamp(Place place, const std::string& name) override;
    void makeFolderFor(Place place, const std::string& name) override;

    // The path of a name within a place.
    std::string pathOf(Place place, const std::string& name) const;

  private:
    std::map<Place, std::string> folders_;
};

// The storage of a game that is given none: the file system, names as paths.
Storage& desktopStorage();

// The full path of the running executable, from /proc/self/exe; empty when the
// system does not tell it.
std::string executablePath();

}  // namespace krizovky
