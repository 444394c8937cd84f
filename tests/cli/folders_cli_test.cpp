// The folders of a command-line call: its temporary folder, its own working
// files beside other instances', and what stays behind when it fails or is stopped.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <csignal>
#include <thread>

#include "base/instance_folder.h"
#include "document/demo_style.h"
#include "document/smf_builder.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

using namespace document;
using testing_support::runCli;
using testing_support::shellQuote;
using testing_support::TempDir;

namespace {

const std::string kDemo = std::string(CTABBER_SOURCE_DIR) + "/examples/Demo.sty";

std::string withTmpdir(const std::filesystem::path& tmpdir) { return "export TMPDIR=" + shellQuote(tmpdir) + "; "; }

// A style whose CASM section and add part tell it from the others.
base::Bytes numberedStyle(std::uint8_t n) {
    TrackBuilder b;
    b.text(0, 0x06, "Main A").event(0, {0x99, 36, n}).end(480);
    auto bytes = smfFile(0, 480, {b.bytes()});
    append(bytes, chunk("CASM", base::Bytes(64u + n, n)));
    append(bytes, chunk("OTSc", base::Bytes(32u * n, static_cast<std::uint8_t>(0x80 | n))));
    return bytes;
}

}  // namespace

TEST(CliFolders, AnUnusableTemporaryFolderStopsTheCallAndRemovesNothing) {
    TempDir dir;
    // A folder that is not there, and a plain file.
    auto missing = runCli({"info", kDemo}, withTmpdir(dir / "missing"));
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err.rfind("ctabber-cli: the temporary folder " + (dir / "missing").string() + " cannot be used: ", 0),
              0u)
        << missing.err;
    const auto plain = dir.writeText("plain", "x");
    EXPECT_EQ(runCli({"info", kDemo}, withTmpdir(plain)).status, 2);

    // A folder whose name leaves no room for ours: the user's files in it stay.
    constexpr std::size_t kLength = 4080;  // "/ctabber-cli.XXXXXX" passes the 4095 a path may have
    auto deep = dir.path();
    while (deep.string().size() < kLength - 200) deep /= std::string(200, 'd');
    deep /= std::string(kLength - deep.string().size() - 1, 'e');
    std::filesystem::create_directories(deep);
    const auto precious = deep / "p";
    ASSERT_TRUE(base::writeFileAtomic(precious, "keep me"));
    auto tooLong = runCli({"info", kDemo}, withTmpdir(deep));
    EXPECT_EQ(tooLong.status, 2);
    EXPECT_NE(tooLong.err.find("File name too long"), std::string::npos) << tooLong.err;
    EXPECT_TRUE(base::fileExists(precious));

    // With a program directory of its own the call needs no temporary folder.
    auto work = runCli({"info", kDemo, "--workdir", (dir / "work").string()}, withTmpdir(dir / "missing"));
    EXPECT_EQ(work.status, 0) << work.err;
}

TEST(CliFolders, EightSavesAtOnceThroughOneProgramFolderKeepTheirOwnPieces) {
    TempDir dir;
    const auto work = dir / "work";
    std::vector<std::vector<std::string>> calls;
    for (std::uint8_t n = 1; n <= 8; ++n) {
        const auto in = dir.write("in" + std::to_string(n) + ".prs", numberedStyle(n));
        calls.push_back({"save", in.string(), (dir / ("out" + std::to_string(n) + ".prs")).string(), "--workdir",
                         work.string()});
    }
    for (int round = 0; round < 2; ++round) {
        const auto results = testing_support::runCliTogether(calls);
        for (std::uint8_t n = 1; n <= 8; ++n) {
            SCOPED_TRACE("save " + std::to_string(n) + " of round " + std::to_string(round));
            EXPECT_EQ(results[n - 1u].status, 0) << results[n - 1u].err;
            EXPECT_TRUE(dir.read("out" + std::to_string(n) + ".prs") == numberedStyle(n)) << "another style's pieces";
        }
    }
    // Every call took its working folder with it.
    EXPECT_EQ(testing_support::listing(work), std::vector<std::string>{});
}

