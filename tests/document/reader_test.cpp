#include <gtest/gtest.h>

#include "document/smf_builder.h"
#include "document/smf_reader.h"
#include "document/smf_writer.h"
#include "support/temp_dir.h"

using namespace document;
using testing_support::TempWorkspace;

namespace {

struct Read {
    Document doc;
    ReadResult result;
};

Read readBytes(const TempWorkspace& t, const base::Bytes& bytes, ReadOptions options = {}) {
    Read r;
    const auto path = t.dir.write("in.mid", bytes);
    r.result = readFile(path, r.doc, t.ws, options);
    return r;
}

std::string cell(const Read& r, int row, int column) { return cellText(r.doc, row, column); }

base::Bytes track(std::initializer_list<std::uint8_t> bytes) { return base::Bytes(bytes); }

}  // namespace

TEST(Reader, FormatOneTracksFollowEachOtherAndCannotBeSaved) {
    TempWorkspace t;
    TrackBuilder a, b, c;
    a.text(0, 0x03, "one").end();
    b.event(10, {0x90, 60, 100}).event(20, {0x80, 60, 0}).end();
    c.event(0, {0xC1, 5}).end();
    auto r = readBytes(t, smfFile(1, 96, {a.bytes(), b.bytes(), c.bytes()}));
    ASSERT_FALSE(r.result.failed) << *r.result.panels[3];
    EXPECT_EQ(*r.result.panels[0], "SMF1");
    EXPECT_EQ(*r.result.panels[1], "Trks:3");
    EXPECT_EQ(*r.result.panels[2], "Tick/4=96");
    EXPECT_EQ(*r.result.panels[3], "OK...");
    ASSERT_EQ(r.doc.events.eventCount(), 7);
    EXPECT_EQ(cell(r, 1, ColN), "1");
    EXPECT_EQ(cell(r, 3, ColN), "1");  // N restarts in every track
    EXPECT_EQ(cell(r, 5, ColN), "3");
    EXPECT_EQ(cell(r, 6, ColN), "1");
    EXPECT_EQ(cell(r, 6, ColComment), "Chorused Piano");
    EXPECT_TRUE(r.doc.events.bytes(r.doc.events.trailingRow()).empty());
    auto saved = saveAs(r.doc, t.dir.file("out.mid"), FilterMid, t.ws);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.message.caption, "Unsupported format");
    EXPECT_EQ(saved.message.text, "This programm can save only SMF0 files...");
    EXPECT_FALSE(base::fileExists(t.dir.file("out.mid")));
}

TEST(Reader, RunningStatusIsWrittenOutInFullAndCarriesAcrossTracks) {
    TempWorkspace t;
    // 90 3C 64, then running status 3E 64 and 40 00; the second track starts
    // with a data byte that continues the first track's status.
    auto first = track({0x00, 0x90, 0x3C, 0x64, 0x10, 0x3E, 0x64, 0x10, 0x40, 0x00, 0x00, 0xFF, 0x2F, 0x00});
    auto second = track({0x00, 0x41, 0x50, 0x00, 0xFF, 0x2F, 0x00});
    auto r = readBytes(t, smfFile(0, 480, {first, second}));
    ASSERT_FALSE(r.result.failed) << *r.result.panels[3];
    EXPECT_EQ(cell(r, 2, ColEvent), "90 ");
    EXPECT_EQ(cell(r, 2, ColData), "3E 64 ");
    EXPECT_EQ(cell(r, 3, ColComment), "n=E5  v=0");
    EXPECT_EQ(cell(r, 5, ColEvent), "90 ");
    EXPECT_EQ(cell(r, 5, ColData), "41 50 ");
    EXPECT_EQ(cell(r, 5, ColCh), "1");
    // Saved with every status byte (each running-status event one byte
    // longer) as one track: the first track's end-of-track is left out, so
    // that other readers do not stop there.
    const auto bytes = midiPartBytes(r.doc);
    EXPECT_EQ(bytes.size(), 22u + first.size() + second.size() + 3 - 4);
    Read again = readBytes(t, bytes);
    ASSERT_FALSE(again.result.failed);
    ASSERT_EQ(again.doc.events.eventCount(), r.doc.events.eventCount() - 1);
    for (int row = 1; row <= again.doc.events.eventCount(); ++row)
        for (int c : {ColTick, ColEvent, ColData, ColComment, ColText})
            EXPECT_EQ(cell(again, row, c), cell(r, row < 4 ? row : row + 1, c));
}

