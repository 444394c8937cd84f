#pragma once
// Command-line arguments: options ("--name value" or "--name=value") may
// stand before or after the positional arguments.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/workspace.h"

namespace cli {

// Exit statuses: the work ended as it should; the program's own message said
// it failed; a usage error or a file that cannot be opened.
inline constexpr int kOk = 0;
inline constexpr int kFailed = 1;
inline constexpr int kUsage = 2;

struct Args {
    std::string command;
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
    // The call's program directory and working folder, set by main() for
    // every command that needs them.
    const base::Workspace* workspace = nullptr;
    // The call as it was made, for a command that hands it to another program.
    char** argv = nullptr;

    std::optional<std::string> option(const std::string& name) const;
};

// Parses argv[1..]; `valueOptions` take a value, every other "--x" is a flag.
// Returns nothing on a malformed line (an option without its value).
std::optional<Args> parseArgs(int argc, char** argv);

// The workspace main() made for this call (see call_folders.h).
class CallWorkspace {
public:
    explicit CallWorkspace(const Args& args) : ws_(*args.workspace) {}
    const base::Workspace& workspace() const { return ws_; }

private:
    const base::Workspace& ws_;
};

// A whole number from `low` to `high`, or nothing.
std::optional<int> wholeNumber(std::string_view text, int low, int high);
// "--mute 2,10": the channel switches with those channels (1 to 16) off;
// nothing for any other text.
std::optional<std::uint16_t> switchesWithout(std::string_view list);

// Writes a cell for TAB-separated output: backslash, TAB, LF and CR escaped.
std::string escapeCell(std::string_view text);
// Prints "caption<TAB>text" on stdout (ok) or stderr (failure).
void printMessage(bool ok, const std::string& caption, const std::string& text);

}  // namespace cli
