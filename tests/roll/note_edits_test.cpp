#include <gtest/gtest.h>

#include "document/demo_style.h"
#include "document/smf_reader.h"
#include "document/smf_writer.h"
#include "roll/note_edits.h"
#include "roll/placement.h"
#include "support/event_rows.h"
#include "support/temp_dir.h"

using document::EventList;
using roll::Note;
using testing_support::listOf;
using testing_support::rowsOf;

namespace {

// Every event as (absolute tick, bytes), in list order.
std::vector<std::pair<std::uint64_t, std::vector<std::uint8_t>>> timeline(const EventList& list) {
    std::vector<std::pair<std::uint64_t, std::vector<std::uint8_t>>> out;
    for (int r = 1; r <= list.eventCount(); ++r) {
        const auto b = list.bytes(r);
        out.push_back({list.absTick(r), {b.begin(), b.end()}});
    }
    return out;
}

// Applies the edit, checks that undo gives back every row as it was, and
// applies it again for the caller to look at.
void applyAndCheckUndo(EventList& list, document::Edit& edit) {
    const auto before = rowsOf(list);
    document::redo(list, edit);
    document::undo(list, edit);
    ASSERT_EQ(rowsOf(list), before) << edit.name;
    document::redo(list, edit);
}

std::vector<Note> notesOf(const EventList& list, std::initializer_list<std::size_t> which) {
    const auto all = roll::pairNotes(list);
    std::vector<Note> out;
    for (std::size_t i : which) out.push_back(all.at(i));
    return out;
}

// C at 0 for 96, a controller and E at 96, the end of track at 384.
EventList sample() {
    return listOf({{0, {0x90, 60, 100}},
                   {96, {0x80, 60, 0}},
                   {0, {0xB0, 7, 90}},
                   {0, {0x90, 64, 80}},
                   {96, {0x80, 64, 0}},
                   {192, {0xFF, 0x2F, 0x00}}});
}

}  // namespace

TEST(NoteEdits, MoveInTimeKeepsEveryOtherEventWhereItWas) {
    auto list = sample();
    auto edit = roll::moveNotes(list, notesOf(list, {0}), {48, 2});
    EXPECT_EQ(edit.name, roll::kMoveNotes);
    applyAndCheckUndo(list, edit);
    using T = std::vector<std::pair<std::uint64_t, std::vector<std::uint8_t>>>;
    EXPECT_EQ(timeline(list), (T{{48, {0x90, 62, 100}},
                                 {96, {0xB0, 7, 90}},
                                 {96, {0x90, 64, 80}},
                                 {144, {0x80, 62, 0}},
                                 {192, {0x80, 64, 0}},
                                 {384, {0xFF, 0x2F, 0x00}}}));
}

TEST(NoteEdits, AMovedNoteOffGoesBeforeWhatElseStartsAtItsTick) {
    // A note ending where the section "B" starts stays in its own section,
    // and a note moved to start there starts after the marker.
    auto list = listOf({{0, {0x90, 60, 100}},
                        {48, {0x80, 60, 0}},
                        {0, {0xFF, 0x06, 'B'}},
                        {0, {0x90, 62, 100}},
                        {96, {0x80, 62, 0}},
                        {0, {0xFF, 0x2F, 0x00}}});
    auto edit = roll::moveNotes(list, notesOf(list, {0}), {48, 0});
    applyAndCheckUndo(list, edit);
    using T = std::vector<std::pair<std::uint64_t, std::vector<std::uint8_t>>>;
    EXPECT_EQ(timeline(list), (T{{48, {0xFF, 0x06, 'B'}},
                                 {48, {0x90, 62, 100}},
                                 {48, {0x90, 60, 100}},
                                 {96, {0x80, 60, 0}},
                                 {144, {0x80, 62, 0}},
                                 {144, {0xFF, 0x2F, 0x00}}}));
    // Back again: the note-off at 48 goes before the marker.
    auto back = roll::moveNotes(list, notesOf(list, {1}), {-48, 0});  // the note of key 60
    applyAndCheckUndo(list, back);
    EXPECT_EQ(timeline(list)[1], (std::pair<std::uint64_t, std::vector<std::uint8_t>>{48, {0x80, 60, 0}}));
    EXPECT_EQ(timeline(list)[2], (std::pair<std::uint64_t, std::vector<std::uint8_t>>{48, {0xFF, 0x06, 'B'}}));
}

TEST(NoteEdits, AMovePastTheEndTakesTheEndOfTrackAlong) {
    auto list = sample();
    auto edit = roll::moveNotes(list, notesOf(list, {1}), {1000, 0});
    applyAndCheckUndo(list, edit);
    ASSERT_EQ(list.eventCount(), 6);
    EXPECT_TRUE(document::isTrackEnd(list.eventBytes(6)));
    EXPECT_EQ(list.absTick(6), 1192u);
    EXPECT_EQ(list.absTick(5), 1192u);
    EXPECT_EQ(list.rowCount(), 8) << "the trailing row stays";
}

