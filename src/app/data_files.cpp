#include "app/data_files.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

#include <cstdlib>
#endif

#include <unistd.h>

#include <vector>

namespace krizovky {
namespace {

bool isSeparator(char ch) {
    return ch == '/' || ch == '\\' || ch == ':';
}

}  // namespace

DataFileNames dataFileNames(const std::string& executablePath) {
    DataFileNames names;
    std::size_t nameStart = 0;
    for (std::size_t i = executablePath.size(); i > 0; --i) {
        if (isSeparator(executablePath[i - 1])) {
            nameStart = i;
            break;
        }
    }
    names.programDir = executablePath.substr(0, nameStart);
    std::size_t dot = executablePath.rfind('.');
    if (dot != std::string::npos && dot >= nameStart)
        names.programBase = executablePath.substr(0, dot + 1);
    else
        names.programBase = executablePath + ".";
    names.structureFile = names.programBase + "VZR";
    names.combinationFile = names.programBase + "DEF";
    names.defaultTaskFile = names.programBase + "KRI";
    return names;
}

std::string gameProgramBeside(const std::string& executablePath) {
    return dataFileNames(executablePath).programDir + "krizovky";
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
