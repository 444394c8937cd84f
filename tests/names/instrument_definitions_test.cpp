#include <gtest/gtest.h>
#include <malloc.h>

#include <fstream>
#include <random>

#include "names/gm_tables.h"
#include "names/instrument_definitions.h"
#include "support/temp_dir.h"

using names::InsFile;
using names::InstrumentDefinitions;

namespace {

std::string lines(std::initializer_list<std::string_view> list) {
    std::string text;
    for (auto l : list) (text += l) += "\r\n";
    return text;
}

const std::string kDrums = lines({
    "; a comment",
    ".Patch Names",
    "[General MIDI]",
    "0=Grand Piano",
    "4 = Electric Piano",
    "[Drum Kits]",
    "0=Standard Kit",
    "25=Analog Kit",
    ".Instrument Definitions",
    "[My Keyboard]",
    "Patch[*]=General MIDI",
    "Patch[16256]=Drum Kits",
    "Patch[896]=Drum Kits",
});

}  // namespace

TEST(InsFile, LinesAreTrimmedAndLoseBlanksBeforeEqualsAndStopAtALongLine) {
    const std::string longLine(256, 'x');
    const auto file = InsFile::parse("  \tPatch[0]  \t= Set A \r\n\x01" "12=X\x02\n" + longLine + "\nafter\n");
    ASSERT_EQ(file.lines().size(), 2u);
    EXPECT_EQ(file.lines()[0], "Patch[0]= Set A");
    EXPECT_EQ(file.lines()[1], "12=X");
    EXPECT_EQ(names::lineValue(file.lines()[0]), "Set A");
    // Exactly 255 characters is still a line.
    EXPECT_EQ(InsFile::parse(std::string(255, 'y') + "\nz").lines().size(), 2u);
}

TEST(InsFile, BankLinesCompareWithTheirClosingBracketAndDefaultComesFromPatchStar) {
    const auto file = InsFile::parse(lines({".Instrument Definitions", "Patch[12]=X", "Patch[1]", "Patch[01]=Y",
                                            "Patch[*]=D1", "Patch[1]=Z", "Patch[*]=D2"}));
    auto one = file.findBank(1);
    EXPECT_TRUE(one.found);
    EXPECT_EQ(one.setName, "Z");  // not "X" (Patch[12]), not the line without a value, not Patch[01]
    EXPECT_EQ(one.defaultSetName, "D1");
    auto twelve = file.findBank(12);
    EXPECT_EQ(twelve.setName, "X");
    EXPECT_FALSE(twelve.defaultSeen);
    auto missing = file.findBank(2);
    EXPECT_FALSE(missing.found);
    EXPECT_EQ(missing.setName, "");
    EXPECT_EQ(missing.defaultSetName, "D2");
    // Bank lines before the section heading do not count.
    EXPECT_FALSE(InsFile::parse("Patch[3]=A\n.Instrument Definitions\n").findBank(3).found);
}

TEST(InsFile, PatchSetsEndAtBracketOrDotAndListsKeepFileOrder) {
    const auto file = InsFile::parse(kDrums);
    EXPECT_EQ(file.patchNameInSet("General MIDI", 4), "Electric Piano");
    EXPECT_EQ(file.patchNameInSet("General MIDI", 25), "");  // 25 belongs to the next set
    EXPECT_EQ(file.patchNameInSet("Drum Kits", 25), "Analog Kit");
    EXPECT_EQ(file.patchNameInSet("Drum", 0), "");
    EXPECT_EQ(file.setNames(), (std::vector<std::string>{"Drum Kits"}));  // no Patch[*], no Patch[896]
    EXPECT_TRUE(file.findBank(896).found);
    EXPECT_EQ(file.patchNames("Drum Kits"), (std::vector<std::string>{"Standard Kit", "Analog Kit"}));
    EXPECT_EQ(file.bankOfSetName("Drum Kits"), 16256);
    EXPECT_EQ(file.bankOfSetName("General MIDI"), 0);  // the Patch[*] line
    EXPECT_EQ(file.bankOfSetName("Nothing"), -1);
    EXPECT_EQ(file.programOfPatchName("Drum Kits", "Analog Kit"), 25);
    EXPECT_EQ(file.programOfPatchName("General MIDI", "Analog Kit"), -1);
    EXPECT_EQ(file.programOfPatchName("Missing", "Analog Kit"), -1);
}

