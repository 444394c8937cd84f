#include "base/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <random>
#include <string_view>
#include <system_error>

#include "base/termination.h"

namespace base {
namespace {

// The part of the target's name kept in the temporary name: "." + stem +
// "." + six characters stays well within the 255 bytes a name may have.
constexpr std::size_t kTemporaryStem = 200;
constexpr int kMaxLinks = 40;  // the kernel's own limit for one path

std::uint64_t randomNumber() {
    thread_local std::mt19937_64 engine{std::random_device{}()};
    return engine();
}

// Copies the extended attributes of `from` to the open file `to`: the
// user's own (user.*), an access control list (system.posix_acl_access) and
// whatever else the system lets us set. Like the owner, each is kept where
// permitted and silently left out where not.
void copyExtendedAttributes(const std::filesystem::path& from, int to) {
    std::string names(static_cast<std::size_t>(std::max<ssize_t>(::listxattr(from.c_str(), nullptr, 0), 0)), '\0');
    if (names.empty()) return;
    const ssize_t listed = ::listxattr(from.c_str(), names.data(), names.size());
    if (listed <= 0) return;
    names.resize(static_cast<std::size_t>(listed));
    std::vector<char> value;
    for (std::size_t at = 0; at < names.size();) {
        const auto end = names.find('\0', at);
        if (end == std::string::npos) break;
        const std::string name = names.substr(at, end - at);
        at = end + 1;
        const ssize_t size = ::getxattr(from.c_str(), name.c_str(), nullptr, 0);
        if (size < 0) continue;
        value.resize(static_cast<std::size_t>(size));
        const ssize_t got = ::getxattr(from.c_str(), name.c_str(), value.data(), value.size());
        if (got >= 0) (void)::fsetxattr(to, name.c_str(), value.data(), static_cast<std::size_t>(got), 0);
    }
}

// ".NAME.XXXXXX" with NAME cut to the stem length and six random characters.
std::string temporaryName(const std::string& base) {
    static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uint64_t random = randomNumber();
    std::string name;
    name.reserve(kTemporaryStem + 8);
    name.push_back('.');
    name.append(base, 0, std::min(base.size(), kTemporaryStem));
    name.push_back('.');
    for (int i = 0; i < 6; ++i) {
        name.push_back(kLetters[random % kLetters.size()]);
        random /= kLetters.size();
    }
    return name;
}

bool writeAllTo(int fd, const std::uint8_t* p, std::size_t left) {
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;  // EFBIG and ENOSPC included
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// Makes a rename durable: the folder's entry reaches the disk too.
void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

RegularFileRead readRegularFile(const std::filesystem::path& path, std::uintmax_t limit) {
    RegularFileRead read;
    // Non-blocking, so opening a pipe without a writer returns at once and is
    // then refused as not a regular file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return read;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return read;
    }
    if (static_cast<std::uintmax_t>(info.st_size) > limit) {
        ::close(fd);
        read.tooLarge = true;
        return read;
    }
    Bytes bytes(static_cast<std::size_t>(info.st_size));
    const std::uintmax_t ceiling = limit < std::numeric_limits<std::uintmax_t>::max() ? limit + 1 : limit;
    std::size_t have = 0;
    bool failed = false;
    // Reads until the end even when the file grew since fstat, but never past the limit.
    while (true) {
        if (have == bytes.size()) {
            if (have > limit) break;
            bytes.resize(static_cast<std::size_t>(std::min<std::uintmax_t>(have + 65536, ceiling)));
        }
        const auto n = ::read(fd, bytes.data() + have, bytes.size() - have);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            failed = true;
            break;
        }
        if (n == 0) break;
        have += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (failed) return read;
    if (have > limit) {
        read.tooLarge = true;
        return read;
    }
    bytes.resize(have);
    read.bytes = std::move(bytes);
    return read;
}

std::optional<Bytes> readFile(const std::filesystem::path& path) { return readRegularFile(path).bytes; }

std::optional<std::filesystem::path> resolveLinks(const std::filesystem::path& path) {
    std::filesystem::path at = path;
    for (int i = 0; i <= kMaxLinks; ++i) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(at, ec))) return at;
        const auto link = std::filesystem::read_symlink(at, ec);
        if (ec) return std::nullopt;
        at = link.is_absolute() ? link : at.parent_path() / link;
    }
    return std::nullopt;
}

