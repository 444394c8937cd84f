#include <gtest/gtest.h>

#include "events/navigation.h"

using namespace document;
using namespace events;

namespace {

// Appends an event row with Event, Ch., Data and Text cells.
void add(EventList& list, std::string_view event, std::string_view ch, std::string_view data, std::string_view text) {
    RowCells cells{};
    cells[ColEvent] = event;
    cells[ColCh] = ch;
    cells[ColData] = data;
    cells[ColText] = text;
    list.rows().back().setCells(cells);
    list.appendRow();
}

// Intro, Main A (channels 10 and 2), Main A again (channel 3), a tempo, a
// marker without events and a track end.
EventList styleRows() {
    EventList list;
    add(list, "FF 03 ", "", "Song", "Track name");             // 1
    add(list, "FF 06 ", "", "Intro A", "Marker");              // 2
    add(list, "B9 ", "10", "00 7F ", "Control change");        // 3
    add(list, "FF 06 ", "", "Main A", "Marker");               // 4
    add(list, "99 ", "10", "24 64 ", "Note on");               // 5
    add(list, "B1 ", "2", "07 64 ", "Control change");         // 6
    add(list, "FF 06 ", "", "Main A", "Marker");               // 7
    add(list, "B2 ", "3", "0A 40 ", "Control change");         // 8
    add(list, "FF 51 03 ", "", "07 A1 20 ", "Tempo");          // 9
    add(list, "FF 01 ", "", "Comment", "Text");                // 10
    add(list, "FF 2F 00 ", "", "", "Track end");               // 11
    return list;
}

}  // namespace

TEST(Navigation, TextListsStopAtTheFirstRowWithoutBytes) {
    auto list = styleRows();
    auto lists = collectTextLists(list);
    EXPECT_EQ(lists.markers, (std::vector<std::string>{"Intro A", "Main A", "Main A"}));
    EXPECT_EQ(lists.texts, (std::vector<std::string>{"Song", "Comment"}));
    // A row blanked in the middle ends the walk there.
    list.row(5).blank();
    lists = collectTextLists(list);
    EXPECT_EQ(lists.markers, (std::vector<std::string>{"Intro A", "Main A"}));
    EXPECT_EQ(lists.texts, (std::vector<std::string>{"Song"}));
}

TEST(Navigation, MarkerAndTextClicks) {
    const auto list = styleRows();
    // A marker text that occurs twice goes to the first; its section ends at the next marker.
    const auto main = findMarker(list, "Main A");
    ASSERT_TRUE(main);
    EXPECT_EQ(main->row, 4);
    EXPECT_EQ(main->channels, (std::vector<int>{2, 10}));
    // The last section runs to the end of the list.
    const auto intro = findMarker(list, "Intro A");
    ASSERT_TRUE(intro);
    EXPECT_EQ(intro->channels, (std::vector<int>{10}));
    EXPECT_FALSE(findMarker(list, "Ending A"));
    EXPECT_FALSE(findMarker(list, "Song"));  // a track name is not a marker
    EXPECT_EQ(findTextRow(list, "Comment"), 10);
    EXPECT_EQ(findTextRow(list, "Main A"), 4);
    EXPECT_FALSE(findTextRow(list, "Comm"));
}

TEST(Navigation, SectionLookup) {
    const auto list = styleRows();
    EXPECT_EQ(sectionAt(list, 0), "");
    EXPECT_EQ(sectionAt(list, 1), "");
    EXPECT_EQ(sectionAt(list, 2), "Intro A");  // the marker row itself
    EXPECT_EQ(sectionAt(list, 6), "Main A");
    EXPECT_EQ(sectionAt(list, list.rowCount() - 1), "Main A");  // trailing row
}

TEST(Navigation, FindWalksDownWithoutWrapping) {
    auto list = styleRows();
    const int control = 1;   // "Control change"
    const int tempo = 10;    // "Tempo"
    EXPECT_EQ(findKindCaption(5), "F0 Sysex Event");
    EXPECT_EQ(findKindText(5), "F0 System Exclusive Event");
    EXPECT_EQ(findKindText(3), "Chanel after-toch");
    EXPECT_EQ(findNext(list, 0, control, 0), 3);
    EXPECT_EQ(findNext(list, 3, control, 0), 6);  // starts below the current row
    EXPECT_EQ(findNext(list, 0, control, 3), 8);
    EXPECT_FALSE(findNext(list, 8, control, 0));  // no wrap to row 3
    // "Chan3" still stops at a searched event that has no channel.
    EXPECT_EQ(findNext(list, 0, tempo, 3), 9);
    EXPECT_FALSE(findNext(list, list.rowCount() - 1, tempo, 0));
    EXPECT_FALSE(findNext(list, 0, 16, 0));
    // "Selected" looks at the flags only.
    EXPECT_FALSE(findNext(list, 0, kFindSelected, 0));
    list.row(7).setSelected(true);
    EXPECT_EQ(findNext(list, 0, kFindSelected, 5), 7);
    EXPECT_FALSE(findNext(list, 7, kFindSelected, 0));
}

TEST(Navigation, SelectionKeys) {
    EXPECT_EQ(keyCommand(GridKey::Up, true, false), KeyCommand::FlipLeaving);
    EXPECT_EQ(keyCommand(GridKey::Down, false, false), KeyCommand::None);
    EXPECT_EQ(keyCommand(GridKey::Plus, false, true), KeyCommand::InsertEvent);
    EXPECT_EQ(keyCommand(GridKey::Plus, false, false), KeyCommand::None);  // main keyboard +
    EXPECT_EQ(keyCommand(GridKey::Minus, false, true), KeyCommand::UnselectAll);
    EXPECT_EQ(keyCommand(GridKey::Insert, false, false), KeyCommand::FlipAndAdvance);

    auto list = styleRows();
    const int last = list.eventCount();
    EXPECT_EQ(flipAndAdvance(list, 1), 2);
    EXPECT_EQ(flipAndAdvance(list, last), last + 1);  // onto the trailing row
    EXPECT_EQ(selectedCount(list), 2);
    // The trailing row holds no event: its flag stays clear and the grid stays.
    EXPECT_EQ(flipAndAdvance(list, last + 1), last + 1);
    EXPECT_FALSE(list.row(last + 1).selected());
    EXPECT_EQ(flipAndAdvance(list, 1), 2);
    EXPECT_EQ(selectedCount(list), 1);
}
