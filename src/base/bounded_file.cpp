#include "base/bounded_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "base/texts.h"

namespace base {
namespace {

BoundedFile refused(const std::filesystem::path& path, const Language& language, int captionId) {
    BoundedFile file;
    file.failure = Message{language.text(captionId), path.string(), Icon::Error, captionId, 0};
    return file;
}

}  // namespace

BoundedFile readBoundedFile(const std::filesystem::path& path, const Language& language, std::uintmax_t limit) {
    // Non-blocking, so opening a pipe without a writer returns at once and is
    // then refused as not a regular file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return refused(path, language, text::fileNotOpen);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return refused(path, language, text::fileNotOpen);
    }
    if (static_cast<std::uintmax_t>(info.st_size) > limit) {
        ::close(fd);
        return refused(path, language, text::fileTooLarge);
    }
    BoundedFile file;
    file.bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t have = 0;
    bool failed = false;
    // Reads until the end even when the file grew since fstat, but never past the limit.
    while (true) {
        if (have == file.bytes.size()) {
            if (have > limit) break;
            file.bytes.resize(std::min<std::uintmax_t>(have + 65536, limit + 1));
        }
        const auto n = ::read(fd, file.bytes.data() + have, file.bytes.size() - have);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            failed = true;
            break;
        }
        if (n == 0) break;
        have += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (failed) return refused(path, language, text::fileNotOpen);
    if (have > limit) return refused(path, language, text::fileTooLarge);
    file.bytes.resize(have);
    return file;
}

}  // namespace base
