#include <gtest/gtest.h>

#include "base/file_io.h"
#include "casm/reader.h"
#include "casm/writer.h"
#include "casm_bytes.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

using namespace casm;
using namespace casm_test;
using testing_support::TempDir;

namespace {

std::vector<Entry> readOk(const Bytes& bytes) {
    auto result = readCasm(bytes, "t.csm");
    EXPECT_TRUE(result.ok()) << (result.failure ? result.failure->text : "");
    return result.entries;
}

Bytes written(const std::vector<Entry>& entries, const SectionOrder& order = {}) {
    auto result = writeCasm(entries, order);
    EXPECT_TRUE(result.ok());
    return result.bytes;
}

}  // namespace

TEST(CasmReader, SharedSegmentGivesEntriesPerSectionAndRegroupsOnWrite) {
    const Bytes bytes = casmOf({cseg("Main A,Main B", {ctab(8, "Drum"), ctab(9, "Bass")})});
    auto entries = readOk(bytes);
    ASSERT_EQ(entries.size(), 4u);
    const char* sections[] = {"Main A", "Main A", "Main B", "Main B"};
    const int tracks[] = {8, 9, 8, 9};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(entries[i].section, sections[i]);
        EXPECT_EQ(entries[i][Track], tracks[i]);
    }
    EXPECT_EQ(written(entries), bytes);

    // One changed byte in "Main B" splits the segment; "Main A" stays first.
    entries[3][RTR] = 4;
    const auto split = written(entries);
    const auto again = readOk(split);
    ASSERT_EQ(again.size(), 4u);
    EXPECT_EQ(again[0].section, "Main A");
    EXPECT_EQ(again[3].section, "Main B");
    EXPECT_EQ(again[3][RTR], 4);
    EXPECT_EQ(again[2][RTR], 1);
    EXPECT_EQ(split, casmOf({cseg("Main A", {ctab(8, "Drum"), ctab(9, "Bass")}),
                             cseg("Main B", {ctab(8, "Drum"), chunk("Ctab", Bytes(again[3].bytes().begin(),
                                                                                     again[3].bytes().end()))})}));
}

TEST(CasmReader, CnttBelongsToItsChannelInEverySectionWhereverItStands) {
    for (bool cnttFirst : {true, false}) {
        const Bytes bytes = cnttFirst ? casmOf({cseg("Main A,Main B", {cntt(3, 0x42), ctab(3), ctab(4)})})
                                      : casmOf({cseg("Main A,Main B", {ctab(3), ctab(4), cntt(3, 0x42)})});
        const auto entries = readOk(bytes);
        ASSERT_EQ(entries.size(), 4u);
        for (const Entry& e : entries) {
            EXPECT_EQ(e.hasCntt, e[Track] == 3);
            EXPECT_EQ(e.cntt, e[Track] == 3 ? 0x42 : 0);
        }
        // Written back, the Cntt chunk follows the Ctab chunks.
        EXPECT_EQ(written(entries), casmOf({cseg("Main A,Main B", {ctab(3), ctab(4), cntt(3, 0x42)})}));
    }
}

TEST(CasmReader, NameBytesOutsidePrintableAsciiBecomeSpacesAndLongEntriesKeepTheirTail) {
    Bytes body = {3, 'A', 0x00, 'b', 0xE9, 0x7F, 0x1F, 0x20, 'z'};
    body.resize(26, 0x11);
    for (std::uint8_t b = 26; b < 35; ++b) body.push_back(b);
    const Bytes bytes = casmOf({cseg("Main A", {chunk("Ctab", body)})});
    const auto entries = readOk(bytes);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name(), "A b \x7F  z");
    EXPECT_EQ(entries[0].length, 35);
    for (int i = 26; i < 35; ++i) EXPECT_EQ(entries[0][i], i);
    // The name is the only change a write makes.
    Bytes expected = bytes;
    expected[8 + 8 + 8 + 6 + 8 + 2] = ' ';
    expected[8 + 8 + 8 + 6 + 8 + 4] = ' ';
    expected[8 + 8 + 8 + 6 + 8 + 6] = ' ';
    EXPECT_EQ(written(entries), expected);
}