TEST(Reader, TrackLengthEdges) {
    TempWorkspace t;
    {   // One byte short, ending in FF 2F: the length byte is still read.
        base::Bytes body = {0x00, 0x90, 0x3C, 0x64, 0x00, 0xFF, 0x2F};
        base::Bytes file = smfFile(0, 480, {body});
        file.push_back(0x00);
        auto r = readBytes(t, file);
        EXPECT_FALSE(r.result.failed) << *r.result.panels[3];
        EXPECT_EQ(cell(r, 2, ColEvent), "FF 2F 00 ");
        EXPECT_EQ(cell(r, 2, ColText), "Track end");
    }
    {   // The track ends right after a delta time.
        auto r = readBytes(t, smfFile(0, 480, {track({0x00, 0x90, 0x3C, 0x64, 0x05})}));
        EXPECT_TRUE(r.result.failed);
        EXPECT_EQ(*r.result.panels[3], "Incorrect track length...");
        EXPECT_EQ(cell(r, 1, ColData), "3C 64 ");
        EXPECT_TRUE(r.result.partialRow);
        EXPECT_EQ(cell(r, 2, ColN), "2");
        EXPECT_EQ(cell(r, 2, ColTick), "5");
    }
    {   // The count runs out after the note byte: the note-on keeps one byte and
        // the next track follows without a message.
        auto file = smfFile(0, 480, {track({0x00, 0x90, 0x3C}), track({0x00, 0xFF, 0x2F, 0x00})});
        auto r = readBytes(t, file);
        EXPECT_FALSE(r.result.failed) << *r.result.panels[3];
        ASSERT_EQ(r.doc.events.eventCount(), 2);
        EXPECT_EQ(cell(r, 1, ColData), "3C ");
        EXPECT_EQ(cell(r, 1, ColComment), "n=C5 ");
        EXPECT_EQ(cell(r, 2, ColText), "Track end");
    }
    {   // An unreadable delta time.
        auto r = readBytes(t, smfFile(0, 480, {track({0x81})}));
        EXPECT_EQ(*r.result.panels[3], "Unable to read the time in MIDI event...");
    }
}

TEST(Reader, WrongDataNamesTheOffsetAndTheLastByte) {
    TempWorkspace t;
    {   // The file ends inside a marker's text: the last byte read is 'b' at 0x1A.
        base::Bytes body = {0x00, 0xFF, 0x06, 0x05, 'a', 'b'};
        auto file = smfFile(0, 480, {body});
        file[21] = 0x20;  // the track claims more than the file holds
        auto r = readBytes(t, file);
        EXPECT_TRUE(r.result.failed);
        EXPECT_EQ(*r.result.panels[3], "Wrong data in file...Position:1Bh:98");
        EXPECT_EQ(cell(r, 1, ColData), "ab");
    }
    {   // A fixed meta length that differs.
        auto r = readBytes(t, smfFile(0, 480, {track({0x00, 0xFF, 0x51, 0x02, 0x07, 0xA1})}));
        EXPECT_EQ(*r.result.panels[3], "Wrong data in file...Position:19h:2");
    }
    {   // Header bytes and the track tag.
        auto file = smfFile(0, 480, {track({0x00, 0xFF, 0x2F, 0x00})});
        auto bad = file;
        bad[7] = 7;
        EXPECT_EQ(*readBytes(t, bad).result.panels[3], "Wrong data in file...Position:Dh:224");
        bad = file;
        bad[14] = 'X';
        EXPECT_EQ(*readBytes(t, bad).result.panels[3], "Wrong data in file...Position:15h:4");
        bad.resize(10);
        auto shortRead = readBytes(t, bad);
        EXPECT_EQ(*shortRead.result.panels[3], "Не удается прочитать из файла...");
        EXPECT_FALSE(shortRead.result.panels[0].has_value());
    }
}

TEST(Reader, UnrecognizedStatusAndMetaTypes) {
    TempWorkspace t;
    auto r = readBytes(t, smfFile(0, 480, {track({0x00, 0xF1, 0x00})}));
    EXPECT_EQ(*r.result.panels[3], "Unrecognized data...");
    EXPECT_EQ(cell(r, 1, ColEvent), "F1 ");
    r = readBytes(t, smfFile(0, 480, {track({0x00, 0xFF, 0x33, 0x00})}));
    EXPECT_EQ(*r.result.panels[3], "FF: Unrecognized data...");
    EXPECT_EQ(cell(r, 1, ColEvent), "FF 33 33 ");
    // A data byte with no status before it.
    r = readBytes(t, smfFile(0, 480, {track({0x00, 0x40, 0x00})}));
    EXPECT_EQ(*r.result.panels[3], "Unrecognized data...");
    // Clock and friends have no length byte; a sequencer-specific length that
    // cannot be read has its own message.
    r = readBytes(t, smfFile(0, 480, {track({0x00, 0xFF, 0xF8, 0x00, 0xFF, 0x2F, 0x00})}));
    EXPECT_FALSE(r.result.failed);
    EXPECT_EQ(cell(r, 1, ColText), "MIDI Clock");
    r = readBytes(t, smfFile(0, 480, {track({0x00, 0xFF, 0x7F, 0x81})}));
    EXPECT_EQ(*r.result.panels[3], "Unable to read the lenght of Sequencer specific information...");
}

