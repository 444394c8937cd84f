#include <gtest/gtest.h>

#include "document/event_cells.h"
#include "document/smf_builder.h"
#include "document/smf_reader.h"
#include "document/smf_writer.h"
#include "events/event_properties.h"
#include "events/insert_event.h"
#include "events/program_edit.h"
#include "events/row_commands.h"
#include "support/temp_dir.h"

using namespace document;
using namespace events;

namespace {

base::Bytes styleBytes() {
    TrackBuilder t;
    t.text(0, 0x03, "Test").tempo(0, 500000).meta(0, 0x58, {4, 2, 24, 8}).meta(0, 0x59, {0xFE, 1});
    t.sysex(0, {0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7});
    t.text(0, 0x06, "SFF1").text(0, 0x06, "Main A");
    t.event(0, {0xB0, 0x07, 0x64}).event(0, {0xC0, 0x05}).event(0, {0xA0, 0x3C, 0x10}).event(0, {0xD1, 0x20});
    t.event(10, {0x90, 0x3C, 0x64}).event(96, {0x80, 0x3C, 0x00}).event(0, {0xE1, 0x00, 0x40});
    t.meta(0, 0x54, {1, 2, 3, 4, 5}).meta(0, 0x21, {0x01}).meta(0, 0x7F, {0x43, 0x7B, 0x01});
    t.text(48, 0x06, "Main B").event(0, {0x91, 0x40, 0x50}).event(200, {0x81, 0x40, 0x00});
    t.end();
    auto file = smfFile(0, 96, {t.bytes()});
    append(file, chunk("CASM", {'C', 'S', 'E', 'G', 0, 0, 0, 0}));
    append(file, {'O', 'T', 'S', 'c', 0, 0, 0, 1, 0x42});
    return file;
}

int rowOfStatus(const EventList& list, int status) {
    for (int r = 1; r <= list.eventCount(); ++r)
        if (list.status(r) == status) return r;
    return 0;
}

int rowOfMeta(const EventList& list, int type) {
    for (int r = 1; r <= list.eventCount(); ++r)
        if (list.status(r) == 0xFF && list.metaType(r) == type) return r;
    return 0;
}

// Each of the commands once, as the window would build them from the list as it stands.
std::vector<Edit> everyCommand(EventList& list) {
    std::vector<Edit> done;
    auto apply = [&](Edit edit) {
        ASSERT_FALSE(edit.empty());
        redo(list, edit);
        done.push_back(std::move(edit));
    };
    auto property = [&](int r, EventRow after) { apply(replaceRow(list, r, std::move(after), "Edit Event")); };
    const int tempo = rowOfMeta(list, 0x51);
    property(tempo, withTempo(list.row(tempo), 100));
    const int ts = rowOfMeta(list, 0x58);
    property(ts, withTimeSignature(list.row(ts), {3, 8, 36, 8}));
    const int key = rowOfMeta(list, 0x59);
    property(key, withKeySignature(list.row(key), {9, 0}));
    const int sysex = rowOfStatus(list, 0xF0);
    property(sysex, withSystemExclusive(list.row(sysex), {0x7E, 0x7F, 0x09, 0x01, 0xF7}, "GM System On"));
    const int marker = rowOfMeta(list, 0x06);
    property(marker, withText(list.row(marker), {"Intro A", 5}));
    const int cc = rowOfStatus(list, 0xB0);
    property(cc, withController(list.row(cc), {10, 20}));
    const int program = rowOfStatus(list, 0xC0);
    apply(programEdit(list, program, 50, "Strings", lookUpBank(list, program, 0), 129));
    const int after = rowOfStatus(list, 0xA0);
    property(after, withKeyAfterTouch(list.row(after), {70, 1}));
    const int channel = rowOfStatus(list, 0xD1);
    property(channel, withChannelAfterTouch(list.row(channel), 99));
    const int pitch = rowOfStatus(list, 0xE1);
    property(pitch, withPitch(list.row(pitch), 0));
    const int smpte = rowOfMeta(list, 0x54);
    property(smpte, withSmpte(list.row(smpte), {0, 0, 0, 0, 0}));
    const int port = rowOfMeta(list, 0x21);
    property(port, withPosition(list.row(port), 3));
    const int sequencer = rowOfMeta(list, 0x7F);
    property(sequencer, withSequencerData(list.row(sequencer), {0x01, 0x02}));
    InsertValues inserted;
    inserted.type = InsertTempo;
    inserted.hexData = "0F,42,40";
    apply(insertEdit(list, 3, insertedRow(inserted, builtinNames())));
    apply(moveEdit(list, 4, true));
    apply(deltaEdit(list, rowOfStatus(list, 0x90), 50));
    list.setSelected(rowOfStatus(list, 0x91), true);
    list.setSelected(rowOfMeta(list, 0x21), true);
    list.setSelected(rowOfMeta(list, 0x54), true);
    apply(deleteEdit(list, selectionDelete(list, false).rows));
    apply(deleteEdit(list, {*singleDeleteRow(list, rowOfStatus(list, 0x81), true)}));
    return done;
}

}  // namespace

