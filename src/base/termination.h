#pragma once
// Files and folders a process makes for its own use (a save's temporary
// file, the working folder of an instance) are removed by the code that made
// them. When SIGINT, SIGTERM, SIGHUP or SIGQUIT ends the process first, the
// handlers that handleTermination() installs remove what is registered here,
// newest first, and then let the signal end the process as it would have.
// Registering and dropping may be called from any thread; the table holds a
// few dozen paths (what does not fit is not registered, and only a signal
// would leave it behind).
#include <filesystem>

namespace base {

// A registration; kNoTicket when the table was full or the path too long.
inline constexpr int kNoTicket = -1;

// `path` is removed (unlinked, or for a folder removed when it is empty) if
// a signal ends the process. Register a folder before the files in it.
int removeIfTerminated(const std::filesystem::path& path, bool folder = false);
// Drops a registration (the path was removed or kept); kNoTicket is ignored.
void keepIfTerminated(int ticket);

// Holds SIGINT, SIGTERM, SIGHUP and SIGQUIT back, in every thread of the
// process, while any of these lives: a signal that comes meanwhile ends the
// process (removing what is registered) when the last one ends. What is
// made and then registered in such a scope is never left half done, and a
// file written in place is either the old file or the whole new one. Only
// SIGKILL, which no program can hold back, still ends a scope midway.
class TerminationDeferred {
public:
    TerminationDeferred();
    ~TerminationDeferred();
    TerminationDeferred(const TerminationDeferred&) = delete;
    TerminationDeferred& operator=(const TerminationDeferred&) = delete;
};

// Installs the handlers, once per process, and ignores SIGXFSZ so that a
// file-size limit makes a write fail with EFBIG instead of ending the process.
void handleTermination();

}  // namespace base