AtomicFile::AtomicFile(std::filesystem::path target) {
    auto real = resolveLinks(target);
    if (!real) {
        refusal_ = "too many levels of symbolic links";
        return;
    }
    target_ = std::move(*real);
    struct stat st {};
    if (::stat(target_.c_str(), &st) != 0) {
        openTemporary(std::nullopt);  // a new file
        return;
    }
    if (S_ISDIR(st.st_mode)) {
        refusal_ = "it is a folder";
        return;
    }
    if (S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode)) {
        kind_ = Kind::Stream;
        // A pipe without a reader is refused at once instead of waiting for one.
        fd_ = ::open(target_.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd_ < 0) {
            refusal_ = errno == ENXIO ? "no program reads from this pipe" : std::strerror(errno);
            return;
        }
        ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
        open_ = true;
        return;
    }
    if (!S_ISREG(st.st_mode)) {
        refusal_ = "it is not a regular file";
        return;
    }
    // A file without any write permission is refused even where the system
    // would let us write it (as root): the user made it read-only.
    if ((st.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0) {
        refusal_ = "the file is read-only";
        return;
    }
    if (st.st_nlink > 1) {
        kind_ = Kind::InPlace;
        open_ = true;
        return;
    }
    openTemporary(Attributes{st.st_mode & 07777u, st.st_uid, st.st_gid});
}

void AtomicFile::openTemporary(const std::optional<Attributes>& keep) {
    const auto folder = target_.parent_path();
    const std::string base = target_.filename().string();
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        auto candidate = folder / temporaryName(base);
        // A new file gets what any new file gets (0666 less the umask); a
        // replacing one starts private and takes the old file's mode below.
        fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, keep ? 0600 : 0666);
        if (fd_ >= 0) temp_ = std::move(candidate);
        else if (errno != EEXIST) return;
    }
    if (fd_ < 0) return;
    removalTicket_ = removeIfTerminated(temp_);
    if (keep) {
        // Owner and group where the system permits (root; or a group the
        // user is in), then extended attributes; the mode last, as a change
        // of owner clears set-id bits.
        if (::fchown(fd_, keep->owner, keep->group) != 0) (void)!::fchown(fd_, static_cast<uid_t>(-1), keep->group);
        copyExtendedAttributes(target_, fd_);
        ::fchmod(fd_, keep->mode);
    }
    open_ = true;
}

AtomicFile::~AtomicFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!temp_.empty()) ::unlink(temp_.c_str());
    keepIfTerminated(removalTicket_);
}

bool AtomicFile::write(std::span<const std::uint8_t> bytes) {
    if (!open_ || failed_) return false;
    if (kind_ == Kind::InPlace) {
        pending_.insert(pending_.end(), bytes.begin(), bytes.end());
        return true;
    }
    if (!writeAllTo(fd_, bytes.data(), bytes.size())) failed_ = true;
    return !failed_;
}

bool AtomicFile::write(std::string_view text) {
    return write(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

bool AtomicFile::commit() {
    if (!open_ || failed_) return false;
    open_ = false;
    if (kind_ == Kind::InPlace) return commitInPlace();
    const bool synced = kind_ == Kind::Stream || ::fsync(fd_) == 0;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (!synced || !closed) return false;
    if (kind_ == Kind::Stream) return true;
    if (::rename(temp_.c_str(), target_.c_str()) != 0) return false;
    temp_.clear();
    keepIfTerminated(removalTicket_);
    removalTicket_ = -1;
    syncFolder(target_.parent_path());
    return true;
}

bool AtomicFile::commitInPlace() {
    // A signal now would leave the new bytes over part of the old file.
    const TerminationDeferred deferred;
    const int fd = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const auto size = static_cast<off_t>(pending_.size());
    // The whole new size is reserved before a byte of the old content
    // changes, so a full disk or a size limit fails with the file untouched.
    // A file system that cannot reserve space is written all the same.
    bool ok = true;
    if (size > 0) {
        const int reserved = ::posix_fallocate(fd, 0, size);
        ok = reserved == 0 || reserved == EINVAL || reserved == EOPNOTSUPP;
    }
    ok = ok && writeAllTo(fd, pending_.data(), pending_.size()) && ::ftruncate(fd, size) == 0 && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    return ok;
}

bool writeFileAtomic(const std::filesystem::path& target, std::span<const std::uint8_t> bytes) {
    AtomicFile file(target);
    return file.write(bytes) && file.commit();
}

bool writeFileAtomic(const std::filesystem::path& target, std::string_view text) {
    AtomicFile file(target);
    return file.write(text) && file.commit();
}

bool copyFileAtomic(const std::filesystem::path& from, const std::filesystem::path& to) {
    auto bytes = readFile(from);
    return bytes && writeFileAtomic(to, *bytes);
}

bool fileExists(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

bool removeFile(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
    // Whatever stays under the name (a file that could not be deleted, a
    // folder, an unreadable entry) counts as not removed.
    const auto left = std::filesystem::symlink_status(path, ec);
    return left.type() == std::filesystem::file_type::not_found;
}

}  // namespace base
