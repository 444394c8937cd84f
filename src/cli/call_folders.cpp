#include "cli/call_folders.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "app/termination.h"

namespace cli {
namespace {

// The folder std::filesystem::temp_directory_path() tries.
std::string namedTemporaryFolder() {
    for (const char* name : {"TMPDIR", "TMP", "TEMP", "TEMPDIR"})
        if (const char* value = std::getenv(name)) return value;
    return "/tmp";
}

}  // namespace

CallFolders::CallFolders(std::filesystem::path temporary, int temporaryTicket, app::InstanceFolder instance,
                         app::Workspace ws)
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
    other.temporaryTicket_ = app::kNoTicket;
    other.instance_.reset();
}

CallFolders::~CallFolders() {
    instance_.reset();  // the working folder goes before the folder holding it
    if (!temporary_.empty()) ::rmdir(temporary_.c_str());
    app::keepIfTerminated(temporaryTicket_);
}

std::optional<CallFolders> CallFolders::make(const Args& args, std::string& error) {
    // A signal while the folders are made would otherwise find one of them
    // made but not yet registered for removal.
    const app::TerminationDeferred deferred;
    std::filesystem::path programDir;
    std::filesystem::path temporary;
    int ticket = app::kNoTicket;
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
        ticket = app::removeIfTerminated(temporary, true);
    }
    auto instance = app::InstanceFolder::make(programDir, error);
    if (!instance) {
        if (!temporary.empty()) ::rmdir(temporary.c_str());
        app::keepIfTerminated(ticket);
        return std::nullopt;
    }
    app::Workspace ws(programDir, instance->path());
    return CallFolders(std::move(temporary), ticket, std::move(*instance), std::move(ws));
}

}  // namespace cli
