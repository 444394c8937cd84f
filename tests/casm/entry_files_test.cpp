#include <gtest/gtest.h>

#include "base/file_io.h"
#include "base/profile.h"
#include "casm/byte_editor.h"
#include "casm/clipboard.h"
#include "casm/ctab_file.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

using namespace casm;
using testing_support::TempDir;

namespace {

Entry sample(std::uint8_t track, std::string_view section) {
    Entry e = newEntry();
    e[Track] = track;
    e.setName("Chn" + std::to_string(track));
    e.section = std::string(section);
    return e;
}

}  // namespace

TEST(CasmRecord, EightyBytesRoundTripAndBadRecordsAreRefused) {
    Entry e = sample(5, "Fill In AA");
    e.length = 35;
    e[34] = 0x99;
    e.changed = true;
    e.row = 0x01020304;
    e.marked = true;
    e.hasCntt = true;
    e.cntt = 200;
    const auto r = toRecord(e);
    EXPECT_EQ(r[35], 35);
    EXPECT_EQ(r[36], 'F');
    EXPECT_EQ(r[46], 0);  // NUL after the name
    EXPECT_EQ(r[69], 1);
    EXPECT_EQ(r[72], 0x04);
    EXPECT_EQ(r[75], 0x01);
    EXPECT_EQ(r[76], 1);
    EXPECT_EQ(r[77], 1);
    EXPECT_EQ(r[78], 200);
    EXPECT_EQ(fromRecord(r), e);

    auto bad = r;
    bad[35] = 28;
    EXPECT_FALSE(fromRecord(bad));
    bad = r;
    bad[0] = 16;
    EXPECT_FALSE(fromRecord(bad));
    bad = r;
    bad[36] = 0;
    EXPECT_FALSE(fromRecord(bad));
    // A short record counts its missing bytes as zero: no length, refused.
    EXPECT_FALSE(fromRecord(std::span(r).first(30)));
    // A name that fills the field is cut at 31 characters.
    bad = r;
    for (int i = 36; i < 68; ++i) bad[i] = 'x';
    EXPECT_EQ(fromRecord(bad)->section, std::string(31, 'x'));
}

TEST(CasmRecord, CtabFilesSaveAndLoadTheWholeRecordMarkedChanged) {
    TempDir dir;
    Entry e = sample(3, "Main B");
    e.hasCntt = true;
    e.cntt = 9;
    ASSERT_TRUE(saveCtabFile(dir / "e.Ctab", e));
    EXPECT_EQ(base::readFile(dir / "e.Ctab")->size(), kRecordSize);
    const auto loaded = loadCtabFile(dir / "e.Ctab").entry;
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(loaded->changed);
    Entry expected = e;
    expected.changed = true;
    EXPECT_EQ(*loaded, expected);
    const auto missing = loadCtabFile(dir / "missing.Ctab");
    EXPECT_FALSE(missing.entry);
    ASSERT_TRUE(missing.failure);
    EXPECT_EQ(missing.failure->caption, (dir / "missing.Ctab").string());
    EXPECT_EQ(missing.failure->text, "Unable to open the file...");

    // A file cut short, or one with a wrong byte, is refused and says where.
    auto record = toRecord(e);
    ASSERT_TRUE(base::writeFileAtomic(dir / "short.Ctab", std::span(record).first(79)));
    const auto cut = loadCtabFile(dir / "short.Ctab");
    EXPECT_FALSE(cut.entry);
    ASSERT_TRUE(cut.failure);
    EXPECT_EQ(cut.failure->text, "The file holds 79 bytes; a .Ctab entry takes 80 bytes, a .Ctb2 entry 92.");
    record[35] = 30;
    ASSERT_TRUE(base::writeFileAtomic(dir / "garbled.Ctab", record));
    const auto garbled = loadCtabFile(dir / "garbled.Ctab");
    EXPECT_FALSE(garbled.entry);
    ASSERT_TRUE(garbled.failure);
    EXPECT_EQ(garbled.failure->text, "Byte 35 (the entry length) holds 30; a Ctab entry is 27, 31, 33 or 35 bytes long.");
    record[35] = 35;
    record[0] = 16;
    ASSERT_TRUE(base::writeFileAtomic(dir / "garbled.Ctab", record));
    EXPECT_EQ(loadCtabFile(dir / "garbled.Ctab").failure->text, "Byte 0 (the source channel) holds 16; it must be 0 to 15.");
    record[0] = 3;
    record[36] = 0;
    ASSERT_TRUE(base::writeFileAtomic(dir / "garbled.Ctab", record));
    EXPECT_EQ(loadCtabFile(dir / "garbled.Ctab").failure->text, "The section name at byte 36 is empty.");
    EXPECT_FALSE(saveCtabFile(dir / "no" / "e.Ctab", e));
}