TEST(NoteEdits, ShiftsAreCutBackAtTheEdgesAndKeysMoveInPlace) {
    auto list = sample();
    auto notes = notesOf(list, {0, 1});
    EXPECT_EQ(roll::allowedShift(notes, {-500, 100}).ticks, 0);
    EXPECT_EQ(roll::allowedShift(notes, {-500, 100}).keys, 63);
    EXPECT_EQ(roll::allowedShift(notes, {0, -100}).keys, -60);

    auto edit = roll::moveNotes(list, notes, {0, 70});
    EXPECT_EQ(edit.name, roll::kTransposeNotes);
    EXPECT_TRUE(edit.removed.empty());
    EXPECT_EQ(edit.replaced.size(), 4u) << "two notes, on and off";
    applyAndCheckUndo(list, edit);
    EXPECT_EQ(list.dataBytes(1)[0], 123);
    EXPECT_EQ(list.dataBytes(5)[0], 127);
    EXPECT_TRUE(roll::moveNotes(list, notesOf(list, {1}), {0, 5}).empty()) << "the top key cannot go higher";
}

TEST(NoteEdits, LengthsChangeAtTheEndAndNeverVanish) {
    auto list = sample();
    auto edit = roll::changeLengths(list, notesOf(list, {0, 1}), -200, 12);
    applyAndCheckUndo(list, edit);
    const auto notes = roll::pairNotes(list);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].length(), 12u);
    EXPECT_EQ(notes[1].length(), 12u);
    EXPECT_EQ(notes[1].start, 96u);
    auto longer = roll::changeLengths(list, notesOf(list, {0}), 36, 1);
    applyAndCheckUndo(list, longer);
    EXPECT_EQ(roll::pairNotes(list)[0].length(), 48u);
}

TEST(NoteEdits, DrawDeleteVelocityAndPaste) {
    // The list ends its notes with zero note-ons: a drawn note does the same.
    auto list = listOf({{0, {0x92, 40, 100}}, {10, {0x92, 40, 0}}, {90, {0xFF, 0x2F, 0x00}}});
    auto draw = roll::drawNote(list, 2, 43, 20, 30, 77);
    applyAndCheckUndo(list, draw);
    auto notes = roll::pairNotes(list);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[1].start, 20u);
    EXPECT_EQ(notes[1].end, 50u);
    EXPECT_EQ(notes[1].velocity, 77);
    EXPECT_EQ(list.status(notes[1].offRow), 0x92);
    ASSERT_NE(list.explicitText(notes[1].onRow, document::ColN), nullptr);
    EXPECT_EQ(*list.explicitText(notes[1].onRow, document::ColN), "Ins");

    auto velocity = roll::setVelocities(list, notes, std::vector<int>{127, 300});
    applyAndCheckUndo(list, velocity);
    EXPECT_EQ(roll::pairNotes(list)[0].velocity, 127);
    EXPECT_EQ(roll::pairNotes(list)[1].velocity, 127) << "kept within 1 to 127";

    const auto clip = roll::copyNotes(roll::pairNotes(list));
    auto paste = roll::pasteNotes(list, clip, 100);
    applyAndCheckUndo(list, paste);
    notes = roll::pairNotes(list);
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_EQ(notes[2].start, 100u);
    EXPECT_EQ(notes[3].start, 120u);
    EXPECT_TRUE(list.selected(notes[3].onRow)) << "pasted notes come in selected";
    EXPECT_TRUE(document::isTrackEnd(list.eventBytes(list.eventCount())));
    EXPECT_EQ(list.absTick(list.eventCount()), 150u);

    auto del = roll::deleteNotes(list, std::vector<Note>{notes[0], notes[2]});
    applyAndCheckUndo(list, del);
    notes = roll::pairNotes(list);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].start, 20u);
    EXPECT_EQ(notes[1].start, 120u);
    EXPECT_EQ(list.absTick(list.eventCount()), 150u);
}

TEST(NoteEdits, AMoveAndItsUndoGiveBackTheFileByteForByte) {
    testing_support::TempWorkspace t;
    document::Document doc;
    const auto result = document::readBytes(document::demoStyle(), doc, t.ws);
    ASSERT_TRUE(result.opened && !result.failed);
    const auto original = document::midiPartBytes(doc);
    auto notes = roll::pairNotes(doc.events);
    ASSERT_GT(notes.size(), 20u);
    // Every third note, later by an odd amount and up a tone.
    std::vector<Note> some;
    for (std::size_t i = 0; i < notes.size(); i += 3) some.push_back(notes[i]);
    auto edit = roll::moveNotes(doc.events, some, {37, 2});
    document::redo(doc.events, edit);
    EXPECT_NE(document::midiPartBytes(doc), original);
    EXPECT_EQ(roll::pairNotes(doc.events).size(), notes.size());
    document::undo(doc.events, edit);
    EXPECT_EQ(document::midiPartBytes(doc), original);
}

