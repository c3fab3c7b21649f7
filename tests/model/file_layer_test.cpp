#include "model/file_layer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "model/errors.h"
#include "support/temp_dir.h"

namespace krizovky {
namespace {

TEST(ReadFile, TakesNothingBeyondTheLimitAndNeverWaitsForAWriter) {
    testing::TempDir dir;
    // A file past the limit is refused before it is read (a sparse file); an
    // endless device when it reaches the limit.
    const std::string huge = dir.write("huge.kri", "");
    std::filesystem::resize_file(huge, kMaxFileBytes + 1);
    for (const std::string& path : {huge, std::string("/dev/zero")}) {
        EXPECT_EQ(readFileStart(path, 3), std::string(3, '\0'));
        try {
            readFileBytes(path);
            ADD_FAILURE() << path << " was read whole";
        } catch (const RunError& e) {
            EXPECT_STREQ(e.what(), std::strerror(EFBIG));
        }
    }
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    EXPECT_EQ(readFileBytes(dir.file("pipe")), "");
}

}  // namespace
}  // namespace krizovky
