#include <gtest/gtest.h>

#include <sys/stat.h>

#include "document/event_cells.h"
#include "events/event_clipboard.h"
#include "support/event_rows.h"
#include "support/temp_dir.h"

using namespace document;
using namespace events;
using testing_support::rowsOf;
using testing_support::textMeta;

namespace {

Document docOf(EventList list) {
    Document doc;
    doc.division = 480;
    doc.events = std::move(list);
    return doc;
}

// Notes, a controller and texts that a settings file could not hold as they stand.
Document sampleDoc() {
    auto list = testing_support::listOf({
        {0, textMeta(0x06, "Main A")},          // 1
        {10, {0x90, 0x3C, 0x64}},               // 2
        {20, {0xB0, 0x07, 0x64}},               // 3
        {30, {0x80, 0x3C, 0x00}},               // 4
        {40, textMeta(0x05, " \"sung\" ")},     // 5: blanks and quotation marks at its ends
        {50, textMeta(0x01, "two\r\nlines\n")}, // 6: line breaks
        {60, {0xC0, 0x05}},                     // 7
        {70, {0xFF, 0x2F, 0x00}},               // 8
    });
    list.setText(7, ColComment, "<Honky-tonk Piano>");
    return docOf(std::move(list));
}

std::vector<std::string> rowCells(const Document& doc, int r) {
    std::vector<std::string> cells;
    for (int c = ColTick; c < kColumnCount; ++c)
        if (c != ColMbt) cells.push_back(cellText(doc, r, c));
    return cells;
}

}  // namespace

TEST(EventClipboard, PlanTakesTheSelectionOrTheCurrentRowAndSparesProtectedNotes) {
    auto list = sampleDoc().events;
    // Nothing selected: the current event row, never the trailing row.
    EXPECT_EQ(copyPlan(list, 3, false, true).rows, (std::vector<int>{3}));
    EXPECT_TRUE(copyPlan(list, list.trailingRow(), false, true).rows.empty());
    EXPECT_TRUE(copyPlan(list, 0, true, true).rows.empty());
    // A protected current note is copied, but Cut leaves it, as Delete does.
    EXPECT_EQ(copyPlan(list, 2, false, true).rows, (std::vector<int>{2}));
    EXPECT_TRUE(copyPlan(list, 2, true, true).rows.empty());
    EXPECT_EQ(copyPlan(list, 2, true, false).rows, (std::vector<int>{2}));

    // Selected notes are neither copied nor cut while protected: they are unselected.
    for (int r : {2, 3, 4, 7}) list.setSelected(r, true);
    auto plan = copyPlan(list, 5, true, true);
    EXPECT_EQ(plan.rows, (std::vector<int>{3, 7}));
    EXPECT_EQ(plan.unselect, (std::vector<int>{2, 4}));
    plan = copyPlan(list, 5, false, false);
    EXPECT_EQ(plan.rows, (std::vector<int>{2, 3, 4, 7}));
    EXPECT_TRUE(plan.unselect.empty());
    // Only protected notes selected: nothing is taken, not even the current row.
    for (int r : {3, 7}) list.setSelected(r, false);
    plan = copyPlan(list, 5, false, true);
    EXPECT_TRUE(plan.rows.empty());
    EXPECT_EQ(plan.unselect, (std::vector<int>{2, 4}));
}

