#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace krizovky::ui {

// The library keeps every text as Windows-1250 bytes, as the task files hold
// them; the windows convert when they draw and when they hand a text back.
QString fromCp1250(std::string_view bytes);
std::string toCp1250(const QString& text);  // characters without a byte become "?"

// File paths are the file system's own bytes.
QString fromNativePath(const std::string& path);
std::string toNativePath(const QString& path);

// False when this Qt cannot convert Windows-1250 (built without ICU or iconv);
// the texts then show as Latin-1.
bool cp1250Available();

}  // namespace krizovky::ui
