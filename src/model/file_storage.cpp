#include "model/file_storage.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

#include <cstdlib>
#endif

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "model/file_layer.h"
#include "model/player_folders.h"

namespace krizovky {

std::string FileStorage::pathOf(Place place, const std::string& name) const {
    if (name.empty() || name.front() == '/') return name;
    const auto folder = folders_.find(place);
    return folder == folders_.end() ? name : folder->second + name;
}

std::string FileStorage::read(Place place, const std::string& name, std::size_t limit) {
    return readFileStart(pathOf(place, name), limit);
}

void FileStorage::replace(Place place, const std::string& name, std::string_view bytes) {
    writeFileReplacing(pathOf(place, name), bytes);
}

void FileStorage::replaceThrough(Place place, const std::string& name, const std::string& workName,
                                 std::string_view bytes) {
    writeFileThrough(pathOf(place, name), pathOf(place, workName), bytes);
}

bool FileStorage::exists(Place place, const std::string& name) {
    return fileExists(pathOf(place, name));
}

void FileStorage::remove(Place place, const std::string& name) {
    const std::string path = pathOf(place, name);
    if (!path.empty()) std::remove(path.c_str());
}

std::string FileStorage::setAside(Place place, const std::string& name) {
    const std::string path = pathOf(place, name);
    // The new name differs from the old one by its ending alone.
    return name + krizovky::setAside(path).substr(path.size());
}

std::string FileStorage::stamp(Place place, const std::string& name) {
    // The size and the time of the last change, to the nanosecond; the
    // replacing write makes a new file, whose number tells a change that the
    // clock's steps are too coarse to tell.
    struct stat status {};
    if (::stat(pathOf(place, name).c_str(), &status) != 0) return "-";
    return std::to_string(status.st_size) + "@" + std::to_string(status.st_mtim.tv_sec) + "." +
           std::to_string(status.st_mtim.tv_nsec) + "#" + std::to_string(status.st_ino);
}

void FileStorage::makeFolderFor(Place place, const std::string& name) {
    makeFolders(folderOfFile(pathOf(place, name)));
}

Storage& desktopStorage() {
    static FileStorage storage;
    return storage;
}

#ifdef __EMSCRIPTEN__
// Under Node.js the program is its script: the data files lie beside it.
EM_JS(char*, scriptPathOfProgram, (),
      { return allocateUTF8(typeof __filename == "undefined" ? "" : __filename); });

std::string executablePath() {
    char* path = scriptPathOfProgram();
    std::string result = path;
    std::free(path);
    return result;
}
#else
std::string executablePath() {
    std::vector<char> buffer(4096);
    for (;;) {
        ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) return {};
        if (static_cast<std::size_t>(n) < buffer.size()) return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 2);
    }
}
#endif

}  // namespace krizovky
