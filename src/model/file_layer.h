#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace krizovky {

// The whole content of a file as bytes. Throws RunError with "File not found"
// when nothing exists at the path, and with the system's own text for any
// other failure (no permission, a directory, a read error, a file larger
// than kMaxFileBytes). A pipe or a device is read up to that size too, and
// opening one never waits for a writer.
std::string readFileBytes(const std::string& path);

// Far more than any data file of the game holds (a task file of 100,000
// large tasks has some 40 MB); a file beyond it is refused with "File too
// large" instead of being taken into memory.
inline constexpr std::size_t kMaxFileBytes = std::size_t{256} << 20;

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
void writeFileThrough(const std::string& path, const std::string& workPath, std::string_view bytes);

bool fileExists(const std::string& path);

// For tests: the step of the next replacing writes that fails with the given
// error number, as a full disk or a lost folder would make it fail;
// WriteStep::kNone for none. kFlush is the wait for the data to reach the
// disk, kClose the closing of the new file.
enum class WriteStep { kNone, kCreate, kWrite, kFlush, kClose, kRename };
void injectWriteFault(WriteStep step, int error);

// For tests: the error number with which every following read of a file
// fails, as a file without read permission or a failing disk makes it fail;
// 0 for none.
void injectReadFault(int error);

}  // namespace krizovky