TEST(Reader, AbsurdLengthsEndInMessagesNotAllocations) {
    TempWorkspace t;
    // A text claiming 0x0FFFFFFF characters and a track claiming 4 GiB.
    auto file = smfFile(0, 480, {track({0x00, 0xFF, 0x01, 0xFF, 0xFF, 0xFF, 0x7F, 'x'})});
    file[18] = file[19] = file[20] = file[21] = 0xFF;
    auto r = readBytes(t, file);
    EXPECT_TRUE(r.result.failed);
    EXPECT_EQ(r.result.panels[3]->rfind("Wrong data in file...Position:", 0), 0u);
    // A system-exclusive event claiming more bytes than the track keeps what it has.
    r = readBytes(t, smfFile(0, 480, {track({0x00, 0xF0, 0xFF, 0xFF, 0xFF, 0x7F, 0x43, 0x10})}));
    EXPECT_FALSE(r.result.failed);
    EXPECT_EQ(cell(r, 1, ColData), "43 10 ");
}

TEST(Reader, LongSystemExclusiveIsKeptWholeThroughASave) {
    TempWorkspace t;
    std::vector<std::uint8_t> data(5000, 0x11);
    data.back() = 0xF7;
    TrackBuilder b;
    b.sysex(0, data).meta(0, 0x7F, std::vector<std::uint8_t>(4500, 0x22)).end();
    const auto file = smfFile(0, 480, {b.bytes()});
    auto r = readBytes(t, file);
    ASSERT_FALSE(r.result.failed);
    EXPECT_EQ(midiPartBytes(r.doc), file);
}

TEST(Reader, TextsAndDocumentValues) {
    TempWorkspace t;
    TrackBuilder b;
    b.text(0, 0x06, "Main A").text(0, 0x01, "hello").tempo(0, 0).meta(0, 0x58, {3, 3, 24, 8})
        .meta(0, 0x00, {0x01, 0x02}).event(0, {0xE0, 0x00, 0x40}).event(0, {0xB0, 0x00, 0x01})
        .event(0, {0xB0, 0x20, 0x02}).event(0, {0xC0, 0x05}).end(2880);
    auto r = readBytes(t, smfFile(0, 480, {b.bytes()}));
    ASSERT_FALSE(r.result.failed);
    EXPECT_EQ(r.doc.markers, std::vector<std::string>{"Main A"});
    EXPECT_EQ(r.doc.texts, std::vector<std::string>{"hello"});
    EXPECT_EQ(cell(r, 3, ColComment), "BPM=?");
    EXPECT_EQ(cell(r, 4, ColComment), "TS=3/8 Met=24MC");
    EXPECT_EQ(cell(r, 5, ColEvent), "FF 00 02 01 02 ");
    EXPECT_EQ(cell(r, 5, ColComment), "v=258");
    EXPECT_EQ(cell(r, 6, ColComment), "v=8192");
    EXPECT_EQ(r.doc.channels[0].bankMsb, 1);
    EXPECT_EQ(r.doc.channels[0].bankLsb, 2);
    EXPECT_EQ(r.doc.barNumerator, 3);
    // Three quarter notes to the bar whatever the denominator.
    EXPECT_EQ(cell(r, 10, ColMbt), "3:01:0");
    EXPECT_EQ(cell(r, r.doc.events.trailingRow(), ColMbt), "3:01:0");
}

