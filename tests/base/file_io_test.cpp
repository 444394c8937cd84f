#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <fstream>
#include <thread>

#include "base/file_io.h"
#include "base/termination.h"
#include "support/temp_dir.h"

using testing_support::TempDir;

namespace {

unsigned modeOf(const std::filesystem::path& p) {
    struct stat st {};
    ::stat(p.c_str(), &st);
    return st.st_mode & 07777u;
}

struct stat statOf(const std::filesystem::path& p) {
    struct stat st {};
    ::lstat(p.c_str(), &st);
    return st;
}

base::Bytes bytesOf(std::string_view text) { return base::Bytes(text.begin(), text.end()); }

}  // namespace

TEST(AtomicFile, ASaveKeepsModeOwnerAndLinks) {
    TempDir dir;
    // Mode: a private file stays private; a new file gets 0666 less the umask.
    const auto secret = dir.writeText("secret.sty", "old");
    ::chmod(secret.c_str(), 0600);
    ASSERT_TRUE(base::writeFileAtomic(secret, "new"));
    EXPECT_EQ(dir.readText("secret.sty"), "new");
    EXPECT_EQ(modeOf(secret), 0600u);
    const mode_t mask = ::umask(022);
    ::umask(mask);
    ASSERT_TRUE(base::writeFileAtomic(dir / "fresh.mid", "x"));
    EXPECT_EQ(modeOf(dir / "fresh.mid"), 0666u & ~mask);

    // Owner and group, where the system lets us give them (root).
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(secret.c_str(), 1234, 2345), 0);
        ASSERT_TRUE(base::writeFileAtomic(secret, "again"));
        EXPECT_EQ(statOf(secret).st_uid, 1234u);
        EXPECT_EQ(statOf(secret).st_gid, 2345u);
    }

    // Extended attributes: the user's own, and an access control list that
    // lets user 1234 read, where the file system takes them.
    const std::string origin = "https://example.org/styles/secret.sty";
    if (::setxattr(secret.c_str(), "user.xdg.origin.url", origin.data(), origin.size(), 0) == 0) {
        ASSERT_TRUE(base::writeFileAtomic(secret, "with attributes"));
        char got[100] = {};
        EXPECT_EQ(::getxattr(secret.c_str(), "user.xdg.origin.url", got, sizeof got), static_cast<ssize_t>(origin.size()));
        EXPECT_EQ(std::string(got), origin);
    }
    constexpr std::uint32_t kNoId = 0xFFFFFFFF;
    const std::uint32_t acl[] = {2,                        // version
                                 0x01 | 6u << 16, kNoId,  // owner rw-
                                 0x02 | 4u << 16, 1234,   // user 1234 r--
                                 0x04 | 0u << 16, kNoId,  // group ---
                                 0x10 | 4u << 16, kNoId,  // mask r--
                                 0x20 | 0u << 16, kNoId};  // other ---
    if (::setxattr(secret.c_str(), "system.posix_acl_access", acl, sizeof acl, 0) == 0) {
        ASSERT_TRUE(base::writeFileAtomic(secret, "with an access list"));
        std::uint32_t got[12] = {};
        EXPECT_EQ(::getxattr(secret.c_str(), "system.posix_acl_access", got, sizeof got), static_cast<ssize_t>(sizeof acl));
        EXPECT_EQ(std::memcmp(got, acl, sizeof acl), 0);
        EXPECT_EQ(modeOf(secret), 0640u);  // the group bits show the mask
    }

    // A symbolic link (relative, through a second link) stays a link and the
    // file it names gets the bytes.
    std::filesystem::create_directory(dir / "real");
    const auto real = dir.writeText("real/style.sty", "old");
    std::filesystem::create_symlink("real/style.sty", dir / "hop");
    std::filesystem::create_symlink("hop", dir / "link.sty");
    ASSERT_TRUE(base::writeFileAtomic(dir / "link.sty", "through"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.sty"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "hop"));
    EXPECT_EQ(dir.readText("real/style.sty"), "through");
    // A link to a file not there yet creates that file.
    std::filesystem::create_symlink("real/later.sty", dir / "dangling.sty");
    ASSERT_TRUE(base::writeFileAtomic(dir / "dangling.sty", "made"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "dangling.sty"));
    EXPECT_EQ(dir.readText("real/later.sty"), "made");

    // A file with two names is written in place: both names see the bytes.
    const auto first = dir.writeText("first.sty", "a longer old content");
    std::filesystem::create_hard_link(first, dir / "second.sty");
    ASSERT_TRUE(base::writeFileAtomic(dir / "second.sty", "short"));
    EXPECT_EQ(dir.readText("first.sty"), "short");
    EXPECT_EQ(statOf(first).st_nlink, 2u);
    EXPECT_EQ(statOf(first).st_ino, statOf(dir / "second.sty").st_ino);

    // No temporary file stays beside any of them.
    for (const auto& name : dir.listing()) EXPECT_NE(name.front(), '.') << name;
    for (const auto& name : testing_support::listing(dir / "real")) EXPECT_NE(name.front(), '.') << name;
}

TEST(AtomicFile, RefusesWhatItMustNotReplaceAndWritesPipesAsStreams) {
    TempDir dir;
    const auto locked = dir.writeText("locked.sty", "keep");
    ::chmod(locked.c_str(), 0444);
    base::AtomicFile readOnly(locked);
    EXPECT_FALSE(readOnly.isOpen());
    EXPECT_EQ(readOnly.refusal(), "the file is read-only");
    EXPECT_FALSE(base::writeFileAtomic(locked, "lost"));
    EXPECT_EQ(dir.readText("locked.sty"), "keep");

    std::filesystem::create_directory(dir / "folder.sty");
    base::AtomicFile folder(dir / "folder.sty");
    EXPECT_FALSE(folder.isOpen());
    EXPECT_EQ(folder.refusal(), "it is a folder");

    // A pipe nobody reads is refused at once; one that is read gets the bytes
    // and stays a pipe.
    const auto pipe = dir / "pipe.mid";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    base::AtomicFile unread(pipe);
    EXPECT_FALSE(unread.isOpen());
    EXPECT_EQ(unread.refusal(), "no program reads from this pipe");
    std::string received;
    std::thread reader([&] {
        std::ifstream in(pipe, std::ios::binary);
        received.assign(std::istreambuf_iterator<char>(in), {});
    });
    bool written = false;
    for (int tries = 0; tries < 500 && !written; ++tries) {
        base::AtomicFile stream(pipe);
        if (stream.isOpen()) written = stream.write("streamed") && stream.commit();
        else std::this_thread::sleep_for(std::chrono::milliseconds(10));  // the reader is not there yet
    }
    reader.join();
    EXPECT_TRUE(written);
    EXPECT_EQ(received, "streamed");
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));

    for (const auto& name : dir.listing()) EXPECT_NE(name.front(), '.') << name;
}

