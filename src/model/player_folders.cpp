#include "model/player_folders.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "model/errors.h"
#include "model/file_layer.h"

namespace krizovky {
namespace {

std::string folderOf(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    std::string base;
    if (value != nullptr && value[0] == '/') {
        base = value;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] != '/') return {};
        base = std::string(home) + fallback;
    }
    if (base.back() != '/') base += '/';
    return base + "krizovky/";
}

}  // namespace

std::string playerDataFolder() {
    return folderOf("XDG_DATA_HOME", "/.local/share");
}

std::string playerStateFolder() {
    return folderOf("XDG_STATE_HOME", "/.local/state");
}

void makeFolders(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (!part.empty() && ::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            throw RunError(std::strerror(errno));
        if (slash == std::string::npos) break;
    }
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0) throw RunError(std::strerror(errno));
    if (!S_ISDIR(status.st_mode)) throw RunError(std::strerror(ENOTDIR));
}

std::string setAsideName(const std::string& path) {
    return setAsideName(path, fileExists);
}

std::string setAsideName(const std::string& name,
                         const std::function<bool(const std::string&)>& taken) {
    std::string aside = name + ".damaged";
    for (int k = 2; taken(aside); ++k)
        aside = name + ".damaged-" + std::to_string(k);
    return aside;
}

std::string setAside(const std::string& path) {
    const std::string name = setAsideName(path);
    if (std::rename(path.c_str(), name.c_str()) != 0) throw RunError(std::strerror(errno));
    return name;
}

std::string folderOfFile(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

std::string fileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace krizovky
