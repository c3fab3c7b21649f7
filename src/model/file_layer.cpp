#include "model/file_layer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "model/errors.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace krizovky {
namespace {

[[noreturn]] void fail(int error) {
    if (error == ENOENT || error == ENOTDIR) throw RunError(kFileNotFound);
    throw RunError(std::strerror(error));
}

#ifdef __EMSCRIPTEN__
// Node.js opens a named pipe only blocking, which would wait for a writer for
// ever: the pipe is read here through Node's own calls, without waiting to
// open, a moment at a time while a writer has nothing for it yet, up to limit
// bytes. The bytes land in a buffer of malloc's (*size of them), or nullptr
// with the error number in *error (the C library's own; 29 is EIO).
EM_JS(char*, readPipeThroughNode, (const char* path, double limit, double* size, int* error), {
    const fs = require("fs");
    let fd;
    try {
        fd = fs.openSync(UTF8ToString(path), fs.constants.O_RDONLY | fs.constants.O_NONBLOCK);
    } catch (e) {
        HEAP32[error >> 2] = (typeof ERRNO_CODES != "undefined" && ERRNO_CODES[e.code]) || 29;
        return 0;
    }
    const pause = new Int32Array(new SharedArrayBuffer(4));
    const chunks = [];
    let total = 0;
    const buffer = Buffer.alloc(65536);
    while (total < limit) {
        let n;
        try {
            n = fs.readSync(fd, buffer, 0, Math.min(buffer.length, limit - total), null);
        } catch (e) {
            if (e.code == "EAGAIN") {
                Atomics.wait(pause, 0, 0, 10);
                continue;
            }
            fs.closeSync(fd);
            HEAP32[error >> 2] = (typeof ERRNO_CODES != "undefined" && ERRNO_CODES[e.code]) || 29;
            return 0;
        }
        if (n == 0) break;
        chunks.push(Buffer.from(buffer.subarray(0, n)));
        total += n;
    }
    fs.closeSync(fd);
    const bytes = _malloc(total + 1);
    let at = bytes;
    for (const chunk of chunks) {
        HEAPU8.set(chunk, at);
        at += chunk.length;
    }
    HEAPF64[size >> 3] = total;
    return bytes;
});

std::string readPipe(const std::string& path, std::size_t limit) {
    double size = 0;
    int error = 0;
    const double most = static_cast<double>(std::min(limit, kMaxFileBytes + 1));
    char* bytes = readPipeThroughNode(path.c_str(), most, &size, &error);
    if (!bytes) fail(error);
    std::string text(bytes, static_cast<std::size_t>(size));
    std::free(bytes);
    if (text.size() > kMaxFileBytes) fail(EFBIG);
    return text;
}
#endif

WriteStep faultStep = WriteStep::kNone;
int faultError = 0;
int readFaultError = 0;

// The error number of an injected fault at this step, or 0.
int injected(WriteStep step) {
    return faultStep == step ? faultError : 0;
}

// Writes bytes to the open file fd (named temporary) and renames it over
// path; on failure the temporary file is removed.
void finishReplacing(int fd, const std::string& temporary, const std::string& path,
                     std::string_view bytes) {
    auto abandon = [&](int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        fail(error);
    };
    if (int error = injected(WriteStep::kWrite)) abandon(error);
    std::size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            abandon(errno);
        }
        written += static_cast<std::size_t>(n);
    }
    if (int error = injected(WriteStep::kFlush)) abandon(error);
    if (::fsync(fd) != 0) abandon(errno);
    int error = injected(WriteStep::kClose);
    // A close that fails may still have released the descriptor: it is not
    // closed a second time.
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        fail(error);
    }
    error = injected(WriteStep::kRename);
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        fail(error);
    }
}

}  // namespace

void injectWriteFault(WriteStep step, int error) {
    faultStep = step;
    faultError = error;
}

void injectReadFault(int error) {
    readFaultError = error;
}

std::string readFileBytes(const std::string& path) {
    return readFileStart(path, std::string::npos);
}

std::string readFileStart(const std::string& path, std::size_t limit) {
    if (path.empty()) throw RunError(kFileNotFound);
    if (readFaultError != 0) fail(readFaultError);
#ifdef __EMSCRIPTEN__
    if (struct stat named{}; ::stat(path.c_str(), &named) == 0 && S_ISFIFO(named.st_mode))
        return readPipe(path, limit);
#endif
    // Without O_NONBLOCK, opening a pipe would wait for a writer for ever.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) fail(errno);
    auto abandon = [fd](int error) {
        ::close(fd);
        fail(error);
    };
    struct stat st {};
    if (::fstat(fd, &st) != 0) abandon(errno);
    if (S_ISDIR(st.st_mode)) abandon(EISDIR);
    if (S_ISREG(st.st_mode) && static_cast<std::uintmax_t>(st.st_size) > kMaxFileBytes &&
        limit > kMaxFileBytes)
        abandon(EFBIG);
    // Reads wait for data again, as a pipe's reader expects.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) abandon(errno);
    std::string bytes;
    if (S_ISREG(st.st_mode))
        bytes.reserve(
            std::min(static_cast<std::size_t>(st.st_size), std::min(limit, kMaxFileBytes)));
    char buffer[65536];
    while (bytes.size() < limit) {
        const std::size_t wanted =
            std::min({sizeof buffer, limit - bytes.size(), kMaxFileBytes + 1 - bytes.size()});
        ssize_t n = ::read(fd, buffer, wanted);
        if (n < 0) {
            if (errno == EINTR) continue;
            abandon(errno);
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > kMaxFileBytes) abandon(EFBIG);
    }
    ::close(fd);
    return bytes;
}

void writeFileReplacing(const std::string& path, std::string_view bytes) {
    if (path.empty()) throw RunError(kFileNotFound);
    if (int error = injected(WriteStep::kCreate)) fail(error);
    std::string temporary = path + ".XXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) fail(errno);
    // mkstemp makes the file for its owner alone; a saved file is as readable
    // as any other file the user writes.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd, 0666 & ~mask) != 0) {
        int error = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        fail(error);
    }
    finishReplacing(fd, temporary, path, bytes);
}

void writeFileThrough(const std::string& path, const std::string& workPath,
                      std::string_view bytes) {
    if (path.empty() || workPath.empty()) throw RunError(kFileNotFound);
    if (int error = injected(WriteStep::kCreate)) fail(error);
    int fd = ::open(workPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) fail(errno);
    finishReplacing(fd, workPath, path, bytes);
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace krizovky
