#pragma once
// Runs ctabber-cli and captures what it prints.
#include <string>
#include <vector>

namespace testing_support {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

CliResult runCli(const std::vector<std::string>& args);

}  // namespace testing_support
