#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <string>

#include "batch/PageRollback.h"

namespace glimmet {
namespace {

// An existing page is taken for appending whatever an earlier failure left in errno.
TEST(PageRollback, AnExistingPageIsPreparedWhateverErrnoHolds) {
    const std::string path = ::testing::TempDir() + "glimmet_rollback_" + std::to_string(::getpid()) + ".htm";
    std::ofstream(path, std::ios::binary) << "old";
    errno = ENOENT;
    EXPECT_EQ(PageRollback().Prepare(path), "");
    std::remove(path.c_str());
}

}  // namespace
}  // namespace glimmet
