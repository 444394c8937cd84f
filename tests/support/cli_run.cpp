#include "support/cli_run.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "support/temp_dir.h"

extern char** environ;

namespace testing_support {
namespace {

std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

int exitStatus(int raw) { return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1; }

}  // namespace

std::string shellQuote(const std::string& text) {
    std::string q = "'";
    for (char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

CliResult runCli(const std::vector<std::string>& args, const std::string& shellPrefix, int killAfterSeconds) {
    TempDir capture;
    std::string command = shellPrefix + "exec ";
    if (killAfterSeconds > 0) command += "timeout -s KILL " + std::to_string(killAfterSeconds) + " ";
    command += shellQuote(CTABBER_CLI);
    for (const auto& a : args) command += " " + shellQuote(a);
    command += " >" + shellQuote(capture.file("out").string()) + " 2>" + shellQuote(capture.file("err").string()) +
               " </dev/null";
    const int raw = std::system(command.c_str());
    CliResult result;
    result.status = exitStatus(raw);  // the shell became the tool: a signal shows as such
    result.out = slurp(capture.file("out"));
    result.err = slurp(capture.file("err"));
    return result;
}

int startCli(const std::vector<std::string>& args, const std::vector<std::string>& environment) {
    std::vector<std::string> words{CTABBER_CLI};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    std::vector<std::string> variables = environment;
    std::vector<char*> envp;
    for (auto& v : variables) envp.push_back(v.data());
    for (char** e = environ; *e; ++e) envp.push_back(*e);
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int started = posix_spawn(&pid, CTABBER_CLI, &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0) throw std::runtime_error("cannot start ctabber-cli");
    return pid;
}

std::vector<CliResult> runCliTogether(const std::vector<std::vector<std::string>>& calls) {
    TempDir capture;
    std::vector<pid_t> pids;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        std::vector<std::string> words{CTABBER_CLI};
        words.insert(words.end(), calls[i].begin(), calls[i].end());
        std::vector<char*> argv;
        for (auto& w : words) argv.push_back(w.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        const auto out = capture.file("out" + std::to_string(i)).string();
        const auto err = capture.file("err" + std::to_string(i)).string();
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        pid_t pid = 0;
        if (posix_spawn(&pid, CTABBER_CLI, &actions, nullptr, argv.data(), environ) != 0)
            throw std::runtime_error("cannot start ctabber-cli");
        posix_spawn_file_actions_destroy(&actions);
        pids.push_back(pid);
    }
    std::vector<CliResult> results(calls.size());
    for (std::size_t i = 0; i < pids.size(); ++i) {
        int raw = 0;
        ::waitpid(pids[i], &raw, 0);
        results[i].status = exitStatus(raw);
        results[i].out = slurp(capture.file("out" + std::to_string(i)));
        results[i].err = slurp(capture.file("err" + std::to_string(i)));
    }
    return results;
}

}  // namespace testing_support