// Copied rows come back with their bytes, Tick+ and every cell as copied,
// whatever the texts hold; the file is written whole and read all or nothing.
TEST(EventClipboard, RowsTravelThroughTheFileExactly) {
    testing_support::TempDir dir;
    const auto doc = sampleDoc();
    const auto file = dir / "EventCopy.ini";
    const std::vector<int> rows{1, 2, 5, 6, 7, 8};
    ASSERT_TRUE(writeEventClipboard(file, doc, rows, base::builtinLanguage()).ok);
    const std::string text = dir.readText("EventCopy.ini");
    // Hex cells end in a blank, which quotation marks keep.
    EXPECT_EQ(text.rfind("[EventCopy]\nCount=6\n[0]\n1=\n2=0\n3=1:01:0\n4=\"FF 06 \"\n5=\n6=Main A\n", 0), 0u) << text;
    EXPECT_NE(text.find("6=\" \"sung\" \"\n"), std::string::npos);
    EXPECT_NE(text.find("6=\"two  lines \"\n6x=74776F0D0A6C696E65730A\n"), std::string::npos);

    const auto read = readEventClipboard(file, base::builtinLanguage());
    ASSERT_TRUE(read.outcome.ok) << read.outcome.message.text;
    ASSERT_EQ(read.rows.size(), rows.size());
    auto pasted = docOf({});
    for (const auto& row : read.rows) pasted.events.appendRow(row);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto expected = doc.events.row(rows[i]);
        EXPECT_EQ(read.rows[i], expected) << "row " << rows[i];
        EXPECT_EQ(rowCells(pasted, static_cast<int>(i) + 1), rowCells(doc, rows[i]));
    }

    // A file in the plain form (no count, Windows line ends, unquoted) reads too.
    const auto plain = parseEventClipboard("[0]\r\n1=\r\n2=5\r\n3=\r\n4=90 \r\n5=1\r\n6=3C 64\r\n7=\r\n8=Note on\r\n");
    ASSERT_TRUE(plain.fault.empty()) << plain.fault;
    ASSERT_EQ(plain.rows.size(), 1u);
    EXPECT_EQ(plain.rows[0].bytes, (std::vector<std::uint8_t>{0x90, 0x3C, 0x64}));
    EXPECT_EQ(plain.rows[0].delta, 5u);
    EXPECT_EQ(*plain.rows[0].text(ColEvent), "90");  // as read, without the blanks a reader trims
    EXPECT_EQ(*plain.rows[0].text(ColData), "3C 64");
    EXPECT_EQ(*plain.rows[0].text(ColComment), "");

    // Nothing to copy removes the file.
    ASSERT_TRUE(writeEventClipboard(file, doc, {}, base::builtinLanguage()).ok);
    EXPECT_FALSE(base::fileExists(file));
    const auto missing = readEventClipboard(file, base::builtinLanguage());
    EXPECT_FALSE(missing.outcome.ok);
    EXPECT_EQ(missing.outcome.message.icon, base::Icon::Information);
    EXPECT_TRUE(missing.rows.empty());

    // A clipboard that cannot be written is reported.
    if (::geteuid() != 0) {
        ::chmod(dir.path().c_str(), 0500);
        const auto failed = writeEventClipboard(file, doc, rows, base::builtinLanguage());
        ::chmod(dir.path().c_str(), 0700);
        EXPECT_FALSE(failed.ok);
        EXPECT_EQ(failed.message.textId, 0);
        EXPECT_EQ(failed.message.caption, "Write error");
        EXPECT_EQ(failed.message.text, file.string());
    }
}

TEST(EventClipboard, FilesCutShortOrGarbledPasteNothing) {
    const std::string full = clipboardText(sampleDoc(), {2, 3, 6});
    // Every cut, at every byte, is noticed.
    for (std::size_t length = 0; length < full.size(); ++length) {
        const auto parsed = parseEventClipboard(std::string_view(full).substr(0, length));
        ASSERT_FALSE(parsed.fault.empty()) << "cut at " << length;
        ASSERT_TRUE(parsed.rows.empty());
    }
    EXPECT_TRUE(parseEventClipboard(full).fault.empty());

    auto faultOf = [](std::string text) { return parseEventClipboard(text).fault; };
    const std::string row0 = "[0]\n1=\n2=0\n3=\n4=90 3C \n5=1\n6=3C 64 \n7=\n8=Note on\n";
    EXPECT_EQ(faultOf(""), "it holds no events");
    EXPECT_EQ(faultOf(std::string("\x89PNG\r\n\x1a\n\0\0", 10)), "it holds no events");
    EXPECT_EQ(faultOf("[EventCopy]\nCount=2\n" + row0), "it is cut short: it holds 1 of 2 events");
    EXPECT_EQ(faultOf("[EventCopy]\nCount=x\n" + row0), "its count of events is not a number");
    EXPECT_EQ(faultOf("[0]\n2=0\n4=90 3C \n"), "it is cut short: event 0, key 1 is missing");
    EXPECT_EQ(faultOf("[0]\n1=\n2=0\n3=\n4=90 3C \n5=1\n6=3C 64 \n7=\n8=Note on\n6x=3\n"),
              "event 0, key 6x is not hex digits");
    EXPECT_EQ(faultOf("[0]\n1=\n2=0\n3=\n4=9Z 3C \n5=1\n6=3C 64 \n7=\n8=Note on\n"),
              "event 0: Event is not hex bytes");
    // A second section of the same name, and a second key, are passed over.
    const auto twice = parseEventClipboard(row0 + "[0]\n4=C0 \n" + "[1]\n1=\n2=1\n3=\n4=C0 \n4=90 \n5=\n6=01 \n7=\n8=\n");
    ASSERT_TRUE(twice.fault.empty()) << twice.fault;
    ASSERT_EQ(twice.rows.size(), 2u);
    EXPECT_EQ(twice.rows[0].bytes[0], 0x90);
    EXPECT_EQ(twice.rows[1].bytes, (std::vector<std::uint8_t>{0xC0, 0x01}));

    // The user is told which file and why; nothing is pasted.
    testing_support::TempDir dir;
    const auto file = dir.writeText("EventCopy.ini", full.substr(0, full.size() / 2));
    const auto read = readEventClipboard(file, base::builtinLanguage());
    EXPECT_FALSE(read.outcome.ok);
    EXPECT_EQ(read.outcome.message.icon, base::Icon::Error);
    EXPECT_EQ(read.outcome.message.text.rfind(file.string(), 0), 0u);
    EXPECT_NE(read.outcome.message.text.find("Nothing was pasted."), std::string::npos);
    EXPECT_TRUE(read.rows.empty());
}

