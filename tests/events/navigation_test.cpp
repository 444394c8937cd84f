#include <gtest/gtest.h>

#include "events/navigation.h"
#include "support/event_rows.h"

using namespace document;
using namespace events;

namespace {

using testing_support::textMeta;

// Intro, Main A (channels 10 and 2), Main A again (channel 3), a tempo, a
// marker without events and a track end.
EventList styleRows() {
    return testing_support::listOf({
        {0, textMeta(0x03, "Song")},               // 1
        {0, textMeta(0x06, "Intro A")},            // 2
        {0, {0xB9, 0x00, 0x7F}},                   // 3
        {0, textMeta(0x06, "Main A")},             // 4
        {0, {0x99, 0x24, 0x64}},                   // 5
        {0, {0xB1, 0x07, 0x64}},                   // 6
        {0, textMeta(0x06, "Main A")},             // 7
        {0, {0xB2, 0x0A, 0x40}},                   // 8
        {0, {0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20}}, // 9
        {0, textMeta(0x01, "Comment")},            // 10
        {0, {0xFF, 0x2F, 0x00}},                   // 11
    });
}

}  // namespace

TEST(Navigation, TextListsStopAtTheFirstRowWithoutBytes) {
    auto list = styleRows();
    auto lists = collectTextLists(list);
    EXPECT_EQ(lists.markers, (std::vector<std::string>{"Intro A", "Main A", "Main A"}));
    EXPECT_EQ(lists.texts, (std::vector<std::string>{"Song", "Comment"}));
    // A row blanked in the middle ends the walk there.
    list.setRow(5, {});
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
    list.setSelected(7, true);
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
    EXPECT_FALSE(list.selected(last + 1));
    EXPECT_EQ(flipAndAdvance(list, 1), 2);
    EXPECT_EQ(selectedCount(list), 1);
}
