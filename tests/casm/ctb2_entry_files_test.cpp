#include <gtest/gtest.h>

#include <set>

#include "base/file_io.h"
#include "base/profile.h"
#include "casm/byte_editor.h"
#include "casm/clipboard.h"
#include "casm/ctab_file.h"
#include "casm/insertion.h"
#include "casm/reader.h"
#include "casm_bytes.h"
#include "support/temp_dir.h"

using namespace casm;
using namespace casm_test;
using testing_support::TempDir;

namespace {

Entry ctb2Entry(std::uint8_t track, std::string_view section) {
    Entry e = readCasm(casmOf({cseg("Main A", {ctb2(track, "Chn" + std::to_string(track))})}), "x").entries.at(0);
    e.section = std::string(section);
    return e;
}

Entry ctabEntry(std::uint8_t track, std::string_view section) {
    Entry e = newEntry();
    e[Track] = track;
    e.setName("Chn" + std::to_string(track));
    e.section = std::string(section);
    return e;
}

}  // namespace

TEST(Ctb2Record, NinetyTwoBytesRoundTripAndRecordsOfTheOtherKindAreRefused) {
    Entry e = ctb2Entry(5, "Fill In AA");
    e.changed = true;
    e.row = 0x01020304;
    e.marked = true;
    e.hasCntt = true;
    e.cntt = 200;
    const auto r = toRecord(e);
    ASSERT_EQ(r.size(), kCtb2RecordSize);
    EXPECT_TRUE(std::equal(e.ctab.begin(), e.ctab.end(), r.begin()));
    EXPECT_EQ(r[47], 47);
    EXPECT_EQ(r[48], 'F');
    EXPECT_EQ(r[58], 0);  // NUL after the name
    EXPECT_EQ(r[81], 1);
    EXPECT_EQ(r[84], 0x04);
    EXPECT_EQ(r[87], 0x01);
    EXPECT_EQ(r[88], 1);
    EXPECT_EQ(r[89], 1);
    EXPECT_EQ(r[90], 200);
    EXPECT_EQ(r[91], 0);
    EXPECT_EQ(fromRecord(r), e);

    auto bad = r;
    bad[47] = 35;  // a Ctab length in a Ctb2 record
    EXPECT_FALSE(fromRecord(bad));
    auto ctabRecord = toRecord(ctabEntry(1, "Main A"));
    ctabRecord[35] = 47;  // a Ctb2 length in a Ctab record
    EXPECT_FALSE(fromRecord(ctabRecord));

    TempDir dir;
    ASSERT_TRUE(saveCtabFile(dir / "e.Ctb2", e));
    EXPECT_EQ(base::readFile(dir / "e.Ctb2")->size(), kCtb2RecordSize);
    EXPECT_EQ(loadCtabFile(dir / "e.Ctb2").entry, e);
    // A file one byte longer or shorter is no Ctb2 record and is refused.
    Bytes longer = r;
    longer.push_back(0);
    ASSERT_TRUE(base::writeFileAtomic(dir / "long.Ctb2", longer));
    EXPECT_FALSE(loadCtabFile(dir / "long.Ctb2").entry);
    ASSERT_TRUE(base::writeFileAtomic(dir / "short.Ctb2", std::span(r).first(91)));
    EXPECT_FALSE(loadCtabFile(dir / "short.Ctb2").entry);
    EXPECT_EQ(entryFileExtension(e.kind()), ".Ctb2");
    EXPECT_EQ(entryFileExtension(TableKind::Ctab), ".Ctab");
}

TEST(Ctb2Clipboard, CarriesEveryByteBesideCtabEntriesAndDefaultsMissingKeys) {
    TempDir dir;
    const auto file = dir / "CasmCopy.ini";
    const std::vector<Entry> copied = {ctabEntry(1, "Main A"), ctb2Entry(2, "Main B"), ctb2Entry(3, "Main B")};
    ASSERT_TRUE(writeClipboard(file, copied));
    const base::Profile written(file);
    const auto keys = written.keys("1");
    EXPECT_EQ(keys[3], "Name");
    EXPECT_EQ(keys[15], "MiddleLow");
    EXPECT_EQ(keys[18], "Low.NTT");
    EXPECT_EQ(keys.back(), "unkn46");
    EXPECT_EQ(written.readInt("1", "High.RTR", -1), 0x40 + 19);
    EXPECT_EQ(written.readInt("1", "CasmLen", -1), 47);

    const auto pasted = readClipboard(file);
    ASSERT_EQ(pasted.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(pasted[i].kind(), copied[i].kind());
        EXPECT_EQ(pasted[i].ctab, copied[i].ctab) << i;
        EXPECT_TRUE(pasted[i].changed);
    }

    base::Profile minimal(file);
    minimal.eraseSection("0");
    minimal.writeInt("0", "CasmLen", 47);
    minimal.writeString("0", "Section", "X");
    minimal.writeInt("1", "CasmLen", 46);  // ends the paste after section 0
    ASSERT_TRUE(minimal.save());
    const auto defaults = readClipboard(file);
    ASSERT_EQ(defaults.size(), 1u);
    const Entry& d = defaults[0];
    EXPECT_EQ(d.kind(), TableKind::Ctb2);
    EXPECT_EQ(d[MiddleLow], 0);
    EXPECT_EQ(d[MiddleHigh], 127);
    for (int z = 0; z < kZoneCount; ++z) {
        EXPECT_EQ(d.rule(static_cast<Zone>(z), Rule::HighLimit), 127);
        EXPECT_EQ(d.rule(static_cast<Zone>(z), Rule::NTT), 0);
    }
    EXPECT_EQ(d[NoteMute0], 255);
    EXPECT_EQ(d[ChordMute4], 3);
}

