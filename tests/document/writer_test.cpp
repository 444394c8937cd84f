#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "document/smf_builder.h"
#include "document/smf_reader.h"
#include "document/smf_writer.h"
#include "support/temp_dir.h"

using namespace document;
using testing_support::TempWorkspace;

namespace {

base::Bytes varLen(std::uint32_t v) {
    base::Bytes out;
    appendVarLen(out, v);
    return out;
}

base::Bytes encoded(const EventRow& r) {
    EventList list;
    list.insertRow(1, r);
    base::Bytes out;
    encodeRow(list, 1, out);
    return out;
}

Document withRows(std::initializer_list<EventRow> rows) {
    Document doc;
    doc.division = 96;
    doc.trackCount = 1;
    for (const auto& r : rows) doc.events.insertRow(doc.events.trailingRow(), r);
    return doc;
}

base::Bytes trackOf(const Document& doc) {
    const auto bytes = midiPartBytes(doc);
    return base::Bytes(bytes.begin() + 18, bytes.end());
}

Document loaded(const TempWorkspace& t, const base::Bytes& file) {
    Document doc;
    readFile(t.dir.write("in.sty", file), doc, t.ws);
    return doc;
}

}  // namespace

TEST(Writer, VariableLengthQuantities) {
    EXPECT_EQ(varLen(0), base::Bytes{0x00});
    EXPECT_EQ(varLen(127), base::Bytes{0x7F});
    EXPECT_EQ(varLen(128), (base::Bytes{0x81, 0x00}));
    EXPECT_EQ(varLen(16384), (base::Bytes{0x81, 0x80, 0x00}));
    EXPECT_EQ(varLen(0x0FFFFFFF), (base::Bytes{0xFF, 0xFF, 0xFF, 0x7F}));
}

TEST(Writer, EncodesEachKindFromItsBytes) {
    EXPECT_EQ(encoded(eventRow(0, {0x90, 0x3C, 0x64})), (base::Bytes{0x00, 0x90, 0x3C, 0x64}));
    EventRow noTick = eventRow(0, {0xF0, 0x43, 0x10, 0xF7});
    noTick.delta.reset();
    EXPECT_EQ(encoded(noTick), (base::Bytes{0x00, 0xF0, 0x03, 0x43, 0x10, 0xF7}));
    EXPECT_EQ(encoded(eventRow(1, {0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20})),
              (base::Bytes{0x01, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20}));
    EXPECT_EQ(encoded(eventRow(0, {0xFF, 0x00, 0x02, 0x01, 0x02})), (base::Bytes{0x00, 0xFF, 0x00, 0x02, 0x01, 0x02}));
    EXPECT_EQ(encoded(eventRow(0, {0xFF, 0x2F, 0x00})), (base::Bytes{0x00, 0xFF, 0x2F, 0x00}));
    EXPECT_EQ(encoded(eventRow(0, {0xFF, 0x7F, 0x00, 0x01})), (base::Bytes{0x00, 0xFF, 0x7F, 0x02, 0x00, 0x01}));
    EXPECT_EQ(encoded(eventRow(128, {0xFF, 0xF8})), (base::Bytes{0x81, 0x00, 0xFF, 0xF8}));
    std::vector<std::uint8_t> text{0xFF, 0x01};
    text.resize(202, 'a');
    const auto bytes = encoded(eventRow(0, text));
    ASSERT_EQ(bytes.size(), 5u + 200u);
    EXPECT_EQ(bytes[3], 0x81);
    EXPECT_EQ(bytes[4], 0x48);
}

TEST(Writer, RowsThatAreNoEventAndEarlyTrackEndsPassTheirTimeOn) {
    // A row without Event bytes is no event.
    EXPECT_EQ(trackOf(withRows({eventRow(10, {}), eventRow(5, {0xFF, 0x2F, 0x00})})),
              (base::Bytes{0, 0, 0, 4, 15, 0xFF, 0x2F, 0x00}));
    // Two tracks read into one list: one end-of-track, the last event.
    EXPECT_EQ(trackOf(withRows({eventRow(1, {0x90, 60, 1}), eventRow(2, {0xFF, 0x2F, 0x00}),
                                eventRow(3, {0xFF, 0x2F, 0x00}), eventRow(4, {0x80, 60, 0}),
                                eventRow(5, {0xFF, 0x2F, 0x00})})),
              (base::Bytes{0, 0, 0, 12, 1, 0x90, 60, 1, 9, 0x80, 60, 0, 5, 0xFF, 0x2F, 0x00}));
    // An end-of-track that is not last and no end-of-track after it.
    EXPECT_EQ(trackOf(withRows({eventRow(7, {0xFF, 0x2F, 0x00}), eventRow(1, {0xC0, 5})})),
              (base::Bytes{0, 0, 0, 3, 8, 0xC0, 5}));
}