// Cut removes as Delete does; paste inserts above the row at `at`; both
// are single edits that undo and redo exactly.
TEST(EventClipboard, CutAndPasteEditsUndoAndRedo) {
    auto doc = sampleDoc();
    auto& list = doc.events;
    const auto original = rowsOf(list);
    const auto endTime = list.absTick(8);
    const auto text = clipboardText(doc, {3, 4});

    auto cut = cutRows(list, {3, 4});
    EXPECT_EQ(cut.name, "Cut");
    redo(list, cut);
    ASSERT_EQ(list.eventCount(), 6);
    EXPECT_EQ(list.delta(3), 40u + 20u + 30u);  // the next event keeps its time
    EXPECT_EQ(list.absTick(6), endTime);
    const auto afterCut = rowsOf(list);
    undo(list, cut);
    EXPECT_EQ(rowsOf(list), original);
    redo(list, cut);
    EXPECT_EQ(rowsOf(list), afterCut);

    auto parsed = parseEventClipboard(text);
    ASSERT_TRUE(parsed.fault.empty());
    auto paste = pasteRows(list, 2, parsed.rows);
    EXPECT_EQ(paste.name, "Paste");
    redo(list, paste);
    ASSERT_EQ(list.eventCount(), 8);
    EXPECT_EQ(list.row(2).bytes, (std::vector<std::uint8_t>{0xB0, 0x07, 0x64}));
    EXPECT_EQ(list.row(3).bytes, (std::vector<std::uint8_t>{0x80, 0x3C, 0x00}));
    EXPECT_EQ(list.status(4), 0x90);  // the row that was current stands below
    EXPECT_EQ(list.number(2), 0u);
    // The events below move later by the pasted deltas.
    EXPECT_EQ(list.absTick(8), endTime + 20 + 30);
    const auto afterPaste = rowsOf(list);
    undo(list, paste);
    EXPECT_EQ(rowsOf(list), afterCut);
    redo(list, paste);
    EXPECT_EQ(rowsOf(list), afterPaste);

    // Pasting on the trailing row goes above the track end, which stays last;
    // outside the rows nothing.
    auto atEnd = pasteRows(list, list.trailingRow(), parsed.rows);
    redo(list, atEnd);
    const int last = list.eventCount();
    EXPECT_EQ(list.row(last).bytes, (std::vector<std::uint8_t>{0xFF, 0x2F, 0x00}));
    EXPECT_EQ(list.row(last - 1).bytes, (std::vector<std::uint8_t>{0x80, 0x3C, 0x00}));
    EXPECT_EQ(list.absTick(last), endTime + 2 * (20 + 30));
    EXPECT_TRUE(pasteRows(list, 0, parsed.rows).empty());
    EXPECT_TRUE(pasteRows(list, list.rowCount(), parsed.rows).empty());

    // Without a track end at the bottom, the trailing row takes them after the last event.
    auto open = testing_support::listOf({{0, {0x90, 0x3C, 0x64}}});
    auto afterLast = pasteRows(open, open.trailingRow(), parsed.rows);
    redo(open, afterLast);
    ASSERT_EQ(open.eventCount(), 3);
    EXPECT_EQ(open.status(1), 0x90);
    EXPECT_EQ(open.row(3).bytes, (std::vector<std::uint8_t>{0x80, 0x3C, 0x00}));
}
