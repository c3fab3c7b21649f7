#pragma once

#include <string>

namespace krizovky {

// The names of the data files, formed from the path of the running executable.
struct DataFileNames {
    std::string programDir;   // up to and including the last "/", "\" or ":"; empty without one
    std::string programBase;  // up to and including the "." that begins the extension
    std::string structureFile;
    std::string combinationFile;
    std::string defaultTaskFile;
};

// An executable without an extension gets its whole path plus "." as the base,
// so "/opt/krizovky" finds "/opt/krizovky.DEF".
DataFileNames dataFileNames(const std::string& executablePath);

// The game program's path in the folder of executablePath: a program that
// lies beside the game under another name (krizovky-tool) reads the game's
// data files, krizovky.VZR and the rest, not files of its own name.
std::string gameProgramBeside(const std::string& executablePath);

}  // namespace krizovky
