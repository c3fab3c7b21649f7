#pragma once

#include <string>

namespace krizovky {

// The whole content of a file as bytes. Throws RunError with "File not found"
// when nothing exists at the path, and with the system's own text for any
// other failure (no permission, a directory, a read error).
std::string readFileBytes(const std::string& path);

bool fileExists(const std::string& path);

}  // namespace krizovky