TEST(AtomicFile, LongNamesFitAndASizeLimitIsAFailedWriteWithNothingLeftOver) {
    TempDir dir;
    const std::string longest(255 - 4, 'n');
    ASSERT_TRUE(base::writeFileAtomic(dir / (longest + ".sty"), "fits"));
    EXPECT_EQ(dir.readText(longest + ".sty"), "fits");

    // Under a file-size limit the write fails instead of the process ending,
    // and neither a replaced nor a multiply linked target is harmed.
    const auto kept = dir.writeText("kept.sty", "old");
    const auto linked = dir.writeText("linked.sty", "old");
    std::filesystem::create_hard_link(linked, dir / "other-name.sty");
    const auto writeUnderALimit = [&] {
        base::handleTermination();
        const rlimit limit{1024, 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const base::Bytes big(4096, 0x55);
        const bool replaced = base::writeFileAtomic(kept, big);
        const bool inPlace = base::writeFileAtomic(linked, big);
        std::_Exit(!replaced && !inPlace ? 0 : 1);
    };
    EXPECT_EXIT(writeUnderALimit(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(dir.readText("kept.sty"), "old");
    EXPECT_EQ(dir.readText("linked.sty"), "old");
    EXPECT_EQ(dir.listing(), (std::vector<std::string>{"kept.sty", "linked.sty", longest + ".sty", "other-name.sty"}));
}

TEST(AtomicFile, ATerminatingSignalRemovesTheTemporaryFile) {
    TempDir dir;
    const auto target = dir.writeText("style.sty", "old");
    const auto stoppedWhileWriting = [&] {
        base::handleTermination();
        base::AtomicFile file(target);
        file.write(bytesOf("half of it"));
        std::raise(SIGTERM);
    };
    EXPECT_EXIT(stoppedWhileWriting(), ::testing::KilledBySignal(SIGTERM), "");
    EXPECT_EQ(dir.listing(), std::vector<std::string>{"style.sty"});
    EXPECT_EQ(dir.readText("style.sty"), "old");
}

// A signal taken by another thread while a scope defers termination waits
// for the scope to end; then what is registered goes and the signal ends the
// process.
TEST(TerminationDeferred, HoldsASignalToAnyThreadUntilTheScopeEnds) {
    TempDir dir;
    const auto registered = dir.writeText("#scratch", "x");
    const auto stoppedWhileDeferred = [&] {
        base::handleTermination();
        base::removeIfTerminated(registered);
        {
            const base::TerminationDeferred deferred;
            std::thread([] { ::kill(::getpid(), SIGTERM); }).join();
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            std::ofstream(dir / "after-the-signal") << "still running";
        }
        std::_Exit(0);
    };
    EXPECT_EXIT(stoppedWhileDeferred(), ::testing::KilledBySignal(SIGTERM), "");
    EXPECT_EQ(dir.listing(), std::vector<std::string>{"after-the-signal"});
}

// SIGTERM while a hard-linked file is written in place, sent by a thread
// that watches the new bytes arrive: the file is the whole new one, never
// the new bytes followed by the old tail.
TEST(AtomicFile, ATerminatingSignalWaitsForAnInPlaceWrite) {
    TempDir dir;
    constexpr std::size_t kOld = 32u << 20, kNew = 16u << 20;
    const auto target = dir / "linked.sty";
    ASSERT_TRUE(base::writeFileAtomic(target, base::Bytes(kOld, 'o')));
    std::filesystem::create_hard_link(target, dir / "other-name.sty");
    const auto stoppedWhileWriting = [&] {
        base::handleTermination();
        std::thread watcher([&] {
            const int fd = ::open(target.c_str(), O_RDONLY);
            char first = 'o';
            while (first == 'o') (void)!::pread(fd, &first, 1, 0);
            ::kill(::getpid(), SIGTERM);
        });
        watcher.detach();
        base::writeFileAtomic(target, base::Bytes(kNew, 'n'));
        std::this_thread::sleep_for(std::chrono::seconds(5));
        std::_Exit(0);
    };
    EXPECT_EXIT(stoppedWhileWriting(), ::testing::KilledBySignal(SIGTERM), "");
    const auto left = base::readFile(dir / "other-name.sty");
    ASSERT_TRUE(left);
    EXPECT_EQ(left->size(), kNew);
    EXPECT_EQ(std::count(left->begin(), left->end(), 'n'), static_cast<std::ptrdiff_t>(kNew));
}

TEST(FileIo, RemoveFileFailsWhileSomethingStaysUnderTheName) {
    TempDir dir;
    dir.writeText("gone.csm", "x");
    EXPECT_TRUE(base::removeFile(dir / "gone.csm"));
    EXPECT_TRUE(base::removeFile(dir / "never-there.csm"));
    std::filesystem::create_directory(dir / "stays.csm");
    dir.writeText("stays.csm/inside", "x");
    EXPECT_FALSE(base::removeFile(dir / "stays.csm"));
}
