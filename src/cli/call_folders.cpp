#include "cli/call_folders.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "base/termination.h"

namespace cli {
namespace {

// The folder std::filesystem::temp_directory_path() tries.
std::string namedTemporaryFolder() {
    for (const char* name : {"TMPDIR", "TMP", "TEMP", "TEMPDIR"})
        if (const char* value = std::getenv(name)) return value;
    return "/tmp";
}

}  // namespace

CallFolders::CallFolders(std::filesystem::path temporary, int temporaryTicket, base::InstanceFolder instance,
                         base::Workspace ws)
    : temporary_(std::move(temporary)),
      temporaryTicket_(temporaryTicket),
      instance_(std::move(instance)),
      ws_(std::move(ws)) {}

CallFolders::CallFolders(CallFolders&& other) noexcept
    : temporary_(std::move(other.temporary_)),
      temporaryTicket_(other.temporaryTicket_),
      instance_(std::move(other.instance_)),
      ws_(other.ws_) {
    other.temporary_.clear();
    other.temporaryTicket_ = base::kNoTicket;
    other.instance_.reset();
}

CallFolders::~CallFolders() {
    instance_.reset();  // the working folder goes before the folder holding it
    if (!temporary_.empty()) ::rmdir(temporary_.c_str());
    base::keepIfTerminated(temporaryTicket_);
}

std::optional<CallFolders> CallFolders::make(const Args& args, std::string& error) {
    // A signal while the folders are made would otherwise find one of them
    // made but not yet registered for removal.
    const base::TerminationDeferred deferred;
    std::filesystem::path programDir;
    std::filesystem::path temporary;
    int ticket = base::kNoTicket;
    if (const auto workdir = args.option("workdir")) {
        std::error_code ec;
        programDir = std::filesystem::absolute(*workdir, ec);  // the signal handler gets whole paths
        if (ec) programDir = *workdir;
        std::filesystem::create_directories(programDir, ec);
    } else {
        std::error_code ec;
        const auto tmp = std::filesystem::temp_directory_path(ec);
        if (ec) {
            error = "the temporary folder " + namedTemporaryFolder() + " cannot be used: " + ec.message();
            return std::nullopt;
        }
        std::string pattern = (tmp / "ctabber-cli.XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            error = "Unable to make a folder in the temporary folder " + tmp.string() + ": " + std::strerror(errno);
            return std::nullopt;
        }
        temporary = programDir = pattern;
        ticket = base::removeIfTerminated(temporary, true);
    }
    auto instance = base::InstanceFolder::make(programDir, error);
    if (!instance) {
        if (!temporary.empty()) ::rmdir(temporary.c_str());
        base::keepIfTerminated(ticket);
        return std::nullopt;
    }
    base::Workspace ws(programDir, instance->path());
    return CallFolders(std::move(temporary), ticket, std::move(*instance), std::move(ws));
}

}  // namespace cli
