#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace krizovky::ui {

// Data of the files (task names, rows, the text editor's lines) stays the
// Windows-1250 bytes the files hold; the windows convert when they draw it and
// when they hand it back.
QString fromCp1250(std::string_view bytes);
std::string toCp1250(const QString& text);  // characters without a byte become "?"

// The program's own texts (messages, questions, captions) are UTF-8.
QString fromUtf8(std::string_view text);

// File paths are the file system's own bytes.
QString fromNativePath(const std::string& path);
std::string toNativePath(const QString& path);

// False when this Qt cannot convert Windows-1250 (built without ICU or iconv);
// the texts then show as Latin-1.
bool cp1250Available();

}  // namespace krizovky::ui