TEST(CasmReader, TrMtIsSkippedEverywhereAndDroppedOnWrite) {
    const Bytes trmt = chunk("TrMt", {1, 2, 3, 4, 5});
    const Bytes with = casmOf({trmt, cseg("Main A", {trmt, ctab(9), trmt}), trmt});
    const auto out = written(readOk(with));
    EXPECT_EQ(out, casmOf({cseg("Main A", {ctab(9)})}));
    const std::uint32_t length = std::uint32_t{out[4]} << 24 | out[5] << 16 | out[6] << 8 | out[7];
    EXPECT_EQ(length, out.size() - 8);
}

TEST(CasmReader, SdecNamesAreCutAtCommasWithoutEmptyOrRepeatedNames) {
    EXPECT_EQ(splitSdec("Main A,Main B"), (std::vector<std::string>{"Main A", "Main B"}));
    EXPECT_EQ(splitSdec("Main A,,Main B,"), (std::vector<std::string>{"Main A", "Main B"}));
    EXPECT_EQ(splitSdec("Main A,Main A"), (std::vector<std::string>{"Main A"}));
    EXPECT_EQ(splitSdec(std::string(40, 'x')), (std::vector<std::string>{std::string(31, 'x')}));
}

TEST(CasmReader, MalformedSectionsGiveTheirMessageAndOffset) {
    struct Case {
        const char* what;
        Bytes bytes;
        std::string text;  // empty: a read failure
    };
    Bytes badTag = kMainADrums;
    badTag[3] = 'X';
    Bytes zeroLength = kMainADrums;
    zeroLength[7] = 0;
    const Bytes tooShort(kMainADrums.begin(), kMainADrums.end() - 1);
    Bytes budgetShort = kMainADrums;
    budgetShort[7] = 0x38;  // the last byte of the Ctab lies past the CASM length
    Bytes many = chunk("Sdec", text("Main A"));
    for (int i = 0; i < 17; ++i) append(many, ctab(static_cast<std::uint8_t>(i % 16)));
    const Bytes manyCasm = chunk("CASM", chunk("CSEG", many));
    const std::size_t seventeenthTag = 8 + 8 + 14 + 16 * 35 + 3;

    const std::vector<Case> cases = {
        {"first tag", badTag, "Wrong data...Position in CASM: 3h"},
        {"CASM length 0", zeroLength, "Wrong data...Position in CASM: 7h"},
        {"CSEG length 0", casmOf({chunk("CSEG", {})}), "Wrong data...Position in CASM: Fh"},
        {"no Sdec", casmOf({chunk("CSEG", ctab(1))}), "Wrong data...Position in CASM: 13h"},
        {"Sdec of 256", casmOf({chunk("CSEG", chunk("Sdec", Bytes(256, 'a')))}), "Wrong data...Position in CASM: 17h"},
        {"Sdec of commas only", casmOf({cseg(",", {ctab(1)})}), "Wrong data...Position in CASM: 18h"},
        {"Ctab of 28", casmOf({cseg("A", {chunk("Ctab", Bytes(28, 0))})}), "Wrong data...Position in CASM: 20h"},
        {"Cntt of 3", casmOf({cseg("A", {chunk("Cntt", {1, 2, 3})})}), "Wrong data...Position in CASM: 20h"},
        {"Cntt channel 16", casmOf({cseg("A", {cntt(16, 1)})}), "Wrong data...Position in CASM: 22h"},
        {"unknown tag in CSEG", casmOf({cseg("A", {chunk("Xtab", {1})})}), "Wrong data...Position in CASM: 1Ch"},
        {"unknown tag in CASM", casmOf({chunk("CSEX", {1})}), "Wrong data...Position in CASM: Bh"},
        {"17 Ctab chunks", manyCasm, "Wrong data...Position in CASM: " + [&] {
             char hex[16];
             std::snprintf(hex, sizeof hex, "%zXh", seventeenthTag);
             return std::string(hex);
         }()},
        {"file ends early", tooShort, ""},
        {"CASM length ends early", budgetShort, ""},
        {"huge TrMt", {'C', 'A', 'S', 'M', 0, 0, 0, 8, 'T', 'r', 'M', 't', 0xFF, 0xFF, 0xFF, 0xFF}, ""},
        {"empty input", {}, ""},
    };
    for (const auto& c : cases) {
        const auto result = readCasm(c.bytes, "file.csm");
        ASSERT_TRUE(result.failure) << c.what;
        if (c.text.empty()) {
            EXPECT_EQ(result.failure->caption, "Не удается прочитать из файла...") << c.what;
            EXPECT_EQ(result.failure->captionId, 92) << c.what;
            EXPECT_TRUE(result.failure->text.starts_with("file.csm\nThe data ends inside a chunk at ")) << c.what;
        } else {
            EXPECT_EQ(result.failure->text, c.text) << c.what;
            EXPECT_EQ(result.failure->textId, 169) << c.what;
            EXPECT_EQ(result.failure->caption, "file.csm") << c.what;
        }
    }
}

