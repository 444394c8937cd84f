#pragma once
// The folders of one command-line call, made before the command runs and
// removed when it ends (or when SIGINT or SIGTERM stops it):
// - with --workdir DIR, DIR is the program directory (settings, name files)
//   and the call gets its own working folder inside it, so calls running at
//   the same time, and the window, never share working files;
// - without, a new folder in the temporary folder ($TMPDIR) is both.
// Nothing else is ever removed: a temporary folder that cannot be made stops
// the call with a message instead of using $TMPDIR itself.
#include <filesystem>
#include <optional>
#include <string>

#include "base/instance_folder.h"
#include "base/workspace.h"
#include "cli/args.h"

namespace cli {

class CallFolders {
public:
    // Nothing, with the message in `error`, when a folder cannot be made.
    static std::optional<CallFolders> make(const Args& args, std::string& error);

    CallFolders(CallFolders&& other) noexcept;
    CallFolders& operator=(CallFolders&&) = delete;
    ~CallFolders();

    const base::Workspace& workspace() const { return ws_; }

private:
    CallFolders(std::filesystem::path temporary, int temporaryTicket, base::InstanceFolder instance,
                base::Workspace ws);

    std::filesystem::path temporary_;  // the folder made in $TMPDIR, or empty
    int temporaryTicket_;
    std::optional<base::InstanceFolder> instance_;
    base::Workspace ws_;
};

}  // namespace cli
