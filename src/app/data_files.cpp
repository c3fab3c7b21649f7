#include "app/data_files.h"

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

}  // namespace krizovky
