#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace krizovky {

// The whole content of a file as bytes. Throws RunError with "File not found"
// when nothing exists at the path, and with the system's own text for any
// other failure (no permission, a directory, a read error).
std::string readFileBytes(const std::string& path);

// At most limit bytes from the start of a file, with the errors of
// readFileBytes: enough to tell a file that is too long without reading all
// of it.
std::string readFileStart(const std::string& path, std::size_t limit);

// Replaces the file at path with bytes. They are written to a new file beside
// it first, which then takes the old file's place, so a write that fails or
// is cut off leaves the earlier file as it was. Throws RunError with the
// system's text.
void writeFileReplacing(const std::string& path, std::string_view bytes);

// The same through a work file of a given name: bytes are written to
// workPath, which is then renamed over path. A failure removes the work file
// and leaves the file at path as it was.
void writeFileThrough(const std::string& path, const std::string& workPath,
                      std::string_view bytes);

bool fileExists(const std::string& path);

// For tests: the step of the next replacing writes that fails with the given
// error number, as a full disk or a lost folder would make it fail;
// WriteStep::kNone for none.
enum class WriteStep { kNone, kCreate, kWrite, kRename };
void injectWriteFault(WriteStep step, int error);

}  // namespace krizovky