TEST(InstrumentDefinitions, PatchNameFollowsBankDefaultAndGmFallback) {
    testing_support::TempDir dir;
    InstrumentDefinitions defs;
    EXPECT_EQ(defs.patchName(5, 4), "Rhodes Piano");  // no file: GM, whatever the bank
    EXPECT_EQ(defs.patchName(0, 132), "Rhodes Piano");

    defs.setFile(dir.writeText("drums.ins", kDrums));
    EXPECT_EQ(defs.patchName(16256, 25), "Analog Kit");
    EXPECT_EQ(defs.bankName(), "Drum Kits");
    EXPECT_EQ(defs.patchName(5, 4), "Electric Piano");
    EXPECT_EQ(defs.bankName(), "General MIDI");
    EXPECT_EQ(defs.patchName(5, 7), "");  // missing from its set

    defs.setFile(dir.writeText("seta.ins", lines({".Instrument Definitions", "Patch[0]=Set A", ".Patch Names",
                                               "[Set A]", "4=Piano A"})));
    EXPECT_EQ(defs.patchName(0, 4), "Piano A");
    // The other file's default set does not carry over.
    EXPECT_EQ(defs.patchName(1, 4), "GM: Rhodes Piano");
    EXPECT_EQ(defs.bankName(), "");

    defs.setFile(dir.path() / "does-not-exist.ins");
    EXPECT_EQ(defs.patchName(0, 0), "GM: Acoustic Grand Piano");
    EXPECT_TRUE(defs.setNames().empty());
}

TEST(InstrumentDefinitions, RereadsTheFileWhenItChangesOnDisk) {
    testing_support::TempDir dir;
    const auto path = dir.writeText("a.ins", lines({".Instrument Definitions", "Patch[0]=S", ".Patch Names", "[S]", "1=Old"}));
    InstrumentDefinitions defs(path);
    EXPECT_EQ(defs.patchName(0, 1), "Old");
    dir.writeText("a.ins", lines({".Instrument Definitions", "Patch[0]=S", ".Patch Names", "[S]", "1=Newer name"}));
    EXPECT_EQ(defs.patchName(0, 1), "Newer name");
    std::filesystem::remove(path);
    EXPECT_EQ(defs.patchName(0, 1), "GM: Bright Acoustic Piano");
}

// A line-by-line search over the compared lines, as the lookups are defined;
// the index must give the same answers for every bank and program.
namespace {

struct LineSearch {
    const std::vector<std::string>& lines;
    std::string bankName, defaultBankName;

    std::size_t after(std::string_view text) const {
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i] == text) return i + 1;
        return lines.size() + 1;
    }
    bool findBank(int bank) {
        const std::string prefix = "Patch[" + std::to_string(bank) + "]";
        for (std::size_t i = after(".Instrument Definitions"); i < lines.size(); ++i) {
            if (lines[i].starts_with("Patch[*]")) defaultBankName = names::lineValue(lines[i]);
            else if (lines[i].starts_with(prefix) && names::hasValue(lines[i])) {
                bankName = names::lineValue(lines[i]);
                return true;
            }
        }
        bankName.clear();
        return false;
    }
    std::size_t findSet() const {
        for (std::size_t i = after(".Patch Names"); i < lines.size() && !lines[i].starts_with('.'); ++i)
            if (lines[i].starts_with("[" + bankName + "]")) return i + 1;
        return lines.size() + 1;
    }
    std::string nameInSet(int program) const {
        for (std::size_t i = findSet(); i < lines.size(); ++i) {
            if (lines[i].starts_with('[') || lines[i].starts_with('.')) break;
            if (lines[i].starts_with(std::to_string(program) + "=")) return names::lineValue(lines[i]);
        }
        return {};
    }
    std::string patchName(int bank, int program) {
        if (!findBank(bank)) {
            if (defaultBankName.empty()) return "GM: " + std::string(names::gmProgramName(program));
            bankName = defaultBankName;
        }
        return nameInSet(program);
    }
};

