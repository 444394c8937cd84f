#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <optional>

#include "base/instance_folder.h"
#include "base/termination.h"
#include "base/workspace.h"
#include "support/temp_dir.h"

using testing_support::TempDir;

namespace {

// Sets an environment variable for one test and restores it after.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) ::setenv(name, value->c_str(), 1);
        else ::unsetenv(name);
    }
    ~ScopedVariable() {
        if (old_) ::setenv(name_, old_->c_str(), 1);
        else ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

}  // namespace

TEST(Workspace, TheProgramDirectoryIsTheRealFolderOfTheExecutable) {
    TempDir dir;
    std::filesystem::create_directories(dir / "install/bin");
    const auto exe = dir.writeText("install/bin/ctabber", "");
    std::filesystem::create_directories(dir / "elsewhere");
    std::filesystem::create_symlink(exe, dir / "elsewhere/ctabber");
    ScopedVariable home("CTABBER_HOME", std::nullopt);
    ScopedVariable data("XDG_DATA_HOME", (dir / "data").string());

    // Started through a link, the program keeps its settings beside the executable.
    EXPECT_EQ(base::Workspace::locate(dir / "elsewhere/ctabber").dir(), dir / "install/bin");
    // A name that names no file falls back to the data folder.
    EXPECT_EQ(base::Workspace::locate("no-such-ctabber").dir(), dir / "data/ctabber");
    {
        ScopedVariable chosen("CTABBER_HOME", (dir / "chosen").string());
        EXPECT_EQ(base::Workspace::locate(exe).dir(), dir / "chosen");
    }
    // Working files are the working folder's; settings and names the program directory's.
    const base::Workspace ws(dir / "program", dir / "program/work");
    EXPECT_EQ(ws.casm(), dir / "program/work/#casm.csm");
    EXPECT_EQ(ws.scratch(), dir / "program/work/###.###");
    EXPECT_EQ(ws.settings(), dir / "program/Ctabber.INI");
    EXPECT_EQ(ws.file("XGSystem.ini"), dir / "program/XGSystem.ini");
}

TEST(InstanceFolder, EveryInstanceHasItsOwnFolderAndTakesItWithIt) {
    TempDir dir;
    std::string error;
    std::optional<base::InstanceFolder> first = base::InstanceFolder::make(dir.path(), error);
    auto second = base::InstanceFolder::make(dir.path(), error);
    ASSERT_TRUE(first && second) << error;
    EXPECT_NE(first->path(), second->path());
    const base::Workspace ws(dir.path(), first->path());
    ASSERT_TRUE(base::writeFileAtomic(ws.casm(), "CASM"));
    ASSERT_TRUE(base::writeFileAtomic(ws.casmAdd(), "add"));
    // A running instance's folder is never taken for an ended one's.
    EXPECT_EQ(base::InstanceFolder::removeEnded(dir.path()), 0);
    first.reset();
    EXPECT_EQ(dir.listing(), std::vector<std::string>{second->path().filename().string()});

    // A folder that cannot be made is a message, not a crash.
    EXPECT_FALSE(base::InstanceFolder::make(dir / "missing/folder", error));
    EXPECT_NE(error.find("Unable to make a working folder in"), std::string::npos) << error;

    // A terminating signal takes the working folder too.
    const auto stopped = [&] {
        base::handleTermination();
        std::string reason;
        const auto folder = base::InstanceFolder::make(dir / "third", reason);
        base::writeFileAtomic(folder->path() / "#casm.csm", "CASM");
        std::raise(SIGINT);
    };
    std::filesystem::create_directory(dir / "third");
    EXPECT_EXIT(stopped(), ::testing::KilledBySignal(SIGINT), "");
    EXPECT_EQ(testing_support::listing(dir / "third"), std::vector<std::string>{});
}