TEST(CasmReader, KeepsTheSegmentsReadBeforeAFailureAndReportsMissingFiles) {
    const Bytes bytes = casmOf({cseg("Main A", {ctab(1), ctab(2)}), cseg("Main B", {chunk("Ctab", Bytes(5, 0))})});
    const auto result = readCasm(bytes, "x");
    ASSERT_TRUE(result.failure);
    ASSERT_EQ(result.entries.size(), 2u);
    EXPECT_EQ(result.entries[1][Track], 2);

    const auto missing = readCasmFile("/nonexistent/dir/#casm.csm");
    ASSERT_TRUE(missing.failure);
    EXPECT_EQ(missing.failure->caption, "Unable to open file...");
    EXPECT_EQ(missing.failure->captionId, 83);
    EXPECT_EQ(missing.failure->text, "/nonexistent/dir/#casm.csm");
}

TEST(CasmReader, ASectionThatWouldExpandPastTheEntryLimitIsWrongData) {
    // 85 section names sharing 16 Ctabs: 1360 entries from 830 bytes.
    std::string names;
    for (char a = 'a'; names.size() < 254; ++a)
        for (char b = 'a'; b <= 'z' && names.size() < 254; ++b) names += std::string(names.empty() ? "" : ",") + a + b;
    ASSERT_EQ(names.size(), 254u);
    const Bytes segment = [&] {
        Bytes body = chunk("Sdec", text(names));
        for (std::uint8_t track = 0; track < 16; ++track) append(body, ctab(track));
        return chunk("CSEG", body);
    }();
    ASSERT_EQ(segment.size(), 830u);
    Bytes body;
    for (int n = 0; n < 49; ++n) append(body, segment);
    const auto result = readCasm(chunk("CASM", body), "big.csm");
    // 48 segments fit (65280 entries); the fourth Ctab of the next would pass 65536.
    ASSERT_TRUE(result.failure);
    EXPECT_EQ(result.entries.size(), 48u * 1360u);
    const std::size_t fourthCtabTag = 8 + 48 * 830 + 8 + 8 + 254 + 3 * 35;
    char position[16];
    std::snprintf(position, sizeof position, "%zXh", fourthCtabTag + 3);
    EXPECT_EQ(result.failure->text, "Wrong data...Position in CASM: " + std::string(position));
}

