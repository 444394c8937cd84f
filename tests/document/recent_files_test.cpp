#include <gtest/gtest.h>

#include "document/recent_files.h"
#include "support/temp_dir.h"

using namespace document;

TEST(RecentFiles, NewNamesShiftAndKnownNamesSwapWithTheFirst) {
    RecentFiles files{"a", "b", "c", "d"};
    addRecentFile(files, "c");
    EXPECT_EQ(files, (RecentFiles{"c", "b", "a", "d"}));
    addRecentFile(files, "c");
    EXPECT_EQ(files, (RecentFiles{"c", "b", "a", "d"}));
    addRecentFile(files, "C");  // exact, case-sensitive comparison
    EXPECT_EQ(files, (RecentFiles{"C", "c", "b", "a"}));
    EXPECT_EQ(recentMenuEntries({"x", "", "z", ""}), std::vector<std::string>{"x"});
}

TEST(CommandLine, JoinsArgumentsUntilAFileExists) {
    testing_support::TempDir dir;
    const auto spaced = dir.write("my style.sty", {1});
    const auto folder = dir.path().string();
    auto found = commandLineFile({folder + "/my", "style.sty", "br"});
    ASSERT_TRUE(found);
    EXPECT_EQ(found->name, spaced.string());
    EXPECT_TRUE(found->removeBanks);
    found = commandLineFile({spaced.string(), "BR"});
    ASSERT_TRUE(found);
    EXPECT_FALSE(found->removeBanks);
    EXPECT_FALSE(commandLineFile({folder + "/nothing", "here"}));
}
