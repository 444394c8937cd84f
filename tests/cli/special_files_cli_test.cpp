// Pipes without a writer where the tool reads a file: the document files of
// every command and the program folder's own files. Each is refused (or, for
// the program folder's files, passed over like a missing one) at once; a
// call still waiting after 10 s is killed, so that a fault fails the test
// instead of hanging it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "document/demo_style.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

using testing_support::runCli;
using testing_support::TempDir;

namespace {

constexpr int kKillAfter = 10;

}  // namespace

TEST(CliSpecialFiles, APipeIsRefusedAtOnceWhereverADocumentIsRead) {
    TempDir dir;
    const auto pipe = (dir / "waiting.sty").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const auto demo = dir.write("Demo.sty", document::demoStyle()).string();
    const auto out = (dir / "out.sty").string();
    const auto mid = (dir / "p.mid").string(), csm = (dir / "p.csm").string();
    ASSERT_EQ(runCli({"export", demo, "--mid", mid, "--csm", csm, "--add", (dir / "p.add").string()}).status, 0);
    const std::vector<std::vector<std::string>> calls = {
        {"info", pipe},
        {"events", pipe},
        {"save", pipe, out},
        {"transpose", pipe, out, "--by", "1", "--channel", "1"},
        {"select", pipe, "--kind", "1"},
        {"remove-banks", pipe, out},
        {"casm-assign", pipe, out, "--all", "ntr=1"},
        {"render", pipe, "--section", "Main A", "--out", (dir / "out.wav").string()},
        {"import", "--mid", pipe, "--csm", csm, out},
        {"import", "--mid", mid, "--csm", pipe, out},
    };
    for (const auto& call : calls) {
        const auto r = runCli(call, "", kKillAfter);
        EXPECT_TRUE(r.status == 1 || r.status == 2) << call[0] << " ended with " << r.status;
        // "info" shows its status panels, the others name the file.
        const bool said = r.err.find(pipe) != std::string::npos ||
                          (call[0] == "info" && r.out.find("Unable to open the file...") != std::string::npos);
        EXPECT_TRUE(said) << call[0] << ": " << r.out << r.err;
    }
    EXPECT_EQ(dir.listing(), (std::vector<std::string>{"Demo.sty", "p.add", "p.csm", "p.mid", "waiting.sty"}));
}

TEST(CliSpecialFiles, PipesNamedLikeTheProgramFolderFilesAreReadAsMissing) {
    TempDir dir;
    const auto demo = dir.write("Demo.sty", document::demoStyle()).string();
    const auto plain = dir / "plain";
    const auto piped = dir / "piped";
    std::filesystem::create_directory(plain);
    std::filesystem::create_directory(piped);
    for (const char* name : {"Ctabber.INI", "XGSystem.ini", "Control.INI", "Casm.INI"})
        ASSERT_EQ(::mkfifo((piped / name).c_str(), 0600), 0) << name;
    for (const char* command : {"info", "events"}) {
        const auto expected = runCli({command, demo, "--workdir", plain.string()});
        const auto r = runCli({command, demo, "--workdir", piped.string()}, "", kKillAfter);
        EXPECT_EQ(r.status, 0) << command << ": " << r.err;
        EXPECT_EQ(r.out, expected.out) << command;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(piped / "Ctabber.INI"));
}