TEST(CasmWriter, RefusesWhatCouldNotBeReadAgain) {
    auto refused = [](const std::vector<Entry>& entries) {
        const auto r = writeCasm(entries);
        return r.failure && r.failure->text.starts_with("Unable to save...\n") && r.failure->caption == "Message" &&
               r.failure->textId == 116 && r.failure->captionId == 118;
    };
    Entry e = newEntry();
    e.section = "Main A";
    EXPECT_FALSE(refused({e}));
    EXPECT_TRUE(refused({}));
    Entry bad = e;
    bad.section = "";
    EXPECT_TRUE(refused({e, bad}));
    bad.section = std::string(32, 'x');
    EXPECT_TRUE(refused({bad}));
    bad.section = std::string(31, 'x');
    EXPECT_FALSE(refused({bad}));
    bad = e;
    bad[Track] = 16;
    EXPECT_TRUE(refused({bad}));
    bad = e;
    bad.length = 28;
    EXPECT_TRUE(refused({bad}));

    std::vector<Entry> sections;
    for (int i = 0; i < 65; ++i) {
        sections.push_back(e);
        sections.back().section = "S" + std::to_string(i);
    }
    EXPECT_TRUE(refused(sections));
    sections.pop_back();
    EXPECT_FALSE(refused(sections));
    EXPECT_EQ(readOk(written(sections)).size(), 64u);

    std::vector<Entry> crowded(16, e);
    EXPECT_FALSE(refused(crowded));
    crowded.push_back(e);
    EXPECT_TRUE(refused(crowded));
    EXPECT_EQ(writeCasm(crowded).failure->text, "Unable to save...\nSection \"Main A\" holds more than 16 entries.");

    // A comma would split the name into two sections when read again.
    bad = e;
    bad.section = "Main A,B";
    EXPECT_TRUE(refused({bad}));
    EXPECT_EQ(writeCasm({bad}).failure->text, "Unable to save...\nSection name \"Main A,B\" holds a comma.");
}

TEST(CasmWriter, OrderCallbackSeesGroupsReordersAndCancels) {
    const Bytes bytes = casmOf({cseg("Intro A", {ctab(1)}), cseg("Main A", {ctab(2)}), cseg("Main B", {ctab(2)})});
    const auto entries = readOk(bytes);
    std::vector<std::string> same;
    const auto moved = written(entries, [&](SectionTable& table) {
        for (std::size_t i = 0; i < table.size(); ++i) same.push_back(sectionOrderCells(table, i)[3]);
        EXPECT_EQ(sectionOrderCells(table, 1), (std::array<std::string, 4>{"2", "Main A", "28", "*2"}));
        EXPECT_FALSE(moveSectionUp(table, 0));
        EXPECT_FALSE(moveSectionDown(table, 2));
        return moveSectionUp(table, 2);  // "Main B" before "Main A"
    });
    EXPECT_EQ(same, (std::vector<std::string>{"*1", "*2", "*2"}));
    EXPECT_EQ(moved, casmOf({cseg("Intro A", {ctab(1)}), cseg("Main B,Main A", {ctab(2)})}));

    TempDir dir;
    const auto target = dir / "out.csm";
    const auto cancelled = writeCasmFile(target, entries, [](SectionTable&) { return false; });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_FALSE(cancelled.failure);
    EXPECT_FALSE(base::fileExists(target));
    ASSERT_TRUE(writeCasmFile(target, entries).ok());
    EXPECT_EQ(base::readFile(target), casmOf({cseg("Intro A", {ctab(1)}), cseg("Main A,Main B", {ctab(2)})}));
    const auto noDir = writeCasmFile(dir / "missing" / "out.csm", entries);
    ASSERT_TRUE(noDir.failure);
    EXPECT_EQ(noDir.failure->caption, "Unable to create the file");
    EXPECT_EQ(noDir.failure->captionId, 100);
}

TEST(CasmWriter, LongGroupsGoOnInAFurtherSegmentSoTheSdecStaysReadable) {
    std::vector<Entry> entries;
    for (int i = 0; i < 10; ++i) {
        Entry e = newEntry();
        e.section = std::string(30, static_cast<char>('a' + i));
        entries.push_back(e);
    }
    const auto bytes = written(entries);
    const auto back = readOk(bytes);
    ASSERT_EQ(back.size(), 10u);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(back[static_cast<std::size_t>(i)].section, entries[static_cast<std::size_t>(i)].section);
    // Eight names of 30 fit 255 bytes with their commas; the other two follow.
    EXPECT_EQ(bytes[8 + 8 + 7], 8 * 30 + 7);
}