TEST(CliFolders, TheProgramFolderKeepsSettingsAndLosesOnlyWhatEndedInstancesLeft) {
    TempDir dir;
    const auto work = dir / "work";
    std::filesystem::create_directory(work);
    const std::string settings = "[Main]\nClearCasm=0\n";
    ASSERT_TRUE(base::writeFileAtomic(work / "Ctabber.INI", settings));
    // An instance that ended without cleaning up: its lock is free and no
    // process has its id.
    const auto ended = work / "#instance.999999999.abcdef";
    std::filesystem::create_directory(ended);
    ASSERT_TRUE(base::writeFileAtomic(ended / "#casm.csm", "old"));
    ASSERT_TRUE(base::writeFileAtomic(ended / "#lock", ""));
    // One that runs (this test holds its lock), and a folder of ours that
    // holds a file we did not make.
    std::string error;
    const auto running = base::InstanceFolder::make(work, error);
    ASSERT_TRUE(running) << error;
    const auto strange = work / "#instance.999999998.ghijkl";
    std::filesystem::create_directory(strange);
    ASSERT_TRUE(base::writeFileAtomic(strange / "#lock", ""));
    ASSERT_TRUE(base::writeFileAtomic(strange / "notes.txt", "mine"));

    auto info = runCli({"info", kDemo, "--workdir", work.string()});
    EXPECT_EQ(info.status, 0) << info.err;
    std::vector<std::string> left{"#instance.999999998.ghijkl", running->path().filename().string(), "Ctabber.INI"};
    std::sort(left.begin(), left.end());
    EXPECT_EQ(testing_support::listing(work), left);
    EXPECT_EQ(testing_support::listing(strange), std::vector<std::string>{"notes.txt"});
    EXPECT_EQ(base::readFile(work / "Ctabber.INI"), base::Bytes(settings.begin(), settings.end()));
}

TEST(CliFolders, ASizeLimitIsAWriteErrorAndStoppingTheToolLeavesNothingBehind) {
    TempDir dir;
    TrackBuilder b;
    for (int i = 0; i < 3000; ++i) b.event(1, {0x90, 60, 100});
    b.end();
    const auto in = dir.write("long.mid", smfFile(0, 480, {b.bytes()}));
    const auto target = dir / "copy.mid";
    auto limited = runCli({"save", in.string(), target.string()}, "ulimit -f 8; ");
    EXPECT_EQ(limited.status, 1);
    EXPECT_EQ(limited.err, "Write error\t" + target.string() + "\n");
    EXPECT_EQ(dir.listing(), std::vector<std::string>{"long.mid"});

    // SIGTERM while the tool waits to write to a pipe that is not read: its
    // temporary folder goes.
    const auto tmp = dir / "tmp";
    std::filesystem::create_directory(tmp);
    TrackBuilder big;
    for (int i = 0; i < 100000; ++i) big.event(1, {0x90, 60, 100});
    big.end();
    const auto longer = dir.write("longer.mid", smfFile(0, 480, {big.bytes()}));
    const auto pipe = dir / "output.mid";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const int unread = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(unread, 0);
    const int pid = testing_support::startCli({"save", longer.string(), pipe.string()}, {"TMPDIR=" + tmp.string()});
    // Waits until the call has made its folder and its working folder in it.
    const auto madeFolders = [&] {
        const auto made = testing_support::listing(tmp);
        return made.size() == 1 && !testing_support::listing(tmp / made.front()).empty();
    };
    for (int tries = 0; tries < 500 && !madeFolders(); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(madeFolders());
    ::kill(pid, SIGTERM);
    int raw = 0;
    ::waitpid(pid, &raw, 0);
    EXPECT_TRUE(WIFSIGNALED(raw) && WTERMSIG(raw) == SIGTERM);
    ::close(unread);
    EXPECT_EQ(testing_support::listing(tmp), std::vector<std::string>{});
}