TEST(CasmClipboard, CopiesInOrderWithoutCnttAndStopsAtARefusedSection) {
    TempDir dir;
    const auto file = dir / "CasmCopy.ini";
    std::vector<Entry> copied = {sample(1, "Main A"), sample(2, "Main B"), sample(3, "Intro A")};
    copied[1].hasCntt = true;
    copied[1].cntt = 4;
    copied[2].length = 33;
    copied[2][32] = 77;
    ASSERT_TRUE(writeClipboard(file, copied));
    const base::Profile written(file);
    EXPECT_EQ(written.keys("0").front(), "CasmLen");
    EXPECT_EQ(written.keys("0")[3], "Name");
    EXPECT_EQ(written.keys("0").back(), "unkn34");
    auto pasted = readClipboard(file);
    ASSERT_EQ(pasted.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(pasted[i].changed);
        EXPECT_FALSE(pasted[i].hasCntt);
        EXPECT_EQ(pasted[i].section, copied[i].section);
        EXPECT_EQ(pasted[i].ctab, copied[i].ctab);
        EXPECT_EQ(pasted[i].length, copied[i].length);
    }

    // A later copy replaces the whole clipboard.
    ASSERT_TRUE(writeClipboard(file, std::vector<Entry>{sample(7, "Main C")}));
    EXPECT_EQ(readClipboard(file).size(), 1u);

    const std::vector<std::pair<std::string, std::string>> refused = {
        {"CasmLen", "26"}, {"CasmLen", "28"}, {"Section", ""}, {"Section", std::string(32, 's')}, {"Track", "16"}};
    for (const auto& [key, value] : refused) {
        ASSERT_TRUE(writeClipboard(file, copied));
        base::Profile edit(file);
        edit.writeString("1", key, value);
        ASSERT_TRUE(edit.save());
        const auto partial = readClipboard(file);
        ASSERT_EQ(partial.size(), 1u) << key << "=" << value;
        EXPECT_EQ(partial[0].section, "Main A");
    }

    // Missing keys take the paste defaults.
    base::Profile minimal(file);
    minimal.eraseSection("0");
    minimal.writeInt("0", "CasmLen", 27);
    minimal.writeString("0", "Section", "X");
    ASSERT_TRUE(minimal.save());
    const Entry d = readClipboard(file).at(0);
    EXPECT_EQ(d.name(), "        ");
    EXPECT_EQ(d[NoteMute1], 15);
    EXPECT_EQ(d[ChordMute4], 3);
    EXPECT_EQ(d[ChordMute0], 255);
    EXPECT_EQ(d[ChordType], 0);
    EXPECT_EQ(d[HighLimit], 127);
    EXPECT_EQ(d[RTR], 0);
}

TEST(CasmByteEditor, RowsAndTypedTexts) {
    EXPECT_EQ(byteEditorRows(31).size(), 24u);  // one row per byte after the name

    Entry e = newEntry();
    Entry copy = e;
    storeByteEditorText(copy, {"Name", Name}, "Ab\tcdefghij", false);
    EXPECT_EQ(copy.name(), "Ab cdefg");
    EXPECT_EQ(byteEditorText(copy, {"Name", Name}, true), "Ab cdefg");
    EXPECT_FALSE(applyEditedEntry(e, e));
    copy = e;
    storeByteEditorText(copy, {"unkn26", unkn26}, "1F", true);
    EXPECT_TRUE(applyEditedEntry(e, copy));
    EXPECT_EQ(e[unkn26], 0x1F);
    EXPECT_TRUE(e.changed);
}
