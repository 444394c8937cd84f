#pragma once
// Whole-file reads and all-or-nothing writes. A save writes what the user's
// file is, not a new file in its place: it follows symbolic links to the
// real file, keeps its mode and (where the system permits) its owner and
// group, and refuses a read-only target. A regular file with one name is
// replaced atomically (a temporary file beside it is renamed over it only
// when everything was written), so a failed save leaves it as it was and no
// partial file behind. A file with several hard links is written in place,
// with its full size reserved first, so all its names keep seeing it, and
// SIGINT, SIGTERM, SIGHUP and SIGQUIT wait until it is written whole; a
// terminal, /dev/null or a pipe that a program reads is written as a stream.
// Folders, sockets and block devices are refused.
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace base {

using Bytes = std::vector<std::uint8_t>;

// A regular file read whole. Devices, pipes, sockets and folders are refused
// before a byte is read, so a read never waits on a pipe without a writer or
// reads without end; so are files larger than the limit.
struct RegularFileRead {
    std::optional<Bytes> bytes;  // nothing when refused or unreadable
    bool tooLarge = false;       // refused for its size
};
RegularFileRead readRegularFile(const std::filesystem::path& path,
                                std::uintmax_t limit = std::numeric_limits<std::uintmax_t>::max());

// The whole regular file, or nothing when it cannot be opened or read or is
// no regular file (see readRegularFile).
std::optional<Bytes> readFile(const std::filesystem::path& path);

// The file behind `path` after following every symbolic link (the link's
// target may not exist yet); `path` itself when it is no link. Nothing for a
// loop of links.
std::optional<std::filesystem::path> resolveLinks(const std::filesystem::path& path);

// A save of one file, as described above. Until commit() nothing the user
// sees changes (but for streams); destroyed without commit, it removes its
// temporary file. A process ended by a signal that handleTermination() set
// up removes it too.
class AtomicFile {
public:
    explicit AtomicFile(std::filesystem::path target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool isOpen() const { return open_; }
    // Why the target is refused ("the file is read-only", ...) when isOpen()
    // is false because of the target itself; empty when its folder would not
    // take a new file.
    const std::string& refusal() const { return refusal_; }
    bool write(std::span<const std::uint8_t> bytes);
    bool write(std::string_view text);
    // Flushes and puts the bytes in place; false when any step failed (a
    // full disk or a file-size limit included), with the target unharmed
    // unless it is written in place or is a stream.
    bool commit();

private:
    enum class Kind { Replace, InPlace, Stream };
    // What the replacing file takes over from the file it replaces.
    struct Attributes {
        unsigned mode = 0;
        unsigned owner = 0;
        unsigned group = 0;
    };
    void openTemporary(const std::optional<Attributes>& keep);
    bool commitInPlace();

    std::filesystem::path target_;  // the real file, links followed
    std::filesystem::path temp_;
    Kind kind_ = Kind::Replace;
    int fd_ = -1;
    bool open_ = false;
    bool failed_ = false;
    int removalTicket_ = -1;
    Bytes pending_;  // the bytes of an in-place write, put there by commit()
    std::string refusal_;
};

// Writes `bytes` to `target` all or nothing.
bool writeFileAtomic(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);
bool writeFileAtomic(const std::filesystem::path& target, std::string_view text);

// Copies a file all or nothing; false when the source cannot be read.
bool copyFileAtomic(const std::filesystem::path& from, const std::filesystem::path& to);

bool fileExists(const std::filesystem::path& path);
// Deletes a file if it exists; false when anything stays under that name.
bool removeFile(const std::filesystem::path& path);

}  // namespace base