std::string randomFile(std::mt19937& rng) {
    const std::vector<std::string> shapes = {
        ".Instrument Definitions", ".Patch Names", ".Other", "[A]", "[B]", "[A]x", "[C", "Patch[*]=A", "Patch[*]",
        "Patch[*]=B", "Patch[0]=A", "Patch[1]=B", "Patch[1] = C", "Patch[10]=A", "Patch[01]=B", "Patch[2]",
        "Patch[896]=C", "0=Zero", "1=One", "1 =Uno", "10=Ten", "2", "x=Y", "", "  [B]  ", "Patch[2]=",
    };
    std::string text;
    const int count = std::uniform_int_distribution<int>(0, 40)(rng);
    for (int i = 0; i < count; ++i)
        text += shapes[std::uniform_int_distribution<std::size_t>(0, shapes.size() - 1)(rng)] + "\n";
    return text;
}

}  // namespace

TEST(InstrumentDefinitions, IndexAnswersAsTheLineByLineSearch) {
    testing_support::TempDir dir;
    std::mt19937 rng(12345);
    for (int round = 0; round < 300; ++round) {
        const std::string text = randomFile(rng);
        InstrumentDefinitions defs(dir.writeText("r" + std::to_string(round) + ".ins", text));
        const auto lines = InsFile::parse(text).lines();
        LineSearch reference{lines, {}, {}};
        for (int step = 0; step < 30; ++step) {
            const int bank = std::uniform_int_distribution<int>(0, 12)(rng) == 12 ? 896
                             : std::uniform_int_distribution<int>(0, 11)(rng);
            const int program = std::uniform_int_distribution<int>(0, 11)(rng);
            ASSERT_EQ(defs.patchName(bank, program), reference.patchName(bank, program)) << text;
            ASSERT_EQ(defs.bankName(), reference.bankName) << text;
            ASSERT_EQ(defs.defaultBankName(), reference.defaultBankName) << text;
        }
    }
}

TEST(InsFile, TheIndexOfALargeFileTakesASmallMultipleOfItsSize) {
    // 2,000 banks of 128 named programs, about 5 MB.
    std::string text = ".Patch Names\r\n";
    for (int s = 0; s < 2000; ++s) {
        text += "[Set " + std::to_string(s) + "]\r\n";
        for (int p = 0; p < 128; ++p) text += std::to_string(p) + "=Instrument " + std::to_string(s) + " / " + std::to_string(p) + "\r\n";
    }
    text += ".Instrument Definitions\r\n[Big]\r\n";
    for (int s = 0; s < 2000; ++s) text += "Patch[" + std::to_string(s) + "]=Set " + std::to_string(s) + "\r\n";
    const auto before = mallinfo2().uordblks;
    const auto file = InsFile::parse(text);
    const auto used = mallinfo2().uordblks - before;
    if (used == 0) GTEST_SKIP() << "this allocator does not report its use";
    EXPECT_LT(used, 3 * text.size()) << used << " bytes for a file of " << text.size();
    EXPECT_EQ(file.patchNameInSet("Set 1999", 127), "Instrument 1999 / 127");
    EXPECT_EQ(file.programOfPatchName("Set 7", "Instrument 7 / 64"), 64);
    EXPECT_EQ(file.bankOfSetName("Set 1234"), 1234);
}
