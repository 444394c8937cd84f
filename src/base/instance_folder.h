#pragma once
// The working folder of one running instance (see workspace.h for why each
// instance has its own): "#instance.<pid>.XXXXXX" inside the program
// directory. The instance holds a lock on the file "#lock" in it while it
// runs; the lock goes with the process however it ends, so a folder whose
// lock can be taken belongs to an instance that is gone. Such folders are
// removed when the next instance starts. Only the files an instance makes
// there (the working files, their temporary save files and the lock) are
// removed: a folder holding anything else is left in place.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/workspace.h"

namespace base {

class InstanceFolder {
public:
    // Removes the folders of ended instances from `programDir` and makes this
    // instance's folder there. Nothing, with the reason in `error`, when it
    // cannot be made.
    static std::optional<InstanceFolder> make(const std::filesystem::path& programDir, std::string& error);

    InstanceFolder(InstanceFolder&& other) noexcept;
    InstanceFolder& operator=(InstanceFolder&&) = delete;
    InstanceFolder(const InstanceFolder&) = delete;
    // Removes the working files and the folder.
    ~InstanceFolder();

    const std::filesystem::path& path() const { return path_; }

    // Removes the folders of ended instances; returns how many went.
    static int removeEnded(const std::filesystem::path& programDir);

    static constexpr std::string_view kPrefix = "#instance.";
    static constexpr std::string_view kLockFile = "#lock";

private:
    InstanceFolder(std::filesystem::path path, int lockFd);

    std::filesystem::path path_;
    int lockFd_ = -1;
    int folderTicket_ = -1;  // registrations for removal on a terminating signal
    int lockTicket_ = -1;
    std::array<int, std::size(kWorkingFiles)> fileTickets_{};
};

}  // namespace base
