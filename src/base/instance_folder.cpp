#include "base/instance_folder.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <system_error>

#include "base/termination.h"

namespace base {
namespace {

constexpr std::string_view kNewLockFile = "#lock.new";

// ".NAME.XXXXXX": the temporary file of a save of the working file NAME.
bool isTemporaryOfWorkingFile(std::string_view name) {
    if (name.size() < 2 || name.front() != '.') return false;
    name.remove_prefix(1);
    for (std::string_view file : kWorkingFiles)
        if (name.size() > file.size() + 1 && name.starts_with(file) && name[file.size()] == '.') return true;
    return false;
}

// Removes the files an instance makes in its folder, then the folder when
// that left it empty.
void removeInstanceFiles(const std::filesystem::path& folder) {
    for (std::string_view name : kWorkingFiles) ::unlink((folder / name).c_str());
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (isTemporaryOfWorkingFile(name) || name == kNewLockFile) ::unlink(entry.path().c_str());
    }
    ::unlink((folder / InstanceFolder::kLockFile).c_str());
    ::rmdir(folder.c_str());
}

// Whether the process whose id the folder's name carries is running here.
// Ids of another machine or container read as not running; the lock decides.
bool ownerRuns(std::string_view name) {
    name.remove_prefix(InstanceFolder::kPrefix.size());
    int pid = 0;
    const auto [end, problem] = std::from_chars(name.data(), name.data() + name.size(), pid);
    if (problem != std::errc() || pid <= 0) return false;
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

}  // namespace

InstanceFolder::InstanceFolder(std::filesystem::path path, int lockFd) : path_(std::move(path)), lockFd_(lockFd) {
    fileTickets_.fill(kNoTicket);
    // The folder first, so that a terminating signal removes it last.
    folderTicket_ = removeIfTerminated(path_, true);
    lockTicket_ = removeIfTerminated(path_ / kLockFile);
    for (std::size_t i = 0; i < fileTickets_.size(); ++i) fileTickets_[i] = removeIfTerminated(path_ / kWorkingFiles[i]);
}

InstanceFolder::InstanceFolder(InstanceFolder&& other) noexcept
    : path_(std::move(other.path_)),
      lockFd_(other.lockFd_),
      folderTicket_(other.folderTicket_),
      lockTicket_(other.lockTicket_),
      fileTickets_(other.fileTickets_) {
    other.path_.clear();
    other.lockFd_ = -1;
    other.folderTicket_ = other.lockTicket_ = kNoTicket;
    other.fileTickets_.fill(kNoTicket);
}

InstanceFolder::~InstanceFolder() {
    if (path_.empty()) return;
    removeInstanceFiles(path_);
    if (lockFd_ >= 0) ::close(lockFd_);
    for (int ticket : fileTickets_) keepIfTerminated(ticket);
    keepIfTerminated(lockTicket_);
    keepIfTerminated(folderTicket_);
}

std::optional<InstanceFolder> InstanceFolder::make(const std::filesystem::path& programDir, std::string& error) {
    const TerminationDeferred deferred;  // the folder is registered before a signal may end the process
    removeEnded(programDir);
    std::string pattern = (programDir / (std::string(kPrefix) + std::to_string(::getpid()) + ".XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        error = "Unable to make a working folder in " + programDir.string() + ": " + std::strerror(errno);
        return std::nullopt;
    }
    const std::filesystem::path folder = pattern;
    // The lock file appears under its name already locked, so an instance
    // cleaning up never takes a folder that is being made for one that ended.
    const auto fresh = folder / kNewLockFile;
    const int fd = ::open(fresh.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    const bool locked = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    if (!locked || ::rename(fresh.c_str(), (folder / kLockFile).c_str()) != 0) {
        error = "Unable to lock the working folder " + folder.string() + ": " + std::strerror(errno);
        if (fd >= 0) ::close(fd);
        removeInstanceFiles(folder);
        return std::nullopt;
    }
    return InstanceFolder(folder, fd);
}

int InstanceFolder::removeEnded(const std::filesystem::path& programDir) {
    int removed = 0;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(programDir, ec)) {
        const std::string name = entry.path().filename().string();
        // Only real folders of our naming: a link is never followed.
        if (!name.starts_with(kPrefix) || !entry.is_directory(ec) || entry.is_symlink(ec)) continue;
        const int fd = ::open((entry.path() / kLockFile).c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) continue;  // not (yet) an instance's folder
        // Both must say the instance is gone: its lock is free, and no process
        // of its id runs here.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && !ownerRuns(name)) {
            removeInstanceFiles(entry.path());
            ++removed;
        }
        ::close(fd);
    }
    return removed;
}

}  // namespace base
