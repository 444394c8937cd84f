#include <gtest/gtest.h>

#include "base/file_names.h"
#include "document/export_import.h"
#include "document/smf_builder.h"
#include "document/smf_writer.h"
#include "support/temp_dir.h"

using namespace document;
using testing_support::TempWorkspace;

namespace {

base::Bytes style(bool withAdd) {
    TrackBuilder b;
    b.text(0, 0x06, "Main A").event(0, {0x99, 36, 100}).end(480);
    auto bytes = smfFile(0, 480, {b.bytes()});
    append(bytes, chunk("CASM", {'C', 'S', 'E', 'G'}));
    if (withAdd) append(bytes, chunk("OTSc", {1, 2, 3}));
    return bytes;
}

}  // namespace

TEST(ExportImport, DefaultNames) {
    auto names = defaultExportNames("/music/Pop.sty");
    EXPECT_EQ(names.mid, "/music/#Pop.mid");
    EXPECT_EQ(names.csm, "/music/#Pop.csm");
    EXPECT_EQ(names.add, "/music/#Pop.add");
    EXPECT_EQ(defaultExportNames("Plain").mid, "#Plain.mid");
    EXPECT_EQ(base::replaceExtension("a.b/c", ".csm"), "a.b/c.csm");
    EXPECT_EQ(base::replaceExtension("C:\\x.y\\Pop.STY", ".add"), "C:\\x.y\\Pop.add");
}

TEST(ExportImport, ExportThenImportSavesTheSameFile) {
    TempWorkspace t;
    Document doc;
    readFile(t.dir.write("Pop.prs", style(true)), doc, t.ws);
    auto names = defaultExportNames(t.dir.file("Pop.prs").string());
    auto exported = exportPieces(doc, names, t.ws);
    ASSERT_TRUE(exported.ok) << exported.message.caption;
    EXPECT_EQ(exported.message.caption, "Message");
    EXPECT_EQ(exported.message.text, "The style is exported as mid-file and csm-file...");
    EXPECT_EQ(exported.message.icon, base::Icon::None);
    EXPECT_EQ(t.dir.read("#Pop.csm"), chunk("CASM", {'C', 'S', 'E', 'G'}));
    EXPECT_EQ(t.dir.read("#Pop.add"), chunk("OTSc", {1, 2, 3}));

    TempWorkspace fresh;
    Document again;
    auto imported = importPieces(again, names, fresh.ws);
    ASSERT_TRUE(imported.casmImported);
    EXPECT_EQ(imported.message.text, "Files are imported. Use File/Save as to store a new style");
    EXPECT_EQ(imported.read.casmCommands, CasmCommands::Enable);
    ASSERT_TRUE(saveAs(again, fresh.dir.file("again.prs"), FilterPrs, fresh.ws).ok);
    EXPECT_EQ(fresh.dir.read("again.prs"), style(true));
}

TEST(ExportImport, MissingPiecesAndNames) {
    TempWorkspace t;
    Document doc;
    readFile(t.dir.write("Pop.sty", style(false)), doc, t.ws);
    // An empty MIDI name fails with "Unable to save..." and the empty name.
    auto failed = exportPieces(doc, {"", t.dir.file("x.csm").string(), ""}, t.ws);
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.message.caption, "Unable to save...");
    EXPECT_EQ(failed.message.text, "");

    // An import whose CASM file is missing keeps the MIDI part and no CASM.
    const auto mid = t.dir.file("#Pop.mid").string();
    ASSERT_TRUE(exportPieces(doc, {mid, t.dir.file("#Pop.csm").string(), ""}, t.ws).ok);
    TempWorkspace other;
    other.dir.write("#CasmAdd.dat", {5});
    Document imported;
    auto result = importPieces(imported, {mid, other.dir.file("missing.csm").string(), ""}, other.ws);
    EXPECT_FALSE(result.casmImported);
    EXPECT_EQ(result.message.text, "");
    EXPECT_EQ(result.read.casmCommands, CasmCommands::Disable);
    EXPECT_FALSE(base::fileExists(other.ws.casm()));
    EXPECT_EQ(imported.events.eventCount(), doc.events.eventCount());

    // With a CASM file and no add file, no add part is left behind.
    result = importPieces(imported, {mid, t.dir.file("#Pop.csm").string(), ""}, other.ws);
    EXPECT_TRUE(result.casmImported);
    EXPECT_FALSE(base::fileExists(other.ws.casmAdd()));
}

TEST(ExportImport, APieceNotWrittenFailsTheExportAndNamesThoseWritten) {
    TempWorkspace t;
    Document doc;
    readFile(t.dir.write("Pop.prs", style(true)), doc, t.ws);
    const auto mid = t.dir.file("#Pop.mid").string(), csm = t.dir.file("#Pop.csm").string();
    t.dir.writeText("plain", "not a folder");
    const auto add = t.dir.file("plain/#Pop.add").string();
    auto failed = exportPieces(doc, {mid, csm, add}, t.ws);
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.message.caption, "Unable to save...");
    EXPECT_EQ(failed.message.text, add);
    EXPECT_EQ(failed.note, "Already written: " + mid + ", " + csm);
    EXPECT_TRUE(base::fileExists(mid));
    EXPECT_TRUE(base::fileExists(csm));

    failed = exportPieces(doc, {mid, t.dir.file("plain/#Pop.csm").string(), add}, t.ws);
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.note, "Already written: " + mid);
}

TEST(ExportImport, AnImportThatCannotClearTheWorkingFilesFails) {
    TempWorkspace t;
    Document doc;
    readFile(t.dir.write("Pop.prs", style(true)), doc, t.ws);
    PieceNames names = defaultExportNames(t.dir.file("Pop.prs").string());
    ASSERT_TRUE(exportPieces(doc, names, t.ws).ok);

    TempWorkspace other;
    std::filesystem::create_directory(other.ws.casmAdd());
    other.dir.writeText("#CasmAdd.dat/inside", "x");
    Document imported;
    auto result = importPieces(imported, names, other.ws);
    EXPECT_FALSE(result.casmImported);
    EXPECT_TRUE(result.read.failed);
    EXPECT_EQ(*result.read.panels[3], "OK... Unable to create the file #CasmAdd.dat");
    EXPECT_EQ(result.read.casmCommands, CasmCommands::Disable);
    EXPECT_FALSE(base::fileExists(other.ws.casm()));
}