TEST(Writer, ExtensionRule) {
    EXPECT_EQ(applyExtensionRule("x.txt", FilterMid), "x.txt.mid");
    EXPECT_EQ(applyExtensionRule("SONG.MID", FilterMid), "SONG.MID");
    EXPECT_EQ(applyExtensionRule("song", FilterPrs), "song.prs");
    EXPECT_EQ(applyExtensionRule("dir.v2/song", FilterSty), "dir.v2/song.sty");
    EXPECT_EQ(applyExtensionRule("song.sty", 9), "song.sty");
    EXPECT_EQ(filterForName("a/B.PCS"), FilterPcs);
    EXPECT_EQ(filterForName("a/b.txt"), 0);
    // The filter follows a name that ends in a type the program writes.
    EXPECT_EQ(saveTarget("x.mid", FilterSst).name, "x.mid");
    EXPECT_EQ(saveTarget("x.mid", FilterSst).filter, FilterMid);
    EXPECT_EQ(saveTarget("d/ferna.STY", FilterMid).filter, FilterSty);
    EXPECT_EQ(saveTarget("x.txt", FilterMid).name, "x.txt.mid");
    EXPECT_EQ(saveTarget("d.sty/x", FilterPrs).name, "d.sty/x.prs");
    EXPECT_EQ(saveTarget("d.sty/x", FilterPrs).filter, FilterPrs);
}

TEST(Writer, EachTypeTakesItsPieces) {
    TempWorkspace t;
    const auto demo = [] {
        TrackBuilder b;
        b.event(0, {0x90, 60, 100}).end(10);
        base::Bytes style = smfFile(0, 480, {b.bytes()});
        return style;
    }();
    base::Bytes style = demo;
    append(style, chunk("CASM", {1, 2}));
    append(style, {7, 7});
    const auto doc = loaded(t, style);

    auto tyrosWithAdd = saveAs(doc, t.dir.file("a.prs"), FilterPrs, t.ws);
    EXPECT_TRUE(tyrosWithAdd.ok);
    EXPECT_EQ(tyrosWithAdd.note, "");
    EXPECT_EQ(t.dir.read("a.prs"), style);
    // A PSR style leaves the add part out, and says so.
    auto psr = saveAs(doc, t.dir.file("a.sty"), FilterSty, t.ws);
    EXPECT_EQ(psr.message.caption, "Saved as a SFF style file...");
    EXPECT_EQ(psr.message.icon, base::Icon::Information);
    EXPECT_EQ(psr.note, "The add part (2 bytes) was left out: .bcs, .prs, .sst, .pst and .pcs files keep it.");
    EXPECT_EQ(t.dir.read("a.sty"), base::Bytes(style.begin(), style.end() - 2));
    auto midi = saveAs(doc, t.dir.file("a.mid"), FilterMid, t.ws);
    EXPECT_EQ(midi.message.caption, "Saved as a MIDI SMF0 file...");
    EXPECT_EQ(midi.message.text, t.dir.file("a.mid").string());
    EXPECT_EQ(t.dir.read("a.mid"), demo);

    // Without an add part a Tyros-family save writes MIDI part and CASM only.
    base::removeFile(t.ws.casmAdd());
    auto tyros = saveAs(doc, t.dir.file("b.bcs"), FilterBcs, t.ws);
    EXPECT_EQ(tyros.message.caption, "Saved as a SFF style file for TYROS keyboard...");
    EXPECT_EQ(t.dir.read("b.bcs"), base::Bytes(style.begin(), style.end() - 2));
    EXPECT_EQ(saveAs(doc, t.dir.file("b.sty"), FilterSty, t.ws).note, "");
}

TEST(Writer, AFailedSaveLeavesTheOldFileAndNoPartialFile) {
    TempWorkspace t;
    TrackBuilder b;
    b.end();
    const auto doc = loaded(t, smfFile(0, 480, {b.bytes()}));
    t.dir.write("old.sty", {1, 2, 3});
    const auto before = t.dir.listing();
    base::removeFile(t.ws.casm());
    auto result = saveAs(doc, t.dir.file("old.sty"), FilterSty, t.ws);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message.caption, "Unable to open the file");
    EXPECT_EQ(result.message.text, "The CASM section is not found...");
    EXPECT_EQ(result.message.icon, base::Icon::Error);
    EXPECT_EQ(t.dir.read("old.sty"), (base::Bytes{1, 2, 3}));
    EXPECT_EQ(t.dir.listing(), before);

    auto noFolder = saveAs(doc, t.dir.file("missing/x.mid"), FilterMid, t.ws);
    EXPECT_FALSE(noFolder.ok);
    EXPECT_EQ(noFolder.message.caption, "Unable to create the file");
    EXPECT_EQ(noFolder.message.text, t.dir.file("missing/x.mid").string());
}

TEST(Writer, AWriteThatRunsOutOfSpaceKeepsTheTarget) {
    TempWorkspace t;
    Document doc = withRows({});
    for (int i = 0; i < 5000; ++i) doc.events.insertRow(1, eventRow(0, {0x90, 0x3C, 0x64}));
    t.dir.write("keep.mid", {1, 2, 3});
    const auto before = t.dir.listing();
    // A file size limit makes writes fail the way a full disk does.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    auto result = writeMidiPart(doc, t.dir.file("keep.mid"));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message.caption, "Write error");
    EXPECT_EQ(t.dir.read("keep.mid"), (base::Bytes{1, 2, 3}));
    EXPECT_EQ(t.dir.listing(), before);
}