TEST(Ctb2Insertion, EntriesOfTheOtherKindAreRefusedWithAClearMessage) {
    const std::vector<Entry> sff1 = {ctabEntry(1, "Main A"), ctabEntry(2, "Main B")};
    const std::vector<Entry> sff2 = {ctb2Entry(1, "Main A")};
    const std::vector<Entry> mixed = {ctabEntry(1, "Main A"), ctb2Entry(1, "Main B")};

    const auto intoSff1 = kindRefusal(sff1, sff2);
    ASSERT_TRUE(intoSff1);
    EXPECT_EQ(intoSff1->caption, "Attention...");
    EXPECT_EQ(intoSff1->text,
              "The CASM section holds Ctab (SFF1) entries only; Ctb2 (SFF2) entries cannot go into it.");
    EXPECT_TRUE(kindRefusal(sff2, sff1));
    EXPECT_FALSE(kindRefusal(sff1, sff1));
    EXPECT_FALSE(kindRefusal(sff2, sff2));
    EXPECT_FALSE(kindRefusal({}, sff2));

    // In a mixed style each section keeps its kind; a new section takes either.
    const auto intoMainA = kindRefusal(mixed, std::vector<Entry>{ctb2Entry(4, "Main A")});
    ASSERT_TRUE(intoMainA);
    EXPECT_EQ(intoMainA->text, "Section \"Main A\" holds Ctab (SFF1) entries; Ctb2 (SFF2) entries cannot go into it.");
    EXPECT_FALSE(kindRefusal(mixed, std::vector<Entry>{ctb2Entry(4, "Main B"), ctb2Entry(5, "Main C")}));
    EXPECT_FALSE(kindRefusal(mixed, std::vector<Entry>{ctabEntry(4, "Main C")}));
    // Incoming entries may not mix kinds in one section among themselves either.
    EXPECT_TRUE(kindRefusal(mixed, std::vector<Entry>{ctb2Entry(4, "Main C"), ctabEntry(5, "Main C")}));
}

TEST(Ctb2ByteEditor, CoversAll47BytesOnce) {
    const auto rows = byteEditorRows(static_cast<int>(kCtb2Length));
    ASSERT_EQ(rows.size(), 40u);
    std::multiset<int> bytes;
    for (const ByteField& row : rows) {
        const int width = row.offset == Name ? static_cast<int>(kNameLength) : 1;
        for (int i = 0; i < width; ++i) bytes.insert(row.offset + i);
    }
    for (int i = 0; i < static_cast<int>(kCtb2Length); ++i) EXPECT_EQ(bytes.count(i), 1u) << i;
    EXPECT_EQ(rows[1].name, "Name");
    EXPECT_EQ(rows[13].name, "MiddleLow");
    EXPECT_EQ(rows.back().name, "unkn46");

    Entry e = ctb2Entry(1, "Main A");
    Entry copy = e;
    for (const ByteField& row : rows)
        if (row.name == "High.RTR") storeByteEditorText(copy, row, "7", false);
    EXPECT_EQ(copy[39], 7);
    EXPECT_EQ(rows[20].name, "Low.RTR");
    EXPECT_EQ(byteEditorText(copy, rows[20], true), "47");  // byte 27
    EXPECT_FALSE(applyEditedEntry(e, e));
    copy = e;
    storeByteEditorText(copy, rows.back(), "FF", true);
    EXPECT_TRUE(applyEditedEntry(e, copy));
    EXPECT_EQ(e[46], 0xFF);
    EXPECT_TRUE(e.changed);
}