TEST(EditRoundTrip, EveryCommandUndoneSavesTheFileAsOpened) {
    testing_support::TempWorkspace t;
    const auto original = styleBytes();
    Document doc;
    ASSERT_TRUE(readBytes(original, doc, t.ws).opened);
    const auto midi = midiPartBytes(doc);

    auto edits = everyCommand(doc.events);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_NE(midiPartBytes(doc), midi);
    // Undone in any grouping: half of them, redone, then all.
    for (std::size_t i = edits.size(); i-- > edits.size() / 2;) undo(doc.events, edits[i]);
    for (std::size_t i = edits.size() / 2; i < edits.size(); ++i) redo(doc.events, edits[i]);
    for (std::size_t i = edits.size(); i-- > 0;) undo(doc.events, edits[i]);
    EXPECT_EQ(midiPartBytes(doc), midi);
    const auto saved = t.dir.file("Saved.prs");
    ASSERT_TRUE(saveAs(doc, saved, FilterPrs, t.ws, base::builtinLanguage()).ok);
    EXPECT_EQ(t.dir.read("Saved.prs"), original);
}

TEST(EditRoundTrip, SavedEditsReadBackAsMade) {
    testing_support::TempWorkspace t;
    Document doc;
    ASSERT_TRUE(readBytes(styleBytes(), doc, t.ws).opened);
    everyCommand(doc.events);
    ASSERT_FALSE(HasFatalFailure());
    // M:B:T is left out: the file read again counts bars by the edited time signature.
    auto cells = [](const Document& d) {
        std::vector<std::string> out;
        for (int r = 1; r <= d.events.eventCount(); ++r)
            for (int c : {ColTick, ColEvent, ColCh, ColData, ColText}) out.push_back(cellText(d, r, c));
        return out;
    };
    const auto saved = t.dir.file("Edited.prs");
    ASSERT_TRUE(saveAs(doc, saved, FilterPrs, t.ws, base::builtinLanguage()).ok);
    Document again;
    ASSERT_TRUE(readFile(saved, again, t.ws).opened);
    EXPECT_EQ(cells(again), cells(doc));
    // The CASM section and the chunks after it come back unchanged.
    const auto bytes = t.dir.read("Edited.prs");
    const auto tail = base::Bytes{'C', 'A', 'S', 'M', 0, 0, 0, 8, 'C', 'S', 'E', 'G', 0, 0, 0, 0,
                                 'O', 'T', 'S', 'c', 0, 0, 0, 1, 0x42};
    ASSERT_GE(bytes.size(), tail.size());
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), bytes.end() - static_cast<std::ptrdiff_t>(tail.size())));
}
