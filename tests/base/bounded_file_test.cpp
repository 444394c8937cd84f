#include "base/bounded_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "base/texts.h"
#include "support/temp_dir.h"

using namespace base;

namespace {

Bytes counting(std::size_t n) {
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<std::uint8_t>(i);
    return b;
}

}  // namespace

TEST(BoundedFile, RefusesFoldersDevicesPipesAndLargeFilesWithoutWaiting) {
    testing_support::TempDir dir;
    const auto& lang = builtinLanguage();
    const auto small = dir.write("small.csm", counting(100));
    const auto read = readBoundedFile(small, lang);
    ASSERT_FALSE(read.failure);
    EXPECT_EQ(read.bytes, counting(100));

    const auto pipe = dir / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const auto& path : {dir.path(), std::filesystem::path("/dev/zero"), pipe, dir / "missing.csm"}) {
        const auto refused = readBoundedFile(path, lang);
        ASSERT_TRUE(refused.failure) << path;
        EXPECT_EQ(refused.failure->caption, "File is not open");
        EXPECT_EQ(refused.failure->text, path.string());
        EXPECT_TRUE(refused.bytes.empty());
    }
    // Past the limit: refused before anything is read.
    const auto large = readBoundedFile(small, lang, 99);
    ASSERT_TRUE(large.failure);
    EXPECT_EQ(large.failure->captionId, text::fileTooLarge);
    EXPECT_EQ(large.failure->text, small.string());
    EXPECT_FALSE(readBoundedFile(small, lang, 100).failure);
}
