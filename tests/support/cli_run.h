#pragma once
// Runs ctabber-cli and captures what it prints.
#include <string>
#include <vector>

namespace testing_support {

struct CliResult {
    int status = -1;  // the exit status; -1 when a signal ended the tool
    std::string out;
    std::string err;
};

// Runs the tool with `args`. `shellPrefix` stands before the command in the
// shell line: "TMPDIR=/x " sets a variable, "ulimit -f 2; " a limit. A tool
// still running after `killAfterSeconds` (when above 0) is killed: status 137.
CliResult runCli(const std::vector<std::string>& args, const std::string& shellPrefix = "", int killAfterSeconds = 0);
// Runs one call per element at the same time and waits for all of them.
std::vector<CliResult> runCliTogether(const std::vector<std::vector<std::string>>& calls);

// Starts the tool with `args` and `environment` ("NAME=value") added to
// ours, printing nowhere, and returns its process id without waiting.
int startCli(const std::vector<std::string>& args, const std::vector<std::string>& environment);

// A text quoted for the shell.
std::string shellQuote(const std::string& text);

}  // namespace testing_support
