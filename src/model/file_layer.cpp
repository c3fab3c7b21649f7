#include "model/file_layer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "model/errors.h"

namespace krizovky {
namespace {

[[noreturn]] void fail(int error) {
    if (error == ENOENT || error == ENOTDIR) throw RunError(kFileNotFound);
    throw RunError(std::strerror(error));
}

}  // namespace

std::string readFileBytes(const std::string& path) {
    return readFileStart(path, std::string::npos);
}

std::string readFileStart(const std::string& path, std::size_t limit) {
    if (path.empty()) throw RunError(kFileNotFound);
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) fail(errno);
    std::string bytes;
    char buffer[65536];
    while (bytes.size() < limit) {
        ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, limit - bytes.size()));
        if (n < 0) {
            if (errno == EINTR) continue;
            int error = errno;
            ::close(fd);
            fail(error);
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

void writeFileReplacing(const std::string& path, std::string_view bytes) {
    if (path.empty()) throw RunError(kFileNotFound);
    std::string temporary = path + ".XXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) fail(errno);
    auto abandon = [&](int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        fail(error);
    };
    // mkstemp makes the file for its owner alone; a saved file is as readable
    // as any other file the user writes.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd, 0666 & ~mask) != 0) abandon(errno);
    std::size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            abandon(errno);
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) abandon(errno);
    if (::close(fd) != 0) {
        int error = errno;
        ::unlink(temporary.c_str());
        fail(error);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        int error = errno;
        ::unlink(temporary.c_str());
        fail(error);
    }
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace krizovky
