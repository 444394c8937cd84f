#include <gtest/gtest.h>

#include "base/file_io.h"
#include "names/controller_list.h"
#include "names/default_files.h"
#include "names/gm_tables.h"
#include "support/temp_dir.h"

TEST(GmTables, ShortTreeNamesFallBackToTheFullName) {
    EXPECT_EQ(names::gmGroupName(127 / 8), "SOUND EFFECTS");
    EXPECT_EQ(names::patchTreeName(3), "Honky-Tonk");
    EXPECT_EQ(names::patchTreeName(6), "Harpsichord");  // no short name
}

TEST(ControllerList, ReadsKeysInOrderAndFindsItemsByTheirLeadingNumber) {
    testing_support::TempDir dir;
    const base::Profile ini(dir.writeText("Control.INI", "[controllers]\n10=10 Pan\n0=0 Bank\n3=\n7=7 Volume\n255=91 Reverb\n"
                                                    "256=1 Beyond\nx=64 Sustain\n"));
    const auto items = names::controllerList(ini);
    EXPECT_EQ(items, (std::vector<std::string>{"0 Bank", "7 Volume", "10 Pan", "91 Reverb"}));
    EXPECT_EQ(names::itemIndexFor(items, 91), 3u);  // by the value's number, not the key
    EXPECT_EQ(names::itemIndexFor(items, 5), 0u);
    EXPECT_EQ(names::itemController("Pan"), -1);
    EXPECT_TRUE(names::controllerList(base::Profile(dir.path() / "none.ini")).empty());

    EXPECT_EQ(names::valueOfTrackPosition(0), 127);
    EXPECT_EQ(names::valueOfTrackPosition(127), 0);
    EXPECT_EQ(names::trackPositionOf(100), 27);
    EXPECT_EQ(names::typedControllerValue("64"), 64);
    EXPECT_EQ(names::typedControllerValue("abc"), 0);
    EXPECT_EQ(names::typedControllerValue("300"), 127);
    EXPECT_EQ(names::typedControllerValue("-4"), 0);

    const auto shipped = names::controllerList(base::Profile(std::filesystem::path(CTABBER_SOURCE_DIR) / "data/Control.INI"));
    ASSERT_GT(shipped.size(), 30u);
    EXPECT_EQ(shipped[names::itemIndexFor(shipped, 7)], "7 Volume");
}

TEST(DefaultNameFiles, CopiedWhenAbsentAndNeverOverAUsersFile) {
    testing_support::TempDir shipped, program;
    shipped.writeText("Control.INI", "[Controllers]\n7=7 Volume\n");
    shipped.writeText("Genre.INI", "[Genre]\n0=Pop\n");
    const base::Workspace ws(program.path());
    program.writeText("Genre.INI", "[Genre]\n0=Mine\n");
    const auto result = names::installNameFiles(ws, {program.path() / "missing", shipped.path()});
    EXPECT_EQ(result.copied, (std::vector<std::string>{"Control.INI"}));
    EXPECT_TRUE(result.failed.empty());
    EXPECT_EQ(program.readText("Control.INI"), "[Controllers]\n7=7 Volume\n");
    EXPECT_EQ(program.readText("Genre.INI"), "[Genre]\n0=Mine\n");
    EXPECT_FALSE(std::filesystem::exists(program.path() / "XGSystem.ini"));

    // The build's own data folder is found without any configuration.
    testing_support::TempDir fresh;
    const auto all = names::installNameFiles(base::Workspace(fresh.path()), names::shippedNameFileDirs({}));
    EXPECT_EQ(all.copied, (std::vector<std::string>{"Control.INI", "XGSystem.ini", "Genre.INI", "Deutsch.lng"}));
    const auto source = base::readFile(std::filesystem::path(CTABBER_SOURCE_DIR) / "data/XGSystem.ini");
    ASSERT_TRUE(source);
    EXPECT_EQ(fresh.readText("XGSystem.ini"), std::string(source->begin(), source->end()));
}
