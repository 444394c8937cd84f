#include "support/cli_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "support/temp_dir.h"

namespace testing_support {
namespace {

std::string quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

}  // namespace

CliResult runCli(const std::vector<std::string>& args) {
    TempDir capture;
    std::string command = quote(CTABBER_CLI);
    for (const auto& a : args) command += " " + quote(a);
    command += " >" + quote(capture.file("out").string()) + " 2>" + quote(capture.file("err").string()) + " </dev/null";
    const int raw = std::system(command.c_str());
    CliResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = slurp(capture.file("out"));
    result.err = slurp(capture.file("err"));
    return result;
}

}  // namespace testing_support