TEST(Placement, WithoutAnEndOfTrackRowsGoBeforeTheTrailingRow) {
    auto list = listOf({{0, {0x90, 60, 100}}, {10, {0x80, 60, 0}}});
    std::vector<roll::Placement> placed{{5, document::eventRow(0, {0xB0, 1, 2})}};
    auto edit = roll::placeEvents(list, {}, std::move(placed), "Place");
    applyAndCheckUndo(list, edit);
    EXPECT_EQ(list.eventCount(), 3);
    EXPECT_EQ(list.absTick(2), 5u);
    EXPECT_EQ(list.delta(3), 5u);
    EXPECT_EQ(roll::trackEndRow(list), 0);
}

TEST(NoteEdits, RandomMovesKeepEveryOtherEventAndUndoExactly) {
    // Random lists of notes, controllers and markers; random notes moved by
    // random amounts, many times over.
    std::uint32_t seed = 12345;
    const auto random = [&](std::uint32_t below) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % below;
    };
    for (int round = 0; round < 200; ++round) {
        EventList list;
        const int count = 5 + static_cast<int>(random(40));
        for (int i = 0; i < count; ++i) {
            const auto delta = random(4) == 0 ? 0u : random(50);
            const auto kind = random(6);
            const auto key = static_cast<std::uint8_t>(60 + random(5));
            if (kind == 0) list.appendRow(document::eventRow(delta, {0xB0, 7, 1}));
            else if (kind == 1) list.appendRow(document::eventRow(delta, {0xFF, 0x06, 'S'}));
            else list.appendRow(document::eventRow(delta, {static_cast<std::uint8_t>(kind % 2 ? 0x90 : 0x80), key, 64}));
        }
        if (random(3) != 0) list.appendRow(document::eventRow(random(30), {0xFF, 0x2F, 0x00}));
        const auto notes = roll::pairNotes(list);
        std::vector<Note> chosen;
        for (const Note& n : notes)
            if (random(3) == 0) chosen.push_back(n);
        const roll::Shift wanted{static_cast<std::int64_t>(random(200)) - 100, static_cast<int>(random(5)) - 2};
        const auto shift = roll::allowedShift(chosen, wanted);
        const auto movedRows = roll::noteRows(chosen);
        const auto isMoved = [&](int r) { return std::binary_search(movedRows.begin(), movedRows.end(), r); };

        // What must hold afterwards: the others in order at their ticks; the moved ones shifted.
        std::vector<std::pair<std::uint64_t, std::vector<std::uint8_t>>> stay, moved;
        for (int r = 1; r <= list.eventCount(); ++r) {
            const auto b = list.bytes(r);
            std::vector<std::uint8_t> bytes(b.begin(), b.end());
            if (!isMoved(r)) {
                stay.push_back({list.absTick(r), bytes});
            } else {
                if (shift.ticks != 0 || shift.keys != 0) bytes[1] = static_cast<std::uint8_t>(bytes[1] + shift.keys);
                moved.push_back({static_cast<std::uint64_t>(static_cast<std::int64_t>(list.absTick(r)) + shift.ticks), bytes});
            }
        }
        const bool hasEnd = roll::trackEndRow(list) != 0;
        auto edit = roll::moveNotes(list, chosen, wanted);
        applyAndCheckUndo(list, edit);
        ASSERT_EQ(list.eventCount(), static_cast<int>(stay.size() + moved.size())) << round;
        std::vector<std::pair<std::uint64_t, std::vector<std::uint8_t>>> others, shifted;
        std::uint64_t last = 0;
        for (int r = 1; r <= list.eventCount(); ++r) {
            const auto b = list.bytes(r);
            std::pair<std::uint64_t, std::vector<std::uint8_t>> e{list.absTick(r), {b.begin(), b.end()}};
            ASSERT_GE(e.first, last);
            last = e.first;
            const bool wasMoved = std::find(moved.begin(), moved.end(), e) != moved.end() &&
                                  std::count(shifted.begin(), shifted.end(), e) < std::count(moved.begin(), moved.end(), e);
            (wasMoved ? shifted : others).push_back(e);
        }
        if (hasEnd) {
            ASSERT_TRUE(document::isTrackEnd(list.eventBytes(list.eventCount()))) << round;
            // The end of track may only have moved later, to the last moved note.
            ASSERT_GE(others.back().first, stay.back().first);
            others.back().first = stay.back().first;
        }
        ASSERT_EQ(others, stay) << round;
        std::sort(shifted.begin(), shifted.end());
        std::sort(moved.begin(), moved.end());
        ASSERT_EQ(shifted, moved) << round;
    }
}