TEST(Reader, CasmSectionAndAddPartGoToTheWorkingFiles) {
    TempWorkspace t;
    TrackBuilder b;
    b.end();
    const auto midi = smfFile(0, 480, {b.bytes()});
    const auto casm = chunk("CASM", {1, 2, 3, 4, 5});
    base::Bytes style = midi;
    append(style, casm);
    append(style, {9, 8, 7});
    auto r = readBytes(t, style);
    EXPECT_EQ(*r.result.panels[3], "OK...CASM Len=9  Add Len=3");
    EXPECT_EQ(r.result.casmCommands, CasmCommands::Enable);
    EXPECT_EQ(t.dir.read("#casm.csm"), casm);
    EXPECT_EQ(t.dir.read("#CasmAdd.dat"), (base::Bytes{9, 8, 7}));

    // CASM with nothing after it: the add part goes.
    style = midi;
    append(style, casm);
    r = readBytes(t, style);
    EXPECT_EQ(*r.result.panels[3], "OK...CASM Len=9");
    EXPECT_FALSE(base::fileExists(t.ws.casmAdd()));

    // A plain MIDI file: "ClearCasm" decides about "#casm.csm"; the add part stays.
    t.dir.write("#CasmAdd.dat", {1});
    ReadOptions keep;
    keep.clearCasm = false;
    r = readBytes(t, midi, keep);
    EXPECT_EQ(r.result.casmCommands, CasmCommands::Unchanged);
    EXPECT_TRUE(base::fileExists(t.ws.casm()));
    r = readBytes(t, midi);
    EXPECT_EQ(r.result.casmCommands, CasmCommands::Disable);
    EXPECT_FALSE(base::fileExists(t.ws.casm()));
    EXPECT_TRUE(base::fileExists(t.ws.casmAdd()));

    // A CASM section shorter than its length: no working file and wrong data.
    style = midi;
    auto cut = casm;
    cut.pop_back();
    append(style, cut);
    r = readBytes(t, style);
    EXPECT_TRUE(r.result.failed);
    EXPECT_EQ(*r.result.panels[3], "Wrong data in file...Position:" + [&] {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%zXh:4", style.size() - 1);
        return std::string(buf);
    }());
    EXPECT_FALSE(base::fileExists(t.ws.casm()));
    EXPECT_EQ(r.result.casmCommands, CasmCommands::Disable);
}

TEST(Reader, AWorkingFileThatCannotBeClearedFailsTheRead) {
    TempWorkspace t;
    TrackBuilder b;
    b.end();
    const auto midi = smfFile(0, 480, {b.bytes()});
    base::Bytes style = midi;
    append(style, chunk("CASM", {1, 2, 3}));
    append(style, {9, 8, 7});
    // Something under the working file's name that no delete removes.
    const auto blocked = [&](std::string_view name) {
        std::filesystem::create_directory(t.ws.workDir() / name);
        t.dir.writeText(std::string(name) + "/inside", "x");
    };
    const auto unblocked = [&](std::string_view name) { std::filesystem::remove_all(t.ws.workDir() / name); };

    blocked("#casm.csm");
    auto r = readBytes(t, midi);  // "ClearCasm" is on
    EXPECT_TRUE(r.result.failed);
    EXPECT_EQ(*r.result.panels[3], "OK... Unable to create the file #casm.csm");
    EXPECT_EQ(r.result.casmCommands, CasmCommands::Disable);
    r = readBytes(t, style);
    EXPECT_TRUE(r.result.failed);
    EXPECT_FALSE(r.result.casmTaken);
    EXPECT_EQ(*r.result.panels[3], "OK... Unable to create the file #casm.csm");
    unblocked("#casm.csm");

    // The previous file's add part would be saved with this style.
    blocked("#CasmAdd.dat");
    r = readBytes(t, style);
    EXPECT_TRUE(r.result.failed);
    EXPECT_FALSE(r.result.casmTaken);
    EXPECT_EQ(r.result.casmCommands, CasmCommands::Disable);
    EXPECT_EQ(*r.result.panels[3], "OK...CASM Len=7 Unable to create the file #CasmAdd.dat");
    unblocked("#CasmAdd.dat");
    r = readBytes(t, style);
    EXPECT_FALSE(r.result.failed) << *r.result.panels[3];
}

TEST(Reader, OpenEditorDecidesWhetherToReloadCasm) {
    TempWorkspace t;
    TrackBuilder b;
    b.end();
    base::Bytes style = smfFile(0, 480, {b.bytes()});
    append(style, chunk("CASM", {1}));
    t.dir.write("#casm.csm", {42});
    ReadOptions options;
    options.casmEditorOpen = true;
    int asked = 0;
    options.askReloadCasm = [&] { ++asked; return false; };
    auto r = readBytes(t, style, options);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(r.result.casmReloadDeclined);
    EXPECT_EQ(t.dir.read("#casm.csm"), base::Bytes{42});
    options.askReloadCasm = [&] { return true; };
    r = readBytes(t, style, options);
    EXPECT_TRUE(r.result.casmTaken);
    EXPECT_EQ(t.dir.read("#casm.csm"), chunk("CASM", {1}));
}

TEST(Reader, MissingFileChangesNothing) {
    TempWorkspace t;
    Document doc;
    doc.events.insertRow(1, eventRow(0, {0x90, 1, 2}));
    doc.events.setText(1, ColN, "kept");
    int started = 0;
    ReadOptions options;
    options.started = [&] { ++started; };
    auto result = readFile(t.dir.file("nope.sty"), doc, t.ws, options);
    EXPECT_FALSE(result.opened);
    EXPECT_EQ(*result.panels[3], "Unable to open the file...");
    EXPECT_EQ(cellText(doc, 1, ColN), "kept");
    EXPECT_EQ(started, 0);  // a window keeps the panels of the file it shows
    readBytes(t, {1, 2, 3}, options);
    EXPECT_EQ(started, 1);
}
